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

  std::uint8_t& merker = f.AbwEFMerker;
};

const ui::Datum kDezember{2026, 12, 10};
const ui::Datum kOktober{2026, 10, 5};

const char* const kModell0 = "kein VTK+11 GKs (2 Wa.fä., nur m. It11/F11)";
const char* const kModell1 = "kein VTK+12 GKs (3 Wahlfächer)";
const char* const kModell2 = "ein VTK+11 GKs (2 Wahlfächer)";
const char* const kModell3 = "zwei VTK+10 GKs (1 Wahlfach)";

std::vector<std::string> Eintraege(const TextfeldTyp& liste) {
  std::vector<std::string> eintraege;
  for (std::string_view eintrag : liste) {
    if (!eintrag.empty()) {
      eintraege.emplace_back(eintrag);
    }
  }
  return eintraege;
}

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

class PhasenModelle : public ::testing::Test {
 protected:
  Sitzung s;
  TForm1& f = s.f;
  Laufbahn& l = s.l;
};

TEST_F(PhasenModelle, EFModelBoxReshapesTheElectiveAndDeepDiveRows) {
  struct Fall {
    const char* name;
    const char* vorher;    // EF model chosen first; nullptr keeps model 2
    bool neueItalienisch;  // FS1 new Italian, kept past EF.1 by the student
    const char* wa2;       // subjects in rows Wa2 and VK1 before the change
    const char* vk1;
    const char* modell;  // the choice under test
    const char* wa20;
    const char* vk10;
    bool vk1Sichtbar;
    const TextfeldTyp* wa2Liste;
    const TextfeldTyp* vk1Liste;  // nullptr: the list is not changed
    FachTyp wa2Nachher;
    int efModell;
    bool abwSichtbar;
    const char* abwLab;
    const char* abwBox;
    int abwahlEF;
    int vk11Breite;
    int wa21Breite;
    const char* kurszahlEF;
    const char* stundenEF;
  };
  const Fall faelle[] = {
      {.name = "twoDeepDivesBackToOne",
       .vorher = kModell3,
       .neueItalienisch = false,
       .wa2 = "VK Englisch",
       .vk1 = "VK Deutsch",
       .modell = kModell2,
       .wa20 = "2. Wahlfach",
       .vk10 = "Vertief.k. Jg11",
       .vk1Sichtbar = true,
       .wa2Liste = &WaListe,
       .vk1Liste = &VK1Liste,
       .wa2Nachher = leer,
       .efModell = 2,
       .abwSichtbar = false,
       .abwLab = nullptr,
       .abwBox = "nach 2. Hj. EF",
       .abwahlEF = 0,
       .vk11Breite = 145,
       .wa21Breite = 145,
       .kurszahlEF = "11 GKs + 1 VK",
       .stundenEF = "27 / 26 Stunden (60´)"},
      {.name = "oneDeepDiveToTwo",
       .vorher = nullptr,
       .neueItalienisch = false,
       .wa2 = "Physik",
       .vk1 = "VK Mathem.",
       .modell = kModell3,
       .wa20 = "1.Vertief.k. Jg11",
       .vk10 = "2.Vertief.k. Jg11",
       .vk1Sichtbar = true,
       .wa2Liste = &VK1Liste,
       .vk1Liste = &VK1Liste,
       .wa2Nachher = leer,
       .efModell = 3,
       .abwSichtbar = false,
       .abwLab = nullptr,
       .abwBox = "nach 2. Hj. EF",
       .abwahlEF = 0,
       .vk11Breite = 145,
       .wa21Breite = 145,
       .kurszahlEF = "10 GKs + 2 VKs",
       .stundenEF = "27 / 25 Stunden (60´)"},
      {.name = "twoDeepDivesToNone",
       .vorher = kModell3,
       .neueItalienisch = false,
       .wa2 = "VK Deutsch",
       .vk1 = "VK Englisch",
       .modell = kModell0,
       .wa20 = "2. Wahlfach",
       .vk10 = "",
       .vk1Sichtbar = false,
       .wa2Liste = &WaListe,
       .vk1Liste = nullptr,
       .wa2Nachher = leer,
       .efModell = 0,
       .abwSichtbar = false,
       .abwLab = nullptr,
       .abwBox = "nach 2. Hj. EF",
       .abwahlEF = 0,
       .vk11Breite = 145,
       .wa21Breite = 145,
       .kurszahlEF = "11 GKs",
       .stundenEF = "25 Stunden (60´)"},
      {.name = "deepDiveToThirdElective",
       .vorher = nullptr,
       .neueItalienisch = false,
       .wa2 = "Physik",
       .vk1 = "VK Mathem.",
       .modell = kModell1,
       .wa20 = "2. WahlFach",
       .vk10 = "3. Wahlfach",
       .vk1Sichtbar = true,
       .wa2Liste = &WaListe,
       .vk1Liste = &Wa3Liste,
       .wa2Nachher = Ph,
       .efModell = 1,
       .abwSichtbar = true,
       .abwLab = "Abwahl 3. Wahlfa:",
       .abwBox = "nach 1. Hj. EF",
       .abwahlEF = 1,
       .vk11Breite = 81,
       .wa21Breite = 145,
       .kurszahlEF = "12/11 GKs",
       .stundenEF = "27 / 25 Stunden (60´)"},
      {.name = "thirdElectiveToNone",
       .vorher = kModell1,
       .neueItalienisch = false,
       .wa2 = "Physik",
       .vk1 = "Latein (ab 7)",
       .modell = kModell0,
       .wa20 = "2. WahlFach",
       .vk10 = "",
       .vk1Sichtbar = false,
       .wa2Liste = &WaListe,
       .vk1Liste = nullptr,
       .wa2Nachher = Ph,
       .efModell = 0,
       .abwSichtbar = false,
       .abwLab = nullptr,
       .abwBox = "nach 2. Hj. EF",
       .abwahlEF = 0,
       .vk11Breite = 145,
       .wa21Breite = 145,
       .kurszahlEF = "11 GKs",
       .stundenEF = "25 Stunden (60´)"},
      {.name = "deepDiveAgainWithNewItalian",
       .vorher = nullptr,
       .neueItalienisch = true,
       .wa2 = "Physik",
       .vk1 = "VK Mathem.",
       .modell = kModell2,
       .wa20 = "2. WahlFach",
       .vk10 = "Vertief.k. Jg11",
       .vk1Sichtbar = true,
       .wa2Liste = &WaListe,
       .vk1Liste = &VK1Liste,
       .wa2Nachher = Ph,
       .efModell = 2,
       .abwSichtbar = true,
       .abwLab = "Abwahl 2. Wahlfa:",
       .abwBox = "nach 1. Hj. EF",
       .abwahlEF = 1,
       .vk11Breite = 145,
       .wa21Breite = 81,
       .kurszahlEF = "11/10 GKs + 1 VK",
       .stundenEF = "28 / 25 Stunden (60´)"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    if (fall.vorher != nullptr) {
      t.f.VK10EntBox.userChoose(fall.vorher);
    }
    if (fall.neueItalienisch) {
      t.f.WahlFS1.userChoose("Italienisch (ab 11)");
      t.f.AbwEFBox.userChoose("nach 2. Hj. EF");
    }
    t.f.WahlWa2.userChoose(fall.wa2);
    t.f.WahlVK10.userChoose(fall.vk1);
    ASSERT_NE(t.l.Fach[Wa2], leer);
    ASSERT_NE(t.l.Fach[VK1], leer);
    t.merker = 1;
    t.l.AbiNoteBerechnet = 1;
    t.f.VK11.setColor(ui::Farbe{1, 2, 3});

    t.f.VK10EntBox.userChoose(fall.modell);

    EXPECT_EQ(t.l.EFModell, fall.efModell);
    EXPECT_EQ(t.f.Wa20.text(), fall.wa20);
    EXPECT_EQ(t.f.VK10.text(), fall.vk10);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&t.f.VK10, &t.f.WahlVK10, &t.f.VK11}) {
      EXPECT_EQ(c->visible(), fall.vk1Sichtbar) << c->name();
    }
    EXPECT_EQ(t.f.WahlWa2.items(), Eintraege(*fall.wa2Liste));
    if (fall.vk1Liste != nullptr) {
      EXPECT_EQ(t.f.WahlVK10.items(), Eintraege(*fall.vk1Liste));
      EXPECT_EQ(t.f.WahlVK10.text(), Eintraege(*fall.vk1Liste).front());
      EXPECT_EQ(t.f.VK11.color(), farben::Silber);
    }
    EXPECT_EQ(t.l.Fach[VK1], leer);
    EXPECT_EQ(t.f.VK11.text(), "");
    EXPECT_EQ(t.l.Fach[Wa2], fall.wa2Nachher);
    if (fall.wa2Nachher == leer) {
      EXPECT_EQ(t.f.Wa21.text(), "");
      EXPECT_EQ(t.f.Wa21.color(), farben::Silber);
      EXPECT_EQ(t.f.WahlWa2.text(), Eintraege(*fall.wa2Liste).front());
    }
    EXPECT_EQ(t.f.AbwEFLab.visible(), fall.abwSichtbar);
    EXPECT_EQ(t.f.AbwEFBox.visible(), fall.abwSichtbar);
    if (fall.abwLab != nullptr) {
      EXPECT_EQ(t.f.AbwEFLab.text(), fall.abwLab);
    }
    EXPECT_EQ(t.f.AbwEFBox.text(), fall.abwBox);
    EXPECT_EQ(t.l.AbwahlEF, fall.abwahlEF);
    EXPECT_EQ(t.merker, 0);
    EXPECT_EQ(t.f.VK11.width(), fall.vk11Breite);
    EXPECT_EQ(t.f.Wa21.width(), fall.wa21Breite);
    EXPECT_EQ(t.f.KurszahlEFLab.text(), fall.kurszahlEF);
    EXPECT_EQ(t.f.StundenzahlLabelEF.text(), fall.stundenEF);
    EXPECT_EQ(t.l.AbiNoteBerechnet, 0);
  }
}

