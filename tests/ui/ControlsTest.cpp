#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace kelvaro::ui {
namespace {

class ZaehlenderBeobachter : public ChangeObserver {
 public:
  void controlChanged(Control&) override { ++meldungen; }
  int meldungen = 0;
};

TEST(ChoiceBox, RunsItsHandlerOnlyForTheUser) {
  ChoiceBox box("Box");
  box.setItems({"Biologie", "Chemie", "Physik"});
  int aufrufe = 0;
  box.onChange([&] { ++aufrufe; });

  box.setText("Chemie");
  box.setItemIndex(2);
  EXPECT_EQ(aufrufe, 0);
  EXPECT_EQ(box.text(), "Physik");

  box.userSelect(0);
  EXPECT_EQ(aufrufe, 1);
  EXPECT_EQ(box.text(), "Biologie");
  EXPECT_EQ(box.itemIndex(), 0);

  box.userChoose("Chemie");
  EXPECT_EQ(aufrufe, 2);
  EXPECT_EQ(box.itemIndex(), 1);
}

TEST(ChoiceBox, TextAndSelectionFollowEachOther) {
  ChoiceBox box("Box");
  box.setItems({"", "LK A", "LK B"});
  EXPECT_EQ(box.itemIndex(), 0);  // the empty text is the empty item
  box.setText("LK B");
  EXPECT_EQ(box.itemIndex(), 2);
  box.setText("kein Eintrag");
  EXPECT_EQ(box.itemIndex(), -1);
  EXPECT_EQ(box.text(), "kein Eintrag");
  box.setItemIndex(0);
  EXPECT_EQ(box.itemIndex(), 0);
  EXPECT_EQ(box.text(), "");
  box.setItemIndex(7);  // out of range: no selection
  EXPECT_EQ(box.itemIndex(), -1);
  box.clearItems();
  EXPECT_TRUE(box.items().empty());
  // The text shown before the items arrive selects its item once it is added.
  box.setText("LK A");
  box.addItem("");
  box.addItem("LK A");
  EXPECT_EQ(box.itemIndex(), 1);
  box.setItems({"LK B", "LK A"});
  EXPECT_EQ(box.itemIndex(), 1);
}

TEST(CheckBox, RunsItsHandlerOnEveryChangeOfState) {
  CheckBox box("Box");
  int aufrufe = 0;
  box.onClick([&] { ++aufrufe; });
  box.setChecked(false);  // already unchecked
  EXPECT_EQ(aufrufe, 0);
  box.setChecked(true);
  EXPECT_EQ(aufrufe, 1);
  box.userClick();
  EXPECT_EQ(aufrufe, 2);
  EXPECT_FALSE(box.checked());
}

TEST(EditField, RunsItsHandlerOnEveryChangeOfText) {
  EditField feld("ScanEdit");
  std::vector<std::string> gesehen;
  feld.onChange([&] { gesehen.push_back(feld.text()); });
  feld.userType("A");
  feld.userType("b");
  feld.setText("Ab");  // same text: no change
  feld.setText("");
  EXPECT_EQ(gesehen, (std::vector<std::string>{"A", "Ab", ""}));
}

TEST(Control, NotifiesItsObserverOnlyOnRealChanges) {
  ZaehlenderBeobachter beobachter;
  Label label("Lab");
  label.setObserver(&beobachter);
  label.setText("a");
  label.setText("a");
  label.setVisible(true);
  label.setVisible(false);
  label.setColor(Farbe{1, 2, 3});
  label.setColor(Farbe{1, 2, 3});
  label.setWidth(145);
  label.setWidth(145);
  label.setBold(true);
  EXPECT_EQ(beobachter.meldungen, 5);
}

TEST(ListBox, TextIsTheLinesJoined) {
  ListBox liste("ListBox1");
  liste.addLine("x: 1920  y: 1080");
  liste.addLine("zweite");
  EXPECT_EQ(liste.text(), "x: 1920  y: 1080\nzweite");
  liste.setText("a\nb\nc");
  EXPECT_EQ(liste.lines().size(), 3U);
  liste.clear();
  EXPECT_TRUE(liste.lines().empty());
  EXPECT_EQ(liste.text(), "");
}

class Testfenster : public Window {
 public:
  Testfenster() : Window("TTest") {
    add(knopf);
    add(label);
  }
  Button knopf{"Knopf"};
  Label label{"Lab"};
};

TEST(Window, FindsControlsAndRunsItsActivationHandler) {
  Testfenster fenster;
  EXPECT_EQ(fenster.find("Knopf"), &fenster.knopf);
  EXPECT_EQ(fenster.find("Fehlt"), nullptr);
  int aktivierungen = 0;
  fenster.onActivate([&] { ++aktivierungen; });
  fenster.activate();
  EXPECT_TRUE(fenster.active());
  EXPECT_TRUE(fenster.visible());
  EXPECT_EQ(aktivierungen, 1);
  fenster.hide();
  EXPECT_FALSE(fenster.active());
}

TEST(ScriptedDialogs, GiveTheQueuedAnswersThenCancel) {
  ScriptedDialogs dialogs;
  dialogs.queueFile(std::filesystem::path("/tmp/a.abi"));
  dialogs.queueYesNo(true);
  EXPECT_EQ(dialogs.openFile(), std::filesystem::path("/tmp/a.abi"));
  EXPECT_FALSE(dialogs.openFile().has_value());
  EXPECT_TRUE(dialogs.askYesNo("Alle Noten löschen?"));
  EXPECT_FALSE(dialogs.askYesNo("Noch einmal?"));
  dialogs.showMessage("Hinweis");
  EXPECT_EQ(dialogs.messages().size(), 3U);
}

}  // namespace
}  // namespace kelvaro::ui

