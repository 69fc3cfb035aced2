#include "evaluation/LaufbahnMeldung2027G9.h"
#include "evaluation/Pruefregeln.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Faelle.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

// The messages of the check report, as the report shows them (misspellings and double
// blanks included). A9 to A10 have one text per EF model; A27 and A28 one per role.
const std::string kUeberschrift = "Prüfung der eingegebenen Wahlen:";

const std::string kA1 = "Es wurde keine erste Fremdsprache gewählt.";
const std::string kA2 = "Es wurde keine zweite Fremdsprache gewählt.";
const std::string kA3 = "Es wurde keine erste Naturwissenschaft gewählt.";
const std::string kA4 = "Es wurde keine zweite Naturwisenschaft gewählt.";
const std::string kA5 = "Es wurde keine Gesellschaftswissenschaft gewählt.";
const std::string kA6 = "Es wurde kein ethisches Fach gewählt.";
const std::string kA7 = "Es wurde kein künstlerisches Fach gewählt.";
const std::string kA8 = "Es wurde kein erstes Wahlfach gewählt.";
const std::string kA9Vertiefung = "Es wurde kein erster Vertiefungskurs gewählt.";
const std::string kA9Wahlfach = "Es wurde kein zweites Wahlfach gewählt.";
const std::string kA10Wahlfach = "Es wurde kein drittes Wahlfach gewählt.";
const std::string kA10Vertiefung1 = "Es wurde kein erster  Vertiefungskurs gewählt.";
const std::string kA10Vertiefung2 = "Es wurde kein zweiter Vertiefungskurs gewählt.";
const std::string kA11 = "Es wurde kein Projektkurs gewählt.";
const std::string kA12 = "Zum Projektkurs Künstlerisches Gestalten fehlt das Referenzfach Kunst in JgSt Q1 (12) !";
const std::string kA13 = "Zum Projektkurs Israelprojekt fehlt das Referenzfach in JgSt Q1 (12) !";
const std::string kA14 = "Zum Projektkurs Asienprojekt fehlt das Referenzfach in JgSt Q1 (12) !";
const std::string kA15 = "Es wurde kein Vertiefungskurs in JgSt Q2.2 (13.2) gewählt.";
const std::string kA16 = "Die beiden Naturwissenschaften sind nicht verschieden.";
const std::string kA17 = "Die beiden Fremdsprachen sind nicht verschieden.";
const std::string kA18 = "Die beiden Vertiefungskurse der JgSt EF (11) sind nicht verschieden.";
const std::string kA19 = "Das Wahlfach wurde bereits weiter oben gewählt.";
const std::string kA20 = "Das zweite Wahlfach wurde bereits weiter oben gewählt.";
const std::string kA21 = "Das dritte Wahlfach wurde bereits weiter oben gewählt.";
const std::string kA22 = "Italienisch wurde in zwei verschiedenen Kursen gewählt.";
const std::string kA23 = "Es kann nur eine neueinsetzende Fremdsprache in JgSt EF gewählt werden.";
const std::string kA24 = "Es wurde keine Fremdsprache aus der Sekundarstufe I in der gesamten EF fortgeführt.";
const std::string kA25 =
    "Informatik kann in Q1 und Q2 nur belegt werden, wenn darüberhinaus eine Naturwissenschaft (d. h.Biologie, "
    "Chemie oder Physik) in Q1 und Q2 durchgängig belegt ist.";
const std::string kA26 =
    "Informatik kann in der EF nur belegt werden, wenn darüberhinaus eine Naturwissenschaft (d. h.Biologie, "
    "Chemie oder Physik) in der EF durchgängig belegt ist.";
const std::string kA27Lk1 = "Es fehlt der LK 1.";
const std::string kA27Lk2 = "Es fehlt der LK 2.";
const std::string kA27Abi3 = "Es fehlt das 3. Abifach (schr.).";
const std::string kA27Abi4 = "Es fehlt das 4. Abifach (mündl.).";
const std::string kA28Lk1 = "Der LK 1 wurde mehrfach gewählt.";
const std::string kA28Lk2 = "Der LK 2 wurde mehrfach gewählt.";
const std::string kA28Abi3 = "Das 3. Abifach (schr.) wurde mehrfach gewählt.";
const std::string kA28Abi4 = "Das 4. Abifach (mündl.) wurde mehrfach gewählt.";
const std::string kA29 = "Sport kann nicht als 3. oder 4. Abiturfach gewählt werden.";
const std::string kA30 = "Das künstlerische Fach als Abiturfach kann nicht nach JgSt Q1 (12) abgewählt werden.";
const std::string kA31 =
    "Das ethische oder gesellschaftliche Fach als Abiturfach kann nicht nach JgSt Q1 (12) abgewählt werden.";
const std::string kA32 =
    "Das erste Wahlfach als Abiturfach kann nicht nach JgSt Q1 (12) oder Q2.1 (13.1) abgewählt werden.";
const std::string kA33 = "Das erste Wahlfach als Abiturfach kann nicht nach der JgSt EF abgewählt werden.";
const std::string kA34 =
    "Literatur, vokalpraktischer und instrumentalpraktischr Kurs können nicht als Abiturfach gewählt werden.";
const std::string kA35 = "Latein kann nicht in JgSt 12 (Q1) gewählt werden.";
const std::string kA36 =
    "In JgSt 12 (Q1) kann aus stundenplantechnischen Gründen nicht gleichzeitig Kunst und Musik gewählt werden.";

const std::string kB1 =
    "Deutsch, Mathematik, Englisch, Sozialwissenschaften, Erdkunde oder Sport wurde nicht als LK A bewählt.";
const std::string kB2 =
    "Biologie, Physik, Geschichte, Kunst, Deutsch, Englisch oder Mathematik wurde nicht als LK B gewählt.";
const std::string kB3 = "Eine Fremdsprache oder Deutsch muss unter den Abiturfächern sein !";
const std::string kB4 = "Eine Naturwissenschaft oder Mathematik muss unter den Abiturfächern sein !";
const std::string kB5 = "Eine Gesellschaftswissenschaft oder Religion muss unter den Abiturfächern sein !";
const std::string kB6 =
    "Ein Leistungskurs muss eine fortgeführte Fremdsprache, Mathematik, Deutsch oder eine Naturwissenschaft sein !";
const std::string kB7 =
    "Unter den vier Abiturfächern müssen zwei der Fächer Deutsch, Mathematik und Fremdsprache sein !";
const std::string kB8 = "Sport und Religion können nicht gleichzeitig als Abiturfächer gewählt werden.";
const std::string kB9 =
    "11 Grundkurse, d. h. 2 Wahlfächer, ohne Vertiefungskurs können nur gewählt werden, wenn Italienisch (ab 11) "
    "unter den Grundkursen der EF ist.";
const std::string kB10 =
    "Da zu viele Fächer abgewählt wurden, wird die minimale Stundenzahl von 68 Stunden in der Qualifikationsphase "
    "unterschritten.";
const std::string kB11 =
    "Wird ein Projektkurs gewählt, muss in JgSt Q2.2 (13.2) ein Vertiefungskurs gewählt werden, es sei denn es wird "
    "Italienisch als neueinsetzende Fremdsparche ab JgSt EF durchgängig belegt oder es sind 2 Zusatzkurse "
    "eingeplant. Sehr gute Schüler/innen sollen in diesem Fall statt der Wahl eines Vertiefungskurses in der Q2.2 "
    "(13.1) in der Q1.1 (12.1) ein Wahlfach fortführen.";
const std::string kB12 =
    "Da zu viele Fächer abgewählt wurden, wird die minimal notwendige Zahl von 8 belegten Grundkursen in jedem "
    "Halbjahr der Qualifikationsphase unterschritten. Sie müssen in mind. einem Halbjahr der Qualifikationsphase "
    "einen weiteren Kurs belegen.";
const std::string kB13 =
    "Aus stundenplantechnischen Gründen  muss bei zwei notwendigen Zusatzkursen in der JgSt Q2 entweder das "
    "ethische Fach (Religion bzw. Philosophie) oder das künstlerische Fach (Ku bzw. Musik) abgewählt werden.";
const std::string kB14 =
    "Sie haben ohne Zählung von Vertiefungskursen weniger als 38 Kurse in der Qualifikationsphase belegt.";
const std::string kB15 =
    "Geschichte oder Sozialwissenschaften als Wahlfach darf nicht am Ende der JgSt Q1.1 abgewählt werden, da sonst "
    "in diesem Fach zusätzlich zur Belegung in der Q1 ein Zusatzkurs in der JgSt Q2 notwendig wäre.";
const std::string kB16 =
    "Aus stundenplantechnischen Gründen kann nicht gleichzeitig Sport- oder Kunst-LK und ein Wahlfach in der Q1 (11) "
    "gewählt werden.";
const std::string kB17 =
    "Aus stundenplantechnischen Gründen kann Erdkunde als einzige Gesellschaftswissenschaft in der Q1 nur gewählt "
    "werden, wenn keine neueinsetzende Fremdsprache in der JgST Q2 gewählt wird.";
const std::string kB18 =
    "In der Stufe EF muss eine Naturwissenschaft (Biologie, Physik oder Chemie) schriftlich belegt sein.";
const std::string kB19 =
    "In der Stufe EF muss eine Gesellschaftswissenschaft (Geschich., Sozialwiss. oder Erdkunde) schriftlich belegt "
    "sein.";
const std::string kB20 =
    "In den Stufen Q1 und Q2.1 muss bei naturwissenschaftlichem Schwerpunkt eine Naturwissenschaft oder Informatik "
    "durchgängig schriftlich belegt sein.";
const std::string kB21 = "Die neueinsetzende Fremdsprache Italienisch muss in Q1 und Q2.1 schriftlich belegt werden.";
const std::string kB22 =
    "In der Stufe Q1 muss eine Gesellschaftswissenschaft (Geschich., Sozialwiss. oder Erdkunde) durchgängig "
    "schriftlich belegt sein.";