TEST_F(PhasenModelle, EFModelWidthsFollowTheScreenScale) {
  // Half the design size: 81 x 0.5 = 40.5 and 145 x 0.5 = 72.5; halves round to even.
  Sitzung t(1, kDezember, ui::Bildschirm{640, 400});
  ASSERT_DOUBLE_EQ(t.programm.laufzeit().Skalierung, 0.5);
  t.f.VK10EntBox.userChoose(kModell1);
  EXPECT_EQ(t.f.VK11.width(), 40);
  EXPECT_EQ(t.f.Wa21.width(), 72);
  t.f.AbwEFBox.userChoose("nach 2. Hj. EF");
  EXPECT_EQ(t.f.VK11.width(), 72);
}

TEST_F(PhasenModelle, EFDropBoxSetsTheDroppableCell) {
  struct Schritt {
    const char* text;
    int breite;
    int abwahlEF;
    int merker;
    const char* kurszahlEF;
    const char* stundenEF;
    const char* offenhaltung3;
  };
  struct Fall {
    const char* name;
    const char* modell;
    const char* fs1;
    const char* zeilenBox;  // the droppable row's choice box and a language for it
    const char* sprache;
    const char* zelle;
    std::vector<Schritt> schritte;
  };
  const Fall faelle[] = {
      {"secondElectiveInModel2",
       kModell2,
       "Italienisch (ab 11)",
       "WahlWa2",
       "Englisch (ab 5)",
       "Wa21",
       {{"nach 2. Hj. EF", 145, 0, 1, "11 GKs + 1 VK", "28 / 27 Stunden (60´)", "bis Ende JgSt EF"},
        {"nach 1. Hj. EF", 81, 1, 0, "11/10 GKs + 1 VK", "28 / 25 Stunden (60´)", "bis Ende JgSt EF.1"}}},
      {"thirdElectiveInModel1",
       kModell1,
       "Englisch (ab 5)",
       "WahlVK10",
       "Französisch (ab 7)",
       "VK11",
       {{"nach 2. Hj. EF", 145, 0, 1, "12 GKs", "27 Stunden (60´)", "bis Ende JgSt EF"},
        {"nach 1. Hj. EF", 81, 1, 0, "12/11 GKs", "27 / 25 Stunden (60´)", "bis Ende JgSt EF.1"}}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    t.f.VK10EntBox.userChoose(fall.modell);
    t.f.WahlFS1.userChoose(fall.fs1);
    dynamic_cast<ui::ChoiceBox&>(*t.f.find(fall.zeilenBox)).userChoose(fall.sprache);
    ASSERT_TRUE(t.f.AbwEFBox.visible());
    ui::Control& zelle = *t.f.find(fall.zelle);
    for (const Schritt& schritt : fall.schritte) {
      SCOPED_TRACE(schritt.text);
      t.l.AbiNoteBerechnet = 1;
      t.f.AbwEFBox.userChoose(schritt.text);
      EXPECT_EQ(zelle.width(), schritt.breite);
      EXPECT_EQ(t.l.AbwahlEF, schritt.abwahlEF);
      EXPECT_EQ(t.merker, schritt.merker);
      EXPECT_EQ(t.f.KurszahlEFLab.text(), schritt.kurszahlEF);
      EXPECT_EQ(t.f.StundenzahlLabelEF.text(), schritt.stundenEF);
      EXPECT_TRUE(t.f.Offenhaltung3.visible());
      EXPECT_EQ(t.f.Offenhaltung3.text(), schritt.offenhaltung3);
    }
  }
}

TEST_F(PhasenModelle, KeptSecondElectiveStaysKeptWhileANewItalianRemains) {
  struct Schritt {
    const char* box;
    const char* text;
    bool sichtbar;
    const char* abwBox;
    int abwahlEF;
    int wa21;
  };
  const Schritt schritte[] = {
      {"WahlFS1", "Italienisch (ab 11)", true, "nach 1. Hj. EF", 1, 81},
      {"WahlWa1", "Italienisch (ab 11)", true, "nach 1. Hj. EF", 1, 81},
      {"AbwEFBox", "nach 2. Hj. EF", true, "nach 2. Hj. EF", 0, 145},
      {"WahlFS1", "Englisch (ab 5)", true, "nach 2. Hj. EF", 0, 145},
      {"WahlWa1", "Physik", false, "nach 2. Hj. EF", 0, 145},
      // The kept choice is forgotten once the box was hidden.
      {"WahlWa1", "Italienisch (ab 11)", true, "nach 1. Hj. EF", 1, 81},
  };
  for (const Schritt& schritt : schritte) {
    SCOPED_TRACE(std::string(schritt.box) + " <- " + schritt.text);
    dynamic_cast<ui::ChoiceBox&>(*f.find(schritt.box)).userChoose(schritt.text);
    EXPECT_EQ(f.AbwEFBox.visible(), schritt.sichtbar);
    EXPECT_EQ(f.AbwEFBox.text(), schritt.abwBox);
    EXPECT_EQ(l.AbwahlEF, schritt.abwahlEF);
    EXPECT_EQ(f.Wa21.width(), schritt.wa21);
  }
}

TEST_F(PhasenModelle, ElectiveModelEndsTheProjectCourseAndContinuesTheElective) {
  f.WahlWa1.userChoose("Englisch (ab 5)");
  f.WahlPK.userChoose("Podcast");
  SpalteFuellen(l, 10, 7);
  SpalteFuellen(l, 11, 7);

  f.PKEntBox.userChoose("Wahlfach");

  EXPECT_EQ(l.Q1Modell, 1);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&f.PK0, &f.WahlPK, &f.PK1}) {
    EXPECT_FALSE(c->visible()) << c->name();
  }
  EXPECT_EQ(l.Fach[PK], leer);
  EXPECT_EQ(f.PK1.text(), "");
  EXPECT_EQ(f.WahlWa1.items(), Eintraege(WaListe));
  EXPECT_EQ(f.WahlWa1.text(), "Englisch");  // the grid text, not the item text
  for (ui::EditField* zelle : {&f.Wa11, &f.Wa12, &f.Wa13}) {
    EXPECT_EQ(zelle->text(), "Englisch") << zelle->name();
    EXPECT_TRUE(zelle->visible()) << zelle->name();
    EXPECT_EQ(zelle->width(), 145) << zelle->name();
  }
  EXPECT_TRUE(SpalteHat(l, 10, -1));
  EXPECT_TRUE(SpalteHat(l, 11, 7));
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 8 GKs");
  EXPECT_TRUE(f.AbwWa1Box.enabled());
  EXPECT_TRUE(f.AbwWa1Lab.enabled());
  EXPECT_TRUE(f.Wa1BoxSchriftl.visible());
}

