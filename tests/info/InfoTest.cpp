#include "info/InfoTexte.h"
#include "info/Infos2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "support/Faelle.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using test::Startwerte;
using test::Steuerelement;
using test::Testprogramm;

// A text as one run of words: lines joined, runs of blanks as one, so that a rule may be
// broken across lines.
std::string Fliesstext(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& zeile : zeilen) {
    for (const char c : zeile + " ") {
      if (c != ' ' || (!text.empty() && text.back() != ' ')) {
        text += c;
      }
    }
  }
  return text;
}

// The number of characters of a UTF-8 line.
std::size_t Zeichenzahl(const std::string& zeile) {
  std::size_t zahl = 0;
  for (const char c : zeile) {
    zahl += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  return zahl;
}

// One topic: its button in the main window, its text control, the lines it starts with,
// and the numbers and rule words its text must state.
struct Thema {
  std::string name;
  int thema;
  const char* knopf;
  const char* steuerelement;
  InfoArt art;
  std::vector<std::string> anfang;
  std::vector<std::string> regeln;
};

const std::vector<Thema>& Themen() {
  static const std::vector<Thema> themen = {
      {"Vertiefungskurse",
       0,
       "VertiefungsKurseBut",
       "MemoVertiefungskurse",
       InfoArt::Memo,
       {"Informationen zu den Vertiefungskursen:"},
       {"Deutsch, Mathematik und Englisch", "Klasse 10", "„befriedigend“ oder schlechter", "Grundlagen",
        "Arbeitsmethoden", "Qualifikationsphase", "weiteres Wahlfach", "Fachlehrerinnen und Fachlehrer",
        "Klassenlehrerin oder Ihres Klassenlehrers vor", "nehmen den Vorschlag an oder begründen", "JgSt Q2",
        "Vorbereitung auf das Abitur", "Defizite", "Zahl der Wochenstunden"}},
      {"Projektkurse",
       1,
       "ProjektkurseBut",
       "MemoProjektkurse",
       InfoArt::Memo,
       {"Informationen zu den Projektkursen:"},
       {"JgSt Q1 ein ganzes Schuljahr",
        "eigenes Projekt",
        "immer ein Produkt",
        "zur Hälfte aus der Note für das Produkt",
        "zur Hälfte aus der Note für die Arbeit im Kurs",
        "ersetzt die Facharbeit",
        "nur zwei Wochenstunden",
        "Fortführung Ihres Wahlfachs aus der EF",
        "durch Abwahlen ausgeglichen",
        "nur guten Schülerinnen",
        "an Referenzfächer gebunden",
        "in der JgSt Q1 (12) belegen",
        "Schüler experimentieren (Referenzfach Chemie, Physik oder Biologie)",
        "Schülerfirma (Referenzfach Sozialwissenschaften oder Mathematik)",
        "höchstens 900 Euro",
        "Verkauf von Anteilen",
        "zehn Schritten",
        "Geschäftsidee",
        "Auflösung der Firma am Ende des Schuljahres",
        "Künstlerisches Gestalten (Referenzfach Kunst)",
        "Lerntraining (Referenzfach Deutsch)",
        "Podcast (Referenzfach Deutsch)",
        "Theater und Literatur (Referenzfach Deutsch)"}},
      {"erlaubteDefizite",
       2,
       "ErlaubteDefiziteBut",
       "ListBoxDefizite",
       InfoArt::Liste,
       {"Informationen zu der Zahl der erlaubten Defizite in der Qulifikationsphase:",
        "In der Qulifikationsphase (JgSt Q1 und Q2) wird jeweils am Ende eines Halbjahres gezählt, wie viele Kurse "
        "mit "},
       {"„ausreichend (minus)“", "„mangelhaft (plus)“", "„mangelhaft“", "„mangelhaft (minus)“", "„ungenügend“",
        "4 bis 0 Punkte", "Kursabschlussnoten der vier Halbjahre Q1.1, Q1.2, Q2.1 und Q2.2", "38 bis 40 Kurse",
        "Vertiefungskurse zählen nicht mit", "35 bis 40 dieser Kurse", "am besten",
        "35 bis 37 Kurse eingebracht, sind höchstens 7 Defizite erlaubt",
        "38 bis 40 Kurse eingebracht, sind höchstens 8 Defizite erlaubt", "höchstens 3 Defizite in Leistungskursen",
        "8 Defizite hat, versucht deshalb, mehr als 37 Kurse", "ein Jahr wiederholen",
        "Schon ein einziges „ungenügend“", "gilt als nicht belegt"}},
      {"Leistungskurse",
       3,
       "LeistungsKurseBut",
       "ListBoxLeistungskurse",
       InfoArt::Liste,
       {"Informationen zu den Leistungskursen:", "Zu Beginn der JgSt Q1 wählt jeder Schüler zwei Leistungskurse."},
       {"Block A: Deutsch, Englisch, Mathematik, Sozialwissenschaften, Erdkunde, Sport",
        "Block B: Biologie, Physik, Geschichte, Kunst, Mathematik, Deutsch, Englisch", "zur selben Zeit", "„LK A“",
        "„LK B“", "Sport als Leistungskurs", "zweiten Leistungskurs Mathematik, Deutsch oder Englisch",
        "Mathematik unter den vier Abiturfächern"}},
      {"Versetzung",
       4,
       "VersetzungBut",
       "MemoVersetzung",
       InfoArt::Memo,
       {"Informationen zur Versetzung am Ende der JgSt EF (11):",
        "Am Ende der JgSt EF findet für alle Schüler eine Versetzung in die Qualifikationspahse (JgSt Q1) statt."},
       {"zweiten Halbjahres der EF in den neun Pflichtfächern und in einem Wahlfach", "zehn Fächern",
        "in allen zehn Fächern mindestens „ausreichend“",
        "höchstens einem Fach „mangelhaft“ und in allen anderen Fächern mindestens „ausreichend“",
        "„mangelhaft“ in Deutsch, Mathematik oder der fortgeführten Fremdsprache",
        "mindestens „befriedigend“ in einem anderen dieser Fächer", "Fachoberschulreife", "Nachprüfung",
        "nur im ersten Durchgang der EF", "Abschlusses im ersten und im zweiten Durchgang",
        "vor der Prüfung festgelegt"}},
      {"ZentralePruefung",
       5,
       "ZentralePruefungBut",
       "ListBoxZentralePruefungen",
       InfoArt::Liste,
       {"Informationen zu den zentral gestellten Klausuren in der JgSt EF und zum Zentralabitur:",
        "In der JgSt EF wird in den Fächern Deutsch und Mathematik die zweite Klausur des "},
       {"zweite Klausur des zweiten Halbjahres für das ganze Land zentral gestellt", "wie jede andere Klausur",
        "1. bis 3. Abiturfach werden zentral gestellt", "getrennt für Grundkurse und Leistungskurse",
        "4. Abiturfach legen Sie eine mündliche Prüfung ab", "in der Regel von der Lehrkraft",
        "in der JgSt Q2 in diesem Fach unterrichtet"}},
      {"Abiturfaecher",
       6,
       "AbiturfaecherBut",
       "MemoAbiturfaecher",
       InfoArt::Memo,
       {"Informationen zur Wahl der Abiturfächer:",
        "Die Abiturprüfung findet grundsätzlich in vier Abiturfächern statt."},
       {"beiden Leistungskurse als 1. und 2. Abiturfach (schriftlich)", "3. Abiturfach (schriftlich)",
        "4. Abiturfach (mündlich)", "zu Beginn der JgSt Q2",
        "1.) Unter den Abiturfächern ist Deutsch oder eine Fremdsprache",
        "2.) Unter den Abiturfächern ist Mathematik, eine Naturwissenschaft (Biologie, Physik, Chemie) oder Informatik",
        "3.) Unter den Abiturfächern ist Geschichte, Sozialwissenschaften, Erdkunde, Philosophie oder Religion",
        "4.) Zwei der Abiturfächer sind Deutsch, Mathematik oder eine Fremdsprache", "Mathematik oder Deutsch",
        "5.) Einer der beiden Leistungskurse ist eine aus der Sekundarstufe I fortgeführte Fremdsprache, Mathematik, "
        "eine Naturwissenschaft oder Deutsch",
        "Sport/Geschichte, Sozialwissenschaften/Geschichte und Erdkunde/Geschichte erfüllen diese Bedingung nicht",
        "6.) Religion und Sport dürfen nicht zusammen", "Kunst oder Musik als Abiturfach wählt, braucht Mathematik",
        "zwei Fremdsprachen als Abiturfächer wählt, braucht Mathematik",
        "Sport als Leistungskurs wählt, braucht Mathematik",
        "Zwei Naturwissenschaften als Abiturfächer sind nicht möglich",
        "Naturwissenschaft zusammen mit Kunst oder Musik"}},
      {"Schwerpunkt",
       7,
       "SchwerpunktBut",
       "MemoSchwerpunkt",
       InfoArt::Memo,
       {"Informationen zur Wahl des Schwerpunktes:", "Alle Schüler wählen zu Beginn der Oberstufe ihren Schwerpunkt."},
       {"naturwissenschaftliche und der fremdsprachliche Schwerpunkt",
        "mindestens zwei Fächer Ihres Schwerpunktes und ein Fach des anderen Bereichs",
        "mindestens zwei der Fächer Biologie, Chemie und Physik und eine Fremdsprache", "durch Informatik ersetzt",
        "Informatik kann auch zusätzlich", "mindestens eine Naturwissenschaft und zwei Fremdsprachen",
        "bis zum Ende der EF offengehalten", "zwei Fremdsprachen und zwei Naturwissenschaften",
        "ab Klasse 6 oder 7 bis Klasse 10 eine zweite Fremdsprache", "frei", "nur Englisch",
        "Italienisch von der EF bis zum Ende der JgSt Q2", "Italienisch ab Klasse 9",
        "mindestens bis zum Ende der EF fortführen",
        "mindestens eine Fremdsprache aus der Sekundarstufe I mindestens bis zum Ende der EF"}},
      {"Stundenzahlen",
       8,
       "StundenzahlBut",
       "MemoStundenzahlen",
       InfoArt::Memo,
       {"Die APoGost (Prüfungsordnung der Oberstufe) gibt die Stundenzahlen grundsätzlich in 45-Minuten-Stunden "},
       {"Grundkurs hat 3 Wochenstunden",
        "Leistungskurs 5",
        "Projektkurse und Vertiefungskurse haben je 2",
        "neu einsetzende Fremdsprache hat 4",
        "EF mindestens 34",
        "Q1 und Q2 zusammen mindestens 68",
        "mindestens 102 (im Durchschnitt 34 je Jahr)",
        "mindestens 38 Halbjahreskurse",
        "a) 11 Grundkurse ohne Vertiefungskurs: nur mit Italienisch oder Französisch ab Klasse 11 (34 Stunden)",
        "b) 12 Grundkurse, von denen einer nach dem ersten Halbjahr abgewählt wird: 35,5 Stunden mit, 34,5 Stunden",
        "c) 11 Grundkurse und ein Vertiefungskurs: 36 Stunden mit, 35 Stunden",
        "d) 10 Grundkurse und zwei Vertiefungskurse: 35 Stunden mit, 34 Stunden",
        "zwei Leistungskurse, sieben oder acht Grundkurse und ein Projektkurs",
        "Geschichte oder Sozialwissenschaften als Gesellschaftswissenschaft",
        "67 Stunden",
        "Vertiefungskurs in Q2.2 sind es 68",
        "ein halbes Jahr länger, bis in die Q1.1",
        "neu einsetzenden Fremdsprache sind es 69",
        "Erdkunde kommt in Q2 ein zweiter Zusatzkurs",
        "Abwahl des Wahlfachs, des ethischen oder des künstlerischen Faches",
        "in Q1 36 Stunden (37 mit",
        "etwa 68 bis 69 Stunden",
        "nur abgewählt werden, wenn sie kein Abiturfach sind",
        "Vertiefungskurs in Q2.2 darf jeder",
        "über oder unter 68",
        "genau 68 Stunden oder knapp darüber",
        "Seit dem Schuljahr 2010/11",
        "Grundkurs hat zwei Stunden",
        "auf je vier Grundkurse eine weitere Stunde",
        "ein Viertel des Jahres",
        "ein Halbjahr lang eine zusätzliche Stunde",
        "von Q1.1 bis Q2.1 vier Stunden und in Q2.2 drei"}},
      {"Zusatzkurse",
       9,
       "ZusatzkurseBut",
       "ListBoxZusatzkurse",
       InfoArt::Liste,
       {"Der Zusatzkurs in der JgSt Q2:",
        "Wer in der JgSt Q1 (11) als Gesellschaftswissenschaft Geschichte belegt, muss in der Stufe Q2 (12) den"},
       {"den Zusatzkurs Sozialwissenschaften belegen",
        "Sozialwissenschaften belegt, belegt in Q2 den Zusatzkurs Geschichte",
        "Erdkunde belegt, belegt in Q2 beide Zusatzkurse",
        "das künstlerische Fach, das ethische Fach oder ein Wahlfach abgewählt", "bis die Stundenzahl stimmt",
        "Geschichte und Sozialwissenschaften belegt, braucht keinen",
        "mindestens zwei Halbjahreskurse in Sozialwissenschaften und zwei in Geschichte", "beiden Halbjahren der Q2",
        "als Pflichtkurs", "drei Wochenstunden",
        "Wahl des künstlerischen Faches in der Q2:", "(Kunst oder Musik) fortgeführt",
        "zwei aufeinander folgende Halbjahreskurse", "vokalpraktischen Kurs", "Chorgesang für Auftritte im Schulleben",
        "Literaturkurs", "Schauspiel, Improvisation und Sprechtraining", "Aufführung in der Schule"}},
      {"Klausurwahl",
       10,
       "Button8",
       "MemoKlausurwahlen",
       InfoArt::Memo,
       {"Informationen zu den Klausurwahlen:", "Klausuren in der JgSt EF(10):",
        "In der JgSt EF müssen Klausuren geschrieben werden in den Fächern"},
       {"Fächern Mathematik, Deutsch, in allen Fremdsprachen",
        "in einer Naturwissenschaft (Biologie, Physik oder Chemie)",
        "in einer Gesellschaftswissenschaft (Geschichte, Sozialwissenschaften oder Erdkunde)", "freiwillig",
        "Klausuren in der JgSt Q1 und in Q2.1:", "in allen Abiturfächern",
        "in Mathematik, Deutsch und allen Fremdsprachen",
        "naturwissenschaftlichen Schwerpunkt außerdem in einer Naturwissenschaft oder in Informatik",
        "fortgeführte Fremdsprache, die als Wahlfach belegt ist, braucht keine Klausur",
        "In der JgSt Q1 kommt eine Klausur in einer Gesellschaftswissenschaft hinzu",
        "Klausuren in Q2.2:", "nur im 1. bis 3. Abiturfach", "weitere Klausuren sind nicht möglich"}},
  };
  return themen;
}

class InfoThemen : public ::testing::TestWithParam<Thema> {};

TEST_P(InfoThemen, TextStartsWithItsFirstLinesAndStatesEveryRule) {
  const Thema& thema = GetParam();
  const InfoText& text = InfoTexte()[static_cast<std::size_t>(thema.thema)];
  ASSERT_GE(text.zeilen.size(), thema.anfang.size());
  for (std::size_t i = 0; i < thema.anfang.size(); ++i) {
    EXPECT_EQ(text.zeilen[i], thema.anfang[i]) << "line " << i;
  }
  const std::string fliesstext = Fliesstext(text.zeilen);
  for (const std::string& regel : thema.regeln) {
    EXPECT_NE(fliesstext.find(regel), std::string::npos) << "missing: " << regel;
  }
  EXPECT_EQ(text.art, thema.art);
  EXPECT_STREQ(text.steuerelement, thema.steuerelement);
  for (const std::string& zeile : text.zeilen) {
    EXPECT_LE(Zeichenzahl(zeile), 110u) << zeile;  // broken by hand at about 100 characters
  }
  if (text.art == InfoArt::Liste) {
    EXPECT_LE(text.zeilen.size(), 565u / 25u) << "a list box shows only what fits";
  }
}

TEST_P(InfoThemen, ItsButtonOpensTheWindowOnItsText) {
  const Thema& thema = GetParam();
  Testprogramm t;
  TForm3& info = t.programm.infofenster();
  auto& knopf = Steuerelement<ui::Button>(t.f, thema.knopf);
  EXPECT_EQ(knopf.text(), InfoTexte()[static_cast<std::size_t>(thema.thema)].knopf);
  EXPECT_FALSE(info.visible());

  knopf.userClick();
  EXPECT_EQ(info.InfoThema, thema.thema);
  EXPECT_TRUE(info.visible());
  EXPECT_TRUE(info.active());
  EXPECT_FALSE(t.f.active());
  auto& feld = Steuerelement<ui::LineList>(info, thema.steuerelement);
  EXPECT_EQ(feld.lines(), InfoTexte()[static_cast<std::size_t>(thema.thema)].zeilen);
  EXPECT_EQ(feld.kind(), thema.art == InfoArt::Liste ? ui::ControlKind::ListBox : ui::ControlKind::MultiLineText);
  EXPECT_TRUE(feld.visible());
  EXPECT_EQ(feld.top(), 8);
  EXPECT_EQ(info.focusControl(), &feld);
  for (ui::LineList* anderes : info.Textfeld) {
    if (anderes != &feld) {
      EXPECT_FALSE(anderes->visible()) << anderes->name();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AlleThemen, InfoThemen, ::testing::ValuesIn(Themen()), test::FallName<Thema>);

TEST(Infofenster, HoldsElevenLargeTextsOnLightBlueAndAnOkButton) {
  Testprogramm t;
  TForm3& info = t.programm.infofenster();
  EXPECT_EQ(info.caption(), "Ihr Info-Center");
  EXPECT_EQ(info.clientWidth(), 1072);
  EXPECT_EQ(info.clientHeight(), 609);
  EXPECT_EQ(info.OKButton.text(), "OK");
  EXPECT_EQ(info.OKButton.left(), 8);
  EXPECT_EQ(info.OKButton.top(), 579);
  EXPECT_EQ(info.OKButton.width(), 75);
  EXPECT_EQ(info.OKButton.height(), 25);
  const int oben[] = {8, 39, 72, 112, 144, 184, 216, 248, 287, 320, 351};
  for (std::size_t thema = 0; thema < info.Textfeld.size(); ++thema) {
    const ui::LineList& feld = *info.Textfeld[thema];
    SCOPED_TRACE(feld.name());
    EXPECT_EQ(&feld, info.find(InfoTexte()[thema].steuerelement));
    EXPECT_EQ(feld.left(), 8);
    EXPECT_EQ(feld.top(), oben[thema]);
    EXPECT_EQ(feld.width(), 1070);
    EXPECT_EQ(feld.height(), 565);
    EXPECT_EQ(feld.color(), ui::farben::Himmelblau);
    EXPECT_EQ(feld.fontSize(), 21);  // Tahoma 16 pt
    if (const auto* liste = dynamic_cast<const ui::ListBox*>(&feld)) {
      EXPECT_EQ(liste->itemHeight(), 25);
    } else {
      EXPECT_TRUE(dynamic_cast<const ui::MultiLineText&>(feld).verticalScrollBar());
    }
  }
}

TEST(Infofenster, SizeAndPlaceFollowTheScreen) {
  struct Fall {
    std::string name;
    ui::Bildschirm bildschirm;
    int breite, hoehe, links, oben;
    int textBreite, textHoehe, schrift, zeilenHoehe;  // the contents follow the screen width
  };
  const Fall faelle[] = {
      {"designScreen", {1280, 800}, 1152, 720, 40, 64, 1070, 565, 21, 25},
      // Left from the height and top from the width: 54 and 96.
      {"fullHd", {1920, 1080}, 1728, 972, 54, 96, 1605, 848, 32, 38},
      // Integer parts: 0.9 x 1366 = 1229.4, 0.9 x 768 = 691.2, 0.05 x 768 = 38.4, 0.05 x 1366 = 68.3.
      {"laptop", {1366, 768}, 1229, 691, 38, 68, 1142, 603, 22, 27},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Testprogramm t({.bildschirm = fall.bildschirm});
    TForm3& info = t.programm.infofenster();
    t.f.SchwerpunktBut.userClick();
    EXPECT_EQ(info.width(), fall.breite);
    EXPECT_EQ(info.height(), fall.hoehe);
    EXPECT_EQ(info.left(), fall.links);
    EXPECT_EQ(info.top(), fall.oben);
    EXPECT_EQ(info.MemoSchwerpunkt.width(), fall.textBreite);
    EXPECT_EQ(info.MemoSchwerpunkt.height(), fall.textHoehe);
    EXPECT_EQ(info.MemoSchwerpunkt.top(), 8);
    EXPECT_EQ(info.MemoSchwerpunkt.fontSize(), fall.schrift);
    EXPECT_EQ(info.ListBoxDefizite.itemHeight(), fall.zeilenHoehe);
  }
}

TEST(Infofenster, CreationScalesTheWindowOnAnotherScreen) {
  Testprogramm gross({.bildschirm = {1920, 1080}});
  const TForm3& info = gross.programm.infofenster();
  // Client area in proportion to the screen, the frame kept: 1920 x 1072 / 1280, 1080 x 609 / 800.
  EXPECT_EQ(info.clientWidth(), 1608);
  EXPECT_EQ(info.clientHeight(), 822);
  EXPECT_EQ(info.OKButton.top(), 868);  // 579 x 1.5 = 868.5, the half to the even neighbour
  EXPECT_EQ(info.OKButton.fontSize(), 16);

  Testprogramm design;
  EXPECT_EQ(design.programm.infofenster().clientWidth(), 1072);
  EXPECT_EQ(design.programm.infofenster().OKButton.fontSize(), 11);
}

TEST(Infofenster, AnotherButtonRetargetsTheOpenWindow) {
  Testprogramm t;
  TForm3& info = t.programm.infofenster();
  t.f.LeistungsKurseBut.userClick();
  ASSERT_TRUE(info.ListBoxLeistungskurse.visible());
  // The student goes back to planning; the info window stays open beside the main window.
  t.f.activate();
  info.deactivate();
  t.f.WahlNW1.userChoose("Physik");
  EXPECT_TRUE(info.visible());

  t.f.SchwerpunktBut.userClick();
  EXPECT_TRUE(info.visible());
  EXPECT_TRUE(info.active());
  EXPECT_EQ(info.InfoThema, 7);
  EXPECT_TRUE(info.MemoSchwerpunkt.visible());
  EXPECT_FALSE(info.ListBoxLeistungskurse.visible());
  EXPECT_EQ(info.focusControl(), &info.MemoSchwerpunkt);
  // The info window neither reads nor changes the plan.
  EXPECT_EQ(t.l.Fach[NW1], Ph);
}

TEST(Infofenster, OkClosesAndATopicOutsideTheTableShowsNoText) {
  Testprogramm t;
  TForm3& info = t.programm.infofenster();
  t.f.Button8.userClick();
  info.OKButton.userClick();
  EXPECT_FALSE(info.visible());

  info.InfoThema = 11;
  info.FormShow();
  for (const ui::LineList* feld : info.Textfeld) {
    EXPECT_FALSE(feld->visible()) << feld->name();
  }
}

}  // namespace
}  // namespace kelvaro
