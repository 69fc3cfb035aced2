#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "qt/Desktop.h"
#include "qt/Fenster.h"
#include "ui/Platform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

namespace ui = kelvaro::ui;
using kelvaro::qt::Desktop;

// One run of the desktop program on 10 February 2026 (subject choices for the coming Q1)
// on a screen of the given size.
struct Sitzung {
  Sitzung(ui::Bildschirm bildschirm, const std::filesystem::path& verzeichnis)
      : platform(ui::Datum{2026, 2, 10}, bildschirm, verzeichnis), desktop(platform) {}

  ui::FixedPlatform platform;
  Desktop desktop;

  kelvaro::TForm1& logik() { return desktop.programm().hauptfenster(); }
  QWidget* client() { return desktop.hauptfenster().client(); }
};

template <class W>
W* finden(Sitzung& sitzung, const char* name) {
  auto* gefunden = sitzung.client()->findChild<W*>(QString::fromUtf8(name));
  if (gefunden == nullptr) {
    qFatal("the main window has no %s named %s", W::staticMetaObject.className(), name);
  }
  return gefunden;
}

QStringList eintraege(const QComboBox* box) {
  QStringList liste;
  for (int i = 0; i < box->count(); ++i) {
    liste.append(box->itemText(i));
  }
  return liste;
}

// What a choice box shows: the selected item, or the placeholder of an unselected box.
QString angezeigt(const QComboBox* box) {
  return box->currentIndex() >= 0 ? box->currentText() : box->placeholderText();
}

// The background a widget paints, by the palette role its kind paints with.
QColor hintergrund(const QWidget* widget) {
  if (qobject_cast<const QLineEdit*>(widget) != nullptr) {
    return widget->palette().color(QPalette::Base);
  }
  if (qobject_cast<const QComboBox*>(widget) != nullptr) {
    return widget->palette().color(QPalette::Button);
  }
  return widget->palette().color(QPalette::Window);
}

// Picks an item the way a user does with the keyboard: opens the list, moves to the item
// and presses Return. False when the box cannot be reached or has no such item.
bool waehlen(QComboBox* box, const QString& text) {
  const int index = box->findText(text, Qt::MatchExactly);
  if (index < 0 || !box->isVisible() || !box->isEnabled()) {
    qWarning().noquote() << box->objectName() << "cannot choose" << text << "- visible" << box->isVisible() << "enabled"
                         << box->isEnabled() << "items" << eintraege(box).join(QStringLiteral(" | "));
    return false;
  }
  box->showPopup();
  QAbstractItemView* liste = box->view();
  if (!liste->isVisible()) {
    qWarning().noquote() << box->objectName() << "did not open its list";
    return false;
  }
  liste->setCurrentIndex(box->model()->index(index, box->modelColumn()));
  QTest::keyClick(liste, Qt::Key_Return);
  if (liste->isVisible()) {
    box->hidePopup();
    qWarning().noquote() << box->objectName() << "kept its list open";
    return false;
  }
  return true;
}

bool waehlen(Sitzung& sitzung, const char* box, const QString& text) {
  return waehlen(finden<QComboBox>(sitzung, box), text);
}

// Clicks a check box on its indicator; a click elsewhere on a wide check box misses it.
void ankreuzen(QCheckBox* box) {
  QStyleOptionButton option;
  option.initFrom(box);
  const QRect indikator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indikator.center());
}

void klicken(Sitzung& sitzung, const char* knopf) {
  QTest::mouseClick(finden<QPushButton>(sitzung, knopf), Qt::LeftButton);
}

// What the modal dialogs of one user action showed.
struct Dialogverlauf {
  QStringList dateidialoge;  // "title / accept button" of every file dialog
  QStringList meldungen;     // "text [button|button]" of every message box
  QStringList fehler;        // dialogs that could not be answered
};

// Answers the modal dialogs that open while it lives, as a user does: a file dialog gets
// the path in its name field and its accept button pressed, a message box is read and
// answered "yes" (or its only button). The buttons are pressed from the event loop, so that
// a dialog opened by a press is answered as well.
class Dialogantwort : public QObject {
 public:
  explicit Dialogantwort(QString pfad) : m_pfad(std::move(pfad)) {
    connect(&m_takt, &QTimer::timeout, this, [this] { antworten(); });
    m_takt.start(20);
  }

  Dialogverlauf verlauf;

 private:
  void antworten() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == m_meldung.data()) {
      return;
    }
    if (modal == m_dateidialog.data()) {
      // Still open after its button was pressed: it did not take the answer.
      verlauf.fehler.append(QStringLiteral("the file dialog refused ") + m_pfad);
      m_dateidialog->reject();
      return;
    }
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      auto* leiste = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
      QPushButton* annehmen = nullptr;
      if (leiste != nullptr) {
        annehmen = leiste->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                  : QDialogButtonBox::Open);
      }
      if (name == nullptr || annehmen == nullptr) {
        verlauf.fehler.append(QStringLiteral("a file dialog without name field or accept button"));
        dialog->reject();
        return;
      }
      verlauf.dateidialoge.append(dialog->windowTitle() + QStringLiteral(" / ") + annehmen->text());
      name->setText(m_pfad);
      m_dateidialog = dialog;
      druecken(annehmen);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      QStringList knoepfe;
      for (QAbstractButton* knopf : box->buttons()) {
        knoepfe.append(knopf->text());
      }
      verlauf.meldungen.append(box->text() + QStringLiteral(" [") + knoepfe.join(QLatin1Char('|')) +
                               QStringLiteral("]"));
      QAbstractButton* ja = box->button(QMessageBox::Yes);
      m_meldung = box;
      druecken(ja != nullptr ? ja : box->buttons().constFirst());
    }
  }

  static void druecken(QAbstractButton* knopf) {
    QTimer::singleShot(0, knopf, [knopf] { QTest::mouseClick(knopf, Qt::LeftButton); });
  }

  QString m_pfad;
  QTimer m_takt;
  QPointer<QFileDialog> m_dateidialog;
  QPointer<QMessageBox> m_meldung;
};

