#include "sheet/Barcode.h"

#include "plan/Katalog.h"
#include "plan/Laufbahn.h"
#include "support/Faelle.h"
#include "ui/Printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

// Table rows print as their name.
template <typename Fall>
auto operator<<(std::ostream& os, const Fall& fall) -> decltype(fall.name, os) {
  return os << fall.name;
}

using test::FallName;

std::vector<int> Positionen(const BarCodeWerteTyp& werte, int von, int bis) {
  std::vector<int> auswahl;
  for (int i = von; i <= bis; ++i) {
    auswahl.push_back(werte[static_cast<std::size_t>(i)]);
  }
  return auswahl;
}

// A plan in which every field of the payload holds a code other than 0, so that each
// factor of the formulas shows: science focus, EF model 1 (three electives), Q1 model 2
// (project course and continued elective), LK A at NW1 (position 5 of the Abitur order)
// after LK B at FS1 (position 2).
Laufbahn Basisplan() {
  Laufbahn l;
  l.Fach[FS1] = I9;   // language 2
  l.Fach[FS2] = F7;   // language 1, not carried with the science focus
  l.Fach[NW1] = Inf;  // science 3
  l.Fach[NW2] = Ch;   // science 1
  l.Fach[Sp] = Ku;    // elective 11
  l.Fach[GW] = Erd;   // society 2
  l.Fach[Et] = Pl;    // religion 2
  l.Fach[KM] = Mu;    // arts 1
  l.Fach[Wa1] = L7;   // elective 5
  l.Fach[Wa2] = Mu;   // elective 12
  l.Fach[VK1] = Ge;   // elective 8 (third elective of EF model 1)
  l.Fach[PK] = PKSO;  // project 5
  l.Fach[VK3] = VKE;  // deep-dive 2
  l.EFModell = 1;
  l.Q1Modell = 2;
  l.AlternativPK = PKLT;  // project 3
  l.VKQ22 = 1;
  l.AbiWahl[AbiPosNW1] = 1;
  l.AbiWahl[AbiPosFS1] = 2;
  l.AbiWahl[AbiPosNW2] = 3;
  l.AbiWahl[AbiPosWa1] = 4;
  for (RasterTyp r : {FS1, NW1, NW2, Sp, GW, KM, Wa1, Wa2, VK1}) {
    l.Schriftlich[r] = 1;
  }
  l.AbwahlWa1 = 1;
  l.AbwahlEt = 3;
  l.AbwahlKM = 2;
  l.LitWahl = 2;
  l.AbwahlEF = 1;
  l.ErsatzfachAktiv = 1;
  l.ZweiteFSSek1 = 2;
  l.ErsatzfachVon = 2;
  l.ErsatzfachBis = 5;
  l.Nachname = "Weber";
  l.Vorname = "Li";
  return l;
}

// The payload of the plan above, worked out by hand.
const std::map<int, int> kBasiswerte = {
    {1, 68},                       // I9 2 + 6 × Ku 11
    {2, 33},                       // Inf 3 + 6 × L7 5
    {3, 73},                       // NW2 Ch 1 + 6 × Wa2 Mu 12
    {4, 50},                       // Erd 2 + 6 × VK1 Ge 8
    {5, 30},                       // Pl 2 + 4 × Mu 1 + 8 × PKLT 3
    {6, 66},                       // VKE 2 + 4 × PKSO 5 + 44 × (LK A at 5 >= LK B at 2)
    {7, 37},                       // FS1 LK written 5 + 8 × Sp no role written 4
    {8, 61},                       // NW1 LK written 5 + 8 × Wa1 fourth written 7
    {9, 38},                       // NW2 third written 6 + 32 × Wa2 written
    {10, 36},                      // GW no role written 4 + 32 × VK1 written
    {11, 32},                      // Et no role oral 0 + 8 × KM no role written 4
    {12, 36},                      // (0 + 4) + 8 × (0 + 4): German and mathematics without roles
    {13, 45},                      // 1 + 4 × 3 + 16 × 2
    {14, 59},                      // science 1 + VKQ22 2 + EF drop 8 + replacement 16 + LitWahl bit 1 32
    {15, 33},                      // EF model 1 + 4 × 0 (Q1 model 2) + 16 × 2
    {16, 37},                      // 7 × 5 + 2
    {17, 55},                      // W
    {18, 69},                      // e
    {19, 66},                      // b
    {20, 69},                      // e
    {21, 82},                      // r
    {22, 44},                      // L
    {23, 73},                      // i
    {24, 10},                      // *
    {25, 10}, {26, 10}, {27, 34},  // format marker "B"
};

