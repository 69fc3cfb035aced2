#include "info/InfoTexte.h"
#include "info/Infos2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "qt/Desktop.h"
#include "qt/Fenster.h"
#include "ui/Platform.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

namespace ui = kelvaro::ui;
using kelvaro::qt::Desktop;

// The desktop program on 10 February 2026 on a screen of the given size, main window shown.
struct Sitzung {
  explicit Sitzung(ui::Bildschirm bildschirm)
      : platform(ui::Datum{2026, 2, 10}, bildschirm, "/nonexistent-kelvaro-stage"), desktop(platform) {
    desktop.hauptfenster().show();
    desktop.programm().hauptfenster().activate();
  }

  QWidget& info() { return desktop.fenster(desktop.programm().infofenster()); }
  template <class W>
  W* imInfofenster(const char* name) {
    return info().findChild<W*>(QString::fromUtf8(name));
  }
  void klicken(const char* knopf) {
    auto* widget = desktop.hauptfenster().client()->findChild<QPushButton*>(QString::fromUtf8(knopf));
    QVERIFY2(widget != nullptr, knopf);
    QTest::mouseClick(widget, Qt::LeftButton);
    QCoreApplication::processEvents();
  }

  ui::FixedPlatform platform;
  Desktop desktop;
};

QStringList zeilen(const QListWidget* liste) {
  QStringList texte;
  for (int i = 0; i < liste->count(); ++i) {
    texte.append(liste->item(i)->text());
  }
  return texte;
}

QStringList erwartet(int thema) {
  QStringList texte;
  for (const std::string& zeile : kelvaro::InfoTexte()[static_cast<std::size_t>(thema)].zeilen) {
    texte.append(QString::fromStdString(zeile));
  }
  return texte;
}

}  // namespace

class InfofensterTest : public QObject {
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

  void aButtonOpensItsTextBesideTheMainWindow() {
    Sitzung s({1280, 800});
    QVERIFY(!s.info().isVisible());
    s.klicken("LeistungsKurseBut");
    QVERIFY(s.info().isVisible());
    QCOMPARE(s.info().windowTitle(), QStringLiteral("Ihr Info-Center"));
    QVERIFY(!s.info().isModal());
    auto* liste = s.imInfofenster<QListWidget>("ListBoxLeistungskurse");
    QVERIFY(liste != nullptr && liste->isVisible());
    QCOMPARE(zeilen(liste), erwartet(3));
    QCOMPARE(liste->pos(), QPoint(8, 8));
    QCOMPARE(liste->palette().color(QPalette::Base), QColor(166, 202, 240));
    QCOMPARE(liste->visualItemRect(liste->item(1)).height(), 25);
    QCOMPARE(liste->font().pixelSize(), 21);
    // The list box shows every line of its text without scrolling.
    QVERIFY(liste->visualItemRect(liste->item(liste->count() - 1)).bottom() < liste->viewport()->height());
    QVERIFY(s.imInfofenster<QPlainTextEdit>("MemoSchwerpunkt")->isHidden());

    // The main window stays usable: a choice there while the info window is open.
    QVERIFY(s.desktop.hauptfenster().isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void anotherButtonRetargetsTheOpenWindow() {
    Sitzung s({1280, 800});
    s.klicken("LeistungsKurseBut");
    s.desktop.hauptfenster().activateWindow();
    QCoreApplication::processEvents();
    s.klicken("SchwerpunktBut");
    QVERIFY(s.info().isVisible());
    auto* memo = s.imInfofenster<QPlainTextEdit>("MemoSchwerpunkt");
    QVERIFY(memo->isVisible());
    QVERIFY(s.imInfofenster<QListWidget>("ListBoxLeistungskurse")->isHidden());
    QCOMPARE(memo->toPlainText().split(QLatin1Char('\n')), erwartet(7));
    QCOMPARE(memo->pos(), QPoint(8, 8));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(memo->isReadOnly());
    QVERIFY(memo->hasFocus() || s.info().focusWidget() == memo);

    // The long hour text scrolls.
    s.klicken("StundenzahlBut");
    auto* stunden = s.imInfofenster<QPlainTextEdit>("MemoStundenzahlen");
    QVERIFY(stunden->isVisible());
    QVERIFY(stunden->verticalScrollBar()->maximum() > 0);

    QTest::mouseClick(s.imInfofenster<QPushButton>("OKButton"), Qt::LeftButton);
    QVERIFY(!s.info().isVisible());
    QVERIFY(!s.desktop.programm().infofenster().visible());
  }

  void sizeAndPlaceOnTheRealWindow_data() {
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<QRect>("aussen");
    QTest::newRow("designScreen") << 1280 << 800 << QRect(40, 64, 1152, 720);
    QTest::newRow("fullHd") << 1920 << 1080 << QRect(54, 96, 1728, 972);
  }
  void sizeAndPlaceOnTheRealWindow() {
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(QRect, aussen);
    Sitzung s({breite, hoehe});
    s.klicken("AbiturfaecherBut");
    QTRY_COMPARE(s.info().frameGeometry(), aussen);
    const kelvaro::TForm3& logik = s.desktop.programm().infofenster();
    QCOMPARE(s.info().size(), QSize(logik.clientWidth(), logik.clientHeight()));
    // The OK button below the text stays inside the window.
    auto* ok = s.imInfofenster<QPushButton>("OKButton");
    QVERIFY(ok->mapTo(&s.info(), QPoint(0, ok->height())).y() <= s.info().height());
  }

 private:
  static inline QtMessageHandler s_weiter = nullptr;
};

QTEST_MAIN(InfofensterTest)
#include "InfofensterTest.moc"
