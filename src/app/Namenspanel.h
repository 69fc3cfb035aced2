#pragma once

#include <optional>
#include <string>

namespace kelvaro {

class TForm2;

// What the name panel asks beside the names, given on the command line: the alternative
// project course (a text of the panel's list) and the lower-secondary languages (0 none,
// 1 a second language from year 7 to 10, 2 Italian from year 9, 3 both).
struct NamenspanelEingaben {
  std::optional<std::string> alternativPK;
  std::optional<int> zweiteFSSek1;
};

// Enters the inputs on the open name panel through its own controls, as a student would,
// so that the panel's handlers and notices follow; a German message when an input has no
// place on the panel.
std::optional<std::string> NamenspanelAusfuellen(TForm2& meldung, const NamenspanelEingaben& eingaben);

}  // namespace kelvaro
