#include "grades/Notenauswertung.h"
#include "grades/Notenbuecher.h"
#include "support/Faelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

using test::Alle;
using test::Bio, test::Ch, test::De, test::En, test::Ge, test::Ku, test::Ma, test::PK, test::Rel, test::Sp;
using test::Buch;
using test::Grundkurse;
using test::Kurs;
using test::Q;
using test::Status;
using test::X;

// The grade table of the regulation: grade and the range of total points that gives it.
struct Tabellenzeile {
  double note;
  int von;
  int bis;
};
constexpr Tabellenzeile Notentabelle[] = {
    {1.0, 823, 900}, {1.1, 805, 822}, {1.2, 787, 804}, {1.3, 769, 786}, {1.4, 751, 768}, {1.5, 733, 750},
    {1.6, 715, 732}, {1.7, 697, 714}, {1.8, 679, 696}, {1.9, 661, 678}, {2.0, 643, 660}, {2.1, 625, 642},
    {2.2, 607, 624}, {2.3, 589, 606}, {2.4, 571, 588}, {2.5, 553, 570}, {2.6, 535, 552}, {2.7, 517, 534},
    {2.8, 499, 516}, {2.9, 481, 498}, {3.0, 463, 480}, {3.1, 445, 462}, {3.2, 427, 444}, {3.3, 409, 426},
    {3.4, 391, 408}, {3.5, 373, 390}, {3.6, 355, 372}, {3.7, 337, 354}, {3.8, 319, 336}, {3.9, 301, 318},
    {4.0, 300, 300},
};

TEST(AbiNote, EveryTotalFrom300To900GivesTheGradeOfTheTable) {
  for (int gesamt = 300; gesamt <= 900; ++gesamt) {
    const auto zeile = std::find_if(std::begin(Notentabelle), std::end(Notentabelle),
                                    [gesamt](const Tabellenzeile& z) { return z.von <= gesamt && gesamt <= z.bis; });
    ASSERT_NE(zeile, std::end(Notentabelle)) << gesamt;
    EXPECT_DOUBLE_EQ(AbiNote(gesamt), zeile->note) << "total " << gesamt;
  }
}

TEST(Vornote, BlockOneAloneGivesItsGrade) {
  const std::pair<int, double> faelle[] = {{600, 1.0}, {560, 1.0}, {548, 1.1}, {547, 1.1},
                                           {400, 2.3}, {200, 4.0}, {199, 4.0}, {188, 4.1}};
  for (const auto& [block1, note] : faelle) {
    EXPECT_DOUBLE_EQ(Vornote(block1), note) << block1;
  }
}

TEST(PunkteBlock1, FortyTimesTheMeanRoundedHalfUp) {
  struct Fall {
    int punkte, wertungskurse, block1;
  };
  const Fall faelle[] = {
      {430, 43, 400},  // whole
      {603, 48, 503},  // 502.5: the integer part would under-count
      {451, 45, 401},  // 400.89
      {446, 45, 396},  // 396.44
      {239, 48, 199},  // 199.17: not admitted
      {720, 48, 600},  // every point 15
      {0, 16, 0},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(PunkteBlock1Aus(f.punkte, f.wertungskurse), f.block1) << f.punkte << "/" << f.wertungskurse;
  }
}

TEST(Sortiere, SortsTheFourSemestersAndNeverSwapsEqualPoints) {
  const Notenbuch buch = Buch({{"Kunst", 500, Gk, {10, 10, 9, 10}}, {"Musik", 500, Gk, {12, 8, 11, 9}}});
  SortierFeldArrayTyp feld;
  Sortiere(buch, 1, feld);
  EXPECT_EQ((std::array{feld[1].Stelle, feld[2].Stelle, feld[3].Stelle, feld[4].Stelle}), (std::array{3, 2, 1, 4}));
  Sortiere(buch, 2, feld);
  EXPECT_EQ((std::array{feld[1].Note, feld[2].Note, feld[3].Note, feld[4].Note}), (std::array{8, 9, 11, 12}));
  EXPECT_EQ((std::array{feld[1].Stelle, feld[2].Stelle, feld[3].Stelle, feld[4].Stelle}), (std::array{2, 4, 3, 1}));
}

// --- Block I on the basic grade book -------------------------------------------------------

using Aenderung = std::function<void(std::vector<Kurs>&)>;

struct BlockFall {
  std::string name;
  Aenderung aendern;
  int gewerteteGKs;
  int punkteBlock1;
  int maxDefizite;
  int defiziteGewertet;
  int nullPunkte;
  int zuVieleDefizite;
  int zulassung;
};

class BlockEins : public ::testing::TestWithParam<BlockFall> {};

