#include "sheet/Scan.h"

#include "plan/PlanDatei.h"
#include "plan/Windows1252.h"
#include "sheet/Barcodetabellen.h"

#include <array>
#include <utility>

namespace kelvaro {

namespace {

namespace t = barcodetabelle;

// The keys whose characters differ between the US and the German layout: the character
// on the key cap of the US layout, and what the German layout makes of the same key.
constexpr std::array<std::pair<char32_t, char32_t>, 32> UsNachDeutsch{{
    {U'Y', U'Z'}, {U'Z', U'Y'}, {U'y', U'z'}, {U'z', U'y'},  {U'@', U'"'},  {U'#', U'§'}, {U'^', U'&'}, {U'&', U'/'},
    {U'*', U'('}, {U'(', U')'}, {U')', U'='}, {U'-', U'ß'},  {U'_', U'?'},  {U'=', U'´'}, {U'+', U'`'}, {U'[', U'ü'},
    {U'{', U'Ü'}, {U']', U'+'}, {U'}', U'*'}, {U'\\', U'#'}, {U'|', U'\''}, {U';', U'ö'}, {U':', U'Ö'}, {U'\'', U'ä'},
    {U'"', U'Ä'}, {U'<', U';'}, {U'>', U':'}, {U'/', U'-'},  {U'?', U'_'},  {U'`', U'^'}, {U'~', U'°'},
}};

// Received value (Windows-1252 code − 32) and the payload value it stands for.
constexpr std::array<std::pair<int, int>, 30> Korrektur{{
    {2, 32},  {3, 60},   {6, 62},   {7, 29},  {8, 10},   {9, 8},    {10, 11},  {11, 61}, {13, 15},  {15, 6},
    {26, 30}, {27, 28},  {29, 9},   {31, 63}, {57, 58},  {58, 57},  {63, 31},  {64, 11}, {89, 90},  {90, 89},
    {135, 3}, {144, 64}, {148, 29}, {164, 2}, {182, 26}, {188, 91}, {191, 13}, {196, 7}, {214, 27}, {220, 59},
}};

constexpr std::array<std::pair<int, int>, 17> NamenZurueck{{
    {1, 193},
    {2, 201},
    {3, 205},
    {4, 211},
    {5, 218},
    {6, 192},
    {7, 200},
    {8, 204},
    {9, 210},
    {11, 217},
    {20, 164},
    {21, 182},
    {22, 188},
    {23, 196},
    {24, 214},
    {25, 220},
    {26, 191},
}};

template <std::size_t N>
int Nachschlagen(const std::array<std::pair<int, int>, N>& tabelle, int wert) {
  for (const auto& [von, nach] : tabelle) {
    if (von == wert) {
      return nach;
    }
  }
  return wert;
}

// The decoding fails at the first field outside its table; it names the position.
class Dekodierer {
 public:
  explicit Dekodierer(const BarCodeWerteTyp& werte) : m_p(werte) {}

  int p(int stelle) const { return m_p[static_cast<std::size_t>(stelle)]; }
  bool fehlerhaft() const { return m_fehler.has_value(); }
  std::optional<std::string> fehler() const { return m_fehler; }

  // The subject at a position of a code table; position `leer` (if any) stands for none.
  template <std::size_t N>
  FachTyp Fach(const std::array<FachTyp, N>& tabelle, int position, int stelle, int leer = -1) {
    if (position == leer) {
      return kelvaro::leer;
    }
    if (position < 0 || position >= static_cast<int>(N)) {
      Fehler(stelle);
      return kelvaro::leer;
    }
    return tabelle[static_cast<std::size_t>(position)];
  }

  // A three-bit Abitur field of a position.
  int Feld(int wert, int stelle) {
    if (wert > 7) {
      Fehler(stelle);
      return 0;
    }
    return wert;
  }

  void Fehler(int stelle) {
    if (!m_fehler) {
      m_fehler = "Der Wert " + std::to_string(p(stelle)) + " an Stelle " + std::to_string(stelle) +
                 " gehört zu keinem Wahlzettel.";
    }
  }

