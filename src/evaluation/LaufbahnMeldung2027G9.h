#pragma once

#include "ui/Window.h"

namespace kelvaro {

class Programm;

// The check report window: the report of the plan against the regulations, the name panel and printing.
class TForm2 : public ui::Window {
 public:
  explicit TForm2(Programm& programm);

 private:
  Programm& m_programm;
};

}  // namespace kelvaro
