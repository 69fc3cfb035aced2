#include "evaluation/FliessKomma.h"
#include "evaluation/Stundenzahl.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Faelle.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <array>
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

std::string Rgb(ui::Farbe farbe) {
  return "(" + std::to_string(farbe.r) + "," + std::to_string(farbe.g) + "," + std::to_string(farbe.b) + ")";
}

void SportOhneErsatz(Laufbahn& l, int von, int bis) {
  l.ErsatzfachAktiv = 1;
  l.Fach[Sp] = leer;
  l.ErsatzfachVon = von;
  l.ErsatzfachBis = bis;
}

// ---------------------------------------------------------------------------------------
// The hour values of a plan.

struct StundenFall {
  const char* name;
  void (*plan)(Laufbahn&);
  int zkAnzahl;
  double ef;
  double q1;
  double q2;
  double diff;
  std::array<int, 7> stunden60;  // 1..6 = EF.1 .. Q2.2
  int kurszahlQ;
};

// Unless a row says otherwise: EF model 2 without drop (35 hours, 27/26) and the project
// model with one additional course (33 + 34 hours, balance -1, 26/25/26/24, 40 courses).
const StundenFall kStundenFaelle[] = {
    {.name = "FreshStart",
     .plan = [](Laufbahn&) {},
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    // EF base and EF models.
    {.name = "EFModelNoDeepDiveIgnoresDrop",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.AbwahlEF = 1;
         },
     .zkAnzahl = 1,
     .ef = 33,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 25, 25, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "EFModelThreeElectives",
     .plan = [](Laufbahn& l) { l.EFModell = 1; },
     .zkAnzahl = 1,
     .ef = 36,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 27, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "EFModelThreeElectivesThirdDroppedAfterEF1",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 1;
           l.AbwahlEF = 1;
         },
     .zkAnzahl = 1,
     .ef = 34.5,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 25, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "EFModelThreeElectivesNewLanguageThirdDropped",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 1;
           l.AbwahlEF = 1;
           l.Fach[VK1] = I0;
         },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 28, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "EFModelOneDeepDiveSecondDroppedAfterEF1",
     .plan = [](Laufbahn& l) { l.AbwahlEF = 1; },
     .zkAnzahl = 1,
     .ef = 33.5,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 24, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "EFModelOneDeepDiveNewLanguageSecondDropped",
     .plan =
         [](Laufbahn& l) {
           l.AbwahlEF = 1;
           l.Fach[Wa2] = I0;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 28, 25, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "EFModelTwoDeepDivesIgnoresDrop",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 3;
           l.AbwahlEF = 1;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 25, 26, 25, 26, 24},
     .kurszahlQ = 40},
    // The new language in EF and in the Q phase.
    {.name = "NewLanguageAsFirstForeign",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.Fach[FS1] = I0;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 34,
     .q2 = 35,
     .diff = 1,
     .stunden60 = {0, 26, 26, 27, 26, 27, 25},
     .kurszahlQ = 40},
    {.name = "OldCodeOfNewLanguageCounts",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.Fach[FS1] = I1;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 34,
     .q2 = 35,
     .diff = 1,
     .stunden60 = {0, 26, 26, 27, 26, 27, 25},
     .kurszahlQ = 40},
    {.name = "NewLanguageAsSecondForeignWithLanguageFocus",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.SchwerpunktFS = 1;
           l.Fach[FS2] = I0;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 34,
     .q2 = 35,
     .diff = 1,
     .stunden60 = {0, 26, 26, 27, 26, 27, 25},
     .kurszahlQ = 40},
    {.name = "NewLanguageInSecondForeignRowIgnoredWithScienceFocus",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.Fach[FS2] = I0;
         },
     .zkAnzahl = 1,
     .ef = 33,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 25, 25, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "NewLanguageAsSecondElectiveOnlyInEF",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.Fach[Wa2] = I0;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 26, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "NewLanguageAsFirstElectiveEndsWithEFInProjectModel",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.Fach[Wa1] = I0;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 26, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "NewLanguageAsFirstElectiveContinues",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.Fach[Wa1] = I0;
         },
     .zkAnzahl = 1,
     .ef = 36,
     .q1 = 35,
     .q2 = 38,
     .diff = 5,
     .stunden60 = {0, 28, 27, 27, 27, 29, 27},
     .kurszahlQ = 42},
    // Q models, the deep-dive course in Q2.2 and the additional courses.
    {.name = "ElectiveModelOneAdditionalCourse",
     .plan = [](Laufbahn& l) { l.Q1Modell = 1; },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 34,
     .q2 = 37,
     .diff = 3,
     .stunden60 = {0, 27, 26, 26, 26, 28, 26},
     .kurszahlQ = 42},
    {.name = "ElectiveModelNoAdditionalCourse",
     .plan = [](Laufbahn& l) { l.Q1Modell = 1; },
     .zkAnzahl = 0,
     .ef = 35,
     .q1 = 34,
     .q2 = 34,
     .diff = 0,
     .stunden60 = {0, 27, 26, 26, 26, 26, 24},
     .kurszahlQ = 40},
    {.name = "ElectiveModelTwoAdditionalCourses",
     .plan = [](Laufbahn& l) { l.Q1Modell = 1; },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 40,
     .diff = 6,
     .stunden60 = {0, 27, 26, 26, 26, 30, 28},
     .kurszahlQ = 44},
    {.name = "BothModelOneAdditionalCourse",
     .plan = [](Laufbahn& l) { l.Q1Modell = 2; },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 36,
     .q2 = 37,
     .diff = 5,
     .stunden60 = {0, 27, 26, 28, 27, 28, 26},
     .kurszahlQ = 44},
    {.name = "BothModelNoAdditionalCourse",
     .plan = [](Laufbahn& l) { l.Q1Modell = 2; },
     .zkAnzahl = 0,
     .ef = 35,
     .q1 = 36,
     .q2 = 34,
     .diff = 2,
     .stunden60 = {0, 27, 26, 28, 27, 26, 24},
     .kurszahlQ = 42},
    {.name = "ProjectModelTwoAdditionalCourses",
     .plan = [](Laufbahn&) {},
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 33,
     .q2 = 37,
     .diff = 2,
     .stunden60 = {0, 27, 26, 26, 25, 28, 26},
     .kurszahlQ = 42},
    {.name = "ProjectModelNoAdditionalCourseSameAsOne",
     .plan = [](Laufbahn&) {},
     .zkAnzahl = 0,
     .ef = 35,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "DeepDiveInQ22",
     .plan = [](Laufbahn& l) { l.VKQ22 = 1; },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 33,
     .q2 = 35,
     .diff = 0,
     .stunden60 = {0, 27, 26, 26, 25, 26, 26},
     .kurszahlQ = 40},
    // Sport replaced by nothing.
    {.name = "SportReplacedByNothingAllSemesters",
     .plan = [](Laufbahn& l) { SportOhneErsatz(l, 1, 6); },
     .zkAnzahl = 1,
     .ef = 32,
     .q1 = 30,
     .q2 = 31,
     .diff = -7,
     .stunden60 = {0, 25, 24, 24, 23, 24, 22},
     .kurszahlQ = 36},
    {.name = "SportReplacedByNothingEF1Only",
     .plan = [](Laufbahn& l) { SportOhneErsatz(l, 1, 1); },
     .zkAnzahl = 1,
     .ef = 33.5,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 25, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "SportReplacedByNothingEF2ToQ11",
     .plan = [](Laufbahn& l) { SportOhneErsatz(l, 2, 3); },
     .zkAnzahl = 1,
     .ef = 33.5,
     .q1 = 31.5,
     .q2 = 34,
     .diff = -2.5,
     .stunden60 = {0, 27, 24, 24, 25, 26, 24},
     .kurszahlQ = 39},
    {.name = "SportReplacedByNothingQ12ToQ21",
     .plan = [](Laufbahn& l) { SportOhneErsatz(l, 4, 5); },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 31.5,
     .q2 = 32.5,
     .diff = -4,
     .stunden60 = {0, 27, 26, 26, 23, 24, 24},
     .kurszahlQ = 38},
    {.name = "SportReplacedByNothingQ22Only",
     .plan = [](Laufbahn& l) { SportOhneErsatz(l, 6, 6); },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 33,
     .q2 = 32.5,
     .diff = -2.5,
     .stunden60 = {0, 27, 26, 26, 25, 26, 22},
     .kurszahlQ = 39},
    {.name = "SportReplacedByNothingEmptyRange",
     .plan = [](Laufbahn& l) { SportOhneErsatz(l, 4, 3); },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    {.name = "SportReplacedBySubjectKeepsHours",
     .plan =
         [](Laufbahn& l) {
           l.ErsatzfachAktiv = 1;
           l.Fach[Sp] = Ku;
         },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 33,
     .q2 = 34,
     .diff = -1,
     .stunden60 = {0, 27, 26, 26, 25, 26, 24},
     .kurszahlQ = 40},
    // Dropped courses (elective model with two additional courses: balance 6 before).
    {.name = "ArtsDroppedAfterQ12",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlKM = 2;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 37,
     .diff = 3,
     .stunden60 = {0, 27, 26, 26, 26, 28, 26},
     .kurszahlQ = 42},
    {.name = "ArtsDroppedAfterQ21",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlKM = 3;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 38.5,
     .diff = 4.5,
     .stunden60 = {0, 27, 26, 26, 26, 30, 26},
     .kurszahlQ = 43},
    {.name = "EthicsDroppedAfterQ12",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlEt = 2;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 37,
     .diff = 3,
     .stunden60 = {0, 27, 26, 26, 26, 28, 26},
     .kurszahlQ = 42},
    {.name = "EthicsDroppedAfterQ21",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlEt = 3;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 38.5,
     .diff = 4.5,
     .stunden60 = {0, 27, 26, 26, 26, 30, 26},
     .kurszahlQ = 43},
    {.name = "EthicsAndArtsIgnoreDropAfterQ11",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlEt = 1;
           l.AbwahlKM = 1;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 40,
     .diff = 6,
     .stunden60 = {0, 27, 26, 26, 26, 30, 28},
     .kurszahlQ = 44},
    {.name = "FirstElectiveDroppedAfterQ11",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlWa1 = 1;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 32.5,
     .q2 = 37,
     .diff = 1.5,
     .stunden60 = {0, 27, 26, 26, 24, 28, 26},
     .kurszahlQ = 41},
    {.name = "FirstElectiveDroppedAfterQ12",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlWa1 = 2;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 37,
     .diff = 3,
     .stunden60 = {0, 27, 26, 26, 26, 28, 26},
     .kurszahlQ = 42},
    {.name = "FirstElectiveDroppedAfterQ21",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlWa1 = 3;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 34,
     .q2 = 38.5,
     .diff = 4.5,
     .stunden60 = {0, 27, 26, 26, 26, 30, 26},
     .kurszahlQ = 43},
    {.name = "DroppingBelowZeroIsAllowed",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlKM = 2;
           l.AbwahlEt = 3;
           l.AbwahlWa1 = 1;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 32.5,
     .q2 = 32.5,
     .diff = -3,
     .stunden60 = {0, 27, 26, 26, 24, 26, 22},
     .kurszahlQ = 38},
    {.name = "BalanceOfOnePointFiveAllowsDroppingToZero",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           SportOhneErsatz(l, 6, 6);
           l.AbwahlEt = 3;
         },
     .zkAnzahl = 1,
     .ef = 35,
     .q1 = 34,
     .q2 = 34,
     .diff = 0,
     .stunden60 = {0, 27, 26, 26, 26, 28, 22},
     .kurszahlQ = 40},
    // The new language as first elective loses its fourth hour too.
    {.name = "NewLanguageElectiveDroppedAfterQ11",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.Fach[Wa1] = I0;
           l.AbwahlWa1 = 1;
         },
     .zkAnzahl = 2,
     .ef = 36,
     .q1 = 33,
     .q2 = 37,
     .diff = 2,
     .stunden60 = {0, 28, 27, 27, 24, 28, 26},
     .kurszahlQ = 41},
    {.name = "NewLanguageElectiveDroppedAfterQ12",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.Fach[Wa1] = I0;
           l.AbwahlWa1 = 2;
         },
     .zkAnzahl = 2,
     .ef = 36,
     .q1 = 35,
     .q2 = 37,
     .diff = 4,
     .stunden60 = {0, 28, 27, 27, 27, 28, 26},
     .kurszahlQ = 42},
    {.name = "NewLanguageElectiveDroppedAfterQ21",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.Fach[Wa1] = I0;
           l.AbwahlWa1 = 3;
         },
     .zkAnzahl = 2,
     .ef = 36,
     .q1 = 35,
     .q2 = 39,
     .diff = 6,
     .stunden60 = {0, 28, 27, 27, 27, 31, 26},
     .kurszahlQ = 43},
    // Deselections the balance does not allow are not subtracted.
    {.name = "DeselectionsWithdrawnAtBalanceZero",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlEt = 2;
           l.AbwahlKM = 3;
           l.AbwahlWa1 = 1;
         },
     .zkAnzahl = 0,
     .ef = 35,
     .q1 = 34,
     .q2 = 34,
     .diff = 0,
     .stunden60 = {0, 27, 26, 26, 26, 26, 24},
     .kurszahlQ = 40},
    {.name = "DeselectionWithdrawnAtBalanceOne",
     .plan =
         [](Laufbahn& l) {
           l.EFModell = 0;
           l.Fach[FS1] = I0;
           l.AbwahlEt = 2;
         },
     .zkAnzahl = 1,
     .ef = 34,
     .q1 = 34,
     .q2 = 35,
     .diff = 1,
     .stunden60 = {0, 26, 26, 27, 26, 27, 25},
     .kurszahlQ = 40},
    {.name = "NewLanguageElectiveDeselectionWithdrawnKeepsFourthHour",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.Fach[Wa1] = I0;
           SportOhneErsatz(l, 5, 5);
           l.AbwahlWa1 = 1;
         },
     .zkAnzahl = 0,
     .ef = 36,
     .q1 = 35,
     .q2 = 33.5,
     .diff = 0.5,
     .stunden60 = {0, 28, 27, 27, 27, 25, 25},
     .kurszahlQ = 39},
    {.name = "ProjectModelWithdrawsOnlyFirstElectiveDeselection",
     .plan =
         [](Laufbahn& l) {
           l.AbwahlWa1 = 2;
           l.AbwahlKM = 3;
         },
     .zkAnzahl = 2,
     .ef = 35,
     .q1 = 33,
     .q2 = 35.5,
     .diff = 0.5,
     .stunden60 = {0, 27, 26, 26, 25, 28, 24},
     .kurszahlQ = 41},
};

