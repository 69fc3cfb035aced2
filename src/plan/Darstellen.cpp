#include "plan/Faechermengen.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "sheet/Auswahl2027G9.h"

// Showing a plan that was replaced from outside the window, and the plan file.

namespace kelvaro {

void TForm1::LaufbahnDarstellen() {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  const int voll = z.Breite(VolleBreite);
  const int halb = z.Breite(HalbeBreite);

  for (int raster = 0; raster < RasterAnzahl; ++raster) {
    const FachTyp fach = l.Fach[static_cast<std::size_t>(raster)];
    FachSetzen(static_cast<RasterTyp>(raster), fach, FachName(fach));
  }
  Neuberechnen({Folge::Zusatzkurse, Folge::Stunden});
  SchriftlichVorgaben();

  static const char* const litTexte[] = {"Ku./Mu. bleibt", "Literatur", "vok.prak. GK", "inst.prak. GK"};
  if (l.LitWahl <= 3) {
    LitJNBox.setText(litTexte[l.LitWahl]);
  }

  const auto pkZeigen = [&](bool sichtbar) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&PK0, &WahlPK, &PK1}) {
      control->setVisible(sichtbar);
    }
  };
  switch (l.Q1Modell) {
    case 0:
      PKEntBox.setText("Projekt");
      pkZeigen(true);
      WahlSpalteSetzen(PK, PKListe);
      WahlSpalteSetzen(Wa1, WaListe);
      Wa12.setVisible(false);
      Wa13.setVisible(false);
      break;
    case 1:
      PKEntBox.setText("Wahlfach");
      pkZeigen(false);
      WahlSpalteSetzen(Wa1, WaListe);
      Wa12.setVisible(true);
      Wa13.setVisible(true);
      break;
    case 2:
      PKEntBox.setText("Pro.ku. + Wa.fa.");
      pkZeigen(true);
      WahlSpalteSetzen(PK, PKListe);
      WahlSpalteSetzen(Wa1, WaListe);
      Wa12.setVisible(true);
      Wa13.setVisible(true);
      break;
    default:
      break;
  }

  const bool vkQ22 = l.VKQ22 == 1;
  VK12JNBox.setText(vkQ22 ? "ja" : "nein");
  for (ui::Control* control : std::initializer_list<ui::Control*>{&VK30, &VK33, &WahlVK30}) {
    control->setVisible(vkQ22);
  }
  if (vkQ22) {
    WahlSpalteSetzen(VK3, VK3Liste);
  }

  static const char* const abwahlTexte[] = {"keine Abw.", "nach Q1.1", "nach Q1.2", "nach Q2.1"};
  for (auto [box, wert] : {std::pair{&AbwEtBox, l.AbwahlEt}, std::pair{&AbwKMBox, l.AbwahlKM}}) {
    if (wert == 0 || wert == 2 || wert == 3) {
      box->setText(abwahlTexte[wert]);
    }
  }
  if (l.AbwahlWa1 <= 3) {
    AbwWa1Box.setText(abwahlTexte[l.AbwahlWa1]);
  }

  // The EF model.
  std::uint8_t& merker = AbwEFMerker;
  const auto vk1Zeigen = [&](bool sichtbar) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&VK10, &WahlVK10, &VK11}) {
      control->setVisible(sichtbar);
    }
  };
  const auto efAbwahlZeigen = [&](bool sichtbar) {
    AbwEFLab.setVisible(sichtbar);
    AbwEFBox.setVisible(sichtbar);
  };
  switch (l.EFModell) {
    case 0:
      VK10EntBox.setText("kein VTK+11 GKs (2 Wa.fä., nur mit It10/F10)");
      WahlSpalteSetzen(Wa2, WaListe);
      VK10.setText("2. Wahlfach");
      vk1Zeigen(false);
      VK11.setWidth(voll);
      Wa21.setWidth(voll);
      efAbwahlZeigen(false);
      break;
    case 1:
      VK10EntBox.setText("kein VTK+12 GKs (3 Wahlfächer)");
      WahlSpalteSetzen(Wa2, WaListe);
      Wa20.setText("2. Wahlfach");
      WahlSpalteSetzen(VK1, WaListe);
      VK10.setText("3. Wahlfach");
      vk1Zeigen(true);
      if (l.AbwahlEF == 1) {
        merker = 0;
        VK11.setWidth(halb);
        AbwEFBox.setText("nach 1. Hj. EF");
      } else {
        merker = 1;
        VK11.setWidth(voll);
        AbwEFBox.setText("nach 2. Hj. EF");
      }
      efAbwahlZeigen(true);
      AbwEFLab.setText("Abwahl 3. Wahlfa:");
      Wa21.setWidth(voll);
      break;
    case 2: {
      VK10EntBox.setText("ein VTK+11 GKs (2 Wahlfächer)");
      WahlSpalteSetzen(Wa2, WaListe);
      Wa20.setText("2. Wahlfach");
      WahlSpalteSetzen(VK1, VK1Liste);
      VK10.setText("Vertief.k. Jg10");
      vk1Zeigen(true);
      VK11.setWidth(voll);
      const bool neuInFS = IstNeueSprache(l.Fach[FS1]) || (l.SchwerpunktFS == 1 && IstNeueSprache(l.Fach[FS2]));
      if (l.AbwahlEF == 1) {
        merker = 0;
        Wa21.setWidth(halb);
        AbwEFBox.setText("nach 1. Hj. EF");
      } else {
        const bool wa1Weiter = IstNeueSprache(l.Fach[Wa1]) && WahlfachInQ(l);
        merker = neuInFS || wa1Weiter ? 1 : 0;
        Wa21.setWidth(voll);
        AbwEFBox.setText("nach 2. Hj. EF");
      }
      const bool abwahlMoeglich = NeueSpracheErlaubtEFAbwahl(l);
      efAbwahlZeigen(abwahlMoeglich);
      if (abwahlMoeglich) {
        AbwEFLab.setText("Abwahl 2. Wahlfa:");
      }
      break;
    }
    case 3:
      VK10EntBox.setText("zwei VTK+10 GKs (1 Wahlfach)");
      WahlSpalteSetzen(Wa2, VK1Liste);
      WahlSpalteSetzen(VK1, VK1Liste);
      Wa20.setText("1.Vertief.k. Jg11");
      VK10.setText("2.Vertief.k. Jg11");
      vk1Zeigen(true);
      VK11.setWidth(voll);
      Wa21.setWidth(voll);
      efAbwahlZeigen(false);
      break;
    default:
      break;
  }

  for (RasterTyp raster : {FS1, FS2, NW1, NW2, Sp, GW, Et, KM, Wa1, Wa2, VK1, VK3, PK}) {
    const FachTyp fach = l.Fach[raster];
    if (fach != leer) {
      WahlBox[raster]->setText(FachWahltext(fach));
    } else if (raster == Sp) {
      WahlErsatzfach.setText("kein weiteres Ersatzfach");
    }
  }
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    const int rolle = l.AbiWahl[static_cast<std::size_t>(position)];
    ui::ChoiceBox& box = *AbiBox[static_cast<std::size_t>(position)];
    box.setText(AbiRolleText(rolle));
    box.setItemIndex(rolle);
  }

  AbiFS1.setVisible(true);
  AbiNW1.setVisible(true);
  const bool sprachen = l.SchwerpunktFS == 1;
  Schwerpunkt.setText(sprachen ? "Fremdsprachlicher Schwerpunkt" : "Naturwissenschaftlicher Schwerpunkt");
  for (ui::Control* control : std::initializer_list<ui::Control*>{&AbiFS2, &FS20, &WahlFS2, &FS21, &FS22, &FS23}) {
    control->setVisible(sprachen);
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{&AbiNW2, &NW20, &WahlNW2, &NW21, &NW22, &NW23}) {
    control->setVisible(!sprachen);
  }
  OffenhaltungSetzen();

  for (ui::ChoiceBox* box : {&AbiDeu, &AbiMa, &AbiKM, &AbiEt, &AbiGW, &AbiSp, &AbiWa1}) {
    box->setVisible(true);
  }
  AbiLeerVerborgen = 0;
  AufraeumenBut.setText("leere Abiturfächer verbergen");
  AufraeumenBut.setHint("blendet nicht gewählte Abiturfächer aus");

  SchriftlichkeitSetzen();
  ErsatzfachDarstellen();

  // Teacher mode names the student here once the stage list exists; students see the edition.
  if (z.Lehrermodus == 0) {
    VersionsLab.setText("Abiturjahrgang " + z.edition.Abiturjahrgang + " G9 - Version " + z.edition.Version);
    LehrerVersionsLab.setVisible(false);
  } else {
    const StufenSchuelerTyp* schueler = m_programm.stufenstand().Aktuell();
    if (z.StufeGeladen == 1 && schueler != nullptr && schueler->InListe == 1) {
      VersionsLab.setText(schueler->Vorname + " " + schueler->Nachname + ", Abi " + z.edition.Abiturjahrgang);
    } else {
      VersionsLab.setText(z.Dateiname);
    }
    LehrerVersionsLab.setText(" G9 - Version " + z.edition.Version);
    LehrerVersionsLab.setVisible(true);
  }
}