// Runs a user action and answers its dialogs with that path.
Dialogverlauf mitDialogen(const QString& pfad, const std::function<void()>& aktion) {
  Dialogantwort antwort(pfad);
  aktion();
  return antwort.verlauf;
}

// What the user sees of the cells, choice boxes and written boxes, one line per widget,
// plus the named labels. Hidden widgets count only as hidden.
QStringList ansicht(QWidget* client, const QStringList& labels) {
  QStringList zeilen;
  for (QWidget* widget : client->findChildren<QWidget*>()) {
    const QString name = widget->objectName();
    if (name.isEmpty()) {
      continue;
    }
    auto* zelle = qobject_cast<QLineEdit*>(widget);
    auto* box = qobject_cast<QComboBox*>(widget);
    auto* kreuz = qobject_cast<QCheckBox*>(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    if (zelle == nullptr && box == nullptr && kreuz == nullptr && !(label != nullptr && labels.contains(name))) {
      continue;
    }
    if (!widget->isVisibleTo(client)) {
      zeilen.append(name + QStringLiteral(": hidden"));
    } else if (zelle != nullptr) {
      zeilen.append(QStringLiteral("%1: '%2' width %3 %4")
                        .arg(name, zelle->text())
                        .arg(zelle->width())
                        .arg(hintergrund(zelle).name()));
    } else if (box != nullptr) {
      zeilen.append(QStringLiteral("%1: '%2'%3").arg(name, angezeigt(box), box->isEnabled() ? "" : " disabled"));
    } else if (kreuz != nullptr) {
      zeilen.append(QStringLiteral("%1: %2 '%3'%4%5")
                        .arg(name, kreuz->isChecked() ? "[x]" : "[ ]", kreuz->text(),
                             kreuz->font().bold() ? " bold" : "", kreuz->isEnabled() ? "" : " disabled"));
    } else {
      zeilen.append(QStringLiteral("%1: '%2'").arg(name, label->text()));
    }
  }
  zeilen.sort();
  return zeilen;
}

// The lines in which two views of the same widgets differ, as "before => after".
QStringList abweichungen(const QStringList& vorher, const QStringList& nachher) {
  QStringList liste;
  if (vorher.size() != nachher.size()) {
    return {QStringLiteral("different widgets: %1 => %2").arg(vorher.size()).arg(nachher.size())};
  }
  for (qsizetype i = 0; i < vorher.size(); ++i) {
    if (vorher[i] != nachher[i]) {
      liste.append(vorher[i] + QStringLiteral("  =>  ") + nachher[i]);
    }
  }
  return liste;
}

// The lines of a view without those of the named widgets.
QStringList ohne(const QStringList& ansicht, const QStringList& namen) {
  QStringList rest;
  for (const QString& zeile : ansicht) {
    if (!namen.contains(zeile.section(QLatin1Char(':'), 0, 0))) {
      rest.append(zeile);
    }
  }
  return rest;
}

const QStringList kWahlfaecher = {"Biologie",
                                  "Chemie",
                                  "Physik",
                                  "Informatik",
                                  "Englisch (ab 5)",
                                  "Französisch (ab 7)",
                                  "Latein (ab 7)",
                                  "Italienisch (ab 9)",
                                  "Italienisch (ab 11)",
                                  "Geschichte",
                                  "Sozialwiss.",
                                  "Erdkunde",
                                  "Kunst",
                                  "Musik"};
const QStringList kVertiefungen = {"VK Deutsch", "VK Mathem.", "VK Englisch"};

const QColor kRot(255, 0, 0);
const QColor kLimette(0, 255, 0);
const QColor kGelb(255, 255, 0);
const QColor kFuchsia(255, 0, 255);
const QColor kSilber(192, 192, 192);
const QColor kGruen(0, 128, 0);

}  // namespace

// Checks that a list of findings is empty and shows every finding when it is not.
#define KEINE(liste)                                                           \
  do {                                                                         \
    const QStringList befund = (liste);                                        \
    QVERIFY2(befund.isEmpty(), qPrintable(befund.join(QStringLiteral("\n")))); \
  } while (false)

class HauptfensterTest : public QObject {
  Q_OBJECT

 private:
  // Starts a program on a screen of that size and shows its main window as the desktop does.
  Sitzung& starten(ui::Bildschirm bildschirm = {1280, 800}) {
    m_sitzung = std::make_unique<Sitzung>(bildschirm, m_verzeichnis.path().toStdString());
    kelvaro::qt::Hauptfenster& fenster = m_sitzung->desktop.hauptfenster();
    fenster.show();
    fenster.activateWindow();
    if (!QTest::qWaitForWindowActive(&fenster)) {
      m_sitzung->logik().activate();
    }
    return *m_sitzung;
  }

