#pragma once

#include "evaluation/Abgeleitet.h"
#include "plan/Laufbahn.h"
#include "plan/Laufzeit.h"

#include <string>
#include <vector>

namespace kelvaro {

// One text line of the sheet in page units (1/20 of the printable width), placed by its top-left corner.
struct Blatttext {
  double x;
  double y;
  std::string text;
  int punkt;
  bool fett;
};

// The plan in words as the middle of the selection sheet states it: the focus and how long
// the other focus stays open, the numbered subjects of the stage with their exam choice and
// deselections, the plan of the Q phase and the hours. The wording follows the stage and
// the season. Lines come in drawing order; lines without text are left out.
std::vector<Blatttext> Plantext(const Laufbahn& l, const Abgeleitet& a, const Laufzeit& z);

}  // namespace kelvaro
