#include "plan/Kelvaro2027G9.h"
#include "plan/Kurszahl.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace kelvaro {
namespace {

// One plan and what it gives: the additional courses of Q2, the basic courses per
// semester and the three labels under the stage columns.
struct KurszahlFall {
  const char* name;
  void (*plan)(Laufbahn&);
  FachTyp zk1;
  FachTyp zk2;
  int zkAnzahl;
  std::array<int, 7> kurszahl;  // 1..6 = EF.1 .. Q2.2
  const char* ef;
  const char* q1;
  const char* q2;
};

// Table rows print as their name.
std::ostream& operator<<(std::ostream& os, const KurszahlFall& fall) {
  return os << fall.name;
}

const KurszahlFall kKurszahlFaelle[] = {
    {"FreshStart",
     [](Laufbahn&) {},
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},

    // Additional courses.
    {"HistoryRowLeavesSocialScienceCourse",
     [](Laufbahn& l) { l.Fach[GW] = Ge; },
     Sw,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"SocialScienceRowLeavesHistoryCourse",
     [](Laufbahn& l) { l.Fach[GW] = Sw; },
     Ge,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"GeographyNeedsBothAdditionalCourses",
     [](Laufbahn& l) { l.Fach[GW] = Erd; },
     Ge,
     Sw,
     2,
     {0, 11, 11, 7, 7, 9, 9},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 9 GKs"},
    {"ElectiveModelSocialScienceElectiveCoversBoth",
     [](Laufbahn& l) {
       l.Fach[GW] = Ge;
       l.Q1Modell = 1;
       l.Fach[Wa1] = Sw;
     },
     leer,
     leer,
     0,
     {0, 11, 11, 8, 8, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs",
     "2 LKs + 8 GKs"},
    {"ElectiveDroppedAfterQ11NoLongerCovers",
     [](Laufbahn& l) {
       l.Fach[GW] = Ge;
       l.Q1Modell = 1;
       l.Fach[Wa1] = Sw;
       l.AbwahlWa1 = 1;
     },
     Sw,
     leer,
     1,
     {0, 11, 11, 8, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 8/7 GKs",
     "2 LKs + 8 GKs"},
    {"ElectiveDroppedAfterQ12StillCovers",
     [](Laufbahn& l) {
       l.Fach[GW] = Ge;
       l.Q1Modell = 1;
       l.Fach[Wa1] = Sw;
       l.AbwahlWa1 = 2;
     },
     leer,
     leer,
     0,
     {0, 11, 11, 8, 8, 7, 7},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs",
     "2 LKs + 7 GKs"},
    {"BothModelHistoryElectiveDroppedAfterQ21StillCovers",
     [](Laufbahn& l) {
       l.Fach[GW] = Sw;
       l.Q1Modell = 2;
       l.Fach[Wa1] = Ge;
       l.AbwahlWa1 = 3;
     },
     leer,
     leer,
     0,
     {0, 11, 11, 8, 8, 8, 7},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs + 1 PK",
     "2 LKs + 8/7 GKs"},
    {"ProjectModelElectiveDoesNotCover",
     [](Laufbahn& l) {
       l.Fach[GW] = Sw;
       l.Fach[Wa1] = Ge;
     },
     Ge,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"EmptySocialRowCountsOneCourseWhateverTheElective",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Ge;
     },
     leer,
     leer,
     1,
     {0, 11, 11, 8, 8, 9, 9},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs",
     "2 LKs + 9 GKs"},
    {"ElectiveModelTwoAdditionalCourses",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.Q1Modell = 1;
       l.Fach[Wa1] = Bi;
     },
     Ge,
     Sw,
     2,
     {0, 11, 11, 8, 8, 10, 10},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs",
     "2 LKs + 10 GKs"},

    // EF models.
    {"EFModelNoDeepDive",
     [](Laufbahn& l) { l.EFModell = 0; },
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"EFModelThreeElectives",
     [](Laufbahn& l) { l.EFModell = 1; },
     leer,
     leer,
     1,
     {0, 12, 12, 7, 7, 8, 8},
     "12 GKs",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"EFModelThreeElectivesOneDroppedAfterEF1",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
     },
     leer,
     leer,
     1,
     {0, 12, 11, 7, 7, 8, 8},
     "12/11 GKs",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"EFModelOneDeepDiveElectiveDroppedAfterEF1",
     [](Laufbahn& l) { l.AbwahlEF = 1; },
     leer,
     leer,
     1,
     {0, 11, 10, 7, 7, 8, 8},
     "11/10 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"EFModelTwoDeepDives",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.AbwahlEF = 1;
     },
     leer,
     leer,
     1,
     {0, 10, 10, 7, 7, 8, 8},
     "10 GKs + 2 VKs",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},

