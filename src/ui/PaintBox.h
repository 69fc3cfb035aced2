#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"

#include <functional>
#include <string>

namespace kelvaro::ui {

// A drawing area with paint and mouse events. The logic draws only when the area is
// painted: it asks for a repaint, and the desktop (or a test with its own canvas) paints.
// Coordinates are design pixels; the desktop scales the picture and the mouse by `scale`.
class PaintBox : public Control {
 public:
  using PaintHandler = std::function<void(Canvas&)>;
  using MouseHandler = std::function<void(int x, int y)>;

  explicit PaintBox(std::string name) : Control(std::move(name), ControlKind::PaintBox) {}

  void onPaint(PaintHandler handler) { m_onPaint = std::move(handler); }
  void onMouseDown(MouseHandler handler) { m_onMouseDown = std::move(handler); }
  void onMouseMove(MouseHandler handler) { m_onMouseMove = std::move(handler); }

  // What is shown has changed: the area must be painted again.
  void invalidate();
  int repaintRequests() const { return m_repaintRequests; }

  // The platform paints the area now.
  void paint(Canvas& canvas);
  // The user presses a mouse button or moves the mouse over the area.
  void userMouseDown(int x, int y);
  void userMouseMove(int x, int y);

  double scale() const { return m_scale; }
  void setScale(double scale);

 private:
  PaintHandler m_onPaint;
  MouseHandler m_onMouseDown;
  MouseHandler m_onMouseMove;
  int m_repaintRequests = 0;
  double m_scale = 1.0;
};

// A picture of our own drawing, chosen by name (the control's text).
class Picture : public Control {
 public:
  explicit Picture(std::string name) : Control(std::move(name), ControlKind::Picture) {}
};

}  // namespace kelvaro::ui
