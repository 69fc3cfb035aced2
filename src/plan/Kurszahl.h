#pragma once

#include "plan/Laufbahn.h"

#include <array>
#include <string>

namespace kelvaro {

// The additional courses of Q2: history or social science courses a student must take
// when the subject is not carried through the Q phase.
struct Zusatzkurse {
  FachTyp ZK1 = leer;
  FachTyp ZK2 = leer;
  int ZKAnzahl = 0;
};

Zusatzkurse ZusatzkurseBerechnen(const Laufbahn& laufbahn);

// Basic courses per semester (index 1..6 = EF.1 .. Q2.2; index 0 unused) and the three
// course-count texts under the stage columns.
struct Kurszahlen {
  std::array<int, 7> Kurszahl{};
  std::string EF;
  std::string Q1;
  std::string Q2;
};

Kurszahlen KurszahlBerechnen(const Laufbahn& laufbahn, int zkAnzahl);

}  // namespace kelvaro
