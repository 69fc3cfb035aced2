#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "plan/Windows1252.h"
#include "sheet/Auswahl2027G9.h"
#include "sheet/Barcode.h"
#include "sheet/Scan.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

const std::string Kopf = "Nr;Id;Klasse;Jahrgang;Geschlecht;Nachname;Vorname;Geburtsdatum;Kurs;Rest\r\n";

std::string Zeile(const char* nachname, const char* vorname) {
  return std::string("1;2;Q1a;\"Q1\";w;\"") + nachname + "\";\"" + vorname + "\";x;\"k\";\r\n";
}

// A stage directory of its own with a Q1 folder; the program starts in it on 10 February
// 2026 (subject choices for Q1) and activates its main window as the desktop does.
class Lehrermodus : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-lehrer-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "Q1");
  }
  void TearDown() override { fs::remove_all(m_dir); }

  void Namensliste(const std::string& zeilen) {
    std::ofstream(m_dir / "Q1" / "Schüler Q1.txt", std::ios::binary) << Utf8NachWindows1252(Kopf + zeilen);
  }

  // A plan file in the stage folder, written by "Speichern" of a program of its own.
  void Plan(const std::string& datei, void (*waehlen)(TForm1&), const char* vorname = "", const char* nachname = "") {
    test::Testprogramm p({.heute = {2026, 2, 10}});
    waehlen(p.f);
    p.l.Vorname = vorname;
    p.l.Nachname = nachname;
    ASSERT_TRUE(p.f.DateiSpeichern(m_dir / "Q1" / datei));
  }

  test::Testprogramm& Starten() {
    m_programm = std::make_unique<test::Testprogramm>(test::Startwerte{.heute = {2026, 2, 10}, .verzeichnis = m_dir});
    m_programm->f.activate();
    return *m_programm;
  }

  // Types a text into the scan field one character at a time, as a scanner does.
  static void Tippen(TForm1& f, const std::u32string& text) {
    for (char32_t c : text) {
      f.ScanEdit.userType(Utf8Text(std::u32string(1, c)));
    }
  }

  static std::u32string Sheet(const Laufbahn& l) {
    return WieGescannt(Utf8Zeichen(BarCodeText(BarCodeWerteErsetzt(BarCodeWerteSetzen(l)))));
  }

  fs::path m_dir;
  std::unique_ptr<test::Testprogramm> m_programm;
};

// --- Stage loading and the teacher controls ----------------------------------------------

TEST_F(Lehrermodus, WithoutNameListTheProgramStaysForStudents) {
  Plan("Weber_Li.abi", test::GueltigerQ1Plan);
  test::Testprogramm& p = Starten();
  EXPECT_EQ(p.z.Lehrermodus, 0);
  EXPECT_EQ(p.z.StufeGeladen, 0);
  EXPECT_EQ(p.z.Startaktion, 3);
  EXPECT_EQ(p.z.Stufenverzeichnis, m_dir);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&p.f.ScanBut, &p.f.VorherigerSchuelerBut,
                                                            &p.f.NaechsterSchuelerBut, &p.f.LehrerVersionsLab}) {
    EXPECT_FALSE(c->visible()) << c->name();
  }
  // "Öffnen" keeps its file dialog.
  p.dialogs.queueFile(std::nullopt);
  p.f.Button3.userClick();
  EXPECT_FALSE(p.programm.auswahlfenster().visible());
}

TEST_F(Lehrermodus, TheNameListSwitchesTeacherModeOnAndMatchesThePlanFiles) {
  Namensliste(Zeile("Weber", "Lilli") + Zeile("Zimmermann", "Paul"));
  Plan("Weber_Lil.abi", test::GueltigerQ1Plan);
  Plan("Fremd_Name.abi", [](TForm1&) {});
  test::Testprogramm& p = Starten();
  EXPECT_EQ(p.z.Lehrermodus, 1);
  EXPECT_EQ(p.z.StufeGeladen, 1);
  EXPECT_EQ(p.z.Startaktion, 3);
  EXPECT_TRUE(p.f.ScanBut.visible());
  EXPECT_TRUE(p.f.NaechsterSchuelerBut.visible());
  EXPECT_EQ(p.f.LehrerVersionsLab.text(), " G9 - Version " + p.z.edition.Version);
  const Stufenstand& stand = p.programm.stufenstand();
  ASSERT_EQ(stand.Schuelerzahl(), 2);
  EXPECT_EQ(stand.StufenSchueler[0].Dateiname, "Fremd_Name.abi");
  EXPECT_EQ(stand.StufenSchueler[0].InListe, 0);
  EXPECT_EQ(stand.StufenSchueler[1].Vorname, "Lilli");
  EXPECT_EQ(stand.StufenSchueler[1].ListenNr, 1);
  EXPECT_EQ(stand.SchuelerNr, 0);
}

