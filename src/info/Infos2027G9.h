#pragma once

#include "info/InfoTexte.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <array>
#include <cstdint>

namespace kelvaro {

class Programm;

// The info window (`TForm3`): one fixed text on the regulations per topic, large and on
// light blue, and an OK button. It reads nothing of the plan; the main window's info
// buttons choose the topic (`InfoThema`) and open it without blocking planning.
class TForm3 : public ui::Window {
 public:
  explicit TForm3(Programm& programm);

  ui::Button OKButton{"OKButton"};
  ui::MultiLineText MemoVertiefungskurse{"MemoVertiefungskurse"}, MemoProjektkurse{"MemoProjektkurse"};
  ui::ListBox ListBoxDefizite{"ListBoxDefizite"}, ListBoxLeistungskurse{"ListBoxLeistungskurse"};
  ui::MultiLineText MemoVersetzung{"MemoVersetzung"};
  ui::ListBox ListBoxZentralePruefungen{"ListBoxZentralePruefungen"};
  ui::MultiLineText MemoAbiturfaecher{"MemoAbiturfaecher"}, MemoSchwerpunkt{"MemoSchwerpunkt"};
  ui::MultiLineText MemoStundenzahlen{"MemoStundenzahlen"};
  ui::ListBox ListBoxZusatzkurse{"ListBoxZusatzkurse"};
  ui::MultiLineText MemoKlausurwahlen{"MemoKlausurwahlen"};

  // The text control of each topic, by `InfoThema`.
  std::array<ui::LineList*, InfoThemaAnzahl> Textfeld{};

  // The topic to show, 0..10; any other value shows no text.
  std::uint8_t InfoThema = 0;

  // Opens the window on a topic as every info button does: size and place from the screen,
  // show it beside the main window and bring it to the front with the topic's text, also
  // when it is open already.
  void ThemaZeigen(std::uint8_t thema);
  // Hides every text but the one of `InfoThema`, which moves to the top and takes the focus.
  void FormShow();
  void OKButtonClick();

 private:
  Programm& m_programm;
};

}  // namespace kelvaro
