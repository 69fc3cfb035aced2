#include "ui/Window.h"

#include <cmath>

namespace kelvaro::ui {

void Window::notify() {
  if (m_observer != nullptr) {
    m_observer->windowChanged(*this);
  }
}

void Window::setCaption(const std::string& caption) {
  if (m_caption != caption) {
    m_caption = caption;
    notify();
  }
}

void Window::show() {
  if (!m_visible) {
    m_visible = true;
    notify();
  }
}

void Window::hide() {
  if (m_visible) {
    m_visible = false;
    m_active = false;
    notify();
  }
}

void Window::activate() {
  m_visible = true;
  m_active = true;
  notify();
  if (m_onActivate) {
    m_onActivate();
  }
}

void Window::deactivate() {
  if (m_active) {
    m_active = false;
    notify();
  }
}

void Window::setPosition(int left, int top) {
  if (m_left != left || m_top != top) {
    m_left = left;
    m_top = top;
    notify();
  }
}

void Window::setClientSize(int width, int height) {
  if (m_clientWidth != width || m_clientHeight != height) {
    m_clientWidth = width;
    m_clientHeight = height;
    notify();
  }
}

void Window::setFrame(int extraWidth, int extraHeight) {
  if (m_frameWidth != extraWidth || m_frameHeight != extraHeight) {
    m_frameWidth = extraWidth;
    m_frameHeight = extraHeight;
    notify();
  }
}

void Window::scaleControls(double factor) {
  const auto scaled = [factor](int value) { return static_cast<int>(std::nearbyint(value * factor)); };
  for (Control* control : m_controls) {
    control->setGeometry(scaled(control->left()), scaled(control->top()), scaled(control->width()),
                         scaled(control->height()));
    if (control->fontSize() > 0) {
      control->setFontSize(scaled(control->fontSize()));
    }
  }
}

void Window::requestFocus(Control& control) {
  m_focus = &control;
  ++m_focusRequests;
  notify();
}

Control* Window::find(const std::string& name) const {
  for (Control* control : m_controls) {
    if (control->name() == name) {
      return control;
    }
  }
  return nullptr;
}

}  // namespace kelvaro::ui