// --- The picker and walking the stage ----------------------------------------------------

TEST_F(Lehrermodus, ThePickerListsTheStageAndOpensAPlanOnce) {
  Namensliste(Zeile("Weber", "Lilli") + Zeile("Zimmermann", "Paul"));
  Plan("Weber_Lil.abi", test::GueltigerQ1Plan, "Lilli", "Weber");
  Plan("Fremd_Name.abi", [](TForm1&) {});
  test::Testprogramm& p = Starten();
  TForm5& a = p.programm.auswahlfenster();

  p.f.Button3.userClick();  // "Öffnen" in teacher mode
  ASSERT_TRUE(a.visible());
  EXPECT_FALSE(p.f.active());
  EXPECT_EQ(a.SchuelerzahlLab.text(), "Schülerzahl der Stufe: 2");
  EXPECT_EQ(a.StufenLab.text(), "Stufe Q1, 2 Schüler/innen gefunden");
  EXPECT_EQ(a.StufenverzeichnisLab.text(), "Stufenverzeichnis: " + (m_dir / "Q1").string());
  EXPECT_EQ(a.SchuelerCombo.items(), (std::vector<std::string>{"* Name Fremd", "Lilli Weber"}));
  EXPECT_EQ(a.SchuelerCombo.text(), "Name Fremd");
  EXPECT_TRUE(a.NichtErkanntBox.visible());
  EXPECT_EQ(a.NichtErkanntBox.lines(),
            (std::vector<std::string>{"Nicht erkannte Schüler/innen", "mit vermutlich falsch geschriebenem Namen:",
                                      "(in der Namensliste mit * gekennzeichnet)", "Name Fremd"}));
  EXPECT_EQ(p.programm.stufenstand().SchuelerNr, 1);

  a.SchuelerCombo.userChoose("Lilli Weber");
  EXPECT_EQ(p.programm.stufenstand().SchuelerNr, 2);
  a.OeffnenBut.userClick();
  EXPECT_FALSE(a.visible());
  EXPECT_TRUE(p.f.active());
  EXPECT_EQ(p.l.Fach[FS1], E5);
  EXPECT_EQ(p.f.VersionsLab.text(), "Lilli Weber, Abi " + p.z.edition.Abiturjahrgang);
  EXPECT_EQ(p.z.Dateiname, "Weber_Lil.abi");

  // Back from another window the plan on screen with its changes stays.
  p.f.WahlFS1.userChoose("Französisch (ab 7)");
  p.f.deactivate();
  p.f.activate();
  EXPECT_EQ(p.l.Fach[FS1], F7);
  EXPECT_EQ(p.z.Startaktion, 3);
}

TEST_F(Lehrermodus, NextAndPreviousWalkTheTableAndStopAtItsEnds) {
  Namensliste(Zeile("Adler", "Anna") + Zeile("Berg", "Ben"));
  Plan("Adler_Anna.abi", [](TForm1& f) { f.WahlFS1.userChoose("Englisch (ab 5)"); });
  Plan("Berg_Ben.abi", [](TForm1& f) { f.WahlFS1.userChoose("Französisch (ab 7)"); });
  test::Testprogramm& p = Starten();
  Stufenstand& stand = p.programm.stufenstand();

  p.f.VorherigerSchuelerBut.userClick();  // no current student yet
  EXPECT_EQ(stand.SchuelerNr, 0);
  p.f.NaechsterSchuelerBut.userClick();
  EXPECT_EQ(stand.SchuelerNr, 1);
  EXPECT_EQ(p.l.Fach[FS1], E5);
  EXPECT_EQ(p.f.VersionsLab.text(), "Anna Adler, Abi " + p.z.edition.Abiturjahrgang);
  p.f.NaechsterSchuelerBut.userClick();
  EXPECT_EQ(stand.SchuelerNr, 2);
  EXPECT_EQ(p.l.Fach[FS1], F7);
  p.f.NaechsterSchuelerBut.userClick();  // the last one: nothing happens
  EXPECT_EQ(stand.SchuelerNr, 2);
  p.f.VorherigerSchuelerBut.userClick();
  EXPECT_EQ(stand.SchuelerNr, 1);
  EXPECT_EQ(p.l.Fach[FS1], E5);
  EXPECT_EQ(p.z.Dateipfad, m_dir / "Q1" / "Adler_Anna.abi");
}

