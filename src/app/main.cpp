#include "app/Kommandozeile.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#ifdef KELVARO_DESKTOP
#include "qt/Desktop.h"
#include "qt/QtDrucker.h"

#include <QApplication>
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  const kelvaro::ui::SystemClockPlatform uhr;
  // No command: the desktop program, on another day or stage if the options say so.
  const auto desktop = kelvaro::DesktopOptionenLesen(argumente, uhr.today());
  if (!desktop) {
#ifdef KELVARO_DESKTOP
    const bool drucken = std::find(argumente.begin(), argumente.end(), "sheet") != argumente.end();
    if (!drucken) {
      return kelvaro::KommandozeileAusfuehren(argumente, std::cout, std::cerr, uhr.today());
    }
    // Printing into a PDF file needs the toolkit, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kelvaro::qt::SchriftenEinrichten();
    const kelvaro::PdfDruckerFabrik pdf =
        [](const std::filesystem::path& datei) -> std::unique_ptr<kelvaro::ui::Printer> {
      return kelvaro::qt::QtDrucker::PdfDatei(QString::fromStdString(datei.string()));
    };
    return kelvaro::KommandozeileAusfuehren(argumente, std::cout, std::cerr, uhr.today(), pdf);
#else
    return kelvaro::KommandozeileAusfuehren(argumente, std::cout, std::cerr, uhr.today());
#endif
  }
#ifdef KELVARO_DESKTOP
  return kelvaro::qt::DesktopStarten(argc, argv, {.heute = desktop->heute, .stufe = desktop->stufe});
#else
  std::cerr << "Diese Ausgabe von Kelvaro ist ohne Desktop gebaut; nur die Befehle der Kommandozeile stehen "
               "zur Verfügung.\n";
  return 2;
#endif
}
