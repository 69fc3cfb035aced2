#include "grades/Notenberechnung2027G9.h"

#include "plan/Programm.h"

#include <cmath>
#include <string>

namespace kelvaro {

namespace {

// 1100 wide as designed, and the buttons that reach to 1104 not cut off.
constexpr int DesignBreite = 1112;
constexpr int DesignHoehe = 648;

std::size_t I(int index) {
  return static_cast<std::size_t>(index);
}

int Gerundet(double wert) {
  return static_cast<int>(std::nearbyint(wert));
}

}  // namespace

TForm4::TForm4(Programm& programm) : ui::Window("TForm4"), m_programm(programm) {
  setCaption("Berechnung Ihrer Abiturnote (Numerus Clausus)");
  m_punkteButtons = {&P0But, &P1But, &P2But,  &P3But,  &P4But,  &P5But,  &P6But,  &P7But,
                     &P8But, &P9But, &P10But, &P11But, &P12But, &P13But, &P14But, &P15But};
  add(Zeichenflaeche);
  add(NotenPanel);
  for (int punkte = 15; punkte >= 0; --punkte) {
    ui::Button& button = PunkteBut(punkte);
    add(button);
    button.setParent(&NotenPanel);
    button.onClick([this, punkte] { NoteSetzen(punkte); });
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &EingabeStartBut, &NotenAendernBut, &AbiturNoteBerechnenBut, &FreudeImage, &TrauerImage, &GewerteteKurseBut,
           &NichtGewerteteKurseBut, &DefiziteBut, &AbiturPruefungenBut, &NotenLoeschenBut, &SchliessBut, &SpeedButton1,
           &Edit1}) {
    add(*control);
  }
  Anordnen();

  Zeichenflaeche.onPaint([this](ui::Canvas& canvas) { ZeichenflaechePaint(canvas); });
  Zeichenflaeche.onMouseDown([this](int x, int y) { ZeichenflaecheMouseDown(x, y); });
  Zeichenflaeche.onMouseMove([this](int x, int y) { ZeichenflaecheMouseMove(x, y); });
  EingabeStartBut.onClick([this] { EingabeStartButClick(); });
  NotenAendernBut.onClick([this] { NotenAendernButClick(); });
  AbiturNoteBerechnenBut.onClick([this] { AbiturNoteBerechnenButClick(); });
  GewerteteKurseBut.onClick([this] { GewerteteKurseButClick(); });
  NichtGewerteteKurseBut.onClick([this] { NichtGewerteteKurseButClick(); });
  DefiziteBut.onClick([this] { DefiziteButClick(); });
  AbiturPruefungenBut.onClick([this] { AbiturPruefungenButClick(); });
  NotenLoeschenBut.onClick([this] { NotenLoeschenClick(); });
  SchliessBut.onClick([this] { SchliessenClick(); });
  onActivate([this] { FormActivate(); });

  // The window's contents follow the screen width; the sheet is drawn in design pixels.
  const ui::Bildschirm bildschirm = programm.platform().screenSize();
  if (bildschirm.breite > 0 && (bildschirm.breite != 1280 || bildschirm.hoehe != 800)) {
    const double faktor = static_cast<double>(bildschirm.breite) / 1280;
    scaleControls(faktor);
    setClientSize(Gerundet(DesignBreite * faktor), Gerundet(DesignHoehe * faktor));
    Zeichenflaeche.setScale(faktor);
    Schriftgroesse = Gerundet(11 * faktor);
  }
}

