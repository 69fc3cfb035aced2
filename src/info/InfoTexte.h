#pragma once

#include <array>
#include <string>
#include <vector>

namespace kelvaro {

inline constexpr int InfoThemaAnzahl = 11;

// A memo scrolls its text; a list box shows as many lines as fit.
enum class InfoArt { Memo, Liste };

// One topic of the info centre: the caption of its button in the main window, the text
// control of the info window that shows it, and its lines (blank lines between paragraphs).
struct InfoText {
  const char* knopf;
  const char* steuerelement;
  InfoArt art;
  std::vector<std::string> zeilen;
};

// The eleven texts on the upper-school regulations, indexed by `InfoThema` 0..10.
const std::array<InfoText, InfoThemaAnzahl>& InfoTexte();

}  // namespace kelvaro