TEST_F(Lehrermodus, AStageWithoutPlanFilesHasNothingToOpen) {
  Namensliste(Zeile("Adler", "Anna"));
  test::Testprogramm& p = Starten();
  TForm5& a = p.programm.auswahlfenster();
  // "Öffnen" only shows the picker when there is a plan file; the dialog runs instead.
  p.dialogs.queueFile(std::nullopt);
  p.f.Button3.userClick();
  EXPECT_FALSE(a.visible());
  a.Zeigen();
  EXPECT_EQ(a.SchuelerCombo.text(), "keine Schülerdatei vorhanden");
  EXPECT_EQ(p.programm.stufenstand().SchuelerNr, 0);
  a.OeffnenBut.userClick();  // nothing to open, nothing breaks
  EXPECT_EQ(p.z.Startaktion, 3);
  p.f.NaechsterSchuelerBut.userClick();
  EXPECT_EQ(p.programm.stufenstand().SchuelerNr, 0);
}

TEST_F(Lehrermodus, OtherFoldersThroughTheFileDialogAndBack) {
  Namensliste(Zeile("Adler", "Anna"));
  Plan("Adler_Anna.abi", [](TForm1&) {});
  const fs::path anderswo = m_dir / "anderswo.abi";
  {
    test::Testprogramm q({.heute = {2026, 2, 10}});
    q.f.WahlFS1.userChoose("Französisch (ab 7)");
    ASSERT_TRUE(q.f.DateiSpeichern(anderswo));
  }
  test::Testprogramm& p = Starten();
  TForm5& a = p.programm.auswahlfenster();
  a.Zeigen();
  p.dialogs.queueFile(anderswo);
  a.InAnderenverzeichnissenSuchenBut.userClick();
  EXPECT_EQ(p.z.StufeGeladen, 0);
  EXPECT_EQ(p.l.Fach[FS1], F7);
  EXPECT_TRUE(p.f.ImStufenVerzeichnisSuchenBut.visible());
  EXPECT_EQ(p.f.ImStufenVerzeichnisSuchenBut.text(), "im Verzeichnis Q1 suchen");
  // The dialog ran once; returning to the window does not ask again.
  p.f.deactivate();
  p.f.activate();
  EXPECT_EQ(p.z.Startaktion, 3);

  p.f.ImStufenVerzeichnisSuchenBut.userClick();
  EXPECT_EQ(p.z.StufeGeladen, 1);
  EXPECT_FALSE(p.f.ImStufenVerzeichnisSuchenBut.visible());
  EXPECT_TRUE(a.visible());
  a.LehrerModusBut.userClick();
  EXPECT_EQ(p.z.Lehrermodus, 0);
  EXPECT_FALSE(p.f.ScanBut.visible());
  EXPECT_FALSE(p.f.NaechsterSchuelerBut.visible());
}

// --- Scanning ----------------------------------------------------------------------------