void TForm4::Anordnen() {
  setClientSize(DesignBreite, DesignHoehe);
  setFrame(16, 39);
  Zeichenflaeche.setGeometry(8, 8, ZeichenflaecheBreite, ZeichenflaecheHoehe);
  NotenPanel.setGeometry(871, 8, 202, 201);
  const char* const noten[] = {"(6)", "(5-)", "(5)",  "(5+)", "(4-)", "(4)",  "(4+)", "(3-)",
                               "(3)", "(3+)", "(2-)", "(2)",  "(2+)", "(1-)", "(1)",  "(1+)"};
  for (int punkte = 15; punkte >= 1; --punkte) {
    const int rang = 15 - punkte;  // 15 14 13 in the first row, ...
    PunkteBut(punkte).setGeometry(8 + 63 * (rang % 3), 8 + 31 * (rang / 3), 57, 25);
  }
  P0But.setGeometry(71, 163, 57, 25);
  for (int punkte = 0; punkte <= 15; ++punkte) {
    PunkteBut(punkte).setText(std::to_string(punkte) + " P. " + noten[punkte]);
  }
  const struct {
    ui::Control* control;
    int links, oben, breite, hoehe;
    const char* text;
  } platz[] = {
      {&EingabeStartBut, 976, 224, 128, 25, "Noteneingabe starten"},
      {&NotenAendernBut, 976, 255, 128, 25, "Noten verändern"},
      {&AbiturNoteBerechnenBut, 976, 287, 128, 25, "Abiturnote berechnen"},
      {&FreudeImage, 871, 224, 99, 88, "Freude"},
      {&TrauerImage, 871, 224, 90, 88, "Trauer"},
      {&GewerteteKurseBut, 871, 318, 233, 25, "Infos zu den gewerteten Kursen"},
      {&NichtGewerteteKurseBut, 871, 349, 233, 25, "Infos zu den nicht gewerteten Kursen"},
      {&DefiziteBut, 871, 380, 233, 25, "Infos zu den Defiziten und Zulassungspunkten"},
      {&AbiturPruefungenBut, 871, 411, 233, 25, "Infos zu Abitur- und Abweichungsprüfungen"},
      {&NotenLoeschenBut, 871, 443, 233, 25, "Alle Noten löschen"},
      {&SchliessBut, 871, 474, 233, 25, "Notenberechnung schließen"},
      {&SpeedButton1, 871, 512, 233, 131, "Notenrechner"},
      {&Edit1, 666, 612, 191, 21, "Edit1"},
  };
  for (const auto& eintrag : platz) {
    eintrag.control->setGeometry(eintrag.links, eintrag.oben, eintrag.breite, eintrag.hoehe);
    eintrag.control->setText(eintrag.text);
  }
  NotenAendernBut.setEnabled(false);
  AbiturNoteBerechnenBut.setEnabled(false);
  FreudeImage.setVisible(false);
  TrauerImage.setVisible(false);
  Edit1.setVisible(false);
}

ui::Button& TForm4::PunkteBut(int punkte) {
  return *m_punkteButtons[I(punkte)];
}

Notenbuch TForm4::NotenbuchLesen() const {
  // The course names and groups are rebuilt with the grade book, beside the plan.
  const NotenbuchSpalten& spalten = m_programm.abgeleitet().notenbuch;
  return NotenbuchAus(m_programm.laufbahn(), spalten.KursLangname, spalten.KursFachgruppe);
}

Notenblattzustand TForm4::Blattzustand() const {
  return Notenblattzustand{EingabeSlot, EingabeKurs, FehlendeNoten, Ausgewertet == 1, Ansicht};
}

void TForm4::PunktButtonsFreigeben(bool frei) {
  for (ui::Button* button : m_punkteButtons) {
    button->setEnabled(frei);
  }
}

void TForm4::InfoButtonsFreigeben(bool frei) {
  for (ui::Button* button : {&GewerteteKurseBut, &NichtGewerteteKurseBut, &DefiziteBut, &AbiturPruefungenBut}) {
    button->setEnabled(frei);
  }
}

void TForm4::Bildschirmausgabe() {
  Zeichenflaeche.invalidate();
}

void TForm4::ZeichenflaechePaint(ui::Canvas& canvas) {
  kelvaro::Bildschirmausgabe(canvas, NotenbuchLesen(), Ergebnis, Blattzustand());
}

void TForm4::FehlendeNotenZaehlen() {
  FehlendeNoten = kelvaro::FehlendeNotenZaehlen(NotenbuchLesen());
}

void TForm4::Anzeigen() {
  Ergebnis = Notenergebnis{};
  show();
  activate();
  // Entered when the window is shown, not on every repaint: covering the window by another
  // one must not throw away a computed result.
  Eroeffnungsphase();
}

