#pragma once

#include "ui/Farbe.h"
#include "ui/Printer.h"

#include <string>
#include <vector>

namespace kelvaro::ui {

// The drawing surface of the grade sheet, in window pixels. Font sizes are in points;
// texts are placed by their top-left corner on an opaque background.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void fillRect(const Rechteck& rect, Farbe color) = 0;
  virtual void line(int x1, int y1, int x2, int y2, int width, Farbe color) = 0;
  virtual void text(int x, int y, const std::string& text, int pointSize, bool bold, Farbe color, Farbe background) = 0;
  virtual int textWidth(const std::string& text, int pointSize, bool bold) const = 0;
  // The window's background colour.
  virtual Farbe backgroundColor() const = 0;
};

// A canvas that records every call, for tests. Text widths are a fixed function of the
// text, so that positions that follow from widths can be checked.
class RecordingCanvas : public Canvas {
 public:
  struct Aufruf {
    std::string art;  // "fill", "line", "text"
    Rechteck ort;     // text: links/oben; line: from (links, oben) to (rechts, unten)
    std::string text;
    int punkt = 0;  // text: font size; line: width
    bool fett = false;
    Farbe farbe;
    Farbe hintergrund;
  };

  explicit RecordingCanvas(Farbe background = Farbe{240, 240, 240}) : m_background(background) {}

  void fillRect(const Rechteck& rect, Farbe color) override {
    m_aufrufe.push_back({"fill", rect, {}, 0, false, color, color});
  }
  void line(int x1, int y1, int x2, int y2, int width, Farbe color) override {
    m_aufrufe.push_back({"line", {x1, y1, x2, y2}, {}, width, false, color, color});
  }
  void text(int x, int y, const std::string& text, int pointSize, bool bold, Farbe color, Farbe background) override {
    m_aufrufe.push_back({"text", {x, y, x, y}, text, pointSize, bold, color, background});
  }
  // Half the point size per byte, one more in bold.
  int textWidth(const std::string& text, int pointSize, bool bold) const override {
    return static_cast<int>(text.size()) * (pointSize / 2 + (bold ? 1 : 0));
  }
  Farbe backgroundColor() const override { return m_background; }

  const std::vector<Aufruf>& aufrufe() const { return m_aufrufe; }
  void clear() { m_aufrufe.clear(); }

 private:
  Farbe m_background;
  std::vector<Aufruf> m_aufrufe;
};

}  // namespace kelvaro::ui