TEST_P(BlockEins, CountsAdmissionAndDeficits) {
  const BlockFall& f = GetParam();
  std::vector<Kurs> kurse = Grundkurse();
  f.aendern(kurse);
  const Notenergebnis e = AuswertungEinlesen(Buch(kurse));
  EXPECT_EQ(e.GewerteteGKs, f.gewerteteGKs);
  EXPECT_EQ(e.PunkteBlock1, f.punkteBlock1);
  EXPECT_EQ(e.MaxDefizite, f.maxDefizite);
  EXPECT_EQ(e.DefiziteGewertet, f.defiziteGewertet);
  EXPECT_EQ(e.NullPunkteKurse, f.nullPunkte);
  EXPECT_EQ(e.ZuVieleDefizite, f.zuVieleDefizite);
  EXPECT_EQ(e.ZulassungBestanden, f.zulassung);
}

INSTANTIATE_TEST_SUITE_P(
    Grundbuch, BlockEins,
    ::testing::Values(
        // Every point 10: every count gives 400, the smallest count wins.
        BlockFall{"AllTen", [](std::vector<Kurs>&) {}, 27, 400, 7, 0, 0, 0, 1},
        // Eight deficits in the compulsory courses: allowed from 30 counted semesters on.
        BlockFall{"EightDeficitsWithThirtyCounted",
                  [](std::vector<Kurs>& k) {
                    k[De - 1].q = Alle(4);
                    k[Ma - 1].q = Alle(4);
                  },
                  30, 358, 8, 8, 0, 0, 1},
        // With only 29 semesters available the eighth deficit is one too many.
        BlockFall{"EightDeficitsWithTwentyNineAvailable",
                  [](std::vector<Kurs>& k) {
                    k[De - 1].q = Alle(4);
                    k[Ma - 1].q = Alle(4);
                    k[Ku - 1].q = {10, 10, 10, X};
                  },
                  27, 355, 7, 8, 0, 1, 0},
        BlockFall{"FourAdvancedCourseDeficits", [](std::vector<Kurs>& k) { k[En - 1].q = Alle(4); }, 27, 355, 7, 4, 0,
                  0, 0},
        // Below a mean of 10 every further semester of 10 raises block I: all 30 count.
        BlockFall{"ThreeAdvancedCourseDeficits",
                  [](std::vector<Kurs>& k) {
                    k[En - 1].q = {4, 4, 4, 10};
                  },
                  30, 369, 8, 3, 0, 0, 1},
        BlockFall{"ZeroInACompulsorySemester", [](std::vector<Kurs>& k) { k[De - 1].q[0] = 0; }, 27, 391, 7, 1, 1, 0,
                  0},
        // A dropped sport semester must stay on the certificate: its zero still counts.
        BlockFall{"ZeroInADroppedSportSemester", [](std::vector<Kurs>& k) { k[Sp - 1].q[0] = 0; }, 27, 400, 7, 0, 1, 0,
                  0},
        // A dropped art semester need not appear: its zero does not matter.
        BlockFall{"ZeroInAVoluntarySemester", [](std::vector<Kurs>& k) { k[Ku - 1].q[0] = 0; }, 27, 400, 7, 0, 0, 0, 1},
        BlockFall{"ExactlyTwoHundred", [](std::vector<Kurs>& k) { k = Grundkurse(5); }, 27, 200, 7, 0, 0, 0, 1},
        BlockFall{"JustBelowTwoHundred",
                  [](std::vector<Kurs>& k) {
                    k = Grundkurse(5);
                    k[De - 1].q[0] = 4;
                  },
                  27, 199, 7, 1, 0, 0, 0}),
    test::FallName<BlockFall>);

TEST(BlockEins, StatusesOfTheBestCountAndTheTallies) {
  const Notenergebnis e = AuswertungEinlesen(Buch(Grundkurse()));
  // The three lowest candidates in the exchange sort's order are dropped: chemistry's Q1
  // semesters (part of the science focus) and the first sport semester stay on the certificate.
  EXPECT_EQ(Q(e.KursZaehlart, En), Status(LK, LK, LK, LK));
  EXPECT_EQ(Q(e.KursZaehlart, Ch), Status(Belegt, Belegt, Pflicht, Pflicht));
  EXPECT_EQ(Q(e.KursZaehlart, Sp), Status(Belegt, WahlFa, WahlFa, WahlFa));
  EXPECT_EQ(Q(e.KursZaehlart, Ku), Status(WahlFa, WahlFa, Pflicht, Pflicht));
  EXPECT_EQ(Q(e.KursZaehlart, PK)[0], WahlFa);
  EXPECT_EQ(e.Pflichtkurse, 18);
  EXPECT_EQ(e.GewerteteWahlkurse, 9);
  EXPECT_EQ(e.NichtGewerteteKurse, 3);
  EXPECT_EQ(e.FreiwilligeKurse, 0);
  EXPECT_EQ(e.BelegteKurse, 38);
  EXPECT_EQ(e.PunkteGK, 270);
  EXPECT_EQ(e.PunkteLK, 160);
  EXPECT_DOUBLE_EQ(e.DurchschnittBlock1, 10.0);
  EXPECT_DOUBLE_EQ(e.Durchschnitt[En], 10.0);
  EXPECT_DOUBLE_EQ(e.Durchschnitt[De], 10.0);
  EXPECT_DOUBLE_EQ(e.Durchschnitt[Ma], 0.0);  // the oral subject has no mean
}

