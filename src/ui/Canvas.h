#pragma once

#include "ui/Farbe.h"
#include "ui/Printer.h"

#include <string>

namespace kelvaro::ui {

// The drawing surface of the grade sheet, in window pixels.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void fillRect(const Rechteck& rect, Farbe color) = 0;
  virtual void line(int x1, int y1, int x2, int y2, int width, Farbe color) = 0;
  virtual void text(int x, int y, const std::string& text, int pointSize, bool bold, Farbe color, Farbe background) = 0;
  virtual int textWidth(const std::string& text, int pointSize, bool bold) const = 0;
};

}  // namespace kelvaro::ui
