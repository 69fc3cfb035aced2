#pragma once

#include "evaluation/Abgeleitet.h"
#include "plan/Laufbahn.h"
#include "plan/Laufzeit.h"
#include "ui/Platform.h"
#include "ui/Printer.h"

#include <string>

namespace kelvaro {

// The selection sheet: one page with the school, the kind of sheet, the name, the plan in
// words, the submission box, the check codes, the grade table, date and time, the
// signature line, the payload numbers and the barcode. Positions are in page units of one
// twentieth of the printable width.
//
// Prints one sheet of a plan, dated with the moment of printing; nothing when the printer's
// job cannot begin (the print dialog was cancelled). Returns the payload numbers printed
// above the barcode, or an empty text when nothing was printed.
std::string WahlZettelDruck(ui::Printer& drucker, const Laufbahn& laufbahn, const Abgeleitet& abgeleitet,
                            const Laufzeit& laufzeit, const ui::Datum& heute, const ui::Uhrzeit& zeit);

}  // namespace kelvaro