 private:
  const BarCodeWerteTyp& m_p;
  std::optional<std::string> m_fehler;
};

int Rolle(int feld) {
  static constexpr int rollen[] = {0, 1, 3, 4};
  return rollen[feld % 4];
}

std::uint8_t Schriftlich(int feld) {
  return feld >= 4 ? 1 : 0;
}

// A name of five characters with its padding "*" taken out.
std::string Name(const BarCodeWerteTyp& werte, int ab) {
  std::string bytes;
  for (int i = ab; i < ab + 5; ++i) {
    const char zeichen = static_cast<char>((werte[static_cast<std::size_t>(i)] + 32) & 0xFF);
    if (zeichen != '*') {
      bytes += zeichen;
    }
  }
  return Windows1252NachUtf8(bytes);
}

}  // namespace

char32_t AufDeutscherTastatur(char32_t zeichen) {
  for (const auto& [us, deutsch] : UsNachDeutsch) {
    if (us == zeichen) {
      return deutsch;
    }
  }
  return zeichen;
}

std::u32string WieGescannt(std::u32string_view symboltext) {
  std::u32string getippt;
  for (char32_t c : symboltext) {
    getippt.push_back(AufDeutscherTastatur(c));
  }
  return getippt;
}

int ScanwertKorrigieren(int wert) {
  return Nachschlagen(Korrektur, wert);
}

int NamenswertZurueck(int wert) {
  return Nachschlagen(NamenZurueck, wert);
}

ScanWerte ScanWerteLesen(std::u32string_view zeichen) {
  ScanWerte scan;
  scan.ScanText = Utf8Text(zeichen);
  const std::string bytes = Utf8NachWindows1252(scan.ScanText);
  for (std::size_t i = 1; i <= 27 && i <= bytes.size(); ++i) {
    int v = (static_cast<unsigned char>(bytes[i - 1]) - 32 + 256) % 256;
    v = ScanwertKorrigieren(v);
    if (i > 16) {
      v = NamenswertZurueck(v);
    }
    scan.BarCodeWerte[i] = v;
    scan.BarCodeZahlen += std::to_string(v) + (i < 27 ? ", " : "");
  }
  return scan;
}

bool ScanNameZulaessig(std::string_view name) {
  static const std::u32string weitere = U" -ÄÖÜßàáäèéìíòóöùúüÁÉÍÓÚÀÈÌÒÙ";
  for (char32_t c : Utf8Zeichen(name)) {
    const bool buchstabe = (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    if (!buchstabe && weitere.find(c) == std::u32string::npos) {
      return false;
    }
  }
  return true;
}

DekodierErgebnis DecodiereScan(const BarCodeWerteTyp& werte, const Laufbahn& vorher) {
  DekodierErgebnis ergebnis{.laufbahn = vorher, .Speichername = {}, .fehler = std::nullopt};
  Laufbahn& l = ergebnis.laufbahn;
  Dekodierer d(werte);
  const auto p = [&d](int stelle) { return d.p(stelle); };

  // Flags and models first: the rows below depend on them.
  l.SchwerpunktFS = (p(14) & 1) == 0 ? 1 : 0;
  l.VKQ22 = (p(14) >> 1) & 1;
  l.LitWahl = static_cast<std::uint8_t>(((p(14) >> 2) & 1) + 2 * ((p(14) >> 5) & 1));
  l.AbwahlEF = (p(14) >> 3) & 1;
  l.ErsatzfachAktiv = (p(14) >> 4) & 1;
  l.EFModell = static_cast<std::uint8_t>(p(15) % 4);
  switch ((p(15) >> 2) & 3) {
    case 0:
      l.Q1Modell = 2;
      break;
    case 1:
      l.Q1Modell = 0;
      break;
    case 2:
      l.Q1Modell = 1;
      break;
    default:
      break;  // unchanged
  }
  if (p(15) / 16 <= 3) {
    l.ZweiteFSSek1 = static_cast<std::uint8_t>(p(15) / 16);
  }

  l.Fach[FS1] = d.Fach(t::Sprache, p(1) % 6, 1);
  l.Fach[Sp] = d.Fach(t::Wahlfach, p(1) / 6, 1, t::WahlfachLeer);
  l.Fach[NW1] = d.Fach(t::Naturwissenschaft, p(2) % 6, 2);
  l.Fach[Wa1] = d.Fach(t::Wahlfach, p(2) / 6, 2, t::WahlfachLeer);
  if (l.SchwerpunktFS == 1) {
    l.Fach[FS2] = d.Fach(t::Sprache, p(3) % 6, 3);
    l.Fach[NW2] = leer;
  } else {
    l.Fach[NW2] = d.Fach(t::Naturwissenschaft, p(3) % 6, 3);
    l.Fach[FS2] = leer;
  }
  l.Fach[Wa2] =
      l.EFModell == 3 ? d.Fach(t::Vertiefung, p(3) / 6, 3) : d.Fach(t::Wahlfach, p(3) / 6, 3, t::WahlfachLeer);
  l.Fach[GW] = d.Fach(t::Gesellschaft, p(4) % 6, 4);
  if (l.EFModell == 0) {
    l.Fach[VK1] = leer;
  } else if (l.EFModell == 1) {
    l.Fach[VK1] = d.Fach(t::Wahlfach, p(4) / 6, 4, t::WahlfachLeer);
  } else {
    l.Fach[VK1] = d.Fach(t::Vertiefung, p(4) / 6, 4);
  }
  l.Fach[Et] = d.Fach(t::Religion, p(5) % 4, 5);
  l.Fach[KM] = d.Fach(t::Kunst, (p(5) / 4) % 2, 5);
  l.Fach[VK3] = l.VKQ22 == 1 ? d.Fach(t::Vertiefung, p(6) % 4, 6) : leer;
  if (l.Q1Modell == 0 || l.Q1Modell == 2) {
    l.Fach[PK] = d.Fach(t::Projekt, (p(6) / 4) % 11, 6, t::ProjektKeiner);
    l.AlternativPK = d.Fach(t::Projekt, p(5) / 8, 5, t::ProjektKeiner);
  } else {
    l.Fach[PK] = leer;
    l.AlternativPK = leer;
  }
  const int lkReihenfolge = (p(6) / 4) / 11;
  if (lkReihenfolge > 1) {
    d.Fehler(6);
  }

  const auto abitur = [&](RasterTyp raster, int feld) {
    l.Schriftlich[raster] = Schriftlich(feld);
    l.AbiWahl[static_cast<std::size_t>(RasterAbiPosition(raster))] = Rolle(feld);
  };
  abitur(FS1, p(7) % 8);
  abitur(Sp, d.Feld(p(7) / 8, 7));
  abitur(NW1, p(8) % 8);
  abitur(Wa1, d.Feld(p(8) / 8, 8));
  abitur(GW, p(10) % 8);
  abitur(Et, p(11) % 8);
  abitur(KM, d.Feld(p(11) / 8, 11));
  const RasterTyp zweite = l.SchwerpunktFS == 1 ? FS2 : NW2;
  const RasterTyp andere = l.SchwerpunktFS == 1 ? NW2 : FS2;
  abitur(zweite, p(9) % 8);
  l.Schriftlich[andere] = 0;
  l.AbiWahl[static_cast<std::size_t>(RasterAbiPosition(andere))] = 0;
  l.Schriftlich[Wa2] = Schriftlich(d.Feld(p(9) / 8, 9));
  l.Schriftlich[VK1] = Schriftlich(d.Feld(p(10) / 8, 10));
  l.AbiWahl[AbiPosMa] = Rolle(p(12) % 8);
  l.AbiWahl[AbiPosDe] = Rolle(d.Feld(p(12) / 8, 12));

  // LK B is the advanced course the order bit points at among the two of role 1.
  int letzte = 0;
  int davor = 0;
  for (int position = 1; position <= AbiPositionAnzahl; ++position) {
    if (l.AbiWahl[static_cast<std::size_t>(position - 1)] == 1) {
      davor = letzte;
      letzte = position;
    }
  }
  const int lkB = lkReihenfolge == 0 ? letzte : davor;
  if (lkB > 0) {
    l.AbiWahl[static_cast<std::size_t>(lkB - 1)] = 2;
  }

  l.AbwahlWa1 = static_cast<std::uint8_t>(p(13) % 4);
  l.AbwahlEt = static_cast<std::uint8_t>((p(13) / 4) % 4);
  if (p(13) / 16 <= 3) {
    l.AbwahlKM = static_cast<std::uint8_t>(p(13) / 16);
  }
  l.ErsatzfachVon = p(16) % 7;
  l.ErsatzfachBis = p(16) / 7;
  if (l.ErsatzfachVon < 1 || l.ErsatzfachVon > 6) {
    l.ErsatzfachVon = 1;
  }
  if (l.ErsatzfachBis < 1 || l.ErsatzfachBis > 6) {
    l.ErsatzfachBis = 6;
  }

  l.Nachname = Name(werte, 17);
  l.Vorname = Name(werte, 22);
  ergebnis.Speichername = Utf8Anfang(l.Nachname + "_" + l.Vorname, 50);

  if (d.fehlerhaft()) {
    ergebnis.fehler = d.fehler();
  } else if (!ScanNameZulaessig(l.Nachname) || !ScanNameZulaessig(l.Vorname)) {
    ergebnis.fehler = "Der Name \"" + l.Nachname + "_" + l.Vorname + "\" enthält Zeichen, die kein Wahlzettel druckt.";
  } else if (const auto unbekannt = UnbekannterPlanwert(l)) {
    ergebnis.fehler = "Der Scan ergibt keinen gültigen Plan: " + *unbekannt + ".";
  }
  return ergebnis;
}

}  // namespace kelvaro
