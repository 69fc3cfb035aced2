#include "sheet/Plantext.h"

#include "plan/Katalog.h"
#include "plan/Laufbahn.h"
#include "plan/Laufzeit.h"
#include "plan/Programm.h"
#include "support/Faelle.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
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

// Months that select the season.
constexpr int Faecherwahl = 3;    // Wahlphase 1
constexpr int Klausurwahl1 = 9;   // Wahlphase 2
constexpr int Klausurwahl2 = 12;  // Wahlphase 3

Laufzeit Zeit(int stufe, int monat) {
  Laufzeit z;
  z.Stufe = stufe;
  z.saison = SaisonBestimmen(stufe, monat);
  return z;
}

// A complete plan with the science focus: English, biology and physics, history, catholic
// religion, art, chemistry as first and social science as second elective, the German
// deep-dive course in EF model 2, the project model with the student company.
Laufbahn Grundplan() {
  Laufbahn l;
  l.Fach[FS1] = E5;
  l.Fach[NW1] = Bi;
  l.Fach[NW2] = Ph;
  l.Fach[GW] = Ge;
  l.Fach[Et] = kR;
  l.Fach[KM] = Ku;
  l.Fach[Wa1] = Ch;
  l.Fach[Wa2] = Sw;
  l.Fach[VK1] = VKD;
  l.Fach[PK] = PKSF;
  l.Fach[VK3] = VKM;
  l.Schriftlich[FS1] = 1;
  l.Schriftlich[NW1] = 1;
  l.Schriftlich[De] = 1;
  l.Schriftlich[Ma] = 1;
  l.AbiWahl[AbiPosMa] = 1;
  l.AbiWahl[AbiPosFS1] = 2;
  l.AbiWahl[AbiPosDe] = 3;
  l.AbiWahl[AbiPosGW] = 4;
  l.AlternativPK = PKLT;
  return l;
}

Abgeleitet Grundwerte() {
  Abgeleitet a;
  a.zusatzkurse.ZK1 = Sw;
  a.zusatzkurse.ZKAnzahl = 1;
  a.stunden.StundenEF = 35;
  a.stunden.StundenQ1 = 33;
  a.stunden.StundenQ2 = 34;
  a.stunden.Stunden60 = {0, 27, 26, 26, 25, 26, 24};
  a.stunden.KurszahlQ = 40;
  return a;
}

// A line as "y size[ fett]: text", prefixed with "@x " when it does not start at the margin.
std::string Zeile(const Blatttext& b) {
  char kopf[64];
  if (b.x == 2.0) {
    std::snprintf(kopf, sizeof kopf, "%.2f %dpt%s: ", b.y, b.punkt, b.fett ? " fett" : "");
  } else {
    std::snprintf(kopf, sizeof kopf, "@%.2f %.2f %dpt%s: ", b.x, b.y, b.punkt, b.fett ? " fett" : "");
  }
  return kopf + b.text;
}

// The lines from y = von to y = bis, in drawing order.
std::vector<std::string> Bereich(const std::vector<Blatttext>& zeilen, double von, double bis) {
  std::vector<std::string> auswahl;
  for (const Blatttext& b : zeilen) {
    if (b.y > von - 0.001 && b.y < bis + 0.001) {
      auswahl.push_back(Zeile(b));
    }
  }
  return auswahl;
}

using Zeilen = std::vector<std::string>;

// ---------------------------------------------------------------------------------------
// The whole text of one plan.

TEST(Plantext, Q1SubjectChoiceWholeText) {
  const std::vector<Blatttext> text = Plantext(Grundplan(), Grundwerte(), Zeit(1, Faecherwahl));
  Zeilen alle;
  for (const Blatttext& b : text) {
    alle.push_back(Zeile(b));
  }
  const Zeilen erwartet = {
      "5.35 12pt: Die angegebene Klausurwahl gilt für das 1. Halbjahr der Q1:",
      "5.90 12pt: Naturwissenschaftlicher Schwerpunkt",
      "7.00 12pt: Gewählte Fächer in der Q1:",
      "7.55 12pt: 1. Englisch (ab 5) (schriftl.)",
      "8.10 12pt: 2. Biologie (schriftl.)",
      "8.65 12pt: 3. Physik (mündl.)",
      "9.20 12pt: 4. Deutsch (schriftl.)",
      "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (mündl.)",
      "10.85 12pt: 7. Geschichte (mündl.)",
      "11.40 12pt: 8. kath. Religion (mündl.)",
      "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 10pt: Chemie  (wird am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wird am Ende der EF abgewählt)",
      "13.60 10pt: Vertiefungskurs Deutsch (wird am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch umgewählt werden.",
      "15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 werden folgende Kurse gewählt:",
      "16.05 12pt: Leistungskurs Block A: Mathematik",
      "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "19.90 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "@13.50 19.90 12pt: Alternative : ___________________",
      "20.45 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "@13.50 20.45 12pt: Alternative : ___________________",
      "17.15 12pt: 10. Projektkurs: Schülerfirma (JgSt Q1)",
      "17.70 12pt: Alternativwahl für den Projektkurs : Lerntraining",
      "18.25 12pt: In JgSt Q2 wird der Zusatzkurs Sozialwissenschaften belegt.",
      "19.35 12pt: Für die Jahrgangsstufe Q2 sind folgende Kurse unverbindlich geplant:",
      "22.60 10pt: Damit haben Sie in 45-Minuten-Stunden gerechnet insgesamt 102 Wochenstunden (EF: 35, Q1: 33, Q2: "
      "34) belegt.",
      "23.15 10pt: Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 40 Kurse belegt.",
      "23.70 10pt: Sie haben in 60-Minuten-Stunden gerechnet folgende Stundenzahlen belegt: (ggf. in Klammern 1. und "
      "2. Halbjahr)",
      "24.25 10pt: JgSt EF: (27/26) Stunden  JgSt Q1: (26/25) Stunden  JgSt Q2: (26/24) Stunden.",
  };
  EXPECT_EQ(alle, erwartet);
}

// ---------------------------------------------------------------------------------------
// Head: season, focus and stage.

