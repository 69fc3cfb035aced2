#include "ui/Window.h"

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

Control* Window::find(const std::string& name) const {
  for (Control* control : m_controls) {
    if (control->name() == name) {
      return control;
    }
  }
  return nullptr;
}

}  // namespace kelvaro::ui