TEST_F(PhasenModelle, ProjectCourseBesideElectiveShowsBoth) {
  f.WahlWa1.userChoose("Englisch (ab 5)");
  f.WahlPK.userChoose("Podcast");
  SpalteFuellen(l, 10, 7);
  SpalteFuellen(l, 11, 7);

  f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");

  EXPECT_EQ(l.Q1Modell, 2);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&f.PK0, &f.WahlPK, &f.PK1, &f.Wa12, &f.Wa13}) {
    EXPECT_TRUE(c->visible()) << c->name();
  }
  EXPECT_EQ(l.Fach[PK], PKPC);
  EXPECT_EQ(f.WahlPK.items(), Eintraege(PKListe));
  EXPECT_EQ(f.WahlPK.text(), "Podcast");
  EXPECT_EQ(f.WahlWa1.text(), "Englisch");
  EXPECT_EQ(f.Wa13.text(), "Englisch");
  EXPECT_TRUE(SpalteHat(l, 10, -1));
  EXPECT_TRUE(SpalteHat(l, 11, -1));
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 8 GKs + 1 PK");
  EXPECT_EQ(f.StundenzahlLabelQ1.text(), "28 / 27 Stunden (60´)");
}

TEST_F(PhasenModelle, ProjectCourseModelEndsTheElectiveWithEF) {
  f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");
  f.WahlWa1.userChoose("Englisch (ab 5)");
  f.WahlPK.userChoose("Podcast");
  f.AbwWa1Box.userChoose("nach Q1.2");
  ASSERT_EQ(l.AbwahlWa1, 2);
  SpalteFuellen(l, 10, 7);
  SpalteFuellen(l, 11, 7);

  f.PKEntBox.userChoose("Projektkurs");

  EXPECT_EQ(l.Q1Modell, 0);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&f.PK0, &f.WahlPK, &f.PK1}) {
    EXPECT_TRUE(c->visible()) << c->name();
  }
  EXPECT_EQ(l.Fach[PK], PKPC);  // the code stays, the box starts again at its first item
  EXPECT_EQ(f.WahlPK.text(), "Schüler experi.");
  EXPECT_EQ(f.PK1.text(), "Podcast");
  EXPECT_EQ(f.WahlWa1.text(), "Englisch");
  EXPECT_EQ(f.Wa11.text(), "Englisch");
  EXPECT_EQ(f.Wa12.text(), "");
  EXPECT_FALSE(f.Wa12.visible());
  EXPECT_FALSE(f.Wa13.visible());
  EXPECT_EQ(l.AbwahlWa1, 0);
  EXPECT_FALSE(f.AbwWa1Box.enabled());
  EXPECT_FALSE(f.AbwWa1Lab.enabled());
  EXPECT_EQ(f.AbwWa1Box.text(), "keine Abw.");
  EXPECT_TRUE(SpalteHat(l, 10, -1));
  EXPECT_TRUE(SpalteHat(l, 11, 7));
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 7 GKs + 1 PK");
  EXPECT_FALSE(f.Wa1BoxSchriftl.visible());
}

