#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Faelle.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace farben = ui::farben;

// One run of the program for a stage and a day, on a design-size screen. The default is
// Q1 on 10 December 2026: exam choices for Q1.2.
struct Sitzung : test::Testprogramm {
  explicit Sitzung(int stufe = 1, ui::Datum heute = {2026, 12, 10})
      : Testprogramm({.stufe = stufe, .heute = heute, .verzeichnis = "/tmp"}) {}
};

ui::Control& Control(TForm1& f, const std::string& name) {
  return test::Steuerelement(f, name);
}

ui::ChoiceBox& Box(TForm1& f, const std::string& name) {
  return test::Steuerelement<ui::ChoiceBox>(f, name);
}

void NotenFuellen(Laufbahn& l, int punkte) {
  for (auto& slot : l.Noten) {
    for (int spalte = 1; spalte <= NotenSpalten; ++spalte) {
      slot[static_cast<std::size_t>(spalte)] = punkte;
    }
  }
}

// The grade-book columns whose five slots are all empty.
std::set<int> LeereSpalten(const Laufbahn& l) {
  std::set<int> leer;
  for (int spalte = 1; spalte <= NotenSpalten; ++spalte) {
    bool alleLeer = true;
    for (const auto& slot : l.Noten) {
      alleLeer = alleLeer && slot[static_cast<std::size_t>(spalte)] == -1;
    }
    if (alleLeer) {
      leer.insert(spalte);
    }
  }
  return leer;
}

class FachwahlHandler : public ::testing::Test {
 protected:
  Sitzung s;
  TForm1& f = s.f;
  Laufbahn& l = s.l;
};

struct Abbildung {
  const char* text;
  FachTyp fach;
  const char* zelle;
};

const std::vector<Abbildung> kFremdsprachen = {{"Englisch (ab 5)", E5, "Englisch"},
                                               {"Französisch (ab 7)", F7, "Französisch"},
                                               {"Italienisch (ab 9)", I9, "Italienisch"},
                                               {"Italienisch (ab 11)", I0, "Italienisch"}};
const std::vector<Abbildung> kNaturwissenschaften = {{"Biologie", Bi, "Biologie"},
                                                     {"Physik", Ph, "Physik"},
                                                     {"Chemie", Ch, "Chemie"},
                                                     {"Informatik", Inf, "Informatik"}};
const std::vector<Abbildung> kGesellschaft = {
    {"Geschichte", Ge, "Geschichte"}, {"Sozialwiss.", Sw, "Sozialwiss."}, {"Erdkunde", Erd, "Erdkunde"}};
const std::vector<Abbildung> kReligion = {{"evan. Religion", eR, "evan. Religion"},
                                          {"kath. Religion", kR, "kath. Religion"},
                                          {"Philosophie", Pl, "Philosophie"}};
const std::vector<Abbildung> kKuenste = {{"Kunst", Ku, "Kunst"}, {"Musik", Mu, "Musik"}};
const std::vector<Abbildung> kWahlfaecher = {{"Biologie", Bi, "Biologie"},
                                             {"Physik", Ph, "Physik"},
                                             {"Chemie", Ch, "Chemie"},
                                             {"Informatik", Inf, "Informatik"},
                                             {"Englisch (ab 5)", E5, "Englisch"},
                                             {"Französisch (ab 7)", F7, "Französisch"},
                                             {"Latein (ab 7)", L7, "Latein"},
                                             {"Italienisch (ab 9)", I9, "Italienisch"},
                                             {"Italienisch (ab 11)", I0, "Italienisch"},
                                             {"Geschichte", Ge, "Geschichte"},
                                             {"Sozialwiss.", Sw, "Sozialwiss."},
                                             {"Erdkunde", Erd, "Erdkunde"},
                                             {"Kunst", Ku, "Kunst"},
                                             {"Musik", Mu, "Musik"}};
const std::vector<Abbildung> kVertiefungen = {
    {"VK Deutsch", VKD, "VK Deutsch"}, {"VK Englisch", VKE, "VK Englisch"}, {"VK Mathem.", VKM, "VK Mathem."}};