TEST_F(Lehrermodus, AScannedSheetBecomesThePlanOnScreenAndAFileInTheStageFolder) {
  Namensliste(Zeile("Weberknecht", "Lilli-Marie"));
  test::Testprogramm& p = Starten();
  test::Testprogramm quelle({.heute = {2026, 2, 10}});
  test::GueltigerQ1Plan(quelle.f);
  quelle.l.Nachname = "Weberknecht";
  quelle.l.Vorname = "Lilli-Marie";

  p.f.ScanBut.userClick();
  EXPECT_TRUE(p.f.ScanPanel.visible());
  EXPECT_EQ(p.f.focusControl(), &p.f.ScanEdit);
  EXPECT_EQ(p.f.ScanVerzeichnisLab.text(), "Scanverzeichnis: \\\\gym-velmarsk\\Abitur\\AbiScan\\Q1");
  EXPECT_EQ(p.f.ScanSchuelerLab.text(), "Bisher gescannte Schüler der Stufe: 0");
  EXPECT_EQ(p.f.ScanZahlLab.text(), "In dieser Sitzung gescannte Wahlzettel: 0");

  const std::u32string getippt = Sheet(quelle.l);
  Tippen(p.f, getippt.substr(0, 26));
  EXPECT_EQ(p.l.Fach[FS1], leer) << "nothing happens before the 27th character";
  Tippen(p.f, getippt.substr(26));

  EXPECT_EQ(p.f.ScanEdit.text(), "");
  EXPECT_EQ(p.f.ScanLab.text(), "Letzter Scan: " + Utf8Text(getippt));
  EXPECT_EQ(p.f.ScanPanel.color(), ui::farben::Limette);
  EXPECT_EQ(p.f.ScanZahlLab.text(), "Bisher gescannte Wahlzettel: 1");
  EXPECT_EQ(p.f.SpeicherNameLab.text(), "Speichername: Weber_Lilli");
  EXPECT_EQ(p.f.ScanTextIntLab.text(), BarCodeZahlen(BarCodeWerteSetzen(quelle.l)));
  EXPECT_EQ(p.l.Fach, quelle.l.Fach);
  EXPECT_EQ(p.l.Vorname, "Lilli-Marie");  // the full names of the list
  EXPECT_EQ(p.l.Nachname, "Weberknecht");
  EXPECT_EQ(p.z.Dateiname, "Lilli-Marie Weberknecht Abi " + p.z.edition.Abiturjahrgang);
  ASSERT_EQ(p.programm.stufenstand().Schuelerzahl(), 1);
  const StufenSchuelerTyp& neu = p.programm.stufenstand().StufenSchueler[0];
  EXPECT_EQ(neu.Dateiname, "Weber_Lilli.abi");
  EXPECT_EQ(neu.InListe, 1);
  EXPECT_EQ(p.f.ScanSchuelerLab.text(), "Bisher gescannte Schüler der Stufe: 1");
  EXPECT_EQ(p.f.VersionsLab.text(), "Lilli-Marie Weberknecht, Abi " + p.z.edition.Abiturjahrgang);

  Laufbahn gespeichert;
  ASSERT_FALSE(PlanDateiLesen(m_dir / "Q1" / "Weber_Lilli.abi", gespeichert).fehler);
  EXPECT_EQ(gespeichert.Fach, quelle.l.Fach);
  EXPECT_EQ(gespeichert.Vorname, "Lilli-Marie");
  EXPECT_EQ(p.f.ScanDatei, m_dir / "Q1" / "Weber_Lilli.abi");

  // The same sheet again: the same entry, the same file.
  Tippen(p.f, getippt);
  EXPECT_EQ(p.programm.stufenstand().Schuelerzahl(), 1);
  EXPECT_EQ(p.programm.stufenstand().ScanZahl, 2);
  EXPECT_EQ(PlanDateienAuflisten(m_dir / "Q1"), (std::vector<std::string>{"Weber_Lilli.abi"}));
}

