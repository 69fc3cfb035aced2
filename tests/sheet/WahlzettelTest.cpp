#include "sheet/Wahlzettel.h"

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "sheet/Barcode.h"
#include "sheet/Plantext.h"
#include "support/Faelle.h"
#include "support/Testprogramm.h"
#include "ui/Printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// Table rows print as their name.
template <typename Fall>
auto operator<<(std::ostream& os, const Fall& fall) -> decltype(fall.name, os) {
  return os << fall.name;
}

using test::FallName;

using Zeilen = std::vector<std::string>;
using Aufruf = ui::RecordingPrinter::Aufruf;

// A page 2000 pixels wide: one page unit is 100 pixels, so positions read back exactly.
constexpr int Seitenbreite = 2000;

std::string Einheiten(double pixel) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", pixel / 100.0);
  return text;
}

std::string Punkt(int x, int y) {
  return "(" + Einheiten(x) + ", " + Einheiten(y) + ")";
}

std::string FarbText(const ui::Farbe& f) {
  return std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b);
}

// One call in page units: "T(x, y) size[ fett][ auf r,g,b]: text" (the fill colour only
// when it is not white), "L(x1, y1)-(x2, y2)", "F(...)-(...) r,g,b", "Farbe r,g,b", ...
std::string Eintrag(const Aufruf& a) {
  if (a.art == "text") {
    std::string s = "T" + Punkt(a.ort.links, a.ort.oben) + " " + std::to_string(a.punkt) + (a.fett ? " fett" : "");
    if (a.schrift != "Times New Roman") {
      s += " [" + a.schrift + "]";
    }
    if (!(a.farbe == ui::farben::Weiss)) {
      s += " auf " + FarbText(a.farbe);
    }
    return s + ": " + a.text;
  }
  if (a.art == "line") {
    return "L" + Punkt(a.ort.links, a.ort.oben) + "-" + Punkt(a.ort.rechts, a.ort.unten);
  }
  if (a.art == "fill" || a.art == "outline") {
    return std::string(a.art == "fill" ? "F" : "R") + Punkt(a.ort.links, a.ort.oben) + "-" +
           Punkt(a.ort.rechts, a.ort.unten) + " " + FarbText(a.farbe);
  }
  if (a.art == "color") {
    return "Farbe " + FarbText(a.farbe);
  }
  if (a.art == "picture") {
    return "Bild" + Punkt(a.ort.links, a.ort.oben) + "-" + Punkt(a.ort.rechts, a.ort.unten) + " " + a.text;
  }
  return a.art;
}

// A barcode symbol: black, three black bars, white.
bool IstSymbol(const std::vector<Aufruf>& a, std::size_t i) {
  if (i + 4 >= a.size()) {
    return false;
  }
  bool symbol = a[i].art == "color" && a[i].farbe == ui::farben::Schwarz && a[i + 4].art == "color" &&
                a[i + 4].farbe == ui::farben::Weiss;
  for (std::size_t k = 1; k <= 3; ++k) {
    symbol = symbol && a[i + k].art == "fill" && a[i + k].farbe == ui::farben::Schwarz;
  }
  return symbol;
}

// The whole page in drawing order; the barcode's symbols become one line.
Zeilen Blatt(const ui::RecordingPrinter& drucker) {
  const std::vector<Aufruf>& a = drucker.aufrufe();
  Zeilen zeilen;
  for (std::size_t i = 0; i < a.size();) {
    int symbole = 0;
    while (IstSymbol(a, i)) {
      ++symbole;
      i += 5;
    }
    if (symbole > 0) {
      zeilen.push_back("Strichcode: " + std::to_string(symbole) + " Zeichen");
    } else {
      zeilen.push_back(Eintrag(a[i]));
      ++i;
    }
  }
  return zeilen;
}

// The entries from the first one that starts with `von` up to the one equal to `bis`.
Zeilen Ausschnitt(const Zeilen& zeilen, const std::string& von, const std::string& bis) {
  const auto anfang =
      std::find_if(zeilen.begin(), zeilen.end(), [&](const std::string& z) { return z.rfind(von, 0) == 0; });
  const auto ende = std::find(anfang, zeilen.end(), bis);
  if (anfang == zeilen.end() || ende == zeilen.end()) {
    return {};
  }
  return Zeilen(anfang, ende + 1);
}