struct KopfFall {
  const char* name;
  int stufe;
  int monat;
  int schwerpunktFS;
  Zeilen erwartet;  // y 5.35, 5.9 and 7.0 (no keeping-open note in the plan)
};

const KopfFall kKopfFaelle[] = {
    {"EFSubjectChoice",
     0,
     Faecherwahl,
     0,
     {"5.35 12pt: Die angegebene Klausurwahl gilt für das 1. Halbjahr der EF:",
      "5.90 12pt: Naturwissenschaftlicher Schwerpunkt", "7.00 12pt: Gewählte Fächer in der EF:"}},
    {"Q1ExamChoiceFirstHalf",
     1,
     Klausurwahl1,
     1,
     {"5.35 12pt: Die angegebene Klausurwahl gilt für das 1. Halbjahr der Q1:",
      "5.90 12pt: Fremdsprachlicher Schwerpunkt", "7.00 12pt: Gewählte Fächer in der Q1:"}},
    {"Q2ExamChoiceSecondHalf",
     2,
     Klausurwahl2,
     0,
     {"5.35 12pt: Die angegebene Klausurwahl gilt für das 2. Halbjahr der Q2:",
      "5.90 12pt: Naturwissenschaftlicher Schwerpunkt", "7.00 12pt: Gewählte Fächer in der Q2:"}},
};

class PlantextKopf : public ::testing::TestWithParam<KopfFall> {};

TEST_P(PlantextKopf, SeasonFocusAndStage) {
  const KopfFall& fall = GetParam();
  Laufbahn l = Grundplan();
  l.SchwerpunktFS = static_cast<std::uint8_t>(fall.schwerpunktFS);
  l.Fach[Wa1] = Erd;  // keeps neither focus open
  l.Fach[Wa2] = Erd;
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, fall.monat)), 5.3, 7.0), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextKopf, ::testing::ValuesIn(kKopfFaelle), FallName<KopfFall>);

// ---------------------------------------------------------------------------------------
// How long the other focus stays open (y 6.45, font 10).

struct OffenFall {
  const char* name;
  int stufe;
  void (*plan)(Laufbahn&);
  const char* notiz;  // nullptr: no line at all
};

// The plan's electives keep nothing open unless a row sets them: Erdkunde in Wa1, Wa2, VK1.
const OffenFall kOffenFaelle[] = {
    {"LatinDoesNotKeepLanguagesOpen", 1,
     [](Laufbahn& l) {
       l.Fach[Wa1] = L7;
       l.Q1Modell = 1;
     },
     nullptr},
    {"ComputerScienceDoesNotKeepSciencesOpen", 1,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[Wa1] = Inf;
       l.Q1Modell = 1;
     },
     nullptr},
    {"ElectiveIntoQPhaseNotDropped", 1,
     [](Laufbahn& l) {
       l.Fach[Wa1] = F7;
       l.Q1Modell = 1;
     },
     "(fremdsprachlicher Schwerpunkt wird bis in JgSt Q2 offengehalten)"},
    {"ElectiveDroppedAfterQ21KeepsQ2", 2,
     [](Laufbahn& l) {
       l.Fach[Wa1] = I9;
       l.Q1Modell = 2;
       l.AbwahlWa1 = 3;
     },
     "(fremdsprachlicher Schwerpunkt wird bis in JgSt Q2 offengehalten)"},
    {"ElectiveDroppedInQ1StillAhead", 1,
     [](Laufbahn& l) {
       l.Fach[Wa1] = E5;
       l.Q1Modell = 2;
       l.AbwahlWa1 = 2;
     },
     "(fremdsprachlicher Schwerpunkt wird bis in JgSt Q1 offengehalten)"},
    {"ElectiveDroppedInQ1Behind", 2,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[Wa1] = Ph;
       l.Q1Modell = 1;
       l.AbwahlWa1 = 1;
     },
     "(naturwissenschaftlicher Schwerpunkt wurde bis in JgSt Q1 offengehalten)"},
    {"ElectiveEndsWithEFInEF", 0, [](Laufbahn& l) { l.Fach[Wa1] = I0; },
     " (fremdsprachlicher Schwerpunkt wird bis Ende der EF offengehalten)"},
    {"ElectiveEndedWithEFInQ1", 1, [](Laufbahn& l) { l.Fach[Wa1] = I1; },
     " (fremdsprachlicher Schwerpunkt wurde bis Ende der EF offengehalten)"},
    {"SecondElectiveToEndOfEF", 0,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[Wa2] = Ch;
     },
     " (naturwissenschaftlicher Schwerpunkt wird bis Ende der EF offengehalten)"},
    {"SecondElectiveWithoutDeepDiveModel", 2,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[Wa2] = Bi;
       l.EFModell = 1;
       l.AbwahlEF = 1;
     },
     " (naturwissenschaftlicher Schwerpunkt wurde bis Ende der EF offengehalten)"},
    {"SecondElectiveDroppedAfterEF1", 0,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[Wa2] = Ph;
       l.AbwahlEF = 1;
     },
     " (naturwissenschaftlicher Schwerpunkt wird bis Ende der EF.1 offengehalten)"},
    {"SecondElectiveDroppedAfterEF1SeenFromQ1", 1,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[Wa2] = Ph;
       l.AbwahlEF = 1;
     },
     " (naturwissenschaftlicher Schwerpunkt wurde bis Ende der EF.1 offengehalten)"},
    {"SecondRowIsDeepDiveInModel3", 0,
     [](Laufbahn& l) {
       l.Fach[Wa2] = E5;
       l.EFModell = 3;
     },
     nullptr},
    {"ThirdElectiveToEndOfEF", 0,
     [](Laufbahn& l) {
       l.Fach[VK1] = F7;
       l.EFModell = 1;
     },
     " (fremdsprachlicher Schwerpunkt wird bis Ende der EF offengehalten)"},
    {"ThirdElectiveDroppedAfterEF1", 1,
     [](Laufbahn& l) {
       l.Fach[VK1] = F7;
       l.EFModell = 1;
       l.AbwahlEF = 1;
     },
     " (fremdsprachlicher Schwerpunkt wurde bis Ende der EF.1 offengehalten)"},
    {"DeepDiveRowOutsideModel1KeepsNothing", 0,
     [](Laufbahn& l) {
       l.Fach[VK1] = E5;
       l.EFModell = 2;
     },
     nullptr},
};

