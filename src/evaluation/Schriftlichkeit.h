#pragma once

namespace kelvaro {

class TForm1;

// Brings the written boxes of the main window up to date after a plan change: captions,
// checked and enabled states, fonts and visibility; forces the flags the rules fix and
// writes the semester label.
void SchriftlichkeitSetzen(TForm1& form);

// Whether a course dropped after semester step k (0 none, 1 after Q1.1, 2 after Q1.2,
// 3 after Q2.1) is still attended in the half-year the plan is made for.
bool NochBelegt(int abwahl, int stufe, int wahlphase);

}  // namespace kelvaro
