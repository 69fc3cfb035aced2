#include "plan/Laufbahn.h"

namespace kelvaro {

namespace {
bool SpalteGueltig(int spalte) {
  return spalte >= 1 && spalte <= NotenSpalten;
}
}  // namespace

Laufbahn::Laufbahn() {
  Fach[Sp] = Bi;  // the first entry of the replacement list
  for (auto& slot : Noten) {
    slot.fill(-1);
  }
}

void Laufbahn::NotenspalteLoeschen(int spalte) {
  if (SpalteGueltig(spalte)) {
    for (auto& slot : Noten) {
      slot[spalte] = -1;
    }
  }
  AbiNoteBerechnet = 0;
}

void Laufbahn::NotenspalteKopieren(int von, int nach) {
  if (!SpalteGueltig(von) || !SpalteGueltig(nach)) {
    return;
  }
  for (auto& slot : Noten) {
    slot[nach] = slot[von];
  }
}

}  // namespace kelvaro