const std::vector<Abbildung> kProjekte = {
    {"Schüler experi.", PKSE, "Schüler experi."},     {"Schülerfirma", PKSF, "Schülerfirma"},
    {"Künstl. Gestalten", PKKG, "Künstl. Gestalten"}, {"Theater und Lit.", PKTL, "Theater und Lit."},
    {"Lerntraining", PKLT, "Lerntraining"},           {"Podcast", PKPC, "Podcast"}};

TEST_F(FachwahlHandler, EveryRowStoresTheCodeOfTheChosenTextAndWritesItsCells) {
  struct Zeile {
    const char* box;
    RasterTyp raster;
    std::vector<const char*> zellen;
    const std::vector<Abbildung>& abbildung;
  };
  // EF model 2 and the project-course model, as after start-up.
  const Zeile zeilen[] = {
      {"WahlFS1", FS1, {"FS11", "FS12", "FS13"}, kFremdsprachen},
      {"WahlFS2", FS2, {"FS21", "FS22", "FS23"}, kFremdsprachen},
      {"WahlNW1", NW1, {"NW11", "NW12", "NW13"}, kNaturwissenschaften},
      {"WahlNW2", NW2, {"NW21", "NW22", "NW23"}, kNaturwissenschaften},
      {"WahlGW", GW, {"GW1", "GW2", "GW3"}, kGesellschaft},
      {"WahlEt", Et, {"Et1", "Et2", "Et3"}, kReligion},
      {"WahlKM", KM, {"KM1", "KM2", "KM3"}, kKuenste},
      {"WahlWa1", Wa1, {"Wa11"}, kWahlfaecher},
      {"WahlWa2", Wa2, {"Wa21"}, kWahlfaecher},
      {"WahlVK10", VK1, {"VK11"}, kVertiefungen},
      {"WahlPK", PK, {"PK1"}, kProjekte},
      {"WahlVK30", VK3, {"VK33"}, kVertiefungen},
  };
  for (const Zeile& zeile : zeilen) {
    for (const Abbildung& a : zeile.abbildung) {
      SCOPED_TRACE(std::string(zeile.box) + " <- " + a.text);
      ui::ChoiceBox& box = Box(f, zeile.box);
      box.userChoose(a.text);
      EXPECT_GE(box.itemIndex(), 0) << "the text is one of the box's items";
      EXPECT_EQ(l.Fach[zeile.raster], a.fach);
      for (const char* zelle : zeile.zellen) {
        EXPECT_EQ(Control(f, zelle).text(), a.zelle) << zelle;
      }
    }
  }
  // German, mathematics and sport keep their fixed cells.
  EXPECT_EQ(f.Deu2.text(), "Deutsch");
  EXPECT_EQ(f.Edit16.text(), "Mathematik");
  EXPECT_EQ(f.Sp2.text(), "Sport");
}

TEST_F(FachwahlHandler, ElectiveCellsTakeTheColourOfTheSubjectGroup) {
  struct Fall {
    const char* name;
    const char* efModell;  // chosen in VK10EntBox first; nullptr keeps model 2
    const char* box;
    const char* text;
    std::vector<const char*> zellen;
    ui::Farbe farbe;
  };
  const std::vector<const char*> wa1 = {"Wa11", "Wa12", "Wa13", "AbiWa1"};
  // clang-format off
  const Fall faelle[] = {
      {"languageInFirstElective", nullptr, "WahlWa1", "Französisch (ab 7)", wa1, farben::Rot},
      {"scienceInFirstElective", nullptr, "WahlWa1", "Chemie", wa1, farben::Limette},
      {"societyInFirstElective", nullptr, "WahlWa1", "Erdkunde", wa1, farben::Gelb},
      {"artsInFirstElective", nullptr, "WahlWa1", "Musik", wa1, farben::Fuchsia},
      {"latinInSecondElective", nullptr, "WahlWa2", "Latein (ab 7)", {"Wa21"}, farben::Rot},
      {"deepDiveAsSecondElectiveRow", "zwei VTK+10 GKs (1 Wahlfach)", "WahlWa2", "VK Englisch", {"Wa21"}, farben::Silber},
      {"deepDiveRow", nullptr, "WahlVK10", "VK Deutsch", {"VK11"}, farben::Silber},
      {"thirdElective", "kein VTK+12 GKs (3 Wahlfächer)", "WahlVK10", "Informatik", {"VK11"}, farben::Limette},
  };
  // clang-format on
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    if (fall.efModell != nullptr) {
      t.f.VK10EntBox.userChoose(fall.efModell);
    }
    for (const char* zelle : fall.zellen) {
      Control(t.f, zelle).setColor(ui::Farbe{1, 2, 3});
    }
    Box(t.f, fall.box).userChoose(fall.text);
    for (const char* zelle : fall.zellen) {
      EXPECT_EQ(Control(t.f, zelle).color(), fall.farbe) << zelle;
    }
  }
}

