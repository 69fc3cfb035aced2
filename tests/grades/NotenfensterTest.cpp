#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "support/Faelle.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"
#include "ui/Canvas.h"
#include "ui/Printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

// Columns of the grade book of the plan below: English (LK A), physics (LK B), chemistry,
// German, mathematics (third subject), sport, history (fourth subject), religion, music,
// the project course (Q1 only) and the additional course social science (Q2 only).
constexpr int Chemie = 3, Mathematik = 5, Projekt = 10, Zusatz = 11;
constexpr int Eingabeslots = 44;

class Notenfenster : public ::testing::Test {
 protected:
  void SetUp() override {
    test::GueltigerQ1Plan(f);
    m.activate();
    ASSERT_TRUE(m.NotenBerechnungBut.enabled());
    m.NotenBerechnungBut.userClick();
    ASSERT_EQ(l.NotenKursZahl, 11);
  }

  // Points into every slot that takes points, as the user does: start, then the buttons.
  void AlleEingeben(int punkte) {
    if (n.EingabeStartBut.visible()) {
      n.EingabeStartBut.userClick();
    }
    for (int i = 0; i < Eingabeslots && n.FehlendeNoten > 0; ++i) {
      n.PunkteBut(punkte).userClick();
    }
  }

  // A click into the middle of a sheet cell.
  void Klicken(int slot, int kurs) { n.Zeichenflaeche.userMouseDown(320 + 60 * (slot - 1) + 30, 85 + 30 * (kurs - 1)); }
  std::pair<int, int> Marke() const { return {n.EingabeSlot, n.EingabeKurs}; }

  std::vector<std::string> Gemalt() {
    ui::RecordingCanvas canvas;
    n.Zeichenflaeche.paint(canvas);
    std::vector<std::string> texte;
    for (const auto& aufruf : canvas.aufrufe()) {
      if (aufruf.art == "text") {
        texte.push_back(aufruf.text);
      }
    }
    return texte;
  }
  bool Gemalt(const std::string& text) {
    const auto texte = Gemalt();
    return std::find(texte.begin(), texte.end(), text) != texte.end();
  }

  bool PunktButtonsFrei() {
    for (int punkte = 0; punkte <= 15; ++punkte) {
      if (n.PunkteBut(punkte).enabled() != n.PunkteBut(0).enabled()) {
        ADD_FAILURE() << "point buttons disagree at " << punkte;
      }
    }
    return n.PunkteBut(0).enabled();
  }
  bool InfoButtonsFrei() {
    return n.GewerteteKurseBut.enabled() && n.NichtGewerteteKurseBut.enabled() && n.DefiziteBut.enabled() &&
           n.AbiturPruefungenBut.enabled();
  }
  bool InfoButtonsGesperrt() {
    return !n.GewerteteKurseBut.enabled() && !n.NichtGewerteteKurseBut.enabled() && !n.DefiziteBut.enabled() &&
           !n.AbiturPruefungenBut.enabled();
  }

  test::Testprogramm t;
  TForm1& f = t.f;
  Laufbahn& l = t.l;
  TForm2& m = t.programm.meldungsfenster();
  TForm4& n = t.programm.notenfenster();
};

TEST_F(Notenfenster, OpensWithTheNoticeWhilePointsAreMissing) {
  EXPECT_TRUE(n.visible());
  EXPECT_EQ(n.caption(), "Berechnung Ihrer Abiturnote (Numerus Clausus)");
  EXPECT_EQ(n.FehlendeNoten, Eingabeslots);
  EXPECT_EQ(n.Ansicht, 4);
  EXPECT_EQ(Marke(), std::make_pair(1, 1));
  EXPECT_TRUE(n.EingabeStartBut.visible());
  EXPECT_FALSE(n.NotenLoeschenBut.enabled());
  EXPECT_FALSE(n.AbiturNoteBerechnenBut.enabled());
  EXPECT_FALSE(n.NotenAendernBut.enabled());
  EXPECT_TRUE(InfoButtonsGesperrt());
  EXPECT_FALSE(PunktButtonsFrei());
  EXPECT_FALSE(n.FreudeImage.visible());
  EXPECT_FALSE(n.TrauerImage.visible());
  EXPECT_EQ(test::Steuerelement<ui::Button>(n, "P13But").text(), "13 P. (1-)");
  EXPECT_EQ(test::Steuerelement<ui::Button>(n, "P0But").text(), "0 P. (6)");
  EXPECT_TRUE(Gemalt("Insgesamt 11 Fächer in Q1 und Q2  -  Prüfungsordnung APO-GOSt(B)10/G8"));
}

