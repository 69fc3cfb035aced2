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
  const bool wahlfachQ = l.Q1Modell == 1 || l.Q1Modell == 2;
  const auto bisInQ = [&l] { return (l.AbwahlWa1 == 1 || l.AbwahlWa1 == 2) ? "bis in JgSt Q1" : "bis in JgSt Q2"; };

  // Whether the electives keep the other focus open: one set of subjects per focus.
  const auto offen = [&l](auto haelt) {
    return haelt(l.Fach[Wa1]) || (haelt(l.Fach[Wa2]) && l.EFModell < 3) || (haelt(l.Fach[VK1]) && l.EFModell == 1);
  };
  const auto bisEndeEF = [&l](auto haelt) {
    return haelt(l.Fach[Wa1]) || (haelt(l.Fach[Wa2]) && (l.EFModell < 2 || (l.EFModell == 2 && l.AbwahlEF == 0))) ||
           (haelt(l.Fach[VK1]) && l.EFModell == 1 && l.AbwahlEF == 0);
  };
  const auto sprache = [](FachTyp f) { return f == E5 || f == I0 || f == F7 || f == I9; };
  const auto naturwiss = [](FachTyp f) { return f == Bi || f == Ch || f == Ph; };

  if (l.SchwerpunktFS == 0 && offen(sprache)) {
    zeigen("Offenhaltung fremd-", "sprachl. Schwerpunkt", "bis Ende JgSt EF.1");
    if (bisEndeEF(sprache)) {
      Offenhaltung3.setText("bis Ende JgSt EF");
      if (sprache(l.Fach[Wa1]) && wahlfachQ && l.Schriftlich[Wa1] == 1) {
        Offenhaltung3.setText(bisInQ());
      }
    }
  }
  if (l.SchwerpunktFS == 1 && offen(naturwiss)) {
    zeigen("Offenhaltung natur-", "wiss. Schwerpunkt", "bis Ende JgSt EF.1");
    if (bisEndeEF(naturwiss)) {
      Offenhaltung3.setText("bis Ende JgSt EF");
      if (naturwiss(l.Fach[Wa1]) && wahlfachQ) {
        Offenhaltung3.setText(bisInQ());
      }
    }
  }
}

