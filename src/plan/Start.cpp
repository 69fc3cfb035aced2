#include "plan/Faechermengen.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// Start-up of the main window: the season from today's date, the out-of-date rule,
// scaling to the screen, the empty plan; and the activation of the window.

namespace kelvaro {

namespace {

constexpr int DesignBildschirmBreite = 1280;
constexpr int DesignBildschirmHoehe = 800;

std::string ZweiStellen(int zahl) {
  return (zahl < 10 ? "0" : "") + std::to_string(zahl);
}

std::string StufenName(int stufe) {
  switch (stufe) {
    case 0:
      return "EF (11)";
    case 2:
      return "Q2 (13)";
    default:
      return "Q1 (12)";
  }
}

}  // namespace

void TForm1::FormCreate() {
  Laufbahn& l = m_programm.laufbahn();
  Laufzeit& z = m_programm.laufzeit();

  // The date as the program has always read it: "dd. mm. yyyy", then the numbers back.
  z.heute = m_programm.platform().today();
  const std::string datum =
      ZweiStellen(z.heute.tag) + ". " + ZweiStellen(z.heute.monat) + ". " + std::to_string(z.heute.jahr);
  const int tag = std::stoi(datum.substr(0, 2));
  const int monat = std::stoi(datum.substr(4, 2));
  const int jahr = std::stoi(datum.substr(8, 4));
  DatumLab.setText(std::to_string(tag) + ". " + std::to_string(monat) + ". " + std::to_string(jahr));

  z.saison = SaisonBestimmen(z.Stufe, monat);
  z.Abgabetag = z.edition.AbgabeTag[z.Wahlphase() - 1];
  z.Abgabedatum = z.edition.AbgabeDatum[z.Wahlphase() - 1];
  z.Veraltet = IstVeraltet(z.edition.Programmjahr, ui::Datum{jahr, monat, tag}) ? 1 : 0;
  VeraltertPanel.setVisible(z.Veraltet == 1);

  const ui::Bildschirm bildschirm = m_programm.platform().screenSize();
  if (bildschirm.breite != DesignBildschirmBreite || bildschirm.hoehe != DesignBildschirmHoehe) {
    setSize(bildschirm.breite * clientWidth() / DesignBildschirmBreite + (width() - clientWidth()),
            bildschirm.hoehe * clientHeight() / DesignBildschirmHoehe + (height() - clientHeight()));
    const double hoch = static_cast<double>(bildschirm.hoehe) / DesignBildschirmHoehe;
    const double breit = static_cast<double>(bildschirm.breite) / DesignBildschirmBreite;
    z.Skalierung = hoch < breit ? hoch : breit;
    scaleControls(z.Skalierung);
    ListBox1.clear();
    ListBox1.addLine("x: " + std::to_string(bildschirm.breite) + "  y: " + std::to_string(bildschirm.hoehe));
  } else {
    z.Skalierung = 1.0;
  }
  l.AbiNoteBerechnet = 0;

  std::string stufen = z.Wahlphase() == 1 ? "Fächerwahlen für die kommende " : "Klausurwahlen für die ";
  stufen += "JgSt " + StufenName(z.Stufe);
  if (z.Wahlphase() == 2) {
    stufen += ", 1. Hj. ";
  } else if (z.Wahlphase() == 3) {
    stufen += ", 2. Hj. ";
  }
  StufenLabel.setText(stufen);
  VersionsLab.setText("Abiturjahrgang " + z.edition.Abiturjahrgang + " G9 - Version " + z.edition.Version);

  // The empty plan.
  l.LitWahl = 0;
  l.Nachname.clear();
  l.Vorname.clear();
  l.Q1Modell = 0;
  Wa12.setVisible(false);
  Wa13.setVisible(false);
  l.EFModell = 2;
  VK10EntBox.setText("ein VTK+11 GKs (2 Wahlfächer)");
  l.ZweiteFSSek1 = 0;
  l.VKQ22 = 0;
  l.AbwahlEF = 0;
  AbwEFMerker = 0;
  l.AbwahlEt = 0;
  l.AbwahlKM = 0;
  l.AbwahlWa1 = 0;
  WahlSpalteSetzen(FS1, FSListe);
  WahlSpalteSetzen(FS2, FSListe);
  WahlSpalteSetzen(NW1, NWListe);
  WahlSpalteSetzen(NW2, NWListe);
  for (RasterTyp raster : {FS1, FS2, NW1, NW2}) {
    FachSetzen(raster, leer, "");
  }
  l.AlternativPK = leer;
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Deu1, &Deu2, &Deu3, &AbiDeu}) {
    control->setColor(ui::farben::Orange);
  }
  WahlSpalteSetzen(Sp, ErsatzfachListe);
  l.Fach[Sp] = Bi;
  l.ErsatzfachAktiv = 0;
  l.ErsatzfachVon = 1;
  l.ErsatzfachBis = 6;
  UntereZeilenLeeren();
  AbiLeerVerborgen = 0;
  for (ui::Control* control : std::initializer_list<ui::Control*>{&VK30, &WahlVK30, &VK33}) {
    control->setVisible(false);
  }
  SchwerpunktSetzen();
  l.AbwahlKM = 0;
  l.AbwahlEt = 0;
  l.AbwahlWa1 = 0;
  for (ui::Control* control : std::initializer_list<ui::Control*>{&AbwKMBox, &AbwKMLab, &AbwEtBox, &AbwEtLab}) {
    control->setEnabled(false);
  }
  AbwWa1Box.setEnabled(true);
  AbwWa1Lab.setEnabled(true);
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden});
  for (ui::ChoiceBox* box : AbiBox) {
    box->setItemIndex(0);
  }
  for (auto& slot : l.Noten) {
    slot.fill(-1);
  }
  ErsatzFachStartBox.setItemIndex(0);
  ErsatzFachEndeBox.setItemIndex(5);
  VK10EntBox.setItemIndex(2);
  for (ui::ChoiceBox* box : {&AbwKMBox, &AbwEtBox, &AbwWa1Box, &PKEntBox, &LitJNBox, &VK12JNBox, &Schwerpunkt}) {
    box->setItemIndex(0);
  }
  LitJNBox.setText("Ku./Mu. bleibt");
  VK12JNBox.setText("nein");

  SchriftlichStartwerte();
  SchriftlichkeitSetzen();
  z.Startaktion = 0;
}

void TForm1::FormActivate() {
  StartaktionAusfuehren();
  const Laufzeit& z = m_programm.laufzeit();
  // Teacher mode starts here once a stage's name list is found beside the program; until
  // then the program runs for students only.
  if (z.Lehrermodus == 0) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &ScanBut, &VorherigerSchuelerBut, &NaechsterSchuelerBut, &ImStufenVerzeichnisSuchenBut, &DatumLab,
             &LehrerVersionsLab, &KennungsLab}) {
      control->setVisible(false);
    }
  }
  setCaption("Pruvento Tarnisches Gymnasium Velmarsk - Immer gut beraten für die " +
             std::string(z.Wahlphase() == 1 ? "kommende " : "") + "JgSt " + StufenName(z.Stufe));
}

void TForm1::VeraltertButClick() {
  VeraltertPanel.setVisible(false);
}

}  // namespace kelvaro