  static inline QtMessageHandler s_weiter = nullptr;
  QTemporaryDir m_verzeichnis;
  std::unique_ptr<Sitzung> m_sitzung;

 private slots:
  void initTestCase() {
    // The offscreen platform says so each time a list pops up; nothing to do with the window.
    s_weiter = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
      if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
        s_weiter(typ, ort, text);
      }
    });
    kelvaro::qt::SchriftenEinrichten();
    QVERIFY(m_verzeichnis.isValid());
  }

  void cleanup() { m_sitzung.reset(); }

  void startsForTheComingQ1() {
    Sitzung& s = starten();
    QVERIFY(s.logik().active());
    QVERIFY(s.desktop.hauptfenster().windowTitle().endsWith(QStringLiteral("für die kommende JgSt Q1 (12)")));
    QCOMPARE(finden<QLabel>(s, "StufenLabel")->text(), QStringLiteral("Fächerwahlen für die kommende JgSt Q1 (12)"));
    // Students see no teacher controls, and in February 2026 the edition is not out of date.
    for (const char* name : {"ScanBut", "VorherigerSchuelerBut", "NaechsterSchuelerBut"}) {
      QVERIFY2(finden<QPushButton>(s, name)->isHidden(), name);
    }
    QVERIFY(finden<QFrame>(s, "VeraltertPanel")->isHidden());
    QCOMPARE(finden<QPushButton>(s, "Button2")->text(), QStringLiteral("Fächer löschen"));
    QCOMPARE(finden<QPushButton>(s, "Button2")->toolTip(), QStringLiteral("Löscht alle bisher eingegebenen Fächer"));
    QCOMPARE(angezeigt(finden<QComboBox>(s, "WahlFS1")), QStringLiteral("Englisch (ab 5)"));
    QCOMPARE(finden<QLineEdit>(s, "FS11")->text(), QString());
    QCOMPARE(finden<QLineEdit>(s, "Deu2")->text(), QStringLiteral("Deutsch"));
    QCOMPARE(hintergrund(finden<QLineEdit>(s, "Deu2")), QColor(250, 160, 0));
  }

  void choosingASubjectFillsItsCells_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("fach");
    QTest::addColumn<QStringList>("zellen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("farbe");
    QTest::newRow("firstScience") << "WahlNW1"
                                  << "Physik" << QStringList{"NW11", "NW12", "NW13"} << "Physik" << kLimette;
    QTest::newRow("society") << "WahlGW"
                             << "Erdkunde" << QStringList{"GW1", "GW2", "GW3"} << "Erdkunde" << kGelb;
    QTest::newRow("arts") << "WahlKM"
                          << "Musik" << QStringList{"KM1", "KM2", "KM3"} << "Musik" << kFuchsia;
    QTest::newRow("languageAsFirstElectiveTurnsRed")
        << "WahlWa1"
        << "Französisch (ab 7)" << QStringList{"Wa11"} << "Französisch" << kRot;
    QTest::newRow("scienceAsFirstElectiveTurnsLime") << "WahlWa1"
                                                     << "Physik" << QStringList{"Wa11"} << "Physik" << kLimette;
    QTest::newRow("latinAsSecondElective") << "WahlWa2"
                                           << "Latein (ab 7)" << QStringList{"Wa21"} << "Latein" << kRot;
    QTest::newRow("deepDive") << "WahlVK10"
                              << "VK Englisch" << QStringList{"VK11"} << "VK Englisch" << kSilber;
    QTest::newRow("projectCourse") << "WahlPK"
                                   << "Podcast" << QStringList{"PK1"} << "Podcast" << kSilber;
  }
  void choosingASubjectFillsItsCells() {
    QFETCH(QString, box);
    QFETCH(QString, fach);
    QFETCH(QStringList, zellen);
    QFETCH(QString, text);
    QFETCH(QColor, farbe);
    Sitzung& s = starten();
    for (const QString& zelle : zellen) {
      QCOMPARE(finden<QLineEdit>(s, zelle.toUtf8().constData())->text(), QString());
    }
    QVERIFY(waehlen(s, box.toUtf8().constData(), fach));
    QCOMPARE(angezeigt(finden<QComboBox>(s, box.toUtf8().constData())), fach);
    for (const QString& zelle : zellen) {
      auto* feld = finden<QLineEdit>(s, zelle.toUtf8().constData());
      QVERIFY2(feld->isVisible(), qPrintable(zelle));
      QCOMPARE(feld->text(), text);
      QCOMPARE(hintergrund(feld), farbe);
      QVERIFY(feld->isReadOnly());
    }
  }

  void severalRowsUpdateCountsAndBalance() {
    Sitzung& s = starten();
    auto* zk1 = finden<QLineEdit>(s, "ZK13");
    auto* zk2 = finden<QLineEdit>(s, "ZK23");
    auto* bilanz = finden<QLineEdit>(s, "StuDiffQualiEdit");
    // The empty plan: one additional course still open, one hour short.
    QVERIFY(zk1->isVisible());
    QCOMPARE(zk1->text(), QString());
    QVERIFY(zk2->isHidden());
    QCOMPARE(finden<QLabel>(s, "KurszahlQ2Lab")->text(), QStringLiteral("2 LKs + 8 GKs"));
    QCOMPARE(bilanz->text(), QStringLiteral("1"));
    QCOMPARE(hintergrund(bilanz), kRot);
    QCOMPARE(finden<QLabel>(s, "VielWenigLabel")->text(), QStringLiteral("zu wenig"));
    QCOMPARE(finden<QLabel>(s, "StundenLabel")->text(), QStringLiteral("Stunde"));
    QVERIFY(!finden<QComboBox>(s, "AbwKMBox")->isEnabled());
    QVERIFY(finden<QLabel>(s, "Offenhaltung1")->isHidden());

    QVERIFY(waehlen(s, "WahlNW1", QStringLiteral("Physik")));
    QVERIFY(waehlen(s, "WahlGW", QStringLiteral("Erdkunde")));
    QVERIFY(waehlen(s, "WahlWa1", QStringLiteral("Französisch (ab 7)")));
    QVERIFY(waehlen(s, "WahlKM", QStringLiteral("Musik")));

    QCOMPARE(finden<QLineEdit>(s, "NW13")->text(), QStringLiteral("Physik"));
    QCOMPARE(finden<QLineEdit>(s, "GW2")->text(), QStringLiteral("Erdkunde"));
    QCOMPARE(finden<QLineEdit>(s, "KM3")->text(), QStringLiteral("Musik"));
    QCOMPARE(finden<QLineEdit>(s, "Wa11")->text(), QStringLiteral("Französisch"));
    QCOMPARE(hintergrund(finden<QLineEdit>(s, "Wa11")), kRot);
    // The first elective ends with EF in the project-course model.
    QVERIFY(finden<QLineEdit>(s, "Wa12")->isHidden());
    QVERIFY(finden<QLineEdit>(s, "Wa13")->isHidden());
    // Geography leaves history and social science to two additional courses in Q2.
    QVERIFY(zk1->isVisible());
    QCOMPARE(zk1->text(), QStringLiteral("ZK Geschichte"));
    QVERIFY(zk2->isVisible());
    QCOMPARE(zk2->text(), QStringLiteral("ZK Sozialwiss."));
    QCOMPARE(hintergrund(zk2), kGelb);
    QCOMPARE(finden<QLabel>(s, "KurszahlEFLab")->text(), QStringLiteral("11 GKs + 1 VK"));
    QCOMPARE(finden<QLabel>(s, "KurszahlQ1Lab")->text(), QStringLiteral("2 LKs + 7 GKs + 1 PK"));
    QCOMPARE(finden<QLabel>(s, "KurszahlQ2Lab")->text(), QStringLiteral("2 LKs + 9 GKs"));
    // The second additional course brings three hours: two too many now.
    QCOMPARE(bilanz->text(), QStringLiteral("2"));
    QCOMPARE(hintergrund(bilanz), kGruen);
    QVERIFY(bilanz->font().bold());
    QCOMPARE(finden<QLabel>(s, "VielWenigLabel")->text(), QStringLiteral("zu viel"));
    QCOMPARE(finden<QLabel>(s, "StundenLabel")->text(), QStringLiteral("Stunden"));
    QCOMPARE(finden<QLabel>(s, "KursAbwahlLabel")->text(), QStringLiteral("ein Kurs noch"));
    QVERIFY(finden<QComboBox>(s, "AbwKMBox")->isEnabled());
    QVERIFY(finden<QComboBox>(s, "AbwEtBox")->isEnabled());
    // French as first elective keeps the language focus open until the end of EF.
    QVERIFY(finden<QLabel>(s, "Offenhaltung1")->isVisible());
    QCOMPARE(finden<QLabel>(s, "Offenhaltung1")->text(), QStringLiteral("Offenhaltung fremd-"));
    QCOMPARE(finden<QLabel>(s, "Offenhaltung3")->text(), QStringLiteral("bis Ende JgSt EF"));
  }

  void focusSwapsTheSecondRow() {
    Sitzung& s = starten();
    const char* const sprachzeile[] = {"FS20", "WahlFS2", "FS21", "FS22", "FS23", "AbiFS2", "FS2BoxSchriftl"};
    const char* const naturzeile[] = {"NW20", "WahlNW2", "NW21", "NW22", "NW23", "AbiNW2", "NW2BoxSchriftl"};
    const auto zeileSichtbar = [&s](const char* const(&zeile)[7], bool sichtbar) {
      for (const char* name : zeile) {
        QWidget* widget = s.client()->findChild<QWidget*>(QString::fromUtf8(name));
        if (widget == nullptr || widget->isVisible() != sichtbar) {
          qWarning("%s should be %s", name, sichtbar ? "visible" : "hidden");
          return false;
        }
      }
      return true;
    };
    QVERIFY(zeileSichtbar(naturzeile, true));
    QVERIFY(zeileSichtbar(sprachzeile, false));
    QVERIFY(waehlen(s, "WahlNW2", QStringLiteral("Chemie")));
    QCOMPARE(finden<QLineEdit>(s, "NW21")->text(), QStringLiteral("Chemie"));

    QVERIFY(waehlen(s, "Schwerpunkt", QStringLiteral("Fremdsprachlicher Schwerpunkt")));
    QCOMPARE(angezeigt(finden<QComboBox>(s, "Schwerpunkt")), QStringLiteral("Fremdsprachlicher Schwerpunkt"));
    QVERIFY(zeileSichtbar(sprachzeile, true));
    QVERIFY(zeileSichtbar(naturzeile, false));
    QCOMPARE(finden<QLabel>(s, "FS20")->text(), QStringLiteral("2. Fremdspr."));
    // A second language is always written.
    auto* fs2 = finden<QCheckBox>(s, "FS2BoxSchriftl");
    QVERIFY(fs2->isChecked());
    QCOMPARE(fs2->text(), QStringLiteral("schriftl."));
    QVERIFY(!fs2->isEnabled());
    QVERIFY(waehlen(s, "WahlFS2", QStringLiteral("Italienisch (ab 9)")));
    QCOMPARE(finden<QLineEdit>(s, "FS23")->text(), QStringLiteral("Italienisch"));
    QCOMPARE(hintergrund(finden<QLineEdit>(s, "FS23")), kRot);

    QVERIFY(waehlen(s, "Schwerpunkt", QStringLiteral("Naturwissenschaftlicher Schwerpunkt")));
    QVERIFY(zeileSichtbar(naturzeile, true));
    QVERIFY(zeileSichtbar(sprachzeile, false));
    // Each swap empties the row it hides.
    for (const char* zelle : {"NW21", "NW22", "NW23", "FS21", "FS22", "FS23"}) {
      QVERIFY2(finden<QLineEdit>(s, zelle)->text().isEmpty(), zelle);
    }
    QVERIFY(!finden<QCheckBox>(s, "NW2BoxSchriftl")->isChecked());
    QVERIFY(finden<QCheckBox>(s, "NW2BoxSchriftl")->isEnabled());
  }

  void efModelChangesTheElectiveRows_data() {
    QTest::addColumn<QString>("modell");
    QTest::addColumn<QString>("wa20");
    QTest::addColumn<QString>("vk10");
    QTest::addColumn<bool>("vk1Zeile");
    QTest::addColumn<QStringList>("wa2Liste");
    QTest::addColumn<QStringList>("vk1Liste");
    QTest::addColumn<int>("vk11Breite");
    QTest::addColumn<bool>("abwahlBox");
    QTest::addColumn<QString>("kurse");
    QTest::newRow("twoDeepDives") << "zwei VTK+10 GKs (1 Wahlfach)"
                                  << "1.Vertief.k. Jg11"
                                  << "2.Vertief.k. Jg11" << true << kVertiefungen << kVertiefungen << 145 << false
                                  << "10 GKs + 2 VKs";
    QTest::newRow("threeElectives") << "kein VTK+12 GKs (3 Wahlfächer)"
                                    << "2. WahlFach"
                                    << "3. Wahlfach" << true << kWahlfaecher << kWahlfaecher << 81 << true
                                    << "12/11 GKs";
    QTest::newRow("noDeepDive") << "kein VTK+11 GKs (2 Wa.fä., nur m. It11/F11)"
                                << "2. WahlFach" << QString() << false << kWahlfaecher << kVertiefungen << 145 << false
                                << "11 GKs";
  }
  void efModelChangesTheElectiveRows() {
    QFETCH(QString, modell);
    QFETCH(QString, wa20);
    QFETCH(QString, vk10);
    QFETCH(bool, vk1Zeile);
    QFETCH(QStringList, wa2Liste);
    QFETCH(QStringList, vk1Liste);
    QFETCH(int, vk11Breite);
    QFETCH(bool, abwahlBox);
    QFETCH(QString, kurse);
    Sitzung& s = starten();
    QVERIFY(waehlen(s, "VK10EntBox", modell));

    QCOMPARE(angezeigt(finden<QComboBox>(s, "VK10EntBox")), modell);
    QCOMPARE(finden<QLabel>(s, "Wa20")->text(), wa20);
    QCOMPARE(finden<QLabel>(s, "VK10")->text(), vk10);
    for (const char* name : {"VK10", "WahlVK10", "VK11"}) {
      QVERIFY2(s.client()->findChild<QWidget*>(QString::fromUtf8(name))->isVisible() == vk1Zeile, name);
    }
    QCOMPARE(eintraege(finden<QComboBox>(s, "WahlWa2")), wa2Liste);
    QCOMPARE(eintraege(finden<QComboBox>(s, "WahlVK10")), vk1Liste);
    QCOMPARE(finden<QLineEdit>(s, "VK11")->width(), vk11Breite);
    QCOMPARE(finden<QComboBox>(s, "AbwEFBox")->isVisible(), abwahlBox);
    QCOMPARE(finden<QLabel>(s, "AbwEFLab")->isVisible(), abwahlBox);
    if (abwahlBox) {
      QCOMPARE(angezeigt(finden<QComboBox>(s, "AbwEFBox")), QStringLiteral("nach 1. Hj. EF"));
      QCOMPARE(finden<QLabel>(s, "AbwEFLab")->text(), QStringLiteral("Abwahl 3. Wahlfa:"));
    }
    QCOMPARE(finden<QLabel>(s, "KurszahlEFLab")->text(), kurse);
  }

  void twoDeepDivesAndBack() {
    Sitzung& s = starten();
    QVERIFY(waehlen(s, "WahlWa2", QStringLiteral("Informatik")));
    QCOMPARE(finden<QLineEdit>(s, "Wa21")->text(), QStringLiteral("Informatik"));

    QVERIFY(waehlen(s, "VK10EntBox", QStringLiteral("zwei VTK+10 GKs (1 Wahlfach)")));
    QCOMPARE(finden<QLabel>(s, "Wa20")->text(), QStringLiteral("1.Vertief.k. Jg11"));
    QCOMPARE(finden<QLabel>(s, "VK10")->text(), QStringLiteral("2.Vertief.k. Jg11"));
    QCOMPARE(eintraege(finden<QComboBox>(s, "WahlWa2")), kVertiefungen);
    QCOMPARE(finden<QLineEdit>(s, "Wa21")->text(), QString());
    QVERIFY(waehlen(s, "WahlWa2", QStringLiteral("VK Englisch")));
    QCOMPARE(finden<QLineEdit>(s, "Wa21")->text(), QStringLiteral("VK Englisch"));
    QCOMPARE(hintergrund(finden<QLineEdit>(s, "Wa21")), kSilber);

    QVERIFY(waehlen(s, "VK10EntBox", QStringLiteral("ein VTK+11 GKs (2 Wahlfächer)")));
    QCOMPARE(finden<QLabel>(s, "Wa20")->text(), QStringLiteral("2. Wahlfach"));
    QCOMPARE(finden<QLabel>(s, "VK10")->text(), QStringLiteral("Vertief.k. Jg11"));
    QCOMPARE(eintraege(finden<QComboBox>(s, "WahlWa2")), kWahlfaecher);
    QCOMPARE(finden<QLineEdit>(s, "Wa21")->text(), QString());
    QCOMPARE(finden<QLabel>(s, "KurszahlEFLab")->text(), QStringLiteral("11 GKs + 1 VK"));
  }

  void abiturRoleMakesTheRowWritten_data() {
    QTest::addColumn<QString>("abiBox");
    QTest::addColumn<QString>("rolle");
    QTest::addColumn<QString>("schriftlBox");
    QTest::addColumn<bool>("vorherSchriftlich");
    QTest::addColumn<bool>("waehlbar");  // may the student change it outside the Abitur
    QTest::newRow("scienceAsFirstAdvancedCourse") << "AbiNW1"
                                                  << "LK A"
                                                  << "NW1BoxSchriftl" << false << true;
    QTest::newRow("societyAsOralFourth") << "AbiGW"
                                         << "4. Abifach, mündlich"
                                         << "GWBoxSchriftl" << false << true;
    QTest::newRow("artsAsWrittenThird") << "AbiKM"
                                        << "3. Abifach, schriftlich"
                                        << "KMBoxSchriftl" << false << true;
    QTest::newRow("firstLanguageIsWrittenAnyway") << "AbiFS1"
                                                  << "LK B"
                                                  << "FS1BoxSchriftl" << true << false;
  }
  void abiturRoleMakesTheRowWritten() {
    QFETCH(QString, abiBox);
    QFETCH(QString, rolle);
    QFETCH(QString, schriftlBox);
    QFETCH(bool, vorherSchriftlich);
    QFETCH(bool, waehlbar);
    Sitzung& s = starten();
    auto* box = finden<QCheckBox>(s, schriftlBox.toUtf8().constData());
    auto* abi = finden<QComboBox>(s, abiBox.toUtf8().constData());
    QCOMPARE(box->isChecked(), vorherSchriftlich);
    QCOMPARE(box->text(), vorherSchriftlich ? QStringLiteral("schriftl.") : QStringLiteral("mündl."));
    QVERIFY(!box->font().bold());
    QCOMPARE(box->isEnabled(), waehlbar);

    QVERIFY(waehlen(abi, rolle));
    QCOMPARE(angezeigt(abi), rolle);
    QVERIFY(box->isChecked());
    QCOMPARE(box->text(), QStringLiteral("schriftl."));
    QVERIFY(box->font().bold());
    QVERIFY(!box->isEnabled());

    klicken(s, "Button1");
    QCOMPARE(abi->currentIndex(), 0);
    QCOMPARE(angezeigt(abi), QString());
    // The row stays written, but no longer as an Abitur subject.
    QVERIFY(box->isChecked());
    QVERIFY(!box->font().bold());
    QCOMPARE(box->isEnabled(), waehlbar);
  }

  void savedPlanOpensAsItWasSaved() {
    const QString pfad = m_verzeichnis.filePath(QStringLiteral("schueler.abi"));
    const QStringList labels = {"KurszahlEFLab",      "KurszahlQ1Lab",      "KurszahlQ2Lab",  "StundenzahlLabelEF",
                                "StundenzahlLabelQ1", "StundenzahlLabelQ2", "VielWenigLabel", "KursAbwahlLabel",
                                "Offenhaltung1",      "Offenhaltung3",      "FS20",           "NW20"};
    QStringList gespeichert;
    {
      Sitzung& s = starten();
      QVERIFY(waehlen(s, "Schwerpunkt", QStringLiteral("Fremdsprachlicher Schwerpunkt")));
      QVERIFY(waehlen(s, "WahlFS1", QStringLiteral("Englisch (ab 5)")));
      QVERIFY(waehlen(s, "WahlFS2", QStringLiteral("Französisch (ab 7)")));
      QVERIFY(waehlen(s, "WahlNW1", QStringLiteral("Biologie")));
      QVERIFY(waehlen(s, "WahlGW", QStringLiteral("Geschichte")));
      QVERIFY(waehlen(s, "WahlEt", QStringLiteral("Philosophie")));
      QVERIFY(waehlen(s, "WahlKM", QStringLiteral("Kunst")));
      QVERIFY(waehlen(s, "WahlWa2", QStringLiteral("Erdkunde")));
      QVERIFY(waehlen(s, "WahlVK10", QStringLiteral("VK Mathem.")));
      QVERIFY(waehlen(s, "PKEntBox", QStringLiteral("Pro.ku. + Wa.fa.")));
      QVERIFY(waehlen(s, "WahlWa1", QStringLiteral("Informatik")));
      QVERIFY(waehlen(s, "WahlPK", QStringLiteral("Podcast")));
      QVERIFY(waehlen(s, "AbiFS1", QStringLiteral("LK A")));
      QVERIFY(waehlen(s, "AbiNW1", QStringLiteral("LK B")));
      QVERIFY(waehlen(s, "AbiGW", QStringLiteral("3. Abifach, schriftlich")));
      QVERIFY(waehlen(s, "AbiDeu", QStringLiteral("4. Abifach, mündlich")));
      auto* ethik = finden<QCheckBox>(s, "EtBoxSchriftl");
      ankreuzen(ethik);
      QVERIFY(ethik->isChecked());
      QCOMPARE(ethik->text(), QStringLiteral("schriftl."));
      QCOMPARE(finden<QLineEdit>(s, "Wa13")->text(), QStringLiteral("Informatik"));
      gespeichert = ansicht(s.client(), labels);

      const Dialogverlauf verlauf = mitDialogen(pfad, [&s] { klicken(s, "Button5"); });
      KEINE(verlauf.fehler);
      KEINE(verlauf.meldungen);
      QCOMPARE(verlauf.dateidialoge, QStringList{QStringLiteral("Datei speichern / Speichern")});
      QCOMPARE(QFileInfo(pfad).size(), 920);
      // Saving changes nothing on screen.
      KEINE(abweichungen(gespeichert, ansicht(s.client(), labels)));
      m_sitzung.reset();
    }

    Sitzung& s = starten();
    QVERIFY(abweichungen(gespeichert, ansicht(s.client(), labels)).size() > 10);  // a fresh, empty plan
    const Dialogverlauf verlauf = mitDialogen(pfad, [&s] { klicken(s, "Button3"); });
    KEINE(verlauf.fehler);
    KEINE(verlauf.meldungen);
    QCOMPARE(verlauf.dateidialoge, QStringList{QStringLiteral("Datei öffnen / Öffnen")});
    QCOMPARE(s.desktop.programm().laufzeit().Dateiname, std::string("schueler.abi"));
    KEINE(abweichungen(gespeichert, ansicht(s.client(), labels)));
  }

  void savingAgainAsksBeforeReplacingTheFile() {
    const QString pfad = m_verzeichnis.filePath(QStringLiteral("wieder.abi"));
    const auto gespeichertesFach = [&pfad] {
      QFile datei(pfad);
      const QByteArray inhalt = datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
      return inhalt.size() == 920 ? inhalt.at(kelvaro::GW) : '\xff';
    };
    Sitzung& s = starten();
    QVERIFY(waehlen(s, "WahlGW", QStringLiteral("Geschichte")));
    const Dialogverlauf erste = mitDialogen(pfad, [&s] { klicken(s, "Button5"); });
    KEINE(erste.fehler);
    KEINE(erste.meldungen);
    QCOMPARE(gespeichertesFach(), static_cast<char>(kelvaro::Ge));

    QVERIFY(waehlen(s, "WahlGW", QStringLiteral("Erdkunde")));
    const Dialogverlauf zweite = mitDialogen(pfad, [&s] { klicken(s, "Button5"); });
    KEINE(zweite.fehler);
    QCOMPARE(zweite.dateidialoge.size(), 1);
    QCOMPARE(zweite.meldungen.size(), 1);  // replace the file?
    QCOMPARE(gespeichertesFach(), static_cast<char>(kelvaro::Erd));
    // The program asks its own questions with "Ja" and "Nein".
    QVERIFY2(zweite.meldungen.constFirst().contains(QRegularExpression(QStringLiteral("\\[(Ja\\|Nein|Nein\\|Ja)\\]$"))),
             qPrintable(zweite.meldungen.constFirst()));
  }

  void clearingSubjectsReturnsToTheStart() {
    Sitzung& s = starten();
    const QStringList zeilenKoepfe = {"FS10", "FS20", "NW10", "NW20", "Wa10", "Wa20", "VK10", "PK0", "VK30"};
    const QStringList start = ansicht(s.client(), zeilenKoepfe);
    QVERIFY(waehlen(s, "Schwerpunkt", QStringLiteral("Fremdsprachlicher Schwerpunkt")));
    QVERIFY(waehlen(s, "WahlFS1", QStringLiteral("Französisch (ab 7)")));
    QVERIFY(waehlen(s, "WahlFS2", QStringLiteral("Italienisch (ab 11)")));
    QVERIFY(waehlen(s, "WahlNW1", QStringLiteral("Chemie")));
    QVERIFY(waehlen(s, "WahlGW", QStringLiteral("Sozialwiss.")));
    QVERIFY(waehlen(s, "WahlEt", QStringLiteral("evan. Religion")));
    QVERIFY(waehlen(s, "WahlKM", QStringLiteral("Kunst")));
    QVERIFY(waehlen(s, "WahlWa1", QStringLiteral("Geschichte")));
    QVERIFY(waehlen(s, "VK10EntBox", QStringLiteral("zwei VTK+10 GKs (1 Wahlfach)")));
    QVERIFY(waehlen(s, "WahlWa2", QStringLiteral("VK Deutsch")));
    QVERIFY(waehlen(s, "WahlPK", QStringLiteral("Lerntraining")));
    QVERIFY(waehlen(s, "VK12JNBox", QStringLiteral("ja")));
    QVERIFY(waehlen(s, "WahlVK30", QStringLiteral("VK Mathem.")));
    QVERIFY(waehlen(s, "AbiFS1", QStringLiteral("LK A")));
    QVERIFY(waehlen(s, "AbiGW", QStringLiteral("4. Abifach, mündlich")));
    QVERIFY(abweichungen(start, ansicht(s.client(), zeilenKoepfe)).size() > 20);

    klicken(s, "Button2");

    for (const char* zelle : {"FS11", "FS12", "FS13", "NW11", "NW12", "NW13", "NW21", "GW1", "GW2", "GW3", "Et1", "Et3",
                              "KM1", "KM3", "Wa11", "Wa21", "VK11", "PK1"}) {
      QVERIFY2(finden<QLineEdit>(s, zelle)->text().isEmpty(), zelle);
    }
    QCOMPARE(finden<QLineEdit>(s, "Deu1")->text(), QStringLiteral("Deutsch"));
    QCOMPARE(finden<QLineEdit>(s, "Edit16")->text(), QStringLiteral("Mathematik"));
    QCOMPARE(finden<QLineEdit>(s, "Sp3")->text(), QStringLiteral("Sport"));
    // Everything else looks as at the start: cells with their texts, widths and colours,
    // the choice boxes, the Abitur and written boxes, the row captions.
    const QStringList nachher = ansicht(s.client(), zeilenKoepfe);
    const QStringList abweichend = {"PKEntBox", "VK10", "Wa20"};
    KEINE(abweichungen(ohne(start, abweichend), ohne(nachher, abweichend)));
    // Clearing ends by showing the plan as an opened file is shown, which writes its own
    // captions for the Q-phase model and the EF rows.
    QCOMPARE(finden<QComboBox>(s, "PKEntBox")->placeholderText(), QStringLiteral("Projekt"));
    QCOMPARE(finden<QLabel>(s, "VK10")->text(), QStringLiteral("Vertief.k. Jg10"));
    QCOMPARE(finden<QLabel>(s, "Wa20")->text(), QStringLiteral("2. Wahlfach"));
  }

  void cellWidthsFollowTheScreen_data() {
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("voll");
    QTest::addColumn<int>("halb");
    QTest::addColumn<int>("links");
    QTest::newRow("designScreen") << 1280 << 800 << 145 << 81 << 398;
    // Scaled by 1080/800 = 1.35, the smaller of the two ratios.
    QTest::newRow("fullHd") << 1920 << 1080 << 196 << 109 << 537;
  }
  void cellWidthsFollowTheScreen() {
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(int, voll);
    QFETCH(int, halb);
    QFETCH(int, links);
    Sitzung& s = starten(ui::Bildschirm{breite, hoehe});
    auto* fs11 = finden<QLineEdit>(s, "FS11");
    auto* wa21 = finden<QLineEdit>(s, "Wa21");
    auto* abwahl = finden<QComboBox>(s, "AbwEFBox");
    QCOMPARE(fs11->width(), voll);
    QCOMPARE(fs11->x(), links);
    QCOMPARE(wa21->width(), voll);
    QVERIFY(abwahl->isHidden());

    // A new Italian lets the second elective end after EF.1 (EF model 2).
    QVERIFY(waehlen(s, "WahlFS1", QStringLiteral("Italienisch (ab 11)")));
    QCOMPARE(fs11->text(), QStringLiteral("Italienisch"));
    QCOMPARE(fs11->width(), voll);
    QCOMPARE(wa21->width(), halb);
    QVERIFY(abwahl->isVisible());
    QCOMPARE(angezeigt(abwahl), QStringLiteral("nach 1. Hj. EF"));
    QVERIFY(finden<QLabel>(s, "AbwEFLab")->isVisible());
    QCOMPARE(finden<QLabel>(s, "AbwEFLab")->text(), QStringLiteral("Abwahl 2. Wahlfa:"));

    QVERIFY(waehlen(abwahl, QStringLiteral("nach 2. Hj. EF")));
    QCOMPARE(wa21->width(), voll);
    QVERIFY(waehlen(abwahl, QStringLiteral("nach 1. Hj. EF")));
    QCOMPARE(wa21->width(), halb);
  }
};

QTEST_MAIN(HauptfensterTest)
#include "HauptfensterTest.moc"
