#include "plan/Kelvaro2027G9.h"

#include "evaluation/Schriftlichkeit.h"
#include "evaluation/StundenzahlAnzeige.h"
#include "plan/Kurszahl.h"
#include "plan/Programm.h"

namespace kelvaro {

namespace {

using ui::Farbe;
namespace farben = ui::farben;

constexpr int VolleBreite = 145;
constexpr int HalbeBreite = 81;

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
  Anfangszustand();
  for (int zeile = 0; zeile < 13; ++zeile) {
    if (zeile == De || zeile == Ma) {
      continue;  // German and mathematics have no click handler
    }
    SchriftlBox[static_cast<std::size_t>(zeile)]->onClick([this, zeile] { SchriftlBoxChange(zeile); });
  }
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
                                                                  &FaecherEdit}) {
    add(*control);
  }
}

// The states the window has before start-up runs.
void TForm1::Anfangszustand() {
  struct Zeilenfarbe {
    std::initializer_list<ui::Control*> controls;
    Farbe farbe;
  };
  const Zeilenfarbe zeilenfarben[] = {
      {{&FS11, &FS12, &FS13, &FS21, &FS22, &FS23, &AbiFS1, &AbiFS2}, farben::Rot},
      {{&NW11, &NW12, &NW13, &NW21, &NW22, &NW23, &AbiNW1, &AbiNW2}, farben::Limette},
      {{&Deu1, &Deu2, &Deu3, &AbiDeu}, farben::Orange},
      {{&Edit15, &Edit16, &Edit17, &AbiMa}, farben::Gruen},
      {{&SP1, &Sp2, &Sp3, &Sp1a, &SP2a, &Sp3a, &AbiSp}, farben::InaktiveTitelleiste},
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
  for (ui::EditField* zelle : {&Deu1, &Deu2, &Deu3}) {
    zelle->setText("Deutsch");
  }
  for (ui::EditField* zelle : {&Edit15, &Edit16, &Edit17}) {
    zelle->setText("Mathematik");
  }
  for (ui::EditField* zelle : {&SP1, &Sp2, &Sp3}) {
    zelle->setText("Sport");
  }
  for (ui::EditField* zelle : {&Sp1a, &SP2a, &Sp3a}) {
    zelle->setVisible(false);
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

  Wa20.setText(std::string(RasterBeschriftung(Wa2)));
  VK10.setText(std::string(RasterBeschriftung(VK1)));
  PK0.setText(std::string(RasterBeschriftung(PK)));
  VK30.setText(std::string(RasterBeschriftung(VK3)));

  Offenhaltung1.setFontSize(11);
  Offenhaltung2.setFontSize(11);
  Offenhaltung3.setFontSize(11);
  for (ui::Control* label : {&Offenhaltung1, &Offenhaltung2, &Offenhaltung3}) {
    label->setVisible(false);
  }

  Fuellen(Schwerpunkt, {"Naturwissenschaftlicher Schwerpunkt", "Fremdsprachlicher Schwerpunkt"});
  Fuellen(VK10EntBox, {"kein VTK+11 GKs (2 Wa.fä., nur m. It11/F11)", "kein VTK+12 GKs (3 Wahlfächer)",
                       "ein VTK+11 GKs (2 Wahlfächer)", "zwei VTK+10 GKs (1 Wahlfach)"});
  Fuellen(AbwEFBox, {"nach 1. Hj. EF", "nach 2. Hj. EF"});
  AbwEFBox.setVisible(false);
  AbwEFLab.setVisible(false);
  Fuellen(PKEntBox, {"Projektkurs", "Pro.ku. + Wa.fa."});
  Fuellen(LitJNBox, {"Ku./Mu. bleibt", "vok.prak. GK"});
  Fuellen(VK12JNBox, {"ja", "nein"});
  Fuellen(AbwKMBox, {"keine Abw.", "nach Q1.2", "nach Q2.1"});
  Fuellen(AbwEtBox, {"keine Abw.", "nach Q1.2", "nach Q2.1"});
  Fuellen(AbwWa1Box, {"keine Abw.", "nach Q1.1", "nach Q1.2", "nach Q2.1"});
  AbwKMLab.setText("Abwahl Kun./Mus./Lit.:");
  AbwEtLab.setText("Abwahl Rel./Phil.:");
  AbwWa1Lab.setText("Abwahl 1. Wahlf.:");

  Panel1.setText("");
  AbwaehlbarLabel.setText("abwählbar");
  TestEdit.setVisible(false);
  FaecherEdit.setVisible(false);
}

void TForm1::FormCreate() {
  Laufbahn& l = m_programm.laufbahn();
  Laufzeit& z = m_programm.laufzeit();

  z.heute = m_programm.platform().today();
  z.saison = SaisonBestimmen(z.Stufe, z.heute.monat);
  z.Abgabetag = z.edition.AbgabeTag[z.Wahlphase() - 1];
  z.Abgabedatum = z.edition.AbgabeDatum[z.Wahlphase() - 1];
  z.Veraltet = IstVeraltet(z.edition.Programmjahr, z.heute) ? 1 : 0;
  l.AbiNoteBerechnet = 0;

  // The empty plan.
  l = Laufbahn{};
  Wa12.setVisible(false);
  Wa13.setVisible(false);
  VK10EntBox.setText("ein VTK+11 GKs (2 Wahlfächer)");
  m_programm.abgeleitet().AbwEFMerker = 0;
  WahlSpalteSetzen(FS1, FSListe);
  WahlSpalteSetzen(FS2, FSListe);
  WahlSpalteSetzen(NW1, NWListe);
  WahlSpalteSetzen(NW2, NWListe);
  for (RasterTyp raster : {FS1, FS2, NW1, NW2}) {
    FachSetzen(raster, leer, "");
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Deu1, &Deu2, &Deu3, &AbiDeu}) {
    control->setColor(farben::Orange);
  }
  WahlSpalteSetzen(Sp, ErsatzfachListe);
  l.Fach[Sp] = Bi;
  const std::pair<RasterTyp, const TextfeldTyp*> listen[] = {{GW, &GWListe},  {Et, &EtListe},  {KM, &KMListe},
                                                             {Wa1, &WaListe}, {Wa2, &WaListe}, {VK1, &VK1Liste},
                                                             {PK, &PKListe},  {VK3, &VK3Liste}};
  for (const auto& [raster, liste] : listen) {
    WahlSpalteSetzen(raster, *liste);
    FachSetzen(raster, leer, "");
  }
  m_programm.abgeleitet().AbiLeerVerborgen = 0;
  for (ui::Control* control : std::initializer_list<ui::Control*>{&VK30, &WahlVK30, &VK33}) {
    control->setVisible(false);
  }
  AbwKMBox.setEnabled(false);
  AbwKMLab.setEnabled(false);
  AbwEtBox.setEnabled(false);
  AbwEtLab.setEnabled(false);
  AbwWa1Box.setEnabled(true);
  AbwWa1Lab.setEnabled(true);
  ZusatzkurseSetzen();
  StundenzahlBerechnen();
  for (ui::ChoiceBox* box : AbiBox) {
    box->setItemIndex(0);
  }
  for (ui::ChoiceBox* box : {&VK10EntBox}) {
    box->setItemIndex(2);
  }
  for (ui::ChoiceBox* box : {&AbwKMBox, &AbwEtBox, &AbwWa1Box, &PKEntBox, &LitJNBox, &VK12JNBox, &Schwerpunkt}) {
    box->setItemIndex(0);
  }
  LitJNBox.setText("Ku./Mu. bleibt");
  VK12JNBox.setText("nein");

  const bool q22 = z.ZweitesHalbjahrQ2();
  l.Schriftlich.fill(0);
  for (RasterTyp raster : {FS1, FS2, De, Ma}) {
    l.Schriftlich[raster] = q22 ? 0 : 1;
  }
  SchriftlichkeitSetzen();
  z.Startaktion = 0;
}

void TForm1::PlanNeuBerechnen() {
  ZusatzkurseSetzen();
  StundenzahlBerechnen();
  KurszahlSetzen();
  SchriftlichkeitSetzen();
}

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

void TForm1::StundenzahlBerechnen() {
  kelvaro::StundenzahlBerechnen(*this);
}

void TForm1::SchriftlichkeitSetzen() {
  kelvaro::SchriftlichkeitSetzen(*this);
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