TEST_F(FachwahlHandler, EachHandlerClearsTheGradeColumnOfItsRow) {
  struct Fall {
    const char* name;
    const char* schwerpunkt;  // chosen first when set
    const char* q1Modell;     // chosen in PKEntBox first when set
    const char* box;
    const char* text;
    std::set<int> geloescht;
  };
  const Fall faelle[] = {
      {"firstLanguage", nullptr, nullptr, "WahlFS1", "Französisch (ab 7)", {1}},
      {"secondLanguage", "Fremdsprachlicher Schwerpunkt", nullptr, "WahlFS2", "Englisch (ab 5)", {2}},
      {"firstScienceWithScienceFocus", nullptr, nullptr, "WahlNW1", "Physik", {2}},
      {"firstScienceWithLanguageFocus", "Fremdsprachlicher Schwerpunkt", nullptr, "WahlNW1", "Physik", {3}},
      {"secondScience", nullptr, nullptr, "WahlNW2", "Chemie", {3}},
      // The empty row had one additional course without a subject; geography needs history
      // and social science as additional courses (columns 11 and 12).
      {"socialScienceAndTheAdditionalCoursesThatChange", nullptr, nullptr, "WahlGW", "Erdkunde", {7, 11, 12}},
      {"religion", nullptr, nullptr, "WahlEt", "Philosophie", {8}},
      {"arts", nullptr, nullptr, "WahlKM", "Musik", {9}},
      {"firstElectiveEndingWithEF", nullptr, nullptr, "WahlWa1", "Physik", {}},
      {"firstElectiveContinued", nullptr, "Pro.ku. + Wa.fa.", "WahlWa1", "Physik", {10}},
      {"secondElective", nullptr, nullptr, "WahlWa2", "Physik", {}},
      {"deepDiveInEF", nullptr, nullptr, "WahlVK10", "VK Mathem.", {}},
      {"projectCourseModel", nullptr, nullptr, "WahlPK", "Podcast", {10}},
      {"projectCourseBesideElective", nullptr, "Pro.ku. + Wa.fa.", "WahlPK", "Podcast", {11}},
      {"deepDiveInQ22", nullptr, nullptr, "WahlVK30", "VK Englisch", {}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    if (fall.schwerpunkt != nullptr) {
      t.f.Schwerpunkt.userChoose(fall.schwerpunkt);
    }
    if (fall.q1Modell != nullptr) {
      t.f.PKEntBox.userChoose(fall.q1Modell);
    }
    NotenFuellen(t.l, 11);
    t.l.AbiNoteBerechnet = 1;
    Box(t.f, fall.box).userChoose(fall.text);
    EXPECT_EQ(LeereSpalten(t.l), fall.geloescht);
    EXPECT_EQ(t.l.AbiNoteBerechnet, 0) << "a computed grade no longer belongs to the plan";
  }
}

// Points entered for a course stay with it: changing religion or art never touches another
// course's column, and an additional course keeps its points while its subject stays.
TEST_F(FachwahlHandler, SocialScienceClearsOnlyTheAdditionalCoursesThatChange) {
  struct Fall {
    const char* name;
    const char* vorher;
    const char* nachher;
    std::set<int> geloescht;
  };
  const Fall faelle[] = {
      {.name = "sameSubjectAgain", .vorher = "Geschichte", .nachher = "Geschichte", .geloescht = {7}},
      // history needs social science as additional course, social science needs history
      {.name = "additionalCourseSwapsSubject", .vorher = "Geschichte", .nachher = "Sozialwiss.", .geloescht = {7, 11}},
      // geography keeps history in column 11 and adds social science in column 12
      {.name = "secondAdditionalCourseAppears", .vorher = "Sozialwiss.", .nachher = "Erdkunde", .geloescht = {7, 12}},
      {.name = "secondAdditionalCourseGoes", .vorher = "Erdkunde", .nachher = "Sozialwiss.", .geloescht = {7, 12}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t;
    t.f.WahlGW.userChoose(fall.vorher);
    NotenFuellen(t.l, 11);
    t.f.WahlGW.userChoose(fall.nachher);
    EXPECT_EQ(LeereSpalten(t.l), fall.geloescht);
  }
}

TEST_F(FachwahlHandler, BoxWithoutSelectedItemTakesItsFirstItem) {
  struct Fall {
    const char* box;
    RasterTyp raster;
    const char* ersterEintrag;
    FachTyp fach;
    const char* zelle;
  };
  const Fall faelle[] = {
      {"WahlNW1", NW1, "Biologie", Bi, "NW11"},
      {"WahlGW", GW, "Geschichte", Ge, "GW2"},
      {"WahlEt", Et, "kath. Religion", kR, "Et3"},
      {"WahlWa2", Wa2, "Biologie", Bi, "Wa21"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.box);
    ui::ChoiceBox& box = Box(f, fall.box);
    box.userChoose("Astronomie");
    EXPECT_EQ(box.itemIndex(), 0);
    EXPECT_EQ(box.text(), fall.ersterEintrag);
    EXPECT_EQ(l.Fach[fall.raster], fall.fach);
    EXPECT_EQ(Control(f, fall.zelle).text(), FachName(fall.fach));
  }
}

TEST_F(FachwahlHandler, TextOutsideTheRowsMappingKeepsThePlanButStillRecomputes) {
  // EF model 3 set without its box: the second elective box still offers the electives,
  // while the row maps only deep-dive courses.
  f.WahlWa2.userChoose("VK Deutsch");  // typed: the box falls back to its first item
  EXPECT_EQ(l.Fach[Wa2], Bi);
  l.EFModell = 3;
  l.AbiNoteBerechnet = 1;
  ASSERT_EQ(f.KurszahlEFLab.text(), "11 GKs + 1 VK");

  f.WahlWa2.userChoose("Physik");
  EXPECT_EQ(l.Fach[Wa2], Bi);
  EXPECT_EQ(f.Wa21.text(), "Biologie");
  EXPECT_EQ(f.KurszahlEFLab.text(), "10 GKs + 2 VKs");
  EXPECT_EQ(l.AbiNoteBerechnet, 0);
}

TEST_F(FachwahlHandler, FirstElectiveFillsTheQCellsOnlyWhenItContinues) {
  f.Wa12.setText("alt");
  f.Wa13.setText("alt");
  f.WahlWa1.userChoose("Chemie");
  EXPECT_EQ(f.Wa11.text(), "Chemie");
  EXPECT_EQ(f.Wa12.text(), "alt");
  EXPECT_EQ(f.Wa13.text(), "alt");
  EXPECT_FALSE(f.Wa12.visible());

  for (const char* modell : {"Wahlfach", "Pro.ku. + Wa.fa."}) {
    SCOPED_TRACE(modell);
    f.PKEntBox.userChoose(modell);
    f.Wa12.setText("alt");
    f.Wa13.setText("alt");
    f.WahlWa1.userChoose("Erdkunde");
    EXPECT_EQ(f.Wa11.text(), "Erdkunde");
    EXPECT_EQ(f.Wa12.text(), "Erdkunde");
    EXPECT_EQ(f.Wa13.text(), "Erdkunde");
    EXPECT_TRUE(f.Wa13.visible());
  }
}

TEST_F(FachwahlHandler, LanguageInAnElectiveRowBecomesWritten) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    const char* efModell;  // chosen first when set
    const char* box;
    const char* text;
    RasterTyp raster;
    int rolleWa1;
    std::uint8_t vorher;
    std::uint8_t nachher;
  };
  const ui::Datum dezember{2026, 12, 10};
  const ui::Datum oktober{2026, 10, 5};
  // clang-format off
  const Fall faelle[] = {
      {"secondElectiveLanguage", 1, dezember, nullptr, "WahlWa2", "Englisch (ab 5)", Wa2, 0, 0, 1},
      {"secondElectiveNonLanguageKeepsFlag", 1, dezember, nullptr, "WahlWa2", "Physik", Wa2, 0, 1, 1},
      {"thirdElectiveLanguage", 1, dezember, "kein VTK+12 GKs (3 Wahlfächer)", "WahlVK10", "Latein (ab 7)", VK1, 0, 0, 1},
      {"firstElectiveLanguageInQ1", 1, dezember, nullptr, "WahlWa1", "Italienisch (ab 9)", Wa1, 0, 0, 1},
      {"firstElectiveLanguageInQ21", 2, oktober, nullptr, "WahlWa1", "Französisch (ab 7)", Wa1, 4, 0, 1},
      {"firstElectiveLanguageInQ22AsThirdSubject", 2, dezember, nullptr, "WahlWa1", "Französisch (ab 7)", Wa1, 3, 0, 1},
      {"firstElectiveLanguageInQ22AsLkA", 2, dezember, nullptr, "WahlWa1", "Englisch (ab 5)", Wa1, 1, 0, 1},
      {"firstElectiveLanguageInQ22AsFourthSubject", 2, dezember, nullptr, "WahlWa1", "Französisch (ab 7)", Wa1, 4, 1, 0},
      {"firstElectiveLanguageInQ22WithoutRole", 2, dezember, nullptr, "WahlWa1", "Latein (ab 7)", Wa1, 0, 1, 0},
      {"firstElectiveNonLanguageInQ22KeepsFlag", 2, dezember, nullptr, "WahlWa1", "Geschichte", Wa1, 0, 1, 1},
  };
  // clang-format on
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung t(fall.stufe, fall.heute);
    if (fall.efModell != nullptr) {
      t.f.VK10EntBox.userChoose(fall.efModell);
    }
    t.l.AbiWahl[AbiPosWa1] = fall.rolleWa1;
    t.l.Schriftlich[static_cast<std::size_t>(fall.raster)] = fall.vorher;
    Box(t.f, fall.box).userChoose(fall.text);
    EXPECT_EQ(t.l.Schriftlich[static_cast<std::size_t>(fall.raster)], fall.nachher);
  }
}

