#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// A fresh program on 10 December 2026 (exam choices for Q1.2) with a design-size screen.
class Hauptfenster : public ::testing::Test {
 protected:
  test::Testprogramm m_test{{.stufe = 1, .heute = {2026, 12, 10}, .verzeichnis = "/tmp", .edition = GebauteEdition()}};
  Programm& m_programm = m_test.programm;
  TForm1& f = m_test.f;
  Laufbahn& l = m_test.l;
};

TEST_F(Hauptfenster, StartsWithTheEmptyPlan) {
  EXPECT_EQ(l.Fach[Sp], Bi);
  EXPECT_EQ(l.Fach[FS1], leer);
  EXPECT_EQ(l.EFModell, 2);
  EXPECT_EQ(l.Noten[4][15], -1);
  EXPECT_EQ(m_programm.laufzeit().Wahlphase(), 3);
  EXPECT_EQ(m_programm.laufzeit().HalbjahrNr(), 4);
  EXPECT_EQ(m_programm.laufzeit().Abgabedatum, "5. Dezember");
  EXPECT_EQ(m_programm.laufzeit().Veraltet, 1);

  EXPECT_EQ(f.KurszahlEFLab.text(), "11 GKs + 1 VK");
  EXPECT_EQ(f.KurszahlQ1Lab.text(), "2 LKs + 7 GKs + 1 PK");
  EXPECT_EQ(f.KurszahlQ2Lab.text(), "2 LKs + 8 GKs");
  EXPECT_TRUE(f.ZK13.visible());
  EXPECT_EQ(f.ZK13.text(), "");
  EXPECT_FALSE(f.ZK23.visible());

  EXPECT_EQ(f.StuDiffQualiEdit.text(), "1");
  EXPECT_EQ(f.StuDiffQualiEdit.color(), (ui::Farbe{255, 0, 0}));
  EXPECT_EQ(f.VielWenigLabel.text(), "zu wenig");
  EXPECT_EQ(f.StundenLabel.text(), "Stunde");
  EXPECT_EQ(f.KursAbwahlLabel.text(), "kein Kurs mehr");
  EXPECT_FALSE(f.AbwKMBox.enabled());
  EXPECT_FALSE(f.AbwWa1Box.enabled());
  EXPECT_EQ(f.KennungsLab.text(), "P8(PK,1 ZK, keine Abwahlkurse) -1-0 = -1 St.");

  EXPECT_EQ(f.StufentextLabel.text(), "Hj. Q1.2");
  EXPECT_TRUE(f.FS1BoxSchriftl.checked());
  EXPECT_FALSE(f.FS1BoxSchriftl.enabled());
  EXPECT_EQ(f.FS1BoxSchriftl.text(), "schriftl.");
  EXPECT_FALSE(f.NW1BoxSchriftl.checked());
  EXPECT_EQ(f.NW1BoxSchriftl.text(), "mündl.");
  EXPECT_TRUE(f.NW1BoxSchriftl.enabled());
  EXPECT_FALSE(f.SpBoxSchriftl.enabled());
  EXPECT_FALSE(f.Wa1BoxSchriftl.visible());  // the project-course model ends the elective with EF

  EXPECT_EQ(f.WahlFS1.items().size(), 4U);
  EXPECT_EQ(f.WahlFS1.text(), "Englisch (ab 5)");
  EXPECT_EQ(f.WahlErsatzfach.text(), "Biologie");
  EXPECT_EQ(f.AbiDeu.itemIndex(), 0);
  EXPECT_EQ(f.VK10EntBox.text(), "ein VTK+11 GKs (2 Wahlfächer)");
  EXPECT_EQ(f.Deu1.color(), (ui::Farbe{250, 160, 0}));
  EXPECT_FALSE(f.VK33.visible());
  EXPECT_FALSE(f.AbwEFBox.visible());
}

