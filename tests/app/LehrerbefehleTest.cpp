#include "app/Kommandozeile.h"
#include "plan/PlanDatei.h"
#include "plan/Windows1252.h"
#include "sheet/Barcode.h"
#include "sheet/Scan.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string Kopf = "Nr;Id;Klasse;Jahrgang;Geschlecht;Nachname;Vorname;Geburtsdatum;Kurs;Rest\r\n";

// What a US-layout scanner types on a German system for the sheet of a plan.
std::string Getippt(const Laufbahn& l) {
  return Utf8Text(WieGescannt(Utf8Zeichen(BarCodeText(BarCodeWerteErsetzt(BarCodeWerteSetzen(l))))));
}

class Lehrerbefehle : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-lehrerbefehle-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
             "-" + std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "Q1");
  }
  void TearDown() override { fs::remove_all(m_dir); }

  void Namensliste(const std::string& zeilen) {
    std::ofstream(m_dir / "Q1" / "Schüler Q1.txt", std::ios::binary) << Utf8NachWindows1252(Kopf + zeilen);
  }

  int Ausfuehren(const std::vector<std::string>& argumente, const std::string& eingabe = "") {
    std::istringstream in(eingabe);
    m_out.str("");
    m_err.str("");
    return KommandozeileAusfuehren(argumente, in, m_out, m_err, ui::Datum{2026, 2, 10});
  }

  std::vector<json> JsonZeilen() const {
    std::vector<json> zeilen;
    std::istringstream in(m_out.str());
    for (std::string zeile; std::getline(in, zeile);) {
      zeilen.push_back(json::parse(zeile));
    }
    return zeilen;
  }

  fs::path m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

Laufbahn Blatt(const char* vorname, const char* nachname) {
  Laufbahn l;
  PlanDateiLesen(test::Testdatei("q1-gueltig.abi"), l);
  l.Vorname = vorname;
  l.Nachname = nachname;
  return l;
}

TEST_F(Lehrerbefehle, ScanSavesEverySheetAndReportsEachScan) {
  Namensliste("1;2;Q1a;\"Q1\";w;\"Weber\";\"Lilli\";x;\"k\";\r\n");
  const std::string eingabe =
      Getippt(Blatt("Lilli", "Weber")) + "\n" + Getippt(Blatt("Tom", "Kraus")) + "\r\n" + "kaputt" + "\n";
  EXPECT_EQ(Ausfuehren({"scan", m_dir.string()}, eingabe), 1) << "the leftover is no sheet";
  const std::string text = m_out.str();
  EXPECT_NE(text.find("Letzter Scan: "), std::string::npos);
  EXPECT_NE(text.find("Speichername: Weber_Lilli\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Speichername: Kraus_Tom\n"), std::string::npos) << text;
  EXPECT_NE(m_err.str().find("Unvollständiger Scan übrig: kaputt"), std::string::npos) << m_err.str();
  Laufbahn gespeichert;
  ASSERT_FALSE(PlanDateiLesen(m_dir / "Q1" / "Weber_Lilli.abi", gespeichert).fehler);
  EXPECT_EQ(gespeichert.Vorname, "Lilli");
  EXPECT_EQ(gespeichert.Fach, Blatt("", "").Fach);
  EXPECT_TRUE(fs::exists(m_dir / "Q1" / "Kraus_Tom.abi"));
}

