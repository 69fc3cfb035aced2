#include "plan/Kelvaro2027G9.h"

// Where every control of the main window sits at the design size (client area 1276 x 756
// on a 1280 x 800 screen) and which captions never change. Start-up scales all of it to
// the screen.

namespace kelvaro {

namespace {

constexpr int ZeileOben = 104;   // top of the first grid row
constexpr int Zeilenhoehe = 30;  // grid row pitch
constexpr int Feldhoehe = 28;    // height of a box or cell in a row
constexpr int SpalteBeschriftung = 8;
constexpr int SpalteWahl = 160;
constexpr int SpalteEF = 398;
constexpr int SpalteQ1 = 548;
constexpr int SpalteQ2 = 698;
constexpr int SpalteAbitur = 848;
constexpr int SpalteKlausur = 1044;
constexpr int SpalteRechts = 1152;

int Zeile(int raster) {
  return ZeileOben + Zeilenhoehe * raster;
}

}  // namespace

void TForm1::Gestaltung() {
  // The grid: caption, choice box, three stage cells, Abitur box, written box per row.
  struct Rasterzeile {
    RasterTyp raster;
    ui::Label* beschriftung;
    ui::Control* wahl;
    ui::Control* ef;
    ui::Control* q1;
    ui::Control* q2;
    ui::Control* abitur;
  };
  const Rasterzeile zeilen[] = {
      {FS1, &FS10, &WahlFS1, &FS11, &FS12, &FS13, &AbiFS1},
      {FS2, &FS20, &WahlFS2, &FS21, &FS22, &FS23, &AbiFS2},
      {NW1, &NW10, &WahlNW1, &NW11, &NW12, &NW13, &AbiNW1},
      {NW2, &NW20, &WahlNW2, &NW21, &NW22, &NW23, &AbiNW2},
      {De, &Deu0, nullptr, &Deu1, &Deu2, &Deu3, &AbiDeu},
      {Ma, &Ma0, nullptr, &Edit15, &Edit16, &Edit17, &AbiMa},
      {Sp, &Sp0, &ErsatzfachBut, &SP1, &Sp2, &Sp3, &AbiSp},
      {GW, &GW0, &WahlGW, &GW1, &GW2, &GW3, &AbiGW},
      {Et, &Et0, &WahlEt, &Et1, &Et2, &Et3, &AbiEt},
      {KM, &KM0, &WahlKM, &KM1, &KM2, &KM3, &AbiKM},
      {Wa1, &Wa10, &WahlWa1, &Wa11, &Wa12, &Wa13, &AbiWa1},
      {Wa2, &Wa20, &WahlWa2, &Wa21, nullptr, &ZK13, nullptr},
      {VK1, &VK10, &WahlVK10, &VK11, nullptr, &ZK23, nullptr},
      {PK, &PK0, &WahlPK, nullptr, &PK1, nullptr, nullptr},
      {VK3, &VK30, &WahlVK30, nullptr, nullptr, &VK33, nullptr},
  };
  for (const Rasterzeile& zeile : zeilen) {
    const int oben = Zeile(zeile.raster);
    zeile.beschriftung->setGeometry(SpalteBeschriftung, oben + 2, SpalteWahl - SpalteBeschriftung - 4, Feldhoehe);
    zeile.beschriftung->setText(std::string(RasterBeschriftung(zeile.raster)));
    zeile.beschriftung->setFontSize(17);
    const std::pair<ui::Control*, std::pair<int, int>> spalten[] = {
        {zeile.wahl, {SpalteWahl, 232}},     {zeile.ef, {SpalteEF, VolleBreite}}, {zeile.q1, {SpalteQ1, VolleBreite}},
        {zeile.q2, {SpalteQ2, VolleBreite}}, {zeile.abitur, {SpalteAbitur, 170}},
    };
    for (const auto& [control, spalte] : spalten) {
      if (control != nullptr) {
        control->setGeometry(spalte.first, oben, spalte.second, Feldhoehe);
      }
    }
    if (zeile.abitur != nullptr) {
      zeile.abitur->setFontSize(15);
    }
    if (zeile.raster <= VK1) {
      SchriftlBox[zeile.raster]->setGeometry(SpalteKlausur + 2, oben, SpalteRechts - SpalteKlausur - 6, Feldhoehe);
      SchriftlBox[zeile.raster]->setFontSize(18);
    }
  }
  // The second half of each sport cell lies over the right half of the stage cell.
  Sp1a.setGeometry(SpalteEF + VolleBreite - SportHalbeBreite, Zeile(Sp), SportHalbeBreite, Feldhoehe);
  SP2a.setGeometry(SpalteQ1 + VolleBreite - SportHalbeBreite, Zeile(Sp), SportHalbeBreite, Feldhoehe);
  Sp3a.setGeometry(SpalteQ2 + VolleBreite - SportHalbeBreite, Zeile(Sp), SportHalbeBreite, Feldhoehe);
  // The keeping-open note in the free Q1 cells of the second and third elective.
  const int notiz = Zeile(Wa2) + 2;
  Offenhaltung1.setGeometry(SpalteQ1, notiz, VolleBreite, 18);
  Offenhaltung2.setGeometry(SpalteQ1, notiz + 18, VolleBreite, 18);
  Offenhaltung3.setGeometry(SpalteQ1, notiz + 36, VolleBreite, 18);

  // Top bar: focus and actions, then season and edition.
  Schwerpunkt.setGeometry(8, 6, 390, 30);
  Button2.setGeometry(406, 6, 170, 30);
  Button1.setGeometry(582, 6, 190, 30);
  AbiFaecherPruefen.setGeometry(778, 6, 180, 30);
  AufraeumenBut.setGeometry(964, 6, 304, 30);
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Button2, &Button1, &AufraeumenBut}) {
    control->setFontSize(18);
  }
  AbiFaecherPruefen.setBold(true);
  StufenLabel.setGeometry(8, 42, 520, 24);
  VersionsLab.setGeometry(540, 42, 360, 24);
  LehrerVersionsLab.setGeometry(900, 42, 180, 24);
  DatumLab.setGeometry(1090, 42, 178, 24);
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&StufenLabel, &VersionsLab, &LehrerVersionsLab, &DatumLab}) {
    control->setFontSize(16);
  }
  StufenLabel.setBold(true);

  // Column headings.
  const std::pair<ui::Label*, std::pair<int, const char*>> koepfe[] = {
      {&KopfEF, {SpalteEF, "JgSt EF (11)"}},
      {&KopfQ1, {SpalteQ1, "JgSt Q1 (12)"}},
      {&KopfQ2, {SpalteQ2, "JgSt Q2 (13)"}},
      {&KopfAbitur, {SpalteAbitur, "Abiturfächer"}},
  };
  for (const auto& [kopf, spalte] : koepfe) {
    kopf->setGeometry(spalte.first, 74, spalte.first == SpalteAbitur ? SpalteKlausur - SpalteAbitur : VolleBreite, 26);
    kopf->setText(spalte.second);
    kopf->setBold(true);
  }
  KopfKlausur.setGeometry(SpalteKlausur + 2, 66, SpalteRechts - SpalteKlausur - 6, 20);
  KopfKlausur.setText("Klausur");
  KopfKlausur.setBold(true);
  KopfKlausur.setFontSize(16);
  StufentextLabel.setGeometry(SpalteKlausur + 2, 84, SpalteRechts - SpalteKlausur - 6, 18);
  StufentextLabel.setFontSize(14);

  // Below the grid: course counts and weekly hours per stage.
  const int unterRaster = Zeile(RasterAnzahl) + 4;
  KurszahlLab.setGeometry(SpalteWahl + 110, unterRaster, 120, 22);
  KurszahlLab.setText("Kurse:");
  StundenzahlLab.setGeometry(SpalteWahl + 110, unterRaster + 24, 120, 22);
  StundenzahlLab.setText("Wochenstunden:");
  const std::pair<ui::Label*, int> zahlen[] = {
      {&KurszahlEFLab, SpalteEF},      {&KurszahlQ1Lab, SpalteQ1},      {&KurszahlQ2Lab, SpalteQ2},
      {&StundenzahlLabelEF, SpalteEF}, {&StundenzahlLabelQ1, SpalteQ1}, {&StundenzahlLabelQ2, SpalteQ2},
  };
  for (const auto& [label, spalte] : zahlen) {
    const bool stunden = label == &StundenzahlLabelEF || label == &StundenzahlLabelQ1 || label == &StundenzahlLabelQ2;
    label->setGeometry(spalte, unterRaster + (stunden ? 24 : 0), VolleBreite + 4, 22);
    label->setFontSize(14);
  }
  for (ui::Label* label : {&KurszahlLab, &StundenzahlLab}) {
    label->setFontSize(14);
  }

  // Models and deselections.
  const int modelle = unterRaster + 58;
  const struct {
    ui::Label* label;
    const char* text;
    ui::ChoiceBox* box;
    int breite;
  } modellZeilen[] = {
      {&VK10EntLab, "Vertief.ku. in EF:", &VK10EntBox, 345},
      {&PKEntLab, "Projektk./ Wahlf. in Q1:", &PKEntBox, 200},
      {&LitJNLab, "künstl. Fa. in Q2:", &LitJNBox, 200},
      {&VK12JNLab, "Vertiefungsk. in Q2.2:", &VK12JNBox, 90},
  };
  int oben = modelle;
  for (const auto& zeile : modellZeilen) {
    zeile.label->setGeometry(8, oben + 3, 192, 24);
    zeile.label->setText(zeile.text);
    zeile.label->setFontSize(16);
    zeile.box->setGeometry(205, oben, zeile.breite, 28);
    zeile.box->setFontSize(16);
    oben += 34;
  }
  const std::pair<ui::Label*, ui::ChoiceBox*> abwahlZeilen[] = {
      {&AbwEFLab, &AbwEFBox}, {&AbwKMLab, &AbwKMBox}, {&AbwEtLab, &AbwEtBox}, {&AbwWa1Lab, &AbwWa1Box}};
  oben = modelle;
  for (const auto& [label, box] : abwahlZeilen) {
    const int links = label == &AbwEFLab ? 560 : 420;
    label->setGeometry(links, oben + 3, label == &AbwEFLab ? 150 : 180, 24);
    label->setFontSize(16);
    box->setGeometry(label == &AbwEFLab ? 712 : 605, oben, label == &AbwEFLab ? 130 : 130, 28);
    box->setFontSize(16);
    oben += 34;
  }

  // Hour list and variant code under the Abitur column; teacher navigation below.
  ListBox1.setGeometry(SpalteAbitur, unterRaster, 292, 126);
  ListBox1.setFontSize(13);
  KennungsLab.setGeometry(SpalteAbitur, unterRaster + 130, 292, 20);
  KennungsLab.setFontSize(12);
  ScanBut.setGeometry(SpalteAbitur, 724, 70, 28);
  VorherigerSchuelerBut.setGeometry(SpalteAbitur + 74, 724, 108, 28);
  NaechsterSchuelerBut.setGeometry(SpalteAbitur + 186, 724, 106, 28);
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&ScanBut, &VorherigerSchuelerBut, &NaechsterSchuelerBut}) {
    control->setFontSize(13);
  }

  // Right column: files, the hour balance, the info buttons.
  Button3.setGeometry(SpalteRechts, 104, 120, 30);
  Button5.setGeometry(SpalteRechts, 138, 120, 30);
  Panel1.setGeometry(SpalteRechts, 172, 120, 91);
  StuDiffQualiEdit.setGeometry(4, 4, 46, 26);
  StundenLabel.setGeometry(54, 6, 64, 22);
  VielWenigLabel.setGeometry(4, 32, 112, 18);
  KursAbwahlLabel.setGeometry(4, 51, 112, 18);
  AbwaehlbarLabel.setGeometry(4, 69, 112, 18);
  for (ui::Control* control : std::initializer_list<ui::Control*>{&StundenLabel, &VielWenigLabel}) {
    control->setFontSize(14);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&KursAbwahlLabel, &AbwaehlbarLabel}) {
    control->setFontSize(13);
  }
  StuDiffQualiEdit.setBold(true);

  InfoPanel.setGeometry(SpalteRechts, 267, 120, 355);
  Label13.setGeometry(8, 4, 104, 22);
  Label13.setFontSize(15);
  Label13.setBold(true);
  int infoOben = 30;
  for (ui::Button* knopf :
       {&LeistungsKurseBut, &VertiefungsKurseBut, &ProjektkurseBut, &VersetzungBut, &ErlaubteDefiziteBut,
        &ZentralePruefungBut, &AbiturfaecherBut, &SchwerpunktBut, &StundenzahlBut, &ZusatzkurseBut, &Button8}) {
    knopf->setGeometry(5, infoOben, 110, 25);
    knopf->setFontSize(13);
    infoOben += 29;
  }
  ImStufenVerzeichnisSuchenBut.setGeometry(SpalteRechts, 626, 120, 40);
  ImStufenVerzeichnisSuchenBut.setFontSize(11);

  // Floating panels over the grid.
  ErsatzfachPanel.setGeometry(SpalteEF, Zeile(Sp) - 150, 430, 150);
  ErsatzfachLab.setGeometry(10, 6, 410, 24);
  ErsatzfachLab.setText("Ersatzfach für Sport:");
  ErsatzfachLab.setBold(true);
  WahlErsatzfach.setGeometry(10, 34, 300, 28);
  ErsatzVonLab.setGeometry(10, 72, 90, 24);
  ErsatzVonLab.setText("von JgSt:");
  ErsatzFachStartBox.setGeometry(100, 70, 100, 28);
  ErsatzBisLab.setGeometry(215, 72, 90, 24);
  ErsatzBisLab.setText("bis JgSt:");
  ErsatzFachEndeBox.setGeometry(305, 70, 100, 28);
  ErsatzfachLoeschen.setGeometry(10, 110, 200, 30);
  Button4.setGeometry(220, 110, 200, 30);

  // The scan panel covers the grid while a pile of sheets is scanned.
  ScanPanel.setGeometry(SpalteWahl, 140, 790, 340);
  const struct {
    ui::Control* control;
    int links, oben, breite, hoehe, schrift;
  } scanfeld[] = {
      {&Label28, 12, 8, 560, 28, 20},
      {&SpeichernCheckBox, 12, 42, 560, 26, 17},
      {&NachScanZurueckCheckBox, 12, 70, 560, 26, 17},
      {&ScanZahlLab, 12, 104, 380, 24, 16},
      {&ScanSchuelerLab, 400, 104, 380, 24, 16},
      {&ScanVerzeichnisLab, 12, 130, 766, 24, 16},
      {&ScanEdit, 12, 162, 560, 32, 20},
      {&Button6, 588, 162, 190, 32, 16},
      {&SpeicherNameLab, 12, 204, 766, 26, 17},
      {&ScanLab, 12, 232, 766, 52, 17},
      {&ScanTextIntLab, 12, 288, 560, 40, 13},
      {&Button7, 588, 296, 190, 32, 16},
  };
  for (const auto& eintrag : scanfeld) {
    eintrag.control->setGeometry(eintrag.links, eintrag.oben, eintrag.breite, eintrag.hoehe);
    eintrag.control->setFontSize(eintrag.schrift);
  }

  VeraltertPanel.setGeometry(SpalteEF, 200, 440, 210);
  VeraltertText.setGeometry(10, 10, 420, 150);
  VeraltertText.setFontSize(18);
  VeraltertBut.setGeometry(170, 168, 100, 32);
}

}  // namespace kelvaro