TEST_F(Notenfenster, OpensReadyToComputeWhenEveryPointIsThere) {
  AlleEingeben(10);
  n.SchliessenClick();
  m.NotenBerechnungBut.userClick();  // the stored points stay
  EXPECT_EQ(n.FehlendeNoten, 0);
  EXPECT_FALSE(n.EingabeStartBut.visible());
  EXPECT_TRUE(n.AbiturNoteBerechnenBut.enabled());
  EXPECT_TRUE(n.NotenLoeschenBut.enabled());
  EXPECT_TRUE(n.NotenAendernBut.enabled());
  EXPECT_FALSE(PunktButtonsFrei());
}

struct Schrittfall {
  std::string name;
  std::pair<int, int> von;  // slot, course
  std::pair<int, int> nach;
};

class Eingabemarke : public Notenfenster, public ::testing::WithParamInterface<Schrittfall> {};

TEST_P(Eingabemarke, EnteringPointsMovesTheMarkOn) {
  const Schrittfall& fall = GetParam();
  n.EingabeStartBut.userClick();
  Klicken(fall.von.first, fall.von.second);
  ASSERT_EQ(Marke(), fall.von);
  n.P12But.userClick();
  EXPECT_EQ(l.Noten[static_cast<std::size_t>(fall.von.first - 1)][static_cast<std::size_t>(fall.von.second)], 12);
  EXPECT_EQ(Marke(), fall.nach);
}

INSTANTIATE_TEST_SUITE_P(Weg, Eingabemarke,
                         ::testing::Values(Schrittfall{"WithinACourse", {2, 1}, {3, 1}},
                                           Schrittfall{"BasicCourseQ22ToTheNextCourse", {4, Chemie}, {1, Chemie + 1}},
                                           Schrittfall{"AbiturCourseQ22ToItsExam", {4, Mathematik}, {5, Mathematik}},
                                           Schrittfall{"ExamToTheNextCourse", {5, 1}, {1, 2}},
                                           Schrittfall{
                                               "ProjectCourseQ12StraightToTheNextCourse", {2, Projekt}, {3, Zusatz}},
                                           Schrittfall{"LastSlotOfTheLastCourseToTheFirst", {4, Zusatz}, {1, 1}}),
                         test::FallName<Schrittfall>);

TEST_F(Notenfenster, ClickingASlotWithoutPointsSkipsToTheNextOne) {
  n.EingabeStartBut.userClick();
  Klicken(3, Projekt);  // Q2.1 of the project course is not taken
  EXPECT_EQ(Marke(), std::make_pair(3, Zusatz));
  Klicken(1, Zusatz);  // the additional course runs in Q2 only
  EXPECT_EQ(Marke(), std::make_pair(3, Zusatz));
  // Wrapping after the last course.
  l.KursZaehlart[3][Zusatz] = nichtbelegt;
  l.KursZaehlart[4][Zusatz] = nichtbelegt;
  Klicken(3, Zusatz);
  EXPECT_EQ(Marke(), std::make_pair(1, 1));
}