TEST_F(Lehrermodus, AMisreadChangesOnlyTheScanLabels) {
  Namensliste(Zeile("Weber", "Lilli"));
  Plan("Adler_Anna.abi", [](TForm1& f) { f.WahlFS1.userChoose("Französisch (ab 7)"); });
  test::Testprogramm& p = Starten();
  p.f.NaechsterSchuelerBut.userClick();
  ASSERT_EQ(p.l.Fach[FS1], F7);
  p.f.ScanBut.userClick();
  p.f.NachScanZurueckCheckBox.userClick();

  Laufbahn fremd;
  fremd.Nachname = "Weber";
  const auto mit = [&](int stelle, int wert) {
    BarCodeWerteTyp werte = BarCodeWerteSetzen(fremd);
    werte[static_cast<std::size_t>(stelle)] = wert;
    return WieGescannt(Utf8Zeichen(BarCodeText(BarCodeWerteErsetzt(werte))));
  };
  struct Fall {
    const char* name;
    std::u32string getippt;
    std::string grund;
  };
  const Fall faelle[] = {
      {"wrongFormatMarker", mit(27, 35), "35"},
      {"fieldOutsideItsTable", mit(1, 90), "Der Wert 90 an Stelle 1 gehört zu keinem Wahlzettel."},
      {"pathSeparatorInName", mit(18, '/' - 32), "Der Name \"W/ber_\" enthält Zeichen, die kein Wahlzettel druckt."},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Tippen(p.f, fall.getippt);
    EXPECT_EQ(p.f.ScanLab.text(), "Fehlscan ! " + Utf8Text(fall.getippt) + ": " + fall.grund);
    EXPECT_EQ(p.f.ScanPanel.color(), ui::farben::Rot);
    EXPECT_EQ(p.f.ScanEdit.text(), "");
    EXPECT_TRUE(p.f.ScanPanel.visible()) << "the panel stays open after a misread";
    EXPECT_EQ(p.programm.stufenstand().ScanZahl, 0);
    EXPECT_EQ(p.l.Fach[FS1], F7) << "the plan on screen stays";
    EXPECT_FALSE(p.f.ScanAngenommen);
  }
  EXPECT_EQ(PlanDateienAuflisten(m_dir / "Q1"), (std::vector<std::string>{"Adler_Anna.abi"}));

  // A sheet that is read: the panel closes as asked.
  Tippen(p.f, Sheet(fremd));
  EXPECT_TRUE(p.f.ScanAngenommen);
  EXPECT_FALSE(p.f.ScanPanel.visible());
  EXPECT_EQ(p.programm.stufenstand().StufenSchueler.back().Dateiname, "Weber_.abi");
  EXPECT_EQ(p.programm.stufenstand().StufenSchueler.back().InListe, 0) << "an empty first name matches nobody";
}

TEST_F(Lehrermodus, LeftoversOfAnIncompleteScanStayUntilTheFieldIsCleared) {
  Namensliste("");
  test::Testprogramm& p = Starten();
  p.f.ScanBut.userClick();
  Laufbahn l;
  l.Nachname = "Ko";
  const std::u32string sheet = Sheet(l);
  Tippen(p.f, sheet.substr(0, 10));  // the scanner lost the rest
  Tippen(p.f, sheet);                // the next sheet is appended
  EXPECT_EQ(p.f.ScanLab.text().rfind("Fehlscan ! ", 0), 0U) << p.f.ScanLab.text();
  EXPECT_EQ(Utf8Zeichen(p.f.ScanEdit.text()).size(), 10U);
  p.f.Button6.userClick();  // "Scantext löschen"
  EXPECT_EQ(p.f.ScanEdit.text(), "");
  Tippen(p.f, sheet);
  EXPECT_TRUE(p.f.ScanAngenommen);
  p.f.Button7.userClick();
  EXPECT_FALSE(p.f.ScanPanel.visible());
}

TEST_F(Lehrermodus, AScanThatWouldAddThe251stStudentIsRefused) {
  Namensliste("");
  for (int i = 0; i < 250; ++i) {
    std::ofstream(m_dir / "Q1" / ("N" + std::to_string(1000 + i) + "_V.abi"), std::ios::binary)
        << std::string(920, '\0');
  }
  test::Testprogramm& p = Starten();
  ASSERT_EQ(p.programm.stufenstand().Schuelerzahl(), 250);
  p.f.ScanBut.userClick();
  Laufbahn l;
  l.Nachname = "Neu";
  l.Vorname = "Nina";
  Tippen(p.f, Sheet(l));
  EXPECT_FALSE(p.f.ScanAngenommen);
  EXPECT_EQ(p.f.ScanLab.text(), "Fehlscan ! " + Utf8Text(Sheet(l)) +
                                    ": Die Stufe hat schon 250 Schülerinnen und Schüler; weitere kann Kelvaro nicht "
                                    "aufnehmen.");
  EXPECT_EQ(p.programm.stufenstand().Schuelerzahl(), 250);
  EXPECT_FALSE(fs::exists(m_dir / "Q1" / "Neu_Nina.abi"));
}

}  // namespace
}  // namespace kelvaro
