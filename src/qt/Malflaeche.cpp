#include "qt/Malflaeche.h"

#include "qt/QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace kelvaro::qt {

Malflaeche::Malflaeche(ui::PaintBox& box, QWidget* parent) : QWidget(parent), m_box(box) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Malflaeche::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.scale(m_box.scale(), m_box.scale());
  QtCanvas canvas(maler, font(), palette().color(QPalette::Window));
  m_box.paint(canvas);
}

QPoint Malflaeche::Designpunkt(const QPointF& punkt) const {
  const double massstab = m_box.scale() > 0 ? m_box.scale() : 1.0;
  return QPoint(static_cast<int>(std::floor(punkt.x() / massstab)), static_cast<int>(std::floor(punkt.y() / massstab)));
}

void Malflaeche::mousePressEvent(QMouseEvent* event) {
  const QPoint punkt = Designpunkt(event->position());
  m_box.userMouseDown(punkt.x(), punkt.y());
}

void Malflaeche::mouseMoveEvent(QMouseEvent* event) {
  const QPoint punkt = Designpunkt(event->position());
  m_box.userMouseMove(punkt.x(), punkt.y());
}

}  // namespace kelvaro::qt
