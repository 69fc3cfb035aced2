#include "plan/Laufzeit.h"

#include "EditionConfig.h"

#include <cmath>

namespace kelvaro {

Edition GebauteEdition() {
  Edition edition;
  edition.Stufe = config::Stufe;
  edition.Schuljahr = config::Schuljahr;
  edition.Abiturjahrgang = config::Abiturjahrgang;
  edition.Version = config::Version;
  edition.Programmjahr = config::Programmjahr;
  for (int i = 0; i < 3; ++i) {
    edition.AbgabeTag[i] = config::AbgabeTag[i];
    edition.AbgabeDatum[i] = config::AbgabeDatum[i];
  }
  return edition;
}

Edition EditionFuerStufe(int stufe) {
  Edition edition = GebauteEdition();
  edition.Stufe = stufe;
  return edition;
}

Saison SaisonBestimmen(int stufe, int monat) {
  Saison saison;
  if (monat >= 2 && monat <= 7) {
    saison.Wahlphase = 1;
  } else if (monat >= 8 && monat <= 10) {
    saison.Wahlphase = 2;
  } else {
    saison.Wahlphase = 3;
  }
  saison.Halbjahr = saison.Wahlphase == 3 ? 2 : 1;
  saison.HalbjahrNr = 2 * stufe + 1 + (saison.Halbjahr == 2 ? 1 : 0);
  return saison;
}

const char* StufenOrdner(int stufe) {
  static const char* const ordner[] = {"EF", "Q1", "Q2"};
  return ordner[stufe >= 0 && stufe <= 2 ? stufe : 1];
}

bool IstVeraltet(int programmjahr, const ui::Datum& heute) {
  return heute.jahr > programmjahr + 1 || (heute.jahr == programmjahr + 1 && heute.monat > 2);
}

int Laufzeit::Breite(int designBreite) const {
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(designBreite * Skalierung));
}

}  // namespace kelvaro
