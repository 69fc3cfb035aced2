#pragma once

#include "evaluation/Abgeleitet.h"
#include "plan/Laufbahn.h"
#include "plan/Laufzeit.h"
#include "ui/Farbe.h"

#include <string>
#include <vector>

namespace kelvaro {

// The check of a plan against the regulations, as the report window shows it: the heading,
// every broken rule of group A, or when there is none every broken rule of group B, and for
// a plan that breaks no rule the closing block with hours and courses. With the colour of
// the report and whether printing and the grade computation may start.
struct Pruefbericht {
  std::vector<std::string> Zeilen;
  // Lines before the closing block, the heading included: 1 when no rule is broken.
  int MeldungszahlRegeln = 0;
  ui::Farbe Farbe;
  bool WahlzettelDruckbar = false;
  bool NotenberechnungMoeglich = false;

  bool RegelnErfuellt() const { return MeldungszahlRegeln == 1; }
  // The first broken rule; empty for a plan that breaks none.
  std::string ErsteMeldung() const { return RegelnErfuellt() || Zeilen.size() < 2 ? std::string() : Zeilen[1]; }
};

Pruefbericht LaufbahnPruefen(const Laufbahn& laufbahn, const Abgeleitet& abgeleitet, const Laufzeit& laufzeit);

}  // namespace kelvaro
