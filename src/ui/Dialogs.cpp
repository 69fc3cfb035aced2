#include "ui/Dialogs.h"

namespace kelvaro::ui {

std::optional<std::filesystem::path> ScriptedDialogs::nextFile() {
  if (m_files.empty()) {
    return std::nullopt;
  }
  auto answer = std::move(m_files.front());
  m_files.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::openFile() {
  return nextFile();
}

std::optional<std::filesystem::path> ScriptedDialogs::saveFile(const std::filesystem::path& initialDirectory,
                                                               const std::string& proposedName) {
  m_lastInitialDirectory = initialDirectory;
  m_lastProposedName = proposedName;
  return nextFile();
}

bool ScriptedDialogs::askYesNo(const std::string& text) {
  m_messages.push_back(text);
  if (m_answers.empty()) {
    return false;
  }
  const bool answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

}  // namespace kelvaro::ui
