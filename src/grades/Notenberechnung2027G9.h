#pragma once

#include "grades/Notenauswertung.h"
#include "grades/Notenblatt.h"
#include "ui/Controls.h"
#include "ui/PaintBox.h"
#include "ui/Window.h"

#include <array>
#include <cstdint>

namespace kelvaro {

class Programm;

// The grade window (`TForm4`): the student enters the points of the Q-phase courses and the
// four examinations with the sixteen point buttons and the mouse, and "Abiturnote berechnen"
// computes admission, pass and grade. It changes only the grade book and the result fields
// of the plan. Phases: the opening notice (entered whenever the window is shown), point
// entry, and the evaluated result.
class TForm4 : public ui::Window {
 public:
  explicit TForm4(Programm& programm);

  ui::PaintBox Zeichenflaeche{"Zeichenflaeche"};
  ui::Panel NotenPanel{"NotenPanel"};
  ui::Button P15But{"P15But"}, P14But{"P14But"}, P13But{"P13But"}, P12But{"P12But"};
  ui::Button P11But{"P11But"}, P10But{"P10But"}, P9But{"P9But"}, P8But{"P8But"};
  ui::Button P7But{"P7But"}, P6But{"P6But"}, P5But{"P5But"}, P4But{"P4But"};
  ui::Button P3But{"P3But"}, P2But{"P2But"}, P1But{"P1But"}, P0But{"P0But"};
  ui::Button EingabeStartBut{"EingabeStartBut"}, NotenAendernBut{"NotenAendernBut"};
  ui::Button AbiturNoteBerechnenBut{"AbiturNoteBerechnenBut"};
  ui::Picture FreudeImage{"FreudeImage"}, TrauerImage{"TrauerImage"};
  ui::Button GewerteteKurseBut{"GewerteteKurseBut"}, NichtGewerteteKurseBut{"NichtGewerteteKurseBut"};
  ui::Button DefiziteBut{"DefiziteBut"}, AbiturPruefungenBut{"AbiturPruefungenBut"};
  ui::Button NotenLoeschenBut{"NotenLoeschenBut"}, SchliessBut{"SchliessBut"};
  ui::Picture SpeedButton1{"SpeedButton1"};
  ui::EditField Edit1{"Edit1"};

  // The entry mark: slot 1..5 and course 1..`NotenKursZahl`.
  int EingabeSlot = 1;
  int EingabeKurs = 1;
  // Slots that take points but hold none.
  int FehlendeNoten = 0;
  std::uint8_t Ausgewertet = 0;
  int Ansicht = 4;
  // The last evaluation since the window was shown.
  Notenergebnis Ergebnis;
  // The window's font in pixels (Tahoma 8 pt), scaled with the window.
  int Schriftgroesse = 11;

  // The point button of a value 0..15.
  ui::Button& PunkteBut(int punkte);

  // Shows the window, not modally, and enters the opening phase.
  void Anzeigen();
  void FormActivate();
  // The opening notice and the buttons of the opening state.
  void Eroeffnungsphase();
  void FehlendeNotenZaehlen();
  void NoteSetzen(int Note);
  void ZeichenflaecheMouseDown(int x, int y);
  void ZeichenflaecheMouseMove(int x, int y);
  void ZeichenflaechePaint(ui::Canvas& canvas);
  void EingabeStartButClick();
  void NotenAendernButClick();
  void AbiturNoteBerechnenButClick();
  void NotenLoeschenClick();
  void SchliessenClick();
  void GewerteteKurseButClick();
  void NichtGewerteteKurseButClick();
  void DefiziteButClick();
  void AbiturPruefungenButClick();
  // What is shown has changed: the sheet is painted again.
  void Bildschirmausgabe();

  // The grade book of the plan with the course names and groups built beside it.
  Notenbuch NotenbuchLesen() const;
  Notenblattzustand Blattzustand() const;

 private:
  void Anordnen();
  void PunktButtonsFreigeben(bool frei);
  void InfoButtonsFreigeben(bool frei);
  // One step of the entry mark, and skipping the slots that take no points.
  void Schritt(const Notenbuch& buch);
  void Ueberspringen(const Notenbuch& buch);

  Programm& m_programm;
  std::array<ui::Button*, 16> m_punkteButtons{};
};

}  // namespace kelvaro
