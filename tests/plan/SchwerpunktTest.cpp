#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace farben = ui::farben;

// One run of the program; by default Q1 on 10 December 2026 (exam choices for Q1.2).
struct Sitzung : test::Testprogramm {
  explicit Sitzung(int stufe = 1, ui::Datum heute = {2026, 12, 10}, ui::Bildschirm bildschirm = {1280, 800})
      : Testprogramm({.stufe = stufe, .heute = heute, .bildschirm = bildschirm, .verzeichnis = "/tmp"}) {}
};

void SpalteFuellen(Laufbahn& l, int spalte, int punkte) {
  for (auto& slot : l.Noten) {
    slot[static_cast<std::size_t>(spalte)] = punkte;
  }
}

bool SpalteHat(const Laufbahn& l, int spalte, int punkte) {
  for (const auto& slot : l.Noten) {
    if (slot[static_cast<std::size_t>(spalte)] != punkte) {
      return false;
    }
  }
  return true;
}

const char* const kNaturwiss = "Naturwissenschaftlicher Schwerpunkt";
const char* const kFremdsprachlich = "Fremdsprachlicher Schwerpunkt";

class SchwerpunktWahl : public ::testing::Test {
 protected:
  Sitzung s;
  TForm1& f = s.f;
  Laufbahn& l = s.l;

  // Gives a row an Abitur role the way a loaded plan shows it, without the role handler.
  void RolleVorgeben(AbiPosition position, ui::ChoiceBox& box, int rolle) {
    l.AbiWahl[position] = rolle;
    box.setItemIndex(rolle);
  }

  void ZeileSichtbar(bool fs2, bool nw2) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.FS20, &f.FS21, &f.FS22, &f.FS23, &f.WahlFS2, &f.AbiFS2,
                                                              &f.FS2BoxSchriftl}) {
      EXPECT_EQ(c->visible(), fs2) << c->name();
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.NW20, &f.NW21, &f.NW22, &f.NW23, &f.WahlNW2, &f.AbiNW2,
                                                              &f.NW2BoxSchriftl}) {
      EXPECT_EQ(c->visible(), nw2) << c->name();
    }
  }
};

TEST_F(SchwerpunktWahl, LanguageFocusReplacesTheSecondScience) {
  f.WahlNW2.userChoose("Physik");
  f.NW2BoxSchriftl.userClick();
  ASSERT_EQ(l.Schriftlich[NW2], 1);
  RolleVorgeben(AbiPosNW2, f.AbiNW2, 2);
  SpalteFuellen(l, 2, 9);
  SpalteFuellen(l, 3, 5);

  f.Schwerpunkt.userChoose(kFremdsprachlich);

  EXPECT_EQ(l.SchwerpunktFS, 1);
  ZeileSichtbar(true, false);
  EXPECT_EQ(l.Fach[NW2], leer);
  for (ui::EditField* zelle : {&f.NW21, &f.NW22, &f.NW23}) {
    EXPECT_EQ(zelle->text(), "") << zelle->name();
  }
  EXPECT_EQ(l.AbiWahl[AbiPosNW2], 0);
  EXPECT_EQ(f.AbiNW2.itemIndex(), 0);
  EXPECT_EQ(f.AbiNW2.text(), "");
  EXPECT_EQ(l.Schriftlich[NW2], 0);
  // The first science row now follows the second language in the grade book.
  EXPECT_TRUE(SpalteHat(l, 3, 9));
  EXPECT_TRUE(SpalteHat(l, 2, -1));
  EXPECT_EQ(l.AbiNoteBerechnet, 0);
}

