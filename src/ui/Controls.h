#pragma once

#include "ui/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvaro::ui {

using Handler = std::function<void()>;

// A static text.
class Label : public Control {
 public:
  explicit Label(std::string name) : Control(std::move(name), ControlKind::Label) {}
};

// A one-line edit field. Its change handler runs on every change of its text, from the
// user or from code: the barcode scanner arrives one keystroke at a time. The grid cells
// are read-only edit fields.
class EditField : public Control {
 public:
  explicit EditField(std::string name, bool readOnly = false)
      : Control(std::move(name), ControlKind::EditField), m_readOnly(readOnly) {}

  void setText(const std::string& text) override;
  // The user types one character at the end of the text.
  void userType(const std::string& character);

  bool readOnly() const { return m_readOnly; }
  void onChange(Handler handler) { m_onChange = std::move(handler); }

 private:
  bool m_readOnly;
  Handler m_onChange;
};

// A drop-down choice box with an item list and a settable text. Its change handler runs
// only when the user picks or types; code that sets the text or the selection never runs it.
class ChoiceBox : public Control {
 public:
  explicit ChoiceBox(std::string name) : Control(std::move(name), ControlKind::ChoiceBox) {}

  const std::vector<std::string>& items() const { return m_items; }
  // Changing the items keeps the text; an item equal to it becomes selected.
  void clearItems();
  void addItem(const std::string& item);
  void setItems(const std::vector<std::string>& items);

  // -1 when no item is selected.
  int itemIndex() const { return m_itemIndex; }
  // Selects an item (its text becomes the box's text); -1 clears the selection and the text.
  void setItemIndex(int index);
  // Shows a text; the item with that text becomes selected, or none when no item has it.
  void setText(const std::string& text) override;

  // The user picks the item at index, then the change handler runs.
  void userSelect(int index);
  // The user picks the item with this text, or types it when no item has it.
  void userChoose(const std::string& text);

  void onChange(Handler handler) { m_onChange = std::move(handler); }

 private:
  void fireChange();
  std::vector<std::string> m_items;
  int m_itemIndex = -1;
  Handler m_onChange;
};

// A check box whose caption is its text. Its click handler runs whenever its checked
// state changes, by the user or by code, and not when it is set to the state it has.
class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name) : Control(std::move(name), ControlKind::CheckBox) {}

  bool checked() const { return m_checked; }
  void setChecked(bool checked);
  void userClick() { setChecked(!m_checked); }

  void onClick(Handler handler) { m_onClick = std::move(handler); }

 private:
  bool m_checked = false;
  Handler m_onClick;
};

// A push button; its caption is its text.
class Button : public Control {
 public:
  explicit Button(std::string name) : Control(std::move(name), ControlKind::Button) {}

  void userClick();
  void onClick(Handler handler) { m_onClick = std::move(handler); }

 private:
  Handler m_onClick;
};

// A frame that groups controls; its text is its caption.
class Panel : public Control {
 public:
  explicit Panel(std::string name) : Control(std::move(name), ControlKind::Panel) {}
};

// A list of text lines (a list box or a read-only multi-line text).
class LineList : public Control {
 public:
  LineList(std::string name, ControlKind kind) : Control(std::move(name), kind) {}

  const std::vector<std::string>& lines() const { return m_lines; }
  // The text is the lines joined by line feeds; setting it splits it again.
  void setText(const std::string& text) override;
  void clear();
  void addLine(const std::string& line);
  void setLines(const std::vector<std::string>& lines);

 private:
  void syncText();
  std::vector<std::string> m_lines;
};

class ListBox : public LineList {
 public:
  explicit ListBox(std::string name) : LineList(std::move(name), ControlKind::ListBox) {}

  // Pixels per item; 0 leaves the height to the toolkit. Scaling a window scales it.
  int itemHeight() const { return m_itemHeight; }
  void setItemHeight(int pixels);

 private:
  int m_itemHeight = 0;
};

class MultiLineText : public LineList {
 public:
  explicit MultiLineText(std::string name) : LineList(std::move(name), ControlKind::MultiLineText) {}

  // A vertical scroll bar always shown; without it one appears only when the lines need it.
  bool verticalScrollBar() const { return m_verticalScrollBar; }
  void setVerticalScrollBar(bool shown);

 private:
  bool m_verticalScrollBar = false;
};

}  // namespace kelvaro::ui
