#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

// Subject choices for the coming year (Q1); the edition is still current.
constexpr ui::Datum Februar{2026, 2, 10};
// The first day on which the edition is out of date.
constexpr ui::Datum Maerz{2026, 3, 1};
// Exam choices for Q1.1 and for Q1.2 of the current year.
constexpr ui::Datum September{2025, 9, 10};
constexpr ui::Datum Dezember{2025, 12, 10};

const char* const KeineAlternative = "überbelegt ist: bisher keine Alternativwahl getroffen";
const char* const ErstwahlSchuelerExperimentieren =
    "überbelegt ist (Erstwahl für den Projektkurs ist Schüler experi.):";

std::vector<std::string> PKEintraege() {
  std::vector<std::string> eintraege;
  for (std::string_view eintrag : PKListe) {
    if (!eintrag.empty()) {
      eintraege.emplace_back(eintrag);
    }
  }
  return eintraege;
}

// One run of the program with the report window; no stage directory, so teacher mode is off.
struct Sitzung : test::Testprogramm {
  explicit Sitzung(ui::Datum heute = Februar, ui::Bildschirm bildschirm = {1280, 800}, int stufe = 1)
      : Testprogramm({.stufe = stufe, .heute = heute, .bildschirm = bildschirm}) {
    m.onWahlzettelDruck([this] {
      ++drucke;
      nameBeimDruck = l.Vorname + " " + l.Nachname;
      kurseBeimDruck = l.NotenKursZahl;
    });
  }

  // A Q1 plan that breaks no rule, chosen in the main window: project-course model with
  // "Schüler experi.", a deep-dive course in Q2.2, English and physics as advanced courses.
  void GueltigerPlan() { test::GueltigerQ1Plan(f); }

  // "Laufbahn Prüfen", then "Wahlzettel ausdrucken" on a clean report; the student declares
  // a second foreign language from year 7, which the plan allows.
  void PanelOeffnen() {
    f.AbiFaecherPruefen.userClick();
    ASSERT_EQ(m.Meldungszahl(), 16) << m.Textfeld.text();
    ASSERT_TRUE(m.Wahlzetteldrucken.reachable());
    m.Wahlzetteldrucken.userClick();
    ASSERT_TRUE(m.NameneingabePanel.visible());
    m.ZweiteFSSek1Box.userClick();
  }

  void NamenEingeben(const std::string& vorname, const std::string& nachname) {
    m.VornameEdit.setText(vorname);
    m.NachnameEdit.setText(nachname);
  }

  void Drucken() {
    ASSERT_TRUE(m.OKBut.reachable());
    m.OKBut.userClick();
  }

  TForm2& m = programm.meldungsfenster();
  int drucke = 0;
  std::string nameBeimDruck;
  int kurseBeimDruck = -1;
};

// --- "Laufbahn Prüfen" in the main window -------------------------------------------------

TEST(LaufbahnPruefen, SizesAndPlacesTheReportWindowFromTheScreen) {
  struct Fall {
    const char* name;
    ui::Bildschirm bildschirm;
    int hoehe, links, breite, oben;
    int textfeldBreite;  // the contents follow the screen width
  };
  const Fall faelle[] = {
      {"designScreen", {1280, 800}, 720, 40, 1024, 38, 900},
      {"fullHd", {1920, 1080}, 972, 54, 1536, 58, 1350},
      // 5 % of 1050 is 52.5 and 3 % of 1150 is 34.5: halves go to the even neighbour.
      {"halvesToEven", {1150, 1050}, 945, 52, 920, 34, 809},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Februar, fall.bildschirm);
    s.GueltigerPlan();
    s.f.AbiFaecherPruefen.userClick();
    EXPECT_EQ(s.m.height(), fall.hoehe);
    EXPECT_EQ(s.m.left(), fall.links);
    EXPECT_EQ(s.m.width(), fall.breite);
    EXPECT_EQ(s.m.top(), fall.oben);
    EXPECT_EQ(s.m.Textfeld.width(), fall.textfeldBreite);
    EXPECT_TRUE(s.m.visible());
    EXPECT_TRUE(s.m.active());
    EXPECT_FALSE(s.f.active());
  }
}