TEST_F(Hauptfenster, FachSetzenWritesTheCellsAndTheirColours) {
  struct Fall {
    const char* name;
    RasterTyp raster;
    FachTyp fach;
    ui::EditField* zelle;
    ui::Farbe farbe;
  };
  const Fall faelle[] = {
      {"languageInFirstElective", Wa1, F7, &f.Wa11, ui::farben::Rot},
      {"scienceInFirstElective", Wa1, Inf, &f.Wa11, ui::farben::Limette},
      {"societyInSecondElective", Wa2, Erd, &f.Wa21, ui::farben::Gelb},
      {"artsInSecondElective", Wa2, Mu, &f.Wa21, ui::farben::Fuchsia},
      {"deepDiveInSecondElective", Wa2, VKE, &f.Wa21, ui::farben::Silber},
      {"projectCodeInDeepDiveRowTurnsSilver", VK1, PKSE, &f.VK11, ui::farben::Silber},
      {"emptyTurnsSilver", VK1, leer, &f.VK11, ui::farben::Silber},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    fall.zelle->setColor(ui::Farbe{1, 2, 3});
    f.FachSetzen(fall.raster, fall.fach, FachName(fall.fach));
    EXPECT_EQ(l.Fach[fall.raster], fall.fach);
    EXPECT_EQ(fall.zelle->text(), FachName(fall.fach));
    EXPECT_EQ(fall.zelle->color(), fall.farbe);
  }

  // The deep-dive colour step does not apply to the first elective; religion has no colour.
  f.Wa11.setColor(ui::Farbe{1, 2, 3});
  f.FachSetzen(Wa1, VKD, "VK Deutsch");
  EXPECT_EQ(f.Wa11.color(), (ui::Farbe{1, 2, 3}));
  f.Et1.setColor(ui::farben::Aqua);
  f.FachSetzen(Et, kR, "kath. Religion");
  EXPECT_EQ(f.Et3.text(), "kath. Religion");
  EXPECT_EQ(f.Et1.color(), ui::farben::Aqua);

  // Q1 and Q2 cells of the first elective only in the elective models.
  f.Wa12.setText("alt");
  f.FachSetzen(Wa1, Ge, "Geschichte");
  EXPECT_EQ(f.Wa12.text(), "alt");
  l.Q1Modell = 1;
  f.FachSetzen(Wa1, Ge, "Geschichte");
  EXPECT_EQ(f.Wa13.text(), "Geschichte");

  l.LitWahl = 2;
  f.FachSetzen(KM, Ku, "Kunst");
  EXPECT_EQ(f.KM2.text(), "Kunst");
  EXPECT_EQ(f.KM3.text(), "vokalprakt. Kurs");
}

struct OffenhaltungFall {
  const char* name;
  std::uint8_t schwerpunktFS;
  FachTyp wa1, wa2, vk1;
  std::uint8_t efModell, abwahlEF, q1Modell, abwahlWa1, schriftlichWa1;
  bool sichtbar;
  const char* zeile1;
  const char* zeile3;
};

