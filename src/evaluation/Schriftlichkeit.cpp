#include "plan/Faechermengen.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

// The written boxes of the main window and the rules that force written courses.

namespace kelvaro {

namespace {

// Whether a course dropped after semester step k (0 none, 1 after Q1.1, 2 after Q1.2,
// 3 after Q2.1) is still attended in the half-year the plan is made for.
bool NochBelegt(int abwahl, int stufe, int wahlphase) {
  switch (abwahl) {
    case 0:
      return true;
    case 1:
      return stufe == 0 || (stufe == 1 && wahlphase < 3);
    case 2:
      return stufe == 0 || stufe == 1;
    case 3:
      return stufe == 0 || stufe == 1 || (stufe == 2 && wahlphase < 3);
    default:
      return false;
  }
}

bool ErsatzfachImHalbjahr(const Laufbahn& l, int halbjahrNr) {
  return l.ErsatzfachAktiv == 1 && l.ErsatzfachVon <= halbjahrNr && halbjahrNr <= l.ErsatzfachBis;
}

void StufeEF(TForm1& f, const Laufbahn& l, const Laufzeit& z) {
  for (ui::CheckBox* box : f.SchriftlBox) {
    box->setBold(false);
  }
  f.SchriftlBoxSetzen(FS1, true);
  f.FS1BoxSchriftl.setEnabled(false);
  f.SchriftlBoxSetzen(FS2, true);
  f.FS2BoxSchriftl.setEnabled(false);
  f.FS2BoxSchriftl.setVisible(l.SchwerpunktFS == 1);

  f.SchriftlBoxZeigtFlag(NW1);
  f.NW1BoxSchriftl.setEnabled(true);
  f.SchriftlBoxZeigtFlag(NW2);
  f.NW2BoxSchriftl.setEnabled(true);
  f.NW2BoxSchriftl.setVisible(l.SchwerpunktFS == 0);

  // German and mathematics: the box reads written, the flag is left alone.
  f.SchriftlBoxSetzen(De, true);
  f.DeuBoxSchriftl.setEnabled(false);
  f.SchriftlBoxSetzen(Ma, true);
  f.MaBoxSchriftl.setEnabled(false);

  if (ErsatzfachImHalbjahr(l, z.HalbjahrNr())) {
    f.SchriftlBoxZeigtFlag(Sp);
    f.SpBoxSchriftl.setEnabled(true);
  } else {
    f.SchriftlBoxSetzen(Sp, false);
    f.SpBoxSchriftl.setEnabled(false);
  }

  f.SchriftlBoxZeigtFlag(GW);
  f.GWBoxSchriftl.setEnabled(true);
  f.SchriftlBoxZeigtFlag(Et);
  f.EtBoxSchriftl.setEnabled(true);
  f.EtBoxSchriftl.setVisible(NochBelegt(l.AbwahlEt, z.Stufe, z.Wahlphase()));
  f.SchriftlBoxZeigtFlag(KM);
  f.KMBoxSchriftl.setEnabled(true);
  f.KMBoxSchriftl.setVisible(NochBelegt(l.AbwahlKM, z.Stufe, z.Wahlphase()));

  f.SchriftlBoxZeigtFlag(Wa1);
  f.Wa1BoxSchriftl.setEnabled(!IstFremdsprache(l.Fach[Wa1]));
  f.Wa1BoxSchriftl.setVisible(NochBelegt(l.AbwahlWa1, z.Stufe, z.Wahlphase()));

  // An elective language in the second or third elective row is always written.
  const auto wahlfachBox = [&f, &l](int zeile, ui::CheckBox& box) {
    if (IstFremdsprache(l.Fach[static_cast<std::size_t>(zeile)])) {
      f.SchriftlBoxSetzen(zeile, true);
      box.setEnabled(false);
    } else {
      box.setEnabled(true);
      f.SchriftlBoxZeigtFlag(zeile);
    }
  };
  if (l.EFModell == 3) {
    f.SchriftlBoxSetzen(Wa2, false);
    f.Wa2BoxSchriftl.setEnabled(false);
    f.Wa2BoxSchriftl.setVisible(false);
  } else {
    f.Wa2BoxSchriftl.setVisible(!(l.EFModell == 2 && z.Halbjahr() == 2 && l.AbwahlEF == 1));
    wahlfachBox(Wa2, f.Wa2BoxSchriftl);
  }
  if (l.EFModell == 1) {
    f.Wa3BoxSchriftl.setVisible(!(z.Halbjahr() == 2 && l.AbwahlEF == 1));
    wahlfachBox(VK1, f.Wa3BoxSchriftl);
  } else {
    f.Wa3BoxSchriftl.setVisible(false);
    f.Wa3BoxSchriftl.setEnabled(false);
    f.SchriftlBoxSetzen(VK1, false);
  }
}

void StufeQ(TForm1& f, const Laufbahn& l, const Laufzeit& z) {
  const bool waehlbar = !z.ZweitesHalbjahrQ2();
  const auto abitur = [&l](RasterTyp raster) {
    return l.AbiWahl[static_cast<std::size_t>(RasterAbiPosition(raster))] != 0;
  };

  for (RasterTyp raster : {FS1, FS2}) {
    ui::CheckBox& box = *f.SchriftlBox[raster];
    f.SchriftlBoxZeigtFlag(raster);
    box.setEnabled(false);
    box.setBold(abitur(raster));
  }
  f.FS2BoxSchriftl.setVisible(l.SchwerpunktFS == 1);

  for (RasterTyp raster : {NW1, NW2, GW, Et, KM, Wa1}) {
    ui::CheckBox& box = *f.SchriftlBox[raster];
    f.SchriftlBoxZeigtFlag(raster);
    box.setBold(abitur(raster));
    box.setEnabled(!abitur(raster) && waehlbar);
  }
  f.NW2BoxSchriftl.setVisible(l.SchwerpunktFS == 0);

  for (RasterTyp raster : {Ma, De}) {
    ui::CheckBox& box = *f.SchriftlBox[raster];
    f.SchriftlBoxZeigtFlag(raster);
    box.setBold(abitur(raster));
  }

  if (abitur(Sp)) {
    f.SchriftlBoxSetzen(Sp, true);
    f.SpBoxSchriftl.setBold(true);
    f.SpBoxSchriftl.setEnabled(false);
  } else if (ErsatzfachImHalbjahr(l, z.HalbjahrNr())) {
    f.SchriftlBoxZeigtFlag(Sp);
    f.SpBoxSchriftl.setBold(false);
    f.SpBoxSchriftl.setEnabled(waehlbar);
  } else {
    f.SchriftlBoxSetzen(Sp, false);
    f.SpBoxSchriftl.setBold(false);
    f.SpBoxSchriftl.setEnabled(false);
  }

  // Arts replaced by literature or a practical course in Q2.
  if (z.Stufe == 2 && l.LitWahl != 0) {
    f.KMBoxSchriftl.setBold(false);
    f.KMBoxSchriftl.setEnabled(false);
  }
  f.EtBoxSchriftl.setVisible(NochBelegt(l.AbwahlEt, z.Stufe, z.Wahlphase()));
  f.KMBoxSchriftl.setVisible(NochBelegt(l.AbwahlKM, z.Stufe, z.Wahlphase()));
  f.Wa1BoxSchriftl.setVisible(l.Q1Modell != 0 && NochBelegt(l.AbwahlWa1, z.Stufe, z.Wahlphase()));
  f.Wa2BoxSchriftl.setVisible(false);
  f.Wa3BoxSchriftl.setVisible(false);
}

}  // namespace

void TForm1::SchriftlichkeitSetzen() {
  TForm1& f = *this;
  const Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  if (z.Stufe == 0) {
    StufeEF(f, l, z);
  } else {
    StufeQ(f, l, z);
  }
  static const char* const stufen[] = {"Hj. EF.", "Hj. Q1.", "Hj. Q2."};
  const int stufe = z.Stufe >= 0 && z.Stufe <= 2 ? z.Stufe : 1;
  f.StufentextLabel.setText(stufen[stufe] + std::to_string(z.Halbjahr()));
}

}  // namespace kelvaro
