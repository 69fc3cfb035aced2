#pragma once

#include "ui/Printer.h"

#include <string>

namespace kelvaro {

class Programm;

// The selection sheet: one page with the school, the kind of sheet, the name, the plan in
// words, the submission box, the check codes, the grade table, date and time, the
// signature line, the payload numbers and the barcode. Positions are in page units of one
// twentieth of the printable width.
//
// Prints one sheet of the program's plan; nothing when the printer's job cannot begin
// (the print dialog was cancelled). Returns the payload numbers printed above the barcode,
// or an empty text when nothing was printed.
std::string WahlZettelDruck(ui::Printer& drucker, Programm& programm);

}  // namespace kelvaro
