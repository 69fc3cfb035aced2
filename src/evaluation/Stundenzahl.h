#pragma once

#include "plan/Laufbahn.h"

#include <array>
#include <string>

namespace kelvaro {

// What a plan amounts to in teaching time: annual weekly hours (45-minute hours) per
// stage, weekly 60-minute hours per semester, the balance of the Q phase against the
// minimum of 68 hours, the half-year courses of the Q phase and the variant code.
struct Stundenbilanz {
  double StundenEF = 0;
  double StundenQ1 = 0;
  double StundenQ2 = 0;
  double StundenDiffQ = 0;
  std::array<int, 7> Stunden60{};  // 1..6 = EF.1 .. Q2.2; index 0 unused
  int KurszahlQ = 0;
  std::string Kennung;
  std::string KennungAbwahl;

  // The balance before any deselection was subtracted, which decides whether courses may
  // still be dropped.
  double DiffVorAbwahl = 0;
  // The balance once the new language's dropped hours are gone, before the dropped
  // basic courses (shown in the hidden diagnostic field).
  double DiffVorGrundkursAbwahl = 0;
  bool AbwahlErlaubt = false;     // ethics and arts rows may be dropped
  bool Wa1AbwahlErlaubt = false;  // the first elective may be dropped
  // The deselections as they stand after the balance withdrew the ones not allowed.
  std::uint8_t AbwahlEt = 0;
  std::uint8_t AbwahlKM = 0;
  std::uint8_t AbwahlWa1 = 0;
};

// The new foreign language begun in the EF stands in the EF plan.
bool NeueSpracheInEF(const Laufbahn& laufbahn);
// The new foreign language continues into the Q phase.
bool NeueSpracheInQ(const Laufbahn& laufbahn);

// Computes every hour value from the plan and the number of additional courses. The
// deselections of the plan are read; those that the balance does not allow come back as 0.
Stundenbilanz StundenBerechnen(const Laufbahn& laufbahn, int zkAnzahl);

// The text of the "still droppable" label for a balance.
std::string KursAbwahlText(double stundenDiffQ);

}  // namespace kelvaro
