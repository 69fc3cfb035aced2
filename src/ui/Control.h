#pragma once

#include "ui/Farbe.h"

#include <string>

namespace kelvaro::ui {

class Control;

// Told about every property change of a control; the desktop layer mirrors the
// control into its widget from here.
class ChangeObserver {
 public:
  virtual ~ChangeObserver() = default;
  virtual void controlChanged(Control& control) = 0;
};

enum class ControlKind {
  Label,
  EditField,
  ChoiceBox,
  CheckBox,
  Button,
  Panel,
  ListBox,
  MultiLineText,
  PaintBox,
  Picture
};

// A headless control: the properties the program logic speaks of, nothing more.
// Setters notify the observer only when a value really changes.
class Control {
 public:
  Control(std::string name, ControlKind kind);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return m_name; }
  ControlKind kind() const { return m_kind; }

  const std::string& text() const { return m_text; }
  virtual void setText(const std::string& text);

  bool visible() const { return m_visible; }
  void setVisible(bool visible);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);

  Farbe color() const { return m_color; }
  void setColor(Farbe color);
  bool hasColor() const { return m_hasColor; }

  // The text colour; the window's when none is set.
  Farbe fontColor() const { return m_fontColor; }
  void setFontColor(Farbe color);
  bool hasFontColor() const { return m_hasFontColor; }

  bool bold() const { return m_bold; }
  void setBold(bool bold);
  int fontSize() const { return m_fontSize; }
  void setFontSize(int pixels);

  int left() const { return m_left; }
  int top() const { return m_top; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  void setGeometry(int left, int top, int width, int height);
  void setWidth(int width);

  const std::string& hint() const { return m_hint; }
  void setHint(const std::string& hint);

  void setObserver(ChangeObserver* observer) { m_observer = observer; }
  ChangeObserver* observer() const { return m_observer; }

  // The panel the control sits on, if any; a control on a hidden or disabled panel cannot
  // be reached by the user.
  Control* parent() const { return m_parent; }
  void setParent(Control* parent) { m_parent = parent; }
  // Visible and enabled, and so is every panel it sits on.
  bool reachable() const;

 protected:
  void notify();
  // Changes the text without running any event; subclasses decide which events follow.
  bool assignText(const std::string& text);

 private:
  std::string m_name;
  ControlKind m_kind;
  std::string m_text;
  bool m_visible = true;
  bool m_enabled = true;
  Farbe m_color{};
  bool m_hasColor = false;
  Farbe m_fontColor{};
  bool m_hasFontColor = false;
  bool m_bold = false;
  int m_fontSize = 0;  // 0: the window's font
  int m_left = 0;
  int m_top = 0;
  int m_width = 0;
  int m_height = 0;
  std::string m_hint;
  ChangeObserver* m_observer = nullptr;
  Control* m_parent = nullptr;
};

}  // namespace kelvaro::ui