TEST(BlockEins, RoundedHalfUpAndTheGradeFollows) {
  // German 13 once, everything else 10: 400 + 120 / (n + 16) for every count, 402.8 at best.
  std::vector<Kurs> kurse = Grundkurse();
  kurse[De - 1].q[0] = 13;
  for (int p : {En, Bio, De, Ma}) {
    kurse[static_cast<std::size_t>(p - 1)].abi = 12;
  }
  const Notenergebnis e = AbiturnoteBerechnen(Buch(kurse));
  EXPECT_EQ(e.PunkteBlock1, 403);  // not 402
  EXPECT_EQ(e.Gesamtpunkte, 643);
  EXPECT_DOUBLE_EQ(e.AbiNote, 2.0);  // 642 would give 2.1
  EXPECT_DOUBLE_EQ(e.Vornote, 2.3);
}

TEST(BlockEins, ASemesterNotTakenNeverCounts) {
  // History as elective dropped after Q1.1: its "two best semesters" are one taken semester.
  std::vector<Kurs> kurse = Grundkurse();
  kurse[Ge - 1].name = "Sozialwiss.";
  kurse.push_back({"Geschichte", 300, Gk, {10, X, X, X}});
  const Notenergebnis e = AuswertungEinlesen(Buch(kurse));
  EXPECT_EQ(Q(e.KursZaehlart, 11), Status(Pflicht, nichtbelegt, nichtbelegt, nichtbelegt));
  EXPECT_EQ(e.Pflichtkurse, 19);
  EXPECT_EQ(e.DefiziteGewertet, 0);
  EXPECT_EQ(e.PunkteBlock1, 400);
}

// --- Project course ---------------------------------------------------------------------

struct ProjektFall {
  std::string name;
  Aenderung aendern;
  int wertungszahl;
  std::array<int, 4> projekt;
  std::array<int, 4> sport;
};

class Projektkurs : public ::testing::TestWithParam<ProjektFall> {};

TEST_P(Projektkurs, BothSemestersCountOrNeither) {
  const ProjektFall& f = GetParam();
  std::vector<Kurs> kurse = Grundkurse();
  kurse[Ku - 1].q = Alle(12);
  kurse[Rel - 1].q = Alle(12);
  f.aendern(kurse);
  const Notenergebnis e = AuswertungEinlesen(Buch(kurse), f.wertungszahl);
  EXPECT_EQ(Q(e.KursZaehlart, PK), f.projekt);
  EXPECT_EQ(Q(e.KursZaehlart, Sp), f.sport);
  EXPECT_EQ(e.GewerteteGKs, f.wertungszahl);
  EXPECT_EQ(e.NichtGewerteteKurse, 46 - f.wertungszahl - 16);
}

INSTANTIATE_TEST_SUITE_P(
    Grundbuch, Projektkurs,
    ::testing::Values(
        // Project 9 and 9, best dropped other 7, weakest counted other 10: 18 > 17, both count.
        ProjektFall{"PairBeatsTheAlternative",
                    [](std::vector<Kurs>& k) {
                      k[PK - 1].q = {9, 9, X, X};
                      k[Sp - 1].q[0] = 7;
                    },
                    28, Status(WahlFa, WahlFa, nichtbelegt, nichtbelegt), Status(Belegt, Belegt, WahlFa, WahlFa)},
        // The best dropped other has 9: 19 > 18, both project semesters give way to it.
        ProjektFall{"AlternativeBeatsThePair",
                    [](std::vector<Kurs>& k) {
                      k[PK - 1].q = {9, 9, X, X};
                      k[Sp - 1].q[0] = 9;
                    },
                    28, Status(Freiw, Freiw, nichtbelegt, nichtbelegt), Status(WahlFa, WahlFa, WahlFa, WahlFa)},
        // Seven deficits count already (the maximum for 28): the pair of 4s would add one.
        ProjektFall{"PairWouldExceedTheDeficits",
                    [](std::vector<Kurs>& k) {
                      k[PK - 1].q = {4, 4, X, X};
                      k[De - 1].q = Alle(4);
                      k[Ma - 1].q = {4, 4, 10, 10};
                      k[Sp - 1].q[0] = 1;
                      k[Sp - 1].q[1] = 6;
                    },
                    28, Status(Freiw, Freiw, nichtbelegt, nichtbelegt), Status(WahlFa, WahlFa, WahlFa, WahlFa)},
        // The pair is the lowest and one semester must go: both count, the next one gives way.
        ProjektFall{"PairAtTheBottom",
                    [](std::vector<Kurs>& k) {
                      k[PK - 1].q = {5, 5, X, X};
                      k[Ch - 1].q = {11, 11, 10, 10};
                      k[Sp - 1].q = {12, 12, 12, 12};
                    },
                    29, Status(WahlFa, WahlFa, nichtbelegt, nichtbelegt), Status(WahlFa, WahlFa, WahlFa, WahlFa)}),
    test::FallName<ProjektFall>);

