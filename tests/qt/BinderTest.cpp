#include "qt/Binder.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <initializer_list>
#include <memory>

namespace {

namespace ui = kelvaro::ui;
using kelvaro::qt::Binder;

// A window with a control of every kind. The handlers record what they saw of their
// control, so a test sees both how often a handler ran and that the model was written first.
class Testfenster : public ui::Window {
 public:
  Testfenster() : ui::Window("TTestfenster") {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&Titel, &Eingabe, &Zelle, &Fach, &Schriftlich,
                                                                    &Knopf, &Rahmen, &Liste, &Text}) {
      add(*control);
    }
    Fach.setItems({"", "LK A", "LK B", "3. Abifach"});
    Fach.onChange([this] { fachGesehen.append(QString::fromStdString(Fach.text())); });
    Eingabe.onChange([this] { eingabeGesehen.append(QString::fromStdString(Eingabe.text())); });
    Zelle.onChange([this] { ++zelleAufrufe; });
    Schriftlich.onClick([this] { schriftlichGesehen.append(Schriftlich.checked()); });
    Knopf.onClick([this] { ++knopfAufrufe; });
  }

  ui::Label Titel{"Titel"};
  ui::EditField Eingabe{"Eingabe"};
  ui::EditField Zelle{"Zelle", true};
  ui::ChoiceBox Fach{"Fach"};
  ui::CheckBox Schriftlich{"Schriftlich"};
  ui::Button Knopf{"Knopf"};
  ui::Panel Rahmen{"Rahmen"};
  ui::ListBox Liste{"Liste"};
  ui::MultiLineText Text{"Text"};

  QStringList fachGesehen;
  QStringList eingabeGesehen;
  QList<bool> schriftlichGesehen;
  int zelleAufrufe = 0;
  int knopfAufrufe = 0;
};

// Types text one key event per character; QTest::keyClicks cannot send umlauts.
void tippen(QWidget* widget, const QString& text) {
  for (const QChar zeichen : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
  }
}

// What a widget shows of its control's text, one entry per line where it has lines.
QStringList angezeigt(QWidget* widget) {
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    QStringList zeilen;
    for (int i = 0; i < list->count(); ++i) {
      zeilen.append(list->item(i)->text());
    }
    return zeilen;
  }
  if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
    return text->toPlainText().split(QLatin1Char('\n'));
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return {label->text()};
  }
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    return {edit->text()};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return {button->text()};
  }
  if (auto* caption = widget->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    return {caption->text()};
  }
  return {};
}

}  // namespace

class BinderTest : public QObject {
  Q_OBJECT

 private:
  template <class W>
  W* widget(const char* name) {
    auto* found = m_host->findChild<W*>(QString::fromLatin1(name));
    if (found == nullptr) {
      qFatal("no widget %s", name);
    }
    return found;
  }

  std::unique_ptr<Testfenster> m_fenster;
  std::unique_ptr<QWidget> m_host;
  std::unique_ptr<Binder> m_binder;

 private slots:
  void init() {
    m_fenster = std::make_unique<Testfenster>();
    m_host = std::make_unique<QWidget>();
    m_host->resize(600, 400);
    m_binder = std::make_unique<Binder>();
    m_binder->bindWindow(*m_fenster, m_host.get());
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
  }

  void cleanup() {
    m_binder.reset();
    m_host.reset();
    m_fenster.reset();
  }

