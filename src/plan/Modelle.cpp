#include "plan/Faechermengen.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// The EF model, the EF drop box, the Q-phase model, the Q2.2 deep-dive course, the Q2
// replacement of art or music and the three Q-phase deselections.

namespace kelvaro {

void TForm1::ZeileLeeren(RasterTyp raster, const TextfeldTyp& liste) {
  WahlSpalteSetzen(raster, liste);
  FachSetzen(raster, leer, "");
}

void TForm1::UntereZeilenLeeren() {
  const std::pair<RasterTyp, const TextfeldTyp*> listen[] = {{GW, &GWListe},  {Et, &EtListe},  {KM, &KMListe},
                                                             {Wa1, &WaListe}, {Wa2, &WaListe}, {VK1, &VK1Liste},
                                                             {PK, &PKListe},  {VK3, &VK3Liste}};
  for (const auto& [raster, liste] : listen) {
    ZeileLeeren(raster, *liste);
  }
}

void TForm1::SchriftlichStartwerte() {
  Laufbahn& l = m_programm.laufbahn();
  const bool zweitesHalbjahrQ2 = m_programm.laufzeit().ZweitesHalbjahrQ2();
  l.Schriftlich[NW1] = 0;
  l.Schriftlich[NW2] = 0;
  for (RasterTyp raster : {FS1, FS2, De, Ma}) {
    l.Schriftlich[raster] = zweitesHalbjahrQ2 ? 0 : 1;
  }
  for (int raster = Sp; raster <= VK1; ++raster) {
    l.Schriftlich[static_cast<std::size_t>(raster)] = 0;
  }
}

void TForm1::VK10EntBoxChange() {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  std::uint8_t& merker = AbwEFMerker;
  const int voll = z.Breite(VolleBreite);
  const int halb = z.Breite(HalbeBreite);
  const std::string& text = VK10EntBox.text();
  const auto vonModell3Zurueck = [&] {
    if (l.EFModell == 3) {
      Wa20.setText("2. Wahlfach");
      ZeileLeeren(Wa2, WaListe);
    }
  };
  const auto vk1Zeigen = [&](bool sichtbar) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&VK10, &WahlVK10, &VK11}) {
      control->setVisible(sichtbar);
    }
  };
  const auto abwahlVerbergen = [&] {
    AbwEFLab.setVisible(false);
    AbwEFBox.setVisible(false);
    l.AbwahlEF = 0;
    AbwEFBox.setText("nach 2. Hj. EF");
  };

  if (text == "ein VTK+11 GKs (2 Wahlfächer)") {
    vonModell3Zurueck();
    VK10.setText("Vertief.k. Jg11");
    vk1Zeigen(true);
    ZeileLeeren(VK1, VK1Liste);
    l.EFModell = 2;
    if (NeueSpracheErlaubtEFAbwahl(l)) {
      Wa21.setWidth(halb);
      l.AbwahlEF = 1;
      AbwEFBox.setText("nach 1. Hj. EF");
      AbwEFLab.setVisible(true);
      AbwEFBox.setVisible(true);
      AbwEFLab.setText("Abwahl 2. Wahlfa:");
    } else {
      Wa21.setWidth(voll);
      abwahlVerbergen();
    }
    merker = 0;
    VK11.setWidth(voll);
  } else if (text == "zwei VTK+10 GKs (1 Wahlfach)") {
    Wa20.setText("1.Vertief.k. Jg11");
    VK10.setText("2.Vertief.k. Jg11");
    vk1Zeigen(true);
    ZeileLeeren(Wa2, VK1Liste);
    ZeileLeeren(VK1, VK1Liste);
    l.EFModell = 3;
    VK11.setWidth(voll);
    Wa21.setWidth(voll);
    abwahlVerbergen();
    merker = 0;
  } else if (text == "kein VTK+11 GKs (2 Wa.fä., nur m. It11/F11)") {
    vonModell3Zurueck();
    VK10.setText("");
    vk1Zeigen(false);
    l.Fach[VK1] = leer;
    VK11.setText("");
    l.EFModell = 0;
    VK11.setWidth(voll);
    Wa21.setWidth(voll);
    abwahlVerbergen();
    merker = 0;
  } else if (text == "kein VTK+12 GKs (3 Wahlfächer)") {
    vonModell3Zurueck();
    VK10.setText("3. Wahlfach");
    vk1Zeigen(true);
    ZeileLeeren(VK1, Wa3Liste);
    l.EFModell = 1;
    AbwEFLab.setVisible(true);
    AbwEFBox.setVisible(true);
    AbwEFLab.setText("Abwahl 3. Wahlfa:");
    l.AbwahlEF = 1;
    AbwEFBox.setText("nach 1. Hj. EF");
    VK11.setWidth(halb);
    Wa21.setWidth(voll);
    merker = 0;
  }
  Neuberechnen({Folge::Offenhaltung, Folge::Stunden, Folge::NoteVeraltet, Folge::Schriftlichkeit});
}

