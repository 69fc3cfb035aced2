#include "qt/Desktop.h"

#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "qt/Binder.h"
#include "qt/QtDialogs.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>

namespace kelvaro::qt {

namespace {

ui::Bildschirm Bildschirmgroesse() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return {};
  }
  return {screen->size().width(), screen->size().height()};
}

// A plain list of the main window's controls, one "name: widget" row each, until the
// real main window is laid out.
QWidget* Steuerelementliste(Binder& binder, ui::Window& fenster) {
  auto* inhalt = new QWidget;
  auto* liste = new QFormLayout(inhalt);
  for (ui::Control* control : fenster.controls()) {
    QWidget* widget = binder.bind(*control, inhalt);
    liste->addRow(QString::fromStdString(control->name() + ":"), widget);
  }
  return inhalt;
}

}  // namespace

int DesktopStarten(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvaro"));

  const ui::SystemClockPlatform platform(Bildschirmgroesse());
  QMainWindow hauptfenster;
  QtDialogs dialogs(&hauptfenster);
  Programm programm(platform, dialogs);
  // Declared after the program, so that it lets go of the controls before they go away.
  Binder binder(Binder::Placement::Layout);

  hauptfenster.setWindowTitle(QStringLiteral("Kelvaro"));
  auto* rollbereich = new QScrollArea;
  rollbereich->setWidgetResizable(true);
  rollbereich->setWidget(Steuerelementliste(binder, programm.hauptfenster()));
  hauptfenster.setCentralWidget(rollbereich);
  hauptfenster.showMaximized();
  return QApplication::exec();
}

}  // namespace kelvaro::qt