TEST(LaufbahnPruefen, RunsTheReportAndHidesTheEmptyAbiturBoxes) {
  Sitzung s;
  s.GueltigerPlan();
  s.programm.laufzeit().Startaktion = 2;
  for (ui::ChoiceBox* box : s.f.AbiBox) {
    box->setVisible(true);
  }

  s.f.AbiFaecherPruefen.userClick();

  EXPECT_EQ(s.m.Textfeld.lines().front(), "Prüfung der eingegebenen Wahlen:");
  EXPECT_EQ(s.m.Meldungszahl(), 16);
  EXPECT_TRUE(s.m.Wahlzetteldrucken.enabled());
  EXPECT_EQ(s.programm.laufzeit().Startaktion, 4);
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    const bool mitRolle =
        position == AbiPosFS1 || position == AbiPosNW1 || position == AbiPosMa || position == AbiPosGW;
    EXPECT_EQ(s.f.AbiBox[static_cast<std::size_t>(position)]->visible(), mitRolle)
        << s.f.AbiBox[static_cast<std::size_t>(position)]->name();
  }
  EXPECT_EQ(s.f.AbiLeerVerborgen, 1);
  EXPECT_EQ(s.f.AufraeumenBut.text(), "alle Abiturfächer anzeigen");
}

TEST(LaufbahnPruefen, APlanWithMessagesStillOpensTheWindowWithoutPrinting) {
  Sitzung s;
  s.f.AbiFaecherPruefen.userClick();
  EXPECT_TRUE(s.m.visible());
  EXPECT_GT(s.m.Meldungszahl(), 1);
  EXPECT_FALSE(s.m.Wahlzetteldrucken.enabled());
  EXPECT_FALSE(s.m.NotenBerechnungBut.enabled());
  // No role is chosen: every Abitur box is empty and hidden.
  for (ui::ChoiceBox* box : s.f.AbiBox) {
    EXPECT_FALSE(box->visible()) << box->name();
  }
}

// --- Activation of the report window -------------------------------------------------------

TEST(Meldungsfenster, ActivationClosesThePanelAndShowsTheStoredNames) {
  Sitzung s;
  s.GueltigerPlan();
  s.l.Vorname = "Jörg";
  s.l.Nachname = "Özdemir-Weiß";
  s.PanelOeffnen();
  EXPECT_EQ(s.m.VornameEdit.text(), "Jörg");
  EXPECT_EQ(s.m.NachnameEdit.text(), "Özdemir-Weiß");
  s.NamenEingeben("Anna", "Berg");

  // Back to the main window and to the report again: the typed names were never stored.
  s.f.activate();
  s.programm.laufzeit().Startaktion = 1;
  s.m.activate();

  EXPECT_FALSE(s.m.NameneingabePanel.visible());
  EXPECT_EQ(s.m.VornameEdit.text(), "Jörg");
  EXPECT_EQ(s.m.NachnameEdit.text(), "Özdemir-Weiß");
  EXPECT_EQ(s.l.Vorname, "Jörg");
  EXPECT_EQ(s.programm.laufzeit().Startaktion, 4);
  EXPECT_EQ(s.m.Meldungszahl(), 16);
}

TEST(Meldungsfenster, ActivationSetsTheLanguageBoxesFromTheStoredAnswer) {
  struct Fall {
    std::uint8_t zweiteFSSek1;
    bool zweiteFS, italienisch9;
  };
  const Fall faelle[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, true, true}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(static_cast<int>(fall.zweiteFSSek1));
    Sitzung s;
    s.GueltigerPlan();
    s.l.ZweiteFSSek1 = fall.zweiteFSSek1;
    s.f.AbiFaecherPruefen.userClick();
    EXPECT_EQ(s.m.ZweiteFSSek1Box.checked(), fall.zweiteFS);
    EXPECT_EQ(s.m.I9Sek1Box.checked(), fall.italienisch9);
    EXPECT_EQ(s.l.ZweiteFSSek1, fall.zweiteFSSek1);
  }
  // A second activation after a stored answer changed follows the new answer.
  Sitzung s;
  s.GueltigerPlan();
  s.l.ZweiteFSSek1 = 3;
  s.f.AbiFaecherPruefen.userClick();
  s.l.ZweiteFSSek1 = 0;
  s.m.activate();
  EXPECT_FALSE(s.m.ZweiteFSSek1Box.checked());
  EXPECT_FALSE(s.m.I9Sek1Box.checked());
  EXPECT_EQ(s.l.ZweiteFSSek1, 0);
}