TEST_F(FachwahlHandler, WrittenLanguageElectiveUpdatesTheKeepingOpenNote) {
  // The note is computed before the written-flag step; the flag then changes the box,
  // and the box brings the note up to date.
  f.PKEntBox.userChoose("Wahlfach");
  ASSERT_EQ(l.Schriftlich[Wa1], 0);
  f.WahlWa1.userChoose("Französisch (ab 7)");
  EXPECT_EQ(l.Schriftlich[Wa1], 1);
  EXPECT_TRUE(f.Wa1BoxSchriftl.checked());
  EXPECT_EQ(f.Wa1BoxSchriftl.text(), "schriftl.");
  EXPECT_TRUE(f.Offenhaltung3.visible());
  EXPECT_EQ(f.Offenhaltung1.text(), "Offenhaltung fremd-");
  EXPECT_EQ(f.Offenhaltung2.text(), "sprachl. Schwerpunkt");
  EXPECT_EQ(f.Offenhaltung3.text(), "bis in JgSt Q2");
}

TEST_F(FachwahlHandler, KeepingOpenNoteFollowsTheElectives) {
  struct Schritt {
    const char* box;
    const char* text;
    bool sichtbar;
    const char* zeile3;
  };
  // Science focus, project-course model, EF model 2.
  const Schritt schritte[] = {
      {"WahlWa1", "Latein (ab 7)", false, ""},
      {"WahlWa1", "Französisch (ab 7)", true, "bis Ende JgSt EF"},
      {"WahlWa1", "Informatik", false, ""},
      // A new Italian as second elective ends after EF.1 by default.
      {"WahlWa2", "Italienisch (ab 11)", true, "bis Ende JgSt EF.1"},
      {"WahlWa2", "Englisch (ab 5)", true, "bis Ende JgSt EF"},
  };
  for (const Schritt& schritt : schritte) {
    SCOPED_TRACE(std::string(schritt.box) + " <- " + schritt.text);
    Box(f, schritt.box).userChoose(schritt.text);
    EXPECT_EQ(f.Offenhaltung1.visible(), schritt.sichtbar);
    EXPECT_EQ(f.Offenhaltung2.visible(), schritt.sichtbar);
    EXPECT_EQ(f.Offenhaltung3.visible(), schritt.sichtbar);
    if (schritt.sichtbar) {
      EXPECT_EQ(f.Offenhaltung3.text(), schritt.zeile3);
    }
  }
}

