#include "sheet/Auswahl2027G9.h"

namespace kelvaro {

TForm5::TForm5(Programm& programm) : ui::Window("TForm5"), m_programm(programm) {
  setCaption("Schüler auswählen");
}

}  // namespace kelvaro
