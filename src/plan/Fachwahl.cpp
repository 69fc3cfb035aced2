#include "plan/Faechermengen.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// Subject choice: filling the row boxes, writing a subject into the grid, the choice
// handlers of the rows, the keeping-open note and the EF drop rule for the second elective.

namespace kelvaro {

namespace {

namespace farben = ui::farben;

}  // namespace

void TForm1::WahlSpalteSetzen(RasterTyp raster, const TextfeldTyp& liste) {
  ui::ChoiceBox* box = WahlBox[raster];
  if (box == nullptr) {
    return;
  }
  box->clearItems();
  for (std::string_view eintrag : liste) {
    if (!eintrag.empty()) {
      box->addItem(std::string(eintrag));
    }
  }
  box->setText(std::string(liste[0]));
}

void TForm1::Farbregel(ui::Control& zelle, FachTyp fach, bool mitVertiefung) {
  switch (FachgruppeVon(fach)) {
    case Fachgruppe::Sprache:
      zelle.setColor(farben::Rot);
      break;
    case Fachgruppe::Naturwissenschaft:
      zelle.setColor(farben::Limette);
      break;
    case Fachgruppe::Gesellschaft:
      zelle.setColor(farben::Gelb);
      break;
    case Fachgruppe::Kunst:
      zelle.setColor(farben::Fuchsia);
      break;
    case Fachgruppe::Vertiefung:
      if (mitVertiefung) {
        zelle.setColor(farben::Silber);
      }
      break;
    case Fachgruppe::Leer:
      zelle.setColor(farben::Silber);
      break;
    case Fachgruppe::Projekt:
    case Fachgruppe::Keine:
      break;
  }
}

void TForm1::FachSetzen(RasterTyp raster, FachTyp fach, const std::string& text) {
  Laufbahn& l = m_programm.laufbahn();
  l.Fach[raster] = fach;
  const auto dreiZellen = [&text](ui::EditField& a, ui::EditField& b, ui::EditField& c) {
    a.setText(text);
    b.setText(text);
    c.setText(text);
  };
  switch (raster) {
    case FS1:
      dreiZellen(FS11, FS12, FS13);
      break;
    case FS2:
      dreiZellen(FS21, FS22, FS23);
      break;
    case NW1:
      dreiZellen(NW11, NW12, NW13);
      break;
    case NW2:
      dreiZellen(NW21, NW22, NW23);
      break;
    case GW:
      dreiZellen(GW1, GW2, GW3);
      break;
    case Et:
      dreiZellen(Et1, Et2, Et3);
      break;
    case KM:
      dreiZellen(KM1, KM2, KM3);
      if (l.LitWahl == 1) {
        KM3.setText("Literatur");
      } else if (l.LitWahl == 2) {
        KM3.setText("vokalprakt. Kurs");
      } else if (l.LitWahl == 3) {
        KM3.setText("instrum. pr. Kurs");
      }
      break;
    case Wa1:
      Wa11.setText(text);
      for (ui::Control* control : std::initializer_list<ui::Control*>{&Wa11, &Wa12, &Wa13, &AbiWa1}) {
        Farbregel(*control, fach, false);
      }
      if (l.Q1Modell == 1 || l.Q1Modell == 2) {
        Wa12.setText(text);
        Wa13.setText(text);
      }
      break;
    case Wa2:
      Wa21.setText(text);
      Farbregel(Wa21, fach, true);
      break;
    case VK1:
      VK11.setText(text);
      if (FachgruppeVon(fach) == Fachgruppe::Projekt) {
        VK11.setColor(farben::Silber);
      }
      Farbregel(VK11, fach, true);
      break;
    case PK:
      PK1.setText(text);
      break;
    case VK3:
      VK33.setText(text);
      break;
    case De:
    case Ma:
    case Sp:
      break;
  }
}

void TForm1::OffenhaltungSetzen() {
  const Laufbahn& l = m_programm.laufbahn();
  ui::Label* labels[] = {&Offenhaltung1, &Offenhaltung2, &Offenhaltung3};
  for (ui::Label* label : labels) {
    label->setVisible(false);
  }
  const auto zeigen = [&labels](const char* a, const char* b, const char* c) {
    labels[0]->setText(a);
    labels[1]->setText(b);
    labels[2]->setText(c);
    for (ui::Label* label : labels) {
      label->setVisible(true);
    }
  };
  int stufe = OffenhaltungsStufe(l);
  if (stufe == 0 || (l.SchwerpunktFS != 0 && l.SchwerpunktFS != 1)) {
    return;
  }
  // The language kept open through the Q phase must be written there as well.
  if (stufe == 3 && l.SchwerpunktFS == 0 && l.Schriftlich[Wa1] != 1) {
    stufe = 2;
  }
  if (l.SchwerpunktFS == 0) {
    zeigen("Offenhaltung fremd-", "sprachl. Schwerpunkt", "bis Ende JgSt EF.1");
  } else {
    zeigen("Offenhaltung natur-", "wiss. Schwerpunkt", "bis Ende JgSt EF.1");
  }
  if (stufe == 2) {
    Offenhaltung3.setText("bis Ende JgSt EF");
  } else if (stufe == 3) {
    Offenhaltung3.setText(l.AbwahlWa1 == 1 || l.AbwahlWa1 == 2 ? "bis in JgSt Q1" : "bis in JgSt Q2");
  }
}

void TForm1::FS11TestfuerAbEFEnt() {
  Laufbahn& l = m_programm.laufbahn();
  Laufzeit& z = m_programm.laufzeit();
  if (l.EFModell != 2) {
    return;
  }
  std::uint8_t& merker = AbwEFMerker;
  if (!NeueSpracheErlaubtEFAbwahl(l)) {
    Wa21.setWidth(z.Breite(VolleBreite));
    AbwEFLab.setVisible(false);
    AbwEFBox.setVisible(false);
    l.AbwahlEF = 0;
    AbwEFBox.setText("nach 2. Hj. EF");
    merker = 0;
    return;
  }
  if (merker == 1) {
    Wa21.setWidth(z.Breite(VolleBreite));
    l.AbwahlEF = 0;
    AbwEFBox.setText("nach 2. Hj. EF");
  } else {
    Wa21.setWidth(z.Breite(HalbeBreite));
    l.AbwahlEF = 1;
    AbwEFBox.setText("nach 1. Hj. EF");
  }
  AbwEFLab.setVisible(true);
  AbwEFBox.setVisible(true);
  AbwEFLab.setText("Abwahl 2. Wahlfa:");
}

void TForm1::FachAusBox(RasterTyp raster, ui::ChoiceBox& box, Wahlzuordnung zuordnung) {
  if (box.itemIndex() < 0) {
    box.setItemIndex(0);
  }
  if (const auto fach = FachZumText(zuordnung, box.text())) {
    FachSetzen(raster, *fach, FachName(*fach));
  }
}

void TForm1::WahlfachSpracheSchriftlich(RasterTyp raster) {
  Laufbahn& l = m_programm.laufbahn();
  if (IstFremdsprache(l.Fach[raster])) {
    if (raster == Wa1 && m_programm.laufzeit().ZweitesHalbjahrQ2()) {
      const int rolle = l.AbiWahl[AbiPosWa1];
      l.Schriftlich[Wa1] = rolle >= 1 && rolle <= 3 ? 1 : 0;
    } else {
      l.Schriftlich[static_cast<std::size_t>(raster)] = 1;
    }
  }
  SchriftlichkeitSetzen();
}

void TForm1::WahlFS1Change() {
  KursspalteLoeschen(NotenbuchKurs::FS1);
  FachAusBox(FS1, WahlFS1, FSWahl);
  Neuberechnen({Folge::EFAbwahl, Folge::Stunden});
}

void TForm1::WahlFS2Change() {
  KursspalteLoeschen(NotenbuchKurs::FS2);
  FachAusBox(FS2, WahlFS2, FSWahl);
  Neuberechnen({Folge::EFAbwahl, Folge::Stunden});
}

void TForm1::WahlNW1Change() {
  KursspalteLoeschen(NotenbuchKurs::NW1);
  FachAusBox(NW1, WahlNW1, NWWahl);
  Neuberechnen({Folge::Stunden});
}

void TForm1::WahlNW2Change() {
  KursspalteLoeschen(NotenbuchKurs::NW2);
  FachAusBox(NW2, WahlNW2, NWWahl);
  Neuberechnen({Folge::Stunden});
}

void TForm1::WahlGWChange() {
  Laufbahn& l = m_programm.laufbahn();
  const Zusatzkurse zusatzkurseVorher = m_programm.abgeleitet().zusatzkurse;
  const NotenbuchLayout vorher = NotenbuchLayoutBerechnen(l, zusatzkurseVorher);
  KursspalteLoeschen(NotenbuchKurs::GW);
  FachAusBox(GW, WahlGW, GWWahl);
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden});
  // The additional courses follow the social science: a column whose additional course
  // changed must not keep the points of the one before.
  const Zusatzkurse& zusatzkurse = m_programm.abgeleitet().zusatzkurse;
  const auto geaendert =
      GeaenderteSpalten(vorher, zusatzkurseVorher, NotenbuchLayoutBerechnen(l, zusatzkurse), zusatzkurse);
  for (int spalte = 1; spalte <= NotenSpalten; ++spalte) {
    if (geaendert[static_cast<std::size_t>(spalte)]) {
      l.NotenspalteLoeschen(spalte);
    }
  }
}