void TForm1::AbwEFBoxChange() {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  ui::EditField& zelle = l.EFModell == 1 ? VK11 : Wa21;
  const bool nachErstemHalbjahr = AbwEFBox.text() == "nach 1. Hj. EF";
  // The drop box is shown in models 1 and 2 only; other models have no droppable cell.
  if (l.EFModell == 1 || l.EFModell == 2) {
    zelle.setWidth(z.Breite(nachErstemHalbjahr ? HalbeBreite : VolleBreite));
  }
  l.AbwahlEF = nachErstemHalbjahr ? 1 : 0;
  AbwEFMerker = nachErstemHalbjahr ? 0 : 1;
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden, Folge::Schriftlichkeit, Folge::Offenhaltung});
}

void TForm1::WahlfachWeiterfuehren() {
  Laufbahn& l = m_programm.laufbahn();
  Wa12.setVisible(true);
  Wa13.setVisible(true);
  const std::string& text = FachName(l.Fach[Wa1]);
  Wa11.setText(text);
  Wa12.setText(text);
  Wa13.setText(text);
  const int rolle = l.AbiWahl[AbiPosWa1];
  if (m_programm.laufzeit().ZweitesHalbjahrQ2()) {
    l.Schriftlich[Wa1] = rolle >= 1 && rolle <= 3 ? 1 : 0;
  } else if (rolle >= 1 && rolle <= 4) {
    l.Schriftlich[Wa1] = 1;
  }
}

void TForm1::PKEntBoxChange() {
  Laufbahn& l = m_programm.laufbahn();
  const std::string& text = PKEntBox.text();
  // A subject chosen before stays visible in its box, by its grid text.
  const auto zeigtFach = [&l](ui::ChoiceBox& box, RasterTyp raster) {
    if (l.Fach[raster] != leer) {
      box.setText(FachName(l.Fach[raster]));
    }
  };
  // The continued elective and the project course stand in the columns after the arts.
  const auto modellSetzen = [&](std::uint8_t modell) {
    l.Q1Modell = modell;
    KursspalteLoeschen(NotenbuchKurs::Wahlfach);
    KursspalteLoeschen(NotenbuchKurs::Projektkurs);
  };
  if (text == "Projektkurs") {
    modellSetzen(0);
    PK0.setVisible(true);
    WahlPK.setVisible(true);
    WahlSpalteSetzen(PK, PKListe);
    WahlSpalteSetzen(Wa1, WaListe);
    zeigtFach(WahlWa1, Wa1);
    Wa12.setText("");
    Wa12.setVisible(false);
    Wa13.setVisible(false);
    PK1.setVisible(true);
    AbwWa1Lab.setEnabled(false);
    AbwWa1Box.setEnabled(false);
    l.AbwahlWa1 = 0;
    AbwWa1Box.setText("keine Abwahl");
  } else if (text == "Wahlfach") {
    modellSetzen(1);
    PK0.setVisible(false);
    WahlPK.setVisible(false);
    l.Fach[PK] = leer;
    PK1.setText("");
    PK1.setVisible(false);
    WahlSpalteSetzen(Wa1, WaListe);
    zeigtFach(WahlWa1, Wa1);
    WahlfachWeiterfuehren();
  } else if (text == "Pro.ku. + Wa.fa.") {
    modellSetzen(2);
    PK0.setVisible(true);
    WahlPK.setVisible(true);
    PK1.setVisible(true);
    WahlSpalteSetzen(PK, PKListe);
    WahlSpalteSetzen(Wa1, WaListe);
    zeigtFach(WahlWa1, Wa1);
    zeigtFach(WahlPK, PK);
    WahlfachWeiterfuehren();
  }
  Neuberechnen({Folge::Offenhaltung, Folge::Zusatzkurse, Folge::Stunden, Folge::Schriftlichkeit});
}

