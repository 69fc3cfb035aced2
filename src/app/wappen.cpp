// Renders the school emblem as the program's icon in the given sizes, the way desktops
// look for it: VERZEICHNIS/<n>x<n>/apps/kelvaro.png. Runs at build time without a display.
//   kelvaro-wappen VERZEICHNIS GROESSE...

#include "qt/Fenster.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "Aufruf: kelvaro-wappen VERZEICHNIS GROESSE...\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  const QString ziel = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int groesse = std::stoi(argv[i]);
    const QString ordner = ziel + QStringLiteral("/%1x%1/apps").arg(groesse);
    if (groesse <= 0 || !QDir().mkpath(ordner) ||
        !kelvaro::qt::Wappen(groesse, groesse).save(ordner + QStringLiteral("/kelvaro.png"))) {
      std::cerr << "Das Symbol " << argv[i] << " kann nicht geschrieben werden.\n";
      return 2;
    }
  }
  return 0;
}
