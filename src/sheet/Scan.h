#pragma once

#include "plan/Laufbahn.h"
#include "sheet/Barcode.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// A barcode scanner is a keyboard that sends US-layout keys, while the system reads them
// with the German layout: what arrives is not what the symbol carries.

// The German-layout character that arrives when a US-layout scanner types an ASCII
// character (for example 'Y' arrives as 'Z', '@' as '"'); other characters arrive as they are.
char32_t AufDeutscherTastatur(char32_t zeichen);
// What a scanner types for a whole symbol text.
std::u32string WieGescannt(std::u32string_view symboltext);

// The payload value of a received value (code of the received character − 32): undoes
// the key mapping and the substitutions of the printed values; others stay.
int ScanwertKorrigieren(int wert);
// Undoes the letter substitution of the name positions 17..27.
int NamenswertZurueck(int wert);

// A complete scan of 27 characters as payload values, and the values as a decimal list.
struct ScanWerte {
  std::string ScanText;  // the 27 characters as typed, UTF-8
  BarCodeWerteTyp BarCodeWerte{};
  std::string BarCodeZahlen;
};
ScanWerte ScanWerteLesen(std::u32string_view zeichen);

// What decoding a scan gives: the plan fields it carries written into a copy of the plan,
// the save name (`Speichername`, last name + "_" + first name), or why the scan is no sheet
// of this program (a field outside its table, a name the sheet would never have printed,
// or a value the plan file cannot hold).
struct DekodierErgebnis {
  Laufbahn laufbahn;
  std::string Speichername;
  std::optional<std::string> fehler;
};
// Decodes into the plan as it stands: every field the payload does not carry keeps its value.
DekodierErgebnis DecodiereScan(const BarCodeWerteTyp& werte, const Laufbahn& vorher);

// Whether a decoded name consists only of the characters the sheet prints in names
// (letters, the German and accented vowels, blank, "-"): never a path separator, a dot or a
// control character.
bool ScanNameZulaessig(std::string_view name);

}  // namespace kelvaro