    // Q models and the deep-dive course in Q2.2.
    {"ProjectAndElectiveModel",
     [](Laufbahn& l) { l.Q1Modell = 2; },
     leer,
     leer,
     1,
     {0, 11, 11, 8, 8, 9, 9},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs + 1 PK",
     "2 LKs + 9 GKs"},
    {"DeepDiveInQ22",
     [](Laufbahn& l) { l.VKQ22 = 1; },
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs + 1 VK"},

    // Sport replaced by nothing.
    {"SportReplacedByNothingEF2ToQ11",
     [](Laufbahn& l) {
       l.EFModell = 0;
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = leer;
       l.ErsatzfachVon = 2;
       l.ErsatzfachBis = 3;
     },
     leer,
     leer,
     1,
     {0, 11, 10, 6, 7, 8, 8},
     "11/10 GKs",
     "2 LKs + 6/7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"SportReplacedByNothingAllSemesters",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[GW] = Erd;
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = leer;
     },
     Ge,
     Sw,
     2,
     {0, 10, 10, 7, 7, 9, 9},
     "10 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 9 GKs"},
    {"SportReplacedByNothingQ22Only",
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = leer;
       l.ErsatzfachVon = 6;
       l.ErsatzfachBis = 6;
     },
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 7},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8/7 GKs"},
    {"SportReplacedByNothingEmptyRange",
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = leer;
       l.ErsatzfachVon = 4;
       l.ErsatzfachBis = 3;
     },
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"SportReplacedBySubjectKeepsCounts",
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = Ku;
     },
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},
    {"EmptySportRowWithoutReplacementKeepsCounts",
     [](Laufbahn& l) { l.Fach[Sp] = leer; },
     leer,
     leer,
     1,
     {0, 11, 11, 7, 7, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8 GKs"},

    // Dropped courses in the Q phase.
    {"EthicsAndArtsDroppedAfterQ21",
     [](Laufbahn& l) {
       l.Fach[GW] = Ge;
       l.Q1Modell = 1;
       l.AbwahlEt = 3;
       l.AbwahlKM = 3;
     },
     Sw,
     leer,
     1,
     {0, 11, 11, 8, 8, 9, 7},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs",
     "2 LKs + 9/7 GKs"},
    {"EthicsAndArtsDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.Q1Modell = 1;
       l.AbwahlEt = 2;
       l.AbwahlKM = 2;
     },
     Ge,
     Sw,
     2,
     {0, 11, 11, 8, 8, 8, 8},
     "11 GKs + 1 VK",
     "2 LKs + 8 GKs",
     "2 LKs + 8 GKs"},
    {"EthicsDroppedAfterQ12ArtsAfterQ21",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.AbwahlEt = 2;
       l.AbwahlKM = 3;
     },
     Ge,
     Sw,
     2,
     {0, 11, 11, 7, 7, 8, 7},
     "11 GKs + 1 VK",
     "2 LKs + 7 GKs + 1 PK",
     "2 LKs + 8/7 GKs"},
    {"FirstElectiveDroppedAfterQ11",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.Q1Modell = 2;
       l.Fach[Wa1] = Ge;
       l.AbwahlWa1 = 1;
     },
     Ge,
     Sw,
     2,
     {0, 11, 11, 8, 7, 9, 9},
     "11 GKs + 1 VK",
     "2 LKs + 8/7 GKs + 1 PK",
     "2 LKs + 9 GKs"},
};

class KurszahlRegel : public ::testing::TestWithParam<KurszahlFall> {};

TEST_P(KurszahlRegel, AdditionalCoursesCountsAndLabels) {
  const KurszahlFall& fall = GetParam();
  Laufbahn laufbahn;
  fall.plan(laufbahn);

  const Zusatzkurse zk = ZusatzkurseBerechnen(laufbahn);
  EXPECT_EQ(zk.ZK1, fall.zk1);
  EXPECT_EQ(zk.ZK2, fall.zk2);
  EXPECT_EQ(zk.ZKAnzahl, fall.zkAnzahl);

  const Kurszahlen k = KurszahlBerechnen(laufbahn, zk.ZKAnzahl);
  for (int s = 1; s <= 6; ++s) {
    EXPECT_EQ(k.Kurszahl[static_cast<std::size_t>(s)], fall.kurszahl[static_cast<std::size_t>(s)]) << "semester " << s;
  }
  EXPECT_EQ(k.EF, fall.ef);
  EXPECT_EQ(k.Q1, fall.q1);
  EXPECT_EQ(k.Q2, fall.q2);
}