class StundenRegel : public ::testing::TestWithParam<StundenFall> {};

TEST_P(StundenRegel, HoursBalanceAndCourses) {
  const StundenFall& fall = GetParam();
  Laufbahn laufbahn;
  fall.plan(laufbahn);
  const Stundenbilanz s = StundenBerechnen(laufbahn, fall.zkAnzahl);

  EXPECT_DOUBLE_EQ(s.StundenEF, fall.ef);
  EXPECT_DOUBLE_EQ(s.StundenQ1, fall.q1);
  EXPECT_DOUBLE_EQ(s.StundenQ2, fall.q2);
  EXPECT_DOUBLE_EQ(s.StundenDiffQ, fall.diff);
  EXPECT_DOUBLE_EQ(s.StundenDiffQ, s.StundenQ1 + s.StundenQ2 - 68);
  for (int semester = 1; semester <= 6; ++semester) {
    const auto i = static_cast<std::size_t>(semester);
    EXPECT_EQ(s.Stunden60[i], fall.stunden60[i]) << HalbjahrName(semester);
  }
  EXPECT_EQ(s.KurszahlQ, fall.kurszahlQ);
}

INSTANTIATE_TEST_SUITE_P(Stunden, StundenRegel, ::testing::ValuesIn(kStundenFaelle), FallName<StundenFall>);

