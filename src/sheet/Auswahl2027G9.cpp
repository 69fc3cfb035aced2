#include "sheet/Auswahl2027G9.h"

#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

#include <algorithm>

namespace kelvaro {

TForm5::TForm5(Programm& programm) : ui::Window("TForm5"), m_programm(programm) {
  setCaption("Schüler auswählen");
  setClientSize(640, 430);
  setFrame(16, 39);
  const struct {
    ui::Control* control;
    int links, oben, breite, hoehe;
    const char* text;
  } anordnung[] = {
      {&StufenverzeichnisLab, 16, 12, 608, 22, "Stufenverzeichnis"},
      {&StufenLab, 16, 38, 608, 22, "Stufe"},
      {&SchuelerzahlLab, 16, 64, 608, 22, "Schülerzahl der Stufe:"},
      {&SchuelerCombo, 16, 96, 432, 28, "Schüler"},
      {&OeffnenBut, 464, 96, 160, 28, "Öffnen"},
      {&InAnderenverzeichnissenSuchenBut, 16, 136, 340, 28, "In anderen Verzeichnissen suchen"},
      {&LehrerModusBut, 364, 136, 260, 28, "Lehrermodus ausschalten"},
      {&NichtErkanntBox, 16, 176, 608, 150, nullptr},
      {&HinweisMemo, 16, 334, 608, 48, nullptr},
      {&SchliessenBut, 464, 390, 160, 28, "Schließen"},
      {&ListBox1, 16, 390, 200, 28, nullptr},
  };
  for (const auto& eintrag : anordnung) {
    add(*eintrag.control);
    eintrag.control->setGeometry(eintrag.links, eintrag.oben, eintrag.breite, eintrag.hoehe);
    if (eintrag.text != nullptr) {
      eintrag.control->setText(eintrag.text);
    }
  }
  StufenLab.setBold(true);
  NichtErkanntBox.setVisible(false);
  HinweisMemo.setVisible(false);
  HinweisMemo.setFontColor(ui::farben::Rot);
  ListBox1.setVisible(false);

  SchuelerCombo.onChange([this] { SchuelerComboClick(); });
  OeffnenBut.onClick([this] { OeffnenButClick(); });
  InAnderenverzeichnissenSuchenBut.onClick([this] { InAnderenverzeichnissenSuchenButClick(); });
  SchliessenBut.onClick([this] { SchliessenButClick(); });
  LehrerModusBut.onClick([this] { LehrerModusButClick(); });
  onActivate([this] { FormActivate(); });

  const ui::Bildschirm bildschirm = programm.platform().screenSize();
  if (bildschirm.breite != 1280 || bildschirm.hoehe != 800) {
    const double faktor = std::min(static_cast<double>(bildschirm.breite) / 1280, bildschirm.hoehe / 800.0);
    setClientSize(static_cast<int>(clientWidth() * faktor), static_cast<int>(clientHeight() * faktor));
    scaleControls(faktor);
  }
}

void TForm5::Zeigen() {
  m_programm.hauptfenster().deactivate();
  show();
  activate();
}

void TForm5::Schliessen() {
  hide();
  m_programm.hauptfenster().activate();
}

void TForm5::FormActivate() {
  const Laufzeit& z = m_programm.laufzeit();
  Stufenstand& stand = m_programm.stufenstand();
  const std::string ordner = StufenOrdner(z.Stufe);
  SchuelerzahlLab.setText("Schülerzahl der Stufe: " + std::to_string(stand.namensliste.NamenslisteZahl()));
  SchuelerCombo.clearItems();
  SchuelerCombo.setText("");
  NichtErkanntBox.clear();
  NichtErkanntBox.setVisible(false);
  for (const char* zeile : {"Nicht erkannte Schüler/innen", "mit vermutlich falsch geschriebenem Namen:",
                            "(in der Namensliste mit * gekennzeichnet)"}) {
    NichtErkanntBox.addLine(zeile);
  }
  StufenLab.setText("Stufe " + ordner + ", " + std::to_string(stand.Schuelerzahl()) + " Schüler/innen gefunden");
  StufenverzeichnisLab.setText("Stufenverzeichnis: " + (z.Stufenverzeichnis / ordner).string());
  for (const StufenSchuelerTyp& schueler : stand.StufenSchueler) {
    std::string vorsatz;
    if (schueler.ListenNr <= 0) {
      NichtErkanntBox.addLine(schueler.Vorname + " " + schueler.Nachname);
      NichtErkanntBox.setVisible(true);
      vorsatz = "* ";
    }
    SchuelerCombo.addItem(vorsatz + schueler.Vorname + " " + schueler.Nachname);
  }
  if (stand.Schuelerzahl() < 1) {
    SchuelerCombo.setText("keine Schülerdatei vorhanden");
    stand.SchuelerNr = 0;
  } else {
    const StufenSchuelerTyp& erster = stand.StufenSchueler.front();
    SchuelerCombo.setText(erster.Vorname + " " + erster.Nachname);
    stand.SchuelerNr = 1;
  }
  HinweisMemo.setLines(stand.meldungen);
  HinweisMemo.setVisible(!stand.meldungen.empty());
}

void TForm5::SchuelerComboClick() {
  Stufenstand& stand = m_programm.stufenstand();
  const int index = SchuelerCombo.itemIndex();
  if (index < 0 || index >= stand.Schuelerzahl()) {
    return;  // a typed text that names no student
  }
  stand.SchuelerNr = index + 1;
  const StufenSchuelerTyp& schueler = stand.StufenSchueler[static_cast<std::size_t>(index)];
  ListBox1.addLine(std::to_string(stand.SchuelerNr) + " " + schueler.Vorname + " " + schueler.Nachname + " als " +
                   schueler.Dateiname);
  ListBox1.addLine(std::string(StufenOrdner(m_programm.laufzeit().Stufe)) + "\\" + schueler.Dateiname);
}

void TForm5::OeffnenButClick() {
  Laufzeit& z = m_programm.laufzeit();
  const StufenSchuelerTyp* schueler = m_programm.stufenstand().Aktuell();
  if (schueler == nullptr) {
    // No plan file in the stage: nothing to open.
    z.Startaktion = 3;
    return Schliessen();
  }
  z.Startaktion = 1;
  z.Dateiname = schueler->Dateiname;
  z.Dateipfad = z.Stufenverzeichnis / StufenOrdner(z.Stufe) / schueler->Dateiname;
  Schliessen();
}

void TForm5::InAnderenverzeichnissenSuchenButClick() {
  Laufzeit& z = m_programm.laufzeit();
  z.Startaktion = 2;
  z.StufeGeladen = 0;
  Schliessen();
}

void TForm5::SchliessenButClick() {
  m_programm.laufzeit().Startaktion = 3;
  Schliessen();
}

void TForm5::LehrerModusButClick() {
  Laufzeit& z = m_programm.laufzeit();
  z.Lehrermodus = 0;
  z.Startaktion = 3;
  Schliessen();
}

}  // namespace kelvaro
