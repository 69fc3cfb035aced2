#include "app/Kommandozeile.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::vector<std::string> Zusammenfassung = {
    "Die Wahl ist nach den Berechnungen des Computers so möglich. Diese Angaben werden",
    "nach Abgabe des Wahlzettels von der Schule nochmals geprüft. Bei weiteren Fragen",
    "erhalten Sie Auskunft bei den Jahrgangsstufenleitern oder dem Oberstufenkoordinator.",
    "Das Zustandekommen einzelner Kurse hängt immer auch vom Wahlverhalten der gesamten",
    "Jahrgangsstufe ab. Die Regelungen gelten in dieser Form für den Abiturjahrgang2027 (G8).",
    "Wir wünschen Ihnen einen guten Start in die Oberstufe und allzeit viel Erfolg bis zum bestandenen Abitur !",
    "",
    "Sie haben in 45-Minuten-Stunden gerechnet folgende Wochenstundenzahlen belegt:",
    // EF model 2 without the new language; project model with a deep-dive course in Q2.2.
    "JgSt EF: 35 Stunden   JgSt Q1: 33 Stunden   JgSt Q2: 35 Stunden",
    "Damit haben Sie insgesamt 103 Wochenstunden belegt.",
    "102 Wochenstunden sind mindestens notwendig, davon mind. 68 in Q1 und Q2.",
    "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt 40 Kurse belegt. 38 Kurse sind "
    "mindestens notwendig.",
    "",
    "Sie haben in 60-Minuten-Stunden gerechnet folgende Wochenstundenzahlen belegt:",
    "JgSt EF: (27/26) Stunden  JgSt Q1: (26/25) Stunden  JgSt Q2: (26/26,5) Stunden.",
};

const char* const Kopf = "Prüfung der eingegebenen Wahlen:";

std::vector<std::string> Mit(std::vector<std::string> zeilen, const std::vector<std::string>& weitere) {
  zeilen.insert(zeilen.end(), weitere.begin(), weitere.end());
  return zeilen;
}

using test::GueltigerQ1Plan;