// ---------------------------------------------------------------------------------------
// Whether the Q-phase balance still allows dropping courses.

struct FreigabeFall {
  const char* name;
  void (*plan)(Laufbahn&);
  int zkAnzahl;
  bool erlaubt;
  bool wa1Erlaubt;
  int abwahlEt;
  int abwahlKM;
  int abwahlWa1;
};

const FreigabeFall kFreigabeFaelle[] = {
    {.name = "BalanceBelowOnePointFiveWithdrawsAll",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           l.AbwahlEt = 2;
           l.AbwahlKM = 3;
           l.AbwahlWa1 = 1;
         },
     .zkAnzahl = 0,
     .erlaubt = false,
     .wa1Erlaubt = false,
     .abwahlEt = 0,
     .abwahlKM = 0,
     .abwahlWa1 = 0},
    {.name = "BalanceExactlyOnePointFiveKeepsDeselections",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 1;
           SportOhneErsatz(l, 6, 6);
           l.AbwahlEt = 3;
           l.AbwahlWa1 = 2;
         },
     .zkAnzahl = 1,
     .erlaubt = true,
     .wa1Erlaubt = true,
     .abwahlEt = 3,
     .abwahlKM = 0,
     .abwahlWa1 = 2},
    {.name = "ElectiveModelWithHoursToSpare",
     .plan =
         [](Laufbahn& l) {
           l.Q1Modell = 2;
           l.AbwahlEt = 2;
           l.AbwahlKM = 2;
           l.AbwahlWa1 = 3;
         },
     .zkAnzahl = 2,
     .erlaubt = true,
     .wa1Erlaubt = true,
     .abwahlEt = 2,
     .abwahlKM = 2,
     .abwahlWa1 = 3},
    {.name = "ProjectModelNeverDropsFirstElective",
     .plan =
         [](Laufbahn& l) {
           l.AbwahlWa1 = 1;
           l.AbwahlKM = 3;
         },
     .zkAnzahl = 2,
     .erlaubt = true,
     .wa1Erlaubt = false,
     .abwahlEt = 0,
     .abwahlKM = 3,
     .abwahlWa1 = 0},
};