void TForm1::WahlEtChange() {
  KursspalteLoeschen(NotenbuchKurs::Et);
  FachAusBox(Et, WahlEt, EtWahl);
  Neuberechnen({Folge::Stunden});
}

void TForm1::WahlKMChange() {
  KursspalteLoeschen(NotenbuchKurs::KM);
  FachAusBox(KM, WahlKM, KMWahl);
  Neuberechnen({Folge::Stunden});
}

void TForm1::WahlWa1Change() {
  FachAusBox(Wa1, WahlWa1, WaWahl);
  Neuberechnen({Folge::EFAbwahl, Folge::Offenhaltung, Folge::Zusatzkurse, Folge::Stunden});
  KursspalteLoeschen(NotenbuchKurs::Wahlfach);
  WahlfachSpracheSchriftlich(Wa1);
}

void TForm1::WahlWa2Change() {
  FachAusBox(Wa2, WahlWa2, m_programm.laufbahn().EFModell == 3 ? Wahlzuordnung(VKWahl) : Wahlzuordnung(WaWahl));
  Neuberechnen({Folge::EFAbwahl, Folge::Offenhaltung, Folge::Stunden, Folge::NoteVeraltet});
  WahlfachSpracheSchriftlich(Wa2);
}

void TForm1::WahlVK10Change() {
  const int modell = m_programm.laufbahn().EFModell;
  FachAusBox(VK1, WahlVK10, modell == 2 || modell == 3 ? Wahlzuordnung(VKWahl) : Wahlzuordnung(WaWahl));
  Neuberechnen({Folge::Offenhaltung, Folge::Stunden, Folge::NoteVeraltet});
  WahlfachSpracheSchriftlich(VK1);
}

void TForm1::WahlPKChange() {
  KursspalteLoeschen(NotenbuchKurs::Projektkurs);
  FachAusBox(PK, WahlPK, PKWahl);
  Neuberechnen({Folge::Stunden});
}

void TForm1::WahlVK30Change() {
  FachAusBox(VK3, WahlVK30, VKWahl);
  Neuberechnen({Folge::Stunden, Folge::NoteVeraltet});
}

}  // namespace kelvaro
