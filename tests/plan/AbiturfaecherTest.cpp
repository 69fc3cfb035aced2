#include "app/PlanJson.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kelvaro {
namespace {

// A program started on a given day for a given stage, on a design-size screen.
struct Sitzung : test::Testprogramm {
  Sitzung(ui::Datum heute, int stufe) : Testprogramm({.stufe = stufe, .heute = heute, .verzeichnis = "/tmp"}) {}
};

// Exam choices for the second half-year: Q1.2 with stage 1, Q2.2 with stage 2, EF.2 with 0.
constexpr ui::Datum Dezember{2025, 12, 10};
// Exam choices for the first half-year.
constexpr ui::Datum September{2025, 9, 10};

struct RollenFall {
  const char* name;
  int stufe;
  ui::Datum heute;
  AbiPosition position;
  int rolle;
  std::uint8_t vorher;  // the row's written flag before the choice
  std::uint8_t nachher;
};

TEST(AbiturRolle, WrittenFlagFollowsStageAndRole) {
  const RollenFall faelle[] = {
      {"efLeavesAnOralScienceOral", 0, Dezember, AbiPosNW1, 1, 0, 0},
      {"efLeavesAWrittenSocietyWritten", 0, Dezember, AbiPosGW, 4, 1, 1},
      {"efMathematicsIsWrittenWhateverTheRole", 0, Dezember, AbiPosMa, 0, 0, 1},
      {"q1FourthSubjectIsWritten", 1, Dezember, AbiPosNW1, 4, 0, 1},
      {"q1AdvancedCourseIsWritten", 1, September, AbiPosKM, 1, 0, 1},
      {"q1EmptyRoleKeepsOral", 1, Dezember, AbiPosNW1, 0, 0, 0},
      {"q1EmptyRoleKeepsWritten", 1, Dezember, AbiPosGW, 0, 1, 1},
      {"q1GermanWrittenWithoutRole", 1, Dezember, AbiPosDe, 0, 0, 1},
      {"q1GermanWrittenAsFourthSubject", 1, Dezember, AbiPosDe, 4, 0, 1},
      {"q21FourthSubjectIsWritten", 2, September, AbiPosEt, 4, 0, 1},
      {"q21GermanWrittenAsFourthSubject", 2, September, AbiPosDe, 4, 0, 1},
      {"q22AdvancedCourseIsWritten", 2, Dezember, AbiPosNW1, 1, 0, 1},
      {"q22ThirdSubjectIsWritten", 2, Dezember, AbiPosGW, 3, 0, 1},
      {"q22FourthSubjectIsOral", 2, Dezember, AbiPosNW1, 4, 1, 0},
      {"q22NoRoleIsOral", 2, Dezember, AbiPosKM, 0, 1, 0},
      {"q22GermanFourthSubjectIsOral", 2, Dezember, AbiPosDe, 4, 1, 0},
      {"q22GermanSecondAdvancedCourseIsWritten", 2, Dezember, AbiPosDe, 2, 0, 1},
      {"q22MathematicsThirdSubjectIsWritten", 2, Dezember, AbiPosMa, 3, 0, 1},
      {"q22MathematicsWithoutRoleIsOral", 2, Dezember, AbiPosMa, 0, 1, 0},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.heute, fall.stufe);
    const RasterTyp raster = AbiPositionRaster(fall.position);
    s.l.Schriftlich[raster] = fall.vorher;
    s.f.SchriftlichkeitSetzen();
    ASSERT_EQ(s.l.Schriftlich[raster], fall.vorher);
    const auto andere = s.l.Schriftlich;

    ui::ChoiceBox& box = *s.f.AbiBox[fall.position];
    box.userSelect(fall.rolle);

    EXPECT_EQ(s.l.AbiWahl[fall.position], fall.rolle);
    EXPECT_EQ(box.itemIndex(), fall.rolle);
    EXPECT_EQ(s.l.Schriftlich[raster], fall.nachher);
    for (std::size_t zeile = 0; zeile < andere.size(); ++zeile) {
      if (zeile != static_cast<std::size_t>(raster)) {
        EXPECT_EQ(s.l.Schriftlich[zeile], andere[zeile]) << "row " << RasterName(static_cast<int>(zeile));
      }
    }
    // In EF the German and mathematics boxes always read written, whatever the flag.
    if (fall.stufe != 0 || (raster != De && raster != Ma)) {
      const ui::CheckBox& schriftl = *s.f.SchriftlBox[raster];
      EXPECT_EQ(schriftl.checked(), fall.nachher == 1);
      EXPECT_EQ(schriftl.text(), fall.nachher == 1 ? "schriftl." : "mündl.");
    }
  }
}

