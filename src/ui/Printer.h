#pragma once

#include "ui/Farbe.h"

#include <string>

namespace kelvaro::ui {

struct Rechteck {
  int links = 0;
  int oben = 0;
  int rechts = 0;  // exclusive
  int unten = 0;   // exclusive
};

// A page printer in device pixels. Texts are placed by their top-left corner and drawn on
// the current fill colour.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual int pageWidth() const = 0;
  // false when the job could not be started (no printer, file not writable).
  virtual bool beginJob(const std::string& title) = 0;
  virtual bool endJob() = 0;
  virtual void text(int x, int y, const std::string& text, const std::string& fontName, int pointSize, bool bold) = 0;
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  virtual void setFillColor(Farbe color) = 0;
  virtual void fillRect(const Rechteck& rect) = 0;
  virtual void outlineRect(const Rechteck& rect) = 0;
  virtual void picture(const Rechteck& rect, const std::string& pictureName) = 0;
};

}  // namespace kelvaro::ui