TEST_F(Notenfenster, ClicksOutsideTheSlotsAreIgnored) {
  n.EingabeStartBut.userClick();
  Klicken(2, 2);
  const int vorher = n.Zeichenflaeche.repaintRequests();
  const std::pair<int, int> ignoriert[] = {
      {320, 85}, {620, 85}, {400, 70}, {400, 40}, {590, 85 + 30 * (Chemie - 1)}, {400, 85 + 30 * 11}};
  for (const auto& [x, y] : ignoriert) {
    n.Zeichenflaeche.userMouseDown(x, y);
    EXPECT_EQ(Marke(), std::make_pair(2, 2)) << x << "," << y;
  }
  EXPECT_EQ(n.Zeichenflaeche.repaintRequests(), vorher);
  // Only courses 1..13 can be clicked, even in a longer grade book.
  l.NotenKursZahl = 14;
  for (std::size_t kurs = 12; kurs <= 14; ++kurs) {
    for (std::size_t slot = 1; slot <= 4; ++slot) {
      l.KursZaehlart[slot][kurs] = Belegt;
    }
  }
  n.Zeichenflaeche.userMouseDown(400, 470);
  EXPECT_EQ(Marke(), std::make_pair(2, 2));
  n.Zeichenflaeche.userMouseDown(400, 455);
  EXPECT_EQ(Marke(), std::make_pair(2, 13));
}

TEST_F(Notenfenster, MouseMovesAreTracedInTheHiddenField) {
  n.Zeichenflaeche.userMouseMove(350, 85);
  EXPECT_EQ(n.Edit1.text(), "x: 350 y: 85 x1: 1 y1: 1");
  EXPECT_FALSE(n.Edit1.visible());
}

TEST_F(Notenfenster, EnteringPointsMarksTheGradeAsNotCurrent) {
  l.AbiNoteBerechnet = 1;
  n.EingabeStartBut.userClick();
  EXPECT_EQ(n.Ansicht, 5);
  EXPECT_TRUE(PunktButtonsFrei());
  EXPECT_TRUE(n.NotenLoeschenBut.enabled());
  EXPECT_FALSE(n.EingabeStartBut.visible());
  n.P3But.userClick();
  EXPECT_EQ(l.Noten[0][1], 3);
  EXPECT_EQ(l.AbiNoteBerechnet, 0);
  EXPECT_EQ(n.FehlendeNoten, Eingabeslots - 1);
  EXPECT_TRUE(Gemalt("Noch 43 fehlende Noten"));
  AlleEingeben(10);
  EXPECT_EQ(n.FehlendeNoten, 0);
  EXPECT_TRUE(n.AbiturNoteBerechnenBut.enabled());
  EXPECT_TRUE(Gemalt("keine fehlenden Noten"));
}

TEST_F(Notenfenster, ComputingShowsTheResultAndStoresItInThePlan) {
  AlleEingeben(10);
  n.AbiturNoteBerechnenBut.userClick();
  EXPECT_EQ(n.Ausgewertet, 1);
  EXPECT_EQ(n.Ansicht, 0);
  EXPECT_TRUE(n.NotenAendernBut.enabled());
  EXPECT_TRUE(InfoButtonsFrei());
  EXPECT_FALSE(n.AbiturNoteBerechnenBut.enabled());
  EXPECT_FALSE(PunktButtonsFrei());
  EXPECT_TRUE(n.FreudeImage.visible());
  EXPECT_FALSE(n.TrauerImage.visible());
  EXPECT_EQ(n.Ergebnis.PunkteBlock1, 400);
  EXPECT_EQ(n.Ergebnis.Gesamtpunkte, 600);
  EXPECT_EQ(l.AbiNoteBerechnet, 1);
  EXPECT_EQ(l.ZulassungBestanden, 1);
  EXPECT_EQ(l.PruefungBestanden, 1);
  EXPECT_DOUBLE_EQ(l.AbiNote, 2.3);
  EXPECT_EQ(l.KursZaehlart[1][1], LK);
  EXPECT_EQ(l.KursZaehlart[1][Chemie], Belegt);  // dropped, in the focus
  EXPECT_EQ(l.KursZaehlart[3][Chemie], Pflicht);
  EXPECT_TRUE(Gemalt("Abitur bestanden mit der Abiturnote (Numerus Clausus) 2,3  ,   insgesamt 600 Punkte"));
  EXPECT_TRUE(t.dialogs.messages().empty());

  // The same grade book evaluated again starts from the same state.
  n.NotenAendernBut.userClick();
  n.AbiturNoteBerechnenBut.userClick();
  EXPECT_EQ(l.KursZaehlart[1][Chemie], Belegt);
  EXPECT_EQ(n.Ergebnis.GewerteteGKs, 27);
}