// The first line of the closing block of a plan without messages.
const std::string kAbschlussAnfang =
    "Die Wahl ist nach den Berechnungen des Computers so möglich. Diese Angaben werden";
const std::string kNotenZuerst = "Zum Ausdruck des Wahlzettels muss zuerst die geschätzte Abiturnote berechnet werden.";
const std::string kNotenSpeichern =
    "Die eingegebenen Noten können im Hauptmenü mit den gewählten Fächern gespeichert werden.";

constexpr ui::Farbe kHellgruen{180, 250, 170};

// Subject choices for the coming year (Wahlphase 1, first half-year), exam choices for the
// first half-year (Wahlphase 2) and for the second half-year (Wahlphase 3).
constexpr ui::Datum kFaecherwahl{2026, 2, 10};
constexpr ui::Datum kKlausurwahl1{2026, 9, 1};
constexpr ui::Datum kKlausurwahl2{2026, 12, 1};

Edition EditionFuer(int stufe, const std::string& abiturjahrgang = "") {
  Edition edition = GebauteEdition();
  edition.Stufe = stufe;
  if (!abiturjahrgang.empty()) {
    edition.Abiturjahrgang = abiturjahrgang;
  }
  return edition;
}

// A started program for one stage and day, on a design-size screen.
struct Umgebung : test::Testprogramm {
  explicit Umgebung(int stufe = 1, ui::Datum heute = kFaecherwahl, const std::string& abiturjahrgang = "")
      : Testprogramm({.heute = heute, .verzeichnis = "/tmp", .edition = EditionFuer(stufe, abiturjahrgang)}) {}

  TForm1& hauptfenster = f;
  TForm2& bericht = programm.meldungsfenster();
  Laufbahn& plan = l;
  Abgeleitet& abgeleitet = programm.abgeleitet();
  Laufzeit& laufzeit = z;
};

void Rollen(Laufbahn& l, std::initializer_list<std::pair<AbiPosition, int>> rollen) {
  l.AbiWahl.fill(0);
  for (const auto& [position, rolle] : rollen) {
    l.AbiWahl[position] = rolle;
  }
}

// A plan that breaks no rule in EF, Q1 and Q2: English (LK A), physics (LK B), chemistry,
// history (4th), Protestant religion, music, French and computing as electives, the
// maths deep-dive course in EF, the project course model with "Schüler experimentieren",
// German deep-dive course in Q2.2, maths as 3rd Abitur subject.
void Basisplan(Laufbahn& l) {
  l.Fach.fill(leer);
  l.Fach[FS1] = E5;
  l.Fach[NW1] = Ph;
  l.Fach[NW2] = Ch;
  l.Fach[Sp] = Bi;
  l.Fach[GW] = Ge;
  l.Fach[Et] = eR;
  l.Fach[KM] = Mu;
  l.Fach[Wa1] = F7;
  l.Fach[Wa2] = Inf;
  l.Fach[VK1] = VKM;
  l.Fach[PK] = PKSE;
  l.Fach[VK3] = VKD;
  Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
  l.SchwerpunktFS = 0;
  l.Q1Modell = 0;
  l.EFModell = 2;
  l.VKQ22 = 1;
  l.AbwahlEF = 0;
  l.AbwahlWa1 = 0;
  l.AbwahlEt = 0;
  l.AbwahlKM = 0;
  l.LitWahl = 0;
  l.ErsatzfachAktiv = 0;
  l.Schriftlich.fill(0);
  for (RasterTyp raster : {FS1, FS2, NW1, De, Ma, GW, Wa1}) {
    l.Schriftlich[raster] = 1;
  }
}

// Shows the plan in the main window (which recomputes counts, additional courses, hours
// and written flags from it) and runs the check.
void Pruefen(Umgebung& u, void (*nachRechnung)(Abgeleitet&) = nullptr) {
  u.hauptfenster.LaufbahnDarstellen();
  if (nachRechnung != nullptr) {
    nachRechnung(u.abgeleitet);
  }
  u.bericht.MeldungAnzeigen();
}

// The rule messages of the last check: the lines after the heading and before the
// closing block.
std::vector<std::string> Meldungen(const TForm2& bericht) {
  const std::vector<std::string>& zeilen = bericht.Textfeld.lines();
  if (zeilen.empty()) {
    return {};
  }
  const auto ende = std::find(zeilen.begin() + 1, zeilen.end(), kAbschlussAnfang);
  return {zeilen.begin() + 1, ende};
}

// The report shows exactly these messages, and colour and buttons follow from whether
// there are any.
void ErwarteBericht(const TForm2& bericht, const std::vector<std::string>& erwartet) {
  const std::vector<std::string>& zeilen = bericht.Textfeld.lines();
  ASSERT_FALSE(zeilen.empty());
  EXPECT_EQ(zeilen.front(), kUeberschrift);
  EXPECT_EQ(Meldungen(bericht), erwartet);
  EXPECT_EQ(bericht.Meldungszahl(), static_cast<int>(zeilen.size()));
  if (erwartet.empty()) {
    EXPECT_EQ(bericht.MeldungszahlRegeln(), 1);
    EXPECT_EQ(bericht.Textfeld.color(), kHellgruen);
    EXPECT_TRUE(bericht.NotenBerechnungBut.enabled());
  } else {
    // No closing block after messages.
    EXPECT_EQ(zeilen.size(), erwartet.size() + 1);
    EXPECT_EQ(bericht.Textfeld.color(), ui::farben::Gelb);
    EXPECT_FALSE(bericht.Wahlzetteldrucken.enabled());
    EXPECT_FALSE(bericht.NotenBerechnungBut.enabled());
  }
}

// One change of the base plan and the messages the report must show for it.
struct Fall {
  const char* name;
  void (*aendern)(Laufbahn&);
  std::vector<std::string> meldungen;
  int stufe = 1;
  ui::Datum heute = kFaecherwahl;
  // Replaces values the main window computed, before the check reads them; may be nullptr.
  void (*nachRechnung)(Abgeleitet&) = nullptr;
};

std::ostream& operator<<(std::ostream& os, const Fall& fall) {
  return os << fall.name;
}

void FallPruefen(const Fall& fall) {
  Umgebung u(fall.stufe, fall.heute);
  Basisplan(u.plan);
  fall.aendern(u.plan);
  Pruefen(u, fall.nachRechnung);
  ErwarteBericht(u.bericht, fall.meldungen);
}

class Pruefregel : public ::testing::TestWithParam<Fall> {};

TEST_P(Pruefregel, ReportShowsExactlyTheseMessages) {
  FallPruefen(GetParam());
}

// ---------------------------------------------------------------------------------------
// The base plan itself.

TEST(PruefBasisplan, BreaksNoRuleInAnyStage) {
  const std::pair<int, ui::Datum> stufen[] = {{0, kFaecherwahl},  {0, kKlausurwahl2}, {1, kFaecherwahl},
                                              {1, kKlausurwahl1}, {1, kKlausurwahl2}, {2, kFaecherwahl},
                                              {2, kKlausurwahl1}, {2, kKlausurwahl2}};
  for (const auto& [stufe, heute] : stufen) {
    SCOPED_TRACE(testing::Message() << "Stufe " << stufe << ", Monat " << heute.monat);
    Umgebung u(stufe, heute);
    Basisplan(u.plan);
    Pruefen(u);
    ErwarteBericht(u.bericht, {});
    EXPECT_TRUE(RegelnGruppeA(u.plan).empty());
    EXPECT_TRUE(RegelnGruppeB(u.plan, u.abgeleitet, u.laufzeit).empty());
  }
}

// The base plan is the one a student builds with the choice boxes of the main window.
TEST(PruefBasisplan, IsWhatTheChoiceBoxesBuild) {
  Umgebung u;
  TForm1& f = u.hauptfenster;
  test::GueltigerQ1Plan(f);
  u.bericht.MeldungAnzeigen();
  ErwarteBericht(u.bericht, {});

  Laufbahn basis;
  Basisplan(basis);
  EXPECT_EQ(u.plan.Fach, basis.Fach);
  EXPECT_EQ(u.plan.AbiWahl, basis.AbiWahl);
  EXPECT_EQ(u.plan.Schriftlich, basis.Schriftlich);
  EXPECT_EQ(u.plan.SchwerpunktFS, basis.SchwerpunktFS);
  EXPECT_EQ(u.plan.Q1Modell, basis.Q1Modell);
  EXPECT_EQ(u.plan.EFModell, basis.EFModell);
  EXPECT_EQ(u.plan.VKQ22, basis.VKQ22);
}

// ---------------------------------------------------------------------------------------
// Group A: empty rows, with the texts that depend on the focus and the models.

