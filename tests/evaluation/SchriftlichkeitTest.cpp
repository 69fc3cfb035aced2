#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Faelle.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// Dates that give the three seasons: subject choices (first half-year), exam choices for
// the first half-year and exam choices for the second half-year.
constexpr ui::Datum kFaecherwahl{2026, 3, 1};
constexpr ui::Datum kKlausurwahl1{2026, 9, 1};
constexpr ui::Datum kKlausurwahl2{2026, 12, 1};

// A started program for one stage and date.
struct Umgebung : test::Testprogramm {
  Umgebung(int stufe, ui::Datum heute) : Testprogramm({.stufe = stufe, .heute = heute, .verzeichnis = "."}) {}

  TForm1& form = f;
  Laufbahn& plan = l;
};

// What one written box shows after the recomputation; unset fields are not checked. The
// caption always follows the checked state.
struct Box {
  int zeile;
  std::optional<bool> checked = std::nullopt;
  std::optional<bool> enabled = std::nullopt;
  std::optional<bool> visible = std::nullopt;
  std::optional<bool> bold = std::nullopt;
  std::optional<int> flag = std::nullopt;
};

void BoxPruefen(Umgebung& u, const Box& erwartet) {
  const ui::CheckBox& box = *u.form.SchriftlBox[static_cast<std::size_t>(erwartet.zeile)];
  SCOPED_TRACE(box.name());
  EXPECT_EQ(box.text(), box.checked() ? "schriftl." : "mündl.");
  if (erwartet.checked) {
    EXPECT_EQ(box.checked(), *erwartet.checked);
  }
  if (erwartet.enabled) {
    EXPECT_EQ(box.enabled(), *erwartet.enabled);
  }
  if (erwartet.visible) {
    EXPECT_EQ(box.visible(), *erwartet.visible);
  }
  if (erwartet.bold) {
    EXPECT_EQ(box.bold(), *erwartet.bold);
  }
  if (erwartet.flag) {
    EXPECT_EQ(u.plan.Schriftlich[static_cast<std::size_t>(erwartet.zeile)], *erwartet.flag);
  }
}

struct SchriftlichFall {
  const char* name;
  int stufe;
  ui::Datum heute;
  void (*plan)(Laufbahn&);
  std::vector<Box> boxen;
  // Puts a box into a state the recomputation has to correct; may be nullptr.
  void (*fenster)(TForm1&) = nullptr;
};

std::ostream& operator<<(std::ostream& os, const SchriftlichFall& fall) {
  return os << fall.name;
}

class SchriftlichRegel : public ::testing::TestWithParam<SchriftlichFall> {};

TEST_P(SchriftlichRegel, BoxesAndFlags) {
  const SchriftlichFall& fall = GetParam();
  Umgebung u(fall.stufe, fall.heute);
  fall.plan(u.plan);
  if (fall.fenster != nullptr) {
    fall.fenster(u.form);
  }
  u.form.SchriftlichkeitSetzen();
  for (const Box& box : fall.boxen) {
    BoxPruefen(u, box);
  }
}

// ---------------------------------------------------------------------------------------
// Stage EF.