TEST(Meldungsfenster, AlternativeProjectCourseIsOfferedByModelAndSeason) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    const char* modell;
    bool angeboten;
  };
  const Fall faelle[] = {
      {"q1SubjectChoicesProjectModel", 1, Februar, "Projektkurs", true},
      {"q1SubjectChoicesBothModel", 1, Februar, "Pro.ku. + Wa.fa.", true},
      {"q1SubjectChoicesElectiveModel", 1, Februar, "Wahlfach", false},
      {"q1ExamChoicesFirstHalf", 1, September, "Projektkurs", true},
      {"q1ExamChoicesSecondHalf", 1, Dezember, "Projektkurs", false},
      {"efExamChoicesSecondHalf", 0, Dezember, "Projektkurs", true},
      {"q2SubjectChoices", 2, Februar, "Projektkurs", false},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.heute, {1280, 800}, fall.stufe);
    s.f.PKEntBox.userChoose(fall.modell);
    s.f.AbiFaecherPruefen.userClick();
    EXPECT_EQ(s.m.ProjektkursFenster(), fall.angeboten);
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&s.m.AlternativPKCombo, &s.m.PKUebLab,
                                                                          &s.m.PKLab1, &s.m.PKLab2, &s.m.PKEdit}) {
      EXPECT_EQ(c->visible(), fall.angeboten) << c->name();
    }
    if (fall.angeboten) {
      EXPECT_EQ(s.m.AlternativPKCombo.items(), PKEintraege());
    }
  }
}

TEST(Meldungsfenster, ActivationShowsTheStoredAlternative) {
  struct Fall {
    const char* name;
    FachTyp alternative;
    FachTyp erstwahl;
    const char* combo;
    int index;
    const char* pkEdit;
    const char* pkLab2;
  };
  const Fall faelle[] = {
      {"none", leer, PKSE, "Schüler experi.", 0, "", KeineAlternative},
      {"podcast", PKPC, PKSE, "Podcast", 4, "Podcast", ErstwahlSchuelerExperimentieren},
      {"firstChoiceNamedByItsItemText", PKLT, PKSO, "Lerntraining", 3, "Lerntraining",
       "überbelegt ist (Erstwahl für den Projektkurs ist Soziales Engagem.):"},
      // A stored code that the list does not offer: its item text, no item selected.
      {"socialEngagement", PKSO, PKSE, "Soziales Engagem.", -1, "Soziales Engagem.", ErstwahlSchuelerExperimentieren},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s;
    s.l.Fach[PK] = fall.erstwahl;
    // What an earlier activation left behind must not survive.
    s.l.AlternativPK = PKSF;
    s.f.AbiFaecherPruefen.userClick();
    ASSERT_EQ(s.m.PKEdit.text(), "Schülerfirma");

    s.l.AlternativPK = fall.alternative;
    s.m.activate();

    EXPECT_EQ(s.m.AlternativPKCombo.text(), fall.combo);
    EXPECT_EQ(s.m.AlternativPKCombo.itemIndex(), fall.index);
    EXPECT_EQ(s.m.AlternativPKCombo.items(), PKEintraege());
    EXPECT_EQ(s.m.PKEdit.text(), fall.pkEdit);
    EXPECT_EQ(s.m.PKLab2.text(), fall.pkLab2);
    EXPECT_EQ(s.l.AlternativPK, fall.alternative);
  }
}

// --- The alternative project course ------------------------------------------------------

TEST(AlternativerProjektkurs, TheChosenTextSetsTheCourseAndItsName) {
  struct Fall {
    const char* text;
    FachTyp fach;
    const char* pkEdit;
    const char* comboDanach;
  };
  const Fall faelle[] = {
      {"Schüler experi.", PKSE, "Schüler experi.", "Schüler experi."},
      {"Schülerfirma", PKSF, "Schülerfirma", "Schülerfirma"},
      {"Künstl. Gestalten", PKKG, "Künstl. Gestalten", "Künstl. Gestalten"},
      {"Lerntraining", PKLT, "Lerntraining", "Lerntraining"},
      {"Podcast", PKPC, "Podcast", "Podcast"},
      {"Theater und Lit.", PKTL, "Theater und Lit.", "Theater und Lit."},
      // A typed text that is no item selects the first item.
      {"Physik", PKSE, "Schüler experi.", "Schüler experi."},
      {"", PKSE, "Schüler experi.", "Schüler experi."},
      {"Israelprojekt", PKSE, "Schüler experi.", "Schüler experi."},
      // The box is filled from the project-course list, which does not offer it.
      {"Soziales Engagem.", PKSE, "Schüler experi.", "Schüler experi."},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.text);
    Sitzung s;
    s.GueltigerPlan();
    s.PanelOeffnen();
    ASSERT_EQ(s.m.PKLab2.text(), KeineAlternative);
    ASSERT_TRUE(s.m.AlternativPKCombo.reachable());

    s.m.AlternativPKCombo.userChoose(fall.text);

    EXPECT_EQ(s.l.AlternativPK, fall.fach);
    EXPECT_EQ(s.m.PKEdit.text(), fall.pkEdit);
    EXPECT_EQ(s.m.AlternativPKCombo.text(), fall.comboDanach);
    EXPECT_GE(s.m.AlternativPKCombo.itemIndex(), 0);
    EXPECT_EQ(s.m.PKLab2.text(), ErstwahlSchuelerExperimentieren);
  }
}