TEST(Projektkurs, Q11TakesThePointsOfQ12) {
  Laufbahn l;
  l.Q1Modell = 0;
  l.NotenKursZahl = 11;
  l.KursZaehlart[0][10] = Pjku;
  l.Noten[0][10] = 12;
  l.Noten[1][10] = 9;
  EXPECT_TRUE(ProjektkursAngleichen(l));
  EXPECT_EQ(l.Noten[0][10], 9);
  EXPECT_FALSE(ProjektkursAngleichen(l));
  l.Q1Modell = 1;  // no project course
  l.Noten[0][10] = 12;
  EXPECT_FALSE(ProjektkursAngleichen(l));
  EXPECT_EQ(l.Noten[0][10], 12);
  EXPECT_EQ(ProjektkursSpalte(l), 0);
  l.Q1Modell = 2;  // project course beside the continued elective
  EXPECT_EQ(ProjektkursSpalte(l), 11);
}

// --- The alternatives of the rules --------------------------------------------------------

// The Q statuses of some courses in each combination, in the evaluation's order.
std::vector<std::vector<std::array<int, 4>>> Varianten(const Notenbuch& buch, const std::vector<int>& kurse) {
  std::vector<std::vector<std::array<int, 4>>> varianten;
  for (const Kombination& k : Kombinationen(buch)) {
    auto& v = varianten.emplace_back();
    for (int p : kurse) {
      v.push_back(Q(k.KursZaehlart, p));
    }
  }
  return varianten;
}

const auto P4 = Status(Pflicht, Pflicht, Pflicht, Pflicht);
const auto W4 = Status(WahlFa, WahlFa, WahlFa, WahlFa);
const auto Q2P = Status(WahlFa, WahlFa, Pflicht, Pflicht);

// A grade book whose Abitur subjects lie outside languages and sciences.
std::vector<Kurs> OhneAbiturSprachen(std::vector<Kurs> sprachenUndNatur) {
  std::vector<Kurs> kurse = std::move(sprachenUndNatur);
  const std::vector<Kurs> rest = {
      {"Deutsch", 110, LKs, Alle(10), 10},    {"Mathematik", 700, LKs, Alle(10), 10},     {"Sport", 600, Gk, Alle(10)},
      {"Geschichte", 300, Ab3, Alle(10), 10}, {"evan. Religion", 900, Ab4, Alle(10), 10}, {"Kunst", 500, Gk, Alle(10)},
  };
  kurse.insert(kurse.end(), rest.begin(), rest.end());
  return kurse;
}

struct VariantenFall {
  std::string name;
  std::vector<Kurs> kurse;
  std::vector<int> beobachtet;
  std::vector<std::vector<std::array<int, 4>>> varianten;
};

class Alternativen : public ::testing::TestWithParam<VariantenFall> {};

