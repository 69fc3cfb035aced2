#include "qt/Binder.h"

#include "qt/Bilder.h"
#include "qt/Malflaeche.h"
#include "ui/Controls.h"
#include "ui/PaintBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace kelvaro::qt {

namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

// The palette role a widget of this kind paints its background with.
QPalette::ColorRole backgroundRole(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::EditField:
    case ui::ControlKind::ListBox:
    case ui::ControlKind::MultiLineText:
      return QPalette::Base;
    case ui::ControlKind::ChoiceBox:
    case ui::ControlKind::Button:
      return QPalette::Button;
    case ui::ControlKind::Label:
    case ui::ControlKind::CheckBox:
    case ui::ControlKind::Panel:
    case ui::ControlKind::PaintBox:
    case ui::ControlKind::Picture:
      break;
  }
  return QPalette::Window;
}

bool sameLines(const QStringList& shown, const std::vector<std::string>& lines) {
  if (shown.size() != static_cast<qsizetype>(lines.size())) {
    return false;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (shown[static_cast<qsizetype>(i)] != qs(lines[i])) {
      return false;
    }
  }
  return true;
}

QStringList comboItems(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) {
    items.append(combo.itemText(i));
  }
  return items;
}

QStringList listItems(const QListWidget& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) {
    items.append(list.item(i)->text());
  }
  return items;
}

// Gives every item of a list the height its list box asks for; 0 keeps the style's height.
class ZeilenHoehe : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  int hoehe = 0;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize groesse = QStyledItemDelegate::sizeHint(option, index);
    if (hoehe > 0) {
      groesse.setHeight(hoehe);
    }
    return groesse;
  }
};

QLabel* panelCaption(QWidget& panel) {
  return panel.findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

void mirrorChoiceBox(const ui::ChoiceBox& box, QComboBox& combo) {
  if (!sameLines(comboItems(combo), box.items())) {
    combo.clear();
    for (const std::string& item : box.items()) {
      combo.addItem(qs(item));
    }
  }
  combo.setCurrentIndex(box.itemIndex());
  // A text that is none of the items shows as the placeholder of an unselected box.
  combo.setPlaceholderText(box.itemIndex() < 0 ? qs(box.text()) : QString());
}

}  // namespace

Binder::Binder(Placement placement, QObject* parent) : QObject(parent), m_placement(placement) {}

Binder::~Binder() {
  for (auto& [key, binding] : m_bindings) {
    binding.control->setObserver(nullptr);
  }
}

QWidget* Binder::bind(ui::Control& control, QWidget* parent) {
  if (QWidget* existing = widget(control)) {
    return existing;
  }
  QWidget* created = createWidget(control, parent);
  created->setObjectName(qs(control.name()));
  created->resize(created->sizeHint());
  m_bindings[&control] = Binding{&control, created};
  connect(created, &QObject::destroyed, this, [this, &control] {
    control.setObserver(nullptr);
    m_bindings.erase(&control);
  });
  control.setObserver(this);
  mirror(control);
  return created;
}

void Binder::bindWindow(ui::Window& window, QWidget* parent) {
  for (ui::Control* control : window.controls()) {
    bind(*control, parent);
  }
}

QWidget* Binder::widget(const ui::Control& control) const {
  const auto found = m_bindings.find(&control);
  return found == m_bindings.end() ? nullptr : found->second.widget.data();
}

QWidget* Binder::createWidget(ui::Control& control, QWidget* parent) {
  switch (control.kind()) {
    case ui::ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ui::ControlKind::EditField: {
      auto& field = dynamic_cast<ui::EditField&>(control);
      auto* edit = new QLineEdit(parent);
      connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString& text) {
        field.setText(text.toStdString());
        mirror(field);
      });
      return edit;
    }
    case ui::ControlKind::ChoiceBox: {
      auto& box = dynamic_cast<ui::ChoiceBox&>(control);
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      connect(combo, &QComboBox::activated, this, [this, &box](int index) {
        box.userSelect(index);
        mirror(box);
      });
      return combo;
    }
    case ui::ControlKind::CheckBox: {
      auto& box = dynamic_cast<ui::CheckBox&>(control);
      auto* check = new QCheckBox(parent);
      connect(check, &QCheckBox::clicked, this, [this, &box](bool checked) {
        box.setChecked(checked);
        mirror(box);
      });
      return check;
    }
    case ui::ControlKind::Button: {
      auto& button = dynamic_cast<ui::Button&>(control);
      auto* push = new QPushButton(parent);
      connect(push, &QPushButton::clicked, this, [this, &button] {
        button.userClick();
        mirror(button);
      });
      return push;
    }
    case ui::ControlKind::Panel: {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::Box);
      auto* caption = new QLabel(frame);
      caption->setTextFormat(Qt::PlainText);
      caption->setAlignment(Qt::AlignCenter);
      auto* layout = new QVBoxLayout(frame);
      layout->addWidget(caption);
      return frame;
    }
    case ui::ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      list->setItemDelegate(new ZeilenHoehe(list));
      return list;
    }
    case ui::ControlKind::MultiLineText: {
      auto* text = new QPlainTextEdit(parent);
      text->setReadOnly(true);
      return text;
    }
    case ui::ControlKind::PaintBox:
      return new Malflaeche(dynamic_cast<ui::PaintBox&>(control), parent);
    case ui::ControlKind::Picture:
      return new QLabel(parent);
  }
  return new QWidget(parent);
}

void Binder::controlChanged(ui::Control& control) {
  mirror(control);
}

void Binder::mirror(ui::Control& control) {
  QWidget* target = widget(control);
  if (target == nullptr) {
    return;
  }
  const QSignalBlocker blocker(target);
  mirrorContent(control, *target);
  mirrorCommon(control, *target);
  mirrorGeometry(control, *target);
}

