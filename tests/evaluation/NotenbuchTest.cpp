#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

// A program in February 2026: subject choices for the coming year, Q1 (semester 3) by default.
struct Sitzung : test::Testprogramm {
  explicit Sitzung(int stufe = 1) : Testprogramm({.stufe = stufe, .heute = {2026, 2, 10}}) {}

  // The fields of a Q1 plan without violations: English (LK A), physics (LK B) and chemistry,
  // mathematics third and history fourth Abitur subject, project course "Schüler experi.",
  // one additional course (social science) and a deep-dive course in Q2.2.
  void Grundplan() {
    l.Fach[FS1] = E5;
    l.Fach[NW1] = Ph;
    l.Fach[NW2] = Ch;
    l.Fach[GW] = Ge;
    l.Fach[Et] = eR;
    l.Fach[KM] = Mu;
    l.Fach[Wa1] = F7;
    l.Fach[Wa2] = Inf;
    l.Fach[VK1] = VKM;
    l.Fach[PK] = PKSE;
    l.VKQ22 = 1;
    l.Fach[VK3] = VKD;
    l.AbiWahl[AbiPosFS1] = 1;
    l.AbiWahl[AbiPosNW1] = 2;
    l.AbiWahl[AbiPosMa] = 3;
    l.AbiWahl[AbiPosGW] = 4;
  }

  // Shows the plan as after loading, which recomputes additional courses, hours and the
  // written flags; then builds the grade book.
  void Vorbereiten() {
    f.LaufbahnDarstellen();
    m.BerechnungVorbereiten();
  }

  void AlleNoten(int punkte) {
    for (auto& slot : l.Noten) {
      slot.fill(punkte);
    }
  }

  // Columns and slots (1..4) marked not taken.
  std::set<std::pair<int, int>> NichtBelegt() const {
    std::set<std::pair<int, int>> frei;
    for (int p = 1; p <= l.NotenKursZahl; ++p) {
      for (int h = 1; h <= 4; ++h) {
        const auto zaehlart = l.KursZaehlart[static_cast<std::size_t>(h)][static_cast<std::size_t>(p)];
        if (zaehlart == nichtbelegt) {
          frei.emplace(p, h);
        } else {
          EXPECT_EQ(zaehlart, Belegt) << "column " << p << " slot " << h;
        }
      }
    }
    return frei;
  }

  // Points that were all `punkte` before: kept in every taken semester and in the exam of an
  // Abitur course, -1 in every slot not taken and in the exam of every other course.
  void PunkteGeprueft(int punkte) const {
    for (int p = 1; p <= l.NotenKursZahl; ++p) {
      const auto i = static_cast<std::size_t>(p);
      for (int h = 1; h <= 4; ++h) {
        const bool frei = l.KursZaehlart[static_cast<std::size_t>(h)][i] == nichtbelegt;
        EXPECT_EQ(l.Noten[static_cast<std::size_t>(h - 1)][i], frei ? -1 : punkte) << "column " << p << " slot " << h;
      }
      const auto art = l.KursZaehlart[0][i];
      const bool abitur = art == LKs || art == Ab3 || art == Ab4;
      EXPECT_EQ(l.Noten[4][i], abitur ? punkte : -1) << "column " << p << " exam";
    }
  }

  TForm2& m = programm.meldungsfenster();
  Abgeleitet& a = programm.abgeleitet();
};

struct Spalte {
  const char* langname;
  const char* kurzname;
  int gruppe;
  FachArtTyp art;
  std::uint8_t schriftlich;
};

void SpaltenPruefen(const Sitzung& s, const std::vector<Spalte>& erwartet) {
  ASSERT_EQ(s.l.NotenKursZahl, static_cast<int>(erwartet.size()));
  for (std::size_t k = 0; k < erwartet.size(); ++k) {
    const std::size_t p = k + 1;
    const Spalte& e = erwartet[k];
    SCOPED_TRACE("column " + std::to_string(p) + " " + e.langname);
    EXPECT_EQ(s.a.notenbuch.KursLangname[p], e.langname);
    EXPECT_EQ(s.l.KursKurzname[p], e.kurzname);
    EXPECT_EQ(s.a.notenbuch.KursFachgruppe[p], e.gruppe);
    EXPECT_EQ(s.l.KursZaehlart[0][p], e.art);
    const bool abitur = e.art == LKs || e.art == Ab3 || e.art == Ab4;
    EXPECT_EQ(s.l.KursZaehlart[5][p], abitur ? Abi : nichtbelegt);
    EXPECT_EQ(s.a.notenbuch.KursSchriftlich[p], e.schriftlich);
  }
}

// --- The columns of the grade book -------------------------------------------------------

