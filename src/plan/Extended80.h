#pragma once

#include <array>
#include <cstdint>

namespace kelvaro {

// The 80-bit x87 extended float of the plan file (sign, 15-bit exponent biased by 16383,
// 64-bit mantissa with explicit leading bit), little-endian, converted portably.
using Extended80 = std::array<std::uint8_t, 10>;

Extended80 Extended80Aus(double value);
// Rounds to the nearest double; values beyond double's range become infinite, an
// unnormal mantissa (leading bit missing) is read as its value.
double Extended80Wert(const Extended80& bytes);

}  // namespace kelvaro
