#pragma once

#include "qt/Binder.h"
#include "ui/Window.h"

#include <QMainWindow>

class QLabel;

namespace kelvaro::qt {

// A top-level Qt window that shows one headless window: every registered control as a
// widget at its (scaled) design position, the caption, and the activation event.
class Fenster : public QMainWindow, private ui::WindowObserver {
  Q_OBJECT

 public:
  // fontPixels: the window's font size; the controls' own sizes override it.
  // A main window stays open for the whole run; the others follow the model's visibility,
  // position and size.
  Fenster(ui::Window& window, int fontPixels, bool hauptfenster = false, QWidget* parent = nullptr);
  ~Fenster() override;
  Fenster(const Fenster&) = delete;
  Fenster& operator=(const Fenster&) = delete;

  ui::Window& model() { return m_window; }
  QWidget* client() { return m_client; }
  Binder& binder() { return m_binder; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void windowChanged(ui::Window& window) override;

  ui::Window& m_window;
  bool m_hauptfenster;
  int m_focusRequests = 0;
  Binder m_binder;
  QWidget* m_client = nullptr;
};

// The school emblem of our own making, drawn at any size: program icon and picture.
QPixmap Wappen(int breite, int hoehe);

// The main window: the bound controls plus the decorative picture at the lower right.
class Hauptfenster : public Fenster {
  Q_OBJECT

 public:
  Hauptfenster(ui::Window& window, double skalierung, QWidget* parent = nullptr);

 private:
  QLabel* m_bild = nullptr;
};

}  // namespace kelvaro::qt
