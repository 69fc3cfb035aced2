#pragma once

#include "ui/Window.h"

namespace kelvaro {

class Programm;

// The info window: one fixed text on the regulations per topic.
class TForm3 : public ui::Window {
 public:
  explicit TForm3(Programm& programm);

 private:
  Programm& m_programm;
};

}  // namespace kelvaro