void Binder::mirrorContent(ui::Control& control, QWidget& widget) {
  switch (control.kind()) {
    case ui::ControlKind::Label: {
      auto& label = static_cast<QLabel&>(widget);
      if (label.text() != qs(control.text())) {
        label.setText(qs(control.text()));
      }
      break;
    }
    case ui::ControlKind::EditField: {
      auto& edit = static_cast<QLineEdit&>(widget);
      edit.setReadOnly(dynamic_cast<const ui::EditField&>(control).readOnly());
      // Setting the same text again would move the cursor while the user types.
      if (edit.text() != qs(control.text())) {
        edit.setText(qs(control.text()));
        if (edit.isReadOnly()) {
          edit.setCursorPosition(0);  // a cell narrower than its text shows the text's start
        }
      }
      break;
    }
    case ui::ControlKind::ChoiceBox:
      mirrorChoiceBox(dynamic_cast<const ui::ChoiceBox&>(control), static_cast<QComboBox&>(widget));
      break;
    case ui::ControlKind::CheckBox: {
      auto& check = static_cast<QCheckBox&>(widget);
      check.setText(qs(control.text()));
      check.setChecked(dynamic_cast<const ui::CheckBox&>(control).checked());
      break;
    }
    case ui::ControlKind::Button:
      static_cast<QPushButton&>(widget).setText(qs(control.text()));
      break;
    case ui::ControlKind::Panel:
      if (QLabel* caption = panelCaption(widget)) {
        caption->setText(qs(control.text()));
      }
      break;
    case ui::ControlKind::ListBox: {
      auto& list = static_cast<QListWidget&>(widget);
      const auto& lines = dynamic_cast<const ui::LineList&>(control).lines();
      if (!sameLines(listItems(list), lines)) {
        list.clear();
        for (const std::string& line : lines) {
          list.addItem(qs(line));
        }
      }
      auto* zeilen = dynamic_cast<ZeilenHoehe*>(list.itemDelegate());
      const int hoehe = dynamic_cast<const ui::ListBox&>(control).itemHeight();
      if (zeilen != nullptr && zeilen->hoehe != hoehe) {
        zeilen->hoehe = hoehe;
        list.doItemsLayout();
      }
      break;
    }
    case ui::ControlKind::MultiLineText: {
      auto& text = static_cast<QPlainTextEdit&>(widget);
      if (text.toPlainText() != qs(control.text())) {
        text.setPlainText(qs(control.text()));
      }
      text.setVerticalScrollBarPolicy(dynamic_cast<const ui::MultiLineText&>(control).verticalScrollBar()
                                          ? Qt::ScrollBarAlwaysOn
                                          : Qt::ScrollBarAsNeeded);
      break;
    }
    case ui::ControlKind::PaintBox:
      widget.update();  // what it shows has changed
      break;
    case ui::ControlKind::Picture: {
      // The picture of the control's name, drawn at the control's size.
      auto& bild = static_cast<QLabel&>(widget);
      const QSize groesse(control.width(), control.height());
      if (bild.property("bild").toString() != qs(control.text()) || bild.pixmap().size() != groesse) {
        bild.setPixmap(Bild(control.text(), groesse.width(), groesse.height()));
        bild.setProperty("bild", qs(control.text()));
      }
      break;
    }
  }
}

void Binder::mirrorCommon(const ui::Control& control, QWidget& widget) {
  widget.setEnabled(control.enabled());
  widget.setToolTip(qs(control.hint()));

  if (control.hasColor()) {
    const ui::Farbe farbe = control.color();
    const QPalette::ColorRole role = backgroundRole(control.kind());
    QPalette palette = widget.palette();
    palette.setColor(role, QColor(farbe.r, farbe.g, farbe.b));
    if (control.kind() == ui::ControlKind::ChoiceBox) {
      palette.setColor(QPalette::Base, QColor(farbe.r, farbe.g, farbe.b));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(role == QPalette::Window);
  }
  if (control.hasFontColor()) {
    const ui::Farbe farbe = control.fontColor();
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(role, QColor(farbe.r, farbe.g, farbe.b));
    }
    widget.setPalette(palette);
  }

  // Only the attributes set here override the parent's font; size 0 keeps the parent's size.
  QFont font;
  font.setBold(control.bold());
  if (control.fontSize() > 0) {
    font.setPixelSize(control.fontSize());
  }
  widget.setFont(font);

  // A widget without a parent is a window of its own; its owner decides when it appears.
  if (!control.visible()) {
    widget.hide();
  } else if (widget.parentWidget() != nullptr) {
    widget.show();
  }
}

void Binder::mirrorGeometry(const ui::Control& control, QWidget& widget) {
  const int width = control.width();
  const int height = control.height();
  if (m_placement == Placement::Layout) {
    if (width > 0) {
      widget.setFixedWidth(width);
    } else {
      widget.setMinimumWidth(0);
      widget.setMaximumWidth(QWIDGETSIZE_MAX);
    }
    if (height > 0) {
      widget.setFixedHeight(height);
    } else {
      widget.setMinimumHeight(0);
      widget.setMaximumHeight(QWIDGETSIZE_MAX);
    }
    return;
  }
  if (width > 0 || height > 0) {
    widget.setGeometry(control.left(), control.top(), width > 0 ? width : widget.width(),
                       height > 0 ? height : widget.height());
  } else {
    widget.move(control.left(), control.top());
  }
  // A label with room for two lines breaks a long text instead of cutting it.
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setWordWrap(height >= 2 * label->fontInfo().pixelSize());
  }
}

}  // namespace kelvaro::qt