// Compares two pages entry by entry and names the first entry that differs.
::testing::AssertionResult ZeilenGleich(const Zeilen& ist, const Zeilen& erwartet) {
  for (std::size_t i = 0; i < std::min(ist.size(), erwartet.size()); ++i) {
    if (ist[i] != erwartet[i]) {
      return ::testing::AssertionFailure() << "entry " << i << " is\n  " << ist[i] << "\nexpected\n  " << erwartet[i]
                                           << "\n(previous entry: " << (i > 0 ? erwartet[i - 1] : "none") << ")";
    }
  }
  if (ist.size() != erwartet.size()) {
    return ::testing::AssertionFailure() << ist.size() << " entries, expected " << erwartet.size() << "; first extra: "
                                         << (ist.size() > erwartet.size() ? ist[erwartet.size()]
                                                                          : erwartet[ist.size()]);
  }
  return ::testing::AssertionSuccess();
}

// The plan text as the sheet draws it.
Zeilen PlantextZeilen(const Programm& p) {
  Zeilen zeilen;
  for (const Blatttext& b : Plantext(p.laufbahn(), p.abgeleitet(), p.laufzeit())) {
    const int x = static_cast<int>(std::nearbyint(b.x * 100));
    const int y = static_cast<int>(std::nearbyint(b.y * 100));
    zeilen.push_back("T" + Punkt(x, y) + " " + std::to_string(b.punkt) + (b.fett ? " fett" : "") + ": " + b.text);
  }
  return zeilen;
}

Edition FesteEdition(int stufe) {
  Edition e = GebauteEdition();
  e.Stufe = stufe;
  e.Schuljahr = "2025/26";
  e.Abiturjahrgang = "2027";
  e.Version = "25.2";
  e.AbgabeTag[0] = "Freitag";
  e.AbgabeTag[1] = "Dienstag";
  e.AbgabeTag[2] = "Freitag";
  e.AbgabeDatum[0] = "9. Mai";
  e.AbgabeDatum[1] = "2. September";
  e.AbgabeDatum[2] = "5. Dezember";
  return e;
}

// One run of the program on the 3rd of a month at 08:05:09: February and March 2026 are
// subject choices, September and October 2025 exam choices for the first, December 2025
// for the second half-year. No stage directory, so teacher mode is off.
struct Sitzung : test::Testprogramm {
  Sitzung(int stufe, int monat)
      : Testprogramm({.stufe = stufe,
                      .heute = {monat >= 8 ? 2025 : 2026, monat, 3},
                      .uhrzeit = {8, 5, 9},
                      .edition = FesteEdition(stufe)}) {}

  // A plan without violations: English (LK A), physics (LK B) and chemistry, mathematics
  // third and history fourth Abitur subject, project course "Schüler experi.", social
  // science as additional course, a deep-dive course in Q2.2. The grade book has eleven
  // courses; written are English, physics, German, mathematics, history and music.
  void Grundplan() {
    l.Fach[FS1] = E5;
    l.Fach[NW1] = Ph;
    l.Fach[NW2] = Ch;
    l.Fach[GW] = Ge;
    l.Fach[Et] = eR;
    l.Fach[KM] = Mu;
    l.Fach[Wa1] = F7;
    l.Fach[Wa2] = Inf;
    l.Fach[VK1] = VKM;
    l.Fach[PK] = PKSE;
    l.VKQ22 = 1;
    l.Fach[VK3] = VKD;
    l.AbiWahl[AbiPosFS1] = 1;
    l.AbiWahl[AbiPosNW1] = 2;
    l.AbiWahl[AbiPosMa] = 3;
    l.AbiWahl[AbiPosGW] = 4;
    l.Vorname = "Li";
    l.Nachname = "Öz";
    programm.hauptfenster().LaufbahnDarstellen();
    const std::pair<RasterTyp, int> schriftlich[] = {{FS1, 1}, {NW1, 1}, {NW2, 0}, {De, 1}, {Ma, 1},
                                                     {Sp, 0},  {GW, 1},  {Et, 0},  {KM, 1}};
    for (const auto& [raster, wert] : schriftlich) {
      l.Schriftlich[raster] = static_cast<std::uint8_t>(wert);
    }
    programm.meldungsfenster().BerechnungVorbereiten();
  }

  ui::RecordingPrinter Drucken() {
    ui::RecordingPrinter drucker(Seitenbreite);
    zahlen = programm.WahlzettelDrucken(drucker);
    return drucker;
  }