class Check : public ::testing::Test {
 protected:
  void SetUp() override {
    // One directory per test and process: test runs may overlap.
    m_dir = fs::temp_directory_path() /
            ("kelvaro-check-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // Runs the command line on 10 February 2026 (subject choices for Q1) unless --date says otherwise.
  int Ausfuehren(const std::vector<std::string>& argumente) {
    m_out.str("");
    m_err.str("");
    return KommandozeileAusfuehren(argumente, m_out, m_err, ui::Datum{2026, 2, 10});
  }

  // A plan made in the main window of a program started that day and saved with "Speichern".
  std::string PlanSpeichern(const std::string& name, void (*waehlen)(Programm&)) {
    ui::FixedPlatform platform(ui::Datum{2026, 2, 10}, ui::Bildschirm{1280, 800}, m_dir);
    ui::ScriptedDialogs dialogs;
    Programm programm(platform, dialogs);
    waehlen(programm);
    const fs::path pfad = m_dir / name;
    EXPECT_TRUE(programm.hauptfenster().DateiSpeichern(pfad));
    return pfad.string();
  }

  static std::string GueltigerPlan() { return test::Testdatei("q1-gueltig.abi").string(); }

  // The printed lines; every line, the last included, ends with a line feed.
  std::vector<std::string> Zeilen() const {
    const std::string text = m_out.str();
    std::vector<std::string> zeilen;
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t ende = text.find('\n', start);
      if (ende == std::string::npos) {
        ADD_FAILURE() << "last line without a line feed: " << text.substr(start);
        zeilen.push_back(text.substr(start));
        break;
      }
      zeilen.push_back(text.substr(start, ende - start));
      start = ende + 1;
    }
    return zeilen;
  }

  fs::path m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(Check, ACleanPlanPrintsTheSummaryAndExitsWithZero) {
  const std::string datei = GueltigerPlan();
  EXPECT_EQ(Ausfuehren({"check", datei}), 0) << m_err.str();
  EXPECT_EQ(Zeilen(), Mit({Kopf}, Zusammenfassung));
  EXPECT_EQ(m_err.str(), "");
}

TEST_F(Check, BrokenRulesArePrintedAndExitWithOne) {
  struct Fall {
    const char* name;
    void (*waehlen)(Programm&);
    std::vector<std::string> zeilen;
  };
  const Fall faelle[] = {
      {"noFourthSubject",
       [](Programm& p) {
         GueltigerQ1Plan(p.hauptfenster());
         p.hauptfenster().AbiGW.userChoose("");
       },
       {Kopf, "Es fehlt das 4. Abifach (mündl.)."}},
      // A rule of the second group: one hour short in the Q phase without a deep-dive course.
      {"noDeepDiveCourseInQ22",
       [](Programm& p) {
         GueltigerQ1Plan(p.hauptfenster());
         p.hauptfenster().VK12JNBox.userChoose("nein");
       },
       {Kopf,
        "Wird ein Projektkurs gewählt, muss in JgSt Q2.2 (13.2) ein Vertiefungskurs gewählt werden, es sei denn es "
        "wird Italienisch als neueinsetzende Fremdsparche ab JgSt EF durchgängig belegt oder es sind 2 Zusatzkurse "
        "eingeplant. Sehr gute Schüler/innen sollen in diesem Fall statt der Wahl eines Vertiefungskurses in der "
        "Q2.2 (13.1) in der Q1.1 (12.1) ein Wahlfach fortführen."}},
      {"emptyPlan",
       [](Programm&) {},
       {Kopf, "Es wurde keine erste Fremdsprache gewählt.", "Es wurde keine erste Naturwissenschaft gewählt.",
        "Es wurde keine zweite Naturwisenschaft gewählt.", "Es wurde keine Gesellschaftswissenschaft gewählt.",
        "Es wurde kein ethisches Fach gewählt.", "Es wurde kein künstlerisches Fach gewählt.",
        "Es wurde kein erstes Wahlfach gewählt.", "Es wurde kein zweites Wahlfach gewählt.",
        "Es wurde kein erster  Vertiefungskurs gewählt.", "Es wurde kein Projektkurs gewählt.",
        "Die beiden Naturwissenschaften sind nicht verschieden.", "Das Wahlfach wurde bereits weiter oben gewählt.",
        "Es fehlt der LK 1.", "Es fehlt der LK 2.", "Es fehlt das 3. Abifach (schr.).",
        "Es fehlt das 4. Abifach (mündl.)."}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const std::string datei = PlanSpeichern(std::string(fall.name) + ".abi", fall.waehlen);
    EXPECT_EQ(Ausfuehren({"check", datei}), 1) << m_err.str();
    EXPECT_EQ(Zeilen(), fall.zeilen);
    EXPECT_EQ(m_err.str(), "");
  }
}

TEST_F(Check, TheExitCodeCountsTheRulesNotTheClosingLines) {
  const std::string datei = GueltigerPlan();
  // Q2 in February: the summary gets three more lines, and the plan is still clean.
  EXPECT_EQ(Ausfuehren({"check", datei, "--stufe", "2"}), 0) << m_err.str();
  EXPECT_EQ(Zeilen(),
            Mit(Mit({Kopf}, Zusammenfassung),
                {"", "Zum Ausdruck des Wahlzettels muss zuerst die geschätzte Abiturnote berechnet werden.",
                 "Die eingegebenen Noten können im Hauptmenü mit den gewählten Fächern gespeichert werden."}));

  // The exam choices of Q2.1 need no grade first.
  EXPECT_EQ(Ausfuehren({"--date", "2026-09-10", "--stufe", "2", "check", datei}), 0) << m_err.str();
  EXPECT_EQ(Zeilen(), Mit({Kopf}, Zusammenfassung));
}

TEST_F(Check, AnOutdatedEditionStillChecks) {
  const std::string datei = GueltigerPlan();
  EXPECT_EQ(Ausfuehren({"check", datei, "--date", "2026-03-01"}), 0) << m_err.str();
  EXPECT_EQ(Zeilen(), Mit({Kopf}, Zusammenfassung));
}

TEST_F(Check, AFileThatCannotBeReadExitsWithTwo) {
  const std::string datei = GueltigerPlan();
  PlanRecord record = PlanRecordAus(Laufbahn{});
  record[0] = 41;  // no subject has this code
  const fs::path unbekannt = m_dir / "unbekannt.abi";
  std::ofstream(unbekannt, std::ios::binary).write(reinterpret_cast<const char*>(record.data()), 920);

  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"missingFile", {"check", (m_dir / "fehlt.abi").string()}, "kann nicht geöffnet werden"},
      {"directory", {"check", m_dir.string()}, "ist ein Verzeichnis"},
      {"unknownSubjectCode", {"check", unbekannt.string()}, "unbekanntes Fach 41 in der Zeile FS1"},
      {"noFile", {"check"}, "Aufruf: kelvaro check"},
      {"twoFiles", {"check", datei, datei}, "Aufruf: kelvaro check"},
      {"withEvents", {"check", datei, "--event", "WahlFS1=Latein"}, "Aufruf: kelvaro check"},
      {"badDate", {"check", datei, "--date", "2026-13-01"}, "Ungültiges Datum"},
      {"badStage", {"check", datei, "--stufe", "Q1"}, "Ungültige Stufe"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    EXPECT_EQ(Ausfuehren(fall.argumente), 2);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_NE(m_err.str().find(fall.meldung), std::string::npos) << m_err.str();
  }
}

TEST_F(Check, ShowAddsTheReportWindow) {
  const std::string gueltig = PlanSpeichern("gueltig.abi", [](Programm& p) {
    GueltigerQ1Plan(p.hauptfenster());
    p.laufbahn().ZweiteFSSek1 = 1;
    p.laufbahn().Vorname = "Jörg";
  });
  ASSERT_EQ(Ausfuehren({"show", gueltig}), 0) << m_err.str();
  const json j = json::parse(m_out.str());
  EXPECT_EQ(j["Fach"]["FS1"], "E5");  // the plan as before
  EXPECT_EQ(j["Meldungszahl"], 16);
  EXPECT_EQ(j["Report"], json(Mit({Kopf}, Zusammenfassung)));

  const json& c = j["ReportControls"];
  EXPECT_EQ(c.size(), 27U);
  EXPECT_EQ(c["Textfeld"]["color"], json::parse("[180, 250, 170]"));
  // The text field holds the same lines joined by line feeds.
  std::string text;
  for (const auto& zeile : j["Report"]) {
    text += (text.empty() ? "" : "\n") + zeile.get<std::string>();
  }
  EXPECT_EQ(c["Textfeld"]["text"], text);
  EXPECT_EQ(c["Wahlzetteldrucken"]["enabled"], true);
  EXPECT_EQ(c["Wahlzetteldrucken"]["text"], "Wahlzettel ausdrucken");
  EXPECT_EQ(c["NotenBerechnungBut"]["enabled"], true);
  EXPECT_EQ(c["NameneingabePanel"]["visible"], false);
  EXPECT_EQ(c["VornameEdit"]["text"], "Jörg");
  EXPECT_EQ(c["ZweiteFSSek1Box"]["checked"], true);
  EXPECT_EQ(c["I9Sek1Box"]["checked"], false);
  EXPECT_EQ(c["keinezweiteFSMemo"]["visible"], false);
  EXPECT_EQ(c["OKBut"]["enabled"], true);
  EXPECT_EQ(c["AlternativPKCombo"]["visible"], true);
  EXPECT_EQ(c["AlternativPKCombo"]["text"], "Schüler experi.");
  EXPECT_EQ(c["AlternativPKCombo"]["items"].size(), 6U);
  EXPECT_EQ(c["AlternativPKCombo"]["index"], 0);
  EXPECT_EQ(c["PKLab2"]["text"], "überbelegt ist: bisher keine Alternativwahl getroffen");
  EXPECT_EQ(c["PKEdit"]["color"], json::parse("[192, 192, 192]"));
  EXPECT_EQ(c["HilfeLab"]["visible"], false);
  // Each control in the shape of a main-window control of the same kind.
  const auto schluessel = [](const json& control) {
    std::set<std::string> namen;
    for (const auto& [key, wert] : control.items()) {
      namen.insert(key);
    }
    return namen;
  };
  const std::pair<const char*, const char*> paare[] = {
      {"PKLab1", "KurszahlLab"},        {"OKButton", "Button1"},
      {"VornameEdit", "FS11"},          {"ZweiteFSSek1Box", "FS1BoxSchriftl"},
      {"AlternativPKCombo", "WahlFS1"}, {"NameneingabePanel", "Panel1"},
      {"Textfeld", "VeraltertText"},
  };
  for (const auto& [bericht, haupt] : paare) {
    ASSERT_TRUE(j["Controls"].contains(haupt)) << haupt;
    EXPECT_EQ(schluessel(c[bericht]), schluessel(j["Controls"][haupt])) << bericht;
  }
  EXPECT_EQ(c["Textfeld"]["width"], 900);
  EXPECT_TRUE(c["I9Sek1Box"].contains("checked"));
  EXPECT_EQ(c["Label3"]["bold"], true);

  const std::string fehlerhaft = test::Testdatei("q1-ohne-viertes-abifach.abi").string();
  ASSERT_EQ(Ausfuehren({"show", fehlerhaft}), 0) << m_err.str();
  const json k = json::parse(m_out.str());
  EXPECT_EQ(k["Meldungszahl"], 2);
  EXPECT_EQ(k["Report"], json::parse(R"(["Prüfung der eingegebenen Wahlen:", "Es fehlt das 4. Abifach (mündl.)."])"));
  EXPECT_EQ(k["ReportControls"]["Textfeld"]["color"], json::parse("[255, 255, 0]"));
  EXPECT_EQ(k["ReportControls"]["Wahlzetteldrucken"]["enabled"], false);
  EXPECT_EQ(k["ReportControls"]["NotenBerechnungBut"]["enabled"], false);
  // No second foreign language declared and no new language: the notice blocks printing.
  EXPECT_EQ(k["ReportControls"]["keinezweiteFSMemo"]["visible"], true);
  EXPECT_EQ(k["ReportControls"]["OKBut"]["enabled"], false);
}

TEST_F(Check, ShowOfAPlanInTheElectiveModelHidesTheAlternative) {
  const std::string datei = test::Testdatei("q1-wahlfach.abi").string();
  ASSERT_EQ(Ausfuehren({"show", datei}), 0) << m_err.str();
  const json j = json::parse(m_out.str());
  for (const char* name : {"AlternativPKCombo", "PKUebLab", "PKLab1", "PKLab2", "PKEdit"}) {
    EXPECT_EQ(j["ReportControls"][name]["visible"], false) << name;
  }
}

}  // namespace
}  // namespace kelvaro
