#include "app/Kommandozeile.h"
#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "qt/Desktop.h"
#include "qt/Fenster.h"
#include "ui/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

namespace ui = kelvaro::ui;
using kelvaro::qt::Desktop;

struct Sitzung {
  explicit Sitzung(ui::Bildschirm bildschirm)
      : platform(ui::Datum{2026, 2, 10}, bildschirm, "/nonexistent-kelvaro-stage"), desktop(platform) {
    desktop.hauptfenster().show();
    desktop.programm().hauptfenster().activate();
  }

  template <class W>
  W* finden(const char* name) {
    auto* gefunden = desktop.hauptfenster().client()->findChild<W*>(QString::fromUtf8(name));
    if (gefunden == nullptr) {
      qFatal("the main window has no %s", name);
    }
    return gefunden;
  }

  ui::FixedPlatform platform;
  Desktop desktop;
};

int indikatorBreite(QCheckBox* box) {
  QStyleOptionButton option;
  option.initFrom(box);
  return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).width();
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    s_weiter = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
      if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
        s_weiter(typ, ort, text);
      }
    });
    kelvaro::qt::SchriftenEinrichten();
  }

  // Measured on the real window: the frame the desktop draws is its own, not the one the
  // window logic assumes.
  void reportWindowHasTheOuterSizeOfTheDesign_data() {
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<QRect>("aussen");
    QTest::newRow("designScreen") << 1280 << 800 << QRect(40, 38, 1024, 720);
    QTest::newRow("fullHd") << 1920 << 1080 << QRect(54, 58, 1536, 972);
  }
  void reportWindowHasTheOuterSizeOfTheDesign() {
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(QRect, aussen);
    Sitzung s({breite, hoehe});
    QTest::mouseClick(s.finden<QPushButton>("AbiFaecherPruefen"), Qt::LeftButton);
    QWidget& meldung = s.desktop.fenster(s.desktop.programm().meldungsfenster());
    QVERIFY(meldung.isVisible());
    QTRY_COMPARE(meldung.frameGeometry(), aussen);
    const kelvaro::TForm2& logik = s.desktop.programm().meldungsfenster();
    QCOMPARE(logik.width(), aussen.width());
    QCOMPARE(logik.height(), aussen.height());
    QCOMPARE(meldung.size(), QSize(logik.clientWidth(), logik.clientHeight()));
    // Opened a second time it keeps its size instead of shrinking by another frame.
    QTest::mouseClick(meldung.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QVERIFY(!meldung.isVisible());
    QTest::mouseClick(s.finden<QPushButton>("AbiFaecherPruefen"), Qt::LeftButton);
    QTRY_COMPARE(meldung.frameGeometry(), aussen);
  }

  void checkBoxesAndAbiturBoxesScaleWithTheWindow() {
    Sitzung klein({1280, 800});
    Sitzung gross({1920, 1080});
    const int design = indikatorBreite(klein.finden<QCheckBox>("FS1BoxSchriftl"));
    // 1080 / 800 = 1.35, like every other size of the main window.
    QCOMPARE(indikatorBreite(gross.finden<QCheckBox>("FS1BoxSchriftl")), qRound(design * 1.35));
    for (Sitzung* s : {&klein, &gross}) {
      const int auswahl = s->finden<QComboBox>("VK10EntBox")->font().pixelSize();
      for (const char* abitur : {"AbiDeu", "AbiFS1", "AbiMa", "AbiWa1"}) {
        QCOMPARE(s->finden<QComboBox>(abitur)->font().pixelSize(), auswahl);
      }
    }
    QCOMPARE(gross.finden<QComboBox>("AbiFS1")->font().pixelSize(), 22);
    // The name panel's check boxes follow the report window's contents (screen width / 1280).
    QWidget& meldung = gross.desktop.fenster(gross.desktop.programm().meldungsfenster());
    QCOMPARE(indikatorBreite(meldung.findChild<QCheckBox*>(QStringLiteral("ZweiteFSSek1Box"))), qRound(design * 1.5));
  }

  void replacementSubjectPanelShowsItsCaptionOnce() {
    Sitzung s({1280, 800});
    QTest::mouseClick(s.finden<QPushButton>("ErsatzfachBut"), Qt::LeftButton);
    auto* panel = s.finden<QFrame>("ErsatzfachPanel");
    QVERIFY(panel->isVisible());
    QList<QLabel*> ueberschriften;
    for (QLabel* label : panel->findChildren<QLabel*>()) {
      if (label->isVisible() && label->text().startsWith(QStringLiteral("Ersatzfach für Sport"))) {
        ueberschriften.append(label);
      }
    }
    QCOMPARE(ueberschriften.size(), 1);
    // At the top, above "von JgSt:" and "bis JgSt:".
    QVERIFY(ueberschriften.front()->geometry().bottom() < s.finden<QLabel>("ErsatzVonLab")->geometry().top());
  }

  void qtDialogsSpeakGerman() {
    QVERIFY(kelvaro::qt::QtTexteAufDeutsch(*QCoreApplication::instance()));
    QPrinter drucker;
    QPrintDialog dialog(&drucker);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Drucken"));
    QPushButton* eigenschaften = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
    QVERIFY(eigenschaften != nullptr);
    QCOMPARE(eigenschaften->text(), QStringLiteral("&Eigenschaften"));
    QStringList knoepfe;
    for (QPushButton* knopf : dialog.findChildren<QPushButton*>()) {
      knoepfe.append(knopf->text());
    }
    QVERIFY2(knoepfe.contains(QStringLiteral("&Drucken")), qPrintable(knoepfe.join(QLatin1Char(','))));
    QVERIFY2(knoepfe.contains(QStringLiteral("Abbrechen")), qPrintable(knoepfe.join(QLatin1Char(','))));
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      labels.append(label->text());
    }
    QVERIFY2(labels.contains(QStringLiteral("Anzahl Exemplare:")), qPrintable(labels.join(QLatin1Char(','))));
  }

  // `kelvaro --date ... --stufe ...` without a command reaches the desktop's start-up.
  void desktopStartsOnTheDateAndStageOfItsOptions_data() {
    QTest::addColumn<QStringList>("optionen");
    QTest::addColumn<QString>("stufenLabel");
    QTest::newRow("examChoicesQ1") << QStringList{"--date", "2026-08-15"}
                                   << QStringLiteral("Klausurwahlen für die JgSt Q1 (12), 1. Hj. ");
    QTest::newRow("comingQ2") << QStringList{"--stufe", "2", "--date", "2026-02-01"}
                              << QStringLiteral("Fächerwahlen für die kommende JgSt Q2 (13)");
    QTest::newRow("examChoicesEF") << QStringList{"--date", "2025-11-20", "--stufe", "0"}
                                   << QStringLiteral("Klausurwahlen für die JgSt EF (11), 2. Hj. ");
  }
  void desktopStartsOnTheDateAndStageOfItsOptions() {
    QFETCH(QStringList, optionen);
    QFETCH(QString, stufenLabel);
    std::vector<std::string> argumente;
    for (const QString& option : optionen) {
      argumente.push_back(option.toStdString());
    }
    const auto start = kelvaro::DesktopOptionenLesen(argumente, ui::Datum{2026, 2, 10});
    QVERIFY(start.has_value());
    kelvaro::qt::DesktopSitzung sitzung({.heute = start->heute, .stufe = start->stufe});
    auto* label = sitzung.desktop().hauptfenster().client()->findChild<QLabel*>(QStringLiteral("StufenLabel"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), stufenLabel);
  }

 private:
  static inline QtMessageHandler s_weiter = nullptr;
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