class PlantextOffenhaltung : public ::testing::TestWithParam<OffenFall> {};

TEST_P(PlantextOffenhaltung, NoteOfHighestLevel) {
  const OffenFall& fall = GetParam();
  Laufbahn l = Grundplan();
  l.Fach[Wa1] = Erd;
  l.Fach[Wa2] = Erd;
  l.Fach[VK1] = Erd;
  fall.plan(l);
  const Zeilen zeilen = Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, Faecherwahl)), 6.45, 6.45);
  if (fall.notiz == nullptr) {
    EXPECT_EQ(zeilen, Zeilen{});
  } else {
    EXPECT_EQ(zeilen, Zeilen{std::string("6.45 10pt: ") + fall.notiz});
  }
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextOffenhaltung, ::testing::ValuesIn(kOffenFaelle), FallName<OffenFall>);

// ---------------------------------------------------------------------------------------
// Lines 1. to 7. with the sport replacement; the religion line shows where numbering resumes.

struct PflichtFall {
  const char* name;
  int stufe;
  int monat;
  void (*plan)(Laufbahn&);
  Zeilen erwartet;  // y 7.55 .. 11.40
};

const PflichtFall kPflichtFaelle[] = {
    {"ScienceFocusWithoutReplacement",
     1,
     Faecherwahl,
     [](Laufbahn& l) { l.Schriftlich[Sp] = 1; },
     {"7.55 12pt: 1. Englisch (ab 5) (schriftl.)", "8.10 12pt: 2. Biologie (schriftl.)",
      "8.65 12pt: 3. Physik (mündl.)", "9.20 12pt: 4. Deutsch (schriftl.)", "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (schriftl.)", "10.85 12pt: 7. Geschichte (mündl.)",
      "11.40 12pt: 8. kath. Religion (mündl.)"}},
    {"LanguageFocusSecondLanguageThenScience",
     1,
     Faecherwahl,
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = F7;
       l.Schriftlich[FS2] = 1;
       l.Schriftlich[NW1] = 0;
       l.Schriftlich[De] = 0;
     },
     {"7.55 12pt: 1. Englisch (ab 5) (schriftl.)", "8.10 12pt: 2. Französisch (ab 7) (schriftl.)",
      "8.65 12pt: 3. Biologie (mündl.)", "9.20 12pt: 4. Deutsch (mündl.)", "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (mündl.)", "10.85 12pt: 7. Geschichte (mündl.)", "11.40 12pt: 8. kath. Religion (mündl.)"}},
    {"ReplacementInOneSemesterCurrent",
     1,
     Faecherwahl,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 3;
       l.ErsatzfachBis = 3;
       l.Fach[Sp] = Bi;
     },
     {"7.55 12pt: 1. Englisch (ab 5) (schriftl.)", "8.10 12pt: 2. Biologie (schriftl.)",
      "8.65 12pt: 3. Physik (mündl.)", "9.20 12pt: 4. Deutsch (schriftl.)", "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (in JgSt Q1.1", "10.85 12pt:   Erstzfach Biologie, mündl.)",
      "11.40 12pt: 7. Geschichte (mündl.)"}},
    {"ReplacementRangeWrittenInSecondHalf",
     1,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 3;
       l.ErsatzfachBis = 4;
       l.Fach[Sp] = Sw;
       l.Schriftlich[Sp] = 1;
     },
     {"7.55 12pt: 1. Englisch (ab 5) (schriftl.)", "8.10 12pt: 2. Biologie (schriftl.)",
      "8.65 12pt: 3. Physik (mündl.)", "9.20 12pt: 4. Deutsch (schriftl.)", "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (in JgSt Q1.1 bis Q1.2", "10.85 12pt:   Erstzfach Sozialwissenschaften, schriftl.)",
      "11.40 12pt: 7. Geschichte (mündl.)"}},
    {"ReplacementRangeOverWithoutExamChoice",
     2,
     Faecherwahl,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 3;
       l.ErsatzfachBis = 4;
       l.Fach[Sp] = Sw;
       l.Schriftlich[Sp] = 1;
     },
     {"7.55 12pt: 1. Englisch (ab 5) (schriftl.)", "8.10 12pt: 2. Biologie (schriftl.)",
      "8.65 12pt: 3. Physik (mündl.)", "9.20 12pt: 4. Deutsch (schriftl.)", "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (in JgSt Q1.1 bis Q1.2", "10.85 12pt:   Erstzfach Sozialwissenschaften)",
      "11.40 12pt: 7. Geschichte (mündl.)"}},
    {"ReplacementWithoutFurtherSubject",
     0,
     Faecherwahl,
     [](Laufbahn& l) {
       l.ErsatzfachAktiv = 1;
       l.ErsatzfachVon = 1;
       l.ErsatzfachBis = 6;
       l.Fach[Sp] = leer;
     },
     {"7.55 12pt: 1. Englisch (ab 5) (schriftl.)", "8.10 12pt: 2. Biologie (schriftl.)",
      "8.65 12pt: 3. Physik (mündl.)", "9.20 12pt: 4. Deutsch (schriftl.)", "9.75 12pt: 5. Mathematik (schriftl.)",
      "10.30 12pt: 6. Sport (in JgSt EF.1 bis Q2.2", "10.85 12pt: kein weiteres Ersatzfach gewählt)",
      "11.40 12pt: 7. Geschichte (mündl.)"}},
};

class PlantextPflichtfaecher : public ::testing::TestWithParam<PflichtFall> {};

TEST_P(PlantextPflichtfaecher, FixedNumbersAndSport) {
  const PflichtFall& fall = GetParam();
  Laufbahn l = Grundplan();
  fall.plan(l);
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, fall.monat)), 7.55, 11.40), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextPflichtfaecher, ::testing::ValuesIn(kPflichtFaelle), FallName<PflichtFall>);