const SchriftlichFall kEFFaelle[] = {
    {"ForeignLanguagesAlwaysWritten",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Schriftlich[FS1] = 0;
       l.Schriftlich[FS2] = 0;
     },
     {{.zeile = FS1, .checked = true, .enabled = false, .visible = true, .bold = false, .flag = 1},
      {.zeile = FS2, .checked = true, .enabled = false, .visible = true, .bold = false, .flag = 1},
      {.zeile = NW2, .visible = false}}},
    {"ScienceFocusHidesSecondForeignButWritesIt",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Schriftlich[FS2] = 0;
       l.Schriftlich[NW1] = 1;
       l.Schriftlich[NW2] = 0;
     },
     {{.zeile = FS2, .checked = true, .enabled = false, .visible = false, .flag = 1},
      {.zeile = NW1, .checked = true, .enabled = true, .visible = true, .flag = 1},
      {.zeile = NW2, .checked = false, .enabled = true, .visible = true, .flag = 0}}},
    {"GermanAndMathsReadWrittenWhateverTheFlag",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Schriftlich[De] = 0;
       l.Schriftlich[Ma] = 0;
     },
     {{.zeile = De, .checked = true, .enabled = false, .flag = 0},
      {.zeile = Ma, .checked = true, .enabled = false, .flag = 0}},
     [](TForm1& f) {
       f.DeuBoxSchriftl.setChecked(false);
       f.MaBoxSchriftl.setChecked(false);
     }},
    {"NoBoldEvenForAbiturRoles",
     0,
     kFaecherwahl,
     [](Laufbahn& l) { l.AbiWahl[AbiPosNW1] = 1; },
     {{.zeile = NW1, .enabled = true, .bold = false}},
     [](TForm1& f) { f.NW1BoxSchriftl.setBold(true); }},
    {"SportWithoutReplacementOral",
     0,
     kFaecherwahl,
     [](Laufbahn& l) { l.Schriftlich[Sp] = 1; },
     {{.zeile = Sp, .checked = false, .enabled = false, .flag = 0}}},
    {"SportReplacedThisSemesterChoosable",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 1;
       l.ErsatzfachBis = 2;
       l.Schriftlich[Sp] = 1;
     },
     {{.zeile = Sp, .checked = true, .enabled = true, .flag = 1}}},
    {"SportReplacedFromNextSemesterOral",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 2;
       l.ErsatzfachBis = 6;
       l.Schriftlich[Sp] = 1;
     },
     {{.zeile = Sp, .checked = false, .enabled = false, .flag = 0}}},
    {"SportReplacedInSecondHalfYearChoosable",
     0,
     kKlausurwahl2,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 2;
       l.ErsatzfachBis = 6;
       l.Schriftlich[Sp] = 1;
     },
     {{.zeile = Sp, .checked = true, .enabled = true, .flag = 1}}},
    {"SocialEthicsArtsShowFlagsAndStayAttended",
     0,
     kKlausurwahl2,
     [](Laufbahn& l) {
       l.Schriftlich[GW] = 1;
       l.Schriftlich[KM] = 1;
       l.AbwahlEt = 3;
       l.AbwahlKM = 2;
       l.AbwahlWa1 = 1;
     },
     {{.zeile = GW, .checked = true, .enabled = true, .visible = true, .flag = 1},
      {.zeile = Et, .checked = false, .enabled = true, .visible = true, .flag = 0},
      {.zeile = KM, .checked = true, .enabled = true, .visible = true, .flag = 1},
      {.zeile = Wa1, .visible = true}}},
    {"FirstElectiveLanguageLocksOralFlag",
     0,
     kFaecherwahl,
     [](Laufbahn& l) { l.Fach[Wa1] = F7; },
     {{.zeile = Wa1, .checked = false, .enabled = false, .visible = true, .flag = 0}}},
    {"FirstElectiveLanguageLocksWrittenFlag",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Fach[Wa1] = E5;
       l.Schriftlich[Wa1] = 1;
     },
     {{.zeile = Wa1, .checked = true, .enabled = false, .flag = 1}}},
    {"FirstElectiveOtherSubjectChoosable",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Fach[Wa1] = Bi;
       l.Schriftlich[Wa1] = 1;
     },
     {{.zeile = Wa1, .checked = true, .enabled = true, .flag = 1}}},
    {"TwoDeepDivesHaveNoSecondElective",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = VKD;
       l.Schriftlich[Wa2] = 1;
     },
     {{.zeile = Wa2, .checked = false, .enabled = false, .visible = false, .flag = 0}}},
    {"SecondElectiveDroppedAfterEF1HiddenInSecondHalf",
     0,
     kKlausurwahl2,
     [](Laufbahn& l) {
       l.AbwahlEF = 1;
       l.Fach[Wa2] = Bi;
     },
     {{.zeile = Wa2, .visible = false}}},
    {"SecondElectiveDroppedAfterEF1ShownInFirstHalf",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.AbwahlEF = 1;
       l.Fach[Wa2] = Bi;
     },
     {{.zeile = Wa2, .checked = false, .enabled = true, .visible = true}}},
    {"ThreeElectivesKeepSecondElectiveInSecondHalf",
     0,
     kKlausurwahl2,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[Wa2] = Bi;
     },
     {{.zeile = Wa2, .visible = true}, {.zeile = VK1, .visible = false}}},
    {"SecondElectiveLanguageForcedWritten",
     0,
     kFaecherwahl,
     [](Laufbahn& l) { l.Fach[Wa2] = L7; },
     {{.zeile = Wa2, .checked = true, .enabled = false, .visible = true, .flag = 1}}},
    {"SecondElectiveOtherSubjectShowsFlag",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Fach[Wa2] = Ku;
       l.Schriftlich[Wa2] = 1;
     },
     {{.zeile = Wa2, .checked = true, .enabled = true, .visible = true, .flag = 1}}},
    {"ThirdElectiveLanguageForcedWritten",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = I9;
     },
     {{.zeile = VK1, .checked = true, .enabled = false, .visible = true, .flag = 1}}},
    {"ThirdElectiveOtherSubjectShowsFlag",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = Ch;
       l.Schriftlich[VK1] = 1;
     },
     {{.zeile = VK1, .checked = true, .enabled = true, .visible = true, .flag = 1}}},
    {"ThirdElectiveDroppedAfterEF1HiddenInSecondHalfStillWritten",
     0,
     kKlausurwahl2,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[VK1] = I0;
     },
     {{.zeile = VK1, .checked = true, .enabled = false, .visible = false, .flag = 1}}},
    {"DeepDiveRowHasNoWrittenCourse",
     0,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Fach[VK1] = VKM;
       l.Schriftlich[VK1] = 1;
     },
     {{.zeile = VK1, .checked = false, .enabled = false, .visible = false, .flag = 0}}},
};