const Fall kLeereZeilen[] = {
    {"FirstForeignLanguage", [](Laufbahn& l) { l.Fach[FS1] = leer; }, {kA1}},
    {"SecondForeignLanguageWithLanguageFocus", [](Laufbahn& l) { l.SchwerpunktFS = 1; }, {kA2}},
    {"FirstScience", [](Laufbahn& l) { l.Fach[NW1] = leer; }, {kA3}},
    {"SecondScienceWithScienceFocus", [](Laufbahn& l) { l.Fach[NW2] = leer; }, {kA4}},
    {"SecondScienceUnusedWithLanguageFocus",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I9;
       l.Fach[NW2] = leer;
     },
     {}},
    {"SocialScience", [](Laufbahn& l) { l.Fach[GW] = leer; }, {kA5}},
    {"Ethics", [](Laufbahn& l) { l.Fach[Et] = leer; }, {kA6}},
    {"Arts", [](Laufbahn& l) { l.Fach[KM] = leer; }, {kA7}},
    {"FirstElective", [](Laufbahn& l) { l.Fach[Wa1] = leer; }, {kA8}},
    {"SecondElectiveInModel2", [](Laufbahn& l) { l.Fach[Wa2] = leer; }, {kA9Wahlfach}},
    {"SecondElectiveInModel1",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[Wa2] = leer;
       l.Fach[VK1] = Bi;
     },
     {kA9Wahlfach}},
    {"FirstDeepDiveInModel3",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = leer;
     },
     {kA9Vertiefung}},
    {"ThirdElectiveInModel1",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = leer;
     },
     {kA10Wahlfach}},
    {"DeepDiveInModel2", [](Laufbahn& l) { l.Fach[VK1] = leer; }, {kA10Vertiefung1}},
    {"SecondDeepDiveInModel3",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = VKE;
       l.Fach[VK1] = leer;
     },
     {kA10Vertiefung2}},
    {"NothingForTheDeepDiveRowInModel0",
     [](Laufbahn& l) {
       l.EFModell = 0;
       l.Fach[Wa2] = I0;
       l.Fach[VK1] = leer;
     },
     {}},
    {"ProjectCourseInProjectModel", [](Laufbahn& l) { l.Fach[PK] = leer; }, {kA11}},
    {"ProjectCourseInBothModel",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[PK] = leer;
     },
     {kA11}},
    {"NoProjectCourseNeededInElectiveModel",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[PK] = leer;
     },
     {}},
    {"AllOfThemInOrder",
     [](Laufbahn& l) {
       for (RasterTyp raster : {FS1, NW1, NW2, GW, Et, KM, Wa1, Wa2, VK1, PK, VK3}) {
         l.Fach[raster] = leer;
       }
     },
     {kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Wahlfach, kA10Vertiefung1, kA11, kA15, kA16, kA19}},
};
INSTANTIATE_TEST_SUITE_P(LeereZeilen, Pruefregel, ::testing::ValuesIn(kLeereZeilen), test::FallName<Fall>);

// A fresh program: every row empty, no roles. The models and the focus decide which rows
// are reported.
struct LeererPlan {
  const char* name;
  void (*aendern)(Laufbahn&);
  std::vector<std::string> meldungen;
};

TEST(PruefLeererPlan, ListsEveryRowTheModelsNeed) {
  const std::vector<std::string> rollen = {kA27Lk1, kA27Lk2, kA27Abi3, kA27Abi4};
  const auto mit = [&rollen](std::vector<std::string> zeilen) {
    zeilen.insert(zeilen.end(), rollen.begin(), rollen.end());
    return zeilen;
  };
  const LeererPlan faelle[] = {
      {"StartState", [](Laufbahn&) {},
       mit({kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Wahlfach, kA10Vertiefung1, kA11, kA16, kA19})},
      {"DeepDiveInQ22", [](Laufbahn& l) { l.VKQ22 = 1; },
       mit({kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Wahlfach, kA10Vertiefung1, kA11, kA15, kA16, kA19})},
      {"LanguageFocus", [](Laufbahn& l) { l.SchwerpunktFS = 1; },
       mit({kA1, kA2, kA3, kA5, kA6, kA7, kA8, kA9Wahlfach, kA10Vertiefung1, kA11, kA17, kA19})},
      {"EFModel0", [](Laufbahn& l) { l.EFModell = 0; },
       mit({kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Wahlfach, kA11, kA16, kA19})},
      {"EFModel1", [](Laufbahn& l) { l.EFModell = 1; },
       mit({kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Wahlfach, kA10Wahlfach, kA11, kA16, kA19})},
      {"EFModel3", [](Laufbahn& l) { l.EFModell = 3; },
       mit({kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Vertiefung, kA10Vertiefung2, kA11, kA16, kA18, kA19})},
      {"ElectiveModel", [](Laufbahn& l) { l.Q1Modell = 1; },
       mit({kA1, kA3, kA4, kA5, kA6, kA7, kA8, kA9Wahlfach, kA10Vertiefung1, kA16, kA19})},
  };
  for (const LeererPlan& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Umgebung u;
    fall.aendern(u.plan);
    Pruefen(u);
    ErwarteBericht(u.bericht, fall.meldungen);
  }
}

// ---------------------------------------------------------------------------------------
// Group A: project courses and their reference subjects.

