#pragma once

#include "ui/Control.h"
#include "ui/Controls.h"

#include <string>
#include <vector>

namespace kelvaro::ui {

// A non-modal window: caption, visibility, the active state with its activation event,
// and the registry of its controls by name (the desktop layer and the command line find
// controls here).
class Window {
 public:
  explicit Window(std::string className) : m_className(std::move(className)) {}
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& className() const { return m_className; }

  const std::string& caption() const { return m_caption; }
  void setCaption(const std::string& caption);

  bool visible() const { return m_visible; }
  void show();
  void hide();

  bool active() const { return m_active; }
  // The window becomes the active window: its activation handler runs.
  void activate();
  void deactivate();
  void onActivate(Handler handler) { m_onActivate = std::move(handler); }

  // Position of the outer frame on the screen.
  int left() const { return m_left; }
  int top() const { return m_top; }
  void setPosition(int left, int top);

  // Outer size and client area in pixels; the frame is the difference.
  int width() const { return m_clientWidth + m_frameWidth; }
  int height() const { return m_clientHeight + m_frameHeight; }
  int clientWidth() const { return m_clientWidth; }
  int clientHeight() const { return m_clientHeight; }
  void setClientSize(int width, int height);
  void setFrame(int extraWidth, int extraHeight);
  // Resizes the window, keeping its frame.
  void setSize(int width, int height) { setClientSize(width - m_frameWidth, height - m_frameHeight); }
  // Scales position, size and font of every control, halves rounded to even.
  void scaleControls(double factor);

  // The control that should receive the keyboard input (the scanner types into the focused
  // field); each request counts, so that asking again gives the focus back.
  void requestFocus(Control& control);
  Control* focusControl() const { return m_focus; }
  int focusRequests() const { return m_focusRequests; }

  const std::vector<Control*>& controls() const { return m_controls; }
  Control* find(const std::string& name) const;

  void setObserver(class WindowObserver* observer) { m_observer = observer; }

 protected:
  // Registers a control that the window owns as a member.
  void add(Control& control) { m_controls.push_back(&control); }

 private:
  void notify();
  std::string m_className;
  std::string m_caption;
  bool m_visible = false;
  bool m_active = false;
  int m_left = 0;
  int m_top = 0;
  int m_clientWidth = 0;
  int m_clientHeight = 0;
  int m_frameWidth = 0;
  int m_frameHeight = 0;
  Handler m_onActivate;
  Control* m_focus = nullptr;
  int m_focusRequests = 0;
  std::vector<Control*> m_controls;
  class WindowObserver* m_observer = nullptr;
};

class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void windowChanged(Window& window) = 0;
};

}  // namespace kelvaro::ui