INSTANTIATE_TEST_SUITE_P(SchriftlichEF, SchriftlichRegel, ::testing::ValuesIn(kEFFaelle),
                         test::FallName<SchriftlichFall>);

// ---------------------------------------------------------------------------------------
// Stages Q1 and Q2.

const SchriftlichFall kQFaelle[] = {
    {"ForeignLanguagesShowFlagsLocked",
     1,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.AbiWahl[AbiPosFS1] = 1;
       l.Schriftlich[FS1] = 0;
       l.Schriftlich[FS2] = 1;
     },
     {{.zeile = FS1, .checked = false, .enabled = false, .visible = true, .bold = true, .flag = 0},
      {.zeile = FS2, .checked = true, .enabled = false, .visible = true, .bold = false, .flag = 1},
      {.zeile = NW2, .visible = false}}},
    {"AbiturRowsBoldAndLockedOthersChoosable",
     1,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosNW1] = 2;
       l.AbiWahl[AbiPosGW] = 3;
       l.Schriftlich[NW1] = 1;
       l.Schriftlich[GW] = 1;
       l.Schriftlich[KM] = 1;
       l.Q1Modell = 1;
     },
     {{.zeile = FS2, .visible = false},
      {.zeile = NW1, .checked = true, .enabled = false, .bold = true, .flag = 1},
      {.zeile = NW2, .checked = false, .enabled = true, .visible = true, .bold = false},
      {.zeile = GW, .checked = true, .enabled = false, .bold = true, .flag = 1},
      {.zeile = Et, .checked = false, .enabled = true, .bold = false, .flag = 0},
      {.zeile = KM, .checked = true, .enabled = true, .bold = false, .flag = 1},
      {.zeile = Wa1, .checked = false, .enabled = true, .visible = true, .bold = false}}},
    {"AbiturRoleOnFirstElectiveLocksIt",
     1,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbiWahl[AbiPosWa1] = 4;
     },
     {{.zeile = Wa1, .enabled = false, .visible = true, .bold = true}}},
    {"GermanAndMathsShowFlags",
     1,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosDe] = 1;
       l.Schriftlich[De] = 0;
       l.Schriftlich[Ma] = 1;
     },
     {{.zeile = De, .checked = false, .enabled = false, .bold = true, .flag = 0},
      {.zeile = Ma, .checked = true, .enabled = false, .bold = false, .flag = 1}}},
    {"SportWithoutReplacementOralAndLocked",
     1,
     kFaecherwahl,
     [](Laufbahn& l) { l.Schriftlich[Sp] = 1; },
     {{.zeile = Sp, .checked = false, .enabled = false, .bold = false, .flag = 0}}},
    {"SportAsAbiturSubjectWritten",
     1,
     kFaecherwahl,
     [](Laufbahn& l) { l.AbiWahl[AbiPosSp] = 4; },
     {{.zeile = Sp, .checked = true, .enabled = false, .bold = true, .flag = 1}}},
    {"SportReplacedThisSemesterChoosable",
     1,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 3;
       l.ErsatzfachBis = 4;
       l.Schriftlich[Sp] = 1;
     },
     {{.zeile = Sp, .checked = true, .enabled = true, .bold = false, .flag = 1}}},
    {"SportReplacedFromNextSemesterOral",
     1,
     kKlausurwahl1,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 4;
       l.ErsatzfachBis = 6;
       l.Schriftlich[Sp] = 1;
     },
     {{.zeile = Sp, .checked = false, .enabled = false, .flag = 0}}},
    {"LastSemesterNothingChoosable",
     2,
     kKlausurwahl2,
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Schriftlich[GW] = 1;
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 5;
       l.ErsatzfachBis = 6;
       l.Schriftlich[Sp] = 1;
     },
     {{.zeile = NW1, .checked = false, .enabled = false, .bold = false},
      {.zeile = GW, .checked = true, .enabled = false, .bold = false, .flag = 1},
      {.zeile = Et, .enabled = false},
      {.zeile = Wa1, .enabled = false, .visible = true},
      {.zeile = Sp, .checked = true, .enabled = false, .bold = false, .flag = 1}}},
    {"FirstSemesterOfQ2Choosable",
     2,
     kKlausurwahl1,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 5;
       l.ErsatzfachBis = 5;
     },
     {{.zeile = NW1, .enabled = true}, {.zeile = Sp, .checked = false, .enabled = true, .flag = 0}}},
    {"ArtsReplacedByLiteratureInQ2Locked",
     2,
     kKlausurwahl1,
     [](Laufbahn& l) {
       l.LitWahl = 1;
       l.AbiWahl[AbiPosKM] = 4;
       l.Schriftlich[KM] = 1;
     },
     {{.zeile = KM, .checked = true, .enabled = false, .bold = false, .flag = 1}}},
    {"ArtsWithLiteratureChoiceInQ1StillChoosable",
     1,
     kFaecherwahl,
     [](Laufbahn& l) { l.LitWahl = 1; },
     {{.zeile = KM, .enabled = true, .bold = false}}},
    {"ProjectModelHidesFirstElectiveInQ1",
     1,
     kFaecherwahl,
     [](Laufbahn& l) { l.Schriftlich[Wa1] = 1; },
     {{.zeile = Wa1, .checked = true, .visible = false, .flag = 1}}},
    {"ProjectModelHidesFirstElectiveInQ2",
     2,
     kFaecherwahl,
     [](Laufbahn& l) { l.Schriftlich[Wa1] = 1; },
     {{.zeile = Wa1, .checked = true, .visible = false, .flag = 1}}},
    {"EFElectiveRowsHidden",
     1,
     kFaecherwahl,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[Wa2] = E5;
       l.Fach[VK1] = Bi;
     },
     {{.zeile = Wa2, .visible = false}, {.zeile = VK1, .visible = false}}},
};