  std::string zahlen;
};

// ---------------------------------------------------------------------------------------
// The whole page of a Q1 plan in the subject-choice season.

TEST(Wahlzettel, Q1SubjectChoiceWholePageInDrawingOrder) {
  Sitzung s(1, 2);
  s.Grundplan();
  const Stundenbilanz& stunden = s.programm.abgeleitet().stunden;
  ASSERT_FALSE(stunden.Kennung.empty());
  ASSERT_FALSE(stunden.KennungAbwahl.empty());
  const std::string zahlen = BarCodeZahlen(BarCodeWerteSetzen(s.programm.laufbahn()));
  // The names before substitution ("Ö" is 182, printed as 21).
  ASSERT_NE(zahlen.find("182, 90, 10, 10, 10, 44, 73, 10, 10, 10, 34"), std::string::npos) << zahlen;

  const ui::RecordingPrinter drucker = s.Drucken();

  Zeilen erwartet = {
      "begin",
      "Farbe 255,255,255",
      "Bild(16.7, 1)-(19.7, 4) Wappen",
      "Strichcode: 31 Zeichen",
      "T(2, 1) 14 fett: Tarnisches Gymnasium Velmarsk",
      "T(2, 1.8) 14 fett: Wahlzettel für die Fächer der kommenden Jahrgangsstufe Q1 (12)",
      "T(2, 2.6) 12 fett: gültig für das kommende Schuljahr 2025/26  Abiturjahrgang 2027",
      "T(2, 3.4) 14 fett: Name :    Li Öz",
      "T(13, 3.4) 14 fett: Stufe EF (11)",
      "T(2, 4.2) 14 fett: Schule :",
      // Only the size changes to 8; the style stays bold until the plan text.
      "T(4, 4.8) 8 fett: (nur für Schüler anderer Schulen)",
      "L(4, 4.8)-(12, 4.8)",
  };
  for (const std::string& zeile : PlantextZeilen(s.programm)) {
    erwartet.push_back(zeile);
  }
  const Zeilen danach = {
      "T(14.6, 24.25) 10 fett: 03. 02. 2026, 08. 05 Uhr",
      "T(2, 25.2) 12: Unterschrift eines Erziehungsberechtigten :",
      "L(9.5, 25.7)-(18, 25.7)",
      "T(2, 25.75) 8: bzw. volljährigen Schülers",
      "T(5, 26.35) 8: " + zahlen,
      "T(10, 25.75) 8: Quintara Version 25.2",
      "T(7.8, 7.2) 14 fett: Abgabe bis Freitag, ",
      "T(7.8, 7.75) 14 fett: 9. Mai, im",
      "T(7.8, 8.3) 14 fett: Oberstufenbriefkasten",
      "T(7.8, 8.85) 14 fett: oder bei den",
      "T(7.8, 9.4) 14 fett: Beratungslehrern",
      "L(7.5, 7.1)-(12.9, 7.1)",
      "L(12.9, 7.1)-(12.9, 10.6)",
      "L(12.9, 10.6)-(7.5, 10.6)",
      "L(7.5, 10.6)-(7.5, 7.1)",
      "T(9, 10.7) 8: Prüfkennung:",
      "T(9, 11.1) 8: " + stunden.Kennung,
      "T(9, 11.5) 8: " + stunden.KennungAbwahl,
      // Grade table of eleven courses; semester 3 (Q1.1) is the coming one.
      "L(13.3, 4.3)-(19.5, 4.3)",
      "L(19.5, 4.3)-(19.5, 11)",
      "L(19.5, 11)-(13.3, 11)",
      "L(13.3, 11)-(13.3, 4.3)",
      "T(13.5, 4.5) 8 fett: Schriftl. Fächer im kom. Hj. sind grau hinterlegt:",
      "T(13.5, 5) 8: Fach",
      "T(15.5, 5) 8: Q1.1",
      "T(16.3, 5) 8: Q1.2",
      "T(17.1, 5) 8: Q2.1",
      "T(17.9, 5) 8: Q2.2",
      "T(18.7, 5) 8: Abi",
      "T(13.5, 5.5) 8: LK Eng",
      "Farbe 128,128,128",
      "F(15.5, 5.45)-(16.1, 5.85) 128,128,128",
      "T(15.5, 5.5) 8 auf 128,128,128: LK",
      "Farbe 255,255,255",
      "T(16.3, 5.5) 8: LK",
      "T(17.1, 5.5) 8: LK",
      "T(17.9, 5.5) 8: LK",
      "T(18.7, 5.5) 8: LK",
      "T(13.5, 6) 8: LK Phy",
      "Farbe 128,128,128",
      "F(15.5, 5.95)-(16.1, 6.35) 128,128,128",
      "T(15.5, 6) 8 auf 128,128,128: LK",
      "Farbe 255,255,255",
      "T(16.3, 6) 8: LK",
      "T(17.1, 6) 8: LK",
      "T(17.9, 6) 8: LK",
      "T(18.7, 6) 8: LK",
      "T(13.5, 6.5) 8: Che",
      "T(15.5, 6.5) 8: GK",
      "T(16.3, 6.5) 8: GK",
      "T(17.1, 6.5) 8: GK",
      "T(17.9, 6.5) 8: GK",
      "T(13.5, 7) 8: Deu",
      "Farbe 128,128,128",
      "F(15.5, 6.95)-(16.1, 7.35) 128,128,128",
      "T(15.5, 7) 8 auf 128,128,128: GK",
      "Farbe 255,255,255",
      "T(16.3, 7) 8: GK",
      "T(17.1, 7) 8: GK",
      "T(17.9, 7) 8: GK",
      "T(13.5, 7.5) 8: Mat",
      "Farbe 128,128,128",
      "F(15.5, 7.45)-(16.1, 7.85) 128,128,128",
      "T(15.5, 7.5) 8 auf 128,128,128: GK",
      "Farbe 255,255,255",
      "T(16.3, 7.5) 8: GK",
      "T(17.1, 7.5) 8: GK",
      "T(17.9, 7.5) 8: GK",
      "T(18.7, 7.5) 8: Ab3",
      "T(13.5, 8) 8: Spo",
      "T(15.5, 8) 8: GK",
      "T(16.3, 8) 8: GK",
      "T(17.1, 8) 8: GK",
      "T(17.9, 8) 8: GK",
      "T(13.5, 8.5) 8: Ge",
      "Farbe 128,128,128",
      "F(15.5, 8.45)-(16.1, 8.85) 128,128,128",
      "T(15.5, 8.5) 8 auf 128,128,128: GK",
      "Farbe 255,255,255",
      "T(16.3, 8.5) 8: GK",
      "T(17.1, 8.5) 8: GK",
      "T(17.9, 8.5) 8: GK",
      "T(18.7, 8.5) 8: Ab4",
      "T(13.5, 9) 8: ev.Rel",
      "T(15.5, 9) 8: GK",
      "T(16.3, 9) 8: GK",
      "T(17.1, 9) 8: GK",
      "T(17.9, 9) 8: GK",
      "T(13.5, 9.5) 8: Mu",
      "Farbe 128,128,128",
      "F(15.5, 9.45)-(16.1, 9.85) 128,128,128",
      "T(15.5, 9.5) 8 auf 128,128,128: GK",
      "Farbe 255,255,255",
      "T(16.3, 9.5) 8: GK",
      "T(17.1, 9.5) 8: GK",
      "T(17.9, 9.5) 8: GK",
      // The project course runs in Q1 only, the additional course in Q2 only.
      "T(13.5, 10) 8: PK Sch.ex.",
      "T(15.5, 10) 8: PK",
      "T(16.3, 10) 8: PK",
      "T(13.5, 10.5) 8: ZK Sowi",
      "T(17.1, 10.5) 8: ZK",
      "T(17.9, 10.5) 8: ZK",
      "end",
  };
  erwartet.insert(erwartet.end(), danach.begin(), danach.end());

  EXPECT_TRUE(ZeilenGleich(Blatt(drucker), erwartet));
  EXPECT_EQ(s.zahlen, zahlen);
  for (const Aufruf& a : drucker.aufrufe()) {
    if (a.art == "text") {
      EXPECT_EQ(a.schrift, "Times New Roman") << a.text;
    }
  }
}

