#pragma once

namespace kelvaro::qt {

// Starts the desktop program: the Qt application, the real clock and screen, the Qt
// dialogs, the program object and its main window. Returns the exit code of the event loop.
int DesktopStarten(int argc, char** argv);

}  // namespace kelvaro::qt
