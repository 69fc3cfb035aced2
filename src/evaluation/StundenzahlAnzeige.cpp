#include "evaluation/Abgeleitet.h"
#include "evaluation/FliessKomma.h"
#include "evaluation/Stundenzahl.h"
#include "plan/Faechermengen.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// The hours of the main window: the balance panel, the hour list and labels, the
// deselection boxes and the widths of dropped cells.

#include <cmath>

namespace kelvaro {

namespace {

void AbwahlBoxSperren(ui::ChoiceBox& box, ui::Label& label) {
  box.setEnabled(false);
  label.setEnabled(false);
  box.setText("keine Abw.");
}

std::string StufenText(int a, int b) {
  return a == b ? std::to_string(a) + " Stunden (60´)"
                : std::to_string(a) + " / " + std::to_string(b) + " Stunden (60´)";
}

}  // namespace

void TForm1::StundenzahlBerechnen() {
  TForm1& f = *this;
  Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  Stundenbilanz& s = m_programm.abgeleitet().stunden;
  s = StundenBerechnen(l, m_programm.abgeleitet().zusatzkurse.ZKAnzahl);

  // Deselections the balance does not allow are withdrawn.
  if (!s.AbwahlErlaubt) {
    AbwahlBoxSperren(f.AbwEtBox, f.AbwEtLab);
    AbwahlBoxSperren(f.AbwKMBox, f.AbwKMLab);
    AbwahlBoxSperren(f.AbwWa1Box, f.AbwWa1Lab);
  } else {
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&f.AbwEtBox, &f.AbwEtLab, &f.AbwKMBox, &f.AbwKMLab}) {
      control->setEnabled(true);
    }
    if (s.Wa1AbwahlErlaubt) {
      f.AbwWa1Box.setEnabled(true);
      f.AbwWa1Lab.setEnabled(true);
    } else {
      AbwahlBoxSperren(f.AbwWa1Box, f.AbwWa1Lab);
    }
  }
  AbwahlenUebernehmen(l, s);

  // Cells of dropped courses.
  const int voll = z.Breite(TForm1::VolleBreite);
  const int halb = z.Breite(TForm1::HalbeBreite);
  for (auto [zelle, abwahl] : {std::pair{&f.Et3, l.AbwahlEt}, std::pair{&f.KM3, l.AbwahlKM}}) {
    if (abwahl == 0) {
      zelle->setVisible(true);
      zelle->setWidth(voll);
    } else if (abwahl == 2) {
      zelle->setVisible(false);
      zelle->setWidth(voll);
    } else if (abwahl == 3) {
      zelle->setVisible(true);
      zelle->setWidth(halb);
    }
  }
  if (WahlfachInQ(l)) {
    const auto setzen = [](ui::EditField& zelle, bool sichtbar, int breite) {
      zelle.setVisible(sichtbar);
      zelle.setWidth(breite);
    };
    switch (l.AbwahlWa1) {
      case 0:
        setzen(f.Wa12, true, voll);
        setzen(f.Wa13, true, voll);
        break;
      case 1:
        setzen(f.Wa12, true, halb);
        setzen(f.Wa13, false, voll);
        break;
      case 2:
        setzen(f.Wa12, true, voll);
        setzen(f.Wa13, false, voll);
        break;
      case 3:
        setzen(f.Wa12, true, voll);
        setzen(f.Wa13, true, halb);
        break;
      default:
        break;
    }
  } else {
    f.Wa12.setVisible(false);
    f.Wa12.setWidth(voll);
    f.Wa13.setVisible(false);
    f.Wa13.setWidth(voll);
  }
  f.TestEdit.setText(FestkommaEineStelle(s.DiffVorGrundkursAbwahl));

  // The balance panel.
  const double diff = s.StundenDiffQ;
  f.StuDiffQualiEdit.setText(FliessKomma(std::fabs(diff)));
  f.StuDiffQualiEdit.setColor(diff >= 0 ? ui::farben::Gruen : ui::farben::Rot);
  f.VielWenigLabel.setText(diff >= 0 ? "zu viel" : "zu wenig");
  f.StundenLabel.setText(std::fabs(diff) == 1 ? "Stunde" : "Stunden");
  f.KursAbwahlLabel.setText(KursAbwahlText(diff));

  const auto& h = s.Stunden60;
  f.ListBox1.setLines({
      "Stundenzahlen:",
      "in 45-Minuten-Stunden: insges. " + FliessKomma(s.StundenEF + s.StundenQ1 + s.StundenQ2),
      "EF: " + FliessKomma(s.StundenEF) + ", Q1: " + FliessKomma(s.StundenQ1) + ", Q2: " + FliessKomma(s.StundenQ2),
      "in 60-Minuten-Stunden:",
      "EF.1: " + std::to_string(h[1]) + ", EF.2: " + std::to_string(h[2]),
      "Q1.1: " + std::to_string(h[3]) + ", Q1.2: " + std::to_string(h[4]),
      "Q2.1: " + std::to_string(h[5]) + ", Q2.2: " + std::to_string(h[6]),
  });
  f.StundenzahlLabelEF.setText(StufenText(h[1], h[2]));
  f.StundenzahlLabelQ1.setText(StufenText(h[3], h[4]));
  f.StundenzahlLabelQ2.setText(StufenText(h[5], h[6]));

  f.KurszahlSetzen();
  f.FaecherEdit.setText(std::to_string(s.KurszahlQ));
  f.KennungsLab.setText(s.Kennung + s.KennungAbwahl);
}

}  // namespace kelvaro