// The barcode at the foot: u = 100, module width 4, x0 = 320; modules 1..332.
TEST(Wahlzettel, BarcodeAtTheFoot) {
  Sitzung s(1, 2);
  s.Grundplan();
  const ui::RecordingPrinter drucker = s.Drucken();
  int links = Seitenbreite;
  int rechts = 0;
  int balken = 0;
  for (const Aufruf& a : drucker.aufrufe()) {
    if (a.art == "fill" && a.farbe == ui::farben::Schwarz) {
      ++balken;
      links = std::min(links, a.ort.links);
      rechts = std::max(rechts, a.ort.rechts);
      EXPECT_EQ(a.ort.oben, 2660);
      EXPECT_EQ(a.ort.unten, 2800);
    }
  }
  EXPECT_EQ(balken, 93);
  EXPECT_EQ(links, 324);
  EXPECT_EQ(rechts, 1652);
}

// ---------------------------------------------------------------------------------------
// Title, validity line, present stage and submission box per stage and season.

struct KopfFall {
  const char* name;
  int stufe;
  int monat;
  bool abiNoteBerechnet;
  Zeilen kopf;    // from the title to the stage field (and the class line)
  Zeilen abgabe;  // the submission box with its frame
  bool notentabelle;
};

const Zeilen kRahmen = {"L(7.5, 7.1)-(12.9, 7.1)", "L(12.9, 7.1)-(12.9, 10.6)", "L(12.9, 10.6)-(7.5, 10.6)",
                        "L(7.5, 10.6)-(7.5, 7.1)"};