INSTANTIATE_TEST_SUITE_P(SchriftlichQ, SchriftlichRegel, ::testing::ValuesIn(kQFaelle),
                         test::FallName<SchriftlichFall>);

// ---------------------------------------------------------------------------------------
// Boxes of dropped courses: hidden once the course is no longer attended in the half-year
// the plan is made for.

struct BelegtFall {
  const char* name;
  int stufe;
  ui::Datum heute;
  std::uint8_t abwahl;
  bool sichtbar;
};

std::ostream& operator<<(std::ostream& os, const BelegtFall& fall) {
  return os << fall.name;
}

const BelegtFall kBelegtFaelle[] = {
    {"EFAfterQ11", 0, kKlausurwahl2, 1, true},
    {"EFAfterQ21", 0, kFaecherwahl, 3, true},
    {"Q1SubjectChoiceAfterQ11", 1, kFaecherwahl, 1, true},
    {"Q1FirstExamsAfterQ11", 1, kKlausurwahl1, 1, true},
    {"Q1SecondExamsAfterQ11", 1, kKlausurwahl2, 1, false},
    {"Q1SecondExamsAfterQ12", 1, kKlausurwahl2, 2, true},
    {"Q1SecondExamsAfterQ21", 1, kKlausurwahl2, 3, true},
    {"Q2SubjectChoiceAfterQ11", 2, kFaecherwahl, 1, false},
    {"Q2SubjectChoiceAfterQ12", 2, kFaecherwahl, 2, false},
    {"Q2FirstExamsAfterQ12", 2, kKlausurwahl1, 2, false},
    {"Q2FirstExamsAfterQ21", 2, kKlausurwahl1, 3, true},
    {"Q2SecondExamsAfterQ21", 2, kKlausurwahl2, 3, false},
    {"Q2SecondExamsNotDropped", 2, kKlausurwahl2, 0, true},
};