TEST(AlternativerProjektkurs, SocialEngagementShowsItsShortName) {
  Sitzung s;
  s.GueltigerPlan();
  s.PanelOeffnen();
  // A stored first choice is named by its item text.
  s.l.Fach[PK] = PKSO;
  s.m.AlternativPKCombo.userChoose("Podcast");
  EXPECT_EQ(s.m.PKLab2.text(), "überbelegt ist (Erstwahl für den Projektkurs ist Soziales Engagem.):");
  s.l.Fach[PK] = PKSE;
  // Only a box that offers the item can hand this text to the change handler.
  s.m.AlternativPKCombo.addItem("Soziales Engagem.");
  s.m.AlternativPKCombo.userChoose("Soziales Engagem.");
  EXPECT_EQ(s.l.AlternativPK, PKSO);
  EXPECT_EQ(s.m.PKEdit.text(), "Soz. Engagem.");
  EXPECT_EQ(s.m.PKLab2.text(), ErstwahlSchuelerExperimentieren);
}

// --- "Drucken": the submission checks ------------------------------------------------------

const char* const KeinVorname = "Es wurde kein Vorname eingegeben.";
const char* const KeinNachname = "Es wurde kein Nachname eingegeben.";
const char* const KeineAlternativwahl = "Es wurde kein alternativer Projektkurs gewählt.";
const char* const Identisch = "Erstwahl nund Alternativwahl für den Projektkurs sind identisch.";
const char* const KeinReferenzfach = "Es fehlt ein Referenzfach zum alternativen Projektkurs.";
const char* const Veraltet = "Das Programm ist nicht mehr aktuell !";
const char* const Zeichen = "Vor- und Nachnamen dürfen nur Buchstaben, Leerzeichen oder - enthalten !";
const char* const Grossbuchstabe = "Vor- und Nachnamen müssen mit Großbuchstaben beginnen !";
const char* const Leerzeichen = "Vor- und Nachnamen dürfen nicht mit Leerzeichen enden !";

// After "Drucken": either the message of the first failing check, the panel still open and
// nothing stored or printed, or no message, the names stored and the sheet printed.
void ErgebnisPruefen(const Sitzung& s, const char* meldung, const std::string& vorname, const std::string& nachname) {
  if (meldung == nullptr) {
    EXPECT_FALSE(s.m.HilfeLab.visible()) << s.m.HilfeLab.text();
    EXPECT_FALSE(s.m.NameneingabePanel.visible());
    EXPECT_EQ(s.l.Vorname, vorname);
    EXPECT_EQ(s.l.Nachname, nachname);
    EXPECT_EQ(s.drucke, 1);
  } else {
    EXPECT_TRUE(s.m.HilfeLab.visible());
    EXPECT_EQ(s.m.HilfeLab.text(), meldung);
    EXPECT_TRUE(s.m.NameneingabePanel.visible());
    EXPECT_EQ(s.l.Vorname, "");
    EXPECT_EQ(s.l.Nachname, "");
    EXPECT_EQ(s.drucke, 0);
  }
}

