#include "app/Kommandozeile.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

class Notenbefehl : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-grade-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  int Ausfuehren(std::vector<std::string> argumente) {
    m_out.str("");
    m_err.str("");
    return KommandozeileAusfuehren(argumente, m_out, m_err, ui::Datum{2026, 2, 10});
  }

  // "grade" with every slot that takes points at the given points, then further arguments:
  // the slots are those a run without points lists as missing.
  std::vector<std::string> Alle(int punkte, const std::vector<std::string>& weitere = {},
                                const std::string& plan = "") {
    const std::string datei = plan.empty() ? m_plan : plan;
    EXPECT_EQ(Ausfuehren({"grade", datei}), 1);
    std::vector<std::string> argumente = {"grade", datei};
    std::istringstream fehlend(m_err.str());
    std::string zeile;
    std::getline(fehlend, zeile);  // "Es fehlen N Noten:"
    while (std::getline(fehlend, zeile)) {
      std::istringstream teile(zeile);
      std::string slot;
      teile >> slot;
      argumente.push_back("--note");
      argumente.push_back(slot + "=" + std::to_string(punkte));
    }
    argumente.insert(argumente.end(), weitere.begin(), weitere.end());
    return argumente;
  }

  json Json() const { return json::parse(m_out.str()); }

  fs::path m_dir;
  // The clean Q1 plan of the test data: English (LK A), physics (LK B), chemistry, German,
  // mathematics (third), sport, history (fourth), religion, music, the project course (Q1)
  // and the additional course social science (Q2).
  const std::string m_plan = test::Testdatei("q1-gueltig.abi").string();
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(Notenbefehl, MissingPointsAreListedAndExitWithOne) {
  EXPECT_EQ(Ausfuehren({"grade", m_plan, "--note", "1,1=12", "--note", "11,3=9"}), 1);
  EXPECT_EQ(m_out.str(), "");
  const std::string err = m_err.str();
  EXPECT_EQ(err.substr(0, err.find('\n')), "Es fehlen 42 Noten:");
  EXPECT_NE(err.find("  1,2  Englisch (ab 5), Q1.2\n"), std::string::npos);
  EXPECT_NE(err.find("  7,5  Geschichte, Abiturprüfung\n"), std::string::npos);
  EXPECT_EQ(err.find("Englisch (ab 5), Q1.1"), std::string::npos);
  EXPECT_NE(err.find("  11,4  Sozialwiss., Q2.2\n"), std::string::npos);
}

TEST_F(Notenbefehl, APassedAbiturPrintsEveryResultAndExitsWithZero) {
  ASSERT_EQ(Ausfuehren(Alle(11)), 0) << m_err.str();
  const json j = Json();
  const std::vector<std::string> felder = {"PunkteBlock1",
                                           "DurchschnittBlock1",
                                           "GewerteteGKs",
                                           "Pflichtkurse",
                                           "GewerteteWahlkurse",
                                           "NichtGewerteteKurse",
                                           "FreiwilligeKurse",
                                           "BelegteKurse",
                                           "PunkteGK",
                                           "PunkteLK",
                                           "DefiziteGK",
                                           "DefiziteGKGewertet",
                                           "DefiziteLK",
                                           "DefiziteGewertet",
                                           "MaxDefizite",
                                           "NullPunkteKurse",
                                           "ZuVieleDefizite",
                                           "ZulassungBestanden",
                                           "PunkteBlock2",
                                           "Gesamtpunkte",
                                           "AbiNote",
                                           "Vornote",
                                           "PruefungBestanden",
                                           "LKPruefungenBestanden",
                                           "PruefungenBestanden",
                                           "Abweichungen",
                                           "AbweichungsFaecher",
                                           "ProjektkursAngepasst",
                                           "Fehlerliste",
                                           "Besonderheitenliste",
                                           "Kurse",
                                           "Ansichten"};
  std::vector<std::string> schluessel;
  for (const auto& [name, wert] : j.items()) {
    schluessel.push_back(name);
  }
  EXPECT_EQ(schluessel, felder);
  EXPECT_EQ(j["PunkteBlock1"], 440);
  EXPECT_EQ(j["Gesamtpunkte"], 660);
  EXPECT_EQ(j["AbiNote"], 2.0);
  EXPECT_EQ(j["ZulassungBestanden"], 1);
  EXPECT_EQ(j["PruefungBestanden"], 1);
  ASSERT_EQ(j["Kurse"].size(), 11U);
  const json englisch = {{"KursLangname", "Englisch (ab 5)"},
                         {"Art", "LK"},
                         {"Status", {"LK", "LK", "LK", "LK", "Abi"}},
                         {"Noten", {11, 11, 11, 11, 11}},
                         {"Durchschnitt", 11.0}};
  EXPECT_EQ(j["Kurse"][0], englisch);
  EXPECT_EQ(j["Kurse"][9]["Art"], "PJK");
  EXPECT_EQ(j["Kurse"][9]["Noten"], json::parse("[11, 11, -1, -1, -1]"));
  EXPECT_EQ(j["Kurse"][10]["Status"][0], "nichtbelegt");
  ASSERT_EQ(j["Ansichten"].size(), 4U);
  EXPECT_EQ(j["Ansichten"][0][0],
            "Abitur bestanden mit der Abiturnote (Numerus Clausus) 2,0  ,   insgesamt 660 Punkte");
  EXPECT_EQ(j["Ansichten"][2][0],
            "Gesamtpunkte in Block 1: 440, Durchschnittspunktzahl in Block 1: 11,00 Punkte   Zugelassen");
  EXPECT_EQ(j["Ansichten"][3][4], "keine Abweichprüfung");
}