TEST_F(PhasenModelle, ContinuedElectiveIsWrittenByItsAbiturRole) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    const char* modell;
    int rolle;
    std::uint8_t vorher;
    std::uint8_t nachher;
  };
  const Fall faelle[] = {
      {"noRoleKeepsOral", 1, kDezember, "Wahlfach", 0, 0, 0},
      {"noRoleKeepsWritten", 1, kDezember, "Wahlfach", 0, 1, 1},
      {"fourthSubjectInQ1", 1, kDezember, "Wahlfach", 4, 0, 1},
      {"fourthSubjectInQ21", 2, kOktober, "Pro.ku. + Wa.fa.", 4, 0, 1},
      {"lkInQ21", 2, kOktober, "Pro.ku. + Wa.fa.", 1, 0, 1},
      {"fourthSubjectInQ22IsOral", 2, kDezember, "Wahlfach", 4, 1, 0},
      {"thirdSubjectInQ22", 2, kDezember, "Pro.ku. + Wa.fa.", 3, 0, 1},
      {"noRoleInQ22IsOral", 2, kDezember, "Wahlfach", 0, 1, 0},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t(fall.stufe, fall.heute);
    t.f.WahlWa1.userChoose("Geschichte");
    t.l.AbiWahl[AbiPosWa1] = fall.rolle;
    t.l.Schriftlich[Wa1] = fall.vorher;
    t.f.PKEntBox.userChoose(fall.modell);
    EXPECT_EQ(t.l.Schriftlich[Wa1], fall.nachher);
    EXPECT_EQ(t.f.Wa1BoxSchriftl.checked(), fall.nachher == 1);
  }
}

