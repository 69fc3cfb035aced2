#include "evaluation/FliessKomma.h"

#include <cmath>
#include <cstdio>

namespace kelvaro {

namespace {

std::string MitKomma(double zahl, int stellen) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", stellen, zahl);
  std::string text(buffer);
  for (char& c : text) {
    if (c == '.') {
      c = ',';
    }
  }
  if (text == "-0" || text == "-0,0") {
    text.erase(0, 1);
  }
  return text;
}

}  // namespace

std::string FliessKomma(double zahl) {
  if (!std::isfinite(zahl)) {
    return "0";
  }
  if (zahl == std::trunc(zahl)) {
    return MitKomma(zahl, 0);
  }
  return MitKomma(zahl, 1);
}

std::string FestkommaEineStelle(double zahl) {
  return MitKomma(std::isfinite(zahl) ? zahl : 0.0, 1);
}

}  // namespace kelvaro