Zeilen Abgabebox(Zeilen texte) {
  texte.insert(texte.end(), kRahmen.begin(), kRahmen.end());
  return texte;
}

Zeilen Oberstufenbox(const std::string& tag, const std::string& datum) {
  return Abgabebox({"T(7.8, 7.2) 14 fett: Abgabe bis " + tag + ", ", "T(7.8, 7.75) 14 fett: " + datum + ", im",
                    "T(7.8, 8.3) 14 fett: Oberstufenbriefkasten", "T(7.8, 8.85) 14 fett: oder bei den",
                    "T(7.8, 9.4) 14 fett: Beratungslehrern"});
}

const KopfFall kKopfFaelle[] = {
    {"EFSubjectChoiceClassLineAndSixLineBox",
     0,
     2,
     false,
     {"T(2, 1.8) 14 fett: Wahlzettel für die Fächer der kommenden Jahrgangsstufe EF (11)",
      "T(2, 2.6) 12 fett: gültig für das kommende Schuljahr 2025/26  Abiturjahrgang 2027",
      "T(2, 3.4) 14 fett: Name :    Li Öz", "T(13, 3.4) 14 fett: Klasse :", "L(14.8, 4)-(16.5, 4)"},
     Abgabebox({"T(7.8, 7.2) 14 fett: Abgabe bis Freitag, ", "T(7.8, 7.75) 14 fett: 9. Mai, beim",
                "T(7.8, 8.3) 14 fett: Klassenlehrer bzw.", "T(7.8, 8.85) 14 fett: für Schüler",
                "T(7.8, 9.4) 14 fett: anderer Schulen ", "T(7.8, 9.95) 14 fett: im Sekretariat."}),
     false},
    {"EFExamChoiceFirstHalf",
     0,
     9,
     false,
     {"T(2, 1.8) 14 fett: Klausurwahlzettel für die Fächer der Jahrgangsstufe EF (11), 1. Hj.",
      "T(2, 2.6) 12 fett: gültig für das  Schuljahr 2025/26  Abiturjahrgang 2027", "T(2, 3.4) 14 fett: Name :    Li Öz",
      "T(13, 3.4) 14 fett: Stufe EF (11)"},
     Oberstufenbox("Dienstag", "2. September"),
     false},
    {"EFWithComputedGradeHasTable",
     0,
     12,
     true,
     {"T(2, 1.8) 14 fett: Klausurwahlzettel für die Fächer der Jahrgangsstufe EF (11), 2. Hj.",
      "T(2, 2.6) 12 fett: gültig für das  Schuljahr 2025/26  Abiturjahrgang 2027", "T(2, 3.4) 14 fett: Name :    Li Öz",
      "T(13, 3.4) 14 fett: Stufe EF (11)"},
     Oberstufenbox("Freitag", "5. Dezember"),
     true},
    {"Q1SubjectChoice",
     1,
     3,
     false,
     {"T(2, 1.8) 14 fett: Wahlzettel für die Fächer der kommenden Jahrgangsstufe Q1 (12)",
      "T(2, 2.6) 12 fett: gültig für das kommende Schuljahr 2025/26  Abiturjahrgang 2027",
      "T(2, 3.4) 14 fett: Name :    Li Öz", "T(13, 3.4) 14 fett: Stufe EF (11)"},
     Oberstufenbox("Freitag", "9. Mai"),
     true},
    {"Q1ExamChoiceSecondHalf",
     1,
     12,
     false,
     {"T(2, 1.8) 14 fett: Klausurwahlzettel für die Fächer der Jahrgangsstufe Q1 (12), 2. Hj.",
      "T(2, 2.6) 12 fett: gültig für das  Schuljahr 2025/26  Abiturjahrgang 2027", "T(2, 3.4) 14 fett: Name :    Li Öz",
      "T(13, 3.4) 14 fett: Stufe Q1 (12)"},
     Oberstufenbox("Freitag", "5. Dezember"),
     true},
    {"Q2SubjectChoice",
     2,
     2,
     false,
     {"T(2, 1.8) 14 fett: Wahlzettel für die Fächer der kommenden Jahrgangsstufe Q2 (13)",
      "T(2, 2.6) 12 fett: gültig für das kommende Schuljahr 2025/26  Abiturjahrgang 2027",
      "T(2, 3.4) 14 fett: Name :    Li Öz", "T(13, 3.4) 14 fett: Stufe Q1 (12)"},
     Oberstufenbox("Freitag", "9. Mai"),
     true},
    {"Q2ExamChoiceFirstHalf",
     2,
     10,
     false,
     {"T(2, 1.8) 14 fett: Klausurwahlzettel für die Fächer der Jahrgangsstufe Q2 (13), 1. Hj.",
      "T(2, 2.6) 12 fett: gültig für das  Schuljahr 2025/26  Abiturjahrgang 2027", "T(2, 3.4) 14 fett: Name :    Li Öz",
      "T(13, 3.4) 14 fett: Stufe Q2 (13)"},
     Oberstufenbox("Dienstag", "2. September"),
     true},
};