void TForm4::FormActivate() {
  // "Noteneingabe starten" belongs to the opening phase; coming back to the window during
  // entry or with a result keeps that phase.
  if (Ansicht == 4 && Ausgewertet == 0) {
    EingabeStartBut.setVisible(FehlendeNoten > 0);
  }
}

void TForm4::Eroeffnungsphase() {
  EingabeSlot = 1;
  EingabeKurs = 1;
  Ansicht = 4;
  Ausgewertet = 0;
  FehlendeNotenZaehlen();
  Bildschirmausgabe();
  const bool vollstaendig = FehlendeNoten == 0;
  EingabeStartBut.setVisible(!vollstaendig);
  NotenLoeschenBut.setEnabled(vollstaendig);
  AbiturNoteBerechnenBut.setEnabled(vollstaendig);
  NotenAendernBut.setEnabled(vollstaendig);
  InfoButtonsFreigeben(false);
  PunktButtonsFreigeben(false);
  FreudeImage.setVisible(false);
  TrauerImage.setVisible(false);
}

void TForm4::Schritt(const Notenbuch& buch) {
  ++EingabeSlot;
  if (EingabeSlot == 6 || (EingabeSlot == 5 && !IstAbiturkurs(buch.Art(EingabeKurs)))) {
    EingabeSlot = 1;
    ++EingabeKurs;
    if (EingabeKurs > buch.Kurse()) {
      EingabeKurs = 1;
    }
  }
}

void TForm4::Ueberspringen(const Notenbuch& buch) {
  const int slot = EingabeSlot;
  const int kurs = EingabeKurs;
  // Every slot at most once; with no slot that takes points the mark stays.
  for (int schritte = 0; schritte <= NotenSlots * buch.Kurse(); ++schritte) {
    if (NimmtPunkte(buch, EingabeKurs, EingabeSlot)) {
      return;
    }
    Schritt(buch);
  }
  EingabeSlot = slot;
  EingabeKurs = kurs;
}

void TForm4::NoteSetzen(int Note) {
  Laufbahn& l = m_programm.laufbahn();
  const Notenbuch buch = NotenbuchLesen();
  if (NimmtPunkte(buch, EingabeKurs, EingabeSlot)) {
    l.Noten[I(EingabeSlot - 1)][I(EingabeKurs)] = Note;
  }
  if (buch.Kurse() > 0) {
    Schritt(buch);
    Ueberspringen(buch);
  }
  FehlendeNotenZaehlen();
  l.AbiNoteBerechnet = 0;
  Bildschirmausgabe();
  if (FehlendeNoten == 0) {
    AbiturNoteBerechnenBut.setEnabled(true);
  }
}

void TForm4::ZeichenflaecheMouseDown(int x, int y) {
  const Notenbuch buch = NotenbuchLesen();
  const int slot = x > 320 && x < 620 ? (x - 320) / 60 + 1 : 0;
  int kurs = y > 70 && y < 460 ? (y - 70) / 30 + 1 : 0;
  if (kurs > buch.Kurse() || (slot == 5 && kurs > 0 && !IstAbiturkurs(buch.Art(kurs)))) {
    kurs = 0;
  }
  if (slot < 1 || kurs < 1) {
    return;
  }
  EingabeSlot = slot;
  EingabeKurs = kurs;
  Ueberspringen(buch);
  Bildschirmausgabe();
}

void TForm4::ZeichenflaecheMouseMove(int x, int y) {
  const int slot = x > 320 && x < 620 ? (x - 320) / 60 + 1 : 0;
  const int kurs = y > 70 && y < 460 ? (y - 70) / 30 + 1 : 0;
  Edit1.setText("x: " + std::to_string(x) + " y: " + std::to_string(y) + " x1: " + std::to_string(slot) +
                " y1: " + std::to_string(kurs));
}

void TForm4::EingabeStartButClick() {
  Ansicht = 5;
  EingabeSlot = 1;
  EingabeKurs = 1;
  Bildschirmausgabe();
  EingabeStartBut.setVisible(false);
  NotenLoeschenBut.setEnabled(true);
  FehlendeNotenZaehlen();
  AbiturNoteBerechnenBut.setEnabled(FehlendeNoten == 0);
  NotenAendernBut.setEnabled(false);
  PunktButtonsFreigeben(true);
  Ausgewertet = 0;
}

