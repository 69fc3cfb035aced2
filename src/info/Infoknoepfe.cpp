#include "info/Infos2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

#include <utility>

// The main window's info buttons: each sets its topic and opens the info window beside
// the main window, which stays usable.

namespace kelvaro {

namespace {

void InfoOeffnen(TForm1& hauptfenster, std::uint8_t thema) {
  hauptfenster.deactivate();
  hauptfenster.programm().infofenster().ThemaZeigen(thema);
}

}  // namespace

void TForm1::InfoVertiefungsKurseClick() {
  InfoOeffnen(*this, 0);
}

void TForm1::InfoProjektKurseClick() {
  InfoOeffnen(*this, 1);
}

void TForm1::InfoDefiziteClick() {
  InfoOeffnen(*this, 2);
}

void TForm1::InfoLeistungskurseClick() {
  InfoOeffnen(*this, 3);
}

void TForm1::InfoVersetzungClick() {
  InfoOeffnen(*this, 4);
}

void TForm1::InfoZentralePruefungenClick() {
  InfoOeffnen(*this, 5);
}

void TForm1::InfoAbiturfaecherClick() {
  InfoOeffnen(*this, 6);
}

void TForm1::InfoSchwerpunktClick() {
  InfoOeffnen(*this, 7);
}

void TForm1::InfoStundenzahlenClick() {
  InfoOeffnen(*this, 8);
}

void TForm1::InfoZusatzkurseClick() {
  InfoOeffnen(*this, 9);
}

void TForm1::InfoKlausurwahlClick() {
  InfoOeffnen(*this, 10);
}

void TForm1::InfoKnoepfeBinden() {
  const std::pair<ui::Button*, void (TForm1::*)()> knoepfe[] = {
      {&VertiefungsKurseBut, &TForm1::InfoVertiefungsKurseClick},
      {&ProjektkurseBut, &TForm1::InfoProjektKurseClick},
      {&ErlaubteDefiziteBut, &TForm1::InfoDefiziteClick},
      {&LeistungsKurseBut, &TForm1::InfoLeistungskurseClick},
      {&VersetzungBut, &TForm1::InfoVersetzungClick},
      {&ZentralePruefungBut, &TForm1::InfoZentralePruefungenClick},
      {&AbiturfaecherBut, &TForm1::InfoAbiturfaecherClick},
      {&SchwerpunktBut, &TForm1::InfoSchwerpunktClick},
      {&StundenzahlBut, &TForm1::InfoStundenzahlenClick},
      {&ZusatzkurseBut, &TForm1::InfoZusatzkurseClick},
      {&Button8, &TForm1::InfoKlausurwahlClick},
  };
  for (const auto& [knopf, handler] : knoepfe) {
    knopf->onClick([this, handler = handler] { (this->*handler)(); });
  }
}

}  // namespace kelvaro