TEST_F(SchwerpunktWahl, ScienceFocusReplacesTheSecondLanguage) {
  f.Schwerpunkt.userChoose(kFremdsprachlich);
  f.WahlFS2.userChoose("Italienisch (ab 9)");
  RolleVorgeben(AbiPosFS2, f.AbiFS2, 3);
  l.Schriftlich[FS2] = 0;
  SpalteFuellen(l, 2, 4);
  SpalteFuellen(l, 3, 8);

  f.Schwerpunkt.userChoose(kNaturwiss);

  EXPECT_EQ(l.SchwerpunktFS, 0);
  ZeileSichtbar(false, true);
  EXPECT_EQ(l.Fach[FS2], leer);
  for (ui::EditField* zelle : {&f.FS21, &f.FS22, &f.FS23}) {
    EXPECT_EQ(zelle->text(), "") << zelle->name();
  }
  EXPECT_EQ(l.AbiWahl[AbiPosFS2], 0);
  EXPECT_EQ(f.AbiFS2.itemIndex(), 0);
  EXPECT_EQ(l.Schriftlich[FS2], 1);
  EXPECT_TRUE(SpalteHat(l, 2, 8));
  EXPECT_TRUE(SpalteHat(l, 3, -1));
}

TEST_F(SchwerpunktWahl, HiddenSecondLanguageIsOralOnlyInQ22) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    std::uint8_t schriftlich;
  };
  const Fall faelle[] = {
      {"Q12", 1, {2026, 12, 10}, 1},
      {"Q21", 2, {2026, 10, 5}, 1},
      {"Q22", 2, {2026, 12, 10}, 0},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t(fall.stufe, fall.heute);
    t.f.Schwerpunkt.userChoose(kFremdsprachlich);
    t.l.Schriftlich[FS2] = static_cast<std::uint8_t>(1 - fall.schriftlich);
    t.f.Schwerpunkt.userChoose(kNaturwiss);
    EXPECT_EQ(t.l.Schriftlich[FS2], fall.schriftlich);
  }
}

TEST_F(SchwerpunktWahl, ChoosingTheSameFocusAgainClearsOnlyTheAbiturRole) {
  struct Fall {
    const char* name;
    const char* schwerpunkt;
    const char* wahlBox;
    const char* fach;
    RasterTyp raster;
    AbiPosition position;
  };
  const Fall faelle[] = {
      {"science", kNaturwiss, "WahlNW2", "Chemie", NW2, AbiPosNW2},
      {"language", kFremdsprachlich, "WahlFS2", "Englisch (ab 5)", FS2, AbiPosFS2},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    t.f.Schwerpunkt.userChoose(fall.schwerpunkt);
    auto* wahl = dynamic_cast<ui::ChoiceBox*>(t.f.find(fall.wahlBox));
    ASSERT_NE(wahl, nullptr);
    wahl->userChoose(fall.fach);
    const FachTyp fach = t.l.Fach[fall.raster];
    ASSERT_NE(fach, leer);
    ui::ChoiceBox& abi = *t.f.AbiBox[static_cast<std::size_t>(fall.position)];
    t.l.AbiWahl[fall.position] = 1;
    abi.setItemIndex(1);
    SpalteFuellen(t.l, 2, 12);
    SpalteFuellen(t.l, 3, 6);

    t.f.Schwerpunkt.userChoose(fall.schwerpunkt);

    EXPECT_EQ(t.l.AbiWahl[fall.position], 0);
    EXPECT_EQ(abi.itemIndex(), 0);
    EXPECT_TRUE(abi.visible());
    EXPECT_EQ(t.l.Fach[fall.raster], fach);
    EXPECT_TRUE(SpalteHat(t.l, 2, 12));
    EXPECT_TRUE(SpalteHat(t.l, 3, 6));
  }
}

TEST_F(SchwerpunktWahl, TypedTextThatIsNoFocusChangesNothingButRecomputes) {
  f.WahlNW2.userChoose("Biologie");
  RolleVorgeben(AbiPosNW2, f.AbiNW2, 4);
  f.PKEntBox.userChoose("Wahlfach");
  f.WahlWa1.userChoose("Englisch (ab 5)");
  ASSERT_TRUE(f.Offenhaltung1.visible());
  l.SchwerpunktFS = 1;  // the note is recomputed from this, the rows are left as they are
  f.Schwerpunkt.userChoose("Gemischter Schwerpunkt");
  EXPECT_EQ(l.SchwerpunktFS, 1);
  EXPECT_EQ(l.Fach[NW2], Bi);
  EXPECT_EQ(l.AbiWahl[AbiPosNW2], 4);
  EXPECT_TRUE(f.WahlNW2.visible());
  EXPECT_FALSE(f.WahlFS2.visible());
  EXPECT_FALSE(f.Offenhaltung1.visible());
}