TEST_F(FachwahlHandler, NewItalianAsFirstLanguageShortensTheSecondElectiveBeforeTheHours) {
  ASSERT_EQ(f.StundenzahlLabelEF.text(), "27 / 26 Stunden (60´)");
  f.WahlFS1.userChoose("Italienisch (ab 11)");
  EXPECT_EQ(l.Fach[FS1], I0);
  EXPECT_TRUE(f.AbwEFLab.visible());
  EXPECT_TRUE(f.AbwEFBox.visible());
  EXPECT_EQ(f.AbwEFLab.text(), "Abwahl 2. Wahlfa:");
  EXPECT_EQ(f.AbwEFBox.text(), "nach 1. Hj. EF");
  EXPECT_EQ(l.AbwahlEF, 1);
  EXPECT_EQ(f.Wa21.width(), 81);
  // The hours already count the dropped second elective and the four-hour language.
  EXPECT_EQ(f.StundenzahlLabelEF.text(), "28 / 25 Stunden (60´)");
  EXPECT_EQ(f.KurszahlEFLab.text(), "11/10 GKs + 1 VK");

  f.WahlFS1.userChoose("Englisch (ab 5)");
  EXPECT_FALSE(f.AbwEFLab.visible());
  EXPECT_FALSE(f.AbwEFBox.visible());
  EXPECT_EQ(f.AbwEFBox.text(), "nach 2. Hj. EF");
  EXPECT_EQ(l.AbwahlEF, 0);
  EXPECT_EQ(f.Wa21.width(), 145);
  EXPECT_EQ(f.StundenzahlLabelEF.text(), "27 / 26 Stunden (60´)");
  EXPECT_EQ(f.KurszahlEFLab.text(), "11 GKs + 1 VK");
}

