#pragma once

#include "grades/Notenauswertung.h"
#include "ui/Canvas.h"
#include "ui/Farbe.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What the grade window shows besides the grade book.
struct Notenblattzustand {
  int EingabeSlot = 1;
  int EingabeKurs = 1;
  int FehlendeNoten = 0;
  bool Ausgewertet = false;
  // 0 counted courses, 1 courses not counted, 2 deficits and admission points, 3 Abitur
  // exams, 4 opening notice, 5 entry hints.
  int Ansicht = 4;
};

// A run of text in one colour; without a background it stands on the window's colour.
struct Textstueck {
  std::string text;
  ui::Farbe farbe = ui::farben::Schwarz;
  std::optional<ui::Farbe> hintergrund;
  bool fett = false;
};

// One line of the text block: its runs, each written directly after the one before.
struct Textzeile {
  std::vector<Textstueck> stuecke;
  std::string Text() const;
};

inline constexpr int Textblockzeilen = 5;
using Textblock = std::array<Textzeile, Textblockzeilen>;

// The text block of a view under the sheet.
Textblock Ansichtszeilen(int ansicht, const Notenergebnis& ergebnis, int fehlendeNoten);

// Size of the drawing area of the grade window.
inline constexpr int ZeichenflaecheBreite = 849;
inline constexpr int ZeichenflaecheHoehe = 635;

// Paints the grade sheet: one row per course with its points (before the evaluation with
// the entry mark, after it coloured by how each semester counts), the means, and the text
// block of the current view. The whole picture is drawn on every call.
void Bildschirmausgabe(ui::Canvas& canvas, const Notenbuch& notenbuch, const Notenergebnis& ergebnis,
                       const Notenblattzustand& zustand);

}  // namespace kelvaro