TEST_P(Alternativen, EveryCombinationInOrder) {
  const VariantenFall& f = GetParam();
  EXPECT_EQ(Varianten(Buch(f.kurse), f.beobachtet), f.varianten);
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, Alternativen,
    ::testing::Values(
        // Neither language an Abitur subject: English first or French first; biology four.
        VariantenFall{"LanguageFocusEitherLanguageFirst",
                      OhneAbiturSprachen({{"Englisch (ab 5)", 100, Gk, Alle(10)},
                                          {"Französisch (ab 7)", 100, Gk, Alle(10)},
                                          {"Biologie", 200, Gk, Alle(10)}}),
                      {1, 2, 3},
                      {{P4, Q2P, P4}, {Q2P, P4, P4}}},
        // Two Abitur languages form one pair, both counting four semesters.
        VariantenFall{"TwoAbiturLanguagesOnePair",
                      {{"Englisch (ab 5)", 100, LKs, Alle(10), 10},
                       {"Französisch (ab 7)", 100, Ab3, Alle(10), 10},
                       {"Biologie", 200, Gk, Alle(10)},
                       {"Deutsch", 110, Gk, Alle(10)},
                       {"Mathematik", 700, LKs, Alle(10), 10},
                       {"Sport", 600, Gk, Alle(10)},
                       {"Geschichte", 300, Ab4, Alle(10), 10},
                       {"evan. Religion", 900, Gk, Alle(10)},
                       {"Kunst", 500, Gk, Alle(10)}},
                      {1, 2, 3},
                      {{P4, P4, P4}}},
        // Computer science as first science: the second one counts all four semesters.
        VariantenFall{"ScienceFocusComputerScienceFirst",
                      OhneAbiturSprachen({{"Englisch (ab 5)", 100, Gk, Alle(10)},
                                          {"Informatik", 200, Ab3, Alle(10), 10},
                                          {"Biologie", 200, Gk, Alle(10)}}),
                      {1, 2, 3},
                      {{P4, P4, P4}}},
        VariantenFall{"ScienceFocusBiologyFirst",
                      OhneAbiturSprachen({{"Englisch (ab 5)", 100, Gk, Alle(10)},
                                          {"Biologie", 200, Ab3, Alle(10), 10},
                                          {"Chemie", 200, Gk, Alle(10)}}),
                      {1, 2, 3},
                      {{P4, P4, Q2P}}},
        // Computer science is never the science of a language focus.
        VariantenFall{"NoComputerScienceInALanguageFocus",
                      OhneAbiturSprachen({{"Englisch (ab 5)", 100, Gk, Alle(10)},
                                          {"Französisch (ab 7)", 100, Gk, Alle(10)},
                                          {"Informatik", 200, Gk, Alle(10)},
                                          {"Biologie", 200, Gk, Alle(10)}}),
                      {1, 2, 3, 4},
                      {{P4, Q2P, W4, P4}, {Q2P, P4, W4, P4}, {P4, W4, Q2P, P4}, {W4, P4, Q2P, P4}}},
        // Religion taken four semesters: one social-science alternative per first subject.
        VariantenFall{"WithReligionOneAlternativePerFirstSubject",
                      {{"Englisch (ab 5)", 100, LKs, Alle(10), 10},
                       {"Biologie", 200, LKs, Alle(10), 10},
                       {"Deutsch", 110, Ab3, Alle(10), 10},
                       {"Mathematik", 700, Ab4, Alle(10), 10},
                       {"Sport", 600, Gk, Alle(10)},
                       {"Geschichte", 300, Gk, {12, 8, 11, 9}},
                       {"evan. Religion", 900, Gk, Alle(10)},
                       {"Kunst", 500, Gk, Alle(10)},
                       {"Sozialwiss.", 300, Gk, Alle(10)}},
                      {6, 9},
                      {{P4, Q2P}, {Status(Pflicht, WahlFa, Pflicht, WahlFa), P4}}},
        // Religion dropped after Q1.2 still covers the religion semesters.
        VariantenFall{"ReligionDroppedAfterQ12",
                      {{"Englisch (ab 5)", 100, LKs, Alle(10), 10},
                       {"Biologie", 200, LKs, Alle(10), 10},
                       {"Deutsch", 110, Ab3, Alle(10), 10},
                       {"Mathematik", 700, Ab4, Alle(10), 10},
                       {"Sport", 600, Gk, Alle(10)},
                       {"Geschichte", 300, Gk, Alle(10)},
                       {"evan. Religion", 900, Gk, {10, 10, X, X}},
                       {"Kunst", 500, Gk, Alle(10)}},
                      {6, 7},
                      {{P4, Status(Pflicht, Pflicht, nichtbelegt, nichtbelegt)}}},
        // Philosophy instead of religion: two further social-science semesters through g2.
        VariantenFall{
            "PhilosophyInsteadOfReligion",
            {{"Englisch (ab 5)", 100, LKs, Alle(10), 10},
             {"Biologie", 200, LKs, Alle(10), 10},
             {"Deutsch", 110, Ab3, Alle(10), 10},
             {"Mathematik", 700, Ab4, Alle(10), 10},
             {"Sport", 600, Gk, Alle(10)},
             {"Geschichte", 300, Gk, {12, 8, 11, 9}},
             {"Philosophie", 300, Gk, {9, 12, 8, 11}},
             {"Kunst", 500, Gk, Alle(10)},
             {"Sozialwiss.", 300, Zk, {X, X, 10, 10}},
             {"Erdkunde", 300, Zk, {X, X, 10, 10}}},
            {6, 7, 9, 10},
            {{P4, Status(WahlFa, Pflicht, WahlFa, Pflicht), Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht),
              Status(nichtbelegt, nichtbelegt, WahlFa, WahlFa)},
             {P4, W4, Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht),
              Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht)},
             {P4, P4, Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht),
              Status(nichtbelegt, nichtbelegt, WahlFa, WahlFa)},
             {Status(Pflicht, WahlFa, Pflicht, WahlFa), P4, Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht),
              Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht)}}},
        // Art in Q1 and literature in Q2: the two best semesters of either.
        VariantenFall{
            "ArtInQ1LiteratureInQ2",
            {{"Englisch (ab 5)", 100, LKs, Alle(10), 10},
             {"Biologie", 200, LKs, Alle(10), 10},
             {"Deutsch", 110, Ab3, Alle(10), 10},
             {"Mathematik", 700, Ab4, Alle(10), 10},
             {"Sport", 600, Gk, Alle(10)},
             {"Geschichte", 300, Gk, Alle(10)},
             {"evan. Religion", 900, Gk, Alle(10)},
             {"Kunst", 500, Gk, {10, 10, X, X}},
             {"Literatur", 500, Gk, {X, X, 10, 10}}},
            {8, 9},
            {{Status(Pflicht, Pflicht, nichtbelegt, nichtbelegt), Status(nichtbelegt, nichtbelegt, WahlFa, WahlFa)},
             {Status(WahlFa, WahlFa, nichtbelegt, nichtbelegt), Status(nichtbelegt, nichtbelegt, Pflicht, Pflicht)}}}),
    test::FallName<VariantenFall>);

