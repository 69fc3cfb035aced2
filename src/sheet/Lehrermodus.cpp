#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "plan/Windows1252.h"
#include "sheet/Auswahl2027G9.h"
#include "sheet/Scan.h"
#include "sheet/Stufe.h"

// Teacher mode in the main window: the dispatch of its activation, loading the stage,
// walking the stage's students, and the scan panel that turns scanned sheets into plans.

namespace kelvaro {

namespace {

// The school's scan share, shown for orientation only; scans are saved in the stage folder.
constexpr const char* ScanServer = "gym-velmarsk";

}  // namespace

void TForm1::StartaktionAusfuehren() {
  Laufzeit& z = m_programm.laufzeit();
  switch (z.Startaktion) {
    case 0:
      z.Stufenverzeichnis = m_programm.platform().workingDirectory();
      GanzeStufeLaden();
      break;
    case 1:
      // Once: coming back from another window later must not reload the file and throw
      // away what was changed since.
      z.Startaktion = 3;
      SchuelerLaden();
      break;
    case 2: {
      z.Startaktion = 3;
      ImStufenVerzeichnisSuchenBut.setText(std::string("im Verzeichnis ") + StufenOrdner(z.Stufe) + " suchen");
      ImStufenVerzeichnisSuchenBut.setVisible(true);
      DateiAusDialogLaden();
      break;
    }
    default:
      break;
  }
}

void TForm1::GanzeStufeLaden() {
  Laufzeit& z = m_programm.laufzeit();
  ListBox1.clear();
  StufeLadeErgebnis ergebnis = StufeLaden(z.Stufenverzeichnis, z.Stufe);
  if (!ergebnis.namenslisteGefunden) {
    z.Lehrermodus = 0;
    z.StufeGeladen = 0;
    ScanBut.setVisible(false);
  } else {
    z.Lehrermodus = 1;
    m_programm.stufenstand() = std::move(ergebnis.stand);
    z.StufeGeladen = 1;
    LehrerVersionsLab.setText(" G9 - Version " + z.edition.Version);
  }
  z.Startaktion = 3;
}

void TForm1::StufenSchuelerLaden() {
  Laufzeit& z = m_programm.laufzeit();
  const StufenSchuelerTyp* schueler = m_programm.stufenstand().Aktuell();
  if (schueler == nullptr) {
    return;
  }
  z.Dateipfad = z.Stufenverzeichnis / StufenOrdner(z.Stufe) / schueler->Dateiname;
  z.Dateiname = schueler->Dateiname;
  SchuelerLaden();
}

void TForm1::NaechsterSchuelerButClick() {
  Stufenstand& stand = m_programm.stufenstand();
  if (stand.SchuelerNr < stand.Schuelerzahl()) {
    ++stand.SchuelerNr;
    StufenSchuelerLaden();
  }
}

void TForm1::VorherigerSchuelerButClick() {
  Stufenstand& stand = m_programm.stufenstand();
  if (stand.SchuelerNr > 1) {
    --stand.SchuelerNr;
    StufenSchuelerLaden();
  }
}

void TForm1::ImStufenVerzeichnisSuchenButClick() {
  m_programm.laufzeit().StufeGeladen = 1;
  ImStufenVerzeichnisSuchenBut.setVisible(false);
  m_programm.auswahlfenster().Zeigen();
}

void TForm1::ScanButClick() {
  const Laufzeit& z = m_programm.laufzeit();
  const Stufenstand& stand = m_programm.stufenstand();
  ScanPanel.setVisible(true);
  ScanPanel.setColor(ui::farben::InaktiveTitelleiste);
  requestFocus(ScanEdit);
  ScanVerzeichnisLab.setText(std::string("Scanverzeichnis: \\\\") + ScanServer + "\\Abitur\\AbiScan\\" +
                             StufenOrdner(z.Stufe));
  ScanSchuelerLab.setText("Bisher gescannte Schüler der Stufe: " + std::to_string(stand.Schuelerzahl()));
  ScanZahlLab.setText("In dieser Sitzung gescannte Wahlzettel: " + std::to_string(stand.ScanZahl));
  SpeicherNameLab.setText("letzter Speichername:");
}

void TForm1::Fehlscan(const std::string& grund) {
  ScanAngenommen = false;
  ScanDatei.clear();
  ScanLab.setText("Fehlscan ! " + ScanText + ": " + grund);
  ScanPanel.setColor(ui::farben::Rot);
}

void TForm1::ScanEditChange() {
  const std::u32string zeichen = Utf8Zeichen(ScanEdit.text());
  if (zeichen.size() != 27) {
    return;
  }
  Laufbahn& l = m_programm.laufbahn();
  Laufzeit& z = m_programm.laufzeit();
  Stufenstand& stand = m_programm.stufenstand();
  const ScanWerte scan = ScanWerteLesen(zeichen);
  ScanText = scan.ScanText;
  ScanEdit.setText("");  // runs this handler once more, with nothing to do
  ScanTextIntLab.setText(scan.BarCodeZahlen);
  const BarCodeWerteTyp& werte = scan.BarCodeWerte;
  if (werte[27] != BarCodeFormatzeichen) {
    return Fehlscan(std::to_string(werte[27]));
  }
  // A sheet of this program carries only values of its tables and names it prints; anything
  // else is a misread and must neither replace the plan nor reach a file name.
  DekodierErgebnis dekodiert = DecodiereScan(werte, l);
  if (dekodiert.fehler) {
    return Fehlscan(*dekodiert.fehler);
  }
  Laufbahn& neu = dekodiert.laufbahn;
  const int listenNr = NamenslisteSuchen(stand.namensliste, neu.Vorname, neu.Nachname);
  if (listenNr > 0) {
    const NamenslisteEintrag& eintrag = stand.namensliste.eintraege[static_cast<std::size_t>(listenNr - 1)];
    neu.Vorname = eintrag.Vorname;
    neu.Nachname = eintrag.Nachname;
  }
  int schuelerNr = 0;
  for (int i = 1; i <= stand.Schuelerzahl(); ++i) {
    const StufenSchuelerTyp& s = stand.StufenSchueler[static_cast<std::size_t>(i - 1)];
    if (s.Vorname == neu.Vorname && s.Nachname == neu.Nachname) {
      schuelerNr = i;
      break;
    }
  }
  if (schuelerNr == 0 && stand.Schuelerzahl() >= StufenSchuelerMax) {
    return Fehlscan("Die Stufe hat schon " + std::to_string(StufenSchuelerMax) +
                    " Schülerinnen und Schüler; weitere kann Kelvaro nicht aufnehmen.");
  }

  ScanAngenommen = true;
  ScanDatei.clear();
  ScanLab.setText("Letzter Scan: " + ScanText);
  ScanPanel.setColor(ui::farben::Limette);
  ++stand.ScanZahl;
  ScanZahlLab.setText("Bisher gescannte Wahlzettel: " + std::to_string(stand.ScanZahl));
  l = neu;
  SpeicherNameLab.setText("Speichername: " + dekodiert.Speichername);
  z.Dateiname = listenNr > 0 ? l.Vorname + " " + l.Nachname + " Abi " + z.edition.Abiturjahrgang
                             : dekodiert.Speichername + ".abi";
  if (schuelerNr > 0) {
    stand.SchuelerNr = schuelerNr;
  } else {
    StufenSchuelerTyp schueler;
    schueler.Nachname = l.Nachname;
    schueler.Vorname = l.Vorname;
    schueler.ListenNr = listenNr;
    schueler.Dateiname = Utf8Anfang(l.Nachname, 5) + "_" + Utf8Anfang(l.Vorname, 5) + ".abi";
    schueler.InListe = listenNr > 0 ? 1 : 0;
    stand.StufenSchueler.push_back(std::move(schueler));
    stand.SchuelerNr = stand.Schuelerzahl();
  }
  ScanSchuelerLab.setText("Bisher gescannte Schüler der Stufe: " + std::to_string(stand.Schuelerzahl()));
  l.AbiNoteBerechnet = 0;
  LaufbahnDarstellen();
  if (SpeichernCheckBox.checked()) {
    const std::filesystem::path ordner = z.Stufenverzeichnis / StufenOrdner(z.Stufe);
    std::error_code ec;
    std::filesystem::create_directory(ordner, ec);  // the stage folder, never anything above it
    const std::filesystem::path datei = ordner / (dekodiert.Speichername + ".abi");
    if (DateiSpeichern(datei)) {
      ScanDatei = datei;
    }
  }
  if (NachScanZurueckCheckBox.checked()) {
    ScanPanel.setVisible(false);
  }
}

void TForm1::ScanTextLoeschenButClick() {
  ScanEdit.setText("");
  requestFocus(ScanEdit);
}

void TForm1::ScanOKClick() {
  ScanPanel.setVisible(false);
}

}  // namespace kelvaro
