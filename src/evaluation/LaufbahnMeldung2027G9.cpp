#include "evaluation/LaufbahnMeldung2027G9.h"

#include "evaluation/Notenbuch.h"
#include "evaluation/Pruefregeln.h"
#include "evaluation/Pruefung.h"
#include "grades/Notenberechnung2027G9.h"
#include "plan/Faechermengen.h"
#include "plan/Programm.h"

#include <cmath>

namespace kelvaro {

namespace {

constexpr int DesignBreite = 984;
constexpr int DesignHoehe = 732;

int Gerundet(double wert) {
  return static_cast<int>(std::nearbyint(wert));
}

// The code points of a UTF-8 text.
std::u32string Zeichen(const std::string& text) {
  std::u32string zeichen;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    int laenge = byte < 0x80             ? 1
                 : (byte & 0xE0) == 0xC0 ? 2
                 : (byte & 0xF0) == 0xE0 ? 3
                 : (byte & 0xF8) == 0xF0 ? 4
                                         : 1;
    char32_t c = laenge == 1 ? byte : byte & (0x7F >> laenge);
    for (int k = 1; k < laenge; ++k) {
      const std::size_t stelle = i + static_cast<std::size_t>(k);
      if (stelle >= text.size() || (static_cast<unsigned char>(text[stelle]) & 0xC0) != 0x80) {
        laenge = 1;
        c = 0xFFFD;  // not UTF-8: never an allowed letter
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(text[stelle]) & 0x3F);
    }
    zeichen.push_back(c);
    i += static_cast<std::size_t>(laenge);
  }
  return zeichen;
}

// The first 50 characters of a name, as far as the plan file can hold them.
std::string Name50(const std::string& text) {
  std::size_t i = 0;
  int anzahl = 0;
  while (i < text.size() && anzahl < 50) {
    const auto byte = static_cast<unsigned char>(text[i]);
    i += byte < 0x80 ? 1 : (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
    ++anzahl;
  }
  return text.substr(0, std::min(i, text.size()));
}

bool ErlaubtesZeichen(char32_t c) {
  static const std::u32string weitere = U" *-ÄÖÜßàáäèéìíòóöùúü";
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || weitere.find(c) != std::u32string::npos;
}

bool GrossbuchstabeAmAnfang(const std::u32string& name) {
  const char32_t c = name.front();
  return (c >= U'A' && c <= U'Z') || c == U'Ä' || c == U'Ö' || c == U'Ü';
}

}  // namespace

TForm2::TForm2(Programm& programm) : ui::Window("TForm2"), m_programm(programm) {
  setCaption("Laufbahnprüfung Gymnasium Velmarsk");
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Textfeld,
                                                                  &OKButton,
                                                                  &Wahlzetteldrucken,
                                                                  &NotenBerechnungBut,
                                                                  &NameneingabePanel,
                                                                  &Label3,
                                                                  &Label1,
                                                                  &VornameEdit,
                                                                  &Label2,
                                                                  &NachnameEdit,
                                                                  &Label6,
                                                                  &ZweiteFSSek1Box,
                                                                  &I9Sek1Box,
                                                                  &PKUebLab,
                                                                  &PKLab1,
                                                                  &PKLab2,
                                                                  &AlternativPKCombo,
                                                                  &PKEdit,
                                                                  &OKBut,
                                                                  &ZurueckBut,
                                                                  &HilfeLab,
                                                                  &keinezweiteFSMemo,
                                                                  &keinI9Memo,
                                                                  &I0falschgewaehltMemo,
                                                                  &I9falschgewaehltMemo,
                                                                  &Label4,
                                                                  &SpeedButton1}) {
    add(*control);
    if (control != &Textfeld && control != &OKButton && control != &Wahlzetteldrucken &&
        control != &NotenBerechnungBut && control != &NameneingabePanel) {
      control->setParent(&NameneingabePanel);
    }
  }
  Anordnen();
  OKButton.onClick([this] { OKButClick(); });
  Wahlzetteldrucken.onClick([this] { WahlZettelDruckenClick(); });
  NotenBerechnungBut.onClick([this] { NotenBerechnungButClick(); });
  AlternativPKCombo.onChange([this] { AlternativPKComboChange(); });
  OKBut.onClick([this] { DruckenButClick(); });
  ZurueckBut.onClick([this] { ZurueckButClick(); });
  ZweiteFSSek1Box.onClick([this] { ZweiteFSSek1BoxClick(); });
  I9Sek1Box.onClick([this] { I9Sek1BoxClick(); });
  onActivate([this] { FormActivate(); });

  // The window's contents follow the screen width.
  const ui::Bildschirm bildschirm = programm.platform().screenSize();
  if (bildschirm.breite != 1280 || bildschirm.hoehe != 800) {
    scaleControls(static_cast<double>(bildschirm.breite) / 1280);
  }
}