class StundenFreigabe : public ::testing::TestWithParam<FreigabeFall> {};

TEST_P(StundenFreigabe, DeselectionsAllowedByBalance) {
  const FreigabeFall& fall = GetParam();
  Laufbahn laufbahn;
  fall.plan(laufbahn);
  const Stundenbilanz s = StundenBerechnen(laufbahn, fall.zkAnzahl);

  EXPECT_EQ(s.AbwahlErlaubt, fall.erlaubt);
  EXPECT_EQ(s.Wa1AbwahlErlaubt, fall.wa1Erlaubt);
  EXPECT_EQ(s.AbwahlEt, fall.abwahlEt);
  EXPECT_EQ(s.AbwahlKM, fall.abwahlKM);
  EXPECT_EQ(s.AbwahlWa1, fall.abwahlWa1);
}

INSTANTIATE_TEST_SUITE_P(Stunden, StundenFreigabe, ::testing::ValuesIn(kFreigabeFaelle), FallName<FreigabeFall>);

// ---------------------------------------------------------------------------------------
// The variant code.

struct KennungFall {
  const char* name;
  void (*plan)(Laufbahn&);
  int zkAnzahl;
  const char* kennung;
  const char* kennungAbwahl;
};

const KennungFall kKennungFaelle[] = {
    {"ProjectModelOneCourseDeepDiveNothingDropped", [](Laufbahn& l) { l.VKQ22 = 1; }, 1, "P7(PK,VKQ2,1 ZK, ",
     "keine Abwahlkurse) 0-0 = 0 St."},
    {"BothModelNewLanguageSixCoursesDropped",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[FS1] = I0;
       l.Fach[Wa1] = Bi;
       l.AbwahlKM = 2;
       l.AbwahlEt = 3;
       l.AbwahlWa1 = 1;
     },
     2, "B2(PK+WF,FS11,2 ZK, ", "Abwahl 6 Kurse) 10-9 = 1 St."},
    {"ProjectModelNoAdditionalCourseBaseMinusFour", [](Laufbahn&) {}, 0, "P12(PK,0 ZK, ",
     "keine Abwahlkurse) -4-0 = -4 St."},
    {"NewLanguageElectiveAndEthicsDropped",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = I0;
       l.AbwahlWa1 = 2;
       l.AbwahlEt = 2;
     },
     2, "W2(WF,FS11,2 ZK, ", "Abwahl 2 + 2 FS0 Kurse) 8-7 = 1 St."},
    {"OnlyNewLanguageElectiveDropped",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = I0;
       l.AbwahlWa1 = 3;
     },
     1, "W6(WF,FS11,1 ZK, ", "Abwahl 1 FS0 Kurse) 5-2 = 3 St."},
    {"OneSemesterCourseDroppedGivesHalfHours",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.VKQ22 = 1;
       l.AbwahlEt = 3;
     },
     1, "B7(PK+WF,VKQ2,1 ZK, ", "Abwahl 1 Kurse) 6-1,5 = 4,5 St."},
    {"DroppingMoreThanTheBaseGivesNegativeDifference",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Bi;
       l.AbwahlKM = 2;
       l.AbwahlEt = 2;
       l.AbwahlWa1 = 1;
     },
     1, "W8(WF,1 ZK, ", "Abwahl 7 Kurse) 3-10,5 = -7,5 St."},
    {"WithdrawnDeselectionsAreNotCounted",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.AbwahlEt = 2;
     },
     0, "W12(WF,0 ZK, ", "keine Abwahlkurse) 0-0 = 0 St."},
    {"ProjectModelFirstElectiveDeselectionNotCounted", [](Laufbahn& l) { l.AbwahlWa1 = 1; }, 2, "P4(PK,2 ZK, ",
     "keine Abwahlkurse) 2-0 = 2 St."},
};

