#pragma once

#include "plan/Programm.h"
#include "qt/Fenster.h"
#include "qt/QtDialogs.h"

#include <memory>
#include <optional>
#include <vector>

class QCoreApplication;

namespace kelvaro::qt {

// The desktop program: the program logic with Qt dialogs and its five windows as Qt
// windows. The main window is shown by the caller; the others wait for their turn.
class Desktop {
 public:
  explicit Desktop(const ui::Platform& platform, Edition edition = GebauteEdition());
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

// Loads Qt's own German texts (print and file dialogs, context menus) from the Qt
// translations of this system; false when they are not installed.
bool QtTexteAufDeutsch(QCoreApplication& app);

// The machine as the desktop program sees it: the real clock, or a fixed date for a
// counsellor who prepares another season; the real screen and working directory.
class DesktopPlattform : public ui::Platform {
 public:
  DesktopPlattform(std::optional<ui::Datum> heute, ui::Bildschirm bildschirm)
      : m_heute(heute), m_bildschirm(bildschirm) {}
  ui::Datum today() const override { return m_heute ? *m_heute : m_uhr.today(); }
  ui::Uhrzeit timeOfDay() const override { return m_uhr.timeOfDay(); }
  ui::Bildschirm screenSize() const override { return m_bildschirm; }
  std::filesystem::path workingDirectory() const override { return m_uhr.workingDirectory(); }

 private:
  ui::SystemClockPlatform m_uhr;
  std::optional<ui::Datum> m_heute;
  ui::Bildschirm m_bildschirm;
};

// What the desktop program is started with: today's date as the program sees it (the
// real one when not given) and the stage whose rules it previews (this edition's when not given).
struct DesktopStart {
  std::optional<ui::Datum> heute;
  std::optional<int> stufe;
};

// The program as `kelvaro` without a command starts it on the primary screen.
class DesktopSitzung {
 public:
  explicit DesktopSitzung(const DesktopStart& start);
  Desktop& desktop() { return m_desktop; }

 private:
  DesktopPlattform m_platform;
  Desktop m_desktop;
};

// Starts the desktop program and runs its event loop.
int DesktopStarten(int argc, char** argv, const DesktopStart& start = {});

}  // namespace kelvaro::qt
