#include "app/Kommandozeile.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef KELVARO_DESKTOP
#include "qt/Desktop.h"
#endif

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    const kelvaro::ui::SystemClockPlatform uhr;
    return kelvaro::KommandozeileAusfuehren(argumente, std::cout, std::cerr, uhr.today());
  }
#ifdef KELVARO_DESKTOP
  return kelvaro::qt::DesktopStarten(argc, argv);
#else
  std::cerr << "Diese Ausgabe von Kelvaro ist ohne Desktop gebaut; nur die Befehle der Kommandozeile stehen "
               "zur Verfügung.\n";
  return 2;
#endif
}
