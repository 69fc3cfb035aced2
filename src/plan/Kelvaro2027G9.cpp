#include "plan/Kelvaro2027G9.h"

#include "plan/Kurszahl.h"
#include "plan/Programm.h"

namespace kelvaro {

namespace {

using ui::Farbe;
namespace farben = ui::farben;

const std::string Schriftl = "schriftl.";
const std::string Muendl = "mündl.";

void Fuellen(ui::ChoiceBox& box, std::initializer_list<const char*> items) {
  box.clearItems();
  for (const char* item : items) {
    box.addItem(item);
  }
}

}  // namespace

TForm1::TForm1(Programm& programm) : ui::Window("TForm1"), m_programm(programm) {
  SchriftlBox = {&FS1BoxSchriftl, &FS2BoxSchriftl, &NW1BoxSchriftl, &NW2BoxSchriftl, &DeuBoxSchriftl,
                 &MaBoxSchriftl,  &SpBoxSchriftl,  &GWBoxSchriftl,  &EtBoxSchriftl,  &KMBoxSchriftl,
                 &Wa1BoxSchriftl, &Wa2BoxSchriftl, &Wa3BoxSchriftl};
  AbiBox = {&AbiDeu, &AbiFS1, &AbiFS2, &AbiMa, &AbiNW1, &AbiNW2, &AbiGW, &AbiEt, &AbiKM, &AbiSp, &AbiWa1};
  WahlBox = {&WahlFS1, &WahlFS2, &WahlNW1, &WahlNW2, nullptr,   nullptr, &WahlErsatzfach, &WahlGW,
             &WahlEt,  &WahlKM,  &WahlWa1, &WahlWa2, &WahlVK10, &WahlPK, &WahlVK30};
  ControlsRegistrieren();
  Gestaltung();
  Anfangszustand();
  HandlerBinden();
}

void TForm1::ControlsRegistrieren() {
  for (ui::Control* control : std::initializer_list<ui::Control*>{&WahlFS1,
                                                                  &WahlFS2,
                                                                  &WahlNW1,
                                                                  &WahlNW2,
                                                                  &WahlErsatzfach,
                                                                  &WahlGW,
                                                                  &WahlEt,
                                                                  &WahlKM,
                                                                  &WahlWa1,
                                                                  &WahlWa2,
                                                                  &WahlVK10,
                                                                  &WahlPK,
                                                                  &WahlVK30,
                                                                  &FS11,
                                                                  &FS12,
                                                                  &FS13,
                                                                  &FS21,
                                                                  &FS22,
                                                                  &FS23,
                                                                  &NW11,
                                                                  &NW12,
                                                                  &NW13,
                                                                  &NW21,
                                                                  &NW22,
                                                                  &NW23,
                                                                  &Deu1,
                                                                  &Deu2,
                                                                  &Deu3,
                                                                  &Edit15,
                                                                  &Edit16,
                                                                  &Edit17,
                                                                  &SP1,
                                                                  &Sp2,
                                                                  &Sp3,
                                                                  &Sp1a,
                                                                  &SP2a,
                                                                  &Sp3a,
                                                                  &GW1,
                                                                  &GW2,
                                                                  &GW3,
                                                                  &Et1,
                                                                  &Et2,
                                                                  &Et3,
                                                                  &KM1,
                                                                  &KM2,
                                                                  &KM3,
                                                                  &Wa11,
                                                                  &Wa12,
                                                                  &Wa13,
                                                                  &Wa21,
                                                                  &VK11,
                                                                  &PK1,
                                                                  &VK33,
                                                                  &ZK13,
                                                                  &ZK23,
                                                                  &AbiDeu,
                                                                  &AbiFS1,
                                                                  &AbiFS2,
                                                                  &AbiMa,
                                                                  &AbiNW1,
                                                                  &AbiNW2,
                                                                  &AbiGW,
                                                                  &AbiEt,
                                                                  &AbiKM,
                                                                  &AbiSp,
                                                                  &AbiWa1,
                                                                  &FS1BoxSchriftl,
                                                                  &FS2BoxSchriftl,
                                                                  &NW1BoxSchriftl,
                                                                  &NW2BoxSchriftl,
                                                                  &DeuBoxSchriftl,
                                                                  &MaBoxSchriftl,
                                                                  &SpBoxSchriftl,
                                                                  &GWBoxSchriftl,
                                                                  &EtBoxSchriftl,
                                                                  &KMBoxSchriftl,
                                                                  &Wa1BoxSchriftl,
                                                                  &Wa2BoxSchriftl,
                                                                  &Wa3BoxSchriftl,
                                                                  &FS20,
                                                                  &NW20,
                                                                  &Wa20,
                                                                  &VK10,
                                                                  &PK0,
                                                                  &VK30,
                                                                  &Offenhaltung1,
                                                                  &Offenhaltung2,
                                                                  &Offenhaltung3,
                                                                  &AbwEFLab,
                                                                  &AbwEFBox,
                                                                  &Schwerpunkt,
                                                                  &VK10EntBox,
                                                                  &PKEntBox,
                                                                  &LitJNBox,
                                                                  &VK12JNBox,
                                                                  &AbwKMBox,
                                                                  &AbwEtBox,
                                                                  &AbwWa1Box,
                                                                  &AbwKMLab,
                                                                  &AbwEtLab,
                                                                  &AbwWa1Lab,
                                                                  &ErsatzfachBut,
                                                                  &ErsatzfachPanel,
                                                                  &ErsatzFachStartBox,
                                                                  &ErsatzFachEndeBox,
                                                                  &ErsatzfachLoeschen,
                                                                  &Button4,
                                                                  &Button2,
                                                                  &Button1,
                                                                  &AbiFaecherPruefen,
                                                                  &AufraeumenBut,
                                                                  &ScanBut,
                                                                  &Button3,
                                                                  &Button5,
                                                                  &VorherigerSchuelerBut,
                                                                  &NaechsterSchuelerBut,
                                                                  &ImStufenVerzeichnisSuchenBut,
                                                                  &KurszahlEFLab,
                                                                  &KurszahlQ1Lab,
                                                                  &KurszahlQ2Lab,
                                                                  &StundenzahlLabelEF,
                                                                  &StundenzahlLabelQ1,
                                                                  &StundenzahlLabelQ2,
                                                                  &KennungsLab,
                                                                  &StufentextLabel,
                                                                  &Panel1,
                                                                  &StuDiffQualiEdit,
                                                                  &VielWenigLabel,
                                                                  &StundenLabel,
                                                                  &KursAbwahlLabel,
                                                                  &AbwaehlbarLabel,
                                                                  &ListBox1,
                                                                  &TestEdit,
                                                                  &FaecherEdit,
                                                                  &DatumLab,
                                                                  &StufenLabel,
                                                                  &VersionsLab,
                                                                  &LehrerVersionsLab,
                                                                  &VeraltertPanel,
                                                                  &VeraltertText,
                                                                  &VeraltertBut,
                                                                  &InfoPanel,
                                                                  &Label13,
                                                                  &LeistungsKurseBut,
                                                                  &VertiefungsKurseBut,
                                                                  &ProjektkurseBut,
                                                                  &VersetzungBut,
                                                                  &ErlaubteDefiziteBut,
                                                                  &ZentralePruefungBut,
                                                                  &AbiturfaecherBut,
                                                                  &SchwerpunktBut,
                                                                  &StundenzahlBut,
                                                                  &ZusatzkurseBut,
                                                                  &Button8,
                                                                  &ScanPanel,
                                                                  &Label28,
                                                                  &SpeichernCheckBox,
                                                                  &NachScanZurueckCheckBox,
                                                                  &ScanZahlLab,
                                                                  &ScanSchuelerLab,
                                                                  &ScanVerzeichnisLab,
                                                                  &ScanEdit,
                                                                  &Button6,
                                                                  &Button7,
                                                                  &SpeicherNameLab,
                                                                  &ScanLab,
                                                                  &ScanTextIntLab}) {
    add(*control);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &FS10,       &NW10,     &Deu0,     &Ma0,       &Sp0,           &GW0,          &Et0,         &KM0,
           &Wa10,       &KopfEF,   &KopfQ1,   &KopfQ2,    &KopfAbitur,    &KopfKlausur,  &KurszahlLab, &StundenzahlLab,
           &VK10EntLab, &PKEntLab, &LitJNLab, &VK12JNLab, &ErsatzfachLab, &ErsatzVonLab, &ErsatzBisLab}) {
    add(*control);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&ErsatzfachLab, &ErsatzVonLab, &ErsatzBisLab}) {
    control->setParent(&ErsatzfachPanel);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&WahlErsatzfach, &ErsatzFachStartBox,
                                                                  &ErsatzFachEndeBox, &ErsatzfachLoeschen, &Button4}) {
    control->setParent(&ErsatzfachPanel);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&StuDiffQualiEdit, &VielWenigLabel, &StundenLabel,
                                                                  &KursAbwahlLabel, &AbwaehlbarLabel}) {
    control->setParent(&Panel1);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &Label28, &SpeichernCheckBox, &NachScanZurueckCheckBox, &ScanZahlLab, &ScanSchuelerLab, &ScanVerzeichnisLab,
           &ScanEdit, &Button6, &Button7, &SpeicherNameLab, &ScanLab, &ScanTextIntLab}) {
    control->setParent(&ScanPanel);
  }
  VeraltertText.setParent(&VeraltertPanel);
  VeraltertBut.setParent(&VeraltertPanel);
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &Label13, &LeistungsKurseBut, &VertiefungsKurseBut, &ProjektkurseBut, &VersetzungBut, &ErlaubteDefiziteBut,
           &ZentralePruefungBut, &AbiturfaecherBut, &SchwerpunktBut, &StundenzahlBut, &ZusatzkurseBut, &Button8}) {
    control->setParent(&InfoPanel);
  }
}