TEST(Alternativen, FocusFlagsFollowTheCombination) {
  const std::vector<Kombination> k = Kombinationen(Buch(OhneAbiturSprachen({{"Englisch (ab 5)", 100, Gk, Alle(10)},
                                                                            {"Französisch (ab 7)", 100, Gk, Alle(10)},
                                                                            {"Informatik", 200, Gk, Alle(10)},
                                                                            {"Biologie", 200, Gk, Alle(10)}})));
  ASSERT_EQ(k.size(), 4U);
  // English, French and biology form the focus; computer science lies outside it.
  EXPECT_EQ((std::array{k[0].Ungebunden[1], k[0].Ungebunden[2], k[0].Ungebunden[3], k[0].Ungebunden[4]}),
            (std::array<std::uint8_t, 4>{0, 0, 1, 0}));
}

TEST(Alternativen, MoreThanTwentyNineAreAllEvaluated) {
  // Six languages and two sciences, none an Abitur subject: 6 * 5 * 2 language and
  // 2 * 1 * 6 science alternatives.
  std::vector<Kurs> sprachen;
  for (int i = 1; i <= 6; ++i) {
    sprachen.push_back({"Sprache " + std::to_string(i), 100, Gk, Alle(i == 6 ? 15 : 3)});
  }
  sprachen.push_back({"Biologie", 200, Gk, Alle(5)});
  sprachen.push_back({"Chemie", 200, Gk, Alle(5)});
  const Notenbuch buch = Buch(OhneAbiturSprachen(sprachen));
  EXPECT_EQ(Kombinationen(buch).size(), 72U);
  // The best is a science focus with the strong sixth language (alternative 66): no weak
  // language semester must count.
  const Notenergebnis e = AuswertungEinlesen(buch);
  EXPECT_EQ(Q(e.KursZaehlart, 6), P4);
  EXPECT_EQ(Q(e.KursZaehlart, 7), P4);
  for (int sprache = 1; sprache <= 5; ++sprache) {
    EXPECT_EQ(Q(e.KursZaehlart, sprache), Status(Freiw, Freiw, Freiw, Freiw)) << sprache;
  }
  EXPECT_EQ(e.DefiziteGewertet, 0);
  EXPECT_EQ(e.ZulassungBestanden, 1);
}

TEST(Kandidaten, MoreThanTwentyAreAllConsidered) {
  // Sport and seven social-science courses give 24 candidates; the best course comes last.
  std::vector<Kurs> kurse = {
      {"Englisch (ab 5)", 100, LKs, Alle(8), 8}, {"Biologie", 200, LKs, Alle(8), 8}, {"Deutsch", 110, Ab3, Alle(8), 8},
      {"Mathematik", 700, Ab4, Alle(8), 8},      {"Sport", 600, Gk, Alle(5)},        {"Geschichte", 300, Gk, Alle(8)},
  };
  for (int i = 1; i <= 6; ++i) {
    kurse.push_back({"Erdkunde " + std::to_string(i), 300, Gk, Alle(i == 6 ? 15 : 6)});
  }
  const Notenergebnis e = AuswertungEinlesen(Buch(kurse));
  // Every candidate is counted or dropped: 27 count, the other 13 of the 40 do not.
  int gezaehlt = 0;
  for (int p = 1; p <= 12; ++p) {
    for (int status : Q(e.KursZaehlart, p)) {
      gezaehlt += status == Pflicht || status == WahlFa ? 1 : 0;
    }
  }
  EXPECT_EQ(e.GewerteteGKs, 27);
  EXPECT_EQ(gezaehlt, 27);
  EXPECT_EQ(e.NichtGewerteteKurse, 13);
  EXPECT_EQ(Q(e.KursZaehlart, 5), Status(Belegt, Belegt, Belegt, Belegt));
  for (int status : Q(e.KursZaehlart, 12)) {
    EXPECT_TRUE(status == Pflicht || status == WahlFa);
  }
}

// --- Findings and incomplete grade books ------------------------------------------------

struct ListenFall {
  std::string name;
  Aenderung aendern;
  std::vector<std::string> fehler;
  std::vector<std::string> besonderheiten;
};

class Listen : public ::testing::TestWithParam<ListenFall> {};

TEST_P(Listen, ErrorsAndRemarks) {
  const ListenFall& f = GetParam();
  std::vector<Kurs> kurse = Grundkurse();
  f.aendern(kurse);
  const Notenergebnis e = AuswertungEinlesen(Buch(kurse));
  EXPECT_EQ(e.Fehlerliste, f.fehler);
  EXPECT_EQ(e.Besonderheitenliste, f.besonderheiten);
}