void TForm2::Anordnen() {
  setClientSize(DesignBreite, DesignHoehe);
  setFrame(16, 39);
  Textfeld.setGeometry(8, 8, 900, 531);
  Textfeld.setFontSize(19);
  OKButton.setGeometry(8, 545, 75, 32);
  OKButton.setText("OK");
  OKButton.setFontSize(21);
  Wahlzetteldrucken.setGeometry(97, 545, 304, 32);
  Wahlzetteldrucken.setText("Wahlzettel ausdrucken");
  NotenBerechnungBut.setGeometry(407, 545, 298, 32);
  NotenBerechnungBut.setText("Abiturnotenberechnung");
  Wahlzetteldrucken.setEnabled(false);
  NotenBerechnungBut.setEnabled(false);

  NameneingabePanel.setGeometry(208, 50, 649, 569);
  NameneingabePanel.setVisible(false);
  NameneingabePanel.setColor(ui::Farbe{240, 240, 240});
  const struct {
    ui::Control* control;
    int links, oben, breite, hoehe;
    const char* text;
  } panel[] = {
      {&Label3, 32, 24, 560, 24, "Name des Schülers oder der Schülerin:"},
      {&Label1, 32, 56, 240, 24, "Vorname:"},
      {&VornameEdit, 32, 81, 241, 27, nullptr},
      {&Label2, 32, 120, 240, 24, "Nachname:"},
      {&NachnameEdit, 32, 145, 241, 27, nullptr},
      {&Label6, 32, 198, 560, 24, "Fremdsprachen in der Sekundarstufe I:"},
      {&ZweiteFSSek1Box, 32, 230, 600, 22, "von Klasse 7 bis 10 wurde eine zweite Fremdsprache belegt"},
      {&I9Sek1Box, 32, 253, 600, 22, "Italienisch wurde ab Klasse 9 belegt"},
      {&PKUebLab, 32, 286, 560, 22, "Alternativwahl für den Projektkurs:"},
      {&PKLab1, 32, 311, 610, 22, "Alternativwahl für den Projektkurs, falls dieser nicht zu Stande kommt bzw. "},
      {&PKLab2, 32, 336, 610, 22, "überbelegt ist: bisher keine Alternativwahl getroffen"},
      {&AlternativPKCombo, 32, 361, 170, 27, nullptr},
      {&PKEdit, 224, 361, 145, 32, nullptr},
      {&OKBut, 32, 403, 75, 25, "Drucken"},
      {&ZurueckBut, 127, 403, 75, 25, "Zurück"},
      {&HilfeLab, 32, 459, 600, 22, nullptr},
      {&keinezweiteFSMemo, 32, 434, 553, 119, nullptr},
      {&keinI9Memo, 32, 434, 553, 119, nullptr},
      {&I0falschgewaehltMemo, 32, 434, 553, 119, nullptr},
      {&I9falschgewaehltMemo, 32, 434, 553, 119, nullptr},
  };
  for (const auto& eintrag : panel) {
    eintrag.control->setGeometry(eintrag.links, eintrag.oben, eintrag.breite, eintrag.hoehe);
    if (eintrag.text != nullptr) {
      eintrag.control->setText(eintrag.text);
    }
  }
  for (ui::Control* control : controls()) {
    if (control->parent() == &NameneingabePanel) {
      control->setFontSize(16);
    }
  }
  for (ui::Control* fett : std::initializer_list<ui::Control*>{&Label3, &Label6, &PKUebLab}) {
    fett->setBold(true);
  }
  OKBut.setFontSize(14);
  ZurueckBut.setFontSize(14);
  PKEdit.setColor(ui::farben::Silber);
  PKEdit.setFontSize(20);
  HilfeLab.setVisible(false);
  HilfeLab.setFontColor(ui::farben::Rot);
  Label4.setVisible(false);
  SpeedButton1.setVisible(false);
  const ui::Farbe menue{240, 240, 240};
  keinezweiteFSMemo.setLines(
      {"Wenn Sie in Klasse 7 bis 10 keine zweite Fremdsprache belegt haben, ",
       "und Italienisch nicht ab Klasse 9 gelernt haben,", "müssen Sie bis zur Jahrgangstufe Q2 die neueinsetzende ",
       "Fremsprache Italinisch (ab 11)  lernen. ", "Wählen Sie Italienisch (ab 11) oder setzen Sie oben das Häkchen ",
       "für eine weitere belegte Fremdsprache in der Sekundarstufe 1."});
  keinI9Memo.setLines({"Wenn Sie in Klasse 7 bis 10 keine zweite Fremdsprache belegt haben, ",
                       "jedoch Italienisch ab Klasse 9 gelernt haben,",
                       "müssen Sie bis zum Ende der Einführungsphase (EF)  ",
                       "die Fremsprache Italinisch (ab 9) fortsetzen.",
                       "Wählen Sie Italienisch (ab 9) oder setzen Sie oben das Häkchen ",
                       "für die zweite belegte Fremdsprache in der Sekundarstufe 1."});
  I0falschgewaehltMemo.setLines({"Sie hasben Italienisch ab Klasse 11 gewählt, obwohl Sie laut ",
                                 "obigen Angaben seit Klasse 9 Italiensch belegt haben.",
                                 "Wählen Sie Italienisch (ab 9) oder nehmen Sie oben das Häkchen ",
                                 "für die Belegung von Italienisch (ab 9) weg."});
  I9falschgewaehltMemo.setLines({"Sie haben die Fortsetzung von Italienisch ab Klasse 9 gewählt, ",
                                 "obwohl Sie laut obigen Angaben Italiensch nicht ab Klasse 9 ", "belegt haben.",
                                 "Wählen Sie Italienisch (ab 11) oder setzen Sie oben das Häkchen ",
                                 "für die Belegung von Italienisch (ab 9)."});
  for (ui::MultiLineText* memo : {&keinezweiteFSMemo, &keinI9Memo, &I0falschgewaehltMemo, &I9falschgewaehltMemo}) {
    memo->setColor(menue);
    memo->setFontColor(ui::farben::Rot);
    memo->setFontSize(14);
    memo->setVisible(false);
  }
}