struct WerteFall {
  const char* name;
  void (*plan)(Laufbahn&);
  std::map<int, int> geaendert;  // positions that differ from the plan above
};

const WerteFall kWerteFaelle[] = {
    {"SciencePlanAsIs", [](Laufbahn&) {}, {}},
    // Position 3 takes FS2 instead of NW2, position 9 the Abitur field of FS2.
    {"LanguageFocusCarriesSecondLanguage",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I0;
       l.AbiWahl[AbiPosFS2] = 4;
     },
     {{3, 75}, {9, 35}, {14, 58}}},
    {"EFModel3DeepDiveInWa2AndVK1",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = VKM;
       l.Fach[VK1] = VKF;
     },
     {{3, 7}, {4, 26}, {15, 35}}},
    {"EFModel2ElectiveWa2DeepDiveVK1",
     [](Laufbahn& l) {
       l.EFModell = 2;
       l.Fach[VK1] = VKL;
     },
     {{4, 20}, {15, 34}}},
    {"EFModel0IgnoresVK1", [](Laufbahn& l) { l.EFModell = 0; }, {{4, 2}, {15, 32}}},
    {"Q1Model0ProjectCourse", [](Laufbahn& l) { l.Q1Modell = 0; }, {{15, 37}}},
    {"Q1Model1WithoutProjectFields", [](Laufbahn& l) { l.Q1Modell = 1; }, {{5, 6}, {6, 46}, {15, 41}}},
    {"NoAlternativeProjectCourseIsSeven", [](Laufbahn& l) { l.AlternativPK = leer; }, {{5, 62}}},
    {"NoDeepDiveInQ22IgnoresVK3", [](Laufbahn& l) { l.VKQ22 = 0; }, {{6, 64}, {14, 57}}},
    {"LkABeforeLkBClearsOrderBit",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosFS1] = 1;
       l.AbiWahl[AbiPosNW1] = 2;
     },
     {{6, 22}}},
    // LK A at positions 1 and 5: the last one (5) stands after LK B (2).
    {"LastLkACounts", [](Laufbahn& l) { l.AbiWahl[AbiPosDe] = 1; }, {{12, 44}}},
    // LK B at positions 2 and 9: the last one (9) stands after LK A (5).
    {"LastLkBCounts", [](Laufbahn& l) { l.AbiWahl[AbiPosKM] = 2; }, {{6, 22}, {11, 40}}},
    {"MissingLkACountsAsPositionZero", [](Laufbahn& l) { l.AbiWahl[AbiPosNW1] = 0; }, {{6, 22}, {8, 60}}},
    {"MissingLkBCountsAsPositionZero", [](Laufbahn& l) { l.AbiWahl[AbiPosFS1] = 0; }, {{7, 36}}},
    {"NoLkAtAllSetsOrderBit",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosFS1] = 0;
       l.AbiWahl[AbiPosNW1] = 0;
     },
     {{7, 36}, {8, 60}}},
    // The written flags of German and mathematics are counted as set although they are 0.
    {"GermanFourthMathematicsThird",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosMa] = 3;
       l.AbiWahl[AbiPosDe] = 4;
     },
     {{12, 62}}},
    {"RolesOfSportReligionAndArts",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosSp] = 3;
       l.AbiWahl[AbiPosEt] = 4;
       l.AbiWahl[AbiPosKM] = 3;
     },
     {{7, 53}, {11, 51}}},
    {"FlagsCountOnlyWhenExactlyOne",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 2;
       l.Schriftlich[Wa2] = 2;
       l.Schriftlich[VK1] = 0;
       l.SchwerpunktFS = 2;
       l.VKQ22 = 2;
       l.AbwahlEF = 2;
       l.ErsatzfachAktiv = 2;
     },
     {{6, 64}, {8, 57}, {9, 6}, {10, 4}, {14, 33}}},
    {"LiteratureBit0", [](Laufbahn& l) { l.LitWahl = 1; }, {{14, 31}}},
    {"LiteratureBothBits", [](Laufbahn& l) { l.LitWahl = 3; }, {{14, 63}}},
    {"BothLowerSecondaryLanguages", [](Laufbahn& l) { l.ZweiteFSSek1 = 3; }, {{15, 49}}},
    {"DeselectionsGiveEleven",
     [](Laufbahn& l) {
       l.AbwahlWa1 = 3;
       l.AbwahlEt = 2;
       l.AbwahlKM = 0;
     },
     {{13, 11}}},
    {"ReplacementRangeGivesTwentyNine",
     [](Laufbahn& l) {
       l.ErsatzfachVon = 1;
       l.ErsatzfachBis = 4;
     },
     {{16, 29}}},
    {"NoFurtherReplacementWithNewItalian",
     [](Laufbahn& l) {
       l.Fach[Sp] = leer;
       l.Fach[FS1] = I0;
     },
     {{1, 87}}},
    {"EmptyElectiveRowsAreFourteen",
     [](Laufbahn& l) {
       l.Fach[Wa1] = leer;
       l.Fach[Wa2] = leer;
       l.Fach[VK1] = leer;
     },
     {{2, 87}, {3, 85}, {4, 86}}},
    {"EmptyProjectCourseIsSeven", [](Laufbahn& l) { l.Fach[PK] = leer; }, {{6, 74}}},
    {"EarlierEditionAndEmptyRowsAreZero",
     [](Laufbahn& l) {
       l.Fach[FS1] = F6;
       l.Fach[Et] = leer;
     },
     {{1, 66}, {5, 28}}},
};

