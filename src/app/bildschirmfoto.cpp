// Renders a window of the desktop program as it looks on a screen of the given size into a
// PNG file, for the documentation and for looking at windows without a display.
//   kelvaro-screenshot BREITE HOEHE AUSGABE.png [JJJJ-MM-TT [PLAN.abi|- [AKTION]...]]
// The main window opens (with the plan, unless "-"), then each action runs as a user would:
// "[FENSTER.]STEUERELEMENT=WERT" clicks a button (empty value), picks the item of a choice
// box, sets a check box (1 or 0) or types into an edit field; FENSTER is the window class
// (TForm1 .. TForm5), the main window when left out. The picture shows the window that is
// active at the end. "pruefen" and "drucken" stand for "Laufbahn Prüfen" and, after it,
// "Wahlzettel ausdrucken"; "noten" opens the grade window from the report window and starts
// point entry, "ergebnis" opens it and computes the grade. "scan:VORNAME:NACHNAME:PLAN.abi"
// opens the scan panel and types what a barcode scanner types for the sheet of that plan
// with these names; "fehlscan:..." the same with the last character misread. A stage for
// teacher mode is the working directory.

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "info/Infos2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Windows1252.h"
#include "qt/Desktop.h"
#include "sheet/Auswahl2027G9.h"
#include "sheet/Barcode.h"
#include "sheet/Scan.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QPixmap>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace ui = kelvaro::ui;

// One user action on a control; a German message when it cannot be done.
std::optional<std::string> Ausfuehren(const std::vector<ui::Window*>& fenster, const std::string& aktion) {
  const std::size_t gleich = aktion.find('=');
  if (gleich == std::string::npos) {
    return "Aktion \"" + aktion + "\": erwartet wird [FENSTER.]STEUERELEMENT=WERT.";
  }
  std::string name = aktion.substr(0, gleich);
  const std::string wert = aktion.substr(gleich + 1);
  ui::Window* ziel = fenster.front();
  if (const std::size_t punkt = name.find('.'); punkt != std::string::npos) {
    ziel = nullptr;
    for (ui::Window* kandidat : fenster) {
      if (kandidat->className() == name.substr(0, punkt)) {
        ziel = kandidat;
      }
    }
    if (ziel == nullptr) {
      return "Aktion \"" + aktion + "\": kein Fenster " + name.substr(0, punkt) + ".";
    }
    name = name.substr(punkt + 1);
  }
  ui::Control* control = ziel->find(name);
  if (control == nullptr || !control->reachable()) {
    return "Aktion \"" + aktion + "\": " + name + " fehlt oder ist nicht erreichbar.";
  }
  switch (control->kind()) {
    case ui::ControlKind::Button:
      static_cast<ui::Button*>(control)->userClick();
      return std::nullopt;
    case ui::ControlKind::ChoiceBox:
      static_cast<ui::ChoiceBox*>(control)->userChoose(wert);
      return std::nullopt;
    case ui::ControlKind::CheckBox: {
      auto* box = static_cast<ui::CheckBox*>(control);
      if (box->checked() != (wert == "1")) {
        box->userClick();
      }
      return std::nullopt;
    }
    case ui::ControlKind::EditField:
      static_cast<ui::EditField*>(control)->setText(wert);
      return std::nullopt;
    default:
      return "Aktion \"" + aktion + "\": " + name + " nimmt keine Eingabe an.";
  }
}