void TForm4::NotenAendernButClick() {
  FehlendeNotenZaehlen();
  // Only a complete grade book can be evaluated, also after "Alle Noten löschen".
  AbiturNoteBerechnenBut.setEnabled(FehlendeNoten == 0);
  NotenAendernBut.setEnabled(false);
  Ausgewertet = 0;
  Ansicht = 5;
  Bildschirmausgabe();
  InfoButtonsFreigeben(false);
  PunktButtonsFreigeben(true);
  FreudeImage.setVisible(false);
  TrauerImage.setVisible(false);
}

void TForm4::AbiturNoteBerechnenButClick() {
  Laufbahn& l = m_programm.laufbahn();
  FehlendeNotenZaehlen();
  if (FehlendeNoten > 0) {
    return;
  }
  const bool angepasst = ProjektkursAngleichen(l);
  if (angepasst) {
    Bildschirmausgabe();
    m_programm.dialogs().showMessage("Die Note aus Q1.1 des Projektkurses wurde an das zweite Halbjahr angepasst.");
  }
  Ausgewertet = 1;
  // A second evaluation of the same grade book starts from the same state.
  for (int p = 1; p <= NotenSpalten; ++p) {
    for (int h = 1; h <= 4; ++h) {
      std::uint8_t& status = l.KursZaehlart[I(h)][I(p)];
      if (status != nichtbelegt) {
        status = Belegt;
      }
    }
  }
  Ergebnis = AbiturnoteBerechnen(NotenbuchLesen());
  Ergebnis.ProjektkursAngepasst = angepasst ? 1 : 0;
  for (int p = 1; p <= NotenSpalten; ++p) {
    for (int h = 1; h <= 4; ++h) {
      l.KursZaehlart[I(h)][I(p)] = Ergebnis.KursZaehlart[I(h)][I(p)];
    }
  }
  l.ZulassungBestanden = Ergebnis.ZulassungBestanden;
  l.PruefungBestanden = Ergebnis.PruefungBestanden;
  l.AbiNote = Ergebnis.AbiNote;
  Ansicht = 0;
  Bildschirmausgabe();
  NotenAendernBut.setEnabled(true);
  InfoButtonsFreigeben(true);
  AbiturNoteBerechnenBut.setEnabled(false);
  PunktButtonsFreigeben(false);
  const bool bestanden = Ergebnis.PruefungBestanden == 1 && Ergebnis.ZulassungBestanden == 1;
  FreudeImage.setVisible(bestanden);
  TrauerImage.setVisible(!bestanden);
  l.AbiNoteBerechnet = 1;
}

void TForm4::NotenLoeschenClick() {
  if (!m_programm.dialogs().askYesNo("Wollen Sie wirklich alle Noten löschen ?")) {
    return;
  }
  Laufbahn& l = m_programm.laufbahn();
  const int kurse = NotenbuchLesen().Kurse();
  for (auto& slot : l.Noten) {
    for (int p = 1; p <= kurse; ++p) {
      slot[I(p)] = -1;
    }
  }
  InfoButtonsFreigeben(false);
  AbiturNoteBerechnenBut.setEnabled(false);
  l.AbiNoteBerechnet = 0;
  Ansicht = 5;
  Ausgewertet = 0;
  FehlendeNotenZaehlen();
  Bildschirmausgabe();
}

void TForm4::SchliessenClick() {
  hide();
}

void TForm4::GewerteteKurseButClick() {
  Ansicht = 0;
  Bildschirmausgabe();
}

void TForm4::NichtGewerteteKurseButClick() {
  Ansicht = 1;
  Bildschirmausgabe();
}

void TForm4::DefiziteButClick() {
  Ansicht = 2;
  Bildschirmausgabe();
}

void TForm4::AbiturPruefungenButClick() {
  Ansicht = 3;
  Bildschirmausgabe();
}

}  // namespace kelvaro