class BarCodeWerte : public ::testing::TestWithParam<WerteFall> {};

TEST_P(BarCodeWerte, EveryPositionOfThePlan) {
  const WerteFall& fall = GetParam();
  Laufbahn l = Basisplan();
  fall.plan(l);
  std::map<int, int> erwartet = kBasiswerte;
  for (const auto& [position, wert] : fall.geaendert) {
    erwartet[position] = wert;
  }
  const BarCodeWerteTyp werte = BarCodeWerteSetzen(l);
  std::map<int, int> ist;
  for (int i = 1; i <= 27; ++i) {
    ist[i] = werte[static_cast<std::size_t>(i)];
  }
  EXPECT_EQ(ist, erwartet);
  // Every printed value is a symbol of code set B.
  const BarCodeWerteTyp ersetzt = BarCodeWerteErsetzt(werte);
  for (int i = 1; i <= 27; ++i) {
    EXPECT_GE(ersetzt[static_cast<std::size_t>(i)], 0) << "position " << i;
    EXPECT_LE(ersetzt[static_cast<std::size_t>(i)], 94) << "position " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(BarCode, BarCodeWerte, ::testing::ValuesIn(kWerteFaelle), FallName<WerteFall>);

// ---------------------------------------------------------------------------------------
// Names: five characters each, padded with "*", code − 32; then the name substitutions.

struct NamenFall {
  const char* name;
  const char* nachname;
  const char* vorname;
  std::vector<int> vorher;    // positions 17..26 before substitution
  std::vector<int> gedruckt;  // the same positions as printed
};

const NamenFall kNamenFaelle[] = {
    {"ShortNameWithUmlautPadded",
     "Öz",
     "Li",
     {182, 90, 10, 10, 10, 44, 73, 10, 10, 10},
     {21, 90, 10, 10, 10, 44, 73, 10, 10, 10}},
    // Cut after the fifth character, an umlaut counting as one.
    {"LongNamesCutAfterFive",
     "Schneider",
     "Jürgens",
     {51, 67, 72, 78, 69, 42, 220, 82, 71, 69},
     {51, 67, 72, 78, 69, 42, 25, 82, 71, 69}},
    {"UmlautsAndSharpS",
     "Größe",
     "Ülkä",
     {39, 82, 214, 191, 69, 188, 76, 75, 196, 10},
     {39, 82, 24, 26, 69, 22, 76, 75, 23, 10}},
    {"CapitalAUmlaut",
     "Ärmel",
     "Bo",
     {164, 82, 77, 69, 76, 34, 79, 10, 10, 10},
     {20, 82, 77, 69, 76, 34, 79, 10, 10, 10}},
    {"AcuteAndGraveAccents",
     "áéíóú",
     "àèìòù",
     {193, 201, 205, 211, 218, 192, 200, 204, 210, 217},
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}},
    {"HyphenBlankAndEmpty",
     "Le-Ba",
     "",
     {44, 69, 13, 34, 65, 10, 10, 10, 10, 10},
     {44, 69, 13, 34, 65, 10, 10, 10, 10, 10}},
    {"BlankInsideFirstName",
     "Ng",
     "A B",
     {46, 71, 10, 10, 10, 33, 0, 34, 10, 10},
     {46, 71, 10, 10, 10, 33, 0, 34, 10, 10}},
};

class BarCodeNamen : public ::testing::TestWithParam<NamenFall> {};

TEST_P(BarCodeNamen, FiveCharactersEachAndTheirSubstitutes) {
  const NamenFall& fall = GetParam();
  Laufbahn l = Basisplan();
  l.Nachname = fall.nachname;
  l.Vorname = fall.vorname;
  const BarCodeWerteTyp werte = BarCodeWerteSetzen(l);
  EXPECT_EQ(Positionen(werte, 17, 26), fall.vorher);
  EXPECT_EQ(Positionen(BarCodeWerteErsetzt(werte), 17, 26), fall.gedruckt);
  EXPECT_EQ(werte[27], 34);
}

INSTANTIATE_TEST_SUITE_P(BarCode, BarCodeNamen, ::testing::ValuesIn(kNamenFaelle), FallName<NamenFall>);

// The numbers above the barcode are the values before substitution.
TEST(BarCode, NumbersListValuesBeforeSubstitution) {
  Laufbahn l = Basisplan();
  l.AbwahlWa1 = 3;
  l.AbwahlEt = 2;
  l.AbwahlKM = 0;
  l.ErsatzfachVon = 1;
  l.ErsatzfachBis = 4;
  l.Nachname = "Öz";
  const BarCodeWerteTyp werte = BarCodeWerteSetzen(l);
  EXPECT_EQ(BarCodeZahlen(werte),
            "68, 33, 73, 50, 30, 66, 37, 61, 38, 36, 32, 36, 11, 59, 33, 29, 182, 90, 10, 10, 10, 44, 73, 10, 10, 10, "
            "34");
  const BarCodeWerteTyp ersetzt = BarCodeWerteErsetzt(werte);
  EXPECT_EQ(Positionen(ersetzt, 13, 17), (std::vector<int>{93, 59, 33, 92, 21}));
}

// ---------------------------------------------------------------------------------------
// The two substitution tables.

TEST(BarCode, PlanValueSubstitution) {
  const std::vector<std::pair<int, int>> faelle = {{29, 92}, {11, 93}, {64, 94},  {0, 0},   {10, 10},
                                                   {28, 28}, {30, 30}, {63, 63},  {87, 87}, {92, 92},
                                                   {93, 93}, {94, 94}, {182, 182}};
  for (const auto& [wert, gedruckt] : faelle) {
    EXPECT_EQ(PlanwertErsetzen(wert), gedruckt) << "value " << wert;
  }
}

TEST(BarCode, NameValueSubstitution) {
  const std::vector<std::pair<int, int>> faelle = {
      {193, 1},
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
      {64, 94},
      // not in the table, substituted values included: nothing is substituted twice
      {29, 29},
      {11, 11},
      {0, 0},
      {10, 10},
      {13, 13},
      {21, 21},
      {26, 26},
      {34, 34},
      {90, 90},
      {94, 94},
      {209, 209}};
  for (const auto& [wert, gedruckt] : faelle) {
    EXPECT_EQ(NamenswertErsetzen(wert), gedruckt) << "value " << wert;
  }
}

// Positions 1..16 use the plan table, 17..27 the name table.
TEST(BarCode, SubstitutionTableFollowsPosition) {
  BarCodeWerteTyp werte{};
  werte[1] = 29;
  werte[2] = 182;
  werte[15] = 11;
  werte[16] = 64;
  werte[17] = 29;
  werte[18] = 182;
  werte[21] = 11;
  werte[26] = 64;
  werte[27] = 34;
  BarCodeWerteTyp erwartet{};
  erwartet[1] = 92;
  erwartet[2] = 182;
  erwartet[15] = 93;
  erwartet[16] = 94;
  erwartet[17] = 29;
  erwartet[18] = 21;
  erwartet[21] = 11;
  erwartet[26] = 94;
  erwartet[27] = 34;
  EXPECT_EQ(BarCodeWerteErsetzt(werte), erwartet);
}

// ---------------------------------------------------------------------------------------
// The check symbol and the characters.

// Plan position 13 = 11 (printed 93), name position 17 = 182 ("Ö", printed 21), marker 34.
BarCodeWerteTyp Pruefbeispiel() {
  BarCodeWerteTyp werte{};
  werte[13] = 11;
  werte[17] = 182;
  werte[27] = 34;
  return werte;
}

TEST(BarCode, CheckSymbolUsesPrintedValues) {
  const BarCodeWerteTyp ersetzt = BarCodeWerteErsetzt(Pruefbeispiel());
  // 104 + 13 × 93 + 17 × 21 + 27 × 34 = 2588 = 25 × 103 + 13; the values before
  // substitution would give 4259 mod 103 = 36.
  EXPECT_EQ(BarCodePruefzeichen(ersetzt), 13);
  // Only the start symbol: 104 mod 103.
  EXPECT_EQ(BarCodePruefzeichen(BarCodeWerteTyp{}), 1);
  EXPECT_EQ(BarCodeText(ersetzt), std::string(12, ' ') + "}" + std::string(3, ' ') + "5" + std::string(9, ' ') + "B");
}

// ---------------------------------------------------------------------------------------
// Code 128 patterns and bars.

TEST(Code128, PatternsOfTheStandard) {
  const auto& muster = Code128Muster();
  const std::vector<std::pair<int, std::string>> bekannt = {
      {0, "11011001100"},   {1, "11001101100"},   {34, "10001011000"},   {62, "11110001010"},
      {92, "10101111000"},  {93, "10100011110"},  {94, "10001011110"},   {103, "11010000100"},
      {104, "11010010000"}, {105, "11010011100"}, {106, "1100011101011"}};
  for (const auto& [wert, text] : bekannt) {
    EXPECT_EQ(muster[static_cast<std::size_t>(wert)], text) << "value " << wert;
  }
  // Every symbol: 11 modules, bar first, space last, three bars of an even total width,
  // all different.
  std::set<std::string> verschieden;
  for (std::size_t wert = 0; wert < 106; ++wert) {
    const std::string& m = muster[wert];
    SCOPED_TRACE("value " + std::to_string(wert));
    ASSERT_EQ(m.size(), 11u);
    EXPECT_EQ(m.front(), '1');
    EXPECT_EQ(m.back(), '0');
    int balken = 0;
    int module = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
      if (m[i] == '1') {
        ++module;
        if (i == 0 || m[i - 1] == '0') {
          ++balken;
        }
      }
    }
    EXPECT_EQ(balken, 3);
    EXPECT_EQ(module % 2, 0);
    verschieden.insert(m);
  }
  EXPECT_EQ(verschieden.size(), 106u);
}