const Fall kProjektkurse[] = {
    {"ArtsProjectWithMusic", [](Laufbahn& l) { l.Fach[PK] = PKKG; }, {kA12}},
    {"ArtsProjectWithArt",
     [](Laufbahn& l) {
       l.Fach[PK] = PKKG;
       l.Fach[KM] = Ku;
     },
     {}},
    {"ArtsProjectWithoutArtsRow",
     [](Laufbahn& l) {
       l.Fach[PK] = PKKG;
       l.Fach[KM] = leer;
     },
     {kA7, kA12}},
    {"ArtsProjectWithMusicInBothModel",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[PK] = PKKG;
     },
     {kA12}},
    {"ArtsProjectUnusedInElectiveModel",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[PK] = PKKG;
     },
     {}},
    {"IsraelWithoutReference",
     [](Laufbahn& l) {
       l.Fach[PK] = PKIA;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = Bi;
     },
     {kA13}},
    {"AsiaWithoutReference",
     [](Laufbahn& l) {
       l.Fach[PK] = PKAP;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = Bi;
     },
     {kA14}},
    {"IsraelWithHistory", [](Laufbahn& l) { l.Fach[PK] = PKIA; }, {}},
    {"AsiaWithEnglishAsFirstLanguage",
     [](Laufbahn& l) {
       l.Fach[PK] = PKAP;
       l.Fach[GW] = Sw;
     },
     {}},
    {"IsraelWithEnglishAsSecondLanguage",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[PK] = PKIA;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[FS2] = E5;
       l.Fach[Wa1] = Bi;
       Rollen(l, {{AbiPosFS2, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {}},
    {"HiddenSecondLanguageIsNoReference",
     [](Laufbahn& l) {
       l.Fach[PK] = PKIA;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[FS2] = E5;
       l.Fach[Wa1] = Bi;
     },
     {kA13}},
    {"AsiaWithContinuedEnglishElective",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[PK] = PKAP;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = E5;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"AsiaWithEnglishElectiveDroppedAfterQ11",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlWa1 = 1;
       l.Fach[PK] = PKAP;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = E5;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
     },
     {kA14}},
    {"AsiaWithEnglishElectiveDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlWa1 = 2;
       l.Fach[PK] = PKAP;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = E5;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"HistoryElectiveEndsWithEFInProjectModel",
     [](Laufbahn& l) {
       l.Fach[PK] = PKIA;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = Ge;
     },
     {kA13}},
    {"HistoryElectiveContinuedInBothModel",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[PK] = PKIA;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = Ge;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"ReferenceNotAskedInElectiveModel",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[PK] = PKAP;
       l.Fach[GW] = Sw;
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = Bi;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Projektkurse, Pruefregel, ::testing::ValuesIn(kProjektkurse), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group A: the deep-dive course of Q2.2, rows that must differ, repeated electives.

const Fall kGleichheiten[] = {
    {"DeepDiveInQ22Missing", [](Laufbahn& l) { l.Fach[VK3] = leer; }, {kA15}},
    // Without the deep-dive course the project model falls one hour short.
    {"NoDeepDiveInQ22Planned",
     [](Laufbahn& l) {
       l.VKQ22 = 0;
       l.Fach[VK3] = leer;
     },
     {kB11}},
    {"SameScienceTwice", [](Laufbahn& l) { l.Fach[NW2] = Ph; }, {kA16}},
    {"BothSciencesEmpty",
     [](Laufbahn& l) {
       l.Fach[NW1] = leer;
       l.Fach[NW2] = leer;
     },
     {kA3, kA4, kA16}},
    {"SameScienceUnusedWithLanguageFocus",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I9;
       l.Fach[NW2] = Ph;
     },
     {}},
    {"SameLanguageTwiceWithLanguageFocus",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = E5;
     },
     {kA17}},
    {"SameLanguageUnusedWithScienceFocus", [](Laufbahn& l) { l.Fach[FS2] = E5; }, {}},
    {"BothLanguagesEmptyWithLanguageFocus",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS1] = leer;
     },
     {kA1, kA2, kA17}},
    {"SameDeepDiveTwiceInModel3",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = VKM;
     },
     {kA18}},
    {"TwoDeepDivesInModel3",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = VKE;
     },
     {}},
    {"BothDeepDivesEmptyInModel3",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = leer;
       l.Fach[VK1] = leer;
     },
     {kA9Vertiefung, kA10Vertiefung2, kA18}},
    {"SameRowsInModel2AreNoDeepDives",
     [](Laufbahn& l) {
       l.Fach[Wa2] = VKM;
       l.Fach[VK1] = VKM;
     },
     {}},
    {"ElectiveRepeatsFirstScience", [](Laufbahn& l) { l.Fach[Wa1] = Ph; }, {kA19}},
    {"ElectiveRepeatsSecondScience", [](Laufbahn& l) { l.Fach[Wa1] = Ch; }, {kA19}},
    {"ElectiveMayRepeatUnusedSecondScience",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I9;
       l.Fach[Wa1] = Ch;
     },
     {}},
    {"ElectiveRepeatsFirstLanguage", [](Laufbahn& l) { l.Fach[Wa1] = E5; }, {kA19}},
    {"ElectiveRepeatsSecondLanguage",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = F7;
     },
     {kA19}},
    {"ElectiveMayRepeatUnusedSecondLanguage", [](Laufbahn& l) { l.Fach[FS2] = F7; }, {}},
    {"ElectiveRepeatsSocialScience", [](Laufbahn& l) { l.Fach[Wa1] = Ge; }, {kA19}},
    {"ElectiveRepeatsArts", [](Laufbahn& l) { l.Fach[Wa1] = Mu; }, {kA19}},
    {"EmptyElectiveEqualsEmptyScience",
     [](Laufbahn& l) {
       l.Fach[NW1] = leer;
       l.Fach[Wa1] = leer;
     },
     {kA3, kA8, kA19}},
    {"SecondElectiveRepeatsScience", [](Laufbahn& l) { l.Fach[Wa2] = Ph; }, {kA20}},
    {"SecondElectiveRepeatsHistory", [](Laufbahn& l) { l.Fach[Wa2] = Ge; }, {kA20}},
    {"SecondElectiveRepeatsFirstElective", [](Laufbahn& l) { l.Fach[Wa2] = F7; }, {kA20}},
    {"EmptySecondElectiveIsNoRepeat",
     [](Laufbahn& l) {
       l.Fach[Wa1] = leer;
       l.Fach[Wa2] = leer;
     },
     {kA8, kA9Wahlfach}},
    {"DeepDiveRowInModel3IsNoElective",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = Ph;
     },
     {}},
    {"ThirdElectiveRepeatsScience",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = Ph;
     },
     {kA21}},
    {"ThirdElectiveRepeatsFirstElective",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = F7;
     },
     {kA21}},
    {"ThirdElectiveRepeatsSecondElective",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = Inf;
     },
     {kA21}},
    {"ThirdElectiveDifferent",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = Bi;
     },
     {}},
    {"DeepDiveRowInModel2IsNoThirdElective", [](Laufbahn& l) { l.Fach[VK1] = Inf; }, {}},
};
INSTANTIATE_TEST_SUITE_P(Gleichheiten, Pruefregel, ::testing::ValuesIn(kGleichheiten), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group A: Italian and the languages carried on from lower secondary school.

// Italian from 11 as first language needs the roles moved off it: it cannot be LK A.
void NeuesItalienischInFS1(Laufbahn& l) {
  l.Fach[FS1] = I0;
  Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
}

const Fall kItalienisch[] = {
    {"ItalianFrom9AndFrom11",
     [](Laufbahn& l) {
       l.Fach[Wa1] = I9;
       l.Fach[Wa2] = I0;
     },
     {kA22}},
    {"NewItalianTwiceAsElectives",
     [](Laufbahn& l) {
       l.Fach[Wa1] = I0;
       l.Fach[Wa2] = I0;
     },
     {kA20, kA22, kA23}},
    {"NewItalianTwiceInModel3",
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa1] = I0;
       l.Fach[Wa2] = I0;
     },
     {kA22, kA23}},
    {"ThirdElectiveCountsInModel1",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[Wa2] = I0;
       l.Fach[VK1] = I9;
     },
     {kA22}},
    {"DeepDiveRowNotCountedInModel2",
     [](Laufbahn& l) {
       l.Fach[Wa2] = I0;
       l.Fach[VK1] = I9;
     },
     {}},
    {"SecondLanguageCountsWithLanguageFocus",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I9;
       l.Fach[Wa2] = I0;
     },
     {kA22}},
    {"SecondLanguageUnusedWithScienceFocus",
     [](Laufbahn& l) {
       l.Fach[FS2] = I9;
       l.Fach[Wa1] = I9;
     },
     {}},
    {"EnglishOnlyAsSecondElectiveDroppedAfterEF1",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Fach[Wa1] = Bi;
       l.Fach[Wa2] = E5;
       l.AbwahlEF = 1;
     },
     {kA24}},
    {"EnglishAsSecondElectiveThroughEF",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Fach[Wa1] = Bi;
       l.Fach[Wa2] = E5;
     },
     {}},
    {"EnglishAsSecondElectiveWhileTheThirdIsDroppedAfterEF1",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[Wa1] = Bi;
       l.Fach[Wa2] = E5;
       l.Fach[VK1] = Sw;
     },
     {}},
    {"LatinAsFirstElective",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Fach[Wa1] = L7;
     },
     {}},
    {"ItalianFrom9IsNoCarriedOnLanguage",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Fach[Wa1] = I9;
     },
     {kA22, kA24}},
    {"FrenchAsThirdElectiveThroughEF",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.EFModell = 1;
       l.Fach[Wa1] = Bi;
       l.Fach[VK1] = F7;
     },
     {}},
    {"FrenchAsThirdElectiveDroppedAfterEF1",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[Wa1] = Bi;
       l.Fach[VK1] = F7;
     },
     {kA24}},
    {"NewItalianFirstWithLanguageFocus",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS1] = I0;
       l.Fach[FS2] = E5;
       l.Fach[Wa1] = Bi;
       Rollen(l, {{AbiPosFS2, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Italienisch, Pruefregel, ::testing::ValuesIn(kItalienisch), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group A: computing as the only science of the language focus.

// Language focus with computing as science; the roles keep the LK B off computing.
void InformatikMitSprachen(Laufbahn& l) {
  l.SchwerpunktFS = 1;
  l.Fach[FS2] = I9;
  l.Fach[NW1] = Inf;
  l.Fach[Wa2] = Sw;
  Rollen(l, {{AbiPosFS1, 1}, {AbiPosMa, 2}, {AbiPosGW, 3}, {AbiPosFS2, 4}});
}

const Fall kInformatik[] = {
    {"NoScienceAtAll", [](Laufbahn& l) { InformatikMitSprachen(l); }, {kA25, kA26}},
    {"ScienceAsSecondElective",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.Fach[Wa2] = Bi;
     },
     {kA25}},
    {"ScienceAsSecondElectiveDroppedAfterEF1",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.Fach[Wa2] = Bi;
       l.AbwahlEF = 1;
     },
     {kA25, kA26}},
    {"ScienceAsThirdElective",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.EFModell = 1;
       l.Fach[VK1] = Bi;
     },
     {kA25}},
    {"ScienceAsThirdElectiveDroppedAfterEF1",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[VK1] = Bi;
     },
     {kA25, kA26}},
    {"ScienceElectiveEndsWithEF",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.Fach[Wa1] = Bi;
     },
     {kA25}},
    {"ScienceElectiveContinued",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.Q1Modell = 1;
       l.Fach[Wa1] = Bi;
     },
     {}},
    {"ScienceElectiveDroppedAfterQ12",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.Q1Modell = 2;
       l.AbwahlWa1 = 2;
       l.Fach[Wa1] = Bi;
     },
     {kA25}},
    {"ComputingWithScienceFocus",
     [](Laufbahn& l) {
       InformatikMitSprachen(l);
       l.SchwerpunktFS = 0;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosMa, 2}, {AbiPosGW, 3}, {AbiPosDe, 4}});
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Informatik, Pruefregel, ::testing::ValuesIn(kInformatik), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group A: counts of the Abitur roles.