TEST_F(Notenfenster, APoorResultShowsTheSadPicture) {
  AlleEingeben(3);
  n.AbiturNoteBerechnenBut.userClick();
  EXPECT_EQ(l.ZulassungBestanden, 0);
  EXPECT_EQ(l.PruefungBestanden, 0);
  EXPECT_FALSE(n.FreudeImage.visible());
  EXPECT_TRUE(n.TrauerImage.visible());
}

TEST_F(Notenfenster, ARepaintKeepsTheComputedResult) {
  AlleEingeben(10);
  n.AbiturNoteBerechnenBut.userClick();
  n.DefiziteBut.userClick();
  EXPECT_EQ(n.Ansicht, 2);
  // Another window covered the sheet: the platform paints it again.
  Gemalt();
  Gemalt();
  EXPECT_EQ(n.Ansicht, 2);
  EXPECT_EQ(n.Ausgewertet, 1);
  EXPECT_TRUE(InfoButtonsFrei());
  EXPECT_TRUE(Gemalt("Gesamtpunkte in Block 1: 400, Durchschnittspunktzahl in Block 1: 10,00 Punkte   Zugelassen"));
}

TEST_F(Notenfenster, ComingBackToTheWindowKeepsItsPhase) {
  n.deactivate();
  n.activate();
  EXPECT_TRUE(n.EingabeStartBut.visible());
  AlleEingeben(10);
  n.deactivate();
  n.activate();
  EXPECT_FALSE(n.EingabeStartBut.visible());
  EXPECT_EQ(n.Ansicht, 5);
  n.AbiturNoteBerechnenBut.userClick();
  n.deactivate();
  n.activate();
  EXPECT_FALSE(n.EingabeStartBut.visible());
  EXPECT_EQ(n.Ausgewertet, 1);
  EXPECT_EQ(n.Ansicht, 0);
}

TEST_F(Notenfenster, InfoButtonsSwitchTheViews) {
  AlleEingeben(10);
  n.AbiturNoteBerechnenBut.userClick();
  const std::pair<ui::Button*, int> buttons[] = {
      {&n.NichtGewerteteKurseBut, 1}, {&n.DefiziteBut, 2}, {&n.AbiturPruefungenBut, 3}, {&n.GewerteteKurseBut, 0}};
  for (const auto& [button, ansicht] : buttons) {
    const int vorher = n.Zeichenflaeche.repaintRequests();
    button->userClick();
    EXPECT_EQ(n.Ansicht, ansicht);
    EXPECT_GT(n.Zeichenflaeche.repaintRequests(), vorher);
  }
}

TEST_F(Notenfenster, ChangingPointsReturnsToEntryWithTheMarkWhereItWas) {
  AlleEingeben(10);
  Klicken(2, 4);
  n.AbiturNoteBerechnenBut.userClick();
  n.NotenAendernBut.userClick();
  EXPECT_EQ(n.Ausgewertet, 0);
  EXPECT_EQ(n.Ansicht, 5);
  EXPECT_EQ(Marke(), std::make_pair(2, 4));
  EXPECT_TRUE(n.AbiturNoteBerechnenBut.enabled());
  EXPECT_FALSE(n.NotenAendernBut.enabled());
  EXPECT_TRUE(InfoButtonsGesperrt());
  EXPECT_TRUE(PunktButtonsFrei());
  EXPECT_FALSE(n.FreudeImage.visible());
  EXPECT_FALSE(n.TrauerImage.visible());
}

