#include "plan/Programm.h"

#include "plan/Kelvaro2027G9.h"

namespace kelvaro {

Programm::Programm(const ui::Platform& platform, ui::Dialogs& dialogs, Edition edition)
    : m_platform(platform), m_dialogs(dialogs) {
  m_laufzeit.edition = std::move(edition);
  m_laufzeit.Stufe = m_laufzeit.edition.Stufe;
  m_laufzeit.Stufenverzeichnis = platform.workingDirectory();
  m_form1 = std::make_unique<TForm1>(*this);
  m_form1->FormCreate();
}

Programm::~Programm() = default;

}  // namespace kelvaro
