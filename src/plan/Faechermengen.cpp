#include "plan/Faechermengen.h"

#include <algorithm>
#include <initializer_list>

namespace kelvaro {

namespace {

bool IstEine(int code, std::initializer_list<FachTyp> menge) {
  return std::find(menge.begin(), menge.end(), code) != menge.end();
}

}  // namespace

bool IstFremdsprache(int code) {
  return IstEine(code, {E5, I0, F7, L7, I9});
}

bool IstNeueSprache(int code) {
  return IstEine(code, {I0, I1});
}

bool IstFortgefuehrteSprache(int code) {
  return IstEine(code, {E5, I0, F7, I9});
}

bool IstNaturwissenschaft(int code) {
  return IstEine(code, {Bi, Ch, Ph});
}

bool IstNaturwissenschaftOderInformatik(int code) {
  return IstNaturwissenschaft(code) || code == Inf;
}

bool IstGesellschaftswissenschaft(int code) {
  return IstEine(code, {Ge, Sw, Erd});
}

bool IstKunstfach(int code) {
  return IstEine(code, {Ku, Mu});
}

bool IstReligion(int code) {
  return IstEine(code, {kR, eR});
}

bool HaeltAnderenSchwerpunktOffen(const Laufbahn& l, FachTyp fach) {
  if (l.SchwerpunktFS != 0) {
    return IstNaturwissenschaft(fach);
  }
  return IstFortgefuehrteSprache(fach) || fach == I1;
}

int OffenhaltungsStufe(const Laufbahn& l) {
  const bool wa1 = HaeltAnderenSchwerpunktOffen(l, l.Fach[Wa1]);
  const bool wa2 = HaeltAnderenSchwerpunktOffen(l, l.Fach[Wa2]);
  const bool vk1 = HaeltAnderenSchwerpunktOffen(l, l.Fach[VK1]);
  if (wa1 && WahlfachInQ(l)) {
    return 3;
  }
  if (wa1 || (wa2 && (l.EFModell < 2 || (l.EFModell == 2 && l.AbwahlEF == 0))) ||
      (vk1 && l.EFModell == 1 && l.AbwahlEF == 0)) {
    return 2;
  }
  if ((wa2 && l.EFModell < 3) || (vk1 && l.EFModell == 1)) {
    return 1;
  }
  return 0;
}

bool NeueSpracheErlaubtEFAbwahl(const Laufbahn& l) {
  return IstNeueSprache(l.Fach[FS1]) || (l.SchwerpunktFS == 1 && IstNeueSprache(l.Fach[FS2])) ||
         IstNeueSprache(l.Fach[Wa1]) || IstNeueSprache(l.Fach[Wa2]);
}

}  // namespace kelvaro
