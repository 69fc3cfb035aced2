#pragma once

#include "ui/Platform.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What `kelvaro grade` was asked for.
struct Notenaufruf {
  std::vector<std::string> parameter;  // the plan file
  std::vector<std::string> noten;      // "P,H=N": course, slot, points
  ui::Datum heute;
  std::optional<int> stufe;
  std::optional<std::filesystem::path> speichern;
  bool sonstigeOptionen = false;  // options of other commands
};

// `kelvaro grade`: opens the plan as "Öffnen" does, prepares the grade book as
// "Abiturnotenberechnung" does, enters the given points and runs "Abiturnote berechnen".
// Prints the result as one JSON object. Exit code 0 for a passed Abitur, 1 when it is not
// passed or points are missing (listed on err), 2 for unusable input.
int NotenbefehlAusfuehren(const Notenaufruf& aufruf, std::ostream& out, std::ostream& err);

}  // namespace kelvaro
