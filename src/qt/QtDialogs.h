#pragma once

#include "ui/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace kelvaro::qt {

// The program's modal dialogs on the desktop: Qt file dialogs and message boxes with
// German texts, modal to the given window.
class QtDialogs : public ui::Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

  void setParent(QWidget* parent) { m_parent = parent; }

  std::optional<std::filesystem::path> openFile() override;
  std::optional<std::filesystem::path> saveFile(const std::filesystem::path& initialDirectory,
                                                const std::string& proposedName) override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& text) override;

 private:
  QPointer<QWidget> m_parent;
};

}  // namespace kelvaro::qt