TEST(AbiturRolle, AnAbiturRowIsBoldAndLockedInTheQPhase) {
  Sitzung s(Dezember, 1);
  s.f.AbiNW1.userChoose("LK B");
  EXPECT_EQ(s.l.AbiWahl[AbiPosNW1], 2);
  EXPECT_TRUE(s.f.NW1BoxSchriftl.checked());
  EXPECT_TRUE(s.f.NW1BoxSchriftl.bold());
  EXPECT_FALSE(s.f.NW1BoxSchriftl.enabled());

  // Taking the role away leaves the row written but lets the student change it again.
  s.f.AbiNW1.userChoose("");
  EXPECT_EQ(s.l.AbiWahl[AbiPosNW1], 0);
  EXPECT_EQ(s.l.Schriftlich[NW1], 1);
  EXPECT_FALSE(s.f.NW1BoxSchriftl.bold());
  EXPECT_TRUE(s.f.NW1BoxSchriftl.enabled());
}

TEST(AbiturRolle, ATextThatIsNoRoleSelectsTheEmptyItem) {
  Sitzung s(Dezember, 1);
  s.f.AbiGW.userChoose("LK A");
  ASSERT_EQ(s.l.AbiWahl[AbiPosGW], 1);
  s.f.AbiGW.userChoose("Leistungskurs");
  EXPECT_EQ(s.f.AbiGW.itemIndex(), 0);
  EXPECT_EQ(s.f.AbiGW.text(), "");
  EXPECT_EQ(s.l.AbiWahl[AbiPosGW], 0);
}

TEST(AbiturRolle, EveryRoleChangeMarksTheGradeAsOutdatedButAWrittenClickDoesNot) {
  Sitzung s(Dezember, 1);
  s.l.Noten[0][3] = 12;
  s.l.Noten[4][3] = 9;

  s.l.AbiNoteBerechnet = 1;
  s.f.AbiNW1.userSelect(0);  // the role it already had
  EXPECT_EQ(s.l.AbiNoteBerechnet, 0);
  EXPECT_EQ(s.l.Noten[0][3], 12);  // no grade-book column belongs to a role
  EXPECT_EQ(s.l.Noten[4][3], 9);

  s.l.AbiNoteBerechnet = 1;
  s.f.AbiDeu.userSelect(3);
  EXPECT_EQ(s.l.AbiNoteBerechnet, 0);

  s.l.AbiNoteBerechnet = 1;
  s.f.GWBoxSchriftl.userClick();
  EXPECT_EQ(s.l.Schriftlich[GW], 1);
  EXPECT_EQ(s.l.AbiNoteBerechnet, 1);
}

TEST(SchriftlBox, AClickCopiesTheStateIntoTheFlagAndCaption) {
  Sitzung s(Dezember, 1);
  struct Fall {
    const char* name;
    ui::CheckBox* box;
    RasterTyp raster;
  };
  const Fall faelle[] = {
      {"science", &s.f.NW1BoxSchriftl, NW1}, {"secondScience", &s.f.NW2BoxSchriftl, NW2},
      {"society", &s.f.GWBoxSchriftl, GW},   {"religion", &s.f.EtBoxSchriftl, Et},
      {"arts", &s.f.KMBoxSchriftl, KM},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    ASSERT_TRUE(fall.box->reachable());
    ASSERT_EQ(s.l.Schriftlich[fall.raster], 0);
    fall.box->userClick();
    EXPECT_EQ(s.l.Schriftlich[fall.raster], 1);
    EXPECT_EQ(fall.box->text(), "schriftl.");
    fall.box->userClick();
    EXPECT_EQ(s.l.Schriftlich[fall.raster], 0);
    EXPECT_EQ(fall.box->text(), "mündl.");
  }
}

