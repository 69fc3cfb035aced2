#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// The focus (second foreign language or second science) and the replacement subject for
// sport with its split sport row.

namespace kelvaro {

void TForm1::SchwerpunktChange() {
  SchwerpunktSetzen();
}

void TForm1::SchwerpunktSetzen() {
  Laufbahn& l = m_programm.laufbahn();
  const bool zweitesHalbjahrQ2 = m_programm.laufzeit().ZweitesHalbjahrQ2();
  const auto zeileZeigen = [](ui::Label& label, ui::ChoiceBox& wahl, ui::ChoiceBox& abi,
                              std::initializer_list<ui::EditField*> zellen) {
    label.setVisible(true);
    for (ui::EditField* zelle : zellen) {
      zelle->setVisible(true);
    }
    wahl.setVisible(true);
    abi.setVisible(true);
    abi.setText("");
    abi.setItemIndex(0);
  };
  const auto zeileVerbergen = [](ui::Label& label, ui::ChoiceBox& wahl, ui::ChoiceBox& abi,
                                 std::initializer_list<ui::EditField*> zellen) {
    label.setVisible(false);
    for (ui::EditField* zelle : zellen) {
      zelle->setVisible(false);
      zelle->setText("");
    }
    abi.setText("");
    abi.setVisible(false);
    wahl.setVisible(false);
    abi.setItemIndex(0);
  };

  // The first science is grade-book column 3 with the language focus and 2 with the
  // science focus: its points move with it.
  if (Schwerpunkt.text() == "Naturwissenschaftlicher Schwerpunkt") {
    if (l.SchwerpunktFS == 1) {
      l.NotenspalteKopieren(3, 2);
      l.NotenspalteLoeschen(3);
    }
    l.SchwerpunktFS = 0;
    zeileZeigen(NW20, WahlNW2, AbiNW2, {&NW21, &NW22, &NW23});
    l.AbiWahl[AbiPosNW2] = 0;
    zeileVerbergen(FS20, WahlFS2, AbiFS2, {&FS21, &FS22, &FS23});
    l.Fach[FS2] = leer;
    l.AbiWahl[AbiPosFS2] = 0;
    l.Schriftlich[FS2] = zweitesHalbjahrQ2 ? 0 : 1;
  } else if (Schwerpunkt.text() == "Fremdsprachlicher Schwerpunkt") {
    if (l.SchwerpunktFS == 0) {
      l.NotenspalteKopieren(2, 3);
      l.NotenspalteLoeschen(2);
    }
    l.SchwerpunktFS = 1;
    zeileZeigen(FS20, WahlFS2, AbiFS2, {&FS21, &FS22, &FS23});
    l.AbiWahl[AbiPosFS2] = 0;
    zeileVerbergen(NW20, WahlNW2, AbiNW2, {&NW21, &NW22, &NW23});
    l.Fach[NW2] = leer;
    l.AbiWahl[AbiPosNW2] = 0;
    l.Schriftlich[NW2] = 0;
  }
  Neuberechnen({Folge::Offenhaltung, Folge::EFAbwahl, Folge::Zusatzkurse, Folge::Stunden, Folge::Schriftlichkeit});
}

void TForm1::ErsatzfachButClick() {
  const Laufbahn& l = m_programm.laufbahn();
  ErsatzFachStartBox.setText(HalbjahrName(l.ErsatzfachVon));
  ErsatzFachEndeBox.setText(HalbjahrName(l.ErsatzfachBis));
  ErsatzfachPanel.setVisible(true);
}

void TForm1::WahlErsatzfachChange() {
  Laufbahn& l = m_programm.laufbahn();
  KursspalteLoeschen(NotenbuchKurs::Sport);
  if (WahlErsatzfach.itemIndex() < 0) {
    WahlErsatzfach.setItemIndex(0);
  }
  if (const auto fach = FachZumText(ErsatzfachWahl, WahlErsatzfach.text())) {
    l.Fach[Sp] = *fach;  // the sport row's cells are written by ErsatzfachDarstellen
  }
  Neuberechnen({Folge::EFAbwahl, Folge::Stunden});
}

void TForm1::ErstzfachSetzenClick() {
  Laufbahn& l = m_programm.laufbahn();
  l.ErsatzfachAktiv = 1;
  // A box without a selection (a typed text that is no semester) must not lead outside
  // EF.1 .. Q2.2: it takes the first or the last semester.
  if (ErsatzFachStartBox.itemIndex() < 0) {
    ErsatzFachStartBox.setItemIndex(0);
  }
  if (ErsatzFachEndeBox.itemIndex() < 0) {
    ErsatzFachEndeBox.setItemIndex(5);
  }
  if (ErsatzFachEndeBox.itemIndex() < ErsatzFachStartBox.itemIndex()) {
    ErsatzFachEndeBox.setItemIndex(ErsatzFachStartBox.itemIndex());
  }
  l.ErsatzfachVon = ErsatzFachStartBox.itemIndex() + 1;
  l.ErsatzfachBis = ErsatzFachEndeBox.itemIndex() + 1;
  ErsatzfachDarstellen();
  Neuberechnen({Folge::Schriftlichkeit, Folge::Stunden});
  ErsatzfachPanel.setVisible(false);
}

void TForm1::ErsatzfachLoeschenClick() {
  m_programm.laufbahn().ErsatzfachAktiv = 0;
  ErsatzfachDarstellen();
  // Sport is back in every semester: hours and counts must not keep the replacement's.
  Neuberechnen({Folge::Stunden});
  ErsatzfachPanel.setVisible(false);
}

void TForm1::ErsatzfachDarstellen() {
  const Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  const std::string ersatz = FachName(l.Fach[Sp]);
  const int voll = z.Breite(VolleBreite);
  const int halb = z.Breite(SportHalbeBreite);
  for (ui::EditField* zelle : {&SP1, &Sp2, &Sp3}) {
    zelle->setWidth(voll);
    zelle->setText("Sport");
  }
  for (ui::EditField* zelle : {&Sp1a, &SP2a, &Sp3a}) {
    zelle->setVisible(false);
  }
  if (l.ErsatzfachAktiv == 1) {
    const int von = l.ErsatzfachVon;
    const int bis = l.ErsatzfachBis;
    // A split stage shows its first half-year in the stage cell and its second beside it.
    const auto teilen = [halb](ui::EditField& erste, ui::EditField& zweite, const std::string& erstesHalbjahr,
                               const std::string& zweitesHalbjahr) {
      erste.setWidth(halb);
      zweite.setVisible(true);
      erste.setText(erstesHalbjahr);
      zweite.setText(zweitesHalbjahr);
    };
    if (bis == 1) {
      teilen(SP1, Sp1a, ersatz, "Sport");
    }
    if (bis == 3) {
      teilen(Sp2, SP2a, ersatz, "Sport");
    }
    if (bis == 5) {
      teilen(Sp3, Sp3a, ersatz, "Sport");
    }
    if (von == 2) {
      teilen(SP1, Sp1a, "Sport", ersatz);
    }
    if (von == 4) {
      teilen(Sp2, SP2a, "Sport", ersatz);
    }
    if (von == 6) {
      teilen(Sp3, Sp3a, "Sport", ersatz);
    }
    if (von == 1 && bis > 1) {
      SP1.setText(ersatz);
    }
    if (von < 4 && bis > 3) {
      Sp2.setText(ersatz);
    }
    if (von < 6 && bis == 6) {
      Sp3.setText(ersatz);
    }
    for (ui::EditField* zelle : {&SP1, &Sp2, &Sp3, &Sp1a, &SP2a, &Sp3a}) {
      if (zelle->text().empty()) {
        zelle->setText("fällt weg");
      }
    }
  }
  SchriftlichkeitSetzen();
}

}  // namespace kelvaro