TEST_F(Lehrerbefehle, ScanAsJsonOneObjectPerScan) {
  Namensliste("1;2;Q1a;\"Q1\";w;\"Weber\";\"Lilli\";x;\"k\";\r\n");
  Laufbahn fehl = Blatt("Lilli", "Weber");
  std::string eingabe = Getippt(fehl);
  eingabe.replace(eingabe.size() - 1, 1, "C");  // the format marker misread
  eingabe += Getippt(Blatt("Lilli", "Weber"));
  EXPECT_EQ(Ausfuehren({"scan", m_dir.string(), "--json"}, eingabe), 1);
  const std::vector<json> zeilen = JsonZeilen();
  ASSERT_EQ(zeilen.size(), 2U);
  EXPECT_EQ(zeilen[0]["accepted"], false);
  EXPECT_EQ(zeilen[0]["ScanLab"].get<std::string>().rfind("Fehlscan ! ", 0), 0U);
  EXPECT_EQ(zeilen[0]["Datei"], nullptr);
  EXPECT_EQ(zeilen[0]["ScanZahl"], 0);
  EXPECT_EQ(zeilen[1]["accepted"], true);
  EXPECT_EQ(zeilen[1]["Datei"], (m_dir / "Q1" / "Weber_Lilli.abi").string());
  EXPECT_EQ(zeilen[1]["SpeicherNameLab"], "Speichername: Weber_Lilli");
  EXPECT_EQ(zeilen[1]["ScanZahl"], 1);
  EXPECT_EQ(zeilen[1]["Schuelerzahl"], 1);
  EXPECT_EQ(zeilen[1]["SchuelerNr"], 1);
  EXPECT_EQ(zeilen[1]["InListe"], 1);
  EXPECT_EQ(zeilen[1]["ScanTextIntLab"], BarCodeZahlen(BarCodeWerteSetzen(Blatt("Lilli", "Weber"))));
  // Every processed scan accepted and nothing left: exit 0.
  EXPECT_EQ(Ausfuehren({"scan", m_dir.string(), "--json"}, Getippt(Blatt("Lilli", "Weber")) + "\n"), 0);
}

TEST_F(Lehrerbefehle, ScanWithoutNameListSavesAndSaysSoOnce) {
  EXPECT_EQ(Ausfuehren({"scan", m_dir.string()}, Getippt(Blatt("Ina", "Roth")) + Getippt(Blatt("Ole", "Berg"))), 0);
  EXPECT_TRUE(fs::exists(m_dir / "Q1" / "Roth_Ina.abi"));
  EXPECT_TRUE(fs::exists(m_dir / "Q1" / "Berg_Ole.abi"));
  const std::string err = m_err.str();
  EXPECT_NE(err.find("keine Namensliste"), std::string::npos) << err;
  EXPECT_EQ(err.find("keine Namensliste"), err.rfind("keine Namensliste"));
}

TEST_F(Lehrerbefehle, StageReportsEveryPlanAndWhoIsMissing) {
  Namensliste(
      "1;2;Q1a;\"Q1\";w;\"Weber\";\"Lilli\";x;\"k\";\r\n1;2;Q1a;\"Q1\";m;\"Zimmermann\";\"Paul\";x;\"k\";\r\n"
      "1;2;Q1a;\"Q1\";m;\"Komma, Quote\";\"A\"b\";x;\"k\";\r\n");
  fs::copy_file(test::Testdatei("q1-gueltig.abi"), m_dir / "Q1" / "Weber_Lilli.abi");
  fs::copy_file(test::Testdatei("q1-ohne-viertes-abifach.abi"), m_dir / "Q1" / "Fremd_X.abi");
  std::ofstream(m_dir / "Q1" / "Kaputt_Y.abi", std::ios::binary) << std::string(10 * 920, '\xFF');

  EXPECT_EQ(Ausfuehren({"stage", m_dir.string(), "--csv"}), 1);
  std::vector<std::string> zeilen;
  std::istringstream in(m_out.str());
  for (std::string zeile; std::getline(in, zeile);) {
    ASSERT_FALSE(zeile.empty());
    ASSERT_EQ(zeile.back(), '\r') << "CSV lines end with CR LF";
    zeilen.push_back(zeile.substr(0, zeile.size() - 1));
  }
  ASSERT_EQ(zeilen.size(), 6U) << m_out.str();
  EXPECT_EQ(zeilen[0], "Nr,Vorname,Nachname,Dateiname,InListe,Meldungszahl,Status,ErsteMeldung");
  EXPECT_EQ(zeilen[1], "1,X,Fremd,Fremd_X.abi,0,2,Meldungen,Es fehlt das 4. Abifach (mündl.).");
  EXPECT_EQ(zeilen[2].rfind("2,Y,Kaputt,Kaputt_Y.abi,0,,", 0), 0U) << zeilen[2];
  EXPECT_EQ(zeilen[3], "3,Lilli,Weber,Weber_Lilli.abi,1,16,in Ordnung,");
  EXPECT_EQ(zeilen[4], ",Paul,Zimmermann,,1,,kein Wahlzettel,");
  EXPECT_EQ(zeilen[5], ",\"A\"\"b\",\"Komma, Quote\",,1,,kein Wahlzettel,");

  EXPECT_EQ(Ausfuehren({"stage", m_dir.string()}), 1);
  EXPECT_NE(m_out.str().find("Nr  Vorname"), std::string::npos) << m_out.str();
}

