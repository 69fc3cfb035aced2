#include "app/Kommandozeile.h"
#include "plan/PlanDatei.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

class Kommandozeile : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  int Ausfuehren(const std::vector<std::string>& argumente) {
    m_out.str("");
    m_err.str("");
    return KommandozeileAusfuehren(argumente, m_out, m_err, ui::Datum{2026, 12, 10});
  }

  std::string PlanSpeichern(const Laufbahn& plan) {
    const fs::path pfad = m_dir / "plan.abi";
    EXPECT_FALSE(PlanDateiSchreiben(pfad, plan).has_value());
    return pfad.string();
  }

  fs::path m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(Kommandozeile, ShowPrintsThePlanItsDerivedValuesAndTheControls) {
  Laufbahn plan;
  plan.Fach[FS1] = I1;  // read as I0
  plan.Fach[GW] = Erd;
  plan.Fach[Wa1] = Ge;
  plan.Q1Modell = 1;
  plan.AbiWahl[AbiPosNW1] = 1;
  plan.Nachname = "Özdemir";
  plan.ErsatzfachBis = 9;
  const std::string datei = PlanSpeichern(plan);

  ASSERT_EQ(Ausfuehren({"show", datei}), 0) << m_err.str();
  const auto j = nlohmann::json::parse(m_out.str());
  EXPECT_EQ(j["Fach"]["FS1"], "I0");
  EXPECT_EQ(j["Fach"]["Sp"], "Bi");
  EXPECT_EQ(j["Fach"]["De"], "leer");
  EXPECT_EQ(j["Fach"].size(), 15U);
  EXPECT_EQ(j["AbiWahl"]["NW1"], 1);
  EXPECT_EQ(j["AbiWahl"].size(), 11U);
  EXPECT_EQ(j["Schriftlich"].size(), 13U);
  EXPECT_EQ(j["Schriftlich"]["NW1"], 1);  // an Abitur subject is written in Q1, whatever the file said
  EXPECT_EQ(j["Nachname"], "Özdemir");
  EXPECT_EQ(j["ErsatzfachBis"], 6);
  EXPECT_EQ(j["AlternativPK"], "leer");
  EXPECT_EQ(j["Noten"].size(), 5U);
  EXPECT_EQ(j["Noten"][0].size(), 15U);
  EXPECT_EQ(j["KursZaehlart"].size(), 6U);
  EXPECT_EQ(j["KursKurzname"].size(), 15U);
  EXPECT_EQ(j["ZK1"], "Sw");
  EXPECT_EQ(j["ZK2"], "leer");
  EXPECT_EQ(j["ZKAnzahl"], 1);
  EXPECT_EQ(j["Kurszahl"], nlohmann::json::parse("[11, 11, 8, 8, 9, 9]"));
  EXPECT_EQ(j["StundenQ1"], 35);
  EXPECT_EQ(j["StundenDiffQ"], 5);
  EXPECT_EQ(j["Stunden60"].size(), 6U);
  EXPECT_EQ(j["Kennung"], "W6(WF,FS11,1 ZK, ");
  EXPECT_EQ(j["Wahlphase"], 3);
  EXPECT_EQ(j["HalbjahrNr"], 4);
  const auto& lab = j["Controls"]["KurszahlQ1Lab"];
  EXPECT_EQ(lab["text"], "2 LKs + 8 GKs");
  EXPECT_EQ(lab["visible"], true);
  EXPECT_EQ(j["Controls"]["NW1BoxSchriftl"]["bold"], true);
  EXPECT_EQ(j["Controls"]["NW1BoxSchriftl"]["checked"], true);
  EXPECT_EQ(j["Controls"]["StuDiffQualiEdit"]["color"], nlohmann::json::parse("[0, 128, 0]"));
  EXPECT_EQ(j["Controls"]["AbiDeu"]["items"].size(), 5U);
  EXPECT_EQ(j["Controls"]["AbiDeu"]["index"], 0);
  EXPECT_EQ(j["Controls"]["Wa21"]["width"], 145);
}

TEST_F(Kommandozeile, OptionsStandBeforeOrAfterTheCommand) {
  const std::string datei = PlanSpeichern(Laufbahn{});
  for (const auto& argumente : {std::vector<std::string>{"--date", "2026-03-01", "--stufe", "0", "show", datei},
                                std::vector<std::string>{"show", datei, "--stufe", "0", "--date", "2026-03-01"}}) {
    ASSERT_EQ(Ausfuehren(argumente), 0) << m_err.str();
    const auto j = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(j["Wahlphase"], 1);
    EXPECT_EQ(j["HalbjahrNr"], 1);
    EXPECT_EQ(j["Controls"]["StufentextLabel"]["text"], "Hj. EF.1");
  }
}

TEST_F(Kommandozeile, BadInputEndsWithAGermanMessage) {
  const std::string datei = PlanSpeichern(Laufbahn{});
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"missingFile", {"show", (m_dir / "fehlt.abi").string()}, "kann nicht geöffnet werden"},
      {"noFile", {"show"}, "Aufruf: kelvaro show"},
      {"badDate", {"show", datei, "--date", "2026-02-30"}, "Ungültiges Datum"},
      {"dateWithoutValue", {"show", datei, "--date"}, "braucht einen Wert"},
      {"badStage", {"show", datei, "--stufe", "3"}, "Ungültige Stufe"},
      {"unknownOption", {"show", datei, "--farbe"}, "Unbekannte Option"},
      {"unknownCommand", {"zeige", datei}, "Unbekannter Befehl"},
      {"noCommand", {}, "Aufruf: kelvaro"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    EXPECT_EQ(Ausfuehren(fall.argumente), 2);
    EXPECT_NE(m_err.str().find(fall.meldung), std::string::npos) << m_err.str();
    EXPECT_EQ(m_out.str(), "");
  }
}

TEST_F(Kommandozeile, ARecordWithUnknownValuesIsRefused) {
  struct Fall {
    const char* name;
    std::size_t offset;
    std::uint8_t wert;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"subjectCodeBeyondTheCatalogue", 2, 41, "unbekanntes Fach 41 in der Zeile NW1"},
      {"abiturRoleBeyondFour", 16, 5, "unbekannte Abiturrolle 5 in der Zeile De"},
      {"unknownEFModel", 71, 4, "EFModell"},
      {"unknownQModel", 70, 3, "Q1Modell"},
      {"ethicsDroppedAfterQ11", 68, 1, "AbwahlEt"},
      {"unknownArtsOption", 62, 4, "LitWahl"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    PlanRecord record = PlanRecordAus(Laufbahn{});
    record[fall.offset] = fall.wert;
    const fs::path pfad = m_dir / (std::string(fall.name) + ".abi");
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(record.data()), 920);
    EXPECT_EQ(Ausfuehren({"show", pfad.string()}), 2);
    EXPECT_NE(m_err.str().find(pfad.string()), std::string::npos) << m_err.str();
    EXPECT_NE(m_err.str().find(fall.meldung), std::string::npos) << m_err.str();
  }
}

}  // namespace
}  // namespace kelvaro
