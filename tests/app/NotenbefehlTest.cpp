#include "app/Kommandozeile.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
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

// Slots that take points in the plan below: course, slot. English (LK A), physics (LK B),
// chemistry, German, mathematics (third), sport, history (fourth), religion, music, the
// project course (Q1) and the additional course social science (Q2).
std::vector<std::pair<int, int>> Slots() {
  std::vector<std::pair<int, int>> slots;
  for (int kurs = 1; kurs <= 11; ++kurs) {
    for (int slot = 1; slot <= 5; ++slot) {
      const bool abitur = kurs == 1 || kurs == 2 || kurs == 5 || kurs == 7;
      const bool frei = (slot == 5 && !abitur) || (kurs == 10 && slot >= 3) || (kurs == 11 && slot <= 2);
      if (!frei) {
        slots.emplace_back(kurs, slot);
      }
    }
  }
  return slots;
}

class Notenbefehl : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-grade-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    test::Testprogramm t(test::Startwerte{1, ui::Datum{2026, 2, 10}, ui::Bildschirm{1280, 800}, m_dir});
    TForm1& f = t.f;
    f.WahlFS1.userChoose("Englisch (ab 5)");
    f.WahlNW1.userChoose("Physik");
    f.WahlNW2.userChoose("Chemie");
    f.WahlGW.userChoose("Geschichte");
    f.WahlEt.userChoose("evan. Religion");
    f.WahlKM.userChoose("Musik");
    f.WahlWa1.userChoose("Französisch (ab 7)");
    f.WahlWa2.userChoose("Informatik");
    f.WahlVK10.userChoose("VK Mathem.");
    f.WahlPK.userChoose("Schüler experi.");
    f.AbiFS1.userChoose("LK A");
    f.AbiNW1.userChoose("LK B");
    f.AbiMa.userChoose("3. Abifach, schriftlich");
    f.AbiGW.userChoose("4. Abifach, mündlich");
    m_plan = (m_dir / "plan.abi").string();
    ASSERT_TRUE(f.DateiSpeichern(m_plan));
  }
  void TearDown() override { fs::remove_all(m_dir); }

  int Ausfuehren(std::vector<std::string> argumente) {
    m_out.str("");
    m_err.str("");
    return KommandozeileAusfuehren(argumente, m_out, m_err, ui::Datum{2026, 2, 10});
  }

  // "grade" with every slot at the given points, then further arguments.
  std::vector<std::string> Alle(int punkte, const std::vector<std::string>& weitere = {}) {
    std::vector<std::string> argumente = {"grade", m_plan};
    for (const auto& [kurs, slot] : Slots()) {
      argumente.push_back("--note");
      argumente.push_back(std::to_string(kurs) + "," + std::to_string(slot) + "=" + std::to_string(punkte));
    }
    argumente.insert(argumente.end(), weitere.begin(), weitere.end());
    return argumente;
  }

  json Json() const { return json::parse(m_out.str()); }

  fs::path m_dir;
  std::string m_plan;
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
