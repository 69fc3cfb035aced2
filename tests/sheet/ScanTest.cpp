#include "sheet/Scan.h"

#include "plan/PlanDatei.h"
#include "plan/Windows1252.h"
#include "sheet/Barcode.h"
#include "support/Faelle.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

// What a US-layout scanner types on a German system for a payload, as the sheet prints it.
std::u32string Getippt(const BarCodeWerteTyp& werte) {
  return WieGescannt(Utf8Zeichen(BarCodeText(BarCodeWerteErsetzt(werte))));
}

// --- The key mapping and the correction tables -------------------------------------------

TEST(Scanwert, CorrectionTableUndoesTheKeyMappingAndTheSubstitutions) {
  struct Fall {
    char32_t empfangen;
    int wert;
  };
  const Fall faelle[] = {
      {U'"', 32}, {U'#', 60}, {U'&', 62}, {U'\'', 29}, {U'(', 10}, {U')', 8},  {U'*', 11}, {U'+', 61},
      {U'-', 15}, {U'/', 6},  {U':', 30}, {U';', 28},  {U'=', 9},  {U'?', 63}, {U'Y', 58}, {U'Z', 57},
      {U'_', 31}, {U'`', 11}, {U'y', 90}, {U'z', 89},  {U'§', 3},  {U'°', 64}, {U'´', 29}, {U'Ä', 2},
      {U'Ö', 26}, {U'Ü', 91}, {U'ß', 13}, {U'ä', 7},   {U'ö', 27}, {U'ü', 59}, {U'A', 33}, {U'!', 1},
  };
  for (const Fall& fall : faelle) {
    const std::string zeichen = Utf8NachWindows1252(Utf8Text(std::u32string(1, fall.empfangen)));
    const int empfangen = static_cast<unsigned char>(zeichen[0]) - 32;
    EXPECT_EQ(ScanwertKorrigieren(empfangen), fall.wert) << Utf8Text(std::u32string(1, fall.empfangen));
  }
}

TEST(Scanwert, EveryPlanValueComesBackThroughAUsScannerOnAGermanSystem) {
  // Positions 1..16 hold values up to 87; the substitutes 92..94 stand in for 29, 11, 64.
  for (int wert = 0; wert <= 91; ++wert) {
    const char32_t gedruckt = static_cast<char32_t>(PlanwertErsetzen(wert) + 32);
    const std::string empfangen = Utf8NachWindows1252(Utf8Text(std::u32string(1, AufDeutscherTastatur(gedruckt))));
    EXPECT_EQ(ScanwertKorrigieren(static_cast<unsigned char>(empfangen[0]) - 32), wert) << wert;
  }
}

TEST(Scanwert, NameLettersComeBackFromTheirSubstitutes) {
  for (const char* buchstabe : {"Á", "É", "Í", "Ó", "Ú", "À", "È", "Ì", "Ò", "Ù", "Ä", "Ö", "Ü", "ä", "ö", "ü", "ß"}) {
    const int code = static_cast<unsigned char>(Utf8NachWindows1252(buchstabe)[0]);
    const int gedruckt = NamenswertErsetzen(code - 32);
    const std::string empfangen =
        Utf8NachWindows1252(Utf8Text(std::u32string(1, AufDeutscherTastatur(static_cast<char32_t>(gedruckt + 32)))));
    EXPECT_EQ(NamenswertZurueck(ScanwertKorrigieren(static_cast<unsigned char>(empfangen[0]) - 32)), code - 32)
        << buchstabe;
  }
}

// --- Whole sheets back into plans --------------------------------------------------------

struct PlanFall {
  const char* name;
  void (*waehlen)(TForm1&);
};

const PlanFall kPlaene[] = {
    {"cleanQ1Plan", test::GueltigerQ1Plan},
    {"languageFocusAndElectiveModel",
     [](TForm1& f) {
       test::GueltigerQ1Plan(f);
       f.Schwerpunkt.userChoose("Fremdsprachlicher Schwerpunkt");
       f.WahlFS2.userChoose("Italienisch (ab 11)");
       f.PKEntBox.userChoose("Wahlfach");
       f.AbiFS2.userChoose("4. Abifach, mündlich");
     }},
    {"threeElectivesAndReplacedSport",
     [](TForm1& f) {
       test::GueltigerQ1Plan(f);
       f.VK10EntBox.userChoose("kein VTK+12 GKs (3 Wahlfächer)");
       f.WahlVK10.userChoose("Latein (ab 7)");
       f.ErsatzfachBut.userClick();
       f.WahlErsatzfach.userChoose("Kunst");
       f.ErsatzFachStartBox.userChoose("EF.2");
       f.ErsatzFachEndeBox.userChoose("Q1.2");
       f.Button4.userClick();
     }},
    {"projectAndElectiveWithLiterature",
     [](TForm1& f) {
       test::GueltigerQ1Plan(f);
       f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");
       f.LitJNBox.userChoose("Literatur");
       f.AbwEtBox.userChoose("nach Q2.1");
     }},
    {"twoDeepDivesAndLkOrderReversed",
     [](TForm1& f) {
       test::GueltigerQ1Plan(f);
       f.VK10EntBox.userChoose("zwei VTK+10 GKs (1 Wahlfach)");
       f.WahlWa2.userChoose("VK Englisch");
       f.WahlVK10.userChoose("VK Deutsch");
       f.AbiFS1.userChoose("LK B");
       f.AbiNW1.userChoose("LK A");
     }},
};

class ScanRundreise : public ::testing::TestWithParam<PlanFall> {};

TEST_P(ScanRundreise, TheTypedBarcodeDecodesBackToThePlan) {
  test::Testprogramm p({.heute = {2026, 2, 10}});
  GetParam().waehlen(p.f);
  p.l.Nachname = "Jäger";
  p.l.Vorname = "Zoé";
  const BarCodeWerteTyp werte = BarCodeWerteSetzen(p.l);

  const ScanWerte scan = ScanWerteLesen(Getippt(werte));
  for (int i = 1; i <= 27; ++i) {
    EXPECT_EQ(scan.BarCodeWerte[static_cast<std::size_t>(i)], werte[static_cast<std::size_t>(i)]) << "Stelle " << i;
  }
  EXPECT_EQ(scan.BarCodeZahlen, BarCodeZahlen(werte));

  // Decoded into an empty plan, the plan carries the same payload and every field the
  // payload holds.
  const DekodierErgebnis d = DecodiereScan(scan.BarCodeWerte, Laufbahn{});
  ASSERT_FALSE(d.fehler) << *d.fehler;
  const BarCodeWerteTyp wieder = BarCodeWerteSetzen(d.laufbahn);
  EXPECT_EQ(wieder, werte);
  EXPECT_EQ(d.laufbahn.Fach, p.l.Fach);
  EXPECT_EQ(d.laufbahn.AbiWahl, p.l.AbiWahl);
  for (RasterTyp raster : {FS1, NW1, Sp, GW, Et, KM, Wa1, Wa2, VK1}) {
    EXPECT_EQ(d.laufbahn.Schriftlich[raster], p.l.Schriftlich[raster]) << RasterName(raster);
  }
  for (const auto& [feld, vorher, nachher] : {std::tuple{"SchwerpunktFS", p.l.SchwerpunktFS, d.laufbahn.SchwerpunktFS},
                                              {"EFModell", p.l.EFModell, d.laufbahn.EFModell},
                                              {"Q1Modell", p.l.Q1Modell, d.laufbahn.Q1Modell},
                                              {"LitWahl", p.l.LitWahl, d.laufbahn.LitWahl},
                                              {"VKQ22", p.l.VKQ22, d.laufbahn.VKQ22},
                                              {"AbwahlEF", p.l.AbwahlEF, d.laufbahn.AbwahlEF},
                                              {"AbwahlEt", p.l.AbwahlEt, d.laufbahn.AbwahlEt},
                                              {"ErsatzfachAktiv", p.l.ErsatzfachAktiv, d.laufbahn.ErsatzfachAktiv}}) {
    EXPECT_EQ(nachher, vorher) << feld;
  }
  EXPECT_EQ(d.laufbahn.ErsatzfachVon, p.l.ErsatzfachVon);
  EXPECT_EQ(d.laufbahn.ErsatzfachBis, p.l.ErsatzfachBis);
  EXPECT_EQ(d.laufbahn.Nachname, "Jäger");
  EXPECT_EQ(d.laufbahn.Vorname, "Zoé");
  EXPECT_EQ(d.Speichername, "Jäger_Zoé");
}

