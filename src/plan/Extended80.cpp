#include "plan/Extended80.h"

#include <cmath>
#include <limits>

namespace kelvaro {

Extended80 Extended80Aus(double value) {
  Extended80 bytes{};
  std::uint16_t signExponent = std::signbit(value) ? 0x8000 : 0;
  std::uint64_t mantissa = 0;
  if (std::isnan(value)) {
    signExponent |= 0x7FFF;
    mantissa = 0xC000000000000000ULL;
  } else if (std::isinf(value)) {
    signExponent |= 0x7FFF;
    mantissa = 0x8000000000000000ULL;
  } else if (value != 0.0) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
    // fraction * 2^64 is exact: a double has 53 significant bits.
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    signExponent |= static_cast<std::uint16_t>(exponent - 1 + 16383);
  }
  for (int i = 0; i < 8; ++i) {
    bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  }
  bytes[8] = static_cast<std::uint8_t>(signExponent & 0xFF);
  bytes[9] = static_cast<std::uint8_t>(signExponent >> 8);
  return bytes;
}

double Extended80Wert(const Extended80& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) {
    mantissa |= static_cast<std::uint64_t>(bytes[static_cast<std::size_t>(i)]) << (8 * i);
  }
  const int signExponent = bytes[8] | (bytes[9] << 8);
  const bool negative = (signExponent & 0x8000) != 0;
  const int exponent = signExponent & 0x7FFF;
  double value = 0;
  if (exponent == 0x7FFF) {
    const bool infinite = (mantissa << 1) == 0;
    value = infinite ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  } else if (mantissa != 0) {
    // Round the 64-bit mantissa to 53 bits, halves to even, then scale.
    int shift = 0;
    std::uint64_t m = mantissa;
    while ((m & 0x8000000000000000ULL) == 0) {
      m <<= 1;
      ++shift;
    }
    std::uint64_t top = m >> 11;
    const std::uint64_t rest = m & 0x7FF;
    if (rest > 0x400 || (rest == 0x400 && (top & 1) != 0)) {
      ++top;
    }
    const int unbiased = (exponent == 0 ? 1 : exponent) - 16383 - shift;
    value = std::ldexp(static_cast<double>(top), unbiased - 52);
  }
  return negative ? -value : value;
}

}  // namespace kelvaro
