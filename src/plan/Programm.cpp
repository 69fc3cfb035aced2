#include "plan/Programm.h"

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "info/Infos2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "sheet/Auswahl2027G9.h"
#include "sheet/Wahlzettel.h"

namespace kelvaro {

Programm::Programm(const ui::Platform& platform, ui::Dialogs& dialogs, Edition edition)
    : m_platform(platform), m_dialogs(dialogs) {
  m_laufzeit.edition = std::move(edition);
  m_laufzeit.Stufe = m_laufzeit.edition.Stufe;
  m_laufzeit.Stufenverzeichnis = platform.workingDirectory();
  m_form1 = std::make_unique<TForm1>(*this);
  m_form1->FormCreate();
  m_form2 = std::make_unique<TForm2>(*this);
  m_form3 = std::make_unique<TForm3>(*this);
  m_form4 = std::make_unique<TForm4>(*this);
  m_form5 = std::make_unique<TForm5>(*this);
}

Programm::~Programm() = default;

std::string Programm::WahlzettelDrucken(ui::Printer& drucker) {
  return WahlZettelDruck(drucker, m_laufbahn, m_abgeleitet, m_laufzeit, m_platform.today(), m_platform.timeOfDay());
}

}  // namespace kelvaro
