#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro::ui {

// The platform's modal dialogs. Each returns what the user chose; nothing when cancelled.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual std::optional<std::filesystem::path> openFile() = 0;
  virtual std::optional<std::filesystem::path> saveFile(const std::filesystem::path& initialDirectory,
                                                        const std::string& proposedName) = 0;
  // A message box with an information icon and an OK button.
  virtual void showMessage(const std::string& text) = 0;
  // A message box with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
};

// Dialogs that give answers queued in advance ("next answer"), for tests and the command
// line. With no answer queued a file dialog counts as cancelled and a question as No.
class ScriptedDialogs : public Dialogs {
 public:
  void queueFile(std::optional<std::filesystem::path> answer) { m_files.push_back(std::move(answer)); }
  void queueYesNo(bool answer) { m_answers.push_back(answer); }

  std::optional<std::filesystem::path> openFile() override;
  std::optional<std::filesystem::path> saveFile(const std::filesystem::path& initialDirectory,
                                                const std::string& proposedName) override;
  void showMessage(const std::string& text) override { m_messages.push_back(text); }
  bool askYesNo(const std::string& text) override;

  const std::vector<std::string>& messages() const { return m_messages; }
  const std::filesystem::path& lastInitialDirectory() const { return m_lastInitialDirectory; }
  const std::string& lastProposedName() const { return m_lastProposedName; }

 private:
  std::optional<std::filesystem::path> nextFile();
  std::deque<std::optional<std::filesystem::path>> m_files;
  std::deque<bool> m_answers;
  std::vector<std::string> m_messages;
  std::filesystem::path m_lastInitialDirectory;
  std::string m_lastProposedName;
};

}  // namespace kelvaro::ui