TEST_F(Notenfenster, DeletingAllPointsAsksFirst) {
  AlleEingeben(10);
  n.AbiturNoteBerechnenBut.userClick();
  n.NotenLoeschenBut.userClick();  // no answer queued: No
  EXPECT_EQ(l.Noten[0][1], 10);
  EXPECT_EQ(l.AbiNoteBerechnet, 1);

  t.dialogs.queueYesNo(true);
  n.NotenLoeschenBut.userClick();
  for (std::size_t slot = 0; slot < NotenSlots; ++slot) {
    for (std::size_t kurs = 1; kurs <= 11; ++kurs) {
      EXPECT_EQ(l.Noten[slot][kurs], -1);
    }
  }
  EXPECT_EQ(l.AbiNoteBerechnet, 0);
  EXPECT_EQ(n.Ansicht, 5);
  EXPECT_EQ(n.Ausgewertet, 0);
  EXPECT_EQ(n.FehlendeNoten, Eingabeslots);
  EXPECT_FALSE(n.AbiturNoteBerechnenBut.enabled());
  EXPECT_TRUE(InfoButtonsGesperrt());
  EXPECT_TRUE(Gemalt("Noch 44 fehlende Noten"));

  // "Noten verändern" does not offer an evaluation of missing points.
  n.NotenAendernBut.userClick();
  EXPECT_FALSE(n.AbiturNoteBerechnenBut.enabled());
  n.AbiturNoteBerechnenButClick();
  EXPECT_EQ(n.Ausgewertet, 0);
  EXPECT_EQ(l.AbiNoteBerechnet, 0);
  AlleEingeben(9);
  EXPECT_TRUE(n.AbiturNoteBerechnenBut.enabled());
}

TEST_F(Notenfenster, TheProjectCoursesFirstSemesterTakesTheSecondsPoints) {
  AlleEingeben(10);
  l.Noten[0][Projekt] = 12;
  l.Noten[1][Projekt] = 9;
  n.AbiturNoteBerechnenBut.userClick();
  ASSERT_EQ(t.dialogs.messages().size(), 1U);
  EXPECT_EQ(t.dialogs.messages()[0], "Die Note aus Q1.1 des Projektkurses wurde an das zweite Halbjahr angepasst.");
  EXPECT_EQ(l.Noten[0][Projekt], 9);
  EXPECT_EQ(n.Ergebnis.ProjektkursAngepasst, 1);
}

TEST_F(Notenfenster, ClosingKeepsTheGradeBookAndTheResult) {
  AlleEingeben(10);
  n.AbiturNoteBerechnenBut.userClick();
  n.SchliessBut.userClick();
  EXPECT_FALSE(n.visible());
  EXPECT_EQ(l.AbiNoteBerechnet, 1);
  EXPECT_EQ(l.Noten[4][1], 10);
}

TEST_F(Notenfenster, TheSheetPrintsTheComputedGrade) {
  AlleEingeben(10);
  n.AbiturNoteBerechnenBut.userClick();
  ui::RecordingPrinter drucker;
  t.programm.WahlzettelDrucken(drucker);
  const auto& aufrufe = drucker.aufrufe();
  const auto gefunden = std::find_if(aufrufe.begin(), aufrufe.end(), [](const auto& aufruf) {
    return aufruf.text == "Geschätzter Abiturnotenschnitt (NC): 2,3";
  });
  EXPECT_NE(gefunden, aufrufe.end());
  // Semesters that do not count are printed in brackets.
  EXPECT_TRUE(std::any_of(aufrufe.begin(), aufrufe.end(), [](const auto& aufruf) { return aufruf.text == "(10)"; }));
}

}  // namespace
}  // namespace kelvaro