TEST(Plantext, ReplacementMovesTheCourseListDownOneLine) {
  Laufbahn l = Grundplan();
  l.ErsatzfachAktiv = 1;
  l.ErsatzfachVon = 5;
  l.ErsatzfachBis = 6;
  const Zeilen erwartet = {"11.95 12pt: 8. kath. Religion (mündl.)",
                           "12.50 12pt: 9. Kunst (mündl.)",
                           "13.05 10pt: Chemie  (wird am Ende der EF abgewählt)",
                           "13.60 10pt: Sozialwissenschaften (wird am Ende der EF abgewählt)",
                           "14.15 10pt: Vertiefungskurs Deutsch (wird am Ende der EF abgewählt)",
                           "14.70 10pt: Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch "
                           "umgewählt werden."};
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(1, Faecherwahl)), 11.95, 14.70), erwartet);
}

// ---------------------------------------------------------------------------------------
// Religion and arts rows (y 11.40 and 11.95).

struct ReligionKunstFall {
  const char* name;
  int stufe;
  int monat;
  void (*plan)(Laufbahn&);
  Zeilen erwartet;
};

const ReligionKunstFall kReligionKunstFaelle[] = {
    {"Q2ReligionDroppedAfterQ12ArtsTakesNumber8",
     2,
     Faecherwahl,
     [](Laufbahn& l) { l.AbwahlEt = 2; },
     {"11.40 10pt: kath. Religion (abgewählt nach Q1.2)", "11.95 12pt: 8. Kunst (mündl.)"}},
    {"Q1DropAfterQ12NotYetOnTheList",
     1,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.AbwahlEt = 2;
       l.AbwahlKM = 2;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)"}},
    {"Q2DropAfterQ21InSecondHalf",
     2,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.Fach[Et] = Pl;
       l.Fach[KM] = Mu;
       l.AbwahlEt = 3;
       l.AbwahlKM = 3;
     },
     {"11.40 10pt: Philosophie (abgewählt nach Q2.1)", "11.95 10pt: Musik (abgewählt nach Q2.1)"}},
    {"Q2DropAfterQ21StillAheadInFirstHalf",
     2,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.AbwahlEt = 3;
       l.AbwahlKM = 3;
       l.Schriftlich[Et] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (schriftl.)", "11.95 12pt: 9. Kunst (mündl.)"}},
    {"Q2LiteratureInsteadOfArtIsOral",
     2,
     Faecherwahl,
     [](Laufbahn& l) {
       l.LitWahl = 1;
       l.Schriftlich[KM] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Literatur statt Kunst (mündl.)"}},
    {"Q2VocalCourse",
     2,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.Fach[KM] = Mu;
       l.LitWahl = 2;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. vokalpr. GK statt Musik (mündl.)"}},
    {"Q2InstrumentalCourseAfterDroppedReligion",
     2,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.Fach[KM] = Mu;
       l.LitWahl = 3;
       l.AbwahlEt = 2;
     },
     {"11.40 10pt: kath. Religion (abgewählt nach Q1.2)", "11.95 12pt: 8. instrum.pr. GK statt Musik (mündl.)"}},
    {"Q1LiteratureOptionNotYetOnTheList",
     1,
     Faecherwahl,
     [](Laufbahn& l) {
       l.LitWahl = 1;
       l.Schriftlich[KM] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (schriftl.)"}},
    {"Q2DroppedArtKeepsItsNoteDespiteLiterature",
     2,
     Faecherwahl,
     [](Laufbahn& l) {
       l.LitWahl = 1;
       l.AbwahlKM = 2;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 10pt: Kunst (abgewählt nach Q1.2)"}},
};

class PlantextReligionKunst : public ::testing::TestWithParam<ReligionKunstFall> {};

TEST_P(PlantextReligionKunst, NumberedOrDropped) {
  const ReligionKunstFall& fall = GetParam();
  Laufbahn l = Grundplan();
  fall.plan(l);
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, fall.monat)), 11.40, 11.95), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextReligionKunst, ::testing::ValuesIn(kReligionKunstFaelle),
                         FallName<ReligionKunstFall>);

// ---------------------------------------------------------------------------------------
// First elective (y 12.50). Chemistry, written; religion and arts are numbered 8 and 9.

struct Wahlfach1Fall {
  const char* name;
  int stufe;
  int monat;
  int q1Modell;
  int abwahlWa1;
  const char* erwartet;
};

const Wahlfach1Fall kWahlfach1Faelle[] = {
    {"NotDropped", 2, Klausurwahl2, 1, 0,
     "12.50 12pt: 10. Chemie (schriftl., soll bis zum Ende der Q2 fortgeführt werden)"},
    {"BothModelNotDropped", 1, Faecherwahl, 2, 0,
     "12.50 12pt: 10. Chemie (schriftl., soll bis zum Ende der Q2 fortgeführt werden)"},
    {"AfterQ11PlannedInEF", 0, Faecherwahl, 1, 1,
     "12.50 12pt: 10. Chemie (schriftl., soll am Ende des 1. Halbjahres der Q1 abgewählt werden)"},
    {"AfterQ11PlannedInQ1FirstHalf", 1, Klausurwahl1, 1, 1,
     "12.50 12pt: 10. Chemie (schriftl., soll am Ende des 1. Halbjahres der Q1 abgewählt werden)"},
    {"AfterQ11InQ1SecondHalf", 1, Klausurwahl2, 1, 1,
     "12.50 10pt: Chemie (wird am Ende des 1. Halbjahres der Q1 abgewählt)"},
    {"AfterQ11SeenFromQ2", 2, Faecherwahl, 2, 1,
     "12.50 10pt: Chemie (wurde am Ende des 1. Halbjahres der Q1 abgewählt)"},
    {"AfterQ12PlannedInQ1SecondHalf", 1, Klausurwahl2, 1, 2,
     "12.50 12pt: 10. Chemie (schriftl., soll am Ende des 2. Halbjahres der Q1 abgewählt werden)"},
    {"AfterQ12ChosenForQ2", 2, Faecherwahl, 1, 2,
     "12.50 10pt: Chemie (wird am Ende des 2. Halbjahres der Q1 abgewählt)"},
    {"AfterQ12InQ2", 2, Klausurwahl1, 1, 2, "12.50 10pt: Chemie (wurde am Ende des 2. Halbjahres der Q1 abgewählt)"},
    {"AfterQ21PlannedInQ1", 1, Klausurwahl2, 1, 3,
     "12.50 12pt: 10. Chemie (schriftl., soll am Ende des 1. Halbjahres der Q2 abgewählt werden)"},
    {"AfterQ21InQ2FirstHalf", 2, Klausurwahl1, 1, 3,
     "12.50 12pt: 10. Chemie (schriftl., soll am Ende des 1. Halbjahres der Q2 abgewählt werden)"},
    {"AfterQ21InQ2SecondHalf", 2, Klausurwahl2, 2, 3,
     "12.50 10pt: Chemie (wird am Ende des 1. Halbjahres der Q2 abgewählt)"},
    {"ProjectModelInEF", 0, Klausurwahl2, 0, 0, "12.50 12pt: 10. Chemie  (schriftl., wird am Ende der EF abgewählt)"},
    {"ProjectModelChosenForQ1", 1, Faecherwahl, 0, 0, "12.50 10pt: Chemie  (wird am Ende der EF abgewählt)"},
    {"ProjectModelInQ1", 1, Klausurwahl1, 0, 0, "12.50 10pt: Chemie  (wurde am Ende der EF abgewählt)"},
    {"ProjectModelInQ2", 2, Faecherwahl, 0, 1, "12.50 10pt: Chemie  (wurde am Ende der EF abgewählt)"},
};

class PlantextWahlfach1 : public ::testing::TestWithParam<Wahlfach1Fall> {};

TEST_P(PlantextWahlfach1, NoteByDeselectionStageAndSeason) {
  const Wahlfach1Fall& fall = GetParam();
  Laufbahn l = Grundplan();
  l.Schriftlich[Wa1] = 1;
  l.Q1Modell = static_cast<std::uint8_t>(fall.q1Modell);
  l.AbwahlWa1 = static_cast<std::uint8_t>(fall.abwahlWa1);
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, fall.monat)), 12.50, 12.50), Zeilen{fall.erwartet});
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextWahlfach1, ::testing::ValuesIn(kWahlfach1Faelle), FallName<Wahlfach1Fall>);

