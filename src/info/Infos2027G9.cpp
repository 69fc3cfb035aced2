#include "info/Infos2027G9.h"

#include "plan/Programm.h"

namespace kelvaro {

namespace {

constexpr int DesignBildschirmBreite = 1280;
constexpr int DesignBildschirmHoehe = 800;
// Tahoma 8 pt for the window, 16 pt for the texts, in pixels of the design screen.
constexpr int FensterSchrift = 11;
constexpr int TextSchrift = 21;
constexpr int TextOben = 8;
// Where the texts lie at design time, stacked one below the other.
constexpr std::array<int, InfoThemaAnzahl> DesignOben = {8, 39, 72, 112, 144, 184, 216, 248, 287, 320, 351};

}  // namespace

TForm3::TForm3(Programm& programm) : ui::Window("TForm3"), m_programm(programm) {
  setCaption("Ihr Info-Center");
  setClientSize(1072, 609);
  setFrame(16, 39);
  Textfeld = {&MemoVertiefungskurse, &MemoProjektkurse,          &ListBoxDefizite,   &ListBoxLeistungskurse,
              &MemoVersetzung,       &ListBoxZentralePruefungen, &MemoAbiturfaecher, &MemoSchwerpunkt,
              &MemoStundenzahlen,    &ListBoxZusatzkurse,        &MemoKlausurwahlen};
  add(OKButton);
  OKButton.setText("OK");
  OKButton.setGeometry(8, 579, 75, 25);
  OKButton.setFontSize(FensterSchrift);
  for (std::size_t thema = 0; thema < Textfeld.size(); ++thema) {
    ui::LineList& feld = *Textfeld[thema];
    add(feld);
    feld.setGeometry(8, DesignOben[thema], 1070, 565);
    feld.setColor(ui::farben::Himmelblau);
    feld.setFontSize(TextSchrift);
    feld.setLines(InfoTexte()[thema].zeilen);
    if (auto* liste = dynamic_cast<ui::ListBox*>(&feld)) {
      liste->setItemHeight(25);
    } else if (auto* memo = dynamic_cast<ui::MultiLineText*>(&feld)) {
      memo->setVerticalScrollBar(true);
    }
  }
  OKButton.onClick([this] { OKButtonClick(); });

  // Oncreate: the window and its contents follow the screen width.
  const ui::Bildschirm bildschirm = programm.platform().screenSize();
  if (bildschirm.breite != DesignBildschirmBreite || bildschirm.hoehe != DesignBildschirmHoehe) {
    setSize(bildschirm.breite * clientWidth() / DesignBildschirmBreite + (width() - clientWidth()),
            bildschirm.hoehe * clientHeight() / DesignBildschirmHoehe + (height() - clientHeight()));
    scaleControls(static_cast<double>(bildschirm.breite) / DesignBildschirmBreite);
  }
}

void TForm3::ThemaZeigen(std::uint8_t thema) {
  InfoThema = thema;
  // Nine tenths of the screen; the left edge follows the screen height and the top edge the
  // width, as the window has always been placed. Integer division is the integer part here.
  const ui::Bildschirm bildschirm = m_programm.platform().screenSize();
  setSize(9 * bildschirm.breite / 10, 9 * bildschirm.hoehe / 10);
  setPosition(bildschirm.hoehe / 20, bildschirm.breite / 20);
  show();
  FormShow();  // the text changes also when the window was open already
  activate();
}

void TForm3::FormShow() {
  for (ui::LineList* feld : Textfeld) {
    feld->setVisible(false);
  }
  if (InfoThema >= Textfeld.size()) {
    return;
  }
  ui::LineList& feld = *Textfeld[InfoThema];
  feld.setVisible(true);
  setFocusControl(&feld);
  feld.setGeometry(feld.left(), TextOben, feld.width(), feld.height());
}

void TForm3::OKButtonClick() {
  hide();
}

}  // namespace kelvaro
