#include "grades/Notenberechnung2027G9.h"

namespace kelvaro {

TForm4::TForm4(Programm& programm) : ui::Window("TForm4"), m_programm(programm) {
  setCaption("Berechnung Ihrer Abiturnote (Numerus Clausus)");
}

}  // namespace kelvaro