INSTANTIATE_TEST_SUITE_P(
    Grundbuch, Listen,
    ::testing::Values(
        ListenFall{"None", [](std::vector<Kurs>&) {}, {}, {}},
        ListenFall{
            "SportMissingInQ22", [](std::vector<Kurs>& k) { k[Sp - 1].q[3] = X; }, {}, {"1 fehlender Sportkurs !"}},
        ListenFall{"SportMissingInQ2",
                   [](std::vector<Kurs>& k) {
                     k[Sp - 1].q[2] = X;
                     k[Sp - 1].q[3] = X;
                   },
                   {},
                   {"2 fehlende Sportkurse !"}},
        ListenFall{
            "NoSport", [](std::vector<Kurs>& k) { k.erase(k.begin() + Sp - 1); }, {}, {"Laufbahn ohne Fach Sport !"}},
        ListenFall{"TwoReligions",
                   [](std::vector<Kurs>& k) {
                     k.push_back({"kath. Religion", 900, Gk, Alle(10)});
                   },
                   {"verschiedene Religionsfächer in der Wertung !", "Fehler beim Fach Religion !"},
                   {}},
        ListenFall{
            "NoMathematics", [](std::vector<Kurs>& k) { k[Ma - 1].gruppe = 0; }, {"Fehler beim Fach Mathematik !"}, {}},
        ListenFall{"TwoGermanCourses",
                   [](std::vector<Kurs>& k) { k[Ku - 1].gruppe = 110; },
                   {"Fehler beim Fach Deutsch !"},
                   {}},
        ListenFall{"NoSocialScienceWithFourSemesters",
                   [](std::vector<Kurs>& k) { k[Ge - 1].q[3] = X; },
                   {"Gesellschaftswissensch. Pflichtbed. nicht abgedeckt !"},
                   {}},
        ListenFall{"NoFocus", [](std::vector<Kurs>& k) { k[Ch - 1].q[3] = X; }, {"Schwerpunkt nicht gebildet !"}, {}}),
    test::FallName<ListenFall>);

struct MangelFall {
  std::string name;
  Aenderung aendern;
  std::vector<std::string> maengel;
  int pruefungBestanden = 0;
};

class Unvollstaendig : public ::testing::TestWithParam<MangelFall> {};

TEST_P(Unvollstaendig, NeitherAdmittedNorPassedAndSaysWhy) {
  const MangelFall& f = GetParam();
  std::vector<Kurs> kurse = Grundkurse(12);
  f.aendern(kurse);
  const Notenergebnis e = AbiturnoteBerechnen(Buch(kurse));
  EXPECT_EQ(e.Maengel, f.maengel);
  EXPECT_EQ(e.ZulassungBestanden, 0);
  EXPECT_EQ(e.PruefungBestanden, f.pruefungBestanden);
  // Every number is defined: the block I of what is there, the grade of the total.
  EXPECT_GT(e.PunkteBlock1, 0);
  EXPECT_EQ(e.Gesamtpunkte, e.PunkteBlock1 + e.PunkteBlock2);
  EXPECT_DOUBLE_EQ(e.AbiNote, AbiNote(e.Gesamtpunkte));
}

INSTANTIATE_TEST_SUITE_P(
    Grundbuch, Unvollstaendig,
    ::testing::Values(MangelFall{"OneAdvancedCourse",
                                 [](std::vector<Kurs>& k) { k[Bio - 1].art = Gk; },
                                 {"Es fehlt ein Leistungskurs: Für das Abitur sind zwei Leistungskurse notwendig."}},
                      MangelFall{
                          "NoAbiturSubjects",
                          [](std::vector<Kurs>& k) {
                            for (Kurs& kurs : k) {
                              kurs.art = kurs.art == Pjku ? Pjku : Gk;
                            }
                          },
                          {"Es fehlen beide Leistungskurse: Für das Abitur sind zwei Leistungskurse notwendig.",
                           "Es fehlt das 3. Abiturfach (schriftlich).", "Es fehlt das 4. Abiturfach (mündlich)."}},
                      MangelFall{"NoFourthSubject",
                                 [](std::vector<Kurs>& k) { k[Ma - 1].art = Gk; },
                                 {"Es fehlt das 4. Abiturfach (mündlich)."}},
                      MangelFall{"TooFewBasicCourseSemesters",
                                 [](std::vector<Kurs>& k) {
                                   k[Ku - 1].q = {12, 12, X, X};
                                   k[Rel - 1].q = {12, 12, X, X};
                                 },
                                 {"Es sind nur 26 Grundkurshalbjahre belegt, mindestens 27 müssen in die Abiturwertung "
                                  "eingehen."},
                                 1}),
    test::FallName<MangelFall>);

TEST(Unvollstaendig, TooFewSemestersCountsWhatThereIs) {
  std::vector<Kurs> kurse = Grundkurse(12);
  kurse[Ku - 1].q = {12, 12, X, X};
  kurse[Rel - 1].q = {12, 12, X, X};
  const Notenergebnis e = AuswertungEinlesen(Buch(kurse));
  EXPECT_EQ(e.GewerteteGKs, 26);
  EXPECT_EQ(e.NichtGewerteteKurse, 0);
  EXPECT_EQ(e.PunkteBlock1, 480);
}

TEST(Unvollstaendig, AnEmptyGradeBook) {
  const Notenergebnis e = AbiturnoteBerechnen(Notenbuch{});
  EXPECT_EQ(e.PunkteBlock1, 0);
  EXPECT_EQ(e.ZulassungBestanden, 0);
  EXPECT_EQ(e.Maengel.size(), 4U);
}