TEST(Drucken, NamesAreCheckedInOrder) {
  struct Fall {
    const char* name;
    const char* vorname;
    const char* nachname;
    const char* meldung;  // nullptr: printed
  };
  const Fall faelle[] = {
      {"plain", "Anna", "Berg", nullptr},
      {"umlautsAndHyphen", "Anna-Lena", "Müller-Lüdenscheidt", nullptr},
      {"umlautAtTheStart", "Özlem", "Ünal", nullptr},
      {"accentsAndSharpS", "José María", "Strauß", nullptr},
      {"allowedSmallAccents", "Lùcía", "Mèlòú", nullptr},
      {"everyAllowedLetter", "Üb Ab-Cd*", "Äàáäèéìíòóöùúüß ZzYy", nullptr},
      {"smallAccentIsNoCapital", "éva", "Berg", Grossbuchstabe},
      {"asteriskIsAllowed", "Anna*", "Berg", nullptr},
      {"noFirstName", "", "Berg", KeinVorname},
      {"noNamesAtAll", "", "", KeinVorname},
      {"noLastName", "Anna", "", KeinNachname},
      {"apostrophe", "Anna", "O'Neill", Zeichen},
      {"digit", "Anna2", "Berg", Zeichen},
      {"eWithDiaeresis", "Zoë", "Berg", Zeichen},
      {"cedilla", "Anna", "Çelik", Zeichen},
      {"fullStop", "Anna", "St. Berg", Zeichen},
      {"beyondLatin1", "Łukasz", "Berg", Zeichen},
      {"accentedCapitalOtherThanUmlauts", "Émile", "Berg", Zeichen},
      // The character check comes before the capital check.
      {"apostropheInLowerCaseName", "anna", "d'Arc", Zeichen},
      {"lowerCaseStart", "Anna", "von Berg", Grossbuchstabe},
      {"sharpSIsNoCapital", "ßabine", "Berg", Grossbuchstabe},
      {"leadingBlank", " Anna", "Berg", Grossbuchstabe},
      {"onlyABlank", "Anna", " ", Grossbuchstabe},
      {"hyphenFirst", "-Anna", "Berg", Grossbuchstabe},
      // The capital check comes before the trailing-blank check.
      {"lowerCaseWithTrailingBlank", "anna ", "Berg", Grossbuchstabe},
      {"trailingBlankInFirstName", "Anna ", "Berg", Leerzeichen},
      {"trailingBlankInLastName", "Anna", "Berg ", Leerzeichen},
      {"innerBlanksAreFine", "Anna  Lena", "Berg", nullptr},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s;
    s.GueltigerPlan();
    s.PanelOeffnen();
    s.m.AlternativPKCombo.userChoose("Podcast");
    s.NamenEingeben(fall.vorname, fall.nachname);
    s.Drucken();
    ErgebnisPruefen(s, fall.meldung, fall.vorname, fall.nachname);
  }
}