void TForm2::FensterPlatzieren(int bildschirmBreite, int bildschirmHoehe) {
  setSize(Gerundet(0.8 * bildschirmBreite), Gerundet(0.9 * bildschirmHoehe));
  setPosition(Gerundet(0.05 * bildschirmHoehe), Gerundet(0.03 * bildschirmBreite));
}

bool TForm2::ProjektkursFenster() const {
  const Laufbahn& l = m_programm.laufbahn();
  const Laufzeit& z = m_programm.laufzeit();
  const bool projektkurs = l.Q1Modell == 0 || l.Q1Modell == 2;
  return projektkurs && (z.Stufe == 0 || (z.Stufe == 1 && (z.Wahlphase() == 1 || z.Wahlphase() == 2)));
}

int TForm2::Meldungszahl() const {
  return m_programm.abgeleitet().Meldungszahl;
}

int TForm2::MeldungszahlRegeln() const {
  return m_programm.abgeleitet().MeldungszahlRegeln;
}

void TForm2::FehlerSetzen(const std::string& text) {
  Textfeld.addLine(text);
  ++m_programm.abgeleitet().Meldungszahl;
}

void TForm2::MeldungAnzeigen() {
  Abgeleitet& a = m_programm.abgeleitet();
  const Pruefbericht bericht = LaufbahnPruefen(m_programm.laufbahn(), a, m_programm.laufzeit());
  a.Meldungszahl = 0;
  Textfeld.clear();
  for (const std::string& zeile : bericht.Zeilen) {
    FehlerSetzen(zeile);
  }
  a.MeldungszahlRegeln = bericht.MeldungszahlRegeln;
  Wahlzetteldrucken.setEnabled(bericht.WahlzettelDruckbar);
  NotenBerechnungBut.setEnabled(bericht.NotenberechnungMoeglich);
  Textfeld.setColor(bericht.Farbe);
}