INSTANTIATE_TEST_SUITE_P(Kurszahl, KurszahlRegel, ::testing::ValuesIn(kKurszahlFaelle),
                         [](const ::testing::TestParamInfo<KurszahlFall>& p) { return std::string(p.param.name); });

// The main window: the two additional-course cells in the Q2 column and the labels.
class KurszahlFenster : public ::testing::Test {
 protected:
  test::Testprogramm test{{.heute = {2025, 9, 1}, .verzeichnis = ".", .edition = GebauteEdition()}};
  Programm& programm = test.programm;
  TForm1& form = test.f;
  Laufbahn& plan = test.l;
};

TEST_F(KurszahlFenster, StartShowsEmptyFirstCellAndHidesSecond) {
  EXPECT_TRUE(form.ZK13.visible());
  EXPECT_EQ(form.ZK13.text(), "");
  EXPECT_FALSE(form.ZK23.visible());
  EXPECT_EQ(form.KurszahlEFLab.text(), "11 GKs + 1 VK");
  EXPECT_EQ(form.KurszahlQ1Lab.text(), "2 LKs + 7 GKs + 1 PK");
  EXPECT_EQ(form.KurszahlQ2Lab.text(), "2 LKs + 8 GKs");
}

TEST_F(KurszahlFenster, CellsFollowTheAdditionalCoursesStepByStep) {
  struct Schritt {
    const char* name;
    FachTyp gw;
    std::uint8_t q1Modell;
    FachTyp wa1;
    bool zk13Sichtbar;
    const char* zk13;
    bool zk23Sichtbar;
    const char* zk23;
    const char* q2Label;
  };
  // Run in order on one window, so that each step also shows a cell hidden or shown again.
  const Schritt schritte[] = {
      {"GeographyBothCourses", Erd, 0, leer, true, "ZK Geschichte", true, "ZK Sozialwiss.", "2 LKs + 9 GKs"},
      {"HistoryRowSocialScienceCourse", Ge, 0, leer, true, "ZK Sozialwiss.", false, nullptr, "2 LKs + 8 GKs"},
      {"BothCoveredNoCell", Ge, 1, Sw, false, nullptr, false, nullptr, "2 LKs + 8 GKs"},
      {"SocialScienceRowHistoryCourse", Sw, 1, Bi, true, "ZK Geschichte", false, nullptr, "2 LKs + 9 GKs"},
      {"EmptyRowShowsEmptyCell", leer, 1, Bi, true, "", false, nullptr, "2 LKs + 9 GKs"},
      {"GeographyAgain", Erd, 1, Bi, true, "ZK Geschichte", true, "ZK Sozialwiss.", "2 LKs + 10 GKs"},
  };
  for (const Schritt& schritt : schritte) {
    SCOPED_TRACE(schritt.name);
    plan.Fach[GW] = schritt.gw;
    plan.Q1Modell = schritt.q1Modell;
    plan.Fach[Wa1] = schritt.wa1;
    form.ZusatzkurseSetzen();
    form.KurszahlSetzen();

    EXPECT_EQ(form.ZK13.visible(), schritt.zk13Sichtbar);
    if (schritt.zk13 != nullptr) {
      EXPECT_EQ(form.ZK13.text(), schritt.zk13);
    }
    EXPECT_EQ(form.ZK23.visible(), schritt.zk23Sichtbar);
    if (schritt.zk23 != nullptr) {
      EXPECT_EQ(form.ZK23.text(), schritt.zk23);
    }
    EXPECT_EQ(form.KurszahlQ2Lab.text(), schritt.q2Label);
  }
}

TEST_F(KurszahlFenster, CountsAreKeptForTheReport) {
  plan.Fach[GW] = Erd;
  plan.EFModell = 1;
  plan.AbwahlEF = 1;
  plan.Q1Modell = 1;
  plan.AbwahlKM = 3;
  form.ZusatzkurseSetzen();
  form.KurszahlSetzen();

  EXPECT_EQ(programm.abgeleitet().zusatzkurse.ZKAnzahl, 2);
  const std::array<int, 7> erwartet{0, 12, 11, 8, 8, 10, 9};
  for (int s = 1; s <= 6; ++s) {
    EXPECT_EQ(programm.abgeleitet().Kurszahl[static_cast<std::size_t>(s)], erwartet[static_cast<std::size_t>(s)])
        << "semester " << s;
  }
  EXPECT_EQ(form.KurszahlEFLab.text(), "12/11 GKs");
  EXPECT_EQ(form.KurszahlQ1Lab.text(), "2 LKs + 8 GKs");
  EXPECT_EQ(form.KurszahlQ2Lab.text(), "2 LKs + 10/9 GKs");
}

}  // namespace
}  // namespace kelvaro