const Fall kRollen[] = {
    {"NoRoles", [](Laufbahn& l) { l.AbiWahl.fill(0); }, {kA27Lk1, kA27Lk2, kA27Abi3, kA27Abi4}},
    {"NoFirstAdvancedCourse", [](Laufbahn& l) { l.AbiWahl[AbiPosFS1] = 0; }, {kA27Lk1}},
    {"NoFourthSubject", [](Laufbahn& l) { l.AbiWahl[AbiPosGW] = 0; }, {kA27Abi4}},
    {"FirstAdvancedCourseTwice", [](Laufbahn& l) { l.AbiWahl[AbiPosDe] = 1; }, {kA28Lk1}},
    {"SecondAdvancedCourseBecomesFirst", [](Laufbahn& l) { l.AbiWahl[AbiPosNW1] = 1; }, {kA27Lk2, kA28Lk1}},
    {"MissingBeforeRepeated",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 1}, {AbiPosMa, 3}, {AbiPosGW, 3}});
     },
     {kA27Lk2, kA27Abi4, kA28Lk1, kA28Abi3}},
    {"EveryRoleTwice",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1},
                  {AbiPosDe, 1},
                  {AbiPosNW1, 2},
                  {AbiPosEt, 2},
                  {AbiPosMa, 3},
                  {AbiPosKM, 3},
                  {AbiPosGW, 4},
                  {AbiPosSp, 4}});
     },
     {kA28Lk1, kA28Lk2, kA28Abi3, kA28Abi4, kA29}},
};
INSTANTIATE_TEST_SUITE_P(Rollen, Pruefregel, ::testing::ValuesIn(kRollen), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group A: sport, deselected and replaced Abitur subjects, Latin and the arts in Q1.

const Fall kAbiturfaecher[] = {
    {"SportAsThirdSubject",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosMa] = 0;
       l.AbiWahl[AbiPosSp] = 3;
     },
     {kA29}},
    {"SportAsFourthSubject",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosGW] = 0;
       l.AbiWahl[AbiPosSp] = 4;
     },
     {kA29}},
    // Sport as an advanced course is allowed by group A; group B then wants a language.
    {"SportAsFirstAdvancedCourse",
     [](Laufbahn& l) {
       l.AbiWahl[AbiPosFS1] = 0;
       l.AbiWahl[AbiPosSp] = 1;
     },
     {kB3, kB7}},
    {"ArtsAbiturSubjectDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlKM = 2;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosKM, 4}});
     },
     {kA30}},
    {"ArtsAbiturSubjectDroppedAfterQ21",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlKM = 3;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosKM, 4}});
     },
     {kA30}},
    {"ArtsDroppedWithoutRole",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlKM = 2;
     },
     {}},
    {"EthicsAbiturSubjectDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlEt = 2;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosEt, 4}});
     },
     {kA31}},
    {"EthicsAbiturSubjectDroppedAfterQ21",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlEt = 3;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosEt, 4}});
     },
     {kA31}},
    {"EthicsDroppedWithoutRole",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlEt = 3;
     },
     {}},
    {"ElectiveAbiturSubjectDroppedAfterQ11",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlWa1 = 1;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosWa1, 4}});
     },
     {kA32}},
    {"ElectiveAbiturSubjectDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlWa1 = 2;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosWa1, 4}});
     },
     {kA32}},
    {"ElectiveAbiturSubjectDroppedAfterQ21",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlWa1 = 3;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosWa1, 4}});
     },
     {kA32}},
    {"ElectiveAbiturSubjectEndsWithEF",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosWa1, 4}});
     },
     {kA33}},
    {"ElectiveAbiturSubjectContinued",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Sw;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosWa1, 4}});
     },
     {}},
    {"ArtsAbiturSubjectReplacedByLiterature",
     [](Laufbahn& l) {
       l.LitWahl = 1;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosKM, 4}});
     },
     {kA34}},
    {"ArtsAbiturSubjectReplacedByVocalCourse",
     [](Laufbahn& l) {
       l.LitWahl = 2;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosKM, 4}});
     },
     {kA34}},
    {"ArtsAbiturSubjectReplacedByInstrumentalCourse",
     [](Laufbahn& l) {
       l.LitWahl = 3;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosKM, 4}});
     },
     {kA34}},
    {"ArtsReplacedByLiteratureWithoutRole", [](Laufbahn& l) { l.LitWahl = 1; }, {}},
    {"ArtsAbiturSubjectDroppedAndReplaced",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.AbwahlKM = 2;
       l.LitWahl = 1;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosKM, 4}});
     },
     {kA30, kA34}},
    {"LatinContinuedAsElective",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = L7;
     },
     {kA35}},
    {"LatinContinuedInBothModel",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = L7;
     },
     {kA35}},
    {"LatinElectiveEndsWithEF", [](Laufbahn& l) { l.Fach[Wa1] = L7; }, {}},
    {"ArtContinuedBesideMusic",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Ku;
     },
     {kA36}},
    {"MusicContinuedBesideArt",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[KM] = Ku;
       l.Fach[Wa1] = Mu;
     },
     {kA36}},
    {"ArtElectiveEndsWithEF", [](Laufbahn& l) { l.Fach[Wa1] = Ku; }, {}},
};
INSTANTIATE_TEST_SUITE_P(Abiturfaecher, Pruefregel, ::testing::ValuesIn(kAbiturfaecher), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group B runs only when group A found nothing.

// Values that break B10/B11, B12, B13 and B14 whatever the plan.
void GruppeBVerletzt(Abgeleitet& a) {
  a.stunden.StundenDiffQ = -5;
  a.stunden.KurszahlQ = 0;
  for (int s = 3; s <= 6; ++s) {
    a.Kurszahl[static_cast<std::size_t>(s)] = 0;
  }
  a.zusatzkurse.ZKAnzahl = 2;
}

TEST(PruefGruppeB, BrokenHoursAndCountsAreReportedForACleanGroupA) {
  Umgebung u;
  Basisplan(u.plan);
  Pruefen(u, GruppeBVerletzt);
  ErwarteBericht(u.bericht, {kB11, kB12, kB13, kB14});
}

// Every group A case from the tables above that reports group A messages only keeps
// exactly these messages when the hours and counts break group B as well.
TEST(PruefGruppeB, AnyGroupAMessageSilencesGroupB) {
  // clang-format off
  const std::set<std::string> gruppeA = {
      kA1, kA2, kA3, kA4, kA5, kA6, kA7, kA8, kA9Vertiefung, kA9Wahlfach, kA10Wahlfach, kA10Vertiefung1,
      kA10Vertiefung2, kA11, kA12, kA13, kA14, kA15, kA16, kA17, kA18, kA19, kA20, kA21, kA22, kA23, kA24, kA25,
      kA26, kA27Lk1, kA27Lk2, kA27Abi3, kA27Abi4, kA28Lk1, kA28Lk2, kA28Abi3, kA28Abi4, kA29, kA30, kA31, kA32, kA33,
      kA34, kA35, kA36};
  // clang-format on
  int geprueft = 0;
  for (std::span<const Fall> tabelle :
       {std::span<const Fall>(kLeereZeilen), std::span<const Fall>(kProjektkurse), std::span<const Fall>(kGleichheiten),
        std::span<const Fall>(kItalienisch), std::span<const Fall>(kInformatik), std::span<const Fall>(kRollen),
        std::span<const Fall>(kAbiturfaecher)}) {
    for (const Fall& fall : tabelle) {
      const bool nurGruppeA =
          !fall.meldungen.empty() && std::all_of(fall.meldungen.begin(), fall.meldungen.end(),
                                                 [&gruppeA](const std::string& m) { return gruppeA.count(m) > 0; });
      if (!nurGruppeA) {
        continue;
      }
      SCOPED_TRACE(fall.name);
      Fall mitB = fall;
      mitB.nachRechnung = GruppeBVerletzt;
      FallPruefen(mitB);
      ++geprueft;
    }
  }
  EXPECT_GT(geprueft, 50);
}

// The same plan that breaks B9 and B13 shows only the missing ethics row once that row is
// empty.
TEST(PruefGruppeB, RealPlanBreakingGroupBShowsOnlyTheGroupAMessage) {
  const auto plan = [](Laufbahn& l) {
    l.EFModell = 0;
    l.Fach[GW] = Erd;
  };
  {
    Umgebung u;
    Basisplan(u.plan);
    plan(u.plan);
    Pruefen(u);
    ErwarteBericht(u.bericht, {kB9, kB13});
  }
  {
    Umgebung u;
    Basisplan(u.plan);
    plan(u.plan);
    u.plan.Fach[Et] = leer;
    Pruefen(u);
    ErwarteBericht(u.bericht, {kA6});
  }
}

// ---------------------------------------------------------------------------------------
// Group B: the combination of the Abitur subjects.

const Fall kKombinationen[] = {
    {"FrenchAsFirstAdvancedCourse",
     [](Laufbahn& l) {
       l.Fach[FS1] = F7;
       l.Fach[Wa1] = Bi;
     },
     {kB1}},
    {"HistoryAsFirstAdvancedCourse",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosGW, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosFS1, 4}});
     },
     {kB1}},
    {"GermanAsFirstAdvancedCourse",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosDe, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"SocialScienceAsFirstAdvancedCourse",
     [](Laufbahn& l) {
       l.Fach[GW] = Sw;
       Rollen(l, {{AbiPosGW, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"EarthSciencesElectiveAsFirstAdvancedCourse",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Erd;
       Rollen(l, {{AbiPosWa1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"ChemistryAsSecondAdvancedCourse",
     [](Laufbahn& l) {
       l.Fach[NW1] = Ch;
       l.Fach[NW2] = Ph;
     },
     {kB2}},
    {"SecondScienceAsSecondAdvancedCourse",
     [](Laufbahn& l) {
       l.Fach[NW1] = Ch;
       l.Fach[NW2] = Ph;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW2, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {}},
    {"MusicAsSecondAdvancedCourse",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosKM, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {kB2}},
    {"ArtAsSecondAdvancedCourse",
     [](Laufbahn& l) {
       l.Fach[KM] = Ku;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosKM, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {}},
    {"NoLanguageNorGerman",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosEt, 4}});
     },
     {kB3, kB7}},
    {"LanguageElectiveAsAbiturSubject",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosWa1, 4}});
     },
     {}},
    {"NewItalianElectiveAsAbiturSubject",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = I0;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosWa1, 4}});
     },
     {}},
    {"ItalianFrom9ElectiveAsAbiturSubject",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = I9;
       Rollen(l, {{AbiPosMa, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosWa1, 4}});
     },
     {}},
    {"NoScienceNorMaths",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosDe, 2}, {AbiPosGW, 3}, {AbiPosEt, 4}});
     },
     {kB4}},
    {"ScienceElectiveAsAbiturSubject",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Bi;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosDe, 2}, {AbiPosGW, 3}, {AbiPosWa1, 4}});
     },
     {}},
    {"NoSocialScienceNorReligion",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosDe, 4}});
     },
     {kB5}},
    {"ReligionAsAbiturSubject",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosEt, 4}});
     },
     {}},
    {"PhilosophyAsAbiturSubject",
     [](Laufbahn& l) {
       l.Fach[Et] = Pl;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosEt, 4}});
     },
     {}},
    {"SocialScienceElectiveAsAbiturSubject",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = Sw;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosWa1, 4}});
     },
     {}},
    {"NoCoreSubjectAsAdvancedCourse",
     [](Laufbahn& l) {
       l.Fach[GW] = Sw;
       l.Fach[KM] = Ku;
       Rollen(l, {{AbiPosGW, 1}, {AbiPosKM, 2}, {AbiPosMa, 3}, {AbiPosFS1, 4}});
     },
     {kB6}},
    {"ScienceElectiveAsAdvancedCourse",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[GW] = Sw;
       l.Fach[Wa1] = Bi;
       Rollen(l, {{AbiPosGW, 1}, {AbiPosWa1, 2}, {AbiPosMa, 3}, {AbiPosFS1, 4}});
     },
     {}},
    {"OnlyTheLanguageOfGermanMathsAndLanguage",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosGW, 3}, {AbiPosEt, 4}});
     },
     {kB7}},
    {"SportAndReligion",
     [](Laufbahn& l) {
       Rollen(l, {{AbiPosSp, 1}, {AbiPosNW1, 2}, {AbiPosFS1, 3}, {AbiPosEt, 4}});
     },
     {kB7, kB8}},
    {"SportAndPhilosophy",
     [](Laufbahn& l) {
       l.Fach[Et] = Pl;
       Rollen(l, {{AbiPosSp, 1}, {AbiPosNW1, 2}, {AbiPosFS1, 3}, {AbiPosEt, 4}});
     },
     {kB7}},
    {"NoDeepDiveWithoutNewItalian", [](Laufbahn& l) { l.EFModell = 0; }, {kB9}},
    {"NoDeepDiveWithUnusedItalianSecondLanguage",
     [](Laufbahn& l) {
       l.EFModell = 0;
       l.Fach[FS2] = I0;
     },
     {kB9}},
    {"NoDeepDiveWithItalianSecondLanguage",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.EFModell = 0;
       l.Fach[FS2] = I0;
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Kombinationen, Pruefregel, ::testing::ValuesIn(kKombinationen), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group B: hours, course counts and timetable limits.

const Fall kStunden[] = {
    {"ArtsDroppedTooEarly",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.VKQ22 = 0;
       l.Fach[VK3] = leer;
       l.Fach[Wa1] = Sw;
       l.AbwahlKM = 2;
     },
     {kB10}},
    {"EthicsDroppedTooEarly",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.VKQ22 = 0;
       l.Fach[VK3] = leer;
       l.Fach[Wa1] = Sw;
       l.AbwahlEt = 2;
     },
     {kB10}},
    {"EthicsDroppedAfterQ21KeepsTheMinimum",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.VKQ22 = 0;
       l.Fach[VK3] = leer;
       l.Fach[Wa1] = Sw;
       l.AbwahlEt = 3;
     },
     {}},
    {"ElectiveDroppedAfterQ11GetsTheDeepDiveText",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.VKQ22 = 0;
       l.Fach[VK3] = leer;
       l.Fach[Wa1] = Bi;
       l.AbwahlWa1 = 1;
     },
     {kB11}},
    {"ElectiveDroppedAfterQ12WithArtsAfterQ21",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.VKQ22 = 0;
       l.Fach[VK3] = leer;
       l.Fach[Wa1] = Bi;
       l.AbwahlWa1 = 2;
       l.AbwahlKM = 3;
     },
     {kB10}},
    {"SportReplacedByNothingInQ11",
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = leer;
       l.ErsatzfachVon = 3;
       l.ErsatzfachBis = 3;
     },
     {kB11, kB12}},
    {"SportReplacedByNothingInTheWholeQPhase",
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.Fach[Sp] = leer;
       l.ErsatzfachVon = 3;
       l.ErsatzfachBis = 6;
     },
     {kB11, kB12, kB14}},
    {"TwoAdditionalCoursesKeepingEthicsAndArts", [](Laufbahn& l) { l.Fach[GW] = Erd; }, {kB13}},
    {"TwoAdditionalCoursesEthicsDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.AbwahlEt = 2;
     },
     {}},
    {"TwoAdditionalCoursesArtsDroppedAfterQ12",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.AbwahlKM = 2;
     },
     {}},
    {"TwoAdditionalCoursesArtsDroppedAfterQ21",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.AbwahlKM = 3;
     },
     {kB13}},
    {"TwoAdditionalCoursesBothDroppedAfterQ21",
     [](Laufbahn& l) {
       l.Fach[GW] = Erd;
       l.AbwahlEt = 3;
       l.AbwahlKM = 3;
     },
     {kB13}},
    {"SocialScienceElectiveDroppedAfterQ11",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = Sw;
       l.AbwahlWa1 = 1;
     },
     {kB15}},
    {"HistoryElectiveDroppedAfterQ11",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[GW] = Sw;
       l.Fach[Wa1] = Ge;
       l.AbwahlWa1 = 1;
     },
     {kB15}},
    {"EarthSciencesElectiveDroppedAfterQ11",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = Erd;
       l.AbwahlWa1 = 1;
     },
     {}},
    {"ArtAdvancedCourseWithElective",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[KM] = Ku;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosKM, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {kB16}},
    {"SportAdvancedCourseWithElective",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       Rollen(l, {{AbiPosFS1, 1}, {AbiPosSp, 2}, {AbiPosMa, 3}, {AbiPosGW, 4}});
     },
     {kB2, kB16}},
    {"NewItalianWithEarthSciences",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Fach[GW] = Erd;
       l.AbwahlEt = 2;
     },
     {kB17}},
    {"NewItalianWithEarthSciencesElectiveDroppedAfterQ12",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Q1Modell = 2;
       l.Fach[GW] = Erd;
       l.AbwahlWa1 = 2;
       l.AbwahlEt = 2;
     },
     {}},
    {"NewItalianElectiveUntilQ21WithEarthSciences",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = I0;
       l.Fach[GW] = Erd;
       l.AbwahlWa1 = 3;
       l.AbwahlEt = 2;
     },
     {kB17}},
    {"NewItalianElectiveDroppedAfterQ11WithEarthSciences",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = I0;
       l.Fach[GW] = Erd;
       l.AbwahlWa1 = 1;
       l.AbwahlEt = 2;
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Stunden, Pruefregel, ::testing::ValuesIn(kStunden), test::FallName<Fall>);