void TForm2::FormActivate() {
  Laufbahn& l = m_programm.laufbahn();
  NameneingabePanel.setVisible(false);
  NachnameEdit.setText(l.Nachname);
  VornameEdit.setText(l.Vorname);
  const bool wahlfachQ = WahlfachInQ(l);
  NeueFSFortgefuehrt = IstNeueSprache(l.Fach[FS1]) || (l.SchwerpunktFS == 1 && IstNeueSprache(l.Fach[FS2])) ||
                               (wahlfachQ && IstNeueSprache(l.Fach[Wa1]) && l.AbwahlWa1 == 0)
                           ? 1
                           : 0;
  I9Fortgefuehrt =
      l.Fach[FS1] == I9 || (l.SchwerpunktFS == 1 && l.Fach[FS2] == I9) || l.Fach[Wa1] == I9 ||
              (l.Fach[Wa2] == I9 && (l.EFModell == 0 || l.EFModell == 1 || (l.EFModell == 2 && l.AbwahlEF == 0))) ||
              (l.EFModell == 1 && l.Fach[VK1] == I9 && l.AbwahlEF == 0)
          ? 1
          : 0;
  for (ui::MultiLineText* memo : {&keinI9Memo, &I9falschgewaehltMemo, &I0falschgewaehltMemo}) {
    memo->setGeometry(keinezweiteFSMemo.left(), keinezweiteFSMemo.top(), memo->width(), memo->height());
  }
  SekIBoxenBereit = 0;
  I9Sek1Box.setChecked(l.ZweiteFSSek1 == 2 || l.ZweiteFSSek1 == 3);
  ZweiteFSSek1Box.setChecked(l.ZweiteFSSek1 == 1 || l.ZweiteFSSek1 == 3);
  WertZweiteFSSek1Setzen();
  SekIBoxenBereit = 1;

  const bool fenster = ProjektkursFenster();
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&AlternativPKCombo, &PKUebLab, &PKLab1, &PKLab2, &PKEdit}) {
    control->setVisible(fenster);
  }
  if (fenster) {
    AlternativPKCombo.clearItems();
    for (std::string_view eintrag : PKListe) {
      if (!eintrag.empty()) {
        AlternativPKCombo.addItem(std::string(eintrag));
      }
    }
    if (l.AlternativPK != leer) {
      AlternativPKCombo.setText(FachWahltext(l.AlternativPK));
      PKEdit.setText(FachWahltext(l.AlternativPK));
      PKLab2.setText("überbelegt ist (Erstwahl für den Projektkurs ist " + FachWahltext(l.Fach[PK]) + "):");
    } else {
      AlternativPKCombo.setText(std::string(PKListe[0]));
      PKLab2.setText("überbelegt ist: bisher keine Alternativwahl getroffen");
      PKEdit.setText("");
    }
  }
  m_programm.laufzeit().Startaktion = 4;
  MeldungAnzeigen();
}

void TForm2::OKButClick() {
  hide();
}

void TForm2::WahlZettelDruckenClick() {
  NameneingabePanel.setVisible(true);
  HilfeLab.setVisible(false);
}

void TForm2::AlternativPKComboChange() {
  Laufbahn& l = m_programm.laufbahn();
  if (AlternativPKCombo.itemIndex() < 0) {
    AlternativPKCombo.setItemIndex(0);
  }
  if (const auto fach = FachZumText(AlternativPKWahl, AlternativPKCombo.text())) {
    l.AlternativPK = *fach;
    PKEdit.setText(FachName(*fach));
  }
  if (l.AlternativPK != leer) {
    PKLab2.setText("überbelegt ist (Erstwahl für den Projektkurs ist " + FachWahltext(l.Fach[PK]) + "):");
  }
}

void TForm2::NamenUebernehmen() {
  Laufbahn& l = m_programm.laufbahn();
  l.Nachname = Name50(NachnameEdit.text());
  l.Vorname = Name50(VornameEdit.text());
}

