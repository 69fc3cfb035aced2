#include "evaluation/LaufbahnMeldung2027G9.h"

namespace kelvaro {

TForm2::TForm2(Programm& programm) : ui::Window("TForm2"), m_programm(programm) {
  setCaption("Laufbahnprüfung Gymnasium Velmarsk");
}

}  // namespace kelvaro