TEST_F(Notenbefehl, AFailedAbiturStillPrintsTheResultAndExitsWithOne) {
  ASSERT_EQ(Ausfuehren(Alle(3)), 1) << m_err.str();
  const json j = Json();
  EXPECT_EQ(j["ZulassungBestanden"], 0);
  EXPECT_EQ(j["PruefungBestanden"], 0);
  EXPECT_EQ(j["Ansichten"][0][0],
            "Abitur nicht bestanden ! (Zulassung nicht erreicht, Ergebnisse der Abiturprüfungen zu schlecht)");
}

TEST_F(Notenbefehl, UnusableInputExitsWithTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
      {{"grade", m_plan, "--note", "3,5=10"}, "Note \"3,5=10\": Chemie hat in Abiturprüfung keine Note.\n"},
      {{"grade", m_plan, "--note", "10,3=10"}, "Note \"10,3=10\": Schüler experi. hat in Q2.1 keine Note.\n"},
      {{"grade", m_plan, "--note", "12,1=10"}, "Note \"12,1=10\": Kurs 1 bis 11 erwartet.\n"},
      {{"grade", m_plan, "--note", "0,1=10"}, "Note \"0,1=10\": Kurs 1 bis 11 erwartet.\n"},
      {{"grade", m_plan, "--note", "1,6=10"},
       "Note \"1,6=10\": Halbjahr 1 bis 5 erwartet (5 ist die Abiturprüfung).\n"},
      {{"grade", m_plan, "--note", "1,1=16"}, "Note \"1,1=16\": Punkte 0 bis 15 erwartet.\n"},
      {{"grade", m_plan, "--note", "1,1=-1"}, "Note \"1,1=-1\": Punkte 0 bis 15 erwartet.\n"},
      {{"grade", m_plan, "--note", "1=10"}, "Note \"1=10\": erwartet wird KURS,HALBJAHR=PUNKTE.\n"},
      {{"grade", m_plan, "--note", "a,1=10"}, "Note \"a,1=10\": Kurs 1 bis 11 erwartet.\n"},
  };
  for (const auto& [argumente, meldung] : faelle) {
    EXPECT_EQ(Ausfuehren(argumente), 2) << argumente[3];
    EXPECT_EQ(m_err.str(), meldung);
    EXPECT_EQ(m_out.str(), "");
  }
  EXPECT_EQ(Ausfuehren({"grade"}), 2);
  EXPECT_EQ(Ausfuehren({"grade", m_plan, "--pdf", "x.pdf"}), 2);
  EXPECT_EQ(Ausfuehren({"grade", (m_dir / "fehlt.abi").string()}), 2);
  EXPECT_NE(m_err.str(), "");
}

TEST_F(Notenbefehl, SaveStoresThePointsAndTheResult) {
  const std::string ausgabe = (m_dir / "noten.abi").string();
  ASSERT_EQ(Ausfuehren(Alle(11, {"--save", ausgabe})), 0) << m_err.str();
  Laufbahn l;
  ASSERT_FALSE(PlanDateiLesen(ausgabe, l).fehler);
  EXPECT_EQ(l.AbiNoteBerechnet, 1);
  EXPECT_EQ(l.ZulassungBestanden, 1);
  EXPECT_EQ(l.PruefungBestanden, 1);
  EXPECT_DOUBLE_EQ(l.AbiNote, 2.0);
  EXPECT_EQ(l.Noten[4][7], 11);
  EXPECT_EQ(l.KursZaehlart[1][1], LK);

  // The stored points stay: the saved plan computes the same without any --note.
  EXPECT_EQ(Ausfuehren({"grade", ausgabe}), 0) << m_err.str();
  EXPECT_EQ(Json()["Gesamtpunkte"], 660);
  // One point changed.
  EXPECT_EQ(Ausfuehren({"grade", ausgabe, "--note", "1,5=0"}), 0);
  EXPECT_EQ(Json()["Gesamtpunkte"], 605);
}

TEST_F(Notenbefehl, APlanWithoutItsFourthSubjectIsNeitherAdmittedNorPassed) {
  const std::string plan = test::Testdatei("q1-ohne-viertes-abifach.abi").string();
  ASSERT_EQ(Ausfuehren(Alle(12, {}, plan)), 1) << m_err.str();
  const json j = Json();
  EXPECT_EQ(j["ZulassungBestanden"], 0);
  EXPECT_EQ(j["PruefungBestanden"], 0);
  EXPECT_EQ(j["PunkteBlock2"], 180);  // the missing exam gives no points
  EXPECT_EQ(j["Ansichten"][0][0],
            "Abitur nicht bestanden ! (Zulassung nicht erreicht, Ergebnisse der "
            "Abiturprüfungen zu schlecht)");
  EXPECT_EQ(j["Ansichten"][0][1], "Es fehlt das 4. Abiturfach (mündlich).");
}

TEST_F(Notenbefehl, TheProjectCourseIsAlignedWithANotice) {
  ASSERT_EQ(Ausfuehren(Alle(11, {"--note", "10,1=14", "--note", "10,2=8"})), 0) << m_err.str();
  EXPECT_EQ(m_err.str(), "Die Note aus Q1.1 des Projektkurses wurde an das zweite Halbjahr angepasst.\n");
  const json j = Json();
  EXPECT_EQ(j["ProjektkursAngepasst"], 1);
  EXPECT_EQ(j["Kurse"][9]["Noten"][0], 8);
}

TEST_F(Notenbefehl, TheHelpNamesTheCommand) {
  Ausfuehren({});
  EXPECT_NE(m_err.str().find("  grade DATEI.abi [--note P,H=N]... [--save AUS.abi]\n"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro
