#pragma once

#include "ui/Window.h"

namespace kelvaro {

class Programm;

// The student picker of teacher mode.
class TForm5 : public ui::Window {
 public:
  explicit TForm5(Programm& programm);

 private:
  Programm& m_programm;
};

}  // namespace kelvaro
