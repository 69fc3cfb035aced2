// Renders the main window as it opens on a screen of the given size into a PNG file, for
// the documentation and for looking at the window without a display.
//   kelvaro-screenshot BREITE HOEHE AUSGABE.png [JJJJ-MM-TT [PLAN.abi [pruefen|drucken]]]
// With "pruefen" the plan is checked ("Laufbahn Prüfen") and the report window is rendered;
// with "drucken" its name panel is opened as well. With "noten" the grade window is opened
// from the report window and point entry started; with "ergebnis" the grade is computed.

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "qt/Desktop.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QPixmap>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "Aufruf: kelvaro-screenshot BREITE HOEHE AUSGABE.png [JJJJ-MM-TT [PLAN.abi]]\n";
    return 2;
  }
  QApplication app(argc, argv);
  kelvaro::qt::SchriftenEinrichten();
  const int breite = std::stoi(argv[1]);
  const int hoehe = std::stoi(argv[2]);
  kelvaro::ui::Datum heute{2026, 2, 10};
  if (argc > 4) {
    const std::string datum = argv[4];
    heute = {std::stoi(datum.substr(0, 4)), std::stoi(datum.substr(5, 2)), std::stoi(datum.substr(8, 2))};
  }
  const kelvaro::ui::FixedPlatform platform(heute, kelvaro::ui::Bildschirm{breite, hoehe});
  kelvaro::qt::Desktop desktop(platform);
  auto& fenster = desktop.hauptfenster();
  // A maximized window fills the screen less the title bar and the task bar.
  fenster.resize(desktop.programm().hauptfenster().width(), desktop.programm().hauptfenster().height());
  fenster.show();
  desktop.programm().hauptfenster().activate();
  if (argc > 5) {
    desktop.programm().laufzeit().Dateipfad = argv[5];
    if (!desktop.programm().hauptfenster().SchuelerLaden()) {
      return 2;
    }
  }
  QWidget* ziel = &fenster;
  if (argc > 6 && (std::string(argv[6]) == "pruefen" || std::string(argv[6]) == "drucken")) {
    desktop.programm().hauptfenster().AbiFaecherPruefen.userClick();
    if (std::string(argv[6]) == "drucken") {
      desktop.programm().meldungsfenster().Wahlzetteldrucken.userClick();
    }
    ziel = &desktop.fenster(desktop.programm().meldungsfenster());
  } else if (argc > 6 && (std::string(argv[6]) == "noten" || std::string(argv[6]) == "ergebnis")) {
    desktop.programm().hauptfenster().AbiFaecherPruefen.userClick();
    desktop.programm().meldungsfenster().activate();
    desktop.programm().meldungsfenster().NotenBerechnungBut.userClick();
    kelvaro::TForm4& noten = desktop.programm().notenfenster();
    if (std::string(argv[6]) == "ergebnis") {
      noten.AbiturNoteBerechnenBut.userClick();
    } else {
      noten.EingabeStartBut.userClick();
    }
    ziel = &desktop.fenster(noten);
  }
  QApplication::processEvents();
  const QPixmap bild = ziel->grab();
  if (!bild.save(QString::fromLocal8Bit(argv[3]))) {
    std::cerr << "Das Bild kann nicht gespeichert werden: " << argv[3] << "\n";
    return 2;
  }
  return 0;
}
