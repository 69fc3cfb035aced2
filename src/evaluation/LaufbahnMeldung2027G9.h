#pragma once

#include "plan/Laufbahn.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <array>
#include <functional>
#include <string>

namespace kelvaro {

class Programm;

// The check report window (`TForm2`): the report of the plan against the regulations, the
// buttons for printing and the grade computation, and the name panel with the
// lower-secondary languages, the alternative project course and the submission checks.
class TForm2 : public ui::Window {
 public:
  explicit TForm2(Programm& programm);

  ui::MultiLineText Textfeld{"Textfeld"};
  ui::Button OKButton{"OKButton"}, Wahlzetteldrucken{"Wahlzetteldrucken"}, NotenBerechnungBut{"NotenBerechnungBut"};

  ui::Panel NameneingabePanel{"NameneingabePanel"};
  ui::Label Label3{"Label3"}, Label1{"Label1"}, Label2{"Label2"}, Label6{"Label6"};
  ui::EditField VornameEdit{"VornameEdit"}, NachnameEdit{"NachnameEdit"};
  ui::CheckBox ZweiteFSSek1Box{"ZweiteFSSek1Box"}, I9Sek1Box{"I9Sek1Box"};
  ui::Label PKUebLab{"PKUebLab"}, PKLab1{"PKLab1"}, PKLab2{"PKLab2"};
  ui::ChoiceBox AlternativPKCombo{"AlternativPKCombo"};
  ui::EditField PKEdit{"PKEdit", true};
  ui::Button OKBut{"OKBut"}, ZurueckBut{"ZurueckBut"};
  ui::Label HilfeLab{"HilfeLab"};
  ui::MultiLineText keinezweiteFSMemo{"keinezweiteFSMemo"}, keinI9Memo{"keinI9Memo"};
  ui::MultiLineText I0falschgewaehltMemo{"I0falschgewaehltMemo"}, I9falschgewaehltMemo{"I9falschgewaehltMemo"};
  ui::Label Label4{"Label4"};
  ui::Button SpeedButton1{"SpeedButton1"};

  // Lines of the last check shown, the heading included, and of its rules alone (1 when no
  // rule was broken); kept with the program's derived values.
  int Meldungszahl() const;
  int MeldungszahlRegeln() const;
  // Declared Italian from year 9 is continued to the end of EF; the new language continues
  // into Q2; the two language boxes are being set by the window itself.
  int I9Fortgefuehrt = 0;
  int NeueFSFortgefuehrt = 0;
  int SekIBoxenBereit = 0;

  void FehlerSetzen(const std::string& text);
  void MeldungAnzeigen();
  void FormActivate();
  void OKButClick();
  void WahlZettelDruckenClick();
  void AlternativPKComboChange();
  void DruckenButClick();
  void ZurueckButClick();
  void WertZweiteFSSek1Setzen();
  void ZweiteFSSek1BoxClick();
  void I9Sek1BoxClick();
  void BerechnungVorbereiten();
  void NotenBerechnungButClick();

  // Sizes and places the window for a screen, as the main window's check button does.
  void FensterPlatzieren(int bildschirmBreite, int bildschirmHoehe);
  // The alternative project course can be chosen: the plan has a project course and is
  // made for EF, or for Q1 before the second half-year's exam choices.
  bool ProjektkursFenster() const;

  // What prints the selection sheet once every check has passed.
  void onWahlzettelDruck(std::function<void()> druck) { m_wahlzettelDruck = std::move(druck); }

 private:
  void Anordnen();
  void NamenUebernehmen();
  Programm& m_programm;
  std::function<void()> m_wahlzettelDruck;
};

}  // namespace kelvaro