// The states the window has before start-up runs: captions, items, colours, hints.
void TForm1::Anfangszustand() {
  setClientSize(1276, 756);
  setFrame(16, 39);
  struct Zeilenfarbe {
    std::initializer_list<ui::Control*> controls;
    Farbe farbe;
  };
  const Zeilenfarbe zeilenfarben[] = {
      {{&FS11, &FS12, &FS13, &FS21, &FS22, &FS23, &AbiFS1, &AbiFS2}, farben::Rot},
      {{&NW11, &NW12, &NW13, &NW21, &NW22, &NW23, &AbiNW1, &AbiNW2}, farben::Limette},
      {{&Deu1, &Deu2, &Deu3, &AbiDeu}, farben::Orange},
      {{&Edit15, &Edit16, &Edit17, &AbiMa}, farben::Gruen},
      {{&SP1, &Sp2, &Sp3, &Sp1a, &SP2a, &Sp3a, &AbiSp, &ErsatzfachPanel}, farben::InaktiveTitelleiste},
      {{&GW1, &GW2, &GW3, &AbiGW, &Wa13, &ZK13, &ZK23}, farben::Gelb},
      {{&Et1, &Et2, &Et3, &AbiEt}, farben::Aqua},
      {{&KM1, &KM2, &KM3, &AbiKM}, farben::Fuchsia},
      {{&Wa11, &Wa12, &Wa21, &VK11, &PK1, &VK33, &AbiWa1}, farben::Silber},
  };
  for (const auto& zeile : zeilenfarben) {
    for (ui::Control* control : zeile.controls) {
      control->setColor(zeile.farbe);
    }
  }
  for (ui::EditField* zelle :
       {&FS11, &FS12, &FS13,   &FS21,   &FS22,   &FS23, &NW11, &NW12, &NW13, &NW21, &NW22, &NW23, &Deu1,
        &Deu2, &Deu3, &Edit15, &Edit16, &Edit17, &SP1,  &Sp2,  &Sp3,  &GW1,  &GW2,  &GW3,  &Et1,  &Et2,
        &Et3,  &KM1,  &KM2,    &KM3,    &Wa11,   &Wa12, &Wa13, &Wa21, &VK11, &PK1,  &VK33, &ZK13, &ZK23}) {
    zelle->setWidth(VolleBreite);
  }
  for (ui::EditField* zelle : {&Sp1a, &SP2a, &Sp3a}) {
    zelle->setWidth(SportHalbeBreite);
    zelle->setVisible(false);
  }
  for (ui::EditField* zelle : {&Deu1, &Deu2, &Deu3}) {
    zelle->setText("Deutsch");
  }
  for (ui::EditField* zelle : {&Edit15, &Edit16, &Edit17}) {
    zelle->setText("Mathematik");
  }
  for (ui::EditField* zelle : {&SP1, &Sp2, &Sp3}) {
    zelle->setText("Sport");
  }

  for (ui::ChoiceBox* box : AbiBox) {
    Fuellen(*box, {"", "LK A", "LK B", "3. Abifach, schriftlich", "4. Abifach, mündlich"});
  }
  for (ui::CheckBox* box : SchriftlBox) {
    box->setText(Muendl);
  }
  DeuBoxSchriftl.setChecked(true);
  MaBoxSchriftl.setChecked(true);
  for (ui::CheckBox* box : {&DeuBoxSchriftl, &MaBoxSchriftl, &FS1BoxSchriftl, &FS2BoxSchriftl}) {
    box->setText(Schriftl);
  }
  for (ui::CheckBox* box : {&DeuBoxSchriftl, &MaBoxSchriftl, &SpBoxSchriftl}) {
    box->setEnabled(false);
  }

  FS20.setText(std::string(RasterBeschriftung(FS2)));
  NW20.setText(std::string(RasterBeschriftung(NW2)));
  Wa20.setText(std::string(RasterBeschriftung(Wa2)));
  VK10.setText(std::string(RasterBeschriftung(VK1)));
  PK0.setText(std::string(RasterBeschriftung(PK)));
  VK30.setText(std::string(RasterBeschriftung(VK3)));

  for (ui::Label* label : {&Offenhaltung1, &Offenhaltung2, &Offenhaltung3}) {
    label->setFontSize(13);
    label->setVisible(false);
  }

  Fuellen(Schwerpunkt, {"Naturwissenschaftlicher Schwerpunkt", "Fremdsprachlicher Schwerpunkt"});
  Fuellen(VK10EntBox, {"kein VTK+11 GKs (2 Wa.fä., nur m. It11/F11)", "kein VTK+12 GKs (3 Wahlfächer)",
                       "ein VTK+11 GKs (2 Wahlfächer)", "zwei VTK+10 GKs (1 Wahlfach)"});
  Fuellen(AbwEFBox, {"nach 1. Hj. EF", "nach 2. Hj. EF"});
  Fuellen(PKEntBox, {"Projektkurs", "Pro.ku. + Wa.fa."});
  Fuellen(LitJNBox, {"Ku./Mu. bleibt", "vok.prak. GK"});
  Fuellen(VK12JNBox, {"ja", "nein"});
  Fuellen(AbwKMBox, {"keine Abw.", "nach Q1.2", "nach Q2.1"});
  Fuellen(AbwEtBox, {"keine Abw.", "nach Q1.2", "nach Q2.1"});
  Fuellen(AbwWa1Box, {"keine Abw.", "nach Q1.1", "nach Q1.2", "nach Q2.1"});
  for (ui::ChoiceBox* box :
       {&Schwerpunkt, &VK10EntBox, &AbwEFBox, &PKEntBox, &LitJNBox, &VK12JNBox, &AbwKMBox, &AbwEtBox, &AbwWa1Box}) {
    box->setItemIndex(0);
  }
  AbwEFBox.setVisible(false);
  AbwEFLab.setVisible(false);
  AbwEFLab.setText("Abwahl 2. Wahlfa:");
  AbwKMLab.setText("Abwahl Kun./Mus./Lit.:");
  AbwEtLab.setText("Abwahl Rel./Phil.:");
  AbwWa1Lab.setText("Abwahl 1. Wahlf.:");

  ErsatzfachBut.setText("Ersatzfach");
  ErsatzfachPanel.setText("Ersatzfach für Sport:");
  ErsatzfachPanel.setVisible(false);
  for (ui::ChoiceBox* box : {&ErsatzFachStartBox, &ErsatzFachEndeBox}) {
    box->clearItems();
    for (int halbjahr = 1; halbjahr <= 6; ++halbjahr) {
      box->addItem(HalbjahrName(halbjahr));
    }
  }
  ErsatzfachLoeschen.setText("Ersatzfach löschen");
  Button4.setText("Ersatzfach wählen");

  const struct {
    ui::Button* button;
    const char* text;
    const char* hint;
  } knoepfe[] = {
      {&Button2, "Fächer löschen", "Löscht alle bisher eingegebenen Fächer"},
      {&Button1, "Abifächer löschen", "Löscht alle bisher eingegebenen Abiturfächer"},
      {&AbiFaecherPruefen, "Laufbahn Prüfen", "Prüft die Laufbahn und ermöglicht den Ausdruck des Wahlzettels"},
      {&AufraeumenBut, "leere Abiturfächer verbergen", "Blendet nicht gewählte Abiturfächer aus"},
      {&ScanBut, "Scan", "Scannt den Barcode der Wahlzettel mit einem Barcodescanner"},
      {&Button3, "Öffnen", "Öffnet eine abgespeicherte Fächerkombination"},
      {&Button5, "Speichern", "Speichert die aktuelle Fächerkombination ab"},
      {&VorherigerSchuelerBut, "vorheriger Schüler", ""},
      {&NaechsterSchuelerBut, "nächster Schüler", ""},
      {&ImStufenVerzeichnisSuchenBut, "in Verzeichnis EF suchen", ""},
      {&VeraltertBut, "OK", ""},
      {&LeistungsKurseBut, "Leistungskurse", ""},
      {&VertiefungsKurseBut, "Vertiefungskurse", ""},
      {&ProjektkurseBut, "Projektkurse", ""},
      {&VersetzungBut, "Versetzung ", ""},
      {&ErlaubteDefiziteBut, "erlaubte Defizite", ""},
      {&ZentralePruefungBut, "Zentrale Prüfung", ""},
      {&AbiturfaecherBut, "Abiturfächer", ""},
      {&SchwerpunktBut, "Schwerpunkt", ""},
      {&StundenzahlBut, "Stundenzahlen", ""},
      {&ZusatzkurseBut, "Zusatzkurs u. Q2", ""},
      {&Button8, "Klausurwahl", ""},
  };
  for (const auto& knopf : knoepfe) {
    knopf.button->setText(knopf.text);
    knopf.button->setHint(knopf.hint);
  }
  ImStufenVerzeichnisSuchenBut.setVisible(false);
  Label13.setText("Infos:");

  VeraltertPanel.setVisible(false);
  VeraltertPanel.setColor(Farbe{255, 255, 225});
  VeraltertText.setColor(farben::Weiss);
  VeraltertText.setLines({"Das Programm ist nicht mehr aktuell. ", "Mit diesem Programm können Sie keine ",
                          "Wahlzettel mehr ausdrucken.", "Laden Sie das aktuelle Programm von ",
                          "der Homepage der Schule."});

  ScanPanel.setVisible(false);
  ScanPanel.setText("");
  ScanPanel.setColor(farben::InaktiveTitelleiste);
  Label28.setText("Scannen mit dem Barcodescanner:");
  Label28.setBold(true);
  SpeichernCheckBox.setText("automatisch speichern unter dem Schülernamen");
  SpeichernCheckBox.setChecked(true);
  NachScanZurueckCheckBox.setText("nach einem Scan direkt zurück zur Hauptseite");
  ScanZahlLab.setText("Bisher gescannte Wahlzettel: 0");
  ScanSchuelerLab.setText("Bisher gescannte Wahlzettel: 0");
  ScanVerzeichnisLab.setText("Scanverzeichnis: Abitur\\AbiScan");
  Button6.setText("Scantext löschen");
  Button7.setText("Scanfenster schließen");
  SpeicherNameLab.setText("letzter Speichername:");
  ScanLab.setText("letzter Scan:");
  ScanTextIntLab.setText("Codefolge");

  Panel1.setText("");
  AbwaehlbarLabel.setText("abwählbar");
  TestEdit.setVisible(false);
  FaecherEdit.setVisible(false);
}