class SchriftlichBelegt : public ::testing::TestWithParam<BelegtFall> {};

TEST_P(SchriftlichBelegt, DroppedCourseBoxVisibility) {
  const BelegtFall& fall = GetParam();
  Umgebung u(fall.stufe, fall.heute);
  u.plan.Q1Modell = 1;
  u.plan.AbwahlEt = fall.abwahl;
  u.plan.AbwahlKM = fall.abwahl;
  u.plan.AbwahlWa1 = fall.abwahl;
  u.form.SchriftlichkeitSetzen();
  EXPECT_EQ(u.form.EtBoxSchriftl.visible(), fall.sichtbar);
  EXPECT_EQ(u.form.KMBoxSchriftl.visible(), fall.sichtbar);
  EXPECT_EQ(u.form.Wa1BoxSchriftl.visible(), fall.sichtbar);
}

INSTANTIATE_TEST_SUITE_P(Schriftlich, SchriftlichBelegt, ::testing::ValuesIn(kBelegtFaelle),
                         [](const ::testing::TestParamInfo<BelegtFall>& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------------------------------
// The semester label.

TEST(SchriftlichStufentext, StageAndHalfYear) {
  struct Fall {
    int stufe;
    ui::Datum heute;
    const char* text;
  };
  const Fall faelle[] = {
      {0, kFaecherwahl, "Hj. EF.1"},  {0, kKlausurwahl2, "Hj. EF.2"}, {1, kKlausurwahl1, "Hj. Q1.1"},
      {1, kKlausurwahl2, "Hj. Q1.2"}, {1, {2027, 1, 15}, "Hj. Q1.2"}, {2, kFaecherwahl, "Hj. Q2.1"},
      {2, kKlausurwahl2, "Hj. Q2.2"},
  };
  for (const Fall& fall : faelle) {
    Umgebung u(fall.stufe, fall.heute);
    u.form.StufentextLabel.setText("");
    u.form.SchriftlichkeitSetzen();
    EXPECT_EQ(u.form.StufentextLabel.text(), fall.text);
  }
}

// ---------------------------------------------------------------------------------------
// Box and flag stay equal, whichever of the two changed.

TEST(SchriftlichKopplung, RuleWritesFlagAlsoWhenBoxAlreadyChecked) {
  Umgebung u(0, kFaecherwahl);
  u.plan.Fach[Wa2] = E5;
  u.form.SchriftlichkeitSetzen();
  // Flags as a plan file may hold them, the boxes still as before.
  u.plan.Schriftlich[FS1] = 0;
  u.plan.Schriftlich[Wa2] = 0;
  ASSERT_TRUE(u.form.FS1BoxSchriftl.checked());
  ASSERT_TRUE(u.form.Wa2BoxSchriftl.checked());

  u.form.SchriftlichkeitSetzen();
  EXPECT_EQ(u.plan.Schriftlich[FS1], 1);
  EXPECT_EQ(u.plan.Schriftlich[Wa2], 1);
}

TEST(SchriftlichKopplung, RuleWritesFlagAlsoWhenBoxAlreadyUnchecked) {
  Umgebung u(1, kFaecherwahl);
  u.plan.Schriftlich[Sp] = 1;
  ASSERT_FALSE(u.form.SpBoxSchriftl.checked());

  u.form.SchriftlichkeitSetzen();
  EXPECT_EQ(u.plan.Schriftlich[Sp], 0);
  EXPECT_EQ(u.form.SpBoxSchriftl.text(), "mündl.");
}

TEST(SchriftlichKopplung, LanguageLeavingSecondElectiveKeepsFlagUntilUnchecked) {
  Umgebung u(0, kFaecherwahl);
  u.plan.Fach[Wa2] = E5;
  u.form.SchriftlichkeitSetzen();
  EXPECT_FALSE(u.form.Wa2BoxSchriftl.enabled());
  EXPECT_EQ(u.plan.Schriftlich[Wa2], 1);

  u.plan.Fach[Wa2] = Bi;
  u.form.SchriftlichkeitSetzen();
  EXPECT_TRUE(u.form.Wa2BoxSchriftl.enabled());
  EXPECT_TRUE(u.form.Wa2BoxSchriftl.checked());
  EXPECT_EQ(u.plan.Schriftlich[Wa2], 1);

  u.form.Wa2BoxSchriftl.userClick();
  EXPECT_EQ(u.plan.Schriftlich[Wa2], 0);
  EXPECT_EQ(u.form.Wa2BoxSchriftl.text(), "mündl.");
  u.form.SchriftlichkeitSetzen();
  EXPECT_FALSE(u.form.Wa2BoxSchriftl.checked());
  EXPECT_EQ(u.plan.Schriftlich[Wa2], 0);
}

// A first elective in a language keeps the language focus open into the Q phase only when
// it is written; the note under the grid shows how long.
class SchriftlichOffenhaltung : public ::testing::Test {
 protected:
  SchriftlichOffenhaltung() {
    u.plan.Fach[Wa1] = E5;
    u.plan.Q1Modell = 1;
  }
  Umgebung u{1, kFaecherwahl};
};

TEST_F(SchriftlichOffenhaltung, FirstElectiveBoxChangeRecomputesNote) {
  ASSERT_FALSE(u.form.Wa1BoxSchriftl.checked());
  ASSERT_FALSE(u.form.Offenhaltung3.visible());

  u.plan.Schriftlich[Wa1] = 1;
  u.form.SchriftlichkeitSetzen();
  EXPECT_TRUE(u.form.Wa1BoxSchriftl.checked());
  EXPECT_TRUE(u.form.Offenhaltung3.visible());
  EXPECT_EQ(u.form.Offenhaltung3.text(), "bis in JgSt Q2");

  u.plan.Schriftlich[Wa1] = 0;
  u.form.SchriftlichkeitSetzen();
  EXPECT_FALSE(u.form.Wa1BoxSchriftl.checked());
  EXPECT_EQ(u.form.Offenhaltung3.text(), "bis Ende JgSt EF");
}

TEST_F(SchriftlichOffenhaltung, FirstElectiveBoxSetToItsStateLeavesNote) {
  u.plan.Schriftlich[Wa1] = 1;
  u.form.SchriftlichkeitSetzen();
  ASSERT_EQ(u.form.Offenhaltung3.text(), "bis in JgSt Q2");

  // Without a language in the row a recomputed note would disappear; the box keeps its
  // state, so nothing recomputes it.
  u.plan.Fach[Wa1] = Bi;
  u.form.SchriftlichkeitSetzen();
  EXPECT_TRUE(u.form.Wa1BoxSchriftl.checked());
  EXPECT_TRUE(u.form.Offenhaltung3.visible());
  EXPECT_EQ(u.form.Offenhaltung3.text(), "bis in JgSt Q2");
}

}  // namespace
}  // namespace kelvaro