class WahlzettelKopf : public ::testing::TestWithParam<KopfFall> {};

TEST_P(WahlzettelKopf, TitleStageAndSubmissionBox) {
  const KopfFall& fall = GetParam();
  Sitzung s(fall.stufe, fall.monat);
  s.Grundplan();
  s.programm.laufbahn().AbiNoteBerechnet = fall.abiNoteBerechnet ? 1 : 0;
  const Zeilen blatt = Blatt(s.Drucken());
  Zeilen kopf = Ausschnitt(blatt, "T(2, 1.8) ", "T(2, 4.2) 14 fett: Schule :");
  ASSERT_FALSE(kopf.empty());
  kopf.pop_back();
  EXPECT_EQ(kopf, fall.kopf);
  EXPECT_EQ(Ausschnitt(blatt, "T(7.8, 7.2) ", "L(7.5, 10.6)-(7.5, 7.1)"), fall.abgabe);
  EXPECT_EQ(std::count(blatt.begin(), blatt.end(), "T(13.5, 5) 8: Fach"), fall.notentabelle ? 1 : 0);
  EXPECT_EQ(blatt.back(), "end");
}

INSTANTIATE_TEST_SUITE_P(Wahlzettel, WahlzettelKopf, ::testing::ValuesIn(kKopfFaelle), FallName<KopfFall>);

// ---------------------------------------------------------------------------------------
// The grey cells of the written courses move with the coming half-year.

struct GrauFall {
  const char* name;
  int stufe;
  int monat;
  const char* links;  // the column's x and the grey cell's right edge
  const char* rechts;
};

const GrauFall kGrauFaelle[] = {
    {"Q1FirstHalfGreysQ11", 1, 9, "15.5", "16.1"},
    {"Q1SecondHalfGreysQ12", 1, 12, "16.3", "16.9"},
    {"Q2FirstHalfGreysQ21", 2, 10, "17.1", "17.7"},
    {"Q2SecondHalfGreysQ22", 2, 11, "17.9", "18.5"},
};

class WahlzettelGrau : public ::testing::TestWithParam<GrauFall> {};