TEST(Code128, BarsOfSymbols) {
  using Balken = std::array<std::pair<int, int>, 3>;
  const auto& balken = Code128Einlesen();
  const std::vector<std::pair<int, Balken>> faelle = {
      {0, {{{1, 2}, {4, 5}, {8, 9}}}},
      {34, {{{1, 1}, {5, 5}, {7, 8}}}},
      {62, {{{1, 4}, {8, 8}, {10, 10}}}},
      {104, {{{1, 2}, {4, 4}, {7, 7}}}},
      // The stop pattern yields its first three bars only ...
      {106, {{{1, 2}, {6, 8}, {10, 10}}}},
      // ... and entry 107 is its final bar, drawn one symbol further.
      {107, {{{1, 2}, {1, 2}, {1, 2}}}},
  };
  for (const auto& [wert, erwartet] : faelle) {
    EXPECT_EQ(balken[static_cast<std::size_t>(wert)].balken, erwartet) << "value " << wert;
  }
}

// ---------------------------------------------------------------------------------------
// Drawing.

using Aufrufe = std::vector<ui::RecordingPrinter::Aufruf>;

// The three rectangles of the symbol at position p (each symbol: black, three bars, white).
std::vector<std::array<int, 4>> Symbolbalken(const Aufrufe& aufrufe, int p) {
  std::vector<std::array<int, 4>> balken;
  for (std::size_t i = 1; i <= 3; ++i) {
    const ui::Rechteck& r = aufrufe[static_cast<std::size_t>(5 * p) + i].ort;
    balken.push_back({r.links, r.oben, r.rechts, r.unten});
  }
  return balken;
}

