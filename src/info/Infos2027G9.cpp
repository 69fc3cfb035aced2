#include "info/Infos2027G9.h"

namespace kelvaro {

TForm3::TForm3(Programm& programm) : ui::Window("TForm3"), m_programm(programm) {
  setCaption("Ihr Info-Center");
}

}  // namespace kelvaro