TEST_P(WahlzettelGrau, WrittenCoursesOfTheComingHalfYear) {
  const GrauFall& fall = GetParam();
  Sitzung s(fall.stufe, fall.monat);
  s.Grundplan();
  Zeilen grau;
  for (const std::string& z : Blatt(s.Drucken())) {
    if (z.find("128,128,128") != std::string::npos) {
      grau.push_back(z);
    }
  }
  // English, physics, German, mathematics, history and music are written.
  const std::string x = fall.links;
  const std::string bis = fall.rechts;
  const Zeilen erwartet = {
      "Farbe 128,128,128",
      "F(" + x + ", 5.45)-(" + bis + ", 5.85) 128,128,128",
      "T(" + x + ", 5.5) 8 auf 128,128,128: LK",
      "Farbe 128,128,128",
      "F(" + x + ", 5.95)-(" + bis + ", 6.35) 128,128,128",
      "T(" + x + ", 6) 8 auf 128,128,128: LK",
      "Farbe 128,128,128",
      "F(" + x + ", 6.95)-(" + bis + ", 7.35) 128,128,128",
      "T(" + x + ", 7) 8 auf 128,128,128: GK",
      "Farbe 128,128,128",
      "F(" + x + ", 7.45)-(" + bis + ", 7.85) 128,128,128",
      "T(" + x + ", 7.5) 8 auf 128,128,128: GK",
      "Farbe 128,128,128",
      "F(" + x + ", 8.45)-(" + bis + ", 8.85) 128,128,128",
      "T(" + x + ", 8.5) 8 auf 128,128,128: GK",
      "Farbe 128,128,128",
      "F(" + x + ", 9.45)-(" + bis + ", 9.85) 128,128,128",
      "T(" + x + ", 9.5) 8 auf 128,128,128: GK",
  };
  EXPECT_EQ(grau, erwartet);
}

INSTANTIATE_TEST_SUITE_P(Wahlzettel, WahlzettelGrau, ::testing::ValuesIn(kGrauFaelle), FallName<GrauFall>);

// ---------------------------------------------------------------------------------------
// The grade table of a computed grade: points, in parentheses where the slot does not
// count, and the heading after the pass results.

// Three courses: an advanced course counted everywhere; a basic course, written in the
// coming Q1.1, counted in Q1, taken but not counted in Q2; an additional course of Q2.
void KleinesNotenbuch(Programm& p) {
  Laufbahn& l = p.laufbahn();
  l.NotenKursZahl = 3;
  l.KursKurzname[1] = "Eng";
  l.KursKurzname[2] = "Che";
  l.KursKurzname[3] = "Sowi";
  const std::uint8_t zaehlart[6][4] = {
      {0, LKs, Gk, Zk},        {0, LK, Pflicht, nichtbelegt}, {0, LK, WahlFa, nichtbelegt},
      {0, LK, Freiw, Pflicht}, {0, LK, Belegt, Belegt},       {0, Abi, nichtbelegt, nichtbelegt},
  };
  const int noten[5][4] = {
      {0, 12, 7, -1}, {0, 13, 8, -1}, {0, 14, 5, 10}, {0, 15, 0, 4}, {0, 11, -1, -1},
  };
  for (std::size_t k = 1; k <= 3; ++k) {
    for (std::size_t h = 0; h < 6; ++h) {
      l.KursZaehlart[h][k] = zaehlart[h][k];
    }
    for (std::size_t h = 0; h < 5; ++h) {
      l.Noten[h][k] = noten[h][k];
    }
  }
  p.abgeleitet().notenbuch.KursSchriftlich = {};
  p.abgeleitet().notenbuch.KursSchriftlich[2] = 1;
}

const Zeilen kSpaltenkoepfe = {"T(13.5, 5) 8: Fach", "T(15.5, 5) 8: Q1.1", "T(16.3, 5) 8: Q1.2",
                               "T(17.1, 5) 8: Q2.1", "T(17.9, 5) 8: Q2.2", "T(18.7, 5) 8: Abi"};

TEST(Wahlzettel, ComputedGradePointsAndUncountedInParentheses) {
  Sitzung s(1, 2);
  s.Grundplan();
  KleinesNotenbuch(s.programm);
  Laufbahn& l = s.programm.laufbahn();
  l.AbiNoteBerechnet = 1;
  l.PruefungBestanden = 1;
  l.ZulassungBestanden = 1;
  l.AbiNote = 2.3;
  Zeilen erwartet = {
      "L(13.3, 4.3)-(19.5, 4.3)",
      "L(19.5, 4.3)-(19.5, 7)",
      "L(19.5, 7)-(13.3, 7)",
      "L(13.3, 7)-(13.3, 4.3)",
      "T(13.5, 4.5) 8 fett: Geschätzter Abiturnotenschnitt (NC): 2,3",
  };
  erwartet.insert(erwartet.end(), kSpaltenkoepfe.begin(), kSpaltenkoepfe.end());
  const Zeilen zeilen = {
      "T(13.5, 5.5) 8: LK Eng", "T(15.5, 5.5) 8: 12",  "T(16.3, 5.5) 8: 13",
      "T(17.1, 5.5) 8: 14",     "T(17.9, 5.5) 8: 15",  "T(18.7, 5.5) 8: 11",
      "T(13.5, 6) 8: Che",      "T(15.5, 6) 8: 7",     "T(16.3, 6) 8: 8",
      "T(17.1, 6) 8: (5)",      "T(17.9, 6) 8: (0)",   "T(13.5, 6.5) 8: ZK Sowi",
      "T(17.1, 6.5) 8: 10",     "T(17.9, 6.5) 8: (4)", "end",
  };
  erwartet.insert(erwartet.end(), zeilen.begin(), zeilen.end());
  EXPECT_TRUE(ZeilenGleich(Ausschnitt(Blatt(s.Drucken()), "L(13.3, 4.3)", "end"), erwartet));
}

