#pragma once

#include "plan/Kelvaro2027G9.h"

// Builders of plans as a student makes them in the main window; shared by the tests and the
// benchmarks.
namespace kelvaro::test {

// A Q1 plan that breaks no rule, chosen in the main window as a student does: English and
// physics as advanced courses, chemistry, history (fourth Abitur subject), evangelical
// religion, music, French as first and computer science as second elective, a deep-dive
// course in mathematics in the EF and in German in Q2.2, the project course "Schüler
// experi." and mathematics as third Abitur subject.
inline void GueltigerQ1Plan(TForm1& f) {
  f.WahlFS1.userChoose("Englisch (ab 5)");
  f.WahlNW1.userChoose("Physik");
  f.WahlNW2.userChoose("Chemie");
  f.WahlGW.userChoose("Geschichte");
  f.WahlEt.userChoose("evan. Religion");
  f.WahlKM.userChoose("Musik");
  f.WahlWa1.userChoose("Französisch (ab 7)");
  f.WahlWa2.userChoose("Informatik");
  f.WahlVK10.userChoose("VK Mathem.");
  f.WahlPK.userChoose("Schüler experi.");
  f.VK12JNBox.userChoose("ja");
  f.WahlVK30.userChoose("VK Deutsch");
  f.AbiFS1.userChoose("LK A");
  f.AbiNW1.userChoose("LK B");
  f.AbiMa.userChoose("3. Abifach, schriftlich");
  f.AbiGW.userChoose("4. Abifach, mündlich");
}

}  // namespace kelvaro::test