// The barcode as `kelvaro barcode` prints it (third line), typed by a US-layout scanner on
// a German system, comes back through `kelvaro scan` as the plan it was printed from.
TEST_F(Lehrerbefehle, WhatBarcodePrintsScansBackIntoThePlan) {
  Namensliste("");
  for (const char* datei : {"q1-gueltig.abi", "q1-wahlfach.abi"}) {
    SCOPED_TRACE(datei);
    ASSERT_EQ(Ausfuehren({"barcode", test::Testdatei(datei).string(), "--vorname", "Zoé", "--nachname", "Jäger"}), 0)
        << m_err.str();
    std::istringstream zeilen(m_out.str());
    std::string werte, gedruckt, symbol;
    std::getline(zeilen, werte);
    std::getline(zeilen, gedruckt);
    std::getline(zeilen, symbol);
    ASSERT_EQ(Utf8Zeichen(symbol).size(), 27U);
    const std::string getippt = Utf8Text(WieGescannt(Utf8Zeichen(symbol)));
    ASSERT_EQ(Ausfuehren({"scan", m_dir.string()}, getippt + "\n"), 0) << m_out.str() << m_err.str();
    Laufbahn quelle;
    ASSERT_FALSE(PlanDateiLesen(test::Testdatei(datei), quelle).fehler);
    Laufbahn gescannt;
    ASSERT_FALSE(PlanDateiLesen(m_dir / "Q1" / "Jäger_Zoé.abi", gescannt).fehler);
    quelle.Vorname = "Zoé";
    quelle.Nachname = "Jäger";
    EXPECT_EQ(BarCodeZahlen(BarCodeWerteSetzen(gescannt)), werte);
    EXPECT_EQ(gescannt.Fach, quelle.Fach);
    EXPECT_EQ(gescannt.AbiWahl, quelle.AbiWahl);
    EXPECT_EQ(gescannt.Q1Modell, quelle.Q1Modell);
    EXPECT_EQ(gescannt.Vorname, "Zoé");
  }
}

TEST_F(Lehrerbefehle, UnusableArguments) {
  struct Fall {
    std::vector<std::string> argumente;
    const char* meldung;
  };
  const Fall faelle[] = {
      {{"stage"}, "Aufruf: kelvaro stage"},
      {{"scan", "/nonexistent-kelvaro-stage"}, "gibt es nicht"},
      {{"stage", m_dir.string(), "--json"}, "Aufruf: kelvaro stage"},
      {{"stage", m_dir.string()}, "keine Namensliste"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.meldung);
    EXPECT_EQ(Ausfuehren(fall.argumente), 2);
    EXPECT_NE(m_err.str().find(fall.meldung), std::string::npos) << m_err.str();
  }
  EXPECT_EQ(Ausfuehren({"scan", m_dir.string()}, "\xFF\xFE"), 2);
}

}  // namespace
}  // namespace kelvaro