void TForm2::DruckenButClick() {
  const Laufbahn& l = m_programm.laufbahn();
  const auto scheitern = [this](const char* meldung) {
    HilfeLab.setText(meldung);
    HilfeLab.setVisible(true);
  };
  const std::string& vorname = VornameEdit.text();
  const std::string& nachname = NachnameEdit.text();
  if (vorname.empty()) {
    return scheitern("Es wurde kein Vorname eingegeben.");
  }
  if (nachname.empty()) {
    return scheitern("Es wurde kein Nachname eingegeben.");
  }
  if (ProjektkursFenster()) {
    if (l.AlternativPK == leer) {
      return scheitern("Es wurde kein alternativer Projektkurs gewählt.");
    }
    if (l.AlternativPK == l.Fach[PK]) {
      return scheitern("Erstwahl nund Alternativwahl für den Projektkurs sind identisch.");
    }
    if ((l.AlternativPK == PKKG && l.Fach[KM] != Ku) ||
        ((l.AlternativPK == PKIA || l.AlternativPK == PKAP) && !ProjektkursReferenz(l))) {
      return scheitern("Es fehlt ein Referenzfach zum alternativen Projektkurs.");
    }
  }
  if (m_programm.laufzeit().Veraltet == 1) {
    return scheitern("Das Programm ist nicht mehr aktuell !");
  }
  const std::u32string vor = Zeichen(vorname);
  const std::u32string nach = Zeichen(nachname);
  const auto erlaubt = [](const std::u32string& name) {
    return std::all_of(name.begin(), name.end(), ErlaubtesZeichen);
  };
  if (!erlaubt(vor) || !erlaubt(nach)) {
    return scheitern("Vor- und Nachnamen dürfen nur Buchstaben, Leerzeichen oder - enthalten !");
  }
  if (!GrossbuchstabeAmAnfang(vor) || !GrossbuchstabeAmAnfang(nach)) {
    return scheitern("Vor- und Nachnamen müssen mit Großbuchstaben beginnen !");
  }
  if (vor.back() == U' ' || nach.back() == U' ') {
    return scheitern("Vor- und Nachnamen dürfen nicht mit Leerzeichen enden !");
  }
  HilfeLab.setVisible(false);
  NamenUebernehmen();
  NameneingabePanel.setVisible(false);
  if (m_programm.laufbahn().AbiNoteBerechnet == 0) {
    BerechnungVorbereiten();
  }
  if (m_wahlzettelDruck) {
    m_wahlzettelDruck();
  }
}

void TForm2::NotenBerechnungButClick() {
  BerechnungVorbereiten();
  m_programm.notenfenster().Anzeigen();
}

void TForm2::ZurueckButClick() {
  NamenUebernehmen();
  hide();
}

void TForm2::ZweiteFSSek1BoxClick() {
  if (SekIBoxenBereit == 1) {
    WertZweiteFSSek1Setzen();
  }
}

void TForm2::I9Sek1BoxClick() {
  if (SekIBoxenBereit == 1) {
    WertZweiteFSSek1Setzen();
  }
}

void TForm2::WertZweiteFSSek1Setzen() {
  Laufbahn& l = m_programm.laufbahn();
  const auto gewaehlt = [&l](FachTyp fach) {
    return l.Fach[FS1] == fach || (l.SchwerpunktFS == 1 && l.Fach[FS2] == fach) || l.Fach[Wa1] == fach ||
           (l.EFModell < 3 && l.Fach[Wa2] == fach) || (l.EFModell == 1 && l.Fach[VK1] == fach);
  };
  ui::MultiLineText* hinweis = nullptr;
  if (ZweiteFSSek1Box.checked() && I9Sek1Box.checked()) {
    l.ZweiteFSSek1 = 3;
    hinweis = gewaehlt(I0) ? &I0falschgewaehltMemo : nullptr;
  } else if (ZweiteFSSek1Box.checked()) {
    l.ZweiteFSSek1 = 1;
    hinweis = gewaehlt(I9) ? &I9falschgewaehltMemo : nullptr;
  } else if (I9Sek1Box.checked()) {
    l.ZweiteFSSek1 = 2;
    hinweis = I9Fortgefuehrt == 0 ? &keinI9Memo : nullptr;
  } else {
    l.ZweiteFSSek1 = 0;
    if (I9Fortgefuehrt == 1) {
      hinweis = &I9falschgewaehltMemo;
    } else if (NeueFSFortgefuehrt == 0) {
      hinweis = &keinezweiteFSMemo;
    }
  }
  for (ui::MultiLineText* memo : {&keinezweiteFSMemo, &keinI9Memo, &I0falschgewaehltMemo, &I9falschgewaehltMemo}) {
    memo->setVisible(memo == hinweis);
  }
  OKBut.setEnabled(hinweis == nullptr);
}

void TForm2::BerechnungVorbereiten() {
  NotenbuchAufbauen(m_programm.laufbahn(), m_programm.abgeleitet().zusatzkurse, m_programm.laufzeit().HalbjahrNr(),
                    m_programm.abgeleitet().notenbuch);
}

}  // namespace kelvaro