void TForm1::SchriftlichVorgaben() {
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  const auto regel = [&](RasterTyp raster, int rolle) {
    std::uint8_t& flag = l.Schriftlich[raster];
    const bool deutschMathe = raster == De || raster == Ma;
    if (z.Stufe == 0) {
      if (IstFremdsprache(l.Fach[raster]) || deutschMathe) {
        flag = 1;
      }
    } else if (!z.ZweitesHalbjahrQ2()) {
      if (raster == FS1 || raster == FS2 || (rolle >= 1 && rolle <= 4) || deutschMathe) {
        flag = 1;
      }
    } else {
      flag = rolle >= 1 && rolle <= 3 ? 1 : 0;
    }
  };
  const int rolleWa1 = l.AbiWahl[AbiPosWa1];
  if (z.Stufe == 0) {
    regel(Wa1, rolleWa1);
    if (l.EFModell < 3) {
      regel(Wa2, rolleWa1);
    }
    if (l.EFModell == 1) {
      regel(VK1, rolleWa1);
    }
    for (RasterTyp raster : {De, Ma, FS1, FS2}) {
      l.Schriftlich[raster] = 1;
    }
    if (l.ErsatzfachAktiv == 0) {
      l.Schriftlich[Sp] = 0;
    }
    return;
  }
  for (RasterTyp raster : {FS1, FS2, NW1, NW2, Ma, De, Sp, GW, Et, KM}) {
    regel(raster, l.AbiWahl[static_cast<std::size_t>(RasterAbiPosition(raster))]);
  }
  if (WahlfachInQ(l)) {
    regel(Wa1, rolleWa1);
  }
}

