#pragma once

#include "ui/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPainter>

namespace kelvaro::qt {

// The grade sheet's drawing surface on a QPainter. Font sizes are points at 96 dots per inch,
// the resolution the sheet was laid out for, in the given typeface.
class QtCanvas : public ui::Canvas {
 public:
  QtCanvas(QPainter& painter, const QFont& schrift, QColor hintergrund);

  void fillRect(const ui::Rechteck& rect, ui::Farbe color) override;
  void line(int x1, int y1, int x2, int y2, int width, ui::Farbe color) override;
  void text(int x, int y, const std::string& text, int pointSize, bool bold, ui::Farbe color,
            ui::Farbe background) override;
  int textWidth(const std::string& text, int pointSize, bool bold) const override;
  ui::Farbe backgroundColor() const override;

 private:
  QFont Schrift(int pointSize, bool bold) const;

  QPainter& m_painter;
  QFont m_schrift;
  QColor m_hintergrund;
};

}  // namespace kelvaro::qt