TEST_F(SchwerpunktWahl, FocusChangeRecomputesNoteDropRuleAndHours) {
  // Physics as continued first elective keeps the science focus open for a language focus.
  f.PKEntBox.userChoose("Wahlfach");
  f.WahlWa1.userChoose("Physik");
  EXPECT_FALSE(f.Offenhaltung1.visible());

  f.Schwerpunkt.userChoose(kFremdsprachlich);
  EXPECT_TRUE(f.Offenhaltung1.visible());
  EXPECT_EQ(f.Offenhaltung1.text(), "Offenhaltung natur-");
  EXPECT_EQ(f.Offenhaltung2.text(), "wiss. Schwerpunkt");
  EXPECT_EQ(f.Offenhaltung3.text(), "bis in JgSt Q2");

  // A new Italian as second language: four Q hours more and the EF drop box.
  f.WahlFS2.userChoose("Italienisch (ab 11)");
  ASSERT_TRUE(f.AbwEFBox.visible());
  ASSERT_EQ(f.StuDiffQualiEdit.text(), "5");

  f.Schwerpunkt.userChoose(kNaturwiss);
  EXPECT_FALSE(f.Offenhaltung1.visible());
  EXPECT_FALSE(f.AbwEFBox.visible());
  EXPECT_FALSE(f.AbwEFLab.visible());
  EXPECT_EQ(l.AbwahlEF, 0);
  EXPECT_EQ(f.Wa21.width(), 145);
  EXPECT_EQ(f.StuDiffQualiEdit.text(), "3");
  EXPECT_EQ(f.KurszahlEFLab.text(), "11 GKs + 1 VK");
}

class ErsatzfachSport : public SchwerpunktWahl {
 protected:
  // The student's way through the panel: open it, pick subject and range, confirm.
  void ErsatzfachWaehlen(const char* fach, const char* von, const char* bis) {
    f.ErsatzfachBut.userClick();
    f.WahlErsatzfach.userChoose(fach);
    f.ErsatzFachStartBox.userChoose(von);
    f.ErsatzFachEndeBox.userChoose(bis);
    f.Button4.userClick();
  }
};

TEST_F(ErsatzfachSport, ButtonShowsThePanelWithTheStoredRange) {
  l.ErsatzfachVon = 2;
  l.ErsatzfachBis = 4;
  ASSERT_FALSE(f.ErsatzfachPanel.visible());
  f.ErsatzfachBut.userClick();
  EXPECT_TRUE(f.ErsatzfachPanel.visible());
  EXPECT_TRUE(f.Button4.reachable());
  EXPECT_EQ(f.ErsatzFachStartBox.text(), "EF.2");
  EXPECT_EQ(f.ErsatzFachStartBox.itemIndex(), 1);
  EXPECT_EQ(f.ErsatzFachEndeBox.text(), "Q1.2");
  EXPECT_EQ(f.ErsatzFachEndeBox.itemIndex(), 3);
}

