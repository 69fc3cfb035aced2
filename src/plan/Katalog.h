#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvaro {

// The fifteen rows of the course grid. The order indexes the plan arrays and the plan file.
enum RasterTyp : int { FS1, FS2, NW1, NW2, De, Ma, Sp, GW, Et, KM, Wa1, Wa2, VK1, PK, VK3 };
inline constexpr int RasterAnzahl = 15;

// Subject codes as stored in a plan. A stored plan may hold any byte; only 0..40 are known.
enum FachTyp : std::uint8_t {
  leer,
  E5,
  F6,
  L6,
  I8,
  I0,
  I1,
  Bi,
  Ch,
  Ph,
  Mat,
  Deu,
  Spo,
  Ge,
  Sw,
  Erd,
  kR,
  eR,
  Pl,
  Ku,
  Mu,
  Lit,
  VKD,
  VKM,
  VKE,
  PKSE,
  PKSF,
  PKKG,
  PKLT,
  PKIA,
  VKL,
  VKF,
  PKAP,
  Vo,
  Inf,
  PKPC,
  PKSO,
  PKTL,
  F7,
  L7,
  I9
};
inline constexpr int FachAnzahl = 41;

inline bool FachBekannt(int code) {
  return code >= 0 && code < FachAnzahl;
}

// The texts of a subject code; the empty text for code 0 and for unknown codes.
const std::string& FachName(int code);
const std::string& FachWahltext(int code);
const std::string& FachLangname(int code);
const std::string& FachKuerzel(int code);
// The code's own name (`E5`, `leer`, ...); an unknown code gives its decimal number.
std::string FachCodeName(int code);

// The colour groups of the grid cells.
enum class Fachgruppe { Leer, Sprache, Naturwissenschaft, Gesellschaft, Kunst, Vertiefung, Projekt, Keine };
Fachgruppe FachgruppeVon(int code);

// The row names as the plan file and the JSON output spell them.
std::string_view RasterName(int raster);
// The initial row captions.
std::string_view RasterBeschriftung(int raster);

// A choice list: 22 entries, empty ones unused.
using TextfeldTyp = std::array<std::string_view, 22>;

// One entry of a choice list: the text its box shows and the subject that text stands
// for. Texts are not unique across the catalogue (I0 and I1 read alike), so a text maps to
// a subject only through the list of its own box.
struct Wahleintrag {
  std::string_view text;
  FachTyp fach;
};
using Wahlzuordnung = std::span<const Wahleintrag>;

inline constexpr Wahleintrag FSWahl[] = {
    {"Englisch (ab 5)", E5}, {"Französisch (ab 7)", F7}, {"Italienisch (ab 9)", I9}, {"Italienisch (ab 11)", I0}};
inline constexpr Wahleintrag NWWahl[] = {{"Biologie", Bi}, {"Chemie", Ch}, {"Physik", Ph}, {"Informatik", Inf}};
inline constexpr Wahleintrag ErsatzfachWahl[] = {{"Biologie", Bi},
                                                 {"Chemie", Ch},
                                                 {"Physik", Ph},
                                                 {"Englisch (ab 5)", E5},
                                                 {"Französisch (ab 7)", F7},
                                                 {"Latein (ab 7)", L7},
                                                 {"Italienisch (ab 9)", I9},
                                                 {"Italienisch (ab 11)", I0},
                                                 {"Geschichte", Ge},
                                                 {"Sozialwiss.", Sw},
                                                 {"Erdkunde", Erd},
                                                 {"Kunst", Ku},
                                                 {"Musik", Mu},
                                                 {"kein weiteres Ersatzfach", leer}};
inline constexpr Wahleintrag GWWahl[] = {{"Geschichte", Ge}, {"Sozialwiss.", Sw}, {"Erdkunde", Erd}};
inline constexpr Wahleintrag EtWahl[] = {{"kath. Religion", kR}, {"evan. Religion", eR}, {"Philosophie", Pl}};
inline constexpr Wahleintrag KMWahl[] = {{"Kunst", Ku}, {"Musik", Mu}};
// The electives of rows Wa1 and Wa2 and the third elective of EF model 1.
inline constexpr Wahleintrag WaWahl[] = {{"Biologie", Bi},
                                         {"Chemie", Ch},
                                         {"Physik", Ph},
                                         {"Informatik", Inf},
                                         {"Englisch (ab 5)", E5},
                                         {"Französisch (ab 7)", F7},
                                         {"Latein (ab 7)", L7},
                                         {"Italienisch (ab 9)", I9},
                                         {"Italienisch (ab 11)", I0},
                                         {"Geschichte", Ge},
                                         {"Sozialwiss.", Sw},
                                         {"Erdkunde", Erd},
                                         {"Kunst", Ku},
                                         {"Musik", Mu}};
// The deep-dive courses of the EF and of Q2.2.
inline constexpr Wahleintrag VKWahl[] = {{"VK Deutsch", VKD}, {"VK Mathem.", VKM}, {"VK Englisch", VKE}};
inline constexpr Wahleintrag PKWahl[] = {{"Schüler experi.", PKSE}, {"Schülerfirma", PKSF}, {"Künstl. Gestalten", PKKG},
                                         {"Lerntraining", PKLT},    {"Podcast", PKPC},      {"Theater und Lit.", PKTL}};
// The alternative project course of the name panel: the project courses, and social
// engagement, which only the alternative offers.
inline constexpr auto AlternativPKWahl = [] {
  std::array<Wahleintrag, std::size(PKWahl) + 1> eintraege{};
  for (std::size_t i = 0; i < std::size(PKWahl); ++i) {
    eintraege[i] = PKWahl[i];
  }
  eintraege.back() = {"Soziales Engagem.", PKSO};
  return eintraege;
}();

// The subject of the entry with exactly this text; nothing when no entry has it.
std::optional<FachTyp> FachZumText(Wahlzuordnung zuordnung, std::string_view text);

// The box lists, the texts of the tables above.
extern const TextfeldTyp FSListe;
extern const TextfeldTyp NWListe;
extern const TextfeldTyp ErsatzfachListe;
extern const TextfeldTyp GWListe;
extern const TextfeldTyp EtListe;
extern const TextfeldTyp KMListe;
extern const TextfeldTyp WaListe;
extern const TextfeldTyp Wa3Liste;
extern const TextfeldTyp VK1Liste;
extern const TextfeldTyp VK3Liste;
extern const TextfeldTyp PKListe;

// Abitur roles: 0 none, 1 "LK A", 2 "LK B", 3 third written, 4 fourth oral subject.
inline constexpr int AbiRollenAnzahl = 5;
const std::string& AbiRolleText(int rolle);

// The eleven Abitur positions in the order of `AbiWahl` and the plan file.
enum AbiPosition : int {
  AbiPosDe,
  AbiPosFS1,
  AbiPosFS2,
  AbiPosMa,
  AbiPosNW1,
  AbiPosNW2,
  AbiPosGW,
  AbiPosEt,
  AbiPosKM,
  AbiPosSp,
  AbiPosWa1
};
inline constexpr int AbiPositionAnzahl = 11;
// The grid row of each Abitur position.
RasterTyp AbiPositionRaster(int position);
// The Abitur position of a grid row, or -1 for rows without an Abitur box.
int RasterAbiPosition(int raster);

// Semester texts "EF.1" .. "Q2.2" for 1..6; empty outside.
const std::string& HalbjahrName(int halbjahr);

}  // namespace kelvaro