namespace kelvaro::ui {
namespace {

TEST(Control, IsReachableOnlyWhenItAndItsPanelsAreVisibleAndEnabled) {
  Panel panel("ErsatzfachPanel");
  Button knopf("Button4");
  knopf.setParent(&panel);
  EXPECT_TRUE(knopf.reachable());
  panel.setVisible(false);
  EXPECT_FALSE(knopf.reachable());
  panel.setVisible(true);
  knopf.setEnabled(false);
  EXPECT_FALSE(knopf.reachable());
  knopf.setEnabled(true);
  panel.setEnabled(false);
  EXPECT_FALSE(knopf.reachable());
}

}  // namespace
}  // namespace kelvaro::ui

namespace kelvaro::ui {
namespace {

class Fenster : public Window {
 public:
  Fenster() : Window("TFormTest") {
    add(liste);
    add(text);
  }
  ListBox liste{"Liste"};
  MultiLineText text{"Text"};
};

TEST(Window, AdoptingTheRealFrameKeepsTheOuterSize) {
  Fenster fenster;
  fenster.setClientSize(984, 732);
  fenster.setFrame(16, 39);
  fenster.setSize(1024, 720);
  EXPECT_EQ(fenster.clientWidth(), 1008);
  // The desktop draws a thinner frame than assumed: the window keeps its outer size.
  fenster.adoptFrame(4, 29);
  EXPECT_EQ(fenster.width(), 1024);
  EXPECT_EQ(fenster.height(), 720);
  EXPECT_EQ(fenster.clientWidth(), 1020);
  EXPECT_EQ(fenster.clientHeight(), 691);
  fenster.setSize(1152, 720);
  EXPECT_EQ(fenster.clientWidth(), 1148);
}

TEST(Window, ScalingScalesTheItemHeightOfListBoxes) {
  Fenster fenster;
  fenster.liste.setItemHeight(25);
  fenster.liste.setFontSize(21);
  fenster.text.setVerticalScrollBar(true);
  fenster.scaleControls(1.5);
  EXPECT_EQ(fenster.liste.itemHeight(), 38);  // 37.5, the half to the even neighbour
  EXPECT_EQ(fenster.liste.fontSize(), 32);
  EXPECT_TRUE(fenster.text.verticalScrollBar());
  Fenster ohne;
  ohne.scaleControls(1.5);
  EXPECT_EQ(ohne.liste.itemHeight(), 0);  // the toolkit's height stays the toolkit's
}

TEST(Window, KeepsTheControlWithTheFocus) {
  Fenster fenster;
  int meldungen = 0;
  struct Zaehler : WindowObserver {
    explicit Zaehler(int& n) : zahl(n) {}
    void windowChanged(Window&) override { ++zahl; }
    int& zahl;
  } zaehler(meldungen);
  fenster.setObserver(&zaehler);
  EXPECT_EQ(fenster.focusControl(), nullptr);
  fenster.setFocusControl(&fenster.text);
  fenster.setFocusControl(&fenster.text);
  EXPECT_EQ(fenster.focusControl(), &fenster.text);
  EXPECT_EQ(meldungen, 1);
  fenster.setObserver(nullptr);
}

}  // namespace
}  // namespace kelvaro::ui
