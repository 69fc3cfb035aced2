#include "ui/Control.h"

#include <utility>

namespace kelvaro::ui {

Control::Control(std::string name, ControlKind kind) : m_name(std::move(name)), m_kind(kind) {}

void Control::notify() {
  if (m_observer != nullptr) {
    m_observer->controlChanged(*this);
  }
}

bool Control::assignText(const std::string& text) {
  if (m_text == text) {
    return false;
  }
  m_text = text;
  notify();
  return true;
}

void Control::setText(const std::string& text) {
  assignText(text);
}

void Control::setVisible(bool visible) {
  if (m_visible != visible) {
    m_visible = visible;
    notify();
  }
}

void Control::setEnabled(bool enabled) {
  if (m_enabled != enabled) {
    m_enabled = enabled;
    notify();
  }
}

void Control::setColor(Farbe color) {
  if (!m_hasColor || m_color != color) {
    m_color = color;
    m_hasColor = true;
    notify();
  }
}

void Control::setFontColor(Farbe color) {
  if (!m_hasFontColor || m_fontColor != color) {
    m_fontColor = color;
    m_hasFontColor = true;
    notify();
  }
}

void Control::setBold(bool bold) {
  if (m_bold != bold) {
    m_bold = bold;
    notify();
  }
}

void Control::setFontSize(int pixels) {
  if (m_fontSize != pixels) {
    m_fontSize = pixels;
    notify();
  }
}

void Control::setGeometry(int left, int top, int width, int height) {
  if (m_left != left || m_top != top || m_width != width || m_height != height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    notify();
  }
}

void Control::setWidth(int width) {
  setGeometry(m_left, m_top, width, m_height);
}

void Control::setHint(const std::string& hint) {
  if (m_hint != hint) {
    m_hint = hint;
    notify();
  }
}

bool Control::reachable() const {
  for (const Control* control = this; control != nullptr; control = control->m_parent) {
    if (!control->m_visible || !control->m_enabled) {
      return false;
    }
  }
  return true;
}

}  // namespace kelvaro::ui