bool TForm1::DateiSpeichern(const std::filesystem::path& pfad) {
  Laufbahn& l = m_programm.laufbahn();
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    const int index = AbiBox[static_cast<std::size_t>(position)]->itemIndex();
    l.AbiWahl[static_cast<std::size_t>(position)] = index < 0 ? 0 : index;
  }
  if (const auto fehler = PlanDateiSchreiben(pfad, l)) {
    m_programm.dialogs().showMessage(*fehler);
    return false;
  }
  return true;
}

bool TForm1::SchuelerLaden() {
  Laufzeit& z = m_programm.laufzeit();
  // The file is read into a copy: a file that cannot be read or holds values the program
  // does not know leaves the plan on screen as it was.
  Laufbahn gelesen = m_programm.laufbahn();
  const PlanLadeErgebnis ergebnis = PlanDateiLesen(z.Dateipfad, gelesen);
  if (ergebnis.fehler) {
    m_programm.dialogs().showMessage(*ergebnis.fehler);
    return false;
  }
  if (const auto unbekannt = UnbekannterPlanwert(gelesen)) {
    m_programm.dialogs().showMessage("Die Datei \"" + z.Dateipfad.string() +
                                     "\" ist keine gültige Laufbahndatei: " + *unbekannt + ".");
    return false;
  }
  m_programm.laufbahn() = gelesen;
  LadekorrekturenAnwenden(m_programm.laufbahn());
  LaufbahnDarstellen();
  return true;
}

void TForm1::DateiLadenClick() {
  const Laufzeit& z = m_programm.laufzeit();
  // In teacher mode the stage's students are picked from the stage table instead.
  if (z.Lehrermodus == 1 && z.StufeGeladen == 1 && m_programm.stufenstand().Schuelerzahl() > 0) {
    m_programm.auswahlfenster().Zeigen();
    return;
  }
  DateiAusDialogLaden();
}

void TForm1::DateiAusDialogLaden() {
  Laufzeit& z = m_programm.laufzeit();
  const auto pfad = m_programm.dialogs().openFile();
  if (!pfad) {
    return;
  }
  const std::filesystem::path alterPfad = z.Dateipfad;
  const std::string alterName = z.Dateiname;
  z.Dateipfad = *pfad;
  std::string name = pfad->filename().string();
  if (const auto trenner = name.rfind('\\'); trenner != std::string::npos) {
    name.erase(0, trenner + 1);
  }
  z.Dateiname = name;
  if (!SchuelerLaden()) {
    // The plan on screen is still the old one, and so is its file.
    z.Dateipfad = alterPfad;
    z.Dateiname = alterName;
  }
}

void TForm1::DateiSpeichernClick() {
  const Laufzeit& z = m_programm.laufzeit();
  std::filesystem::path verzeichnis;
  std::string vorschlag;
  if (z.StufeGeladen == 1) {
    verzeichnis = z.Stufenverzeichnis / StufenOrdner(z.Stufe);
    vorschlag = z.Dateiname;
  }
  auto pfad = m_programm.dialogs().saveFile(verzeichnis, vorschlag);
  if (!pfad) {
    return;
  }
  if (pfad->string().find('.') == std::string::npos) {
    *pfad += ".abi";
  }
  DateiSpeichern(*pfad);
}

}  // namespace kelvaro
