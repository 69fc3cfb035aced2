#pragma once

#include "evaluation/Abgeleitet.h"
#include "plan/Laufbahn.h"
#include "plan/Laufzeit.h"
#include "sheet/Stufe.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"
#include "ui/Printer.h"

#include <array>
#include <memory>
#include <string>

namespace kelvaro {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

// The whole program: one plan, its derived values, the run-time state and the five
// windows, created in a fixed order (the main window's start-up runs before the others exist).
// Nothing is global, so a test builds a fresh program with a fixed date and screen.
class Programm {
 public:
  Programm(const ui::Platform& platform, ui::Dialogs& dialogs, Edition edition = GebauteEdition());
  ~Programm();
  Programm(const Programm&) = delete;
  Programm& operator=(const Programm&) = delete;

  Laufbahn& laufbahn() { return m_laufbahn; }
  const Laufbahn& laufbahn() const { return m_laufbahn; }
  Abgeleitet& abgeleitet() { return m_abgeleitet; }
  const Abgeleitet& abgeleitet() const { return m_abgeleitet; }
  // The stage of teacher mode: name list, plan-file table, scans since start.
  Stufenstand& stufenstand() { return m_stufenstand; }
  const Stufenstand& stufenstand() const { return m_stufenstand; }
  Laufzeit& laufzeit() { return m_laufzeit; }
  const Laufzeit& laufzeit() const { return m_laufzeit; }
  const ui::Platform& platform() const { return m_platform; }
  ui::Dialogs& dialogs() { return m_dialogs; }

  TForm1& hauptfenster() { return *m_form1; }
  TForm2& meldungsfenster() { return *m_form2; }
  TForm3& infofenster() { return *m_form3; }
  TForm4& notenfenster() { return *m_form4; }
  TForm5& auswahlfenster() { return *m_form5; }

  // Prints the selection sheet of the plan, dated now (see WahlZettelDruck).
  std::string WahlzettelDrucken(ui::Printer& drucker);

 private:
  const ui::Platform& m_platform;
  ui::Dialogs& m_dialogs;
  Laufbahn m_laufbahn;
  Abgeleitet m_abgeleitet;
  Laufzeit m_laufzeit;
  Stufenstand m_stufenstand;
  std::unique_ptr<TForm1> m_form1;
  std::unique_ptr<TForm2> m_form2;
  std::unique_ptr<TForm3> m_form3;
  std::unique_ptr<TForm4> m_form4;
  std::unique_ptr<TForm5> m_form5;
};

}  // namespace kelvaro