TEST(SchriftlBox, TheFirstElectivesBoxRenewsTheKeepingOpenNote) {
  Sitzung s(Dezember, 1);
  s.f.PKEntBox.userChoose("Wahlfach");
  s.f.WahlWa1.userChoose("Englisch (ab 5)");  // a language elective is written
  ASSERT_EQ(s.l.Schriftlich[Wa1], 1);
  ASSERT_TRUE(s.f.Wa1BoxSchriftl.reachable());
  EXPECT_EQ(s.f.Offenhaltung3.text(), "bis in JgSt Q2");

  s.f.Wa1BoxSchriftl.userClick();
  EXPECT_EQ(s.l.Schriftlich[Wa1], 0);
  EXPECT_EQ(s.f.Wa1BoxSchriftl.text(), "mündl.");
  EXPECT_EQ(s.f.Offenhaltung3.text(), "bis Ende JgSt EF");

  s.f.Wa1BoxSchriftl.userClick();
  EXPECT_EQ(s.f.Offenhaltung3.text(), "bis in JgSt Q2");
}

// A plan with something in every part that "Fächer löschen" resets or keeps.
void VollenPlanWaehlen(Sitzung& s) {
  TForm1& f = s.f;
  f.Schwerpunkt.userChoose("Fremdsprachlicher Schwerpunkt");
  f.WahlFS1.userChoose("Französisch (ab 7)");
  f.WahlFS2.userChoose("Italienisch (ab 11)");
  f.WahlNW1.userChoose("Physik");
  f.WahlGW.userChoose("Erdkunde");
  f.WahlEt.userChoose("Philosophie");
  f.WahlKM.userChoose("Musik");
  f.VK10EntBox.userChoose("kein VTK+12 GKs (3 Wahlfächer)");
  f.WahlVK10.userChoose("Latein (ab 7)");
  f.WahlWa2.userChoose("Geschichte");
  f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");
  f.WahlWa1.userChoose("Informatik");
  f.WahlPK.userChoose("Podcast");
  f.VK12JNBox.userChoose("ja");
  f.WahlVK30.userChoose("VK Mathem.");
  f.LitJNBox.userChoose("vok.prak. GK");
  f.ErsatzfachBut.userClick();
  f.WahlErsatzfach.userChoose("Chemie");
  f.ErsatzFachStartBox.userChoose("EF.2");
  f.ErsatzFachEndeBox.userChoose("Q1.2");
  f.Button4.userClick();
  f.AbiFS1.userChoose("LK A");
  f.AbiNW1.userChoose("LK B");
  f.AbiDeu.userChoose("3. Abifach, schriftlich");
  f.AbiGW.userChoose("4. Abifach, mündlich");
  f.EtBoxSchriftl.userClick();

  Laufbahn& l = s.l;
  l.Nachname = "Jäger";
  l.Vorname = "Zoë";
  l.ZweiteFSSek1 = 3;
  l.AlternativPK = PKTL;
  for (std::size_t slot = 0; slot < NotenSlots; ++slot) {
    for (std::size_t spalte = 1; spalte <= NotenSpalten; ++spalte) {
      l.Noten[slot][spalte] = static_cast<std::int32_t>((slot + spalte) % 16);
    }
  }
  l.NotenKursZahl = 13;
  l.KursZaehlart[0][1] = LKs;
  l.KursZaehlart[3][2] = Belegt;
  l.KursKurzname[1] = "Fra";
  l.AbiNoteBerechnet = 1;
  l.PruefungBestanden = 1;
  l.ZulassungBestanden = 1;
  l.AbiNote = 2.3;
}