void TForm1::VK12JNBoxChange() {
  Laufbahn& l = m_programm.laufbahn();
  const bool ja = VK12JNBox.text() == "ja";
  l.VKQ22 = ja ? 1 : 0;
  for (ui::Control* control : std::initializer_list<ui::Control*>{&VK30, &VK33, &WahlVK30}) {
    control->setVisible(ja);
  }
  l.Fach[VK3] = leer;
  VK33.setText("");
  WahlSpalteSetzen(VK3, VK3Liste);
  Neuberechnen({Folge::Stunden, Folge::NoteVeraltet});
}

void TForm1::LitJNBoxChange() {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  KursspalteLoeschen(NotenbuchKurs::KunstErsatz);
  struct Ersatz {
    const char* box;
    const char* zelle;
    std::uint8_t litWahl;
  };
  static constexpr Ersatz ersaetze[] = {
      {"Literatur", "Literatur", 1}, {"vok.prak. GK", "vokalprak. GK", 2}, {"inst.prak. GK", "inst.prak. GK", 3}};
  const std::string& text = LitJNBox.text();
  bool erkannt = false;
  for (const Ersatz& ersatz : ersaetze) {
    if (text == ersatz.box) {
      KM3.setText(ersatz.zelle);
      KM3.setVisible(true);
      l.LitWahl = ersatz.litWahl;
      l.AbwahlKM = 0;
      AbwKMBox.setText("keine Abw.");
      if (z.Stufe == 2) {
        SchriftlBoxSetzen(KM, false);
      }
      erkannt = true;
    }
  }
  if (!erkannt && text == "Ku./Mu. bleibt") {
    const FachTyp kunst = l.Fach[KM];
    if (kunst == leer || kunst == Ku || kunst == Mu) {
      KM3.setText(FachName(kunst));
    }
    l.LitWahl = 0;
    const bool klausurwahl = z.Stufe == 1 || (z.Stufe == 2 && z.Wahlphase() < 3);
    if (klausurwahl && l.AbiWahl[AbiPosKM] > 0) {
      l.Schriftlich[KM] = 1;
    }
  }
  // A replacement chosen now gets a column of its own, which must not keep old points.
  if (erkannt) {
    KursspalteLoeschen(NotenbuchKurs::KunstErsatz);
  }
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden, Folge::NoteVeraltet, Folge::Schriftlichkeit});
}

void TForm1::AbwahlAusBox(ui::ChoiceBox& box, std::uint8_t& abwahl, bool nachQ11Erlaubt) {
  const std::string& text = box.text();
  if (text == "keine Abw.") {
    abwahl = 0;
  } else if (text == "nach Q1.1" && nachQ11Erlaubt) {
    abwahl = 1;
  } else if (text == "nach Q1.2") {
    abwahl = 2;
  } else if (text == "nach Q2.1") {
    abwahl = 3;
  }
}

void TForm1::AbwahlKMChange() {
  Laufbahn& l = m_programm.laufbahn();
  AbwahlAusBox(AbwKMBox, l.AbwahlKM, false);
  const bool abgewaehlt = AbwKMBox.text() == "nach Q1.2" || AbwKMBox.text() == "nach Q2.1";
  if (abgewaehlt && l.LitWahl != 0) {
    l.LitWahl = 0;
    LitJNBox.setText("Ku./Mu. bleibt");
    KM3.setText(FachName(l.Fach[KM]));
  }
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden, Folge::NoteVeraltet, Folge::Schriftlichkeit});
}

void TForm1::AbwahlEtChange() {
  Laufbahn& l = m_programm.laufbahn();
  AbwahlAusBox(AbwEtBox, l.AbwahlEt, false);
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden, Folge::NoteVeraltet, Folge::Schriftlichkeit});
}

void TForm1::AbwahlWa1Change() {
  Laufbahn& l = m_programm.laufbahn();
  AbwahlAusBox(AbwWa1Box, l.AbwahlWa1, true);
  Neuberechnen({Folge::Offenhaltung, Folge::Zusatzkurse, Folge::Stunden, Folge::NoteVeraltet, Folge::Schriftlichkeit});
}

}  // namespace kelvaro
