#pragma once

#include "plan/Katalog.h"

#include <array>
#include <span>

namespace kelvaro {

// The subject codes of the barcode payload: a subject is stored as its position in the
// table of its field, and the scan decoder reads it back by the same position. The order is
// fixed by every sheet ever printed; it is not the order of the choice lists.
namespace barcodetabelle {
inline constexpr std::array<FachTyp, 4> Sprache{E5, F7, I9, I0};
inline constexpr std::array<FachTyp, 4> Naturwissenschaft{Bi, Ch, Ph, Inf};
// Electives and the replacement subject for sport; position 14 stands for an empty row.
inline constexpr std::array<FachTyp, 14> Wahlfach{Bi, Ch, Ph, E5, F7, L7, I9, I0, Ge, Sw, Erd, Ku, Mu, Inf};
inline constexpr int WahlfachLeer = 14;
inline constexpr std::array<FachTyp, 3> Gesellschaft{Ge, Sw, Erd};
inline constexpr std::array<FachTyp, 3> Religion{kR, eR, Pl};
inline constexpr std::array<FachTyp, 2> Kunst{Ku, Mu};
inline constexpr std::array<FachTyp, 5> Vertiefung{VKD, VKM, VKE, VKL, VKF};
// Project courses; position 7 stands for none.
inline constexpr std::array<FachTyp, 7> Projekt{PKSE, PKSF, PKKG, PKLT, PKTL, PKSO, PKPC};
inline constexpr int ProjektKeiner = 7;
}  // namespace barcodetabelle

// The position of a subject in a table, or `sonst` for a subject the table does not hold
// (an empty row or a code of an earlier edition).
inline int BarcodePosition(FachTyp fach, std::span<const FachTyp> tabelle, int sonst) {
  for (std::size_t i = 0; i < tabelle.size(); ++i) {
    if (tabelle[i] == fach) {
      return static_cast<int>(i);
    }
  }
  return sonst;
}

}  // namespace kelvaro
