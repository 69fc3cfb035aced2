#include "ui/PaintBox.h"

namespace kelvaro::ui {

void PaintBox::invalidate() {
  ++m_repaintRequests;
  notify();
}

void PaintBox::paint(Canvas& canvas) {
  if (m_onPaint) {
    m_onPaint(canvas);
  }
}

void PaintBox::userMouseDown(int x, int y) {
  if (m_onMouseDown) {
    m_onMouseDown(x, y);
  }
}

void PaintBox::userMouseMove(int x, int y) {
  if (m_onMouseMove) {
    m_onMouseMove(x, y);
  }
}

void PaintBox::setScale(double scale) {
  if (m_scale != scale) {
    m_scale = scale;
    notify();
  }
}

}  // namespace kelvaro::ui