class StundenKennung : public ::testing::TestWithParam<KennungFall> {};

TEST_P(StundenKennung, VariantCode) {
  const KennungFall& fall = GetParam();
  Laufbahn laufbahn;
  fall.plan(laufbahn);
  const Stundenbilanz s = StundenBerechnen(laufbahn, fall.zkAnzahl);
  EXPECT_EQ(s.Kennung, fall.kennung);
  EXPECT_EQ(s.KennungAbwahl, fall.kennungAbwahl);
}

INSTANTIATE_TEST_SUITE_P(Stunden, StundenKennung, ::testing::ValuesIn(kKennungFaelle), FallName<KennungFall>);

// ---------------------------------------------------------------------------------------
// Number texts and the "still droppable" label.

TEST(StundenText, FliessKommaWritesOneDecimalOnlyForHalves) {
  const std::pair<double, const char*> faelle[] = {
      {34.5, "34,5"}, {34, "34"}, {-1.5, "-1,5"}, {0, "0"},           {0.5, "0,5"},
      {-0.5, "-0,5"}, {-4, "-4"}, {106, "106"},   {1234.5, "1234,5"}, {-10.5, "-10,5"},
  };
  for (const auto& [zahl, text] : faelle) {
    EXPECT_EQ(FliessKomma(zahl), text) << zahl;
  }
}

TEST(StundenText, KursAbwahlTextByThreshold) {
  const std::pair<double, const char*> faelle[] = {
      {-7.5, "kein Kurs mehr"},  {0, "kein Kurs mehr"},   {1, "kein Kurs mehr"},    {1.5, "ein Kurs noch"},
      {2.5, "ein Kurs noch"},    {3, "zwei Kurse noch"},  {4, "zwei Kurse noch"},   {4.5, "drei Kurse noch"},
      {5.5, "drei Kurse noch"},  {6, "vier Kurse noch"},  {7, "vier Kurse noch"},   {7.5, "fünf Kurse noch"},
      {8.5, "fünf Kurse noch"},  {9, "sechs Kurse noch"}, {10, "sechs Kurse noch"}, {10.5, "sieben Kurse noch"},
      {20, "sieben Kurse noch"},
  };
  for (const auto& [diff, text] : faelle) {
    EXPECT_EQ(KursAbwahlText(diff), text) << diff;
  }
}

// ---------------------------------------------------------------------------------------
// The main window after a recomputation.

class StundenFensterBasis {
 protected:
  // Recomputes the additional courses and then the hours, as the handlers do.
  void Berechnen() {
    form.ZusatzkurseSetzen();
    form.StundenzahlBerechnen();
  }

  test::Testprogramm test{{.heute = {2025, 9, 1}, .verzeichnis = ".", .edition = GebauteEdition()}};
  Programm& programm = test.programm;
  TForm1& form = test.f;
  Laufbahn& plan = test.l;
};

// The balance panel.
struct PanelFall {
  const char* name;
  void (*plan)(Laufbahn&);
  const char* betrag;
  ui::Farbe farbe;
  const char* vielWenig;
  const char* stunden;
  const char* kursAbwahl;
};