struct KopfzeileFall {
  const char* name;
  int pruefung;
  int zulassung;
  double note;
  const char* kopf;
};

const KopfzeileFall kKopfzeilen[] = {
    {"PassedShowsGrade", 1, 1, 2.3, "Geschätzter Abiturnotenschnitt (NC): 2,3"},
    {"WholeGradeWithOneDecimal", 1, 1, 1.0, "Geschätzter Abiturnotenschnitt (NC): 1,0"},
    {"AdmittedButFailed", 0, 1, 2.3, "Nach eigener Schätztung: Abitur nicht bestanden"},
    {"NotAdmittedDespitePassedExams", 1, 0, 2.3, "Nach eigener Schätztung: nicht zugelassen"},
    {"NeitherAdmittedNorPassed", 0, 0, 2.3, "Nach eigener Schätztung: nicht zugelassen"},
};

class WahlzettelNotenkopf : public ::testing::TestWithParam<KopfzeileFall> {};

TEST_P(WahlzettelNotenkopf, HeadingOfComputedGrade) {
  const KopfzeileFall& fall = GetParam();
  Sitzung s(1, 2);
  s.Grundplan();
  KleinesNotenbuch(s.programm);
  Laufbahn& l = s.programm.laufbahn();
  l.AbiNoteBerechnet = 1;
  l.PruefungBestanden = static_cast<std::uint8_t>(fall.pruefung);
  l.ZulassungBestanden = static_cast<std::uint8_t>(fall.zulassung);
  l.AbiNote = fall.note;
  const Zeilen blatt = Blatt(s.Drucken());
  EXPECT_EQ(std::count(blatt.begin(), blatt.end(), std::string("T(13.5, 4.5) 8 fett: ") + fall.kopf), 1);
}

INSTANTIATE_TEST_SUITE_P(Wahlzettel, WahlzettelNotenkopf, ::testing::ValuesIn(kKopfzeilen), FallName<KopfzeileFall>);

TEST(Wahlzettel, EmptyGradeBookFrameAndHeadsOnly) {
  Sitzung s(1, 2);
  s.Grundplan();
  s.programm.laufbahn().NotenKursZahl = 0;
  Zeilen erwartet = {
      "L(13.3, 4.3)-(19.5, 4.3)",
      "L(19.5, 4.3)-(19.5, 5.5)",
      "L(19.5, 5.5)-(13.3, 5.5)",
      "L(13.3, 5.5)-(13.3, 4.3)",
      "T(13.5, 4.5) 8 fett: Schriftl. Fächer im kom. Hj. sind grau hinterlegt:",
  };
  erwartet.insert(erwartet.end(), kSpaltenkoepfe.begin(), kSpaltenkoepfe.end());
  erwartet.push_back("end");
  EXPECT_TRUE(ZeilenGleich(Ausschnitt(Blatt(s.Drucken()), "L(13.3, 4.3)", "end"), erwartet));
}

// ---------------------------------------------------------------------------------------
// A cancelled print dialog: the job does not begin and nothing is drawn.

TEST(Wahlzettel, CancelledJobDrawsNothing) {
  Sitzung s(1, 2);
  s.Grundplan();
  ui::RecordingPrinter drucker(Seitenbreite, false);
  EXPECT_EQ(s.programm.WahlzettelDrucken(drucker), "");
  EXPECT_EQ(Blatt(drucker), Zeilen{"begin"});
}

}  // namespace
}  // namespace kelvaro