TEST(Notenbuch, ProjectModelWithOneAdditionalCourseHasElevenColumns) {
  Sitzung s;
  s.Grundplan();
  s.f.LaufbahnDarstellen();
  ASSERT_EQ(s.a.zusatzkurse.ZKAnzahl, 1);
  // Written flags as the student set them; the grade book copies them per row.
  s.l.Schriftlich[NW2] = 0;
  s.l.Schriftlich[Sp] = 1;
  s.l.Schriftlich[Et] = 0;
  s.l.Schriftlich[KM] = 1;
  s.l.Schriftlich[Wa1] = 1;
  s.AlleNoten(8);

  s.m.BerechnungVorbereiten();

  SpaltenPruefen(s, {
                        {"Englisch (ab 5)", "Eng", 100, LKs, 1},
                        {"Physik", "Phy", 200, LKs, 1},
                        {"Chemie", "Che", 200, Gk, 0},
                        {"Deutsch", "Deu", 110, Gk, 1},
                        {"Mathematik", "Mat", 700, Ab3, 1},
                        {"Sport", "Spo", 600, Gk, 1},
                        {"Geschichte", "Ge", 300, Ab4, 1},
                        {"evan. Religion", "ev.Rel", 900, Gk, 0},
                        {"Musik", "Mu", 500, Gk, 1},
                        {"Schüler experi.", "Sch.ex.", 1600, Pjku, 0},
                        {"Sozialwiss.", "Sowi", 300, Zk, 0},
                    });
  // The project course runs in Q1, the additional course in Q2.
  EXPECT_EQ(s.NichtBelegt(), (std::set<std::pair<int, int>>{{10, 3}, {10, 4}, {11, 1}, {11, 2}}));
  s.PunkteGeprueft(8);
}

TEST(Notenbuch, BothModelWithTwoAdditionalCoursesAndLiteratureHasFourteenColumns) {
  Sitzung s;
  s.Grundplan();
  s.l.Q1Modell = 2;
  s.l.Fach[GW] = Erd;
  s.l.LitWahl = 1;
  s.l.AbiWahl[AbiPosGW] = 0;
  s.l.AbiWahl[AbiPosWa1] = 4;
  s.f.LaufbahnDarstellen();
  ASSERT_EQ(s.a.zusatzkurse.ZKAnzahl, 2);
  s.l.Schriftlich[Wa1] = 1;
  s.l.Schriftlich[GW] = 0;
  s.AlleNoten(11);

  s.m.BerechnungVorbereiten();

  SpaltenPruefen(s, {
                        {"Englisch (ab 5)", "Eng", 100, LKs, 1},
                        {"Physik", "Phy", 200, LKs, 1},
                        {"Chemie", "Che", 200, Gk, s.l.Schriftlich[NW2]},
                        {"Deutsch", "Deu", 110, Gk, 1},
                        {"Mathematik", "Mat", 700, Ab3, 1},
                        {"Sport", "Spo", 600, Gk, 0},
                        {"Erdkunde", "Erd", 300, Gk, 0},
                        {"evan. Religion", "ev.Rel", 900, Gk, s.l.Schriftlich[Et]},
                        {"Musik", "Mu", 500, Gk, s.l.Schriftlich[KM]},
                        {"Französisch (ab 7)", "Fra", 100, Ab4, 1},
                        {"Schüler experi.", "Sch.ex.", 1600, Pjku, 0},
                        {"Geschichte", "Ge", 300, Zk, 0},
                        {"Sozialwiss.", "Sowi", 300, Zk, 0},
                        {"Literatur", "Lit", 500, Gk, 0},
                    });
  // Music gives way to literature in Q2.
  EXPECT_EQ(s.NichtBelegt(),
            (std::set<std::pair<int, int>>{
                {9, 3}, {9, 4}, {11, 3}, {11, 4}, {12, 1}, {12, 2}, {13, 1}, {13, 2}, {14, 1}, {14, 2}}));
  s.PunkteGeprueft(11);
}