TEST(Drucken, ProjectCourseChecksComeAfterTheNames) {
  struct Fall {
    const char* name;
    ui::Datum heute;
    void (*vorbereiten)(Sitzung&);
    const char* meldung;
  };
  const Fall faelle[] = {
      {"noAlternative", Februar, [](Sitzung&) {}, KeineAlternativwahl},
      {"noAlternativeButNoFirstName", Februar, [](Sitzung& s) { s.m.VornameEdit.setText(""); }, KeinVorname},
      {"noAlternativeButNoLastName", Februar, [](Sitzung& s) { s.m.NachnameEdit.setText(""); }, KeinNachname},
      {"noAlternativeAndABadName", Februar, [](Sitzung& s) { s.m.VornameEdit.setText("anna"); }, KeineAlternativwahl},
      {"sameAsFirstChoice", Februar, [](Sitzung& s) { s.m.AlternativPKCombo.userChoose("Schüler experi."); },
       Identisch},
      {"artProjectWithoutArt", Februar, [](Sitzung& s) { s.m.AlternativPKCombo.userChoose("Künstl. Gestalten"); },
       KeinReferenzfach},
      {"artProjectWithArt", Februar,
       [](Sitzung& s) {
         s.l.Fach[KM] = Ku;
         s.m.AlternativPKCombo.userChoose("Künstl. Gestalten");
       },
       nullptr},
      // Stored alternatives that the box does not offer.
      {"israelProjectWithHistory", Februar, [](Sitzung& s) { s.l.AlternativPK = PKIA; }, nullptr},
      {"asiaProjectWithEnglish", Februar,
       [](Sitzung& s) {
         s.l.AlternativPK = PKAP;
         s.l.Fach[GW] = Sw;
       },
       nullptr},
      {"asiaProjectWithoutReference", Februar,
       [](Sitzung& s) {
         s.l.AlternativPK = PKAP;
         s.l.Fach[GW] = Sw;
         s.l.Fach[FS1] = F7;
         s.l.Fach[Wa1] = E5;
       },
       KeinReferenzfach},
      {"israelProjectWithContinuedEnglishElective", Februar,
       [](Sitzung& s) {
         s.l.AlternativPK = PKIA;
         s.l.Q1Modell = 2;
         s.l.Fach[GW] = Sw;
         s.l.Fach[FS1] = F7;
         s.l.Fach[Wa1] = E5;
       },
       nullptr},
      {"israelProjectWithEnglishElectiveDroppedAfterQ11", Februar,
       [](Sitzung& s) {
         s.l.AlternativPK = PKIA;
         s.l.Q1Modell = 2;
         s.l.AbwahlWa1 = 1;
         s.l.Fach[GW] = Sw;
         s.l.Fach[FS1] = F7;
         s.l.Fach[Wa1] = E5;
       },
       KeinReferenzfach},
      // Without a project course, or after the exam choices for Q1.1, nothing is asked.
      {"electiveModel", Februar, [](Sitzung& s) { s.l.Q1Modell = 1; }, nullptr},
      {"electiveModelWithSameCourse", Februar,
       [](Sitzung& s) {
         s.l.Q1Modell = 1;
         s.l.AlternativPK = s.l.Fach[PK];
       },
       nullptr},
      {"examChoicesForQ12", Dezember, [](Sitzung&) {}, nullptr},
      {"examChoicesForQ11", September, [](Sitzung&) {}, KeineAlternativwahl},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.heute);
    s.GueltigerPlan();
    s.PanelOeffnen();
    s.NamenEingeben("Anna", "Berg");
    fall.vorbereiten(s);
    s.Drucken();
    ErgebnisPruefen(s, fall.meldung, "Anna", "Berg");
  }
}

TEST(Drucken, AnOutdatedEditionRefusesAfterTheProjectChecksAndBeforeTheNameFormat) {
  struct Fall {
    const char* name;
    const char* vorname;
    const char* alternative;  // nullptr: none chosen
    const char* meldung;
  };
  const Fall faelle[] = {
      {"goodEntries", "Anna", "Podcast", Veraltet},
      {"noFirstName", "", "Podcast", KeinVorname},
      {"noAlternative", "Anna", nullptr, KeineAlternativwahl},
      {"sameAsFirstChoice", "Anna", "Schüler experi.", Identisch},
      {"artProjectWithoutArt", "Anna", "Künstl. Gestalten", KeinReferenzfach},
      {"digitInName", "Anna2", "Podcast", Veraltet},
      {"lowerCaseName", "anna", "Podcast", Veraltet},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Maerz);
    ASSERT_EQ(s.programm.laufzeit().Veraltet, 1);
    s.GueltigerPlan();
    // The report is still shown and the panel opens.
    s.PanelOeffnen();
    if (fall.alternative != nullptr) {
      s.m.AlternativPKCombo.userChoose(fall.alternative);
    }
    s.NamenEingeben(fall.vorname, "Berg");
    s.Drucken();
    ErgebnisPruefen(s, fall.meldung, fall.vorname, "Berg");
  }
  // The day before, the same entries print.
  Sitzung s(ui::Datum{2026, 2, 28});
  s.GueltigerPlan();
  s.PanelOeffnen();
  s.m.AlternativPKCombo.userChoose("Podcast");
  s.NamenEingeben("Anna", "Berg");
  s.Drucken();
  ErgebnisPruefen(s, nullptr, "Anna", "Berg");
}

TEST(Drucken, AFailedCheckCanBeCorrectedOnTheOpenPanel) {
  Sitzung s;
  s.GueltigerPlan();
  s.PanelOeffnen();
  s.m.AlternativPKCombo.userChoose("Lerntraining");
  s.NamenEingeben("Anna", "berg");
  s.Drucken();
  ASSERT_EQ(s.m.HilfeLab.text(), Grossbuchstabe);

  s.m.NachnameEdit.setText("Berg");
  s.Drucken();
  ErgebnisPruefen(s, nullptr, "Anna", "Berg");
  EXPECT_EQ(s.l.AlternativPK, PKLT);

  // Opening the panel again hides the old message.
  s.m.HilfeLab.setVisible(true);
  s.m.Wahlzetteldrucken.userClick();
  EXPECT_TRUE(s.m.NameneingabePanel.visible());
  EXPECT_FALSE(s.m.HilfeLab.visible());
}

