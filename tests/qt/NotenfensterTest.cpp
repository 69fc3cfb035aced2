#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "qt/Desktop.h"
#include "qt/Fenster.h"
#include "support/Plaene.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

namespace ui = kelvaro::ui;
using kelvaro::qt::Desktop;

// The grade window of the desktop program, opened from the report window of a plan without
// violations, driven through its Qt widgets.
class NotenfensterTest : public QObject {
  Q_OBJECT

 private:
  template <class W>
  static W* finden(kelvaro::qt::Fenster& fenster, const char* name) {
    auto* gefunden = fenster.client()->findChild<W*>(QString::fromUtf8(name));
    if (gefunden == nullptr) {
      qFatal("%s has no %s named %s", qPrintable(fenster.objectName()), W::staticMetaObject.className(), name);
    }
    return gefunden;
  }

  static QColor Farbe(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

 private slots:
  void initTestCase() { kelvaro::qt::SchriftenEinrichten(); }

  void EnterPointsComputeAndKeepTheResult() {
    const ui::FixedPlatform platform(ui::Datum{2026, 2, 10}, ui::Bildschirm{1280, 800}, "/nonexistent-kelvaro-stage");
    Desktop desktop(platform);
    kelvaro::Programm& programm = desktop.programm();
    kelvaro::TForm1& f = programm.hauptfenster();
    kelvaro::test::GueltigerQ1Plan(f);
    f.AbiFaecherPruefen.userClick();
    programm.meldungsfenster().activate();

    kelvaro::qt::Fenster& bericht = desktop.fenster(programm.meldungsfenster());
    QTest::mouseClick(finden<QPushButton>(bericht, "NotenBerechnungBut"), Qt::LeftButton);
    kelvaro::TForm4& logik = programm.notenfenster();
    kelvaro::qt::Fenster& fenster = desktop.fenster(logik);
    QVERIFY(fenster.isVisible());
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Berechnung Ihrer Abiturnote (Numerus Clausus)"));

    auto* start = finden<QPushButton>(fenster, "EingabeStartBut");
    auto* berechnen = finden<QPushButton>(fenster, "AbiturNoteBerechnenBut");
    auto* p12 = finden<QPushButton>(fenster, "P12But");
    QCOMPARE(p12->text(), QStringLiteral("12 P. (2+)"));
    QVERIFY(!p12->isEnabled());
    QVERIFY(start->isVisible());
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(!start->isVisible());
    QVERIFY(p12->isEnabled());
    QVERIFY(!berechnen->isEnabled());

    // The sheet takes clicks in design pixels: Q1.2 of the first course carries the red mark.
    QWidget* blatt = finden<QWidget>(fenster, "Zeichenflaeche");
    QCOMPARE(blatt->size(), QSize(849, 635));
    QTest::mouseClick(blatt, Qt::LeftButton, Qt::NoModifier, QPoint(410, 85));
    QCOMPARE(logik.EingabeSlot, 2);
    QCOMPARE(logik.EingabeKurs, 1);
    QCOMPARE(Farbe(blatt, 436, 94), QColor(255, 0, 0));
    QTest::mouseMove(blatt, QPoint(350, 85));
    QCOMPARE(logik.Edit1.text(), std::string("x: 350 y: 85 x1: 1 y1: 1"));

    for (int i = 0; i < 44 && logik.FehlendeNoten > 0; ++i) {
      QTest::mouseClick(p12, Qt::LeftButton);
    }
    QCOMPARE(logik.FehlendeNoten, 0);
    QVERIFY(berechnen->isEnabled());
    QTest::mouseClick(berechnen, Qt::LeftButton);

    QCOMPARE(logik.Ausgewertet, 1);
    QVERIFY(finden<QLabel>(fenster, "FreudeImage")->isVisible());
    QVERIFY(!finden<QLabel>(fenster, "TrauerImage")->isVisible());
    QVERIFY(!finden<QLabel>(fenster, "FreudeImage")->pixmap().isNull());
    QVERIFY(finden<QPushButton>(fenster, "DefiziteBut")->isEnabled());
    QVERIFY(!p12->isEnabled());
    QCOMPARE(programm.laufbahn().AbiNoteBerechnet, 1);
    QCOMPARE(programm.laufbahn().AbiNote, 1.6);
    // Advanced-course semesters light grey, German (compulsory) red, the exam slots aqua.
    QCOMPARE(Farbe(blatt, 376, 94), QColor(230, 230, 230));
    QCOMPARE(Farbe(blatt, 376, 184), QColor(255, 0, 0));
    QCOMPARE(Farbe(blatt, 616, 94), QColor(0, 255, 255));

    // Covering and repainting the window keeps the result.
    QTest::mouseClick(finden<QPushButton>(fenster, "DefiziteBut"), Qt::LeftButton);
    fenster.hide();
    fenster.show();
    blatt->repaint();
    QApplication::processEvents();
    QCOMPARE(logik.Ansicht, 2);
    QCOMPARE(logik.Ausgewertet, 1);
    QCOMPARE(Farbe(blatt, 376, 94), QColor(230, 230, 230));
    QVERIFY(!start->isVisible());

    QTest::mouseClick(finden<QPushButton>(fenster, "SchliessBut"), Qt::LeftButton);
    QVERIFY(!logik.visible());
    QVERIFY(!fenster.isVisible());
  }
};

}  // namespace

QTEST_MAIN(NotenfensterTest)
#include "NotenfensterTest.moc"
