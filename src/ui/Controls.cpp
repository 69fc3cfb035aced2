#include "ui/Controls.h"

#include <algorithm>

namespace kelvaro::ui {

void EditField::setText(const std::string& text) {
  if (assignText(text) && m_onChange) {
    m_onChange();
  }
}

void EditField::userType(const std::string& character) {
  setText(text() + character);
}

void ChoiceBox::clearItems() {
  if (m_items.empty() && m_itemIndex == -1) {
    return;
  }
  m_items.clear();
  m_itemIndex = -1;
  notify();
}

void ChoiceBox::addItem(const std::string& item) {
  m_items.push_back(item);
  if (m_itemIndex < 0 && item == text()) {
    m_itemIndex = static_cast<int>(m_items.size()) - 1;
  }
  notify();
}

void ChoiceBox::setItems(const std::vector<std::string>& items) {
  m_items = items;
  const auto found = std::find(m_items.begin(), m_items.end(), text());
  m_itemIndex = found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
  notify();
}

void ChoiceBox::setItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) {
    index = -1;
  }
  const bool indexChanged = m_itemIndex != index;
  m_itemIndex = index;
  const bool textChanged = assignText(index >= 0 ? m_items[static_cast<std::size_t>(index)] : std::string());
  if (indexChanged && !textChanged) {
    notify();
  }
}

void ChoiceBox::setText(const std::string& text) {
  const auto found = std::find(m_items.begin(), m_items.end(), text);
  const int index = found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
  const bool indexChanged = m_itemIndex != index;
  m_itemIndex = index;
  const bool textChanged = assignText(text);
  if (indexChanged && !textChanged) {
    notify();
  }
}

void ChoiceBox::fireChange() {
  if (m_onChange) {
    m_onChange();
  }
}

void ChoiceBox::userSelect(int index) {
  setItemIndex(index);
  fireChange();
}

void ChoiceBox::userChoose(const std::string& text) {
  setText(text);
  fireChange();
}

void CheckBox::setChecked(bool checked) {
  if (m_checked == checked) {
    return;
  }
  m_checked = checked;
  notify();
  if (m_onClick) {
    m_onClick();
  }
}

void Button::userClick() {
  if (m_onClick) {
    m_onClick();
  }
}

void LineList::syncText() {
  std::string joined;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    if (i > 0) {
      joined += '\n';
    }
    joined += m_lines[i];
  }
  if (!assignText(joined)) {
    notify();
  }
}

void LineList::setText(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) {
      break;
    }
    start = end + 1;
  }
  if (text.empty()) {
    lines.clear();
  }
  setLines(lines);
}

void LineList::clear() {
  m_lines.clear();
  syncText();
}

void LineList::addLine(const std::string& line) {
  m_lines.push_back(line);
  syncText();
}

void LineList::setLines(const std::vector<std::string>& lines) {
  m_lines = lines;
  syncText();
}

void ListBox::setItemHeight(int pixels) {
  if (m_itemHeight != pixels) {
    m_itemHeight = pixels;
    notify();
  }
}

void MultiLineText::setVerticalScrollBar(bool shown) {
  if (m_verticalScrollBar != shown) {
    m_verticalScrollBar = shown;
    notify();
  }
}

}  // namespace kelvaro::ui