// ---------------------------------------------------------------------------------------
// The courses that end in the EF and the note on changing exam choices (y 11.40 .. 14.15).

struct EFKursFall {
  const char* name;
  int stufe;
  int monat;
  void (*plan)(Laufbahn&);
  Zeilen erwartet;
};

const EFKursFall kEFKursFaelle[] = {
    {"EFNumbersRunOnDeepDiveAlwaysOral",
     0,
     Faecherwahl,
     [](Laufbahn& l) {
       l.Schriftlich[Wa1] = 1;
       l.Schriftlich[VK1] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (schriftl., wird am Ende der EF abgewählt)",
      "13.05 12pt: 11. Sozialwissenschaften (mündl., wird am Ende der EF abgewählt)",
      "13.60 12pt: 12. Vertiefungskurs Deutsch (mündl., wird am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch umgewählt werden."}},
    {"EFThirdElectiveKeepsItsExamChoice",
     0,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.Fach[VK1] = Erd;
       l.Schriftlich[VK1] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (mündl., wird am Ende der EF abgewählt)",
      "13.05 12pt: 11. Sozialwissenschaften (mündl., wird am Ende der EF abgewählt)",
      "13.60 12pt: 12. Erdkunde (schriftl., wird am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl für das 2. Halbjahr kann auf Wunsch im 2. Quartal umgewählt werden."}},
    {"EFTwoDeepDiveCourses",
     0,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.EFModell = 3;
       l.Fach[Wa2] = VKM;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (mündl., wird am Ende der EF abgewählt)",
      "13.05 12pt: 11. Vertiefungskurs Mathematik (mündl., wird am Ende der EF abgewählt)",
      "13.60 12pt: 12. Vertiefungskurs Deutsch (mündl., wird am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl für das 2. Halbjahr kann auf Wunsch im 2. Quartal umgewählt werden."}},
    {"EFSecondElectiveExpectedToEndAfterEF1",
     0,
     Faecherwahl,
     [](Laufbahn& l) {
       l.AbwahlEF = 1;
       l.Schriftlich[Wa2] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (mündl., wird am Ende der EF abgewählt)",
      "13.05 12pt: 11. Sozialwissenschaften (schriftl., wird voraussichtlich am Ende des 1. Halbjahres der EF "
      "abgewählt)",
      "13.60 12pt: 12. Vertiefungskurs Deutsch (mündl., wird am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch umgewählt werden."}},
    {"EFSecondElectiveEndsAfterEF1InSecondHalf",
     0,
     Klausurwahl2,
     [](Laufbahn& l) { l.AbwahlEF = 1; },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (mündl., wird am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wird am Ende des 1. Halbjahres der EF abgewählt)",
      "13.60 12pt: 11. Vertiefungskurs Deutsch (mündl., wird am Ende der EF abgewählt)"}},
    {"EFThirdElectiveEndsAfterEF1InSecondHalf",
     0,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[VK1] = Erd;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (mündl., wird am Ende der EF abgewählt)",
      "13.05 12pt: 11. Sozialwissenschaften (mündl., wird am Ende der EF abgewählt)",
      "13.60 10pt: Erdkunde (wird am Ende des 1. Halbjahres der EF abgewählt)"}},
    {"EFThirdElectiveExpectedToEndAfterEF1",
     0,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[VK1] = Erd;
       l.Schriftlich[VK1] = 1;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie  (mündl., wird am Ende der EF abgewählt)",
      "13.05 12pt: 11. Sozialwissenschaften (mündl., wird am Ende der EF abgewählt)",
      "13.60 12pt: 12. Erdkunde (schriftl., wird voraussichtlich am Ende des 1. Halbjahres der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl für das 2. Halbjahr kann auf Wunsch im 2. Quartal umgewählt werden."}},
    {"Q1ChoiceAfterEF1Drop",
     1,
     Faecherwahl,
     [](Laufbahn& l) { l.AbwahlEF = 1; },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 10pt: Chemie  (wird am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wurde am Ende des 1. Halbjahres der EF abgewählt)",
      "13.60 10pt: Vertiefungskurs Deutsch (wird am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch umgewählt werden."}},
    {"Q1ThirdElectiveDroppedAfterEF1",
     1,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.EFModell = 1;
       l.AbwahlEF = 1;
       l.Fach[VK1] = Erd;
     },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 10pt: Chemie  (wurde am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wurde am Ende der EF abgewählt)",
      "13.60 10pt: Erdkunde (wurde am Ende des 1. Halbjahres der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl für das 2. Halbjahr kann auf Wunsch im 2. Quartal umgewählt werden."}},
    {"Q1SecondHalfEFBehindNoNote",
     1,
     Klausurwahl2,
     [](Laufbahn&) {},
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 10pt: Chemie  (wurde am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wurde am Ende der EF abgewählt)",
      "13.60 10pt: Vertiefungskurs Deutsch (wurde am Ende der EF abgewählt)"}},
    {"ModelWithoutDeepDiveLeavesItsLineEmpty",
     1,
     Klausurwahl1,
     [](Laufbahn& l) { l.EFModell = 0; },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 10pt: Chemie  (wurde am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wurde am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl für das 2. Halbjahr kann auf Wunsch im 2. Quartal umgewählt werden."}},
    {"Q2FirstHalfNoChangeNote",
     2,
     Klausurwahl1,
     [](Laufbahn& l) { l.Q1Modell = 1; },
     {"11.40 12pt: 8. kath. Religion (mündl.)", "11.95 12pt: 9. Kunst (mündl.)",
      "12.50 12pt: 10. Chemie (mündl., soll bis zum Ende der Q2 fortgeführt werden)",
      "13.05 10pt: Sozialwissenschaften (wurde am Ende der EF abgewählt)",
      "13.60 10pt: Vertiefungskurs Deutsch (wurde am Ende der EF abgewählt)"}},
    {"Q2SubjectChoiceKeepsChangeNote",
     2,
     Faecherwahl,
     [](Laufbahn& l) { l.AbwahlEt = 2; },
     {"11.40 10pt: kath. Religion (abgewählt nach Q1.2)", "11.95 12pt: 8. Kunst (mündl.)",
      "12.50 10pt: Chemie  (wurde am Ende der EF abgewählt)",
      "13.05 10pt: Sozialwissenschaften (wurde am Ende der EF abgewählt)",
      "13.60 10pt: Vertiefungskurs Deutsch (wurde am Ende der EF abgewählt)",
      "14.15 10pt: Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch umgewählt werden."}},
};

class PlantextEFKurse : public ::testing::TestWithParam<EFKursFall> {};

TEST_P(PlantextEFKurse, CourseListAfterLine7) {
  const EFKursFall& fall = GetParam();
  Laufbahn l = Grundplan();
  fall.plan(l);
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, fall.monat)), 11.40, 14.15), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextEFKurse, ::testing::ValuesIn(kEFKursFaelle), FallName<EFKursFall>);

