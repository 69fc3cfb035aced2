#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace kelvaro {

class Programm;

// The student picker of teacher mode (`TForm5`, "Schüler auswählen"): the students of the
// stage table in a choice box, the plan files no name-list entry matched, and the buttons
// that tell the main window's activation what to do next (`Startaktion`).
class TForm5 : public ui::Window {
 public:
  explicit TForm5(Programm& programm);

  ui::Label StufenverzeichnisLab{"StufenverzeichnisLab"}, StufenLab{"StufenLab"}, SchuelerzahlLab{"SchuelerzahlLab"};
  ui::ChoiceBox SchuelerCombo{"SchuelerCombo"};
  ui::Button OeffnenBut{"OeffnenBut"}, InAnderenverzeichnissenSuchenBut{"InAnderenverzeichnissenSuchenBut"};
  ui::Button LehrerModusBut{"LehrerModusBut"}, SchliessenBut{"SchliessenBut"};
  ui::ListBox NichtErkanntBox{"NichtErkanntBox"};
  // What the stage could not take (too many lines, students or files), in red.
  ui::MultiLineText HinweisMemo{"HinweisMemo"};
  // The picks of this run; kept hidden.
  ui::ListBox ListBox1{"ListBox1"};

  // Shows the picker over the main window; its activation fills it.
  void Zeigen();
  void FormActivate();
  void SchuelerComboClick();
  void OeffnenButClick();
  void InAnderenverzeichnissenSuchenButClick();
  void SchliessenButClick();
  void LehrerModusButClick();

 private:
  // Closes the picker; the main window becomes active again and acts on `Startaktion`.
  void Schliessen();
  Programm& m_programm;
};

}  // namespace kelvaro