void TForm1::FS11TestfuerAbEFEnt() {
  Laufbahn& l = m_programm.laufbahn();
  Laufzeit& z = m_programm.laufzeit();
  if (l.EFModell != 2) {
    return;
  }
  const bool neueSprache = IstNeueSprache(l.Fach[FS1]) || (l.SchwerpunktFS == 1 && IstNeueSprache(l.Fach[FS2])) ||
                           IstNeueSprache(l.Fach[Wa1]) || IstNeueSprache(l.Fach[Wa2]);
  std::uint8_t& merker = m_programm.abgeleitet().AbwEFMerker;
  if (!neueSprache) {
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

void TForm1::FachAusBox(RasterTyp raster, ui::ChoiceBox& box, std::span<const Zuordnung> zuordnung) {
  if (box.itemIndex() < 0) {
    box.setItemIndex(0);
  }
  for (const Zuordnung& eintrag : zuordnung) {
    if (box.text() == eintrag.text) {
      FachSetzen(raster, eintrag.fach, FachName(eintrag.fach));
      return;
    }
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

namespace {

using Z = TForm1::Zuordnung;

constexpr Z Fremdsprachen[] = {
    {"Englisch (ab 5)", E5}, {"Französisch (ab 7)", F7}, {"Italienisch (ab 9)", I9}, {"Italienisch (ab 11)", I0}};
constexpr Z Naturwissenschaften[] = {{"Biologie", Bi}, {"Physik", Ph}, {"Chemie", Ch}, {"Informatik", Inf}};
constexpr Z Gesellschaft[] = {{"Geschichte", Ge}, {"Sozialwiss.", Sw}, {"Erdkunde", Erd}};
constexpr Z Religion[] = {{"evan. Religion", eR}, {"kath. Religion", kR}, {"Philosophie", Pl}};
constexpr Z Kuenste[] = {{"Kunst", Ku}, {"Musik", Mu}};
constexpr Z Wahlfaecher[] = {{"Biologie", Bi},
                             {"Physik", Ph},
                             {"Chemie", Ch},
                             {"Informatik", Inf},
                             {"Englisch (ab 5)", E5},
                             {"Französisch (ab 7)", F7},
                             {"Latein (ab 7)", L7},
                             {"Italienisch (ab 9)", I9},
                             {"Italienisch (ab 11)", I0},
                             {"Geschichte", Ge},
                             {"Sozialwiss.", Sw},
                             {"Erdkunde", Erd},
                             {"Kunst", Ku},
                             {"Musik", Mu}};
constexpr Z Vertiefungen[] = {{"VK Deutsch", VKD}, {"VK Englisch", VKE}, {"VK Mathem.", VKM}};
constexpr Z Projekte[] = {{"Schüler experi.", PKSE},  {"Schülerfirma", PKSF}, {"Künstl. Gestalten", PKKG},
                          {"Theater und Lit.", PKTL}, {"Lerntraining", PKLT}, {"Podcast", PKPC}};

}  // namespace

void TForm1::WahlFS1Change() {
  m_programm.laufbahn().NotenspalteLoeschen(1);
  FachAusBox(FS1, WahlFS1, Fremdsprachen);
  FS11TestfuerAbEFEnt();
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlFS2Change() {
  m_programm.laufbahn().NotenspalteLoeschen(2);
  FachAusBox(FS2, WahlFS2, Fremdsprachen);
  FS11TestfuerAbEFEnt();
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlNW1Change() {
  Laufbahn& l = m_programm.laufbahn();
  l.NotenspalteLoeschen(l.SchwerpunktFS == 1 ? 3 : 2);
  FachAusBox(NW1, WahlNW1, Naturwissenschaften);
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlNW2Change() {
  m_programm.laufbahn().NotenspalteLoeschen(3);
  FachAusBox(NW2, WahlNW2, Naturwissenschaften);
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlGWChange() {
  m_programm.laufbahn().NotenspalteLoeschen(7);
  m_programm.laufbahn().NotenspalteLoeschen(8);
  FachAusBox(GW, WahlGW, Gesellschaft);
  ZusatzkurseSetzen();
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlEtChange() {
  m_programm.laufbahn().NotenspalteLoeschen(9);
  FachAusBox(Et, WahlEt, Religion);
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlKMChange() {
  m_programm.laufbahn().NotenspalteLoeschen(10);
  FachAusBox(KM, WahlKM, Kuenste);
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlWa1Change() {
  Laufbahn& l = m_programm.laufbahn();
  FachAusBox(Wa1, WahlWa1, Wahlfaecher);
  FS11TestfuerAbEFEnt();
  OffenhaltungSetzen();
  ZusatzkurseSetzen();
  StundenzahlBerechnen();
  KurszahlSetzen();
  l.NotenspalteLoeschen(l.Q1Modell == 1 || l.Q1Modell == 2 ? 10 : 0);
  WahlfachSpracheSchriftlich(Wa1);
}

void TForm1::WahlWa2Change() {
  const bool vertiefung = m_programm.laufbahn().EFModell == 3;
  if (vertiefung) {
    FachAusBox(Wa2, WahlWa2, Vertiefungen);
  } else {
    FachAusBox(Wa2, WahlWa2, Wahlfaecher);
  }
  FS11TestfuerAbEFEnt();
  OffenhaltungSetzen();
  StundenzahlBerechnen();
  KurszahlSetzen();
  m_programm.laufbahn().NotenspalteLoeschen(0);
  WahlfachSpracheSchriftlich(Wa2);
}

void TForm1::WahlVK10Change() {
  const int modell = m_programm.laufbahn().EFModell;
  if (modell == 2 || modell == 3) {
    FachAusBox(VK1, WahlVK10, Vertiefungen);
  } else {
    FachAusBox(VK1, WahlVK10, Wahlfaecher);
  }
  OffenhaltungSetzen();
  StundenzahlBerechnen();
  KurszahlSetzen();
  m_programm.laufbahn().NotenspalteLoeschen(0);
  WahlfachSpracheSchriftlich(VK1);
}

void TForm1::WahlPKChange() {
  Laufbahn& l = m_programm.laufbahn();
  if (l.Q1Modell == 0) {
    l.NotenspalteLoeschen(10);
  } else if (l.Q1Modell == 2) {
    l.NotenspalteLoeschen(11);
  }
  FachAusBox(PK, WahlPK, Projekte);
  StundenzahlBerechnen();
  KurszahlSetzen();
}

void TForm1::WahlVK30Change() {
  FachAusBox(VK3, WahlVK30, Vertiefungen);
  StundenzahlBerechnen();
  KurszahlSetzen();
  m_programm.laufbahn().NotenspalteLoeschen(0);
}

}  // namespace kelvaro