// A page width of 5250 pixels: u = 262.5, module width 10.5, so that bar edges fall on
// halves: x0 = 840, top = Round(6982.5) = 6982, bottom = 7350.
TEST(BarCodeDrucken, BarEdgesRoundHalvesToEven) {
  ui::RecordingPrinter drucker(5250);
  BarCodeDrucken(drucker, BarCodeWerteSetzen(Basisplan()));
  const Aufrufe& aufrufe = drucker.aufrufe();
  ASSERT_EQ(aufrufe.size(), 31u * 5u);
  // Start B at position 0: modules 1..2, 4..4, 7..7 → 10.5 → 10, 31.5 → 32, 42, 52.5 → 52,
  // 73.5 → 74, 84.
  EXPECT_EQ(Symbolbalken(aufrufe, 0),
            (std::vector<std::array<int, 4>>{{850, 6982, 872, 7350}, {882, 6982, 892, 7350}, {914, 6982, 924, 7350}}));
  // The format marker 34 at position 27: modules 298..299, 302..303, 304..306 →
  // 3129, 3139.5 → 3140, 3171, 3181.5 → 3182, 3192, 3213.
  EXPECT_EQ(
      Symbolbalken(aufrufe, 27),
      (std::vector<std::array<int, 4>>{{3969, 6982, 3980, 7350}, {4011, 6982, 4022, 7350}, {4032, 6982, 4053, 7350}}));
  int links = aufrufe[1].ort.links;
  int rechts = 0;
  for (const auto& a : aufrufe) {
    if (a.art == "fill") {
      links = std::min(links, a.ort.links);
      rechts = std::max(rechts, a.ort.rechts);
    }
  }
  // x0 + Round(1 × 10.5) and x0 + Round(333 × 10.5) = 840 + Round(3496.5).
  EXPECT_EQ(links, 850);
  EXPECT_EQ(rechts, 4336);
}

