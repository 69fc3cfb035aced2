#include "app/Kommandozeile.h"
#include "plan/PlanDatei.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class Edit : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-edit-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // Runs the command line on 10 December 2025 (Q1.2, exam choices) unless --date says otherwise.
  int Ausfuehren(const std::vector<std::string>& argumente) {
    m_out.str("");
    m_err.str("");
    return KommandozeileAusfuehren(argumente, m_out, m_err, ui::Datum{2025, 12, 10});
  }

  // `kelvaro edit` with the events; the printed JSON.
  json Bearbeiten(const std::vector<std::string>& ereignisse, std::vector<std::string> weitere = {}) {
    std::vector<std::string> argumente{"edit"};
    for (const std::string& ereignis : ereignisse) {
      argumente.push_back("--event");
      argumente.push_back(ereignis);
    }
    argumente.insert(argumente.end(), weitere.begin(), weitere.end());
    const int code = Ausfuehren(argumente);
    EXPECT_EQ(code, 0) << m_err.str();
    if (code != 0) {
      return json{};
    }
    return json::parse(m_out.str());
  }

  std::string PlanSpeichern(const std::string& name, const Laufbahn& plan) {
    const fs::path pfad = m_dir / name;
    EXPECT_FALSE(PlanDateiSchreiben(pfad, plan).has_value());
    return pfad.string();
  }

  static std::vector<char> Inhalt(const fs::path& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(Edit, StartsLikeTheDesktopAfterItsFirstActivation) {
  const json j = Bearbeiten({});
  EXPECT_EQ(j["Wahlphase"], 3);
  EXPECT_EQ(j["HalbjahrNr"], 4);
  EXPECT_EQ(j["Fach"]["Sp"], "Bi");
  EXPECT_EQ(j["EFModell"], 2);
  EXPECT_EQ(j["Schriftlich"]["FS1"], 1);
  const json& c = j["Controls"];
  for (const char* name : {"ScanBut", "VorherigerSchuelerBut", "NaechsterSchuelerBut", "ImStufenVerzeichnisSuchenBut",
                           "DatumLab", "LehrerVersionsLab", "KennungsLab"}) {
    EXPECT_EQ(c[name]["visible"], false) << name;
  }
  EXPECT_EQ(c["FS11"]["width"], 145);  // a design-size screen
  EXPECT_EQ(c["VeraltertPanel"]["visible"], false);
  EXPECT_EQ(c["StufenLabel"]["text"], "Klausurwahlen für die JgSt Q1 (12), 2. Hj. ");
}

struct EreignisFall {
  const char* name;
  std::vector<std::string> ereignisse;
  const char* zeiger;  // JSON pointer into the output
  json erwartet;
};

TEST_F(Edit, EventsActOnTheControlsAsAUserWould) {
  const EreignisFall faelle[] = {
      {"choiceBoxItem", {"WahlNW1=Physik"}, "/Fach/NW1", "Ph"},
      {"choiceBoxItemWritesTheCells", {"WahlNW1=Physik"}, "/Controls/NW13/text", "Physik"},
      // A typed text that is no item leaves the box without a selection; its handler takes item 0.
      {"choiceBoxTyped", {"WahlNW1=Physik", "WahlNW1=Astronomie"}, "/Fach/NW1", "Bi"},
      {"choiceBoxTypedShowsItemZero", {"WahlNW1=Astronomie"}, "/Controls/WahlNW1/text", "Biologie"},
      {"abiturRole", {"AbiNW1=4. Abifach, mündlich"}, "/AbiWahl/NW1", 4},
      {"abiturRoleMakesWritten", {"AbiNW1=4. Abifach, mündlich"}, "/Schriftlich/NW1", 1},
      {"checkBoxOn", {"GWBoxSchriftl=1"}, "/Schriftlich/GW", 1},
      {"checkBoxCaption", {"GWBoxSchriftl=1"}, "/Controls/GWBoxSchriftl/text", "schriftl."},
      {"checkBoxOff", {"GWBoxSchriftl=1", "GWBoxSchriftl=0"}, "/Schriftlich/GW", 0},
      {"checkBoxAlreadyInThatState", {"GWBoxSchriftl=0", "GWBoxSchriftl=0"}, "/Controls/GWBoxSchriftl/checked", false},
      {"checkBoxOnTwice", {"GWBoxSchriftl=1", "GWBoxSchriftl=1"}, "/Schriftlich/GW", 1},
      {"button", {"WahlNW1=Physik", "Button2="}, "/Fach/NW1", "leer"},
      {"panelOpenedByItsButton", {"ErsatzfachBut=", "WahlErsatzfach=Chemie"}, "/Fach/Sp", "Ch"},
      {"panelButton",
       {"ErsatzfachBut=", "ErsatzFachStartBox=Q1.1", "ErsatzFachEndeBox=Q1.2", "Button4="},
       "/ErsatzfachVon",
       3},
      {"panelClosedAgain", {"ErsatzfachBut=", "Button4="}, "/Controls/ErsatzfachPanel/visible", false},
      {"focusThenItsRow",
       {"Schwerpunkt=Fremdsprachlicher Schwerpunkt", "WahlFS2=Italienisch (ab 11)"},
       "/Fach/FS2",
       "I0"},
      {"dropBoxOnceShown", {"WahlFS1=Italienisch (ab 11)", "AbwEFBox=nach 2. Hj. EF"}, "/AbwahlEF", 0},
      {"modelBox", {"PKEntBox=Wahlfach"}, "/Q1Modell", 1},
      {"tidyingButton", {"AbiNW1=LK A", "AufraeumenBut="}, "/Controls/AbiGW/visible", false},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const json j = Bearbeiten(fall.ereignisse);
    if (j.is_null()) {
      continue;
    }
    EXPECT_EQ(j.at(json::json_pointer(fall.zeiger)), fall.erwartet);
  }
}

TEST_F(Edit, AStageAndDateFromTheOptionsGiveTheirRules) {
  // Q2.2: the fourth Abitur subject is oral, also for German.
  const json j = Bearbeiten({"AbiNW1=4. Abifach, mündlich", "AbiDeu=4. Abifach, mündlich", "AbiGW=LK B"},
                            {"--stufe", "2", "--date", "2026-01-20"});
  EXPECT_EQ(j["HalbjahrNr"], 6);
  EXPECT_EQ(j["Schriftlich"]["NW1"], 0);
  EXPECT_EQ(j["Schriftlich"]["De"], 0);
  EXPECT_EQ(j["Schriftlich"]["GW"], 1);
}

TEST_F(Edit, AnImpossibleEventStopsWithoutOutputOrSaving) {
  struct Fall {
    const char* name;
    std::vector<std::string> ereignisse;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"unknownControl", {"WahlNW3=Physik"}, "kein Steuerelement \"WahlNW3\""},
      {"noEqualsSign", {"WahlNW1"}, "STEUERELEMENT=WERT"},
      {"panelNotOpen", {"WahlErsatzfach=Chemie"}, "verborgen oder gesperrt"},
      {"dropBoxHiddenAtStart", {"AbwEFBox=nach 1. Hj. EF"}, "verborgen oder gesperrt"},
      {"teacherButtonHidden", {"ScanBut="}, "verborgen oder gesperrt"},
      {"secondLanguageWithScienceFocus", {"WahlFS2=Englisch (ab 5)"}, "verborgen oder gesperrt"},
      {"outOfDateNoticeNotShown", {"VeraltertBut="}, "verborgen oder gesperrt"},
      {"deselectionDisabled", {"AbwKMBox=nach Q1.2"}, "verborgen oder gesperrt"},
      {"writtenBoxLockedInQ", {"FS1BoxSchriftl=0"}, "verborgen oder gesperrt"},
      {"germanBoxLocked", {"DeuBoxSchriftl=0"}, "verborgen oder gesperrt"},
      {"lockedAfterItsRole", {"AbiNW1=LK A", "NW1BoxSchriftl=0"}, "verborgen oder gesperrt"},
      {"hiddenAfterTidying", {"AufraeumenBut=", "AbiGW=LK A"}, "verborgen oder gesperrt"},
      {"checkBoxTwo", {"GWBoxSchriftl=2"}, "nur 0 oder 1"},
      {"checkBoxWord", {"GWBoxSchriftl=ja"}, "nur 0 oder 1"},
      {"checkBoxEmpty", {"GWBoxSchriftl="}, "nur 0 oder 1"},
      {"buttonWithValue", {"Button2=1"}, "ohne Wert"},
      {"readOnlyCell", {"FS11=Latein"}, "kann nicht bearbeitet werden"},
      {"label", {"KurszahlEFLab=12 GKs"}, "nimmt keine Eingabe an"},
      {"afterAGoodOne", {"WahlNW1=Physik", "Gibtsnicht="}, "kein Steuerelement"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const fs::path ziel = m_dir / "ziel.abi";
    std::vector<std::string> argumente{"edit"};
    for (const std::string& ereignis : fall.ereignisse) {
      argumente.push_back("--event");
      argumente.push_back(ereignis);
    }
    argumente.push_back("--save");
    argumente.push_back(ziel.string());
    EXPECT_EQ(Ausfuehren(argumente), 2);
    const std::string& letztes = fall.ereignisse.back();
    EXPECT_NE(m_err.str().find("\"" + letztes + "\""), std::string::npos) << m_err.str();
    EXPECT_NE(m_err.str().find(fall.meldung), std::string::npos) << m_err.str();
    EXPECT_EQ(m_out.str(), "");
    EXPECT_FALSE(fs::exists(ziel));
  }
}

TEST_F(Edit, TheOutOfDateNoticeCanBeClosed) {
  const json vorher = Bearbeiten({}, {"--date", "2026-03-01"});
  EXPECT_EQ(vorher["Controls"]["VeraltertPanel"]["visible"], true);
  const json nachher = Bearbeiten({"VeraltertBut="}, {"--date", "2026-03-01"});
  EXPECT_EQ(nachher["Controls"]["VeraltertPanel"]["visible"], false);
}

TEST_F(Edit, SaveWritesAPlanThatShowReadsBackUnchanged) {
  const fs::path ziel = m_dir / "gebaut.abi";
  const json bearbeitet =
      Bearbeiten({"Schwerpunkt=Fremdsprachlicher Schwerpunkt", "WahlFS2=Französisch (ab 7)", "WahlNW1=Chemie",
                  "WahlGW=Erdkunde", "PKEntBox=Wahlfach", "WahlWa1=Informatik", "AbiFS2=LK A", "AbiNW1=LK B",
                  "AbiWa1=3. Abifach, schriftlich", "EtBoxSchriftl=1", "VK12JNBox=ja", "WahlVK30=VK Deutsch"},
                 {"--save", ziel.string()});
  ASSERT_TRUE(fs::exists(ziel));
  EXPECT_EQ(fs::file_size(ziel), 920U);
  EXPECT_EQ(bearbeitet["Fach"]["FS2"], "F7");
  EXPECT_EQ(bearbeitet["Q1Modell"], 1);
  EXPECT_EQ(bearbeitet["VKQ22"], 1);

  ASSERT_EQ(Ausfuehren({"show", ziel.string()}), 0) << m_err.str();
  const json gezeigt = json::parse(m_out.str());
  json planBearbeitet = bearbeitet;
  json planGezeigt = gezeigt;
  planBearbeitet.erase("Controls");
  planGezeigt.erase("Controls");
  EXPECT_EQ(json::diff(planBearbeitet, planGezeigt), json::array());

  // Opening the file without events is exactly what show prints, and saving it again
  // writes the same bytes.
  const fs::path nochmal = m_dir / "nochmal.abi";
  ASSERT_EQ(Ausfuehren({"edit", ziel.string(), "--save", nochmal.string()}), 0) << m_err.str();
  EXPECT_EQ(json::diff(gezeigt, json::parse(m_out.str())), json::array());
  EXPECT_EQ(Inhalt(nochmal), Inhalt(ziel));
}

TEST_F(Edit, AFailedSaveStopsWithItsMessage) {
  EXPECT_EQ(Ausfuehren({"edit", "--event", "WahlNW1=Physik", "--save", m_dir.string()}), 2);
  EXPECT_NE(m_err.str().find(m_dir.string()), std::string::npos) << m_err.str();
  EXPECT_EQ(m_out.str(), "");
}

TEST_F(Edit, OptionsAndTheFileStandAnywhere) {
  Laufbahn plan;
  plan.Fach[GW] = Ge;
  const std::string datei = PlanSpeichern("plan.abi", plan);
  const std::vector<std::vector<std::string>> aufrufe = {
      {"--date", "2026-02-01", "--stufe", "0", "edit", datei, "--event", "WahlNW1=Chemie"},
      {"edit", "--event", "WahlNW1=Chemie", datei, "--stufe", "0", "--date", "2026-02-01"},
      {"edit", "--event", "WahlNW1=Chemie", "--date", "2026-02-01", "--stufe", "0", datei},
  };
  for (const auto& argumente : aufrufe) {
    SCOPED_TRACE(argumente.front());
    ASSERT_EQ(Ausfuehren(argumente), 0) << m_err.str();
    const json j = json::parse(m_out.str());
    EXPECT_EQ(j["Wahlphase"], 1);
    EXPECT_EQ(j["HalbjahrNr"], 1);
    EXPECT_EQ(j["Fach"]["NW1"], "Ch");
    EXPECT_EQ(j["Fach"]["GW"], "Ge");  // the file is loaded before the events
  }
}

TEST_F(Edit, EventsChangeALoadedPlan) {
  Laufbahn plan;
  plan.Fach[GW] = Ge;
  plan.Fach[NW1] = Ph;
  plan.AbiWahl[AbiPosNW1] = 1;
  plan.Nachname = "Kowalski";
  const std::string datei = PlanSpeichern("plan.abi", plan);
  const fs::path ziel = m_dir / "geaendert.abi";

  ASSERT_EQ(Ausfuehren({"edit", datei, "--event", "AbiGW=4. Abifach, mündlich", "--event", "WahlKM=Musik", "--save",
                        ziel.string()}),
            0)
      << m_err.str();
  const json j = json::parse(m_out.str());
  EXPECT_EQ(j["AbiWahl"]["NW1"], 1);
  EXPECT_EQ(j["AbiWahl"]["GW"], 4);
  EXPECT_EQ(j["Fach"]["NW1"], "Ph");
  EXPECT_EQ(j["Fach"]["KM"], "Mu");
  EXPECT_EQ(j["Nachname"], "Kowalski");
  EXPECT_EQ(j["Controls"]["AbiNW1"]["text"], "LK A");

  Laufbahn gelesen;
  ASSERT_FALSE(PlanDateiLesen(ziel, gelesen).fehler.has_value());
  EXPECT_EQ(gelesen.AbiWahl[AbiPosNW1], 1);
  EXPECT_EQ(gelesen.AbiWahl[AbiPosGW], 4);
  EXPECT_EQ(gelesen.Fach[KM], Mu);
  EXPECT_EQ(gelesen.Nachname, "Kowalski");
}

TEST_F(Edit, AFileThatCannotBeOpenedStopsBeforeTheEvents) {
  PlanRecord record = PlanRecordAus(Laufbahn{});
  record[71] = 7;  // EFModell
  const fs::path kaputt = m_dir / "kaputt.abi";
  std::ofstream(kaputt, std::ios::binary).write(reinterpret_cast<const char*>(record.data()), 920);
  for (const fs::path& datei : {kaputt, m_dir / "fehlt.abi"}) {
    SCOPED_TRACE(datei.string());
    EXPECT_EQ(Ausfuehren({"edit", datei.string(), "--event", "WahlNW1=Physik"}), 2);
    EXPECT_NE(m_err.str().find(datei.string()), std::string::npos) << m_err.str();
    EXPECT_EQ(m_out.str(), "");
  }
  EXPECT_EQ(Ausfuehren({"edit", "a.abi", "b.abi"}), 2);
  EXPECT_NE(m_err.str().find("Aufruf: kelvaro edit"), std::string::npos) << m_err.str();
}

}  // namespace
}  // namespace kelvaro
