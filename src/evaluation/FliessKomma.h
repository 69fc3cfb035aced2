#pragma once

#include <string>

namespace kelvaro {

// An hour value in fixed notation with a German decimal comma: one decimal when it has a
// fractional part, none when it is whole ("34,5", "34", "-1,5"). Independent of the
// machine's locale.
std::string FliessKomma(double zahl);

// A value in fixed notation with exactly one decimal and a decimal comma ("-1,0").
std::string FestkommaEineStelle(double zahl);

}  // namespace kelvaro
