#pragma once

#include "evaluation/Notenbuch.h"
#include "evaluation/Stundenzahl.h"
#include "plan/Kurszahl.h"
#include "plan/Laufbahn.h"

#include <array>

namespace kelvaro {

// The values that follow from the plan, recomputed eagerly after every change and read as
// last computed: additional courses, course counts per semester, hours with balance and
// variant code, the grade book's columns beside the plan file, and how many lines the last
// check report had.
struct Abgeleitet {
  Zusatzkurse zusatzkurse;
  std::array<int, 7> Kurszahl{};  // 1..6 = EF.1 .. Q2.2
  Stundenbilanz stunden;
  NotenbuchSpalten notenbuch;
  // Lines of the last check report, the heading included, and of its rules alone (1 when
  // no rule was broken).
  int Meldungszahl = 0;
  int MeldungszahlRegeln = 0;
};

// The deselections the balance of the hours allows, written back into the plan: a box
// that the balance locks loses its deselection.
void AbwahlenUebernehmen(Laufbahn& laufbahn, const Stundenbilanz& stunden);

// What the main window computes after a change of the plan, without a window: additional
// courses, hours (withdrawing the deselections the balance does not allow) and course
// counts. The grade-book columns and the report counts are left as they are.
void AbgeleiteteWerteBerechnen(Laufbahn& laufbahn, Abgeleitet& abgeleitet);

}  // namespace kelvaro