TEST_F(PhasenModelle, DeepDiveInQ22BoxAlwaysEmptiesItsRow) {
  struct Schritt {
    const char* box;
    const char* text;
    int vkq22;
    FachTyp fach;
    bool sichtbar;
    const char* kurszahlQ2;
    const char* stundenQ2;
  };
  const Schritt schritte[] = {
      {"VK12JNBox", "ja", 1, leer, true, "2 LKs + 8 GKs + 1 VK", "26 Stunden (60´)"},
      {"WahlVK30", "VK Mathem.", 1, VKM, true, "2 LKs + 8 GKs + 1 VK", "26 Stunden (60´)"},
      {"VK12JNBox", "ja", 1, leer, true, "2 LKs + 8 GKs + 1 VK", "26 Stunden (60´)"},
      {"WahlVK30", "VK Englisch", 1, VKE, true, "2 LKs + 8 GKs + 1 VK", "26 Stunden (60´)"},
      {"VK12JNBox", "nein", 0, leer, false, "2 LKs + 8 GKs", "26 / 24 Stunden (60´)"},
  };
  for (const Schritt& schritt : schritte) {
    SCOPED_TRACE(std::string(schritt.box) + " <- " + schritt.text);
    l.AbiNoteBerechnet = 1;
    dynamic_cast<ui::ChoiceBox&>(*f.find(schritt.box)).userChoose(schritt.text);
    EXPECT_EQ(l.VKQ22, schritt.vkq22);
    EXPECT_EQ(l.Fach[VK3], schritt.fach);
    EXPECT_EQ(f.VK33.text(), FachName(schritt.fach));
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.VK30, &f.VK33, &f.WahlVK30}) {
      EXPECT_EQ(c->visible(), schritt.sichtbar) << c->name();
    }
    EXPECT_EQ(f.KurszahlQ2Lab.text(), schritt.kurszahlQ2);
    EXPECT_EQ(f.StundenzahlLabelQ2.text(), schritt.stundenQ2);
    EXPECT_EQ(l.AbiNoteBerechnet, 0);
  }
  EXPECT_EQ(f.WahlVK30.items(), Eintraege(VK3Liste));
  EXPECT_EQ(f.WahlVK30.text(), "VK Deutsch");
}