TEST_F(FachwahlHandler, SocialScienceRowRecomputesAdditionalCoursesBeforeHours) {
  // First elective social science, continued into the Q phase: with history in the
  // social-science row no additional course is left.
  f.PKEntBox.userChoose("Wahlfach");
  f.WahlWa1.userChoose("Sozialwiss.");
  ASSERT_EQ(f.StuDiffQualiEdit.text(), "3");

  f.WahlGW.userChoose("Geschichte");
  EXPECT_EQ(s.programm.abgeleitet().zusatzkurse.ZKAnzahl, 0);
  EXPECT_FALSE(f.ZK13.visible());
  EXPECT_FALSE(f.ZK23.visible());
  EXPECT_EQ(f.KurszahlQ2Lab.text(), "2 LKs + 8 GKs");
  EXPECT_EQ(f.StuDiffQualiEdit.text(), "0");
  EXPECT_EQ(f.StuDiffQualiEdit.color(), farben::Gruen);
  EXPECT_EQ(f.VielWenigLabel.text(), "zu viel");
  EXPECT_EQ(f.KursAbwahlLabel.text(), "kein Kurs mehr");

  f.WahlGW.userChoose("Erdkunde");
  EXPECT_EQ(f.ZK13.text(), "ZK Geschichte");
  EXPECT_TRUE(f.ZK13.visible());
  EXPECT_FALSE(f.ZK23.visible());
  EXPECT_EQ(f.StuDiffQualiEdit.text(), "3");
  EXPECT_EQ(f.KurszahlQ2Lab.text(), "2 LKs + 9 GKs");
}

TEST_F(FachwahlHandler, WahlSpalteSetzenFillsTheBoxWithoutTouchingThePlan) {
  f.WahlWa2.userChoose("Musik");
  f.WahlSpalteSetzen(Wa2, VK1Liste);
  EXPECT_EQ(f.WahlWa2.items(), (std::vector<std::string>{"VK Deutsch", "VK Mathem.", "VK Englisch"}));
  EXPECT_EQ(f.WahlWa2.text(), "VK Deutsch");
  EXPECT_EQ(f.WahlWa2.itemIndex(), 0);
  EXPECT_EQ(l.Fach[Wa2], Mu);
  EXPECT_EQ(f.Wa21.text(), "Musik");

  // The replacement subject's box is the sport row's box.
  f.WahlSpalteSetzen(Sp, ErsatzfachListe);
  EXPECT_EQ(f.WahlErsatzfach.items().size(), 14U);
  EXPECT_EQ(f.WahlErsatzfach.items().back(), "kein weiteres Ersatzfach");
}

}  // namespace
}  // namespace kelvaro
