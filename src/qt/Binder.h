#pragma once

#include "ui/Control.h"
#include "ui/Window.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <unordered_map>

namespace kelvaro::qt {

// Mirrors headless controls into real Qt widgets and feeds the user's input back.
//
// The binder is the change observer of every control it binds: each property change of a
// control is copied into its widget with the widget's signals blocked, so that code
// changing a control never looks like user input. The user-only signals of the widgets
// (QComboBox::activated, QCheckBox::clicked, QLineEdit::textEdited, QPushButton::clicked)
// write the control, which then runs its handler by its own rules.
//
// The widgets belong to their Qt parents. The controls must outlive the binder; on
// destruction the binder detaches itself from every control it still observes.
class Binder : public QObject, private ui::ChangeObserver {
  Q_OBJECT

 public:
  // Absolute: widgets sit at the control's left/top with its width/height.
  // Layout: a layout places the widgets; a control's width or height fixes the widget's.
  enum class Placement { Absolute, Layout };

  explicit Binder(Placement placement = Placement::Absolute, QObject* parent = nullptr);
  ~Binder() override;
  Binder(const Binder&) = delete;
  Binder& operator=(const Binder&) = delete;

  // Creates the widget of a control as a child of parent and mirrors the control into it.
  // A control that is already bound to a living widget keeps it; that widget is returned.
  QWidget* bind(ui::Control& control, QWidget* parent);
  // Binds every registered control of a window.
  void bindWindow(ui::Window& window, QWidget* parent);

  // The widget bound to a control; nullptr when it is not bound or its widget is gone.
  QWidget* widget(const ui::Control& control) const;

  // Copies every property of a control into its widget.
  void mirror(ui::Control& control);

 private:
  void controlChanged(ui::Control& control) override;
  QWidget* createWidget(ui::Control& control, QWidget* parent);
  void mirrorCommon(const ui::Control& control, QWidget& widget);
  void mirrorGeometry(const ui::Control& control, QWidget& widget);
  static void mirrorContent(ui::Control& control, QWidget& widget);

  struct Binding {
    ui::Control* control;
    QPointer<QWidget> widget;
  };
  Placement m_placement;
  std::unordered_map<const ui::Control*, Binding> m_bindings;
};

}  // namespace kelvaro::qt
