#pragma once

#include "plan/Programm.h"
#include "qt/Fenster.h"
#include "qt/QtDialogs.h"

#include <memory>
#include <vector>

namespace kelvaro::qt {

// The desktop program: the program logic with Qt dialogs and its five windows as Qt
// windows. The main window is shown by the caller; the others wait for their turn.
class Desktop {
 public:
  explicit Desktop(const ui::Platform& platform);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Programm& programm() { return m_programm; }
  Hauptfenster& hauptfenster() { return *m_hauptfenster; }
  QtDialogs& dialogs() { return m_dialogs; }
  // The Qt window of one of the other four windows.
  Fenster& fenster(const ui::Window& window);

 private:
  QtDialogs m_dialogs;
  Programm m_programm;
  std::unique_ptr<Hauptfenster> m_hauptfenster;
  std::vector<std::unique_ptr<Fenster>> m_fenster;
};

// Maps the design font to an installed font with close metrics.
void SchriftenEinrichten();

// Starts the desktop program and runs its event loop.
int DesktopStarten(int argc, char** argv);

}  // namespace kelvaro::qt