void TForm1::HandlerBinden() {
  for (int zeile = 0; zeile < 13; ++zeile) {
    if (zeile == De || zeile == Ma) {
      continue;  // German and mathematics have no click handler
    }
    SchriftlBox[static_cast<std::size_t>(zeile)]->onClick([this, zeile] { SchriftlBoxChange(zeile); });
  }
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    AbiBox[static_cast<std::size_t>(position)]->onChange([this, position] { AbiRolleChange(position); });
  }
  const std::pair<ui::ChoiceBox*, void (TForm1::*)()> boxen[] = {
      {&WahlFS1, &TForm1::WahlFS1Change},
      {&WahlFS2, &TForm1::WahlFS2Change},
      {&WahlNW1, &TForm1::WahlNW1Change},
      {&WahlNW2, &TForm1::WahlNW2Change},
      {&WahlGW, &TForm1::WahlGWChange},
      {&WahlEt, &TForm1::WahlEtChange},
      {&WahlKM, &TForm1::WahlKMChange},
      {&WahlWa1, &TForm1::WahlWa1Change},
      {&WahlWa2, &TForm1::WahlWa2Change},
      {&WahlVK10, &TForm1::WahlVK10Change},
      {&WahlPK, &TForm1::WahlPKChange},
      {&WahlVK30, &TForm1::WahlVK30Change},
      {&WahlErsatzfach, &TForm1::WahlErsatzfachChange},
      {&Schwerpunkt, &TForm1::SchwerpunktChange},
      {&VK10EntBox, &TForm1::VK10EntBoxChange},
      {&AbwEFBox, &TForm1::AbwEFBoxChange},
      {&PKEntBox, &TForm1::PKEntBoxChange},
      {&LitJNBox, &TForm1::LitJNBoxChange},
      {&VK12JNBox, &TForm1::VK12JNBoxChange},
      {&AbwKMBox, &TForm1::AbwahlKMChange},
      {&AbwEtBox, &TForm1::AbwahlEtChange},
      {&AbwWa1Box, &TForm1::AbwahlWa1Change},
  };
  for (const auto& [box, handler] : boxen) {
    box->onChange([this, handler = handler] { (this->*handler)(); });
  }
  const std::pair<ui::Button*, void (TForm1::*)()> knoepfe[] = {
      {&ErsatzfachBut, &TForm1::ErsatzfachButClick},
      {&Button4, &TForm1::ErstzfachSetzenClick},
      {&ErsatzfachLoeschen, &TForm1::ErsatzfachLoeschenClick},
      {&Button2, &TForm1::FaecherLoeschenClick},
      {&AbiFaecherPruefen, &TForm1::AbiFaecherPruefenClick},
      {&Button1, &TForm1::AbiFaecherLoeschenClick},
      {&AufraeumenBut, &TForm1::AufraeumenButClick},
      {&Button3, &TForm1::DateiLadenClick},
      {&Button5, &TForm1::DateiSpeichernClick},
      {&VeraltertBut, &TForm1::VeraltertButClick},
      {&ScanBut, &TForm1::ScanButClick},
      {&Button6, &TForm1::ScanTextLoeschenButClick},
      {&Button7, &TForm1::ScanOKClick},
      {&NaechsterSchuelerBut, &TForm1::NaechsterSchuelerButClick},
      {&VorherigerSchuelerBut, &TForm1::VorherigerSchuelerButClick},
      {&ImStufenVerzeichnisSuchenBut, &TForm1::ImStufenVerzeichnisSuchenButClick},
  };
  for (const auto& [knopf, handler] : knoepfe) {
    knopf->onClick([this, handler = handler] { (this->*handler)(); });
  }
  ScanEdit.onChange([this] { ScanEditChange(); });
  // The two check boxes only hand the input back to the scan field.
  SpeichernCheckBox.onClick([this] { requestFocus(ScanEdit); });
  NachScanZurueckCheckBox.onClick([this] { requestFocus(ScanEdit); });
  onActivate([this] { FormActivate(); });
}