// The thresholds, read as the main window last computed them.
const Fall kSchwellen[] = {
    {"HourBalanceJustBelowZero",
     [](Laufbahn&) {},
     {kB11},
     1,
     kFaecherwahl,
     [](Abgeleitet& a) { a.stunden.StundenDiffQ = -0.5; }},
    {"SixCoursesInQ11", [](Laufbahn&) {}, {kB12}, 1, kFaecherwahl, [](Abgeleitet& a) { a.Kurszahl[3] = 6; }},
    {"SixCoursesInQ12", [](Laufbahn&) {}, {kB12}, 1, kFaecherwahl, [](Abgeleitet& a) { a.Kurszahl[4] = 6; }},
    {"SixCoursesInQ21", [](Laufbahn&) {}, {kB12}, 1, kFaecherwahl, [](Abgeleitet& a) { a.Kurszahl[5] = 6; }},
    {"SixCoursesInQ22", [](Laufbahn&) {}, {kB12}, 1, kFaecherwahl, [](Abgeleitet& a) { a.Kurszahl[6] = 6; }},
    {"SevenCoursesInEveryQSemester",
     [](Laufbahn&) {},
     {},
     1,
     kFaecherwahl,
     [](Abgeleitet& a) {
       for (int s = 3; s <= 6; ++s) {
         a.Kurszahl[static_cast<std::size_t>(s)] = 7;
       }
     }},
    {"FewCoursesInEFAreNotChecked",
     [](Laufbahn&) {},
     {},
     1,
     kFaecherwahl,
     [](Abgeleitet& a) {
       a.Kurszahl[1] = 0;
       a.Kurszahl[2] = 0;
     }},
    {"ThirtySevenCourses", [](Laufbahn&) {}, {kB14}, 1, kFaecherwahl, [](Abgeleitet& a) { a.stunden.KurszahlQ = 37; }},
    {"ThirtyEightCourses", [](Laufbahn&) {}, {}, 1, kFaecherwahl, [](Abgeleitet& a) { a.stunden.KurszahlQ = 38; }},
    // Two additional courses go with earth sciences as the only social science; the Italian
    // rule names earth sciences and does not apply to history.
    {"NewItalianWithTwoAdditionalCoursesBesideHistory",
     [](Laufbahn& l) {
       NeuesItalienischInFS1(l);
       l.Q1Modell = 2;
       l.AbwahlEt = 2;
     },
     {},
     1,
     kFaecherwahl,
     [](Abgeleitet& a) { a.zusatzkurse.ZKAnzahl = 2; }},
};
INSTANTIATE_TEST_SUITE_P(Schwellen, Pruefregel, ::testing::ValuesIn(kSchwellen), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// Group B: written courses of the half-year the plan is made for.

// Roles that leave both sciences without a role, so that their written flags are free.
void NaturwissenschaftOhneRolle(Laufbahn& l) {
  Rollen(l, {{AbiPosFS1, 1}, {AbiPosMa, 2}, {AbiPosGW, 3}, {AbiPosDe, 4}});
  l.Schriftlich[NW1] = 0;
  l.Schriftlich[NW2] = 0;
}

// Roles that leave the social science without a role.
void GesellschaftOhneRolle(Laufbahn& l) {
  Rollen(l, {{AbiPosFS1, 1}, {AbiPosNW1, 2}, {AbiPosMa, 3}, {AbiPosEt, 4}});
  l.Schriftlich[GW] = 0;
}

// Biology and social science as written electives instead of the science and social
// science rows: enough in EF, not in the Q phase with the project model.
void WahlfaecherStattPflichtfaecherSchriftlich(Laufbahn& l) {
  Rollen(l, {{AbiPosFS1, 1}, {AbiPosMa, 2}, {AbiPosDe, 3}, {AbiPosEt, 4}});
  l.Schriftlich[NW1] = 0;
  l.Schriftlich[GW] = 0;
  l.Fach[Wa1] = Bi;
  l.Fach[Wa2] = Sw;
  l.Schriftlich[Wa1] = 1;
  l.Schriftlich[Wa2] = 1;
}

const Fall kSchriftlichEF[] = {
    {"NoWrittenScience", [](Laufbahn& l) { l.Schriftlich[NW1] = 0; }, {kB18}, 0},
    {"SecondScienceWritten",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Schriftlich[NW2] = 1;
     },
     {},
     0},
    {"UnusedSecondScienceWritten",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I9;
       l.Schriftlich[NW1] = 0;
       l.Schriftlich[NW2] = 1;
     },
     {kB18},
     0},
    {"ComputingIsNoScienceInEF",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Schriftlich[Wa2] = 1;
     },
     {kB18},
     0},
    {"ScienceElectiveWritten",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Fach[Wa1] = Bi;
       l.Schriftlich[Wa1] = 1;
     },
     {},
     0},
    {"ScienceSecondElectiveWritten",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Fach[Wa2] = Bi;
       l.Schriftlich[Wa2] = 1;
     },
     {},
     0},
    {"ScienceSecondElectiveDroppedAfterEF1ForSubjectChoice",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Fach[Wa2] = Bi;
       l.Schriftlich[Wa2] = 1;
       l.AbwahlEF = 1;
     },
     {},
     0},
    {"ScienceSecondElectiveDroppedAfterEF1ForExamsOfEF1",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Fach[Wa2] = Bi;
       l.Schriftlich[Wa2] = 1;
       l.AbwahlEF = 1;
     },
     {},
     0,
     kKlausurwahl1},
    {"ScienceSecondElectiveDroppedAfterEF1ForExamsOfEF2",
     [](Laufbahn& l) {
       l.Schriftlich[NW1] = 0;
       l.Fach[Wa2] = Bi;
       l.Schriftlich[Wa2] = 1;
       l.AbwahlEF = 1;
     },
     {kB18},
     0,
     kKlausurwahl2},
    {"ScienceSecondElectiveOfModel1ForExamsOfEF2",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Schriftlich[NW1] = 0;
       l.Fach[Wa2] = Bi;
       l.Schriftlich[Wa2] = 1;
       l.Fach[VK1] = Sw;
     },
     {},
     0,
     kKlausurwahl2},
    {"ScienceThirdElectiveWritten",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Schriftlich[NW1] = 0;
       l.Fach[VK1] = Bi;
       l.Schriftlich[VK1] = 1;
     },
     {},
     0,
     kKlausurwahl2},
    {"ScienceThirdElectiveDroppedAfterEF1ForExamsOfEF2",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Schriftlich[NW1] = 0;
       l.Fach[VK1] = Bi;
       l.Schriftlich[VK1] = 1;
     },
     {kB18},
     0,
     kKlausurwahl2},
    {"NoWrittenSocialScience", [](Laufbahn& l) { l.Schriftlich[GW] = 0; }, {kB19}, 0},
    {"SocialScienceElectiveWritten",
     [](Laufbahn& l) {
       l.Schriftlich[GW] = 0;
       l.Fach[Wa1] = Sw;
       l.Schriftlich[Wa1] = 1;
     },
     {},
     0},
    {"SocialScienceSecondElectiveDroppedAfterEF1ForSubjectChoice",
     [](Laufbahn& l) {
       l.Schriftlich[GW] = 0;
       l.Fach[Wa2] = Erd;
       l.Schriftlich[Wa2] = 1;
       l.AbwahlEF = 1;
     },
     {},
     0},
    {"SocialScienceSecondElectiveDroppedAfterEF1ForExamsOfEF2",
     [](Laufbahn& l) {
       l.Schriftlich[GW] = 0;
       l.Fach[Wa2] = Erd;
       l.Schriftlich[Wa2] = 1;
       l.AbwahlEF = 1;
     },
     {kB19},
     0,
     kKlausurwahl2},
    {"SocialScienceSecondElectiveOfModel1ForExamsOfEF2",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Schriftlich[GW] = 0;
       l.Fach[Wa2] = Sw;
       l.Schriftlich[Wa2] = 1;
       l.Fach[VK1] = Bi;
     },
     {},
     0,
     kKlausurwahl2},
    {"SocialScienceThirdElectiveForExamsOfEF2",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Schriftlich[GW] = 0;
       l.Fach[VK1] = Erd;
       l.Schriftlich[VK1] = 1;
     },
     {},
     0,
     kKlausurwahl2},
    {"SocialScienceThirdElectiveDroppedAfterEF1ForExamsOfEF2",
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Schriftlich[GW] = 0;
       l.Fach[VK1] = Erd;
       l.Schriftlich[VK1] = 1;
     },
     {kB19},
     0,
     kKlausurwahl2},
    {"ElectivesWrittenInsteadOfScienceAndSocialScience",
     [](Laufbahn& l) { WahlfaecherStattPflichtfaecherSchriftlich(l); },
     {},
     0},
};
INSTANTIATE_TEST_SUITE_P(SchriftlichEF, Pruefregel, ::testing::ValuesIn(kSchriftlichEF), test::FallName<Fall>);