// Each of the 31 symbols (start, 27 values, check, stop, final bar) is three black bars,
// and the fill colour is white again after each.
TEST(BarCodeDrucken, BlackBarsThenWhitePerSymbol) {
  ui::RecordingPrinter drucker(4000);
  BarCodeDrucken(drucker, BarCodeWerteSetzen(Basisplan()));
  const Aufrufe& aufrufe = drucker.aufrufe();
  ASSERT_EQ(aufrufe.size(), 31u * 5u);
  for (std::size_t p = 0; p < 31; ++p) {
    SCOPED_TRACE("position " + std::to_string(p));
    const auto* a = &aufrufe[5 * p];
    EXPECT_EQ(a[0].art, "color");
    EXPECT_EQ(a[0].farbe, ui::farben::Schwarz);
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(a[i].art, "fill");
      EXPECT_EQ(a[i].farbe, ui::farben::Schwarz);
    }
    EXPECT_EQ(a[4].art, "color");
    EXPECT_EQ(a[4].farbe, ui::farben::Weiss);
  }
}

// Reads the drawn symbols back (page width 5000: u = 250, module width 10, x0 = 800) and
// compares them with start, printed values, check symbol, stop and final bar.
TEST(BarCodeDrucken, DrawsPrintedValuesCheckAndStop) {
  ui::RecordingPrinter drucker(5000);
  const BarCodeWerteTyp gedruckt = BarCodeDrucken(drucker, Pruefbeispiel());
  const Aufrufe& aufrufe = drucker.aufrufe();
  ASSERT_EQ(aufrufe.size(), 31u * 5u);
  const auto& tabelle = Code128Einlesen();
  std::vector<int> gelesen;
  for (int p = 0; p < 31; ++p) {
    Code128Balken symbol;
    for (std::size_t i = 0; i < 3; ++i) {
      const ui::Rechteck& r = aufrufe[static_cast<std::size_t>(5 * p) + 1 + i].ort;
      EXPECT_EQ(r.oben, 6650);
      EXPECT_EQ(r.unten, 7000);
      symbol.balken[i] = {(r.links - 800) / 10 - 11 * p, (r.rechts - 800) / 10 - 11 * p - 1};
    }
    int wert = -1;
    for (std::size_t v = 0; v < tabelle.size(); ++v) {
      if (tabelle[v].balken == symbol.balken) {
        wert = static_cast<int>(v);
      }
    }
    gelesen.push_back(wert);
  }
  std::vector<int> erwartet(31, 0);
  erwartet[0] = 104;
  erwartet[13] = 93;
  erwartet[17] = 21;
  erwartet[27] = 34;
  erwartet[28] = 13;
  erwartet[29] = 106;
  erwartet[30] = 107;
  EXPECT_EQ(gelesen, erwartet);
  EXPECT_EQ(gedruckt, BarCodeWerteErsetzt(Pruefbeispiel()));
}

}  // namespace
}  // namespace kelvaro