TEST_F(PhasenModelle, ArtsReplacementInQ2) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    const char* text;
    const char* km3;
    int litWahl;
    std::uint8_t schriftlichKM;
  };
  const Fall faelle[] = {
      {"literatureForQ1", 1, kDezember, "Literatur", "Literatur", 1, 1},
      {"vocalCourseForQ1", 1, kDezember, "vok.prak. GK", "vokalprak. GK", 2, 1},
      {"instrumentalCourseForQ1", 1, kDezember, "inst.prak. GK", "inst.prak. GK", 3, 1},
      {"literatureInQ2IsOral", 2, kOktober, "Literatur", "Literatur", 1, 0},
      {"instrumentalCourseInQ22IsOral", 2, kDezember, "inst.prak. GK", "inst.prak. GK", 3, 0},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t(fall.stufe, fall.heute);
    t.f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");  // enough hours to drop courses
    t.f.WahlKM.userChoose("Musik");
    t.f.AbwKMBox.userChoose("nach Q1.2");
    ASSERT_EQ(t.l.AbwahlKM, 2);
    ASSERT_FALSE(t.f.KM3.visible());
    t.l.Schriftlich[KM] = 1;
    t.f.SchriftlichkeitSetzen();
    // Columns: ..., 9 music, 10 elective, 11 project course, 12 additional course, and the
    // replacement gets column 13.
    SpalteFuellen(t.l, 13, 3);
    SpalteFuellen(t.l, 12, 3);
    SpalteFuellen(t.l, 10, 3);
    t.l.AbiNoteBerechnet = 1;

    t.f.LitJNBox.userChoose(fall.text);

    EXPECT_EQ(t.f.KM3.text(), fall.km3);
    EXPECT_TRUE(t.f.KM3.visible());
    EXPECT_EQ(t.f.KM3.width(), 145);
    EXPECT_EQ(t.f.KM2.text(), "Musik");
    EXPECT_EQ(t.l.LitWahl, fall.litWahl);
    EXPECT_EQ(t.l.AbwahlKM, 0);
    EXPECT_EQ(t.f.AbwKMBox.text(), "keine Abw.");
    EXPECT_EQ(t.l.Schriftlich[KM], fall.schriftlichKM);
    EXPECT_EQ(t.f.KMBoxSchriftl.checked(), fall.schriftlichKM == 1);
    if (fall.stufe == 2) {
      EXPECT_FALSE(t.f.KMBoxSchriftl.enabled());
    }
    EXPECT_TRUE(SpalteHat(t.l, 13, -1));
    EXPECT_TRUE(SpalteHat(t.l, 12, 3)) << "the additional course keeps its points";
    EXPECT_TRUE(SpalteHat(t.l, 10, 3));
    EXPECT_EQ(t.l.AbiNoteBerechnet, 0);
  }
}