TEST(FaecherLoeschen, ReturnsThePlanToItsStartButKeepsNamesAndReplacementSubject) {
  Sitzung frisch(Dezember, 1);
  Sitzung s(Dezember, 1);
  VollenPlanWaehlen(s);
  ASSERT_EQ(s.l.Fach[Sp], Ch);
  ASSERT_EQ(s.l.EFModell, 1);
  ASSERT_EQ(s.l.Q1Modell, 2);
  ASSERT_EQ(s.l.SchwerpunktFS, 1);
  ASSERT_EQ(s.l.VKQ22, 1);
  ASSERT_EQ(s.l.LitWahl, 2);
  ASSERT_EQ(s.l.ErsatzfachAktiv, 1);
  ASSERT_EQ(s.l.ErsatzfachVon, 2);
  ASSERT_EQ(s.l.AbiWahl[AbiPosGW], 4);
  ASSERT_EQ(s.l.Fach[VK3], VKM);

  s.f.Button2.userClick();

  nlohmann::ordered_json erwartet = PlanAlsJson(frisch.programm);
  nlohmann::ordered_json ist = PlanAlsJson(s.programm);
  erwartet.erase("Controls");
  ist.erase("Controls");
  // Kept: the replacement subject, the names, the language declaration, the alternative
  // project course and the grade book apart from the grade points.
  erwartet["Fach"]["Sp"] = "Ch";
  erwartet["Nachname"] = "Jäger";
  erwartet["Vorname"] = "Zoë";
  erwartet["ZweiteFSSek1"] = 3;
  erwartet["AlternativPK"] = "PKTL";
  erwartet["NotenKursZahl"] = 13;
  erwartet["KursZaehlart"][0][0] = LKs;
  erwartet["KursZaehlart"][3][1] = Belegt;
  erwartet["KursKurzname"][0] = "Fra";
  erwartet["PruefungBestanden"] = 1;
  erwartet["ZulassungBestanden"] = 1;
  erwartet["AbiNote"] = 2.3;
  EXPECT_EQ(nlohmann::ordered_json::diff(erwartet, ist), nlohmann::ordered_json::array());

  const TForm1& f = s.f;
  for (const ui::ChoiceBox* box : f.AbiBox) {
    EXPECT_EQ(box->itemIndex(), 0) << box->name();
    EXPECT_EQ(box->text(), "") << box->name();
  }
  EXPECT_EQ(f.Schwerpunkt.text(), "Naturwissenschaftlicher Schwerpunkt");
  EXPECT_TRUE(f.AbiNW2.visible());
  EXPECT_FALSE(f.AbiFS2.visible());
  EXPECT_FALSE(f.Wa12.visible());
  EXPECT_FALSE(f.Wa13.visible());
  EXPECT_TRUE(f.PK1.visible());
  EXPECT_TRUE(f.WahlPK.visible());
  EXPECT_EQ(f.VK12JNBox.text(), "nein");
  EXPECT_FALSE(f.VK30.visible());
  EXPECT_FALSE(f.WahlVK30.visible());
  EXPECT_FALSE(f.VK33.visible());
  EXPECT_FALSE(f.AbwEFBox.visible());
  EXPECT_FALSE(f.AbwEFLab.visible());
  EXPECT_EQ(f.Wa21.width(), 145);
  EXPECT_EQ(f.Wa12.width(), 145);
  EXPECT_EQ(f.KM3.width(), 145);
  EXPECT_TRUE(f.KM3.visible());
  EXPECT_EQ(f.KM3.text(), "");
  EXPECT_TRUE(f.Et3.visible());
  EXPECT_EQ(f.AbwKMBox.text(), "keine Abw.");
  EXPECT_EQ(f.AbwWa1Box.text(), "keine Abw.");
  EXPECT_EQ(f.ErsatzFachStartBox.itemIndex(), 0);
  EXPECT_EQ(f.ErsatzFachEndeBox.itemIndex(), 5);
  EXPECT_EQ(f.SP1.text(), "Sport");  // the replacement subject is no longer in force
  EXPECT_FALSE(f.Sp1a.visible());
  EXPECT_EQ(f.GW1.text(), "");
  EXPECT_EQ(f.VK11.text(), "");
  EXPECT_EQ(s.f.AbwEFMerker, 0);
  EXPECT_EQ(s.f.AbiLeerVerborgen, 0);
}

TEST(FaecherLoeschen, WrittenFlagsStartOverForTheHalfYear) {
  struct Fall {
    const char* name;
    int stufe;
    std::array<std::uint8_t, 13> schriftlich;
    bool deutschAngekreuzt;
  };
  const Fall faelle[] = {
      {"q1", 1, {1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0}, true},
      // In the second half of Q2 only Abitur roles make a course written, and none is left.
      {"q22", 2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember, fall.stufe);
    s.f.AbiNW1.userChoose("LK A");
    s.f.AbiDeu.userChoose("LK B");
    s.f.AbiSp.userChoose("3. Abifach, schriftlich");
    s.f.GWBoxSchriftl.userClick();
    s.l.Schriftlich[Wa2] = 1;
    s.l.Schriftlich[VK1] = 1;

    s.f.Button2.userClick();

    EXPECT_EQ(s.l.Schriftlich, fall.schriftlich);
    EXPECT_EQ(s.f.DeuBoxSchriftl.checked(), fall.deutschAngekreuzt);
    EXPECT_FALSE(s.f.NW1BoxSchriftl.checked());
    EXPECT_FALSE(s.f.SpBoxSchriftl.checked());
    EXPECT_FALSE(s.f.NW1BoxSchriftl.bold());
  }
}

