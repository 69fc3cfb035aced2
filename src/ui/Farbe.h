#pragma once

#include <cstdint>

namespace kelvaro::ui {

// An RGB colour as the logic names it; the toolkit maps it to its own type.
struct Farbe {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Farbe&, const Farbe&) = default;
};

namespace farben {
inline constexpr Farbe Rot{255, 0, 0};
inline constexpr Farbe Limette{0, 255, 0};
inline constexpr Farbe Gelb{255, 255, 0};
inline constexpr Farbe Fuchsia{255, 0, 255};
inline constexpr Farbe Silber{192, 192, 192};
inline constexpr Farbe Aqua{0, 255, 255};
inline constexpr Farbe Gruen{0, 128, 0};
inline constexpr Farbe Orange{250, 160, 0};
inline constexpr Farbe Weiss{255, 255, 255};
inline constexpr Farbe Schwarz{0, 0, 0};
// The light blue the info texts stand on.
inline constexpr Farbe Himmelblau{166, 202, 240};
// The classic inactive-caption colour of the desktop the program was designed on.
inline constexpr Farbe InaktiveTitelleiste{191, 205, 219};
}  // namespace farben

}  // namespace kelvaro::ui