TEST_F(Hauptfenster, KeepingOpenNote) {
  const OffenhaltungFall faelle[] = {
      {"latinDoesNotKeepTheLanguageFocusOpen", 0, L7, leer, leer, 2, 0, 0, 0, 0, false, "", ""},
      {"frenchAsFirstElective", 0, F7, leer, leer, 2, 0, 0, 0, 0, true, "Offenhaltung fremd-", "bis Ende JgSt EF"},
      {"writtenLanguageElectiveIntoQ2", 0, E5, leer, leer, 2, 0, 1, 0, 1, true, "Offenhaltung fremd-",
       "bis in JgSt Q2"},
      {"writtenLanguageElectiveDroppedAfterQ12", 0, E5, leer, leer, 2, 0, 2, 2, 1, true, "Offenhaltung fremd-",
       "bis in JgSt Q1"},
      {"oralLanguageElectiveEndsWithEF", 0, E5, leer, leer, 2, 0, 1, 0, 0, true, "Offenhaltung fremd-",
       "bis Ende JgSt EF"},
      {"secondElectiveDroppedAfterEF1", 0, leer, I9, leer, 2, 1, 0, 0, 0, true, "Offenhaltung fremd-",
       "bis Ende JgSt EF.1"},
      {"secondElectiveKept", 0, leer, I9, leer, 2, 0, 0, 0, 0, true, "Offenhaltung fremd-", "bis Ende JgSt EF"},
      {"secondElectiveIsADeepDiveInModel3", 0, leer, E5, leer, 3, 0, 0, 0, 0, false, "", ""},
      {"thirdElectiveInModel1", 0, leer, leer, E5, 1, 1, 0, 0, 0, true, "Offenhaltung fremd-", "bis Ende JgSt EF.1"},
      {"physicsForTheLanguageFocusIntoQ2", 1, Ph, leer, leer, 2, 0, 1, 0, 0, true, "Offenhaltung natur-",
       "bis in JgSt Q2"},
      {"computingDoesNotKeepTheScienceFocusOpen", 1, Inf, leer, leer, 2, 0, 1, 0, 0, false, "", ""},
      {"languageElectiveWithLanguageFocus", 1, E5, leer, leer, 2, 0, 1, 0, 1, false, "", ""},
      // The older code of Italian from 11 is the same language as I0, as the sheet states it.
      {"olderCodeOfNewItalianKeepsTheLanguageFocusOpen", 0, I1, leer, leer, 2, 0, 0, 0, 0, true, "Offenhaltung fremd-",
       "bis Ende JgSt EF"},
      {"focusFlagOutsideItsRangeShowsNoNote", 7, E5, leer, leer, 2, 0, 0, 0, 0, false, "", ""},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    l.SchwerpunktFS = fall.schwerpunktFS;
    l.Fach[Wa1] = fall.wa1;
    l.Fach[Wa2] = fall.wa2;
    l.Fach[VK1] = fall.vk1;
    l.EFModell = fall.efModell;
    l.AbwahlEF = fall.abwahlEF;
    l.Q1Modell = fall.q1Modell;
    l.AbwahlWa1 = fall.abwahlWa1;
    l.Schriftlich[Wa1] = fall.schriftlichWa1;
    f.OffenhaltungSetzen();
    EXPECT_EQ(f.Offenhaltung1.visible(), fall.sichtbar);
    EXPECT_EQ(f.Offenhaltung3.visible(), fall.sichtbar);
    if (fall.sichtbar) {
      EXPECT_EQ(f.Offenhaltung1.text(), fall.zeile1);
      EXPECT_EQ(f.Offenhaltung3.text(), fall.zeile3);
    }
  }
}

TEST_F(Hauptfenster, SecondElectiveMayEndAfterEF1OnlyWithANewItalian) {
  struct Fall {
    const char* name;
    std::uint8_t schwerpunktFS;
    RasterTyp zeile;
    std::uint8_t merker;
    bool sichtbar;
    int abwahlEF;
    const char* boxText;
    int breite;
  };
  const Fall faelle[] = {
      {"noNewItalian", 0, PK, 0, false, 0, "nach 2. Hj. EF", 145},
      {"newItalianAsFirstLanguage", 0, FS1, 0, true, 1, "nach 1. Hj. EF", 81},
      {"studentChoseToKeepTheElective", 0, FS1, 1, true, 0, "nach 2. Hj. EF", 145},
      {"secondLanguageCountsOnlyWithLanguageFocus", 0, FS2, 0, false, 0, "nach 2. Hj. EF", 145},
      {"secondLanguageWithLanguageFocus", 1, FS2, 0, true, 1, "nach 1. Hj. EF", 81},
      {"newItalianAsSecondElective", 0, Wa2, 0, true, 1, "nach 1. Hj. EF", 81},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    l.Fach.fill(leer);
    l.SchwerpunktFS = fall.schwerpunktFS;
    l.AbwahlEF = static_cast<std::uint8_t>(1 - fall.abwahlEF);
    if (fall.zeile != PK) {
      l.Fach[fall.zeile] = I0;
    }
    m_programm.hauptfenster().AbwEFMerker = fall.merker;
    f.FS11TestfuerAbEFEnt();
    EXPECT_EQ(f.AbwEFBox.visible(), fall.sichtbar);
    EXPECT_EQ(f.AbwEFLab.visible(), fall.sichtbar);
    EXPECT_EQ(l.AbwahlEF, fall.abwahlEF);
    EXPECT_EQ(f.AbwEFBox.text(), fall.boxText);
    EXPECT_EQ(f.Wa21.width(), fall.breite);
    if (fall.sichtbar) {
      EXPECT_EQ(f.AbwEFLab.text(), "Abwahl 2. Wahlfa:");
    }
  }
  // Other EF models are left alone.
  l.EFModell = 1;
  l.AbwahlEF = 1;
  l.Fach.fill(leer);
  f.FS11TestfuerAbEFEnt();
  EXPECT_EQ(l.AbwahlEF, 1);
}

}  // namespace
}  // namespace kelvaro