TEST(AbiFaecherLoeschen, RemovesEveryRoleButLeavesTheWrittenFlags) {
  Sitzung s(Dezember, 1);
  s.f.WahlGW.userChoose("Geschichte");
  s.f.AbiNW1.userChoose("LK A");
  s.f.AbiGW.userChoose("4. Abifach, mündlich");
  s.f.AbiDeu.userChoose("3. Abifach, schriftlich");
  s.f.AbiWa1.setText("LK B");
  s.l.Noten[1][7] = 11;
  s.l.AbiNoteBerechnet = 1;

  s.f.Button1.userClick();

  EXPECT_EQ(s.l.AbiWahl, (std::array<std::int32_t, AbiPositionAnzahl>{}));
  for (const ui::ChoiceBox* box : s.f.AbiBox) {
    EXPECT_EQ(box->itemIndex(), 0) << box->name();
    EXPECT_EQ(box->text(), "") << box->name();
  }
  EXPECT_EQ(s.l.AbiNoteBerechnet, 0);
  EXPECT_EQ(s.l.Noten[1][7], 11);
  EXPECT_EQ(s.l.Fach[GW], Ge);
  EXPECT_EQ(s.l.Schriftlich[NW1], 1);
  EXPECT_EQ(s.l.Schriftlich[GW], 1);
  // No longer Abitur rows: normal font, and the student may make them oral again.
  EXPECT_TRUE(s.f.NW1BoxSchriftl.checked());
  EXPECT_FALSE(s.f.NW1BoxSchriftl.bold());
  EXPECT_TRUE(s.f.NW1BoxSchriftl.enabled());
  EXPECT_TRUE(s.f.GWBoxSchriftl.enabled());
}

TEST(Aufraeumen, HidesTheEmptyAbiturBoxesAndShowsThemAgain) {
  struct Fall {
    const char* name;
    const char* schwerpunkt;
    ui::ChoiceBox TForm1::*zweiteZeile;
    ui::ChoiceBox TForm1::*andereZeile;
  };
  const Fall faelle[] = {
      {"scienceFocus", "Naturwissenschaftlicher Schwerpunkt", &TForm1::AbiNW2, &TForm1::AbiFS2},
      {"languageFocus", "Fremdsprachlicher Schwerpunkt", &TForm1::AbiFS2, &TForm1::AbiNW2},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember, 1);
    TForm1& f = s.f;
    f.Schwerpunkt.userChoose(fall.schwerpunkt);
    f.AbiNW1.userChoose("LK A");
    f.AbiDeu.userChoose("3. Abifach, schriftlich");

    f.AufraeumenBut.userClick();
    EXPECT_EQ(s.f.AbiLeerVerborgen, 1);
    EXPECT_EQ(f.AufraeumenBut.text(), "alle Abiturfächer anzeigen");
    EXPECT_EQ(f.AufraeumenBut.hint(), "stellt wieder alle Eingabemöglichkeiten für Abiturfächer dar");
    for (const ui::ChoiceBox* box : f.AbiBox) {
      const bool gewaehlt = box == &f.AbiNW1 || box == &f.AbiDeu;
      EXPECT_EQ(box->visible(), gewaehlt) << box->name();
    }

    f.AufraeumenBut.userClick();
    EXPECT_EQ(s.f.AbiLeerVerborgen, 0);
    EXPECT_EQ(f.AufraeumenBut.text(), "leere Abiturfächer verbergen");
    EXPECT_EQ(f.AufraeumenBut.hint(), "blendet nicht gewählte Abiturfächer aus");
    for (const ui::ChoiceBox* box : f.AbiBox) {
      const bool andererSchwerpunkt = box == &(f.*fall.andereZeile);
      EXPECT_EQ(box->visible(), !andererSchwerpunkt) << box->name();
    }
    EXPECT_TRUE((f.*fall.zweiteZeile).visible());
    EXPECT_EQ(f.AbiNW1.itemIndex(), 1);
  }
}

}  // namespace
}  // namespace kelvaro