// ---------------------------------------------------------------------------------------
// The Q-phase block up to the deep-dive course of Q2.2, in drawing order.

struct QPhaseFall {
  const char* name;
  int stufe;
  int monat;
  void (*plan)(Laufbahn&, Abgeleitet&);
  Zeilen erwartet;  // y 15.5 .. 22.1
};

const QPhaseFall kQPhaseFaelle[] = {
    {"EFPlansUnnumbered",
     0,
     Faecherwahl,
     [](Laufbahn& l, Abgeleitet&) { l.VKQ22 = 1; },
     {"15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 sind folgende Kurse unverbindlich geplant:",
      "16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "17.15 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "17.70 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "18.25 12pt: Projektkurs: Schülerfirma (JgSt Q1)",
      "18.80 12pt: Alternativwahl für den Projektkurs : Lerntraining",
      "19.35 12pt: In JgSt Q2 wird der Zusatzkurs Sozialwissenschaften belegt.",
      "20.45 12pt: In JgSt Q2.2 ist der Vertiefungskurs Mathematik geplant."}},
    {"EFElectiveModelNoProjectCourse",
     0,
     Klausurwahl2,
     [](Laufbahn& l, Abgeleitet& a) {
       l.Q1Modell = 1;
       a.zusatzkurse = {Ge, Sw, 2};
     },
     {"15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 sind folgende Kurse unverbindlich geplant:",
      "16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "17.15 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "17.70 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "19.35 12pt: In JgSt Q2 werden die Zusatzkurse Geschichte und Sozialwissenschaften belegt."}},
    {"Q1SecondHalfProjectCourseNumberedNoAlternative",
     1,
     Klausurwahl2,
     [](Laufbahn& l, Abgeleitet& a) {
       l.Q1Modell = 2;
       l.VKQ22 = 1;
       a.zusatzkurse = {Ge, Sw, 2};
     },
     {"15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 werden folgende Kurse gewählt:",
      "16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "19.90 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "@13.50 19.90 12pt: Alternative : ___________________",
      "20.45 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "@13.50 20.45 12pt: Alternative : ___________________", "17.15 12pt: 11. Projektkurs: Schülerfirma (JgSt Q1)",
      "18.25 12pt: In JgSt Q2 werden die Zusatzkurse Geschichte und Sozialwissenschaften belegt.",
      "19.35 12pt: Für die Jahrgangsstufe Q2 sind folgende Kurse unverbindlich geplant:",
      "21.00 12pt: In JgSt Q2.2 ist der Vertiefungskurs Mathematik geplant."}},
    {"Q1ExamChoiceWithoutAdditionalCourse",
     1,
     Klausurwahl1,
     [](Laufbahn&, Abgeleitet& a) { a.zusatzkurse = {}; },
     {"15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 werden folgende Kurse gewählt:",
      "16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "19.90 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "@13.50 19.90 12pt: Alternative : ___________________",
      "20.45 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "@13.50 20.45 12pt: Alternative : ___________________", "17.15 12pt: 10. Projektkurs: Schülerfirma (JgSt Q1)",
      "17.70 12pt: Alternativwahl für den Projektkurs : Lerntraining",
      "19.35 12pt: Für die Jahrgangsstufe Q2 sind folgende Kurse unverbindlich geplant:"}},
    {"Q2SecondHalfNumbersAdditionalCoursesAndBoldDeepDive",
     2,
     Klausurwahl2,
     [](Laufbahn& l, Abgeleitet& a) {
       l.Q1Modell = 1;
       l.VKQ22 = 1;
       a.zusatzkurse = {Ge, Sw, 2};
     },
     {"15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 wurden folgende Kurse gewählt:",
      "16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "19.90 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "20.45 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "18.25 12pt: 11. und 12. In JgSt Q2 werden die Zusatzkurse Geschichte und Sozialwissenschaften belegt.",
      "19.35 12pt: Für die Jahrgangsst. Q2 werden folgende Kurse gewählt: (endg. Festl. der Abiturfächer zu Beginn "
      "der Q2)",
      "21.00 12pt fett: 13. In JgSt Q2.2 wird der Vertiefungskurs Mathematik belegt."}},
    {"Q2ProjectCourseBehindOneAdditionalCourseNumbered",
     2,
     Faecherwahl,
     [](Laufbahn& l, Abgeleitet&) { l.VKQ22 = 1; },
     {"15.50 12pt: Für die Jahrgangsstufe Q1 und Q2 wurden folgende Kurse gewählt:",
      "16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "19.90 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "20.45 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Geschichte",
      "17.15 12pt: Projektkurs: Schülerfirma (JgSt Q1)",
      "18.25 12pt: 10. In JgSt Q2 wird der Zusatzkurs Sozialwissenschaften belegt.",
      "19.35 12pt: Für die Jahrgangsst. Q2 werden folgende Kurse gewählt: (endg. Festl. der Abiturfächer zu Beginn "
      "der Q2)",
      "21.00 12pt: In JgSt Q2.2 ist der Vertiefungskurs Mathematik geplant."}},
};

class PlantextQPhase : public ::testing::TestWithParam<QPhaseFall> {};

TEST_P(PlantextQPhase, BlockPerStage) {
  const QPhaseFall& fall = GetParam();
  Laufbahn l = Grundplan();
  Abgeleitet a = Grundwerte();
  fall.plan(l, a);
  EXPECT_EQ(Bereich(Plantext(l, a, Zeit(fall.stufe, fall.monat)), 15.50, 22.10), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextQPhase, ::testing::ValuesIn(kQPhaseFaelle), FallName<QPhaseFall>);

// ---------------------------------------------------------------------------------------
// Which subject stands beside an Abitur role (EF: lines 1..4, y 16.05 .. 17.7).

struct AbiturFall {
  const char* name;
  void (*plan)(Laufbahn&);
  Zeilen erwartet;
};

const AbiturFall kAbiturFaelle[] = {
    {"LastPositionWinsAndFixedNames",
     [](Laufbahn& l) {
       l.AbiWahl = {};
       l.AbiWahl[AbiPosDe] = 1;
       l.AbiWahl[AbiPosWa1] = 1;  // the later position in AbiWahl order
       l.AbiWahl[AbiPosMa] = 2;
       l.AbiWahl[AbiPosNW2] = 3;
       l.AbiWahl[AbiPosSp] = 4;
       l.Fach[Sp] = Erd;  // the replacement subject does not name the sport position
     },
     {"16.05 12pt: Leistungskurs Block A: Chemie", "16.60 12pt: Leistungskurs Block B: Mathematik",
      "17.15 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Physik",
      "17.70 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Sport"}},
    {"LanguageFocusPositionsAndGermanFirst",
     [](Laufbahn& l) {
       l.SchwerpunktFS = 1;
       l.Fach[FS2] = I0;
       l.AbiWahl = {};
       l.AbiWahl[AbiPosFS2] = 1;
       l.AbiWahl[AbiPosDe] = 2;
       l.AbiWahl[AbiPosEt] = 3;
       l.AbiWahl[AbiPosKM] = 4;
     },
     {"16.05 12pt: Leistungskurs Block A: Italienisch (ab 11)", "16.60 12pt: Leistungskurs Block B: Deutsch",
      "17.15 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): kath. Religion",
      "17.70 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): Kunst"}},
    // An incomplete plan: a role nobody holds keeps its label with no subject.
    {"RoleWithoutPositionShowsLabelOnly",
     [](Laufbahn& l) { l.AbiWahl[AbiPosGW] = 0; },
     {"16.05 12pt: Leistungskurs Block A: Mathematik", "16.60 12pt: Leistungskurs Block B: Englisch (ab 5)",
      "17.15 12pt: drittes Abiturfach (GK mit schriftl. Abiturprüf.): Deutsch",
      "17.70 12pt: viertes Abiturfach (GK mit mündl. Abiturprüf.): "}},
};

class PlantextAbiturfaecher : public ::testing::TestWithParam<AbiturFall> {};

TEST_P(PlantextAbiturfaecher, SubjectOfEachRole) {
  const AbiturFall& fall = GetParam();
  Laufbahn l = Grundplan();
  fall.plan(l);
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(0, Faecherwahl)), 16.05, 17.70), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextAbiturfaecher, ::testing::ValuesIn(kAbiturFaelle), FallName<AbiturFall>);

// ---------------------------------------------------------------------------------------
// Religion and arts deselections in the Q phase, then the literature option.

struct AbwahlFall {
  const char* name;
  int stufe;
  int monat;
  void (*plan)(Laufbahn&);
  double ab;  // y of the first line after the fourth Abitur subject
  Zeilen erwartet;
};

const AbwahlFall kAbwahlFaelle[] = {
    {"OnlyArtsAfterQ12Ahead",
     1,
     Faecherwahl,
     [](Laufbahn& l) { l.AbwahlKM = 2; },
     21.00,
     {"21.00 12pt: Kunst wird am Ende der  Q1, 2. Hj. abgewählt."}},
    {"OnlyArtsAfterQ12Behind",
     2,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.Fach[KM] = Mu;
       l.AbwahlKM = 2;
     },
     21.00,
     {"21.00 12pt: Musik wurde am Ende der  Q1, 2. Hj. abgewählt."}},
    {"OnlyReligionAfterQ12ChosenForQ2",
     2,
     Faecherwahl,
     [](Laufbahn& l) { l.AbwahlEt = 2; },
     21.00,
     {"21.00 12pt: kath. Religion wird am Ende der  Q1, 2. Hj. abgewählt."}},
    {"OnlyReligionAfterQ21NeverPast",
     2,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.Fach[Et] = eR;
       l.AbwahlEt = 3;
     },
     21.00,
     {"21.00 12pt: evan. Religion wird am Ende der  Q2, 1. Hj. abgewählt."}},
    {"BothAfterQ12Behind",
     2,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.AbwahlEt = 2;
       l.AbwahlKM = 2;
     },
     21.00,
     {"21.00 12pt: kath. Religion und Kunst wurden am Ende der Q1, 2. Hj. abgewählt."}},
    {"BothAfterQ21",
     1,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.AbwahlEt = 3;
       l.AbwahlKM = 3;
     },
     21.00,
     {"21.00 12pt: kath. Religion und Kunst werden am Ende der Q2, 1. Hj. abgewählt."}},
    {"ReligionFirstArtsLater",
     2,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.AbwahlEt = 2;
       l.AbwahlKM = 3;
     },
     21.00,
     {"21.00 12pt: kath. Religion wurde am Ende der  Q1, 2. Hj. und Kunst wird am Ende der Q2, 1. Hj. abgewählt."}},
    {"ArtsFirstReligionLater",
     2,
     Klausurwahl2,
     [](Laufbahn& l) {
       l.AbwahlEt = 3;
       l.AbwahlKM = 2;
     },
     21.00,
     {"21.00 12pt: kath. Religion wird am Ende der  Q2, 1. Hj. und Kunst wurde am Ende der Q1, 2. Hj. abgewählt."}},
    {"UnusedValueOneIsNoDrop", 1, Faecherwahl, [](Laufbahn& l) { l.AbwahlEt = 1; }, 21.00, {}},
    {"EFLinesStartOneHigher",
     0,
     Faecherwahl,
     [](Laufbahn& l) {
       l.AbwahlEt = 2;
       l.LitWahl = 2;
     },
     20.45,
     {"20.45 12pt: kath. Religion wird am Ende der  Q1, 2. Hj. abgewählt.",
      "21.00 12pt: In JgSt Q2 soll statt Kunst ein vokalpraktischer Grundkurs gewählt werden."}},
    {"AfterDeepDiveCourseThenLiterature",
     1,
     Faecherwahl,
     [](Laufbahn& l) {
       l.VKQ22 = 1;
       l.AbwahlKM = 3;
       l.LitWahl = 1;
     },
     21.00,
     {"21.00 12pt: In JgSt Q2.2 ist der Vertiefungskurs Mathematik geplant.",
      "21.55 12pt: Kunst wird am Ende der  Q2, 1. Hj. abgewählt.",
      "22.10 12pt: In JgSt Q2 soll statt Kunst das Fach Literatur gewählt werden."}},
    {"LiteratureOptionClosesUp",
     2,
     Klausurwahl1,
     [](Laufbahn& l) {
       l.Fach[KM] = Mu;
       l.LitWahl = 3;
     },
     21.00,
     {"21.00 12pt: In JgSt Q2 soll statt Musik ein instrumentalpraktischer Grundkurs gewählt werden."}},
};