TEST_F(ErsatzfachSport, ReplacementBoxStoresTheSubjectWithoutWritingCells) {
  struct Fall {
    const char* text;
    FachTyp fach;
  };
  const Fall faelle[] = {
      {"Chemie", Ch},
      {"Physik", Ph},
      {"Biologie", Bi},
      {"Englisch (ab 5)", E5},
      {"Französisch (ab 7)", F7},
      {"Latein (ab 7)", L7},
      {"Italienisch (ab 9)", I9},
      {"Italienisch (ab 11)", I0},
      {"Geschichte", Ge},
      {"Sozialwiss.", Sw},
      {"Erdkunde", Erd},
      {"Kunst", Ku},
      {"Musik", Mu},
      {"kein weiteres Ersatzfach", leer},
      {"Schwimmen", Bi},  // typed: the first item
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.text);
    SpalteFuellen(l, 6, 10);
    SpalteFuellen(l, 5, 10);
    l.AbiNoteBerechnet = 1;
    f.WahlErsatzfach.userChoose(fall.text);
    EXPECT_EQ(l.Fach[Sp], fall.fach);
    EXPECT_TRUE(SpalteHat(l, 6, -1));
    EXPECT_TRUE(SpalteHat(l, 5, 10));
    EXPECT_EQ(l.AbiNoteBerechnet, 0);
    for (ui::EditField* zelle : {&f.SP1, &f.Sp2, &f.Sp3}) {
      EXPECT_EQ(zelle->text(), "Sport") << zelle->name();
    }
  }
  EXPECT_EQ(f.WahlErsatzfach.text(), "Biologie");
  EXPECT_EQ(l.AbwahlEF, 0) << "a new Italian as replacement subject does not shorten the second elective";
}

TEST_F(ErsatzfachSport, ConfirmingTakesTheRangeFromTheBoxes) {
  struct Fall {
    const char* name;
    const char* von;
    const char* bis;
    int erwartetVon;
    int erwartetBis;
    const char* startText;
    const char* endeText;
  };
  const Fall faelle[] = {
      {"ordinaryRange", "EF.2", "Q1.1", 2, 3, "EF.2", "Q1.1"},
      {"singleSemester", "Q2.2", "Q2.2", 6, 6, "Q2.2", "Q2.2"},
      {"endBeforeStartBecomesTheStart", "Q1.2", "EF.2", 4, 4, "Q1.2", "Q1.2"},
      {"startWithoutItemIsEF1", "nächstes Jahr", "Q1.1", 1, 3, "EF.1", "Q1.1"},
      {"endWithoutItemIsQ22", "Q1.1", "bis zum Abitur", 3, 6, "Q1.1", "Q2.2"},
      {"bothWithoutItem", "", "?", 1, 6, "EF.1", "Q2.2"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    t.f.ErsatzfachBut.userClick();
    t.f.ErsatzFachStartBox.userChoose(fall.von);
    t.f.ErsatzFachEndeBox.userChoose(fall.bis);
    t.f.Button4.userClick();
    EXPECT_EQ(t.l.ErsatzfachAktiv, 1);
    EXPECT_EQ(t.l.ErsatzfachVon, fall.erwartetVon);
    EXPECT_EQ(t.l.ErsatzfachBis, fall.erwartetBis);
    EXPECT_EQ(t.f.ErsatzFachStartBox.text(), fall.startText);
    EXPECT_EQ(t.f.ErsatzFachEndeBox.text(), fall.endeText);
    EXPECT_FALSE(t.f.ErsatzfachPanel.visible());
  }
}

TEST_F(ErsatzfachSport, SportRowShowsReplacementPerHalfYear) {
  struct Zelle {
    const char* text;
    int breite;  // of a stage cell; a second-half cell: 0 = hidden, else shown
  };
  struct Fall {
    const char* name;
    const char* fach;
    const char* von;
    const char* bis;
    Zelle ef, ef2, q1, q12, q2, q22;
  };
  // Per case: EF, EF.2 half, Q1, Q1.2 half, Q2, Q2.2 half.
  // clang-format off
  const Fall faelle[] = {
      {"historyFromEF2ToQ11", "Geschichte", "EF.2", "Q1.1",
       {"Sport", 70}, {"Geschichte", 1}, {"Geschichte", 70}, {"Sport", 1}, {"Sport", 145}, {"", 0}},
      {"nothingFromQ11ToQ22", "kein weiteres Ersatzfach", "Q1.1", "Q2.2",
       {"Sport", 145}, {"", 0}, {"fällt weg", 145}, {"", 0}, {"fällt weg", 145}, {"", 0}},
      {"nothingFromEF2ToQ21", "kein weiteres Ersatzfach", "EF.2", "Q2.1",
       {"Sport", 70}, {"fällt weg", 1}, {"fällt weg", 145}, {"", 0}, {"fällt weg", 70}, {"Sport", 1}},
      {"physicsInEF1Only", "Physik", "EF.1", "EF.1",
       {"Physik", 70}, {"Sport", 1}, {"Sport", 145}, {"", 0}, {"Sport", 145}, {"", 0}},
      {"artInQ22Only", "Kunst", "Q2.2", "Q2.2",
       {"Sport", 145}, {"", 0}, {"Sport", 145}, {"", 0}, {"Sport", 70}, {"Kunst", 1}},
      {"englishThroughout", "Englisch (ab 5)", "EF.1", "Q2.2",
       {"Englisch", 145}, {"", 0}, {"Englisch", 145}, {"", 0}, {"Englisch", 145}, {"", 0}},
  };
  // clang-format on
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    t.f.ErsatzfachBut.userClick();
    t.f.WahlErsatzfach.userChoose(fall.fach);
    t.f.ErsatzFachStartBox.userChoose(fall.von);
    t.f.ErsatzFachEndeBox.userChoose(fall.bis);
    t.f.Button4.userClick();
    const std::pair<ui::EditField*, Zelle> stufen[] = {{&t.f.SP1, fall.ef}, {&t.f.Sp2, fall.q1}, {&t.f.Sp3, fall.q2}};
    for (const auto& [zelle, soll] : stufen) {
      EXPECT_EQ(zelle->text(), soll.text) << zelle->name();
      EXPECT_EQ(zelle->width(), soll.breite) << zelle->name();
      EXPECT_TRUE(zelle->visible()) << zelle->name();
    }
    const std::pair<ui::EditField*, Zelle> haelften[] = {
        {&t.f.Sp1a, fall.ef2}, {&t.f.SP2a, fall.q12}, {&t.f.Sp3a, fall.q22}};
    for (const auto& [zelle, soll] : haelften) {
      EXPECT_EQ(zelle->visible(), soll.breite != 0) << zelle->name();
      if (soll.breite != 0) {
        EXPECT_EQ(zelle->text(), soll.text) << zelle->name();
        EXPECT_EQ(zelle->width(), 70) << zelle->name();
      }
    }
  }
}