void TForm1::ZusatzkurseSetzen() {
  const Laufbahn& l = m_programm.laufbahn();
  Zusatzkurse& zk = m_programm.abgeleitet().zusatzkurse;
  zk = ZusatzkurseBerechnen(l);
  const auto zeigen = [](ui::EditField& zelle, FachTyp fach) {
    if (fach == Ge) {
      zelle.setText("ZK Geschichte");
      zelle.setVisible(true);
    } else if (fach == Sw) {
      zelle.setText("ZK Sozialwiss.");
      zelle.setVisible(true);
    } else {
      zelle.setVisible(false);
    }
  };
  zeigen(ZK13, zk.ZK1);
  zeigen(ZK23, zk.ZK2);
  if (l.Fach[GW] == leer) {
    ZK13.setText("");
    ZK13.setVisible(true);
  }
}

void TForm1::KurszahlSetzen() {
  const Kurszahlen kurszahlen = KurszahlBerechnen(m_programm.laufbahn(), m_programm.abgeleitet().zusatzkurse.ZKAnzahl);
  m_programm.abgeleitet().Kurszahl = kurszahlen.Kurszahl;
  KurszahlEFLab.setText(kurszahlen.EF);
  KurszahlQ1Lab.setText(kurszahlen.Q1);
  KurszahlQ2Lab.setText(kurszahlen.Q2);
}

