#pragma once

#include <array>
#include <cstdint>
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

// The languages that count as foreign language of an elective row: E5, I0, F7, L7, I9.
bool IstFremdsprache(int code);
// The new foreign language begun in the EF ("Italienisch (ab 11)"): I0 or the older I1.
bool IstNeueSprache(int code);

}  // namespace kelvaro
