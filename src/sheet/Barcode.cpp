#include "sheet/Barcode.h"

#include "plan/Faechermengen.h"
#include "plan/Laufbahn.h"
#include "plan/Windows1252.h"
#include "sheet/Barcodetabellen.h"

#include <cmath>

namespace kelvaro {

namespace {

namespace t = barcodetabelle;

// Subjects outside a table get a value inside the field's range; the chosen ones read
// back as what the scanner's decoder takes for "none" or "empty".
int Sprache(FachTyp f) {
  return BarcodePosition(f, t::Sprache, 0);
}
int Naturwiss(FachTyp f) {
  return BarcodePosition(f, t::Naturwissenschaft, 0);
}
int Gesellschaft(FachTyp f) {
  return BarcodePosition(f, t::Gesellschaft, 0);
}
int Religion(FachTyp f) {
  return BarcodePosition(f, t::Religion, 0);
}
int Kunst(FachTyp f) {
  return BarcodePosition(f, t::Kunst, 0);
}
int Wahlfach(FachTyp f) {
  return BarcodePosition(f, t::Wahlfach, t::WahlfachLeer);
}
int Vertiefung(FachTyp f) {
  return BarcodePosition(f, t::Vertiefung, 0);
}
int Projekt(FachTyp f) {
  return BarcodePosition(f, t::Projekt, t::ProjektKeiner);
}

int Rollencode(int rolle) {
  switch (rolle) {
    case 1:
    case 2:
      return 1;
    case 3:
      return 2;
    case 4:
      return 3;
    default:
      return 0;
  }
}

int AbiFeld(const Laufbahn& l, AbiPosition position) {
  const RasterTyp raster = AbiPositionRaster(position);
  return Rollencode(l.AbiWahl[position]) + (l.Schriftlich[raster] == 1 ? 4 : 0);
}

// 1 when LK A stands at or after LK B in the order of the Abitur positions; a missing
// LK counts as position 0.
int LkReihenfolge(const Laufbahn& l) {
  int a = 0;
  int b = 0;
  for (int position = 1; position <= AbiPositionAnzahl; ++position) {
    const int rolle = l.AbiWahl[static_cast<std::size_t>(position - 1)];
    if (rolle == 1) {
      a = position;
    } else if (rolle == 2) {
      b = position;
    }
  }
  return a >= b ? 1 : 0;
}

// Five characters of a name, padded with "*", as values code − 32 modulo 256.
void NameSetzen(BarCodeWerteTyp& werte, int ab, const std::string& name) {
  std::string zeichen = Utf8NachWindows1252(name);
  zeichen.resize(5, '*');
  for (int i = 0; i < 5; ++i) {
    const int code = static_cast<unsigned char>(zeichen[static_cast<std::size_t>(i)]);
    werte[static_cast<std::size_t>(ab + i)] = (code - 32 + 256) % 256;
  }
}

int Gerundet(double wert) {
  return static_cast<int>(std::nearbyint(wert));
}

// Code 128 symbols as the widths of bar, space, bar, space, bar, space (stop: seven).
constexpr std::array<const char*, 107> Breiten{
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

}  // namespace

BarCodeWerteTyp BarCodeWerteSetzen(const Laufbahn& l) {
  BarCodeWerteTyp w{};
  const bool sprachen = l.SchwerpunktFS == 1;
  const bool projektkurs = ProjektkursInQ(l);
  w[1] = Sprache(l.Fach[FS1]) + 6 * Wahlfach(l.Fach[Sp]);
  w[2] = Naturwiss(l.Fach[NW1]) + 6 * Wahlfach(l.Fach[Wa1]);
  w[3] = (sprachen ? Sprache(l.Fach[FS2]) : Naturwiss(l.Fach[NW2])) +
         6 * (l.EFModell == 3 ? Vertiefung(l.Fach[Wa2]) : Wahlfach(l.Fach[Wa2]));
  int vk1 = 0;
  if (l.EFModell == 1) {
    vk1 = Wahlfach(l.Fach[VK1]);
  } else if (l.EFModell == 2 || l.EFModell == 3) {
    vk1 = Vertiefung(l.Fach[VK1]);
  }
  w[4] = Gesellschaft(l.Fach[GW]) + 6 * vk1;
  w[5] = Religion(l.Fach[Et]) + 4 * Kunst(l.Fach[KM]) + 8 * (projektkurs ? Projekt(l.AlternativPK) : 0);
  w[6] = (l.VKQ22 == 1 ? Vertiefung(l.Fach[VK3]) : 0) + 4 * (projektkurs ? Projekt(l.Fach[PK]) : 0) +
         44 * LkReihenfolge(l);
  w[7] = AbiFeld(l, AbiPosFS1) + 8 * AbiFeld(l, AbiPosSp);
  w[8] = AbiFeld(l, AbiPosNW1) + 8 * AbiFeld(l, AbiPosWa1);
  w[9] = (sprachen ? AbiFeld(l, AbiPosFS2) : AbiFeld(l, AbiPosNW2)) + 32 * (l.Schriftlich[Wa2] == 1 ? 1 : 0);
  w[10] = AbiFeld(l, AbiPosGW) + 32 * (l.Schriftlich[VK1] == 1 ? 1 : 0);
  w[11] = AbiFeld(l, AbiPosEt) + 8 * AbiFeld(l, AbiPosKM);
  w[12] = (Rollencode(l.AbiWahl[AbiPosMa]) + 4) + 8 * (Rollencode(l.AbiWahl[AbiPosDe]) + 4);
  w[13] = (l.AbwahlWa1 & 3) + 4 * (l.AbwahlEt & 3) + 16 * (l.AbwahlKM & 3);
  w[14] = (l.SchwerpunktFS != 1 ? 1 : 0) + 2 * (l.VKQ22 == 1 ? 1 : 0) + 4 * (l.LitWahl & 1) +
          8 * (l.AbwahlEF == 1 ? 1 : 0) + 16 * (l.ErsatzfachAktiv == 1 ? 1 : 0) + 32 * ((l.LitWahl >> 1) & 1);
  const int q1Code = l.Q1Modell == 0 ? 1 : l.Q1Modell == 1 ? 2 : 0;
  w[15] = (l.EFModell & 3) + 4 * q1Code + 16 * (l.ZweiteFSSek1 & 3);
  const auto semester = [](int wert, int sonst) { return wert >= 1 && wert <= 6 ? wert : sonst; };
  w[16] = 7 * semester(l.ErsatzfachBis, 6) + semester(l.ErsatzfachVon, 1);
  NameSetzen(w, 17, l.Nachname);
  NameSetzen(w, 22, l.Vorname);
  w[27] = BarCodeFormatzeichen;
  return w;
}

std::string BarCodeZahlen(const BarCodeWerteTyp& werte) {
  std::string text;
  for (std::size_t i = 1; i < werte.size(); ++i) {
    if (i > 1) {
      text += ", ";
    }
    text += std::to_string(werte[i]);
  }
  return text.substr(0, 150);
}

int PlanwertErsetzen(int wert) {
  switch (wert) {
    case 29:
      return 92;
    case 11:
      return 93;
    case 64:
      return 94;
    default:
      return wert;
  }
}

int NamenswertErsetzen(int wert) {
  static constexpr std::array<std::pair<int, int>, 18> tabelle{{{193, 1},
                                                                {201, 2},
                                                                {205, 3},
                                                                {211, 4},
                                                                {218, 5},
                                                                {192, 6},
                                                                {200, 7},
                                                                {204, 8},
                                                                {210, 9},
                                                                {217, 11},
                                                                {164, 20},
                                                                {182, 21},
                                                                {188, 22},
                                                                {196, 23},
                                                                {214, 24},
                                                                {220, 25},
                                                                {191, 26},
                                                                {64, 94}}};
  for (const auto& [vorher, nachher] : tabelle) {
    if (wert == vorher) {
      return nachher;
    }
  }
  return wert;
}

BarCodeWerteTyp BarCodeWerteErsetzt(const BarCodeWerteTyp& werte) {
  BarCodeWerteTyp ersetzt = werte;
  for (std::size_t i = 1; i <= 27; ++i) {
    ersetzt[i] = i <= 16 ? PlanwertErsetzen(werte[i]) : NamenswertErsetzen(werte[i]);
  }
  return ersetzt;
}

std::string BarCodeText(const BarCodeWerteTyp& ersetzt) {
  std::string text;
  for (std::size_t i = 1; i <= 27; ++i) {
    text += static_cast<char>(ersetzt[i] + 32);
  }
  return Windows1252NachUtf8(text);  // a name character without substitute stays readable
}

int BarCodePruefzeichen(const BarCodeWerteTyp& ersetzt) {
  int summe = 104;
  for (std::size_t i = 1; i <= 27; ++i) {
    summe += static_cast<int>(i) * ersetzt[i];
  }
  return summe % 103;
}

const std::array<std::string, 107>& Code128Muster() {
  static const std::array<std::string, 107> muster = [] {
    std::array<std::string, 107> m;
    for (std::size_t wert = 0; wert < Breiten.size(); ++wert) {
      bool balken = true;
      for (const char* breite = Breiten[wert]; *breite != '\0'; ++breite) {
        m[wert].append(static_cast<std::size_t>(*breite - '0'), balken ? '1' : '0');
        balken = !balken;
      }
    }
    return m;
  }();
  return muster;
}

const std::array<Code128Balken, 108>& Code128Einlesen() {
  static const std::array<Code128Balken, 108> balken = [] {
    std::array<Code128Balken, 108> b{};
    const auto& muster = Code128Muster();
    for (std::size_t wert = 0; wert < muster.size(); ++wert) {
      const std::string& m = muster[wert];
      std::size_t modul = 0;  // 0-based here, stored 1-based
      for (auto& bar : b[wert].balken) {
        while (modul < m.size() && modul < 12 && m[modul] == '0') {
          ++modul;
        }
        const std::size_t anfang = modul;
        while (modul < m.size() && modul < 12 && m[modul] == '1') {
          ++modul;
        }
        bar = {static_cast<int>(anfang) + 1, static_cast<int>(modul)};
      }
    }
    b[107].balken = {std::pair{1, 2}, std::pair{1, 2}, std::pair{1, 2}};
    return b;
  }();
  return balken;
}

BarCodeWerteTyp BarCodeDrucken(ui::Printer& drucker, const BarCodeWerteTyp& werte) {
  const double u = drucker.pageWidth() / 20.0;
  const double w = 0.04 * u;
  const int x0 = Gerundet(3.2 * u);
  const int oben = Gerundet(26.6 * u);
  const int unten = Gerundet(28 * u);
  const auto& balken = Code128Einlesen();
  const auto zeichen = [&](int symbol, int position) {
    drucker.setFillColor(ui::farben::Schwarz);
    for (const auto& [anfang, ende] : balken[static_cast<std::size_t>(symbol)].balken) {
      drucker.fillRect(
          {x0 + Gerundet((11 * position + anfang) * w), oben, x0 + Gerundet((11 * position + ende + 1) * w), unten});
    }
    drucker.setFillColor(ui::farben::Weiss);
  };
  const BarCodeWerteTyp ersetzt = BarCodeWerteErsetzt(werte);
  zeichen(104, 0);
  for (int i = 1; i <= 27; ++i) {
    zeichen(ersetzt[static_cast<std::size_t>(i)], i);
  }
  zeichen(BarCodePruefzeichen(ersetzt), 28);
  zeichen(106, 29);
  zeichen(107, 30);
  return ersetzt;
}

}  // namespace kelvaro