TEST(Drucken, StoresTheNamesCutToFiftyCharactersBeforePrinting) {
  Sitzung s;
  s.GueltigerPlan();
  s.PanelOeffnen();
  s.m.AlternativPKCombo.userChoose("Podcast");
  std::string vorname = "Ä";
  for (int i = 0; i < 59; ++i) {
    vorname += "ä";
  }
  const std::string nachname = "B" + std::string(59, 'e');
  s.NamenEingeben(vorname, nachname);
  s.Drucken();

  std::string vorname50 = "Ä";
  for (int i = 0; i < 49; ++i) {
    vorname50 += "ä";
  }
  EXPECT_EQ(s.l.Vorname, vorname50);
  EXPECT_EQ(s.l.Nachname, nachname.substr(0, 50));
  EXPECT_EQ(s.drucke, 1);
  EXPECT_EQ(s.nameBeimDruck, vorname50 + " " + nachname.substr(0, 50));
}

TEST(Drucken, RebuildsTheGradeBookOnlyWhenNoGradeWasComputed) {
  for (const int berechnet : {0, 1}) {
    SCOPED_TRACE(berechnet);
    Sitzung s;
    s.GueltigerPlan();
    s.PanelOeffnen();
    s.m.AlternativPKCombo.userChoose("Podcast");
    s.NamenEingeben("Anna", "Berg");
    s.l.AbiNoteBerechnet = static_cast<std::uint8_t>(berechnet);
    s.l.NotenKursZahl = 0;
    s.l.Noten[2][10] = 9;  // column 10 will be the project course, not taken in Q2.1

    s.Drucken();

    ASSERT_EQ(s.drucke, 1);
    if (berechnet == 0) {
      EXPECT_EQ(s.l.NotenKursZahl, 11);
      EXPECT_EQ(s.kurseBeimDruck, 11);  // built before the sheet is printed
      EXPECT_EQ(s.l.KursKurzname[10], "Sch.ex.");
      EXPECT_EQ(s.l.Noten[2][10], -1);
    } else {
      EXPECT_EQ(s.l.NotenKursZahl, 0);
      EXPECT_EQ(s.kurseBeimDruck, 0);
      EXPECT_EQ(s.l.KursKurzname[10], "");
      EXPECT_EQ(s.l.Noten[2][10], 9);
    }
  }
}

TEST(Drucken, TheLanguageNoticeBlocksTheButton) {
  Sitzung s;
  s.GueltigerPlan();
  s.PanelOeffnen();
  s.m.ZweiteFSSek1Box.userClick();  // no second foreign language after all
  EXPECT_TRUE(s.m.keinezweiteFSMemo.visible());
  EXPECT_FALSE(s.m.OKBut.enabled());
  EXPECT_FALSE(s.m.OKBut.reachable());
}

// --- "Zurück" and "OK" -----------------------------------------------------------------

TEST(Zurueck, StoresTheNamesWithoutChecksAndClosesTheWindow) {
  Sitzung s;
  s.GueltigerPlan();
  s.PanelOeffnen();
  const std::string lang = "o'neill " + std::string(52, 'x');
  s.NamenEingeben("anna 2 ", lang);
  ASSERT_TRUE(s.m.ZurueckBut.reachable());
  s.m.ZurueckBut.userClick();

  EXPECT_EQ(s.l.Vorname, "anna 2 ");
  EXPECT_EQ(s.l.Nachname, lang.substr(0, 50));
  EXPECT_FALSE(s.m.HilfeLab.visible());
  EXPECT_FALSE(s.m.visible());
  EXPECT_EQ(s.drucke, 0);
  EXPECT_EQ(s.l.AlternativPK, leer);
}

TEST(Zurueck, OKClosesTheWindowAndKeepsThePlansNames) {
  Sitzung s;
  s.GueltigerPlan();
  s.l.Vorname = "Jörg";
  s.PanelOeffnen();
  s.NamenEingeben("Anna", "Berg");
  s.m.OKButton.userClick();
  EXPECT_FALSE(s.m.visible());
  EXPECT_EQ(s.l.Vorname, "Jörg");
  EXPECT_EQ(s.l.Nachname, "");
}

}  // namespace
}  // namespace kelvaro