TEST_F(PhasenModelle, ArtsContinuingIsWrittenForAnAbiturSubjectUntilQ22) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    int rolle;
    std::uint8_t nachher;
  };
  const Fall faelle[] = {
      {"abiturSubjectInQ1", 1, kDezember, 3, 1},
      {"noAbiturSubjectInQ1", 1, kDezember, 0, 0},
      {"abiturSubjectInQ21", 2, kOktober, 4, 1},
      {"abiturSubjectInQ22", 2, kDezember, 4, 0},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t(fall.stufe, fall.heute);
    t.f.WahlKM.userChoose("Kunst");
    t.f.LitJNBox.userChoose("Literatur");
    ASSERT_EQ(t.f.KM3.text(), "Literatur");
    t.l.AbiWahl[AbiPosKM] = fall.rolle;
    t.l.Schriftlich[KM] = 0;

    t.f.LitJNBox.userChoose("Ku./Mu. bleibt");

    EXPECT_EQ(t.l.LitWahl, 0);
    EXPECT_EQ(t.f.KM3.text(), "Kunst");
    EXPECT_EQ(t.l.Schriftlich[KM], fall.nachher);
  }

  // A stored arts code outside art and music leaves the Q2 cell as it is.
  f.LitJNBox.userChoose("Literatur");
  l.Fach[KM] = Vo;
  f.LitJNBox.userChoose("Ku./Mu. bleibt");
  EXPECT_EQ(f.KM3.text(), "Literatur");
  EXPECT_EQ(l.LitWahl, 0);
}

TEST_F(PhasenModelle, DroppingArtsCancelsLiteratureInQ2) {
  Sitzung t(2, kOktober);
  t.f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");
  t.f.WahlKM.userChoose("Kunst");
  t.f.KMBoxSchriftl.userClick();
  ASSERT_EQ(t.l.Schriftlich[KM], 1);
  t.f.AbwKMBox.userChoose("nach Q2.1");
  ASSERT_EQ(t.f.KM3.width(), 81);

  t.f.LitJNBox.userChoose("Literatur");
  EXPECT_EQ(t.l.AbwahlKM, 0);
  EXPECT_EQ(t.f.KM3.width(), 145);
  EXPECT_EQ(t.l.Schriftlich[KM], 0);
  EXPECT_FALSE(t.f.KMBoxSchriftl.checked());
  EXPECT_EQ(t.f.KMBoxSchriftl.text(), "mündl.");

  // No deselection keeps literature.
  t.f.AbwKMBox.userChoose("keine Abw.");
  EXPECT_EQ(t.l.LitWahl, 1);
  EXPECT_EQ(t.f.KM3.text(), "Literatur");

  t.f.AbwKMBox.userChoose("nach Q1.2");
  EXPECT_EQ(t.l.AbwahlKM, 2);
  EXPECT_EQ(t.l.LitWahl, 0);
  EXPECT_EQ(t.f.LitJNBox.text(), "Ku./Mu. bleibt");
  EXPECT_EQ(t.f.KM3.text(), "Kunst");
  EXPECT_FALSE(t.f.KM3.visible());
}

