#pragma once

#include "ui/Window.h"

namespace kelvaro {

class Programm;

// The grade window: grade points of the Q phase and the examinations, and the expected Abitur grade.
class TForm4 : public ui::Window {
 public:
  explicit TForm4(Programm& programm);

 private:
  Programm& m_programm;
};

}  // namespace kelvaro
