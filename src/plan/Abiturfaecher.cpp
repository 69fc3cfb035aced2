#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// Abitur roles and the three clearing buttons.

namespace kelvaro {

void TForm1::AbiRolleChange(int position) {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  ui::ChoiceBox& box = *AbiBox[static_cast<std::size_t>(position)];
  const RasterTyp raster = AbiPositionRaster(position);
  l.NotenspalteLoeschen(0);
  if (box.itemIndex() < 0) {
    box.setItemIndex(0);
  }
  const int rolle = box.itemIndex();
  l.AbiWahl[static_cast<std::size_t>(position)] = rolle;
  if (z.ZweitesHalbjahrQ2()) {
    l.Schriftlich[raster] = rolle >= 1 && rolle <= 3 ? 1 : 0;
  } else if (raster == De || raster == Ma) {
    l.Schriftlich[raster] = 1;
  } else if ((z.Stufe == 1 || z.Stufe == 2) && rolle > 0) {
    l.Schriftlich[raster] = 1;
    SchriftlBox[raster]->setChecked(true);  // its click handler writes caption and flag
  }
  SchriftlichkeitSetzen();
}

void TForm1::FaecherLoeschenClick() {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  const int voll = z.Breite(VolleBreite);

  AbiLeerVerborgen = 0;
  l.AbiNoteBerechnet = 0;
  l.LitWahl = 0;
  LitJNBox.setText("Kunst/Musik bleibt");
  l.Q1Modell = 0;
  Wa12.setVisible(false);
  Wa13.setVisible(false);
  PKEntBox.setText("Projektkurs");
  for (ui::Control* control : std::initializer_list<ui::Control*>{&PK0, &PK1, &WahlPK}) {
    control->setVisible(true);
  }
  l.EFModell = 2;
  VK10EntBox.setText("ein VTK+11 GKs (2 Wahlfächer)");
  VK10.setText("Vertief.ku. Jg10");
  l.AbwahlEF = 0;
  AbwEFMerker = 1;
  Wa21.setWidth(voll);
  AbwEFBox.setText("nach 2. Hj. EF");
  AbwEFLab.setVisible(false);
  AbwEFBox.setVisible(false);
  AbwEFLab.setText("Abwahl 2. Wahlfa:");
  l.VKQ22 = 0;
  VK12JNBox.setText("nein");
  for (ui::Control* control : std::initializer_list<ui::Control*>{&VK30, &WahlVK30, &VK33}) {
    control->setVisible(false);
  }
  for (ui::EditField* zelle : {&Wa12, &Et3, &KM3}) {
    zelle->setWidth(voll);
  }
  SchwerpunktSetzen();
  WahlSpalteSetzen(FS1, FSListe);
  WahlSpalteSetzen(FS2, FSListe);
  WahlSpalteSetzen(NW1, NWListe);
  WahlSpalteSetzen(NW2, NWListe);
  for (RasterTyp raster : {FS1, FS2, NW1, NW2}) {
    FachSetzen(raster, leer, "");
  }
  Schwerpunkt.setText("Naturwissenschaftlicher Schwerpunkt");
  SchwerpunktSetzen();
  UntereZeilenLeeren();
  for (ui::ChoiceBox* box : AbiBox) {
    if (box != &AbiWa1) {
      box->setText("");
    }
    box->setItemIndex(0);
  }
  l.AbiWahl.fill(0);
  SchwerpunktSetzen();
  l.AbwahlKM = 0;
  l.AbwahlEt = 0;
  l.AbwahlWa1 = 0;
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&AbwKMBox, &AbwKMLab, &AbwEtBox, &AbwEtLab, &AbwWa1Box, &AbwWa1Lab}) {
    control->setEnabled(false);
  }
  for (ui::ChoiceBox* box : {&AbwKMBox, &AbwEtBox, &AbwWa1Box}) {
    box->setText("keine Abw.");
  }
  for (ui::EditField* zelle : {&Et3, &KM3}) {
    zelle->setVisible(true);
    zelle->setText("");
  }
  l.ErsatzfachAktiv = 0;
  l.ErsatzfachVon = 1;
  l.ErsatzfachBis = 6;
  ErsatzFachStartBox.setItemIndex(0);
  ErsatzFachEndeBox.setItemIndex(5);
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden});
  for (int spalte = 1; spalte <= NotenSpalten; ++spalte) {
    l.NotenspalteLoeschen(spalte);
  }
  SchriftlichStartwerte();
  SchriftlichkeitSetzen();
  LaufbahnDarstellen();
}

void TForm1::AbiFaecherPruefenClick() {
  TForm2& meldung = m_programm.meldungsfenster();
  const ui::Bildschirm bildschirm = m_programm.platform().screenSize();
  meldung.FensterPlatzieren(bildschirm.breite, bildschirm.hoehe);
  deactivate();
  meldung.show();
  meldung.activate();  // the report is computed when its window becomes active
  for (ui::ChoiceBox* box : AbiBox) {
    if (box->text().empty()) {
      box->setVisible(false);
    }
  }
  AbiLeerVerborgen = 1;
  AufraeumenBut.setText("alle Abiturfächer anzeigen");
}

void TForm1::AbiFaecherLoeschenClick() {
  Laufbahn& l = m_programm.laufbahn();
  l.NotenspalteLoeschen(0);
  for (ui::ChoiceBox* box : AbiBox) {
    box->setText("");
    box->setItemIndex(0);
  }
  l.AbiWahl.fill(0);
  SchriftlichkeitSetzen();
}

void TForm1::AufraeumenButClick() {
  std::uint8_t& verborgen = AbiLeerVerborgen;
  if (verborgen == 1) {
    verborgen = 0;
    AufraeumenBut.setText("leere Abiturfächer verbergen");
    AufraeumenBut.setHint("blendet nicht gewählte Abiturfächer aus");
    for (ui::ChoiceBox* box : {&AbiFS1, &AbiNW1, &AbiDeu, &AbiMa, &AbiKM, &AbiEt, &AbiGW, &AbiSp, &AbiWa1}) {
      box->setVisible(true);
    }
    if (m_programm.laufbahn().SchwerpunktFS == 1) {
      AbiFS2.setVisible(true);
    } else {
      AbiNW2.setVisible(true);
    }
  } else {
    verborgen = 1;
    AufraeumenBut.setText("alle Abiturfächer anzeigen");
    AufraeumenBut.setHint("stellt wieder alle Eingabemöglichkeiten für Abiturfächer dar");
    for (ui::ChoiceBox* box : AbiBox) {
      if (box->text().empty()) {
        box->setVisible(false);
      }
    }
  }
}

}  // namespace kelvaro