void TForm1::Neuberechnen(std::initializer_list<Folge> folge) {
  for (Folge schritt : folge) {
    switch (schritt) {
      case Folge::EFAbwahl:
        FS11TestfuerAbEFEnt();
        break;
      case Folge::Offenhaltung:
        OffenhaltungSetzen();
        break;
      case Folge::Zusatzkurse:
        ZusatzkurseSetzen();
        break;
      case Folge::Stunden:
        StundenzahlBerechnen();
        break;
      case Folge::Schriftlichkeit:
        SchriftlichkeitSetzen();
        break;
      case Folge::NoteVeraltet:
        m_programm.laufbahn().NotenspalteLoeschen(0);
        break;
    }
  }
}

void TForm1::KursspalteLoeschen(NotenbuchKurs kurs) {
  const NotenbuchLayout layout = NotenbuchLayoutBerechnen(m_programm.laufbahn(), m_programm.abgeleitet().zusatzkurse);
  m_programm.laufbahn().NotenspalteLoeschen(layout.Spalte(kurs));
}

void TForm1::SchriftlBoxChange(int zeile) {
  ui::CheckBox& box = *SchriftlBox[static_cast<std::size_t>(zeile)];
  m_programm.laufbahn().Schriftlich[static_cast<std::size_t>(zeile)] = box.checked() ? 1 : 0;
  box.setText(box.checked() ? Schriftl : Muendl);
  if (zeile == Wa1) {
    OffenhaltungSetzen();
  }
}

void TForm1::SchriftlBoxSetzen(int zeile, bool checked) {
  ui::CheckBox& box = *SchriftlBox[static_cast<std::size_t>(zeile)];
  box.setChecked(checked);  // runs the click handler when the state changes
  box.setText(checked ? Schriftl : Muendl);
  if (zeile != De && zeile != Ma) {
    m_programm.laufbahn().Schriftlich[static_cast<std::size_t>(zeile)] = checked ? 1 : 0;
  }
}

void TForm1::SchriftlBoxZeigtFlag(int zeile) {
  const bool checked = m_programm.laufbahn().Schriftlich[static_cast<std::size_t>(zeile)] == 1;
  ui::CheckBox& box = *SchriftlBox[static_cast<std::size_t>(zeile)];
  box.setChecked(checked);
  box.setText(checked ? Schriftl : Muendl);
}

}  // namespace kelvaro