TEST_F(ErsatzfachSport, DeletingRestoresSportButKeepsTheChoice) {
  ErsatzfachWaehlen("Geschichte", "EF.2", "Q1.1");
  ASSERT_TRUE(f.Sp1a.visible());
  f.ErsatzfachBut.userClick();
  f.ErsatzfachLoeschen.userClick();
  EXPECT_EQ(l.ErsatzfachAktiv, 0);
  EXPECT_FALSE(f.ErsatzfachPanel.visible());
  for (ui::EditField* zelle : {&f.SP1, &f.Sp2, &f.Sp3}) {
    EXPECT_EQ(zelle->text(), "Sport") << zelle->name();
    EXPECT_EQ(zelle->width(), 145) << zelle->name();
  }
  for (ui::EditField* zelle : {&f.Sp1a, &f.SP2a, &f.Sp3a}) {
    EXPECT_FALSE(zelle->visible()) << zelle->name();
  }
  EXPECT_EQ(l.Fach[Sp], Ge);
  EXPECT_EQ(l.ErsatzfachVon, 2);
  EXPECT_EQ(l.ErsatzfachBis, 3);
}

TEST_F(ErsatzfachSport, SportReplacedByNothingLowersCountsAndHours) {
  f.VK10EntBox.userChoose("kein VTK+11 GKs (2 Wa.fä., nur m. It11/F11)");
  ASSERT_EQ(f.KurszahlEFLab.text(), "11 GKs");
  ASSERT_EQ(f.StundenzahlLabelEF.text(), "25 Stunden (60´)");

  ErsatzfachWaehlen("Geschichte", "EF.2", "Q1.1");
  EXPECT_EQ(f.KurszahlEFLab.text(), "11 GKs");
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 7 GKs + 1 PK");
  EXPECT_EQ(f.StundenzahlLabelEF.text(), "25 Stunden (60´)");

  // With no further subject the replaced semesters lose their sport course; the
  // replacement box itself recomputes at once.
  f.ErsatzfachBut.userClick();
  f.WahlErsatzfach.userChoose("kein weiteres Ersatzfach");
  EXPECT_EQ(f.KurszahlEFLab.text(), "11/10 GKs");
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 6/7 GKs + 1 PK");
  EXPECT_EQ(f.StundenzahlLabelEF.text(), "25 / 23 Stunden (60´)");
  EXPECT_EQ(f.StundenzahlLabelQ1.text(), "24 / 25 Stunden (60´)");
  EXPECT_EQ(f.StuDiffQualiEdit.text(), "2,5");
  EXPECT_EQ(f.StuDiffQualiEdit.color(), farben::Rot);
  EXPECT_EQ(f.VielWenigLabel.text(), "zu wenig");

  // A range confirmed later is counted at once as well.
  f.ErsatzFachStartBox.userChoose("Q1.1");
  f.ErsatzFachEndeBox.userChoose("Q1.2");
  f.Button4.userClick();
  EXPECT_EQ(f.StundenzahlLabelEF.text(), "25 Stunden (60´)");
  EXPECT_EQ(f.StundenzahlLabelQ1.text(), "24 / 23 Stunden (60´)");
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 6 GKs + 1 PK");

  // Deleting the replacement gives sport back: hours and counts follow at once, so the
  // check report never reads the hours of a replacement that no longer exists.
  f.ErsatzfachBut.userClick();
  f.ErsatzfachLoeschen.userClick();
  EXPECT_EQ(f.StundenzahlLabelQ1.text(), "26 / 25 Stunden (60´)");
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 7 GKs + 1 PK");
  EXPECT_EQ(s.programm.abgeleitet().stunden.StundenDiffQ, -1);
}