const Fall kSchriftlichQ[] = {
    {"NoWrittenScience", [](Laufbahn& l) { NaturwissenschaftOhneRolle(l); }, {kB20}},
    {"SecondScienceWritten",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.Schriftlich[NW2] = 1;
     },
     {}},
    {"ComputingWritten",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.Fach[NW1] = Inf;
       l.Fach[Wa2] = Sw;
       l.Schriftlich[NW1] = 1;
     },
     {}},
    {"NoScienceNeededWithLanguageFocus",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I9;
     },
     {}},
    {"ScienceElectiveEndsWithEF",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.Fach[Wa1] = Bi;
       l.Schriftlich[Wa1] = 1;
     },
     {kB20}},
    {"ScienceElectiveContinued",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.Q1Modell = 1;
       l.Fach[Wa1] = Bi;
       l.Schriftlich[Wa1] = 1;
     },
     {}},
    {"ScienceElectiveDroppedAfterQ12",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.Q1Modell = 1;
       l.AbwahlWa1 = 2;
       l.Fach[Wa1] = Bi;
       l.Schriftlich[Wa1] = 1;
     },
     {kB20}},
    {"ScienceElectiveDroppedAfterQ21",
     [](Laufbahn& l) {
       NaturwissenschaftOhneRolle(l);
       l.Q1Modell = 1;
       l.AbwahlWa1 = 3;
       l.Fach[Wa1] = Bi;
       l.Schriftlich[Wa1] = 1;
     },
     {}},
    {"NewItalianElectiveOral",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = I0;
       l.Schriftlich[Wa1] = 0;
     },
     {kB21}},
    {"NewItalianElectiveWritten",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = I0;
       l.Schriftlich[Wa1] = 1;
     },
     {}},
    {"NewItalianElectiveOralInElectiveModel",
     [](Laufbahn& l) {
       l.Q1Modell = 1;
       l.Fach[Wa1] = I0;
       l.Schriftlich[Wa1] = 0;
     },
     {}},
    {"NoWrittenSocialScience", [](Laufbahn& l) { GesellschaftOhneRolle(l); }, {kB22}},
    {"ElectivesWrittenInsteadOfScienceAndSocialScience",
     [](Laufbahn& l) { WahlfaecherStattPflichtfaecherSchriftlich(l); },
     {kB20, kB22}},
    {"SocialScienceElectiveWritten",
     [](Laufbahn& l) {
       GesellschaftOhneRolle(l);
       l.Q1Modell = 1;
       l.Fach[Wa1] = Sw;
       l.Schriftlich[Wa1] = 1;
     },
     {}},
    {"SocialScienceElectiveEndsWithEF",
     [](Laufbahn& l) {
       GesellschaftOhneRolle(l);
       l.Fach[Wa1] = Sw;
       l.Schriftlich[Wa1] = 1;
     },
     {kB22}},
    {"SocialScienceElectiveDroppedAfterQ11",
     [](Laufbahn& l) {
       GesellschaftOhneRolle(l);
       l.Q1Modell = 2;
       l.AbwahlWa1 = 1;
       l.Fach[Wa1] = Sw;
       l.Schriftlich[Wa1] = 1;
     },
     {kB15, kB22}},
    {"SocialScienceElectiveDroppedAfterQ12",
     [](Laufbahn& l) {
       GesellschaftOhneRolle(l);
       l.Q1Modell = 2;
       l.AbwahlWa1 = 2;
       l.Fach[Wa1] = Sw;
       l.Schriftlich[Wa1] = 1;
     },
     {}},
    // Q2: the first half-year (subject choices in February, exams in September) keeps the
    // science and Italian rules; the second half-year has no written-course rule.
    {"Q21NoWrittenScienceAtSubjectChoice", [](Laufbahn& l) { NaturwissenschaftOhneRolle(l); }, {kB20}, 2, kFaecherwahl},
    {"Q21NoWrittenScience", [](Laufbahn& l) { NaturwissenschaftOhneRolle(l); }, {kB20}, 2, kKlausurwahl1},
    {"Q22NoWrittenScience", [](Laufbahn& l) { NaturwissenschaftOhneRolle(l); }, {}, 2, kKlausurwahl2},
    {"Q21NewItalianElectiveOral",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = I0;
       l.Schriftlich[Wa1] = 0;
     },
     {kB21},
     2,
     kKlausurwahl1},
    {"Q22NewItalianElectiveOral",
     [](Laufbahn& l) {
       l.Q1Modell = 2;
       l.Fach[Wa1] = I0;
       l.Schriftlich[Wa1] = 0;
     },
     {},
     2,
     kKlausurwahl2},
    {"Q21NoWrittenSocialScience", [](Laufbahn& l) { GesellschaftOhneRolle(l); }, {}, 2, kKlausurwahl1},
    {"Q1NoWrittenSocialScienceForExamsOfQ12", [](Laufbahn& l) { GesellschaftOhneRolle(l); }, {kB22}, 1, kKlausurwahl2},
};
INSTANTIATE_TEST_SUITE_P(SchriftlichQ, Pruefregel, ::testing::ValuesIn(kSchriftlichQ), test::FallName<Fall>);

// ---------------------------------------------------------------------------------------
// The closing block of a plan without messages.

