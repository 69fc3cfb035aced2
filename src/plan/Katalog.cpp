#include "plan/Katalog.h"

namespace kelvaro {

namespace {

struct FachEintrag {
  const char* code;
  std::string name;
  std::string wahltext;
  std::string langname;
  std::string kuerzel;
  Fachgruppe gruppe;
};

using G = Fachgruppe;

const std::array<FachEintrag, FachAnzahl>& Faecher() {
  static const std::array<FachEintrag, FachAnzahl> table{{
      {"leer", "", "", "", "", G::Leer},
      {"E5", "Englisch", "Englisch (ab 5)", "Englisch (ab 5)", "Eng", G::Sprache},
      {"F6", "Französisch", "Französisch (ab 7)", "Französisch (ab 7)", "Fra", G::Keine},
      {"L6", "Latein", "Latein (ab 7)", "Latein (ab 7)", "Lat", G::Keine},
      {"I8", "Italienisch", "Italienisch (ab 9)", "Italienisch (ab 9)", "Ita", G::Keine},
      {"I0", "Italienisch", "Italienisch (ab 11)", "Italienisch (ab 11)", "It0", G::Sprache},
      {"I1", "Italienisch", "Italienisch (ab 11)", "Italienisch (ab 11)", "It1", G::Sprache},
      {"Bi", "Biologie", "Biologie", "Biologie", "Bio", G::Naturwissenschaft},
      {"Ch", "Chemie", "Chemie", "Chemie", "Che", G::Naturwissenschaft},
      {"Ph", "Physik", "Physik", "Physik", "Phy", G::Naturwissenschaft},
      {"Mat", "Mathematik", "Mathematik", "Mathematik", "Mat", G::Keine},
      {"Deu", "Deutsch", "Deutsch", "Deutsch", "Deu", G::Keine},
      {"Spo", "Sport", "Sport", "Sport", "Spo", G::Keine},
      {"Ge", "Geschichte", "Geschichte", "Geschichte", "Ge", G::Gesellschaft},
      {"Sw", "Sozialwiss.", "Sozialwiss.", "Sozialwissenschaften", "Sowi", G::Gesellschaft},
      {"Erd", "Erdkunde", "Erdkunde", "Erdkunde", "Erd", G::Gesellschaft},
      {"kR", "kath. Religion", "kath. Religion", "kath. Religion", "ka.Rel", G::Keine},
      {"eR", "evan. Religion", "evan. Religion", "evan. Religion", "ev.Rel", G::Keine},
      {"Pl", "Philosophie", "Philosophie", "Philosophie", "Phil", G::Keine},
      {"Ku", "Kunst", "Kunst", "Kunst", "Kun", G::Kunst},
      {"Mu", "Musik", "Musik", "Musik", "Mu", G::Kunst},
      {"Lit", "Literatur", "Literatur", "Literatur", "Lit", G::Keine},
      {"VKD", "VK Deutsch", "VK Deutsch", "Vertiefungskurs Deutsch", "VTK Deu", G::Vertiefung},
      {"VKM", "VK Mathem.", "VK Mathem.", "Vertiefungskurs Mathematik", "VTK Mat", G::Vertiefung},
      {"VKE", "VK Englisch", "VK Englisch", "Vertiefungskurs Englisch", "VTK Eng", G::Vertiefung},
      {"PKSE", "Schüler experi.", "Schüler experi.", "Schüler experimentieren", "Sch.ex.", G::Projekt},
      {"PKSF", "Schülerfirma", "Schülerfirma", "Schülerfirma", "Sch.fi.", G::Projekt},
      {"PKKG", "Künstl. Gestalten", "Künstl. Gestalten", "Künstlerisches Gestalten", "Kün.Gest.", G::Projekt},
      {"PKLT", "Lerntraining", "Lerntraining", "Lerntraining", "Lerntr.", G::Projekt},
      {"PKIA", "Israelprojekt", "Israelprojekt", "Israelprojekt", "Isr-Aust.", G::Keine},
      {"VKL", "VK Latein", "VK Latein", "Vertiefungskurs Latein", "VTK La", G::Vertiefung},
      {"VKF", "VK Französ.", "VK Französ.", "Vertiefungskurs Französisch", "VTK Frz", G::Vertiefung},
      {"PKAP", "Asienprojekt", "Asienprojekt", "Asienprojekt", "Asienp.", G::Keine},
      {"Vo", "Vokalpraktischer Grundkurs", "Vokalpraktischer Grundkurs", "Vokalpraktischer Grundkurs", "vo.pa.GK",
       G::Keine},
      {"Inf", "Informatik", "Informatik", "Informatik", "Inf", G::Naturwissenschaft},
      {"PKPC", "Podcast", "Podcast", "Podcast", "Podca.", G::Keine},
      {"PKSO", "Soz. Engagem.", "Soziales Engagem.", "Soziales Engagement", "Soz.Eng.", G::Keine},
      {"PKTL", "Theater und Lit.", "Theater und Lit.", "Theater und Literatur", "The.Lit.", G::Keine},
      {"F7", "Französisch", "Französisch (ab 7)", "Französisch (ab 7)", "Fra", G::Sprache},
      {"L7", "Latein", "Latein (ab 7)", "Latein (ab 7)", "Lat", G::Sprache},
      {"I9", "Italienisch", "Italienisch (ab 9)", "Italienisch (ab 9)", "Ita", G::Sprache},
  }};
  return table;
}

const std::string& Leer() {
  static const std::string empty;
  return empty;
}

}  // namespace

const std::string& FachName(int code) {
  return FachBekannt(code) ? Faecher()[code].name : Leer();
}
const std::string& FachWahltext(int code) {
  return FachBekannt(code) ? Faecher()[code].wahltext : Leer();
}
const std::string& FachLangname(int code) {
  return FachBekannt(code) ? Faecher()[code].langname : Leer();
}
const std::string& FachKuerzel(int code) {
  return FachBekannt(code) ? Faecher()[code].kuerzel : Leer();
}

std::string FachCodeName(int code) {
  return FachBekannt(code) ? std::string(Faecher()[code].code) : std::to_string(code);
}

Fachgruppe FachgruppeVon(int code) {
  return FachBekannt(code) ? Faecher()[code].gruppe : Fachgruppe::Keine;
}

std::string_view RasterName(int raster) {
  static constexpr std::array<std::string_view, RasterAnzahl> names{"FS1", "FS2", "NW1", "NW2", "De",  "Ma", "Sp", "GW",
                                                                    "Et",  "KM",  "Wa1", "Wa2", "VK1", "PK", "VK3"};
  return raster >= 0 && raster < RasterAnzahl ? names[raster] : std::string_view{};
}

std::string_view RasterBeschriftung(int raster) {
  static constexpr std::array<std::string_view, RasterAnzahl> captions{
      "1. Fremdspr.", "2. Fremdspr.", "1. Naturwiss.",    "2. Naturwiss.",  "Deutsch",
      "Mathematik",   "Sport",        "Gesell.wiss.",     "Ethisches Fach", "Künstleri. Fach",
      "1. WahlFach",  "2. WahlFach",  "Vertief.ku. Jg10", "Projektkurs",    "Vertief.ku. Jg12"};
  return raster >= 0 && raster < RasterAnzahl ? captions[raster] : std::string_view{};
}

namespace {

TextfeldTyp Texte(Wahlzuordnung zuordnung) {
  TextfeldTyp texte{};
  for (std::size_t i = 0; i < zuordnung.size() && i < texte.size(); ++i) {
    texte[i] = zuordnung[i].text;
  }
  return texte;
}

}  // namespace

std::optional<FachTyp> FachZumText(Wahlzuordnung zuordnung, std::string_view text) {
  for (const Wahleintrag& eintrag : zuordnung) {
    if (eintrag.text == text) {
      return eintrag.fach;
    }
  }
  return std::nullopt;
}

const TextfeldTyp FSListe = Texte(FSWahl);
const TextfeldTyp NWListe = Texte(NWWahl);
const TextfeldTyp ErsatzfachListe = Texte(ErsatzfachWahl);
const TextfeldTyp GWListe = Texte(GWWahl);
const TextfeldTyp EtListe = Texte(EtWahl);
const TextfeldTyp KMListe = Texte(KMWahl);
const TextfeldTyp WaListe = Texte(WaWahl);
const TextfeldTyp Wa3Liste = WaListe;
const TextfeldTyp VK1Liste = Texte(VKWahl);
const TextfeldTyp VK3Liste = VK1Liste;
const TextfeldTyp PKListe = Texte(PKWahl);

const std::string& AbiRolleText(int rolle) {
  static const std::array<std::string, AbiRollenAnzahl> texts{"", "LK A", "LK B", "3. Abifach, schriftlich",
                                                              "4. Abifach, mündlich"};
  return rolle >= 0 && rolle < AbiRollenAnzahl ? texts[rolle] : Leer();
}

RasterTyp AbiPositionRaster(int position) {
  static constexpr std::array<RasterTyp, AbiPositionAnzahl> rows{De, FS1, FS2, Ma, NW1, NW2, GW, Et, KM, Sp, Wa1};
  return rows.at(static_cast<std::size_t>(position));
}

int RasterAbiPosition(int raster) {
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    if (AbiPositionRaster(position) == raster) {
      return position;
    }
  }
  return -1;
}

const std::string& HalbjahrName(int halbjahr) {
  static const std::array<std::string, 6> names{"EF.1", "EF.2", "Q1.1", "Q1.2", "Q2.1", "Q2.2"};
  return halbjahr >= 1 && halbjahr <= 6 ? names[halbjahr - 1] : Leer();
}

}  // namespace kelvaro