TEST_F(ErsatzfachSport, SportWrittenBoxOpensOnlyInAReplacedSemester) {
  // The plan is made for Q1.2.
  ErsatzfachWaehlen("Musik", "EF.2", "Q1.1");
  EXPECT_FALSE(f.SpBoxSchriftl.enabled());
  EXPECT_EQ(l.Schriftlich[Sp], 0);
  ErsatzfachWaehlen("Musik", "Q1.2", "Q2.2");
  EXPECT_TRUE(f.SpBoxSchriftl.enabled());
  f.SpBoxSchriftl.userClick();
  EXPECT_EQ(l.Schriftlich[Sp], 1);
  f.ErsatzfachBut.userClick();
  f.ErsatzfachLoeschen.userClick();
  EXPECT_FALSE(f.SpBoxSchriftl.enabled());
  EXPECT_EQ(l.Schriftlich[Sp], 0);
}

TEST_F(ErsatzfachSport, CellWidthsFollowTheScreenScale) {
  // Half the design size: 145 x 0.5 = 72.5 and 70 x 0.5 = 35; halves round to even.
  Sitzung t(1, {2026, 12, 10}, ui::Bildschirm{640, 400});
  ASSERT_DOUBLE_EQ(t.programm.laufzeit().Skalierung, 0.5);
  t.f.ErsatzfachBut.userClick();
  t.f.WahlErsatzfach.userChoose("Geschichte");
  t.f.ErsatzFachStartBox.userChoose("Q1.2");
  t.f.ErsatzFachEndeBox.userChoose("Q2.2");
  t.f.Button4.userClick();
  EXPECT_EQ(t.f.SP1.width(), 72);
  EXPECT_EQ(t.f.Sp2.width(), 35);
  EXPECT_EQ(t.f.Sp3.width(), 72);
}

}  // namespace
}  // namespace kelvaro