TEST_F(PhasenModelle, DeselectionBoxesSetTheirFields) {
  using Feld = std::uint8_t Laufbahn::*;
  struct Fall {
    const char* name;
    const char* box;
    const char* vorher;  // chosen first when set
    const char* text;
    Feld feld;
    int wert;
  };
  const Fall faelle[] = {
      {"artsAfterQ12", "AbwKMBox", nullptr, "nach Q1.2", &Laufbahn::AbwahlKM, 2},
      {"artsAfterQ21", "AbwKMBox", nullptr, "nach Q2.1", &Laufbahn::AbwahlKM, 3},
      {"artsKeptAgain", "AbwKMBox", "nach Q2.1", "keine Abw.", &Laufbahn::AbwahlKM, 0},
      {"artsCannotEndAfterQ11", "AbwKMBox", "nach Q2.1", "nach Q1.1", &Laufbahn::AbwahlKM, 3},
      {"religionAfterQ12", "AbwEtBox", nullptr, "nach Q1.2", &Laufbahn::AbwahlEt, 2},
      {"religionAfterQ21", "AbwEtBox", nullptr, "nach Q2.1", &Laufbahn::AbwahlEt, 3},
      {"religionKeptAgain", "AbwEtBox", "nach Q1.2", "keine Abw.", &Laufbahn::AbwahlEt, 0},
      {"religionCannotEndAfterQ11", "AbwEtBox", "nach Q1.2", "nach Q1.1", &Laufbahn::AbwahlEt, 2},
      {"electiveAfterQ11", "AbwWa1Box", nullptr, "nach Q1.1", &Laufbahn::AbwahlWa1, 1},
      {"electiveAfterQ12", "AbwWa1Box", nullptr, "nach Q1.2", &Laufbahn::AbwahlWa1, 2},
      {"electiveAfterQ21", "AbwWa1Box", nullptr, "nach Q2.1", &Laufbahn::AbwahlWa1, 3},
      {"electiveKeptAgain", "AbwWa1Box", "nach Q1.1", "keine Abw.", &Laufbahn::AbwahlWa1, 0},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    t.f.PKEntBox.userChoose("Wahlfach");
    t.f.WahlWa1.userChoose("Geschichte");
    auto& box = dynamic_cast<ui::ChoiceBox&>(*t.f.find(fall.box));
    ASSERT_TRUE(box.enabled());
    if (fall.vorher != nullptr) {
      box.userChoose(fall.vorher);
    }
    t.l.AbiNoteBerechnet = 1;
    box.userChoose(fall.text);
    EXPECT_EQ(t.l.*fall.feld, fall.wert);
    EXPECT_EQ(t.l.AbiNoteBerechnet, 0);
  }
}

TEST_F(PhasenModelle, DeselectionsShortenCellsAndLowerCounts) {
  f.PKEntBox.userChoose("Wahlfach");
  f.Schwerpunkt.userChoose("Fremdsprachlicher Schwerpunkt");
  f.WahlWa1.userChoose("Physik");
  f.WahlEt.userChoose("Philosophie");
  f.WahlKM.userChoose("Kunst");
  ASSERT_EQ(f.Offenhaltung3.text(), "bis in JgSt Q2");

  f.AbwEtBox.userChoose("nach Q2.1");
  f.AbwKMBox.userChoose("nach Q2.1");
  EXPECT_EQ(f.KurszahlQ2Lab.text(), "2 LKs + 9/7 GKs");
  EXPECT_EQ(f.Et3.width(), 81);
  EXPECT_EQ(f.KM3.width(), 81);
  EXPECT_TRUE(f.KM3.visible());

  f.AbwKMBox.userChoose("nach Q1.2");
  EXPECT_FALSE(f.KM3.visible());
  EXPECT_EQ(f.KurszahlQ2Lab.text(), "2 LKs + 8/7 GKs");

  // Dropping the first elective after Q1.1 also shortens the keeping-open note.
  f.AbwWa1Box.userChoose("nach Q1.1");
  EXPECT_EQ(f.Offenhaltung3.text(), "bis in JgSt Q1");
  EXPECT_EQ(f.Wa12.width(), 81);
  EXPECT_TRUE(f.Wa12.visible());
  EXPECT_FALSE(f.Wa13.visible());
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 8/7 GKs");
}

}  // namespace
}  // namespace kelvaro
