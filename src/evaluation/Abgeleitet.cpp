#include "evaluation/Abgeleitet.h"

namespace kelvaro {

void AbwahlenUebernehmen(Laufbahn& l, const Stundenbilanz& s) {
  l.AbwahlEt = s.AbwahlEt;
  l.AbwahlKM = s.AbwahlKM;
  l.AbwahlWa1 = s.AbwahlWa1;
}

void AbgeleiteteWerteBerechnen(Laufbahn& l, Abgeleitet& a) {
  a.zusatzkurse = ZusatzkurseBerechnen(l);
  a.stunden = StundenBerechnen(l, a.zusatzkurse.ZKAnzahl);
  AbwahlenUebernehmen(l, a.stunden);
  a.Kurszahl = KurszahlBerechnen(l, a.zusatzkurse.ZKAnzahl).Kurszahl;
}

}  // namespace kelvaro