// --- Examinations -----------------------------------------------------------------------

struct PruefungsFall {
  std::string name;
  std::array<int, 4> pruefungen;  // LK 1, LK 2, third, fourth subject
  int block2;
  int gesamt;
  double note;
  int lkBestanden;
  int bestanden;
  int pruefungBestanden;
};

class Pruefungen : public ::testing::TestWithParam<PruefungsFall> {};

TEST_P(Pruefungen, BlockTwoPassAndGrade) {
  const PruefungsFall& f = GetParam();
  std::vector<Kurs> kurse = Grundkurse();
  kurse[En - 1].abi = f.pruefungen[0];
  kurse[Bio - 1].abi = f.pruefungen[1];
  kurse[De - 1].abi = f.pruefungen[2];
  kurse[Ma - 1].abi = f.pruefungen[3];
  const Notenbuch buch = Buch(kurse);
  Notenergebnis e = AuswertungEinlesen(buch);
  e.PunkteBlock1 = 520;
  Bestehensberechnung(buch, e);
  EXPECT_EQ(e.PunkteBlock2, f.block2);
  EXPECT_EQ(e.Gesamtpunkte, f.gesamt);
  EXPECT_DOUBLE_EQ(e.AbiNote, f.note);
  EXPECT_EQ(e.LKPruefungenBestanden, f.lkBestanden);
  EXPECT_EQ(e.PruefungenBestanden, f.bestanden);
  EXPECT_EQ(e.PruefungBestanden, f.pruefungBestanden);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Pruefungen,
                         ::testing::Values(PruefungsFall{"Passed", {12, 11, 10, 9}, 210, 730, 1.6, 2, 4, 1},
                                           PruefungsFall{
                                               "NoAdvancedCourseExam", {4, 4, 15, 15}, 190, 710, 1.7, 0, 2, 0},
                                           PruefungsFall{"JustEnough", {5, 0, 0, 15}, 100, 620, 2.2, 1, 2, 1},
                                           PruefungsFall{"TooFewPoints", {5, 4, 4, 4}, 85, 605, 2.3, 1, 1, 0},
                                           PruefungsFall{"BestGrade", {15, 15, 15, 15}, 300, 820, 1.1, 2, 4, 1}),
                         test::FallName<PruefungsFall>);

struct AbweichungsFall {
  std::string name;
  std::array<int, 4> englisch;
  int pruefung;
  int abweichungen;
  std::string faecher;
};

class Abweichungen : public ::testing::TestWithParam<AbweichungsFall> {};

TEST_P(Abweichungen, WrittenExamsFarFromTheSemesterMean) {
  const AbweichungsFall& f = GetParam();
  std::vector<Kurs> kurse = Grundkurse();
  kurse[En - 1].q = f.englisch;
  kurse[En - 1].abi = f.pruefung;
  kurse[Ma - 1].abi = 0;  // the oral exam has no deviation test
  Notenergebnis e = AuswertungEinlesen(Buch(kurse));
  Bestehensberechnung(Buch(kurse), e);
  EXPECT_EQ(e.Abweichungen, f.abweichungen);
  EXPECT_EQ(e.AbweichungsFaecher, f.faecher);
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, Abweichungen,
    ::testing::Values(AbweichungsFall{"MeanTenAndAHalfExamSix", {10, 10, 11, 11}, 6, 1, "Englisch (ab 5)"},
                      AbweichungsFall{"MeanTenAndAQuarterExamSeven", {10, 10, 10, 11}, 7, 0, ""},
                      AbweichungsFall{"MeanElevenExamSeven", {11, 11, 11, 11}, 7, 1, "Englisch (ab 5)"},
                      AbweichungsFall{"ExamAboveTheMean", {10, 10, 10, 10}, 14, 1, "Englisch (ab 5)"}),
    test::FallName<AbweichungsFall>);

TEST(Abweichungen, SeveralCoursesAreListedInOrder) {
  std::vector<Kurs> kurse = Grundkurse();
  kurse[En - 1].abi = 2;
  kurse[De - 1].abi = 15;
  const Notenergebnis e = AbiturnoteBerechnen(Buch(kurse));
  EXPECT_EQ(e.Abweichungen, 2);
  EXPECT_EQ(e.AbweichungsFaecher, "Englisch (ab 5), Deutsch");
}

TEST(FehlendeNoten, SlotsThatTakePointsButHoldNone) {
  std::vector<Kurs> kurse = Grundkurse();
  kurse[De - 1].q[2] = -1;
  kurse[De - 1].abi = -1;
  Notenbuch buch = Buch(kurse);
  EXPECT_EQ(FehlendeNotenZaehlen(buch), 2);
  buch.Noten[0][Sp] = 99;  // no points a plan can hold
  EXPECT_EQ(FehlendeNotenZaehlen(buch), 3);
  buch.NotenKursZahl = 200;  // a damaged file indexes nothing outside the book
  EXPECT_EQ(buch.Kurse(), NotenSpalten);
}

}  // namespace
}  // namespace kelvaro