TEST(PruefAbschluss, LinesOfTheBasePlan) {
  Umgebung u;
  Basisplan(u.plan);
  Pruefen(u);
  const std::vector<std::string> erwartet = {
      kUeberschrift,
      kAbschlussAnfang,
      "nach Abgabe des Wahlzettels von der Schule nochmals geprüft. Bei weiteren Fragen",
      "erhalten Sie Auskunft bei den Jahrgangsstufenleitern oder dem Oberstufenkoordinator.",
      "Das Zustandekommen einzelner Kurse hängt immer auch vom Wahlverhalten der gesamten",
      "Jahrgangsstufe ab. Die Regelungen gelten in dieser Form für den Abiturjahrgang2027 (G8).",
      "Wir wünschen Ihnen einen guten Start in die Oberstufe und allzeit viel Erfolg bis zum bestandenen Abitur !",
      "",
      "Sie haben in 45-Minuten-Stunden gerechnet folgende Wochenstundenzahlen belegt:",
      "JgSt EF: 35 Stunden   JgSt Q1: 33 Stunden   JgSt Q2: 35 Stunden",
      "Damit haben Sie insgesamt 103 Wochenstunden belegt.",
      "102 Wochenstunden sind mindestens notwendig, davon mind. 68 in Q1 und Q2.",
      "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 40 Kurse belegt. 38 Kurse sind "
      "mindestens notwendig.",
      "",
      "Sie haben in 60-Minuten-Stunden gerechnet folgende Wochenstundenzahlen belegt:",
      "JgSt EF: (27/26) Stunden  JgSt Q1: (26/25) Stunden  JgSt Q2: (26/26,5) Stunden.",
  };
  EXPECT_EQ(u.bericht.Textfeld.lines(), erwartet);
  EXPECT_EQ(u.bericht.Meldungszahl(), 16);
  EXPECT_EQ(u.bericht.MeldungszahlRegeln(), 1);
  EXPECT_EQ(u.bericht.Textfeld.color(), kHellgruen);
  EXPECT_TRUE(u.bericht.Wahlzetteldrucken.enabled());
  EXPECT_TRUE(u.bericht.NotenBerechnungBut.enabled());
}

TEST(PruefAbschluss, NamesTheAbiturYearOfTheEdition) {
  Umgebung u(1, kFaecherwahl, "2031");
  Basisplan(u.plan);
  Pruefen(u);
  const std::vector<std::string>& zeilen = u.bericht.Textfeld.lines();
  ASSERT_GE(zeilen.size(), 6u);
  EXPECT_EQ(zeilen[5], "Jahrgangsstufe ab. Die Regelungen gelten in dieser Form für den Abiturjahrgang2031 (G8).");
}

// The hour lines for other models: whole and half 45-minute hours, equal and unequal
// semesters in the 60-minute form, and Q2.2 with a deep-dive course always in the
// "(a/b,5)" form.
struct Stundenzeilen {
  const char* name;
  void (*aendern)(Laufbahn&);
  std::string stunden45;
  std::string insgesamt;
  std::string kurse;
  std::string stunden60;
};

TEST(PruefAbschluss, HourLinesFollowTheComputedHours) {
  const Stundenzeilen faelle[] = {
      {"BasePlan", [](Laufbahn&) {}, "JgSt EF: 35 Stunden   JgSt Q1: 33 Stunden   JgSt Q2: 35 Stunden",
       "Damit haben Sie insgesamt 103 Wochenstunden belegt.",
       "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 40 Kurse belegt. 38 Kurse sind "
       "mindestens notwendig.",
       "JgSt EF: (27/26) Stunden  JgSt Q1: (26/25) Stunden  JgSt Q2: (26/26,5) Stunden."},
      {"ThreeElectivesAndElectiveModelWithoutDeepDiveInQ22",
       [](Laufbahn& l) {
         l.EFModell = 1;
         l.Fach[VK1] = Bi;
         l.Q1Modell = 1;
         l.VKQ22 = 0;
         l.Fach[VK3] = leer;
       },
       "JgSt EF: 36 Stunden   JgSt Q1: 34 Stunden   JgSt Q2: 37 Stunden",
       "Damit haben Sie insgesamt 107 Wochenstunden belegt.",
       "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 42 Kurse belegt. 38 Kurse sind "
       "mindestens notwendig.",
       "JgSt EF: 27 Stunden  JgSt Q1: 26 Stunden  JgSt Q2: (28/26) Stunden."},
      {"ThirdElectiveDroppedAfterEF1",
       [](Laufbahn& l) {
         l.EFModell = 1;
         l.AbwahlEF = 1;
         l.Fach[VK1] = Bi;
       },
       "JgSt EF: 34,5 Stunden   JgSt Q1: 33 Stunden   JgSt Q2: 35 Stunden",
       "Damit haben Sie insgesamt 102,5 Wochenstunden belegt.",
       "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 40 Kurse belegt. 38 Kurse sind "
       "mindestens notwendig.",
       "JgSt EF: (27/25) Stunden  JgSt Q1: (26/25) Stunden  JgSt Q2: (26/26,5) Stunden."},
      {"BothModelWithTwoAdditionalCourses",
       [](Laufbahn& l) {
         l.Q1Modell = 2;
         l.Fach[GW] = Erd;
         l.AbwahlEt = 2;
       },
       "JgSt EF: 35 Stunden   JgSt Q1: 36 Stunden   JgSt Q2: 38 Stunden",
       "Damit haben Sie insgesamt 109 Wochenstunden belegt.",
       "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 44 Kurse belegt. 38 Kurse sind "
       "mindestens notwendig.",
       "JgSt EF: (27/26) Stunden  JgSt Q1: (28/27) Stunden  JgSt Q2: (28/28,5) Stunden."},
  };
  for (const Stundenzeilen& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Umgebung u;
    Basisplan(u.plan);
    fall.aendern(u.plan);
    Pruefen(u);
    ErwarteBericht(u.bericht, {});
    const std::vector<std::string>& zeilen = u.bericht.Textfeld.lines();
    ASSERT_EQ(zeilen.size(), 16u);
    EXPECT_EQ(zeilen[9], fall.stunden45);
    EXPECT_EQ(zeilen[10], fall.insgesamt);
    EXPECT_EQ(zeilen[12], fall.kurse);
    EXPECT_EQ(zeilen[15], fall.stunden60);
  }
}

// Printing in the first half of Q2 during the subject choices needs the estimated grade
// first, unless a teacher works with the plan; the grade computation is always offered.
struct Druckfreigabe {
  const char* name;
  int stufe;
  ui::Datum heute;
  std::uint8_t abiNoteBerechnet;
  int lehrermodus;
  bool drucken;
};

TEST(PruefAbschluss, PrintingNeedsTheGradeInQ2SubjectChoices) {
  const Druckfreigabe faelle[] = {
      {"EF", 0, kFaecherwahl, 0, 0, true},
      {"Q1", 1, kFaecherwahl, 0, 0, true},
      {"Q1ExamsOfSecondHalf", 1, kKlausurwahl2, 0, 0, true},
      {"Q2SubjectChoicesWithoutGrade", 2, kFaecherwahl, 0, 0, false},
      {"Q2SubjectChoicesWithGrade", 2, kFaecherwahl, 1, 0, true},
      {"Q2SubjectChoicesTeacher", 2, kFaecherwahl, 0, 1, true},
      {"Q2ExamsOfFirstHalf", 2, kKlausurwahl1, 0, 0, true},
      {"Q2ExamsOfSecondHalf", 2, kKlausurwahl2, 0, 0, true},
  };
  for (const Druckfreigabe& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Umgebung u(fall.stufe, fall.heute);
    Basisplan(u.plan);
    u.hauptfenster.LaufbahnDarstellen();
    u.plan.AbiNoteBerechnet = fall.abiNoteBerechnet;
    u.laufzeit.Lehrermodus = fall.lehrermodus;
    u.bericht.MeldungAnzeigen();

    EXPECT_EQ(Meldungen(u.bericht), std::vector<std::string>{});
    EXPECT_EQ(u.bericht.Textfeld.color(), kHellgruen);
    EXPECT_TRUE(u.bericht.NotenBerechnungBut.enabled());
    EXPECT_EQ(u.bericht.Wahlzetteldrucken.enabled(), fall.drucken);
    const std::vector<std::string>& zeilen = u.bericht.Textfeld.lines();
    EXPECT_EQ(u.bericht.Meldungszahl(), static_cast<int>(zeilen.size()));
    if (fall.drucken) {
      EXPECT_EQ(zeilen.size(), 16u);
    } else {
      ASSERT_EQ(zeilen.size(), 19u);
      EXPECT_EQ(zeilen[15], "JgSt EF: (27/26) Stunden  JgSt Q1: (26/25) Stunden  JgSt Q2: (26/26,5) Stunden.");
      EXPECT_EQ(zeilen[16], "");
      EXPECT_EQ(zeilen[17], kNotenZuerst);
      EXPECT_EQ(zeilen[18], kNotenSpeichern);
    }
  }
}

// Each run rebuilds the report: text, count, colour and buttons follow the current plan.
TEST(PruefAbschluss, EveryRunStartsAfresh) {
  Umgebung u;
  Basisplan(u.plan);
  Pruefen(u);
  ErwarteBericht(u.bericht, {});
  EXPECT_TRUE(u.bericht.Wahlzetteldrucken.enabled());

  u.plan.Fach[FS1] = leer;
  Pruefen(u);
  ErwarteBericht(u.bericht, {kA1});
  EXPECT_EQ(u.bericht.Meldungszahl(), 2);

  u.plan.Fach[FS1] = E5;
  Pruefen(u);
  ErwarteBericht(u.bericht, {});
  EXPECT_EQ(u.bericht.Meldungszahl(), 16);
  EXPECT_TRUE(u.bericht.Wahlzetteldrucken.enabled());

  u.bericht.MeldungAnzeigen();
  EXPECT_EQ(u.bericht.Textfeld.lines().size(), 16u);
}

// Changing the plan through the main window recomputes what the report reads.
TEST(PruefAbschluss, ReportReadsWhatTheMainWindowLastComputed) {
  Umgebung u;
  Basisplan(u.plan);
  Pruefen(u);
  ErwarteBericht(u.bericht, {});

  u.hauptfenster.VK12JNBox.userChoose("nein");
  u.bericht.MeldungAnzeigen();
  ErwarteBericht(u.bericht, {kB11});

  u.hauptfenster.WahlGW.userChoose("Erdkunde");
  u.bericht.MeldungAnzeigen();
  ErwarteBericht(u.bericht, {kB13});
}

}  // namespace
}  // namespace kelvaro
