#pragma once

#include "ui/Platform.h"

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace kelvaro {

// What teachers run on a stage directory (the folder that holds "Q1/Schüler Q1.txt" and
// the stage's plan files), without a display.

// `kelvaro scan STAGE_DIR`: standard input is what a barcode scanner typed (UTF-8); every
// character is one keystroke into the scan field, a line break is the scanner's Enter key.
// Every accepted sheet is saved in the stage folder. Prints per processed scan the scan
// label and, when accepted, the save name; with `json` one JSON object per scan and line.
// Exit 0 when every scan was accepted and nothing is left in the field, 1 otherwise.
int ScanBefehl(const std::filesystem::path& stufenverzeichnis, const ui::Datum& heute, std::optional<int> stufe,
               bool json, std::istream& in, std::ostream& out, std::ostream& err);

// `kelvaro stage STAGE_DIR`: the year group: every plan file of the stage checked, then the
// students of the name list without a plan file; an aligned table or, with `csv`, CSV.
// Exit 0 when every plan is clean and every listed student has one, 1 otherwise.
int StageBefehl(const std::filesystem::path& stufenverzeichnis, const ui::Datum& heute, std::optional<int> stufe,
                bool csv, std::ostream& out, std::ostream& err);

}  // namespace kelvaro