INSTANTIATE_TEST_SUITE_P(Scan, ScanRundreise, ::testing::ValuesIn(kPlaene), test::FallName<PlanFall>);

TEST(DecodiereScan, NamesLoseTheirPaddingAndFieldsNotCarriedStay) {
  Laufbahn l;
  l.Nachname = "Li";
  l.Vorname = "";
  BarCodeWerteTyp werte = BarCodeWerteSetzen(l);
  Laufbahn vorher;
  vorher.Noten[0][1] = 13;
  vorher.Schriftlich[De] = 0;
  const DekodierErgebnis d = DecodiereScan(werte, vorher);
  ASSERT_FALSE(d.fehler);
  EXPECT_EQ(d.laufbahn.Nachname, "Li");
  EXPECT_EQ(d.laufbahn.Vorname, "");  // "*****"
  EXPECT_EQ(d.Speichername, "Li_");
  EXPECT_EQ(d.laufbahn.Noten[0][1], 13);
  EXPECT_EQ(d.laufbahn.Schriftlich[De], 0);
}

// A payload no sheet of this program prints: the position named, the plan untouched.
TEST(DecodiereScan, RefusesFieldsOutsideTheirTablesAndNamesNoSheetPrints) {
  struct Fall {
    const char* name;
    int stelle;
    int wert;
    const char* fehler;
  };
  const Fall faelle[] = {
      {"languageOutsideTable", 1, 4, "Der Wert 4 an Stelle 1 gehört zu keinem Wahlzettel."},
      {"electiveOutsideTable", 2, 15 * 6, "Der Wert 90 an Stelle 2 gehört zu keinem Wahlzettel."},
      {"religionOutsideTable", 5, 3, "Der Wert 3 an Stelle 5 gehört zu keinem Wahlzettel."},
      {"projectOutsideTable", 6, 4 * 9, "Der Wert 36 an Stelle 6 gehört zu keinem Wahlzettel."},
      {"abiturFieldAboveSeven", 7, 8 * 8, "Der Wert 64 an Stelle 7 gehört zu keinem Wahlzettel."},
      {"deselectionTheFileCannotHold", 13, 4, "Der Scan ergibt keinen gültigen Plan: unbekannter Wert 1 für AbwahlEt."},
      {"slashInName", 17, '/' - 32, "Der Name \"/_\" enthält Zeichen, die kein Wahlzettel druckt."},
      {"dotInName", 22, '.' - 32, "Der Name \"_.\" enthält Zeichen, die kein Wahlzettel druckt."},
      {"controlCharacterInName", 17, (27 - 32 + 256) % 256,
       "Der Name \"\x1B_\" enthält Zeichen, die kein Wahlzettel druckt."},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    BarCodeWerteTyp werte = BarCodeWerteSetzen(Laufbahn{});
    werte[static_cast<std::size_t>(fall.stelle)] = fall.wert;
    const DekodierErgebnis d = DecodiereScan(werte, Laufbahn{});
    ASSERT_TRUE(d.fehler);
    EXPECT_EQ(*d.fehler, fall.fehler);
  }
}

}  // namespace
}  // namespace kelvaro