class PlantextAbwahl : public ::testing::TestWithParam<AbwahlFall> {};

TEST_P(PlantextAbwahl, SentencesAndLiterature) {
  const AbwahlFall& fall = GetParam();
  Laufbahn l = Grundplan();
  fall.plan(l);
  EXPECT_EQ(Bereich(Plantext(l, Grundwerte(), Zeit(fall.stufe, fall.monat)), fall.ab, 22.10), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextAbwahl, ::testing::ValuesIn(kAbwahlFaelle), FallName<AbwahlFall>);

// ---------------------------------------------------------------------------------------
// Hours (font 10, y 22.6 .. 24.25).

struct StundenFall {
  const char* name;
  double ef;
  double q1;
  double q2;
  std::array<int, 7> stunden60;
  int kurszahlQ;
  const char* summe;
  const char* halbjahre;
};

const StundenFall kStundenFaelle[] = {
    {"HalvesAndEqualSemesters",
     34.5,
     33,
     34,
     {0, 26, 26, 25, 25, 24, 24},
     38,
     "22.60 10pt: Damit haben Sie in 45-Minuten-Stunden gerechnet insgesamt 101,5 Wochenstunden (EF: 34,5, Q1: 33, "
     "Q2: 34) belegt.",
     "24.25 10pt: JgSt EF: 26 Stunden  JgSt Q1: 25 Stunden  JgSt Q2: 24 Stunden."},
    {"HalvesAddUpToWholeMixedSemesters",
     35.5,
     33.5,
     34,
     {0, 27, 26, 25, 25, 26, 24},
     41,
     "22.60 10pt: Damit haben Sie in 45-Minuten-Stunden gerechnet insgesamt 103 Wochenstunden (EF: 35,5, Q1: 33,5, "
     "Q2: 34) belegt.",
     "24.25 10pt: JgSt EF: (27/26) Stunden  JgSt Q1: 25 Stunden  JgSt Q2: (26/24) Stunden."},
};

class PlantextStunden : public ::testing::TestWithParam<StundenFall> {};

TEST_P(PlantextStunden, SummaryLines) {
  const StundenFall& fall = GetParam();
  Abgeleitet a = Grundwerte();
  a.stunden.StundenEF = fall.ef;
  a.stunden.StundenQ1 = fall.q1;
  a.stunden.StundenQ2 = fall.q2;
  a.stunden.Stunden60 = fall.stunden60;
  a.stunden.KurszahlQ = fall.kurszahlQ;
  const Zeilen erwartet = {
      fall.summe,
      "23.15 10pt: Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt " +
          std::to_string(fall.kurszahlQ) + " Kurse belegt.",
      "23.70 10pt: Sie haben in 60-Minuten-Stunden gerechnet folgende Stundenzahlen belegt: (ggf. in Klammern 1. und "
      "2. Halbjahr)",
      fall.halbjahre};
  EXPECT_EQ(Bereich(Plantext(Grundplan(), a, Zeit(2, Klausurwahl2)), 22.60, 24.25), erwartet);
}

INSTANTIATE_TEST_SUITE_P(Plantext, PlantextStunden, ::testing::ValuesIn(kStundenFaelle), FallName<StundenFall>);

}  // namespace
}  // namespace kelvaro
