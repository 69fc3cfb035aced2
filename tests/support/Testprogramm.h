#pragma once

#include "plan/Kelvaro2027G9.h"
#include "plan/Laufbahn.h"
#include "plan/Laufzeit.h"
#include "plan/Programm.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro::test {

// How a test program starts: the stage it previews, today's date, the screen and the
// working directory (where the first activation looks for a stage).
struct Startwerte {
  int stufe = 1;
  ui::Datum heute{2026, 12, 10};
  ui::Bildschirm bildschirm{1280, 800};
  std::filesystem::path verzeichnis = "/nonexistent-kelvaro-stage";
  ui::Uhrzeit uhrzeit{12, 0, 0};
  // An edition of the test's own instead of the built one previewing `stufe`.
  std::optional<Edition> edition = std::nullopt;
};

// A fresh program with a fixed date, screen and working directory and scripted dialogs,
// and short names for what tests read most.
struct Testprogramm {
  explicit Testprogramm(const Startwerte& start = {})
      : platform(start.heute, start.bildschirm, start.verzeichnis, start.uhrzeit),
        programm(platform, dialogs, start.edition ? *start.edition : EditionFuerStufe(start.stufe)) {}

  ui::FixedPlatform platform;
  ui::ScriptedDialogs dialogs;
  Programm programm;
  TForm1& f = programm.hauptfenster();
  Laufbahn& l = programm.laufbahn();
  Laufzeit& z = programm.laufzeit();
};

// A plan file of tests/data (see its README).
inline std::filesystem::path Testdatei(const std::string& name) {
  return std::filesystem::path(KELVARO_TEST_DATA_DIR) / name;
}

}  // namespace kelvaro::test