// What a scanner types for the sheet of a plan file with the given names
// ("VORNAME:NACHNAME:PLAN.abi"); nothing when the file cannot be read.
std::optional<std::string> Gescannt(const std::string& angabe, bool fehlgelesen) {
  const std::size_t erster = angabe.find(':');
  const std::size_t zweiter = erster == std::string::npos ? erster : angabe.find(':', erster + 1);
  if (zweiter == std::string::npos) {
    return std::nullopt;
  }
  kelvaro::Laufbahn l;
  if (kelvaro::PlanDateiLesen(angabe.substr(zweiter + 1), l).fehler) {
    return std::nullopt;
  }
  l.Vorname = angabe.substr(0, erster);
  l.Nachname = angabe.substr(erster + 1, zweiter - erster - 1);
  std::u32string getippt = kelvaro::WieGescannt(
      kelvaro::Utf8Zeichen(kelvaro::BarCodeText(kelvaro::BarCodeWerteErsetzt(kelvaro::BarCodeWerteSetzen(l)))));
  if (fehlgelesen) {
    getippt.back() = U'C';
  }
  return kelvaro::Utf8Text(getippt);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "Aufruf: kelvaro-screenshot BREITE HOEHE AUSGABE.png [JJJJ-MM-TT [PLAN.abi|- [AKTION]...]]\n";
    return 2;
  }
  QApplication app(argc, argv);
  kelvaro::qt::SchriftenEinrichten();
  const int breite = std::stoi(argv[1]);
  const int hoehe = std::stoi(argv[2]);
  ui::Datum heute{2026, 2, 10};
  if (argc > 4) {
    const std::string datum = argv[4];
    heute = {std::stoi(datum.substr(0, 4)), std::stoi(datum.substr(5, 2)), std::stoi(datum.substr(8, 2))};
  }
  const ui::FixedPlatform platform(heute, ui::Bildschirm{breite, hoehe}, std::filesystem::current_path());
  kelvaro::qt::Desktop desktop(platform);
  kelvaro::Programm& programm = desktop.programm();
  auto& hauptfenster = desktop.hauptfenster();
  // A maximized window fills the screen less the title bar and the task bar.
  hauptfenster.resize(programm.hauptfenster().width(), programm.hauptfenster().height());
  hauptfenster.show();
  programm.hauptfenster().activate();
  if (argc > 5 && std::string(argv[5]) != "-") {
    programm.laufzeit().Dateipfad = argv[5];
    if (!programm.hauptfenster().SchuelerLaden()) {
      std::cerr << "Der Plan kann nicht geladen werden: " << argv[5] << "\n";
      return 2;
    }
  }
  const std::vector<ui::Window*> fenster = {&programm.hauptfenster(), &programm.meldungsfenster(),
                                            &programm.infofenster(), &programm.notenfenster(),
                                            &programm.auswahlfenster()};
  for (int i = 6; i < argc; ++i) {
    std::vector<std::string> aktionen = {argv[i]};
    if (aktionen.front() == "pruefen") {
      aktionen = {"AbiFaecherPruefen="};
    } else if (aktionen.front() == "drucken") {
      aktionen = {"AbiFaecherPruefen=", "TForm2.Wahlzetteldrucken="};
    } else if (aktionen.front() == "noten") {
      aktionen = {"AbiFaecherPruefen=", "TForm2.NotenBerechnungBut=", "TForm4.EingabeStartBut="};
    } else if (aktionen.front() == "ergebnis") {
      aktionen = {"AbiFaecherPruefen=", "TForm2.NotenBerechnungBut=", "TForm4.AbiturNoteBerechnenBut="};
    } else if (aktionen.front().rfind("scan:", 0) == 0 || aktionen.front().rfind("fehlscan:", 0) == 0) {
      const bool fehl = aktionen.front().front() == 'f';
      const auto getippt = Gescannt(aktionen.front().substr(aktionen.front().find(':') + 1), fehl);
      if (!getippt) {
        std::cerr << "Der Plan kann nicht gelesen werden: " << aktionen.front() << "\n";
        return 2;
      }
      aktionen = {"ScanBut=", "ScanEdit=" + *getippt};
    }
    for (const std::string& aktion : aktionen) {
      if (const auto fehler = Ausfuehren(fenster, aktion)) {
        std::cerr << *fehler << "\n";
        return 2;
      }
      QApplication::processEvents();
    }
  }
  QWidget* ziel = &hauptfenster;
  for (ui::Window* kandidat : fenster) {
    if (kandidat != fenster.front() && kandidat->visible() && kandidat->active()) {
      ziel = &desktop.fenster(*kandidat);
    }
  }
  QApplication::processEvents();
  const QPixmap bild = ziel->grab();
  if (!bild.save(QString::fromLocal8Bit(argv[3]))) {
    std::cerr << "Das Bild kann nicht gespeichert werden: " << argv[3] << "\n";
    return 2;
  }
  return 0;
}