const PanelFall kPanelFaelle[] = {
    {"ProjectModelMinusOne", [](Laufbahn&) {}, "1", ui::farben::Rot, "zu wenig", "Stunde", "kein Kurs mehr"},
    {"ElectiveModelExactlyZero",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[GW] = Ge;
       l.Fach[Wa1] = Sw;
     },
     "0", ui::farben::Gruen, "zu viel", "Stunden", "kein Kurs mehr"},
    {"NewLanguagePlusOne", [](Laufbahn& l) { l.Fach[FS1] = I0; }, "1", ui::farben::Gruen, "zu viel", "Stunde",
     "kein Kurs mehr"},
    {"SportReplacedByNothingHalfHoursShort", [](Laufbahn& l) { SportOhneErsatz(l, 2, 3); }, "2,5", ui::farben::Rot,
     "zu wenig", "Stunden", "kein Kurs mehr"},
    {"OnePointFiveLeavesOneCourse",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[GW] = Ge;
       l.AbwahlEt = 3;
     },
     "1,5", ui::farben::Gruen, "zu viel", "Stunden", "ein Kurs noch"},
    {"ThreeLeaveTwoCourses",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[GW] = Ge;
     },
     "3", ui::farben::Gruen, "zu viel", "Stunden", "zwei Kurse noch"},
    {"ElevenLeaveSevenCourses",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[GW] = Erd;
       l.Fach[FS1] = I0;
       l.VKQ22 = 1;
     },
     "11", ui::farben::Gruen, "zu viel", "Stunden", "sieben Kurse noch"},
    {"DroppedBelowZero",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[GW] = Erd;
       l.Fach[Wa1] = Bi;
       l.AbwahlKM = 2;
       l.AbwahlEt = 3;
       l.AbwahlWa1 = 1;
     },
     "3", ui::farben::Rot, "zu wenig", "Stunden", "kein Kurs mehr"},
};

class StundenPanel : public StundenFensterBasis, public ::testing::TestWithParam<PanelFall> {};

TEST_P(StundenPanel, BalanceShownWithColourAndWords) {
  const PanelFall& fall = GetParam();
  fall.plan(plan);
  Berechnen();
  EXPECT_EQ(form.StuDiffQualiEdit.text(), fall.betrag);
  EXPECT_EQ(Rgb(form.StuDiffQualiEdit.color()), Rgb(fall.farbe));
  EXPECT_EQ(form.VielWenigLabel.text(), fall.vielWenig);
  EXPECT_EQ(form.StundenLabel.text(), fall.stunden);
  EXPECT_EQ(form.KursAbwahlLabel.text(), fall.kursAbwahl);
}

INSTANTIATE_TEST_SUITE_P(Stunden, StundenPanel, ::testing::ValuesIn(kPanelFaelle), FallName<PanelFall>);

// The hour list and the stage labels.
struct ListeFall {
  const char* name;
  void (*plan)(Laufbahn&);
  std::vector<std::string> zeilen;
  const char* ef;
  const char* q1;
  const char* q2;
};

const ListeFall kListeFaelle[] = {
    {"BothModelWithHalfHourEF",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlEF = 1;
     },
     {"Stundenzahlen:", "in 45-Minuten-Stunden: insges. 106,5", "EF: 33,5, Q1: 36, Q2: 37",
      "in 60-Minuten-Stunden:", "EF.1: 27, EF.2: 24", "Q1.1: 28, Q1.2: 27", "Q2.1: 28, Q2.2: 26"},
     "27 / 24 Stunden (60´)",
     "28 / 27 Stunden (60´)",
     "28 / 26 Stunden (60´)"},
    {"EqualSemestersShowOneNumber",
     [](Laufbahn& l) {
       l.EFModell = 0;
       l.Q1Modell = 1;
       l.Fach[GW] = Ge;
       l.Fach[Wa1] = Sw;
     },
     {"Stundenzahlen:", "in 45-Minuten-Stunden: insges. 101", "EF: 33, Q1: 34, Q2: 34",
      "in 60-Minuten-Stunden:", "EF.1: 25, EF.2: 25", "Q1.1: 26, Q1.2: 26", "Q2.1: 26, Q2.2: 24"},
     "25 Stunden (60´)",
     "26 Stunden (60´)",
     "26 / 24 Stunden (60´)"},
    {"DeepDiveInQ22EvensQ2",
     [](Laufbahn& l) { l.VKQ22 = 1; },
     {"Stundenzahlen:", "in 45-Minuten-Stunden: insges. 103", "EF: 35, Q1: 33, Q2: 35",
      "in 60-Minuten-Stunden:", "EF.1: 27, EF.2: 26", "Q1.1: 26, Q1.2: 25", "Q2.1: 26, Q2.2: 26"},
     "27 / 26 Stunden (60´)",
     "26 / 25 Stunden (60´)",
     "26 Stunden (60´)"},
};

class StundenListe : public StundenFensterBasis, public ::testing::TestWithParam<ListeFall> {};

TEST_P(StundenListe, HourListAndStageLabels) {
  const ListeFall& fall = GetParam();
  fall.plan(plan);
  Berechnen();
  EXPECT_EQ(form.ListBox1.lines(), fall.zeilen);
  EXPECT_EQ(form.StundenzahlLabelEF.text(), fall.ef);
  EXPECT_EQ(form.StundenzahlLabelQ1.text(), fall.q1);
  EXPECT_EQ(form.StundenzahlLabelQ2.text(), fall.q2);
}

