#include "app/InfoBefehl.h"

#include "info/InfoTexte.h"

#include <ostream>

namespace kelvaro {

int InfoBefehl(const std::vector<std::string>& parameter, std::ostream& out, std::ostream& err) {
  const auto& texte = InfoTexte();
  if (parameter.empty()) {
    for (std::size_t thema = 0; thema < texte.size(); ++thema) {
      out << thema << '\t' << texte[thema].knopf << '\n';
    }
    return 0;
  }
  const std::string& wahl = parameter.front();
  const bool zahl = parameter.size() == 1 && !wahl.empty() && wahl.size() <= 2 &&
                    wahl.find_first_not_of("0123456789") == std::string::npos;
  if (!zahl || std::stoul(wahl) >= texte.size()) {
    err << "Aufruf: kelvaro info [THEMA]  (THEMA ist eine Zahl von 0 bis " << texte.size() - 1
        << "; ohne THEMA zeigt kelvaro info die Themen)\n";
    return 2;
  }
  for (const std::string& zeile : texte[std::stoul(wahl)].zeilen) {
    out << zeile << '\n';
  }
  return 0;
}

}  // namespace kelvaro
