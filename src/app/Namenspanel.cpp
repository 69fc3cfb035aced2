#include "app/Namenspanel.h"

#include "evaluation/LaufbahnMeldung2027G9.h"

#include <algorithm>

namespace kelvaro {

namespace {

void Ankreuzen(ui::CheckBox& box, bool checked) {
  if (box.checked() != checked) {
    box.userClick();
  }
}

}  // namespace

std::optional<std::string> NamenspanelAusfuellen(TForm2& meldung, const NamenspanelEingaben& eingaben) {
  if (eingaben.zweiteFSSek1) {
    const int wert = *eingaben.zweiteFSSek1;
    Ankreuzen(meldung.ZweiteFSSek1Box, wert == 1 || wert == 3);
    Ankreuzen(meldung.I9Sek1Box, wert == 2 || wert == 3);
  }
  if (eingaben.alternativPK) {
    ui::ChoiceBox& liste = meldung.AlternativPKCombo;
    if (!liste.reachable()) {
      return "Für diese Laufbahn gibt es keine Alternativwahl für den Projektkurs (--alternativ-pk).";
    }
    const auto& eintraege = liste.items();
    if (std::find(eintraege.begin(), eintraege.end(), *eingaben.alternativPK) == eintraege.end()) {
      std::string erlaubt;
      for (const std::string& eintrag : eintraege) {
        erlaubt += (erlaubt.empty() ? "\"" : ", \"") + eintrag + "\"";
      }
      return "Unbekannter Projektkurs \"" + *eingaben.alternativPK + "\" (--alternativ-pk): erlaubt sind " + erlaubt +
             ".";
    }
    liste.userChoose(*eingaben.alternativPK);
  }
  return std::nullopt;
}

}  // namespace kelvaro
