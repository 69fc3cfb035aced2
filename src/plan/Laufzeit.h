#pragma once

#include "ui/Platform.h"

#include <filesystem>
#include <string>

namespace kelvaro {

// The constants of one edition of the program, fixed at build time (see Edition()).
struct Edition {
  int Stufe = 1;  // 0 EF, 1 Q1, 2 Q2
  std::string Schuljahr;
  std::string Abiturjahrgang;
  std::string Version;
  int Programmjahr = 2025;
  std::string AbgabeTag[3];
  std::string AbgabeDatum[3];
};

// The edition this program was built for.
Edition GebauteEdition();
// The same edition previewing the rules of another stage (0 EF, 1 Q1, 2 Q2).
Edition EditionFuerStufe(int stufe);

// For which half-year the choices are made, derived from today's date.
struct Saison {
  int Wahlphase = 1;   // 1 Feb-Jul subject choices, 2 Aug-Oct and 3 Nov-Jan exam choices
  int Halbjahr = 1;    // 1 or 2
  int HalbjahrNr = 3;  // 1..6 = EF.1 .. Q2.2
};

Saison SaisonBestimmen(int stufe, int monat);

// The folder of a stage below the stage directory, and its name in texts: "EF", "Q1", "Q2"
// (a stage outside 0..2 counts as Q1, this edition's).
const char* StufenOrdner(int stufe);
// The rules of the edition are out of date from March of the year after `Programmjahr`.
bool IstVeraltet(int programmjahr, const ui::Datum& heute);

// Process-wide run-time state beside the plan; not part of the plan file.
struct Laufzeit {
  Edition edition;
  int Stufe = 1;
  Saison saison;
  ui::Datum heute;
  std::string Abgabetag;
  std::string Abgabedatum;
  int Veraltet = 0;
  int Lehrermodus = 0;
  int StufeGeladen = 0;
  int Startaktion = 0;
  std::string Dateiname;
  std::filesystem::path Dateipfad;
  std::filesystem::path Stufenverzeichnis;
  double Skalierung = 1.0;

  int Wahlphase() const { return saison.Wahlphase; }
  int Halbjahr() const { return saison.Halbjahr; }
  int HalbjahrNr() const { return saison.HalbjahrNr; }
  // The second half of Q2: written flags follow the Abitur roles alone.
  bool ZweitesHalbjahrQ2() const { return Stufe == 2 && saison.Halbjahr == 2; }
  // A design width in pixels scaled to the screen, halves rounded to even.
  int Breite(int designBreite) const;
};

}  // namespace kelvaro
