#pragma once

#include "plan/Katalog.h"
#include "plan/Laufbahn.h"

namespace kelvaro {

// The sets of subjects that the rules speak of, defined once beside the catalogue. The
// sets differ on purpose: the older codes (F6, L6, I8) are no language at all, Latin does
// not continue as a foreign language of the Q phase, computer science is no science for
// most rules.

// A foreign language in an elective row: E5, I0, F7, L7, I9.
bool IstFremdsprache(int code);
// The new foreign language begun in the EF ("Italienisch (ab 11)"): I0 or the older I1.
bool IstNeueSprache(int code);
// A foreign language that can continue into the Q phase and count there: E5, I0, F7, I9.
bool IstFortgefuehrteSprache(int code);
// Biology, chemistry, physics.
bool IstNaturwissenschaft(int code);
// The sciences with computer science.
bool IstNaturwissenschaftOderInformatik(int code);
// History, social science, geography.
bool IstGesellschaftswissenschaft(int code);
// Art, music.
bool IstKunstfach(int code);
// The two religions.
bool IstReligion(int code);

// What keeps the other focus open in an elective row: a language (I1 too, the same
// Italian from 11 as I0; Latin does not count) for the science focus, a science (computer
// science does not count) for the language focus.
bool HaeltAnderenSchwerpunktOffen(const Laufbahn& laufbahn, FachTyp fach);

// How long the electives keep the other focus open: 0 not at all, 1 to the end of EF.1,
// 2 to the end of the EF, 3 into the Q phase (the first elective continues there).
int OffenhaltungsStufe(const Laufbahn& laufbahn);

// A new Italian stands where it allows the second elective of EF model 2 to end after
// EF.1: in row FS1, in row FS2 with the language focus, or in row Wa1 or Wa2.
bool NeueSpracheErlaubtEFAbwahl(const Laufbahn& laufbahn);

// The Q-phase model continues the first elective (models 1 and 2).
inline bool WahlfachInQ(const Laufbahn& laufbahn) {
  return laufbahn.Q1Modell == 1 || laufbahn.Q1Modell == 2;
}
// The Q-phase model has a project course (models 0 and 2).
inline bool ProjektkursInQ(const Laufbahn& laufbahn) {
  return laufbahn.Q1Modell == 0 || laufbahn.Q1Modell == 2;
}

}  // namespace kelvaro
