#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "plan/Windows1252.h"
#include "qt/Desktop.h"
#include "qt/Fenster.h"
#include "sheet/Auswahl2027G9.h"
#include "sheet/Barcode.h"
#include "sheet/Scan.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;
namespace ui = kelvaro::ui;
using kelvaro::qt::Desktop;

// A stage folder with a name list of two students and the plan file of one of them.
void StufeAnlegen(const fs::path& dir) {
  fs::create_directories(dir / "Q1");
  std::ofstream(dir / "Q1" / "Schüler Q1.txt", std::ios::binary) << kelvaro::Utf8NachWindows1252(
      "Nr;Id;Klasse;Jahrgang;Geschlecht;Nachname;Vorname;Geburtsdatum;Kurs;Rest\r\n"
      "1;2;Q1a;\"Q1\";w;\"Weber\";\"Lilli\";x;\"k\";\r\n"
      "2;3;Q1a;\"Q1\";m;\"Özdemir\";\"Can\";x;\"k\";\r\n");
  kelvaro::Laufbahn l;
  l.Fach[kelvaro::FS1] = kelvaro::F7;
  l.Vorname = "Lilli";
  l.Nachname = "Weber";
  kelvaro::PlanDateiSchreiben(dir / "Q1" / "Weber_Lilli.abi", l);
}

class LehrermodusTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    StufeAnlegen(m_dir->path().toStdString());
    m_platform = std::make_unique<ui::FixedPlatform>(ui::Datum{2026, 2, 10}, ui::Bildschirm{1280, 800},
                                                     m_dir->path().toStdString());
    m_desktop = std::make_unique<Desktop>(*m_platform);
    m_desktop->hauptfenster().show();
    m_desktop->programm().hauptfenster().activate();  // the first activation finds the stage
  }
  void cleanup() {
    m_desktop.reset();
    m_platform.reset();
    m_dir.reset();
  }

  void teacherControlsAreShown() {
    QVERIFY(m_desktop->programm().laufzeit().Lehrermodus == 1);
    QVERIFY(knopf("ScanBut")->isVisible());
    QVERIFY(knopf("NaechsterSchuelerBut")->isVisible());
    QVERIFY(knopf("VorherigerSchuelerBut")->isVisible());
  }

  // The scanner types into the scan field one key at a time, as any keyboard does.
  void scannerKeystrokesBecomeAPlanAndAFile() {
    QTest::mouseClick(knopf("ScanBut"), Qt::LeftButton);
    auto* feld = m_desktop->hauptfenster().client()->findChild<QLineEdit*>(QStringLiteral("ScanEdit"));
    QVERIFY(feld != nullptr);
    QVERIFY(feld->isVisible());
    QTRY_VERIFY(feld->hasFocus());

    kelvaro::Laufbahn blatt;
    blatt.Fach[kelvaro::FS1] = kelvaro::E5;
    blatt.Fach[kelvaro::NW1] = kelvaro::Ph;
    blatt.Nachname = "Özdem";
    blatt.Vorname = "Can";
    const std::u32string getippt = kelvaro::WieGescannt(
        kelvaro::Utf8Zeichen(kelvaro::BarCodeText(kelvaro::BarCodeWerteErsetzt(kelvaro::BarCodeWerteSetzen(blatt)))));
    for (char32_t c : getippt) {
      QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
    QCOMPARE(feld->text(), QString());
    auto* scan = m_desktop->hauptfenster().client()->findChild<QLabel*>(QStringLiteral("ScanLab"));
    QVERIFY(scan->text().startsWith(QStringLiteral("Letzter Scan: ")));
    const kelvaro::Laufbahn& l = m_desktop->programm().laufbahn();
    QCOMPARE(l.Fach[kelvaro::FS1], kelvaro::E5);
    QCOMPARE(QString::fromStdString(l.Vorname), QStringLiteral("Can"));
    QCOMPARE(QString::fromStdString(l.Nachname), QStringLiteral("Özdemir"));
    QVERIFY(fs::exists(fs::path(m_dir->path().toStdString()) / "Q1" / "Özdem_Can.abi"));
    auto* version = m_desktop->hauptfenster().client()->findChild<QLabel*>(QStringLiteral("VersionsLab"));
    QCOMPARE(version->text(), QStringLiteral("Can Özdemir, Abi 2027"));
  }

  void pickerOpensThePlanOfTheChosenStudent() {
    QTest::mouseClick(knopf("Button3"), Qt::LeftButton);  // "Öffnen"
    kelvaro::qt::Fenster& picker = m_desktop->fenster(m_desktop->programm().auswahlfenster());
    QTRY_VERIFY(picker.isVisible());
    auto* combo = picker.client()->findChild<QComboBox*>(QStringLiteral("SchuelerCombo"));
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->itemText(0), QStringLiteral("Lilli Weber"));
    QTest::mouseClick(picker.client()->findChild<QPushButton*>(QStringLiteral("OeffnenBut")), Qt::LeftButton);
    QTRY_VERIFY(!picker.isVisible());
    QCOMPARE(m_desktop->programm().laufbahn().Fach[kelvaro::FS1], kelvaro::F7);
  }

 private:
  QPushButton* knopf(const char* name) {
    auto* gefunden = m_desktop->hauptfenster().client()->findChild<QPushButton*>(QString::fromUtf8(name));
    if (gefunden == nullptr) {
      qFatal("no button %s", name);
    }
    return gefunden;
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<ui::FixedPlatform> m_platform;
  std::unique_ptr<Desktop> m_desktop;
};

}  // namespace

QTEST_MAIN(LehrermodusTest)
#include "LehrermodusTest.moc"