TEST(Notenbuch, TheArtsReplacementOfQ2) {
  struct Fall {
    const char* name;
    std::uint8_t litWahl;
    FachTyp km;
    std::uint8_t q1Modell;
    FachTyp wa1;
    const char* langname;
    const char* kurzname;
    std::set<std::pair<int, int>> nichtBelegt;
  };
  const Fall faelle[] = {
      {"literatureForMusic",
       1,
       Mu,
       0,
       F7,
       "Literatur",
       "Lit",
       {{9, 3}, {9, 4}, {10, 3}, {10, 4}, {11, 1}, {11, 2}, {12, 1}, {12, 2}}},
      {"vocalCourseForArt",
       2,
       Ku,
       0,
       F7,
       "vokalprakt. GK",
       "voka.pr. GK",
       {{9, 3}, {9, 4}, {10, 3}, {10, 4}, {11, 1}, {11, 2}, {12, 1}, {12, 2}}},
      {"instrumentalCourseForMusic",
       3,
       Mu,
       0,
       F7,
       "instrumentalprakt. GK",
       "inst.pr. GK",
       {{9, 3}, {9, 4}, {10, 3}, {10, 4}, {11, 1}, {11, 2}, {12, 1}, {12, 2}}},
      // Every column named after an arts subject gives way, the continued elective included.
      {"artElectiveGivesWayToo",
       1,
       Mu,
       1,
       Ku,
       "Literatur",
       "Lit",
       {{9, 3}, {9, 4}, {10, 3}, {10, 4}, {11, 1}, {11, 2}, {12, 1}, {12, 2}}},
      {"otherElectiveKeepsQ2", 1, Mu, 1, Ch, "Literatur", "Lit", {{9, 3}, {9, 4}, {11, 1}, {11, 2}, {12, 1}, {12, 2}}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s;
    s.Grundplan();
    s.l.LitWahl = fall.litWahl;
    s.l.Fach[KM] = fall.km;
    s.l.Q1Modell = fall.q1Modell;
    s.l.Fach[Wa1] = fall.wa1;
    s.l.Schriftlich[KM] = 1;
    s.f.LaufbahnDarstellen();
    ASSERT_EQ(s.a.zusatzkurse.ZKAnzahl, 1);
    s.AlleNoten(5);

    s.m.BerechnungVorbereiten();

    ASSERT_EQ(s.l.NotenKursZahl, 12);
    EXPECT_EQ(s.a.notenbuch.KursLangname[12], fall.langname);
    EXPECT_EQ(s.l.KursKurzname[12], fall.kurzname);
    EXPECT_EQ(s.a.notenbuch.KursFachgruppe[12], 500);
    EXPECT_EQ(s.l.KursZaehlart[0][12], Gk);
    EXPECT_EQ(s.a.notenbuch.KursSchriftlich[12], 0);
    EXPECT_EQ(s.NichtBelegt(), fall.nichtBelegt);
    s.PunkteGeprueft(5);
  }
}

TEST(Notenbuch, LanguageFocusPutsTheSecondLanguageBeforeTheScience) {
  Sitzung s;
  s.Grundplan();
  s.l.SchwerpunktFS = 1;
  s.l.Fach[FS2] = I9;
  s.l.Fach[NW2] = leer;
  s.l.Fach[Et] = Pl;
  s.l.AbiWahl[AbiPosNW1] = 0;
  s.l.AbiWahl[AbiPosFS2] = 2;
  s.l.AbiWahl[AbiPosNW2] = 3;  // a role left in the unused row counts nowhere
  s.Vorbereiten();

  ASSERT_EQ(s.l.NotenKursZahl, 11);
  EXPECT_EQ(s.a.notenbuch.KursLangname[2], "Italienisch (ab 9)");
  EXPECT_EQ(s.l.KursKurzname[2], "Ita");
  EXPECT_EQ(s.a.notenbuch.KursFachgruppe[2], 100);
  EXPECT_EQ(s.l.KursZaehlart[0][2], LKs);
  EXPECT_EQ(s.a.notenbuch.KursSchriftlich[2], s.l.Schriftlich[FS2]);
  EXPECT_EQ(s.a.notenbuch.KursLangname[3], "Physik");
  EXPECT_EQ(s.a.notenbuch.KursFachgruppe[3], 200);
  EXPECT_EQ(s.l.KursZaehlart[0][3], Gk);
  EXPECT_EQ(s.l.KursZaehlart[5][3], nichtbelegt);
  // Philosophy belongs to the social sciences, the religions to group 900.
  EXPECT_EQ(s.a.notenbuch.KursLangname[8], "Philosophie");
  EXPECT_EQ(s.l.KursKurzname[8], "Phil");
  EXPECT_EQ(s.a.notenbuch.KursFachgruppe[8], 300);
}

TEST(Notenbuch, ContinuedElectiveGroupFollowsItsSubject) {
  struct Fall {
    FachTyp wa1;
    int gruppe;
  };
  constexpr int Vorher = 4711;
  // Any subject outside the four groups leaves the entry as it was.
  const Fall faelle[] = {{E5, 100},  {I0, 100}, {F7, 100},  {I9, 100},    {Bi, 200},
                         {Ch, 200},  {Ph, 200}, {Inf, 200}, {Ge, 300},    {Sw, 300},
                         {Erd, 300}, {Ku, 500}, {Mu, 500},  {L7, Vorher}, {leer, Vorher}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(FachWahltext(fall.wa1));
    Sitzung s;
    s.Grundplan();
    s.l.Q1Modell = 1;
    s.l.Fach[Wa1] = fall.wa1;
    s.l.AbiWahl[AbiPosWa1] = 3;
    s.l.AbiWahl[AbiPosMa] = 0;
    s.a.notenbuch.KursFachgruppe[10] = Vorher;
    s.Vorbereiten();
    EXPECT_EQ(s.a.notenbuch.KursLangname[10], FachWahltext(fall.wa1));
    EXPECT_EQ(s.l.KursKurzname[10], FachKuerzel(fall.wa1));
    EXPECT_EQ(s.a.notenbuch.KursFachgruppe[10], fall.gruppe);
    EXPECT_EQ(s.l.KursZaehlart[0][10], Ab3);
    EXPECT_EQ(s.l.KursZaehlart[0][5], Gk);
  }
}

TEST(Notenbuch, AThirdAbiturSubjectInSocialScienceIsAnExamCourse) {
  Sitzung s;
  s.Grundplan();
  s.l.AbiWahl[AbiPosMa] = 0;
  s.l.AbiWahl[AbiPosGW] = 3;
  s.l.AbiWahl[AbiPosEt] = 4;
  s.f.LaufbahnDarstellen();
  s.AlleNoten(12);
  s.m.BerechnungVorbereiten();

  EXPECT_EQ(s.l.KursZaehlart[0][7], Ab3);
  EXPECT_EQ(s.l.KursZaehlart[5][7], Abi);
  EXPECT_EQ(s.l.KursZaehlart[0][8], Ab4);
  EXPECT_EQ(s.l.KursZaehlart[0][5], Gk);
  EXPECT_EQ(s.l.KursZaehlart[5][5], nichtbelegt);
  s.PunkteGeprueft(12);
}

TEST(Notenbuch, DroppedCoursesAreNotTakenFromTheirLastSemester) {
  struct Fall {
    const char* name;
    std::uint8_t q1Modell;
    std::uint8_t abwahlEt, abwahlKM, abwahlWa1;
    std::set<std::pair<int, int>> dazu;  // beside the additional course in Q1
  };
  const Fall faelle[] = {
      {"nothingDropped", 1, 0, 0, 0, {}},
      {"ethicsAfterQ12", 1, 2, 0, 0, {{8, 3}, {8, 4}}},
      {"ethicsAfterQ21", 1, 3, 0, 0, {{8, 4}}},
      {"artsAfterQ12", 1, 0, 2, 0, {{9, 3}, {9, 4}}},
      {"artsAfterQ21", 1, 0, 3, 0, {{9, 4}}},
      {"electiveAfterQ11", 1, 0, 0, 1, {{10, 2}, {10, 3}, {10, 4}}},
      {"electiveAfterQ12", 1, 0, 0, 2, {{10, 3}, {10, 4}}},
      {"electiveAfterQ21", 1, 0, 0, 3, {{10, 4}}},
      {"ethicsAndArtsBesideBothModel", 2, 3, 2, 0, {{8, 4}, {9, 3}, {9, 4}, {11, 3}, {11, 4}}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s;
    s.Grundplan();
    s.l.Q1Modell = fall.q1Modell;
    s.l.AbwahlEt = fall.abwahlEt;
    s.l.AbwahlKM = fall.abwahlKM;
    s.l.AbwahlWa1 = fall.abwahlWa1;
    s.f.LaufbahnDarstellen();
    ASSERT_EQ(s.l.AbwahlEt, fall.abwahlEt);
    ASSERT_EQ(s.l.AbwahlKM, fall.abwahlKM);
    ASSERT_EQ(s.l.AbwahlWa1, fall.abwahlWa1);
    ASSERT_EQ(s.a.zusatzkurse.ZKAnzahl, 1);
    s.AlleNoten(7);

    s.m.BerechnungVorbereiten();

    std::set<std::pair<int, int>> erwartet = fall.dazu;
    const int zk = fall.q1Modell == 2 ? 12 : 11;
    erwartet.insert({{zk, 1}, {zk, 2}});
    EXPECT_EQ(s.NichtBelegt(), erwartet);
    s.PunkteGeprueft(7);
  }
}

TEST(Notenbuch, ADeselectionOfTheElectiveIsIgnoredInTheProjectModel) {
  Sitzung s;
  s.Grundplan();
  s.f.LaufbahnDarstellen();
  // The project model never keeps a deselection of the first elective; a stored value
  // must not reach the project course in column 10.
  s.l.AbwahlWa1 = 1;
  s.m.BerechnungVorbereiten();
  EXPECT_EQ(s.NichtBelegt(), (std::set<std::pair<int, int>>{{10, 3}, {10, 4}, {11, 1}, {11, 2}}));
}

TEST(Notenbuch, SportReplacement) {
  struct Fall {
    const char* name;
    int stufe;
    std::uint8_t aktiv;
    FachTyp ersatz;
    int von, bis;
    const char* langname;
    const char* kurzname;
    std::set<std::pair<int, int>> sportFrei;
  };
  const Fall faelle[] = {
      {"notReplaced", 1, 0, Bi, 1, 6, "Sport", "Spo", {}},
      {"biologyThroughout", 1, 1, Bi, 1, 6, "Sport/Bio", "Spo/Bio", {}},
      {"artInQ1", 1, 1, Ku, 3, 4, "Sport/Kun", "Spo/Kun", {}},
      {"replacementStartsAfterThisSemester", 1, 1, Bi, 4, 6, "Sport", "Spo", {}},
      {"replacementEndedBeforeThisSemester", 1, 1, Bi, 1, 2, "Sport", "Spo", {}},
      // In EF.1 the semester lies inside the range, but a range that ends in EF never names it.
      {"efRangeInEF", 0, 1, Bi, 1, 2, "Sport", "Spo", {}},
      {"efRangeIntoQ1", 0, 1, Bi, 1, 3, "Sport/Bio", "Spo/Bio", {}},
      // Replaced by nothing: the Q semesters of the range are not taken.
      {"nothingFromEFToQ12", 1, 1, leer, 1, 4, "Sport", "Spo", {{6, 1}, {6, 2}}},
      {"nothingInQ2", 1, 1, leer, 5, 6, "Sport", "Spo", {{6, 3}, {6, 4}}},
      {"nothingInQ11", 1, 1, leer, 3, 3, "Sport", "Spo", {{6, 1}}},
      {"nothingThroughout", 1, 1, leer, 1, 6, "Sport", "Spo", {{6, 1}, {6, 2}, {6, 3}, {6, 4}}},
      {"nothingInEFOnly", 1, 1, leer, 1, 2, "Sport", "Spo", {}},
      {"emptyRowWithoutReplacement", 1, 0, leer, 1, 6, "Sport", "Spo", {}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.stufe);
    s.Grundplan();
    s.f.LaufbahnDarstellen();
    s.l.ErsatzfachAktiv = fall.aktiv;
    s.l.Fach[Sp] = fall.ersatz;
    s.l.ErsatzfachVon = fall.von;
    s.l.ErsatzfachBis = fall.bis;
    s.AlleNoten(9);

    s.m.BerechnungVorbereiten();

    EXPECT_EQ(s.a.notenbuch.KursLangname[6], fall.langname);
    EXPECT_EQ(s.l.KursKurzname[6], fall.kurzname);
    EXPECT_EQ(s.a.notenbuch.KursFachgruppe[6], 600);
    std::set<std::pair<int, int>> erwartet = fall.sportFrei;
    erwartet.insert({{10, 3}, {10, 4}, {11, 1}, {11, 2}});
    EXPECT_EQ(s.NichtBelegt(), erwartet);
    s.PunkteGeprueft(9);
  }
}

TEST(Notenbuch, ARebuildAfterAPlanChangeStartsEveryColumnFromTaken) {
  Sitzung s;
  s.Grundplan();
  s.l.Q1Modell = 1;
  s.l.AbwahlWa1 = 1;
  s.Vorbereiten();
  ASSERT_EQ(s.l.KursZaehlart[2][10], nichtbelegt);

  // Back to the project model: column 10 is the project course, taken in Q1.2 again.
  s.l.Q1Modell = 0;
  s.l.AbwahlWa1 = 0;
  s.Vorbereiten();
  EXPECT_EQ(s.a.notenbuch.KursLangname[10], "Schüler experi.");
  EXPECT_EQ(s.l.KursZaehlart[0][10], Pjku);
  EXPECT_EQ(s.NichtBelegt(), (std::set<std::pair<int, int>>{{10, 3}, {10, 4}, {11, 1}, {11, 2}}));
}

// --- The kind of a course ----------------------------------------------------------------

TEST(FachArt, FollowsTheAbiturRoleOfItsPosition) {
  struct Fall {
    const char* name;
    int raster;  // 1..11 in the order of the Abitur positions, 12 none
    AbiPosition position;
    int rolle;
    FachArtTyp grundArt;
    FachArtTyp art;
  };
  const Fall faelle[] = {
      {"noRole", 2, AbiPosFS1, 0, Gk, Gk},
      {"lkA", 2, AbiPosFS1, 1, Gk, LKs},
      {"lkB", 5, AbiPosNW1, 2, Gk, LKs},
      {"third", 7, AbiPosGW, 3, Gk, Ab3},
      {"fourth", 10, AbiPosSp, 4, Gk, Ab4},
      {"germanFirst", 1, AbiPosDe, 3, Gk, Ab3},
      {"electiveLast", 11, AbiPosWa1, 4, Gk, Ab4},
      {"secondLanguageIsPositionThree", 3, AbiPosFS2, 1, Gk, LKs},
      {"roleOverridesTheBaseKind", 9, AbiPosKM, 4, Zk, Ab4},
      {"noAbiturRowKeepsTheBaseKind", 12, AbiPosWa1, 1, Pjku, Pjku},
      {"noAbiturRowAdditionalCourse", 12, AbiPosDe, 2, Zk, Zk},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s;
    s.l.AbiWahl[fall.position] = fall.rolle;
    s.l.KursZaehlart[0][3] = Gk;
    s.l.KursZaehlart[5][3] = Abi;

    FachArtSetzen(s.l, fall.raster, 4, fall.grundArt);

    EXPECT_EQ(s.l.KursZaehlart[0][4], fall.art);
    const bool abitur = fall.art == LKs || fall.art == Ab3 || fall.art == Ab4;
    EXPECT_EQ(s.l.KursZaehlart[5][4], abitur ? Abi : nichtbelegt);
    // Other columns stay as they were.
    EXPECT_EQ(s.l.KursZaehlart[0][3], Gk);
    EXPECT_EQ(s.l.KursZaehlart[5][3], Abi);
  }
}

TEST(FachArt, ReadsTheRoleInAbiturOrderNotGridOrder) {
  Sitzung s;
  // Grid row 2 is NW1, Abitur position 2 (index 1) is FS1.
  s.l.AbiWahl[AbiPosFS1] = 3;
  s.l.AbiWahl[AbiPosNW1] = 0;
  s.l.AbiWahl[AbiPosFS2] = 0;
  FachArtSetzen(s.l, 2, 1, Gk);
  EXPECT_EQ(s.l.KursZaehlart[0][1], Ab3);
}

// --- Languages of lower secondary school ------------------------------------------------

enum class Hinweis { keiner, keineZweiteFS, keinI9, I0falsch, I9falsch };

struct SprachFall {
  const char* name;
  void (*plan)(Laufbahn&);
  bool zweiteFS, italienisch9;
  Hinweis hinweis;
};

void Ohne(Laufbahn&) {}

TEST(SekundarstufeI, TheTwoBoxesDecideTheAnswerAndTheNotice) {
  const SprachFall faelle[] = {
      // A second foreign language and Italian from year 9: Italian from 11 is wrong.
      {"bothNoItalian", Ohne, true, true, Hinweis::keiner},
      {"bothItalian11First", [](Laufbahn& l) { l.Fach[FS1] = I0; }, true, true, Hinweis::I0falsch},
      {"bothItalian11SecondElective", [](Laufbahn& l) { l.Fach[Wa2] = I0; }, true, true, Hinweis::I0falsch},
      {"bothItalian11InTheUnusedSecondLanguageRow", [](Laufbahn& l) { l.Fach[FS2] = I0; }, true, true, Hinweis::keiner},
      {"bothItalian11InTheSecondLanguageRow",
       [](Laufbahn& l) {
         l.SchwerpunktFS = 1;
         l.Fach[FS2] = I0;
       },
       true, true, Hinweis::I0falsch},
      {"bothItalian11AsSecondDeepDiveRow",
       [](Laufbahn& l) {
         l.EFModell = 3;
         l.Fach[Wa2] = I0;
       },
       true, true, Hinweis::keiner},
      {"bothItalian11AsThirdElective",
       [](Laufbahn& l) {
         l.EFModell = 1;
         l.Fach[VK1] = I0;
       },
       true, true, Hinweis::I0falsch},
      {"bothItalian9", [](Laufbahn& l) { l.Fach[Wa1] = I9; }, true, true, Hinweis::keiner},
      // A second foreign language only: Italian from 9 is wrong wherever it stands.
      {"secondLanguageNoItalian", Ohne, true, false, Hinweis::keiner},
      {"secondLanguageItalian9First", [](Laufbahn& l) { l.Fach[Wa1] = I9; }, true, false, Hinweis::I9falsch},
      {"secondLanguageItalian9DroppedAfterEF1",
       [](Laufbahn& l) {
         l.Fach[Wa2] = I9;
         l.AbwahlEF = 1;
       },
       true, false, Hinweis::I9falsch},
      {"secondLanguageItalian9InTheDeepDiveRow", [](Laufbahn& l) { l.Fach[VK1] = I9; }, true, false, Hinweis::keiner},
      {"secondLanguageItalian11", [](Laufbahn& l) { l.Fach[FS1] = I0; }, true, false, Hinweis::keiner},
      // Italian from year 9 only: it must go on to the end of EF.
      {"italian9Continued", [](Laufbahn& l) { l.Fach[Wa1] = I9; }, false, true, Hinweis::keiner},
      {"italian9NotChosen", Ohne, false, true, Hinweis::keinI9},
      {"italian9DroppedAfterEF1",
       [](Laufbahn& l) {
         l.Fach[Wa2] = I9;
         l.AbwahlEF = 1;
       },
       false, true, Hinweis::keinI9},
      {"italian9SecondElectiveToTheEndOfEF", [](Laufbahn& l) { l.Fach[Wa2] = I9; }, false, true, Hinweis::keiner},
      {"italian9ThirdElectiveToTheEndOfEF",
       [](Laufbahn& l) {
         l.EFModell = 1;
         l.Fach[VK1] = I9;
       },
       false, true, Hinweis::keiner},
      {"italian9ThirdElectiveDroppedAfterEF1",
       [](Laufbahn& l) {
         l.EFModell = 1;
         l.AbwahlEF = 1;
         l.Fach[VK1] = I9;
       },
       false, true, Hinweis::keinI9},
      {"italian9InTheUnusedSecondLanguageRow", [](Laufbahn& l) { l.Fach[FS2] = I9; }, false, true, Hinweis::keinI9},
      {"italian9SecondElectiveOfModel0DroppedAfterEF1",
       [](Laufbahn& l) {
         l.EFModell = 0;
         l.AbwahlEF = 1;
         l.Fach[Wa2] = I9;
       },
       false, true, Hinweis::keiner},
      // Neither: no Italian from 9, and the new language through Q2.
      {"neitherNoNewLanguage", Ohne, false, false, Hinweis::keineZweiteFS},
      {"neitherItalian9Continued", [](Laufbahn& l) { l.Fach[Wa1] = I9; }, false, false, Hinweis::I9falsch},
      {"neitherItalian9BeforeTheNewLanguage",
       [](Laufbahn& l) {
         l.Fach[FS1] = I0;
         l.Fach[Wa1] = I9;
       },
       false, false, Hinweis::I9falsch},
      {"neitherItalian9DroppedAfterEF1",
       [](Laufbahn& l) {
         l.Fach[Wa2] = I9;
         l.AbwahlEF = 1;
       },
       false, false, Hinweis::keineZweiteFS},
      {"neitherItalian11First", [](Laufbahn& l) { l.Fach[FS1] = I0; }, false, false, Hinweis::keiner},
      {"neitherOldItalian11Code", [](Laufbahn& l) { l.Fach[FS1] = I1; }, false, false, Hinweis::keiner},
      {"neitherItalian11SecondLanguage",
       [](Laufbahn& l) {
         l.SchwerpunktFS = 1;
         l.Fach[FS2] = I0;
       },
       false, false, Hinweis::keiner},
      {"neitherItalian11InTheUnusedSecondLanguageRow", [](Laufbahn& l) { l.Fach[FS2] = I0; }, false, false,
       Hinweis::keineZweiteFS},
      {"neitherItalian11ElectiveThroughQ2",
       [](Laufbahn& l) {
         l.Q1Modell = 1;
         l.Fach[Wa1] = I0;
       },
       false, false, Hinweis::keiner},
      {"neitherItalian11ElectiveDroppedAfterQ11",
       [](Laufbahn& l) {
         l.Q1Modell = 1;
         l.Fach[Wa1] = I0;
         l.AbwahlWa1 = 1;
       },
       false, false, Hinweis::keineZweiteFS},
      {"neitherItalian11ElectiveEndsWithEF", [](Laufbahn& l) { l.Fach[Wa1] = I0; }, false, false,
       Hinweis::keineZweiteFS},
      {"neitherItalian11OnlyInEFElectives", [](Laufbahn& l) { l.Fach[Wa2] = I0; }, false, false,
       Hinweis::keineZweiteFS},
  };
  for (const SprachFall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s;
    s.Grundplan();
    fall.plan(s.l);
    // The window opens with the opposite answer, then the student clicks both boxes.
    s.l.ZweiteFSSek1 = static_cast<std::uint8_t>((fall.zweiteFS ? 0 : 1) + (fall.italienisch9 ? 0 : 2));
    s.m.activate();
    ASSERT_NE(s.m.ZweiteFSSek1Box.checked(), fall.zweiteFS);
    ASSERT_NE(s.m.I9Sek1Box.checked(), fall.italienisch9);
    s.m.ZweiteFSSek1Box.userClick();
    s.m.I9Sek1Box.userClick();

    EXPECT_EQ(s.l.ZweiteFSSek1, (fall.zweiteFS ? 1 : 0) + (fall.italienisch9 ? 2 : 0));
    EXPECT_EQ(s.m.keinezweiteFSMemo.visible(), fall.hinweis == Hinweis::keineZweiteFS);
    EXPECT_EQ(s.m.keinI9Memo.visible(), fall.hinweis == Hinweis::keinI9);
    EXPECT_EQ(s.m.I0falschgewaehltMemo.visible(), fall.hinweis == Hinweis::I0falsch);
    EXPECT_EQ(s.m.I9falschgewaehltMemo.visible(), fall.hinweis == Hinweis::I9falsch);
    EXPECT_EQ(s.m.OKBut.enabled(), fall.hinweis == Hinweis::keiner);
  }
}

TEST(SekundarstufeI, TheNoticeFollowsEveryClick) {
  Sitzung s;
  s.Grundplan();
  s.l.Fach[Wa1] = I9;  // Italian from 9 continued to the end of EF
  s.m.activate();
  ASSERT_EQ(s.l.ZweiteFSSek1, 0);
  EXPECT_TRUE(s.m.I9falschgewaehltMemo.visible());
  EXPECT_FALSE(s.m.OKBut.enabled());

  s.m.I9Sek1Box.userClick();
  EXPECT_EQ(s.l.ZweiteFSSek1, 2);
  EXPECT_FALSE(s.m.I9falschgewaehltMemo.visible());
  EXPECT_TRUE(s.m.OKBut.enabled());

  s.m.ZweiteFSSek1Box.userClick();
  EXPECT_EQ(s.l.ZweiteFSSek1, 3);
  EXPECT_TRUE(s.m.OKBut.enabled());

  s.m.I9Sek1Box.userClick();
  EXPECT_EQ(s.l.ZweiteFSSek1, 1);
  EXPECT_TRUE(s.m.I9falschgewaehltMemo.visible());
  EXPECT_FALSE(s.m.OKBut.enabled());
}

TEST(SekundarstufeI, TheNoticesReadAsDesigned) {
  Sitzung s;
  EXPECT_EQ(s.m.keinezweiteFSMemo.lines(),
            (std::vector<std::string>{"Wenn Sie in Klasse 7 bis 10 keine zweite Fremdsprache belegt haben, ",
                                      "und Italienisch nicht ab Klasse 9 gelernt haben,",
                                      "müssen Sie bis zur Jahrgangstufe Q2 die neueinsetzende ",
                                      "Fremsprache Italinisch (ab 11)  lernen. ",
                                      "Wählen Sie Italienisch (ab 11) oder setzen Sie oben das Häkchen ",
                                      "für eine weitere belegte Fremdsprache in der Sekundarstufe 1."}));
  EXPECT_EQ(s.m.keinI9Memo.lines(),
            (std::vector<std::string>{"Wenn Sie in Klasse 7 bis 10 keine zweite Fremdsprache belegt haben, ",
                                      "jedoch Italienisch ab Klasse 9 gelernt haben,",
                                      "müssen Sie bis zum Ende der Einführungsphase (EF)  ",
                                      "die Fremsprache Italinisch (ab 9) fortsetzen.",
                                      "Wählen Sie Italienisch (ab 9) oder setzen Sie oben das Häkchen ",
                                      "für die zweite belegte Fremdsprache in der Sekundarstufe 1."}));
  EXPECT_EQ(s.m.I0falschgewaehltMemo.lines(),
            (std::vector<std::string>{"Sie hasben Italienisch ab Klasse 11 gewählt, obwohl Sie laut ",
                                      "obigen Angaben seit Klasse 9 Italiensch belegt haben.",
                                      "Wählen Sie Italienisch (ab 9) oder nehmen Sie oben das Häkchen ",
                                      "für die Belegung von Italienisch (ab 9) weg."}));
  EXPECT_EQ(s.m.I9falschgewaehltMemo.lines(),
            (std::vector<std::string>{"Sie haben die Fortsetzung von Italienisch ab Klasse 9 gewählt, ",
                                      "obwohl Sie laut obigen Angaben Italiensch nicht ab Klasse 9 ", "belegt haben.",
                                      "Wählen Sie Italienisch (ab 11) oder setzen Sie oben das Häkchen ",
                                      "für die Belegung von Italienisch (ab 9)."}));
}

}  // namespace
}  // namespace kelvaro