  void eachKindGetsItsWidget_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("klasse");
    QTest::newRow("Label") << "Titel"
                           << "QLabel";
    QTest::newRow("EditField") << "Eingabe"
                               << "QLineEdit";
    QTest::newRow("ChoiceBox") << "Fach"
                               << "QComboBox";
    QTest::newRow("CheckBox") << "Schriftlich"
                              << "QCheckBox";
    QTest::newRow("Button") << "Knopf"
                            << "QPushButton";
    QTest::newRow("Panel") << "Rahmen"
                           << "QFrame";
    QTest::newRow("ListBox") << "Liste"
                             << "QListWidget";
    QTest::newRow("MultiLineText") << "Text"
                                   << "QPlainTextEdit";
  }
  void eachKindGetsItsWidget() {
    QFETCH(QString, name);
    QFETCH(QString, klasse);
    ui::Control* control = m_fenster->find(name.toStdString());
    QVERIFY(control != nullptr);
    QWidget* gebunden = m_binder->widget(*control);
    QVERIFY(gebunden != nullptr);
    QCOMPARE(gebunden->objectName(), name);
    QCOMPARE(QString::fromLatin1(gebunden->metaObject()->className()), klasse);
    QCOMPARE(gebunden->parentWidget(), m_host.get());
    QCOMPARE(m_binder->bind(*control, m_host.get()), gebunden);
  }

  void widgetsOfFixedBehaviour() {
    QVERIFY(!widget<QComboBox>("Fach")->isEditable());
    QVERIFY(widget<QLineEdit>("Zelle")->isReadOnly());
    QVERIFY(!widget<QLineEdit>("Eingabe")->isReadOnly());
    QVERIFY(widget<QPlainTextEdit>("Text")->isReadOnly());
    QCOMPARE(widget<QFrame>("Rahmen")->frameShape(), QFrame::Box);
  }

  void textFromCodeIsShown_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("gezeigt");
    QTest::newRow("Label") << "Titel"
                           << "Fächer & Stunden" << QStringList{"Fächer & Stunden"};
    QTest::newRow("EditField") << "Eingabe"
                               << "Müller" << QStringList{"Müller"};
    QTest::newRow("read-only EditField") << "Zelle"
                                         << "Französisch" << QStringList{"Französisch"};
    QTest::newRow("CheckBox caption") << "Schriftlich"
                                      << "schriftl." << QStringList{"schriftl."};
    QTest::newRow("Button caption") << "Knopf"
                                    << "Übernehmen" << QStringList{"Übernehmen"};
    QTest::newRow("Panel caption") << "Rahmen"
                                   << "Stunden" << QStringList{"Stunden"};
    QTest::newRow("ListBox lines") << "Liste"
                                   << "EF: 34\nQ1: 32,5" << QStringList{"EF: 34", "Q1: 32,5"};
    QTest::newRow("MultiLineText") << "Text"
                                   << "erste Zeile\nzweite Zeile" << QStringList{"erste Zeile", "zweite Zeile"};
  }
  void textFromCodeIsShown() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QStringList, gezeigt);
    m_fenster->find(name.toStdString())->setText(text.toStdString());
    QCOMPARE(angezeigt(m_host->findChild<QWidget*>(name)), gezeigt);
  }

  void listLinesFollowTheModel() {
    auto* list = widget<QListWidget>("Liste");
    m_fenster->Liste.setLines({"a", "b", "c"});
    QCOMPARE(angezeigt(list), (QStringList{"a", "b", "c"}));
    m_fenster->Liste.addLine("d");
    QCOMPARE(angezeigt(list), (QStringList{"a", "b", "c", "d"}));
    m_fenster->Liste.clear();
    QCOMPARE(list->count(), 0);
  }

  void commonPropertiesAreMirrored_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("hintergrund");
    QTest::newRow("Label") << "Titel" << int{QPalette::Window};
    QTest::newRow("EditField") << "Eingabe" << int{QPalette::Base};
    QTest::newRow("ChoiceBox") << "Fach" << int{QPalette::Button};
    QTest::newRow("CheckBox") << "Schriftlich" << int{QPalette::Window};
    QTest::newRow("Button") << "Knopf" << int{QPalette::Button};
    QTest::newRow("Panel") << "Rahmen" << int{QPalette::Window};
    QTest::newRow("ListBox") << "Liste" << int{QPalette::Base};
    QTest::newRow("MultiLineText") << "Text" << int{QPalette::Base};
  }
  void commonPropertiesAreMirrored() {
    QFETCH(QString, name);
    QFETCH(int, hintergrund);
    ui::Control& control = *m_fenster->find(name.toStdString());
    QWidget* w = m_host->findChild<QWidget*>(name);

    QVERIFY(w->isVisible());
    control.setVisible(false);
    QVERIFY(w->isHidden());
    control.setVisible(true);
    QVERIFY(w->isVisible());

    control.setEnabled(false);
    QVERIFY(!w->isEnabled());
    control.setEnabled(true);
    QVERIFY(w->isEnabled());

    control.setBold(true);
    QVERIFY(w->font().bold());
    control.setBold(false);
    QVERIFY(!w->font().bold());

    control.setFontSize(17);
    QCOMPARE(w->font().pixelSize(), 17);
    control.setFontSize(0);
    QCOMPARE(w->font().pointSizeF(), m_host->font().pointSizeF());
    QCOMPARE(w->font().pixelSize(), m_host->font().pixelSize());

    control.setColor(ui::farben::Gelb);
    QCOMPARE(w->palette().color(static_cast<QPalette::ColorRole>(hintergrund)), QColor(255, 255, 0));
    control.setColor(ui::farben::InaktiveTitelleiste);
    QCOMPARE(w->palette().color(static_cast<QPalette::ColorRole>(hintergrund)), QColor(191, 205, 219));

    control.setHint("Leistungskurs");
    QCOMPARE(w->toolTip(), QStringLiteral("Leistungskurs"));

    const int eigeneHoehe = w->height();
    control.setGeometry(10, 20, 150, 0);
    QCOMPARE(w->geometry(), QRect(10, 20, 150, eigeneHoehe));
    control.setWidth(90);
    QCOMPARE(w->geometry(), QRect(10, 20, 90, eigeneHoehe));
    control.setGeometry(30, 40, 120, 60);
    QCOMPARE(w->geometry(), QRect(30, 40, 120, 60));
  }

  void userPicksChoiceItems() {
    auto* combo = widget<QComboBox>("Fach");
    m_fenster->Fach.setText("Mathematik");
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(m_fenster->fachGesehen, (QStringList{"", "LK A"}));
    QCOMPARE(m_fenster->Fach.itemIndex(), 1);
    QCOMPARE(m_fenster->Fach.text(), std::string("LK A"));
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(combo->placeholderText(), QString());

    QTest::keyClick(combo, Qt::Key_End);
    QCOMPARE(m_fenster->fachGesehen, (QStringList{"", "LK A", "3. Abifach"}));
    QCOMPARE(m_fenster->Fach.itemIndex(), 3);
  }

  void choiceFromCodeRunsNoHandler_data() {
    QTest::addColumn<bool>("perText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("gezeigterIndex");
    QTest::addColumn<QString>("gezeigterText");
    QTest::addColumn<QString>("platzhalter");
    QTest::newRow("index of an item") << false << QString() << 2 << 2 << "LK B"
                                      << "";
    QTest::newRow("text of an item") << true << "LK A" << 0 << 1 << "LK A"
                                     << "";
    QTest::newRow("text that is no item") << true << "Mathematik" << 0 << -1 << ""
                                          << "Mathematik";
    QTest::newRow("no selection") << false << QString() << -1 << -1 << ""
                                  << "";
  }
  void choiceFromCodeRunsNoHandler() {
    QFETCH(bool, perText);
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(int, gezeigterIndex);
    QFETCH(QString, gezeigterText);
    QFETCH(QString, platzhalter);
    auto* combo = widget<QComboBox>("Fach");
    m_fenster->Fach.setItemIndex(3);
    if (perText) {
      m_fenster->Fach.setText(text.toStdString());
    } else {
      m_fenster->Fach.setItemIndex(index);
    }
    QCOMPARE(combo->currentIndex(), gezeigterIndex);
    QCOMPARE(combo->currentText(), gezeigterText);
    QCOMPARE(combo->placeholderText(), platzhalter);
    QVERIFY(m_fenster->fachGesehen.isEmpty());
  }

  void choiceItemsFollowTheModel() {
    auto* combo = widget<QComboBox>("Fach");
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(3), QStringLiteral("3. Abifach"));
    m_fenster->Fach.addItem("4. Abifach, mündlich");
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->itemText(4), QStringLiteral("4. Abifach, mündlich"));
    m_fenster->Fach.setItems({"Physik", "Chemie"});
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QStringLiteral("Chemie"));
    QVERIFY(m_fenster->fachGesehen.isEmpty());
  }

  void userClicksCheckBoxIndicator() {
    auto* check = widget<QCheckBox>("Schriftlich");
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect indikator = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indikator.center());
    QVERIFY(m_fenster->Schriftlich.checked());
    QCOMPARE(m_fenster->schriftlichGesehen, (QList<bool>{true}));
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indikator.center());
    QVERIFY(!m_fenster->Schriftlich.checked());
    QVERIFY(!check->isChecked());
    QCOMPARE(m_fenster->schriftlichGesehen, (QList<bool>{true, false}));
  }

  void checkBoxFromCodeRunsHandlerOnChangeOnly() {
    auto* check = widget<QCheckBox>("Schriftlich");
    m_fenster->Schriftlich.setChecked(true);
    QVERIFY(check->isChecked());
    QCOMPARE(m_fenster->schriftlichGesehen, (QList<bool>{true}));
    m_fenster->Schriftlich.setChecked(true);
    QCOMPARE(m_fenster->schriftlichGesehen, (QList<bool>{true}));
  }

  void checkBoxHandlerMayRefuseTheClick() {
    auto& box = m_fenster->Schriftlich;
    box.onClick([&box] {
      if (box.checked()) {
        box.setChecked(false);
      }
    });
    auto* check = widget<QCheckBox>("Schriftlich");
    check->click();
    QVERIFY(!box.checked());
    QVERIFY(!check->isChecked());
  }

  void typingRunsHandlerPerCharacter_data() {
    QTest::addColumn<QString>("getippt");
    QTest::newRow("ASCII") << "Abi27";
    QTest::newRow("umlauts") << "Müß";
  }
  void typingRunsHandlerPerCharacter() {
    QFETCH(QString, getippt);
    auto* edit = widget<QLineEdit>("Eingabe");
    tippen(edit, getippt);
    QStringList erwartet;
    for (qsizetype n = 1; n <= getippt.size(); ++n) {
      erwartet.append(getippt.left(n));
    }
    QCOMPARE(m_fenster->eingabeGesehen, erwartet);
    QCOMPARE(QString::fromStdString(m_fenster->Eingabe.text()), getippt);

    QTest::keyClick(edit, Qt::Key_Backspace);
    erwartet.append(getippt.chopped(1));
    QCOMPARE(m_fenster->eingabeGesehen, erwartet);
    QCOMPARE(QString::fromStdString(m_fenster->Eingabe.text()), getippt.chopped(1));
  }

  void typingInsideTheTextKeepsTheCursor() {
    auto* edit = widget<QLineEdit>("Eingabe");
    m_fenster->Eingabe.setText("Ac");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_B, Qt::NoModifier);
    QCOMPARE(m_fenster->Eingabe.text(), std::string("Abc"));
    QCOMPARE(edit->cursorPosition(), 2);
  }

  void editFieldFromCodeIsShown() {
    auto* edit = widget<QLineEdit>("Eingabe");
    m_fenster->Eingabe.setText("4711");
    QCOMPARE(edit->text(), QStringLiteral("4711"));
    QCOMPARE(m_fenster->eingabeGesehen, QStringList{"4711"});
  }

  void handlerRewritingTheFieldIsShown() {
    auto& feld = m_fenster->Eingabe;
    feld.onChange([&feld] {
      if (feld.text() == "1234") {
        feld.setText("");
      }
    });
    auto* edit = widget<QLineEdit>("Eingabe");
    QTest::keyClicks(edit, "123");
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QTest::keyClicks(edit, "4");
    QCOMPARE(feld.text(), std::string());
    QCOMPARE(edit->text(), QString());
  }

  void readOnlyCellIgnoresTyping() {
    m_fenster->Zelle.setText("Physik");
    QCOMPARE(m_fenster->zelleAufrufe, 1);
    QTest::keyClicks(widget<QLineEdit>("Zelle"), "x");
    QCOMPARE(m_fenster->Zelle.text(), std::string("Physik"));
    QCOMPARE(m_fenster->zelleAufrufe, 1);
  }

  void buttonClickRunsHandlerWhileEnabled() {
    auto* button = widget<QPushButton>("Knopf");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_fenster->knopfAufrufe, 1);
    m_fenster->Knopf.setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_fenster->knopfAufrufe, 1);
  }

  void destroyedWidgetIsForgottenAndCanBeBoundAgain() {
    delete widget<QLabel>("Titel");
    QCOMPARE(m_binder->widget(m_fenster->Titel), nullptr);
    m_fenster->Titel.setText("nachher");
    QWidget* neu = m_binder->bind(m_fenster->Titel, m_host.get());
    QCOMPARE(angezeigt(neu), QStringList{"nachher"});
    m_fenster->Titel.setText("wieder");
    QCOMPARE(angezeigt(neu), QStringList{"wieder"});
  }

  void layoutPlacementFixesSizeButNotPosition() {
    ui::Label label{"Breite"};
    label.setText("Stunden");
    QWidget host;
    auto* zeile = new QHBoxLayout(&host);
    Binder binder(Binder::Placement::Layout);
    QWidget* w = binder.bind(label, &host);
    zeile->addWidget(w);
    zeile->addStretch();

    label.setGeometry(300, 400, 120, 0);
    QCOMPARE(w->minimumWidth(), 120);
    QCOMPARE(w->maximumWidth(), 120);
    QCOMPARE(w->maximumHeight(), QWIDGETSIZE_MAX);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(w->width(), 120);
    QCOMPARE(w->x(), zeile->contentsMargins().left());

    label.setWidth(0);
    QCOMPARE(w->minimumWidth(), 0);
    QCOMPARE(w->maximumWidth(), QWIDGETSIZE_MAX);
  }
};

QTEST_MAIN(BinderTest)
#include "BinderTest.moc"
