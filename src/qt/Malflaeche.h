#pragma once

#include "ui/PaintBox.h"

#include <QWidget>

namespace kelvaro::qt {

// The widget of a headless paint box: paints through the control's paint handler on a
// QPainter canvas and hands mouse presses and moves to it, both in design pixels.
class Malflaeche : public QWidget {
  Q_OBJECT

 public:
  Malflaeche(ui::PaintBox& box, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint Designpunkt(const QPointF& punkt) const;

  ui::PaintBox& m_box;
};

}  // namespace kelvaro::qt
