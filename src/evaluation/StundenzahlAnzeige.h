#pragma once

namespace kelvaro {

class TForm1;

// Recomputes the hours of the plan and shows them in the main window: the balance panel,
// the hour list, the stage labels, the deselection boxes, the widths of dropped cells and
// the variant code; then the course counts.
void StundenzahlBerechnen(TForm1& form);

}  // namespace kelvaro
