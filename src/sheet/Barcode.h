#pragma once

#include "ui/Printer.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvaro {

struct Laufbahn;

// The barcode of the selection sheet: 27 values (positions 1..27; index 0 unused) that
// carry the plan, five letters of each name and a format marker, printed as Code 128 in
// code set B (value v is the character v + 32).
using BarCodeWerteTyp = std::array<int, 28>;

inline constexpr int BarCodeFormatzeichen = 34;  // "B"

// The payload of a plan, before substitution.
BarCodeWerteTyp BarCodeWerteSetzen(const Laufbahn& laufbahn);
// The payload as printed above the barcode: decimal values joined by ", ".
std::string BarCodeZahlen(const BarCodeWerteTyp& werte);

// The values a scanner could not carry through a keyboard are printed as others.
int PlanwertErsetzen(int wert);
int NamenswertErsetzen(int wert);
// The payload as printed: positions 1..16 and 17..27 substituted.
BarCodeWerteTyp BarCodeWerteErsetzt(const BarCodeWerteTyp& werte);
// The 27 characters the symbol carries (value + 32 each).
std::string BarCodeText(const BarCodeWerteTyp& ersetzt);
// The check symbol of the printed values: (104 + sum of i × value) mod 103.
int BarCodePruefzeichen(const BarCodeWerteTyp& ersetzt);

// The module pattern of each Code 128 symbol value 0..106 ('1' bar, '0' space); 106 is
// the stop pattern with its final bar.
const std::array<std::string, 107>& Code128Muster();

// One symbol as three bars, each from its first to its last module (counted from 1).
struct Code128Balken {
  std::array<std::pair<int, int>, 3> balken{};
};
// Bars of every symbol 0..106 and, as 107, the stop pattern's final bar.
const std::array<Code128Balken, 108>& Code128Einlesen();

// Draws the barcode of the payload at the foot of a page whose unit is one twentieth of
// the printable width. Returns the values as printed.
BarCodeWerteTyp BarCodeDrucken(ui::Printer& drucker, const BarCodeWerteTyp& werte);

}  // namespace kelvaro