INSTANTIATE_TEST_SUITE_P(Stunden, StundenListe, ::testing::ValuesIn(kListeFaelle), FallName<ListeFall>);

// The cells of dropped courses.
struct Zelle {
  bool sichtbar;
  int breite;
};
constexpr Zelle kVoll{true, 145};
constexpr Zelle kHalb{true, 81};
constexpr Zelle kVerborgen{false, 145};

struct ZellenFall {
  const char* name;
  void (*plan)(Laufbahn&);
  Zelle et3;
  Zelle km3;
  Zelle wa12;
  Zelle wa13;
};

// Elective model with two additional courses unless a row says otherwise, so that the
// deselections are allowed.
const ZellenFall kZellenFaelle[] = {
    {"NothingDropped", [](Laufbahn&) {}, kVoll, kVoll, kVoll, kVoll},
    {"EthicsAfterQ12ArtsAfterQ21",
     [](Laufbahn& l) {
       l.AbwahlEt = 2;
       l.AbwahlKM = 3;
     },
     kVerborgen, kHalb, kVoll, kVoll},
    {"ArtsAfterQ12EthicsAfterQ21",
     [](Laufbahn& l) {
       l.AbwahlKM = 2;
       l.AbwahlEt = 3;
     },
     kHalb, kVerborgen, kVoll, kVoll},
    {"FirstElectiveAfterQ11", [](Laufbahn& l) { l.AbwahlWa1 = 1; }, kVoll, kVoll, kHalb, kVerborgen},
    {"FirstElectiveAfterQ12", [](Laufbahn& l) { l.AbwahlWa1 = 2; }, kVoll, kVoll, kVoll, kVerborgen},
    {"FirstElectiveAfterQ21", [](Laufbahn& l) { l.AbwahlWa1 = 3; }, kVoll, kVoll, kVoll, kHalb},
    {"ProjectModelHidesFirstElectiveCells",
     [](Laufbahn& l) {
       l.Q1Modell = 0;
       l.AbwahlWa1 = 3;
     },
     kVoll, kVoll, kVerborgen, kVerborgen},
    {"WithdrawnDeselectionsKeepFullCells",
     [](Laufbahn& l) {
       l.Fach[GW] = Ge;
       l.Fach[Wa1] = Sw;  // covers social science: no additional course, balance 0
       l.AbwahlEt = 2;
       l.AbwahlKM = 3;
       l.AbwahlWa1 = 2;
     },
     kVoll, kVoll, kVoll, kVoll},
};

void ZelleErwartet(const ui::Control& zelle, Zelle erwartet) {
  EXPECT_EQ(zelle.visible(), erwartet.sichtbar) << zelle.name();
  EXPECT_EQ(zelle.width(), erwartet.breite) << zelle.name();
}

class StundenZellen : public StundenFensterBasis, public ::testing::TestWithParam<ZellenFall> {};

TEST_P(StundenZellen, DroppedCourseCells) {
  const ZellenFall& fall = GetParam();
  plan.Q1Modell = 1;
  plan.Fach[GW] = Erd;
  fall.plan(plan);
  Berechnen();
  ZelleErwartet(form.Et3, fall.et3);
  ZelleErwartet(form.KM3, fall.km3);
  ZelleErwartet(form.Wa12, fall.wa12);
  ZelleErwartet(form.Wa13, fall.wa13);
}

INSTANTIATE_TEST_SUITE_P(Stunden, StundenZellen, ::testing::ValuesIn(kZellenFaelle), FallName<ZellenFall>);

class StundenFenster : public StundenFensterBasis, public ::testing::Test {};

TEST_F(StundenFenster, CellsFollowChangedDeselections) {
  plan.Q1Modell = 1;
  plan.Fach[GW] = Erd;
  plan.AbwahlEt = 3;
  plan.AbwahlKM = 2;
  plan.AbwahlWa1 = 1;
  Berechnen();
  ZelleErwartet(form.Et3, kHalb);
  ZelleErwartet(form.KM3, kVerborgen);
  ZelleErwartet(form.Wa12, kHalb);
  ZelleErwartet(form.Wa13, kVerborgen);

  // A value the rows do not use leaves the ethics cell as it was; hidden cells come back
  // at half width.
  plan.AbwahlEt = 1;
  plan.AbwahlKM = 3;
  plan.AbwahlWa1 = 3;
  Berechnen();
  ZelleErwartet(form.Et3, kHalb);
  ZelleErwartet(form.KM3, kHalb);
  ZelleErwartet(form.Wa12, kVoll);
  ZelleErwartet(form.Wa13, kHalb);

  plan.AbwahlEt = 0;
  plan.AbwahlKM = 0;
  plan.AbwahlWa1 = 0;
  Berechnen();
  ZelleErwartet(form.Et3, kVoll);
  ZelleErwartet(form.KM3, kVoll);
  ZelleErwartet(form.Wa12, kVoll);
  ZelleErwartet(form.Wa13, kVoll);
}

