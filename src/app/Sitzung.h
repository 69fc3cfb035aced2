#pragma once

#include "plan/Kelvaro2027G9.h"
#include "plan/Laufzeit.h"
#include "plan/Programm.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <filesystem>
#include <optional>

namespace kelvaro {

// The program as the desktop starts it, without a display: on a screen of the design size,
// so that widths are design widths, in a working directory where the first activation of
// the main window looks for a stage; dialogs answer nothing and keep their messages.
struct Sitzung {
  Sitzung(const ui::Datum& heute, std::optional<int> stufe, const std::filesystem::path& arbeitsverzeichnis)
      : platform(heute, ui::Bildschirm{1280, 800}, arbeitsverzeichnis, ui::SystemClockPlatform().timeOfDay()),
        programm(platform, dialogs, stufe ? EditionFuerStufe(*stufe) : GebauteEdition()) {
    programm.hauptfenster().activate();
  }

  ui::FixedPlatform platform;
  ui::ScriptedDialogs dialogs;
  Programm programm;
};

}  // namespace kelvaro