TEST_F(StundenFenster, CellWidthsScaleRoundingHalvesToEven) {
  programm.laufzeit().Skalierung = 0.5;  // 72.5 and 40.5 pixels
  plan.Q1Modell = 1;
  plan.Fach[GW] = Erd;
  plan.AbwahlKM = 3;
  plan.AbwahlWa1 = 1;
  Berechnen();
  ZelleErwartet(form.Et3, {true, 72});
  ZelleErwartet(form.KM3, {true, 40});
  ZelleErwartet(form.Wa12, {true, 40});
  ZelleErwartet(form.Wa13, {false, 72});
}

TEST_F(StundenFenster, DeselectionBoxesDisabledAndResetBelowOnePointFive) {
  plan.Q1Modell = 1;
  plan.Fach[GW] = Ge;
  plan.Fach[Wa1] = Sw;  // no additional course: balance 0
  plan.AbwahlEt = 2;
  plan.AbwahlKM = 3;
  plan.AbwahlWa1 = 2;
  for (ui::ChoiceBox* box : {&form.AbwEtBox, &form.AbwKMBox, &form.AbwWa1Box}) {
    box->setEnabled(true);
    box->setText("nach Q1.2");
  }
  for (ui::Label* label : {&form.AbwEtLab, &form.AbwKMLab, &form.AbwWa1Lab}) {
    label->setEnabled(true);
  }
  Berechnen();

  for (ui::ChoiceBox* box : {&form.AbwEtBox, &form.AbwKMBox, &form.AbwWa1Box}) {
    EXPECT_FALSE(box->enabled()) << box->name();
    EXPECT_EQ(box->text(), "keine Abw.") << box->name();
  }
  for (ui::Label* label : {&form.AbwEtLab, &form.AbwKMLab, &form.AbwWa1Lab}) {
    EXPECT_FALSE(label->enabled()) << label->name();
  }
  EXPECT_EQ(plan.AbwahlEt, 0);
  EXPECT_EQ(plan.AbwahlKM, 0);
  EXPECT_EQ(plan.AbwahlWa1, 0);
  // The course counts that follow see the withdrawn deselections.
  EXPECT_EQ(form.KurszahlQ1Lab.text(), "2 LKs + 8 GKs");
  EXPECT_EQ(form.KurszahlQ2Lab.text(), "2 LKs + 8 GKs");
}

TEST_F(StundenFenster, DeselectionBoxesEnabledWithHoursToSpare) {
  plan.Q1Modell = 1;
  plan.Fach[GW] = Erd;  // two additional courses: balance 6
  plan.AbwahlEt = 2;
  plan.AbwahlKM = 3;
  plan.AbwahlWa1 = 3;
  Berechnen();

  for (ui::Control* control : std::initializer_list<ui::Control*>{&form.AbwEtBox, &form.AbwEtLab, &form.AbwKMBox,
                                                                  &form.AbwKMLab, &form.AbwWa1Box, &form.AbwWa1Lab}) {
    EXPECT_TRUE(control->enabled()) << control->name();
  }
  EXPECT_EQ(plan.AbwahlEt, 2);
  EXPECT_EQ(plan.AbwahlKM, 3);
  EXPECT_EQ(plan.AbwahlWa1, 3);
  EXPECT_EQ(form.KurszahlQ2Lab.text(), "2 LKs + 9/7 GKs");
}

TEST_F(StundenFenster, ProjectModelLocksOnlyFirstElectiveDeselection) {
  plan.Fach[GW] = Erd;  // two additional courses: balance 2
  plan.AbwahlKM = 3;
  plan.AbwahlWa1 = 2;
  form.AbwWa1Box.setText("nach Q1.2");
  Berechnen();

  EXPECT_TRUE(form.AbwEtBox.enabled());
  EXPECT_TRUE(form.AbwEtLab.enabled());
  EXPECT_TRUE(form.AbwKMBox.enabled());
  EXPECT_TRUE(form.AbwKMLab.enabled());
  EXPECT_FALSE(form.AbwWa1Box.enabled());
  EXPECT_FALSE(form.AbwWa1Lab.enabled());
  EXPECT_EQ(form.AbwWa1Box.text(), "keine Abw.");
  EXPECT_EQ(plan.AbwahlKM, 3);
  EXPECT_EQ(plan.AbwahlWa1, 0);
}

TEST_F(StundenFenster, VariantCodeLabelJoinsBothHalves) {
  plan.Fach[GW] = Ge;  // one additional course
  plan.VKQ22 = 1;
  Berechnen();
  EXPECT_EQ(form.KennungsLab.text(), "P7(PK,VKQ2,1 ZK, keine Abwahlkurse) 0-0 = 0 St.");

  plan.Q1Modell = 2;
  plan.VKQ22 = 0;
  plan.Fach[GW] = Erd;
  plan.Fach[Wa1] = Bi;  // two additional courses
  plan.Fach[FS1] = I0;
  plan.AbwahlKM = 2;
  plan.AbwahlEt = 3;
  plan.AbwahlWa1 = 1;
  Berechnen();
  EXPECT_EQ(form.KennungsLab.text(), "B2(PK+WF,FS11,2 ZK, Abwahl 6 Kurse) 10-9 = 1 St.");
}

}  // namespace
}  // namespace kelvaro
