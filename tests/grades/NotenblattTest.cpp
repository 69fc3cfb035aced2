#include "grades/Notenblatt.h"
#include "grades/Notenbuecher.h"
#include "support/Faelle.h"
#include "ui/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

using test::Buch;
using test::X;
using ui::Farbe;

std::string F(Farbe f) {
  return std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b);
}

// Every call of a recording canvas in one line each.
std::vector<std::string> Aufrufe(const ui::RecordingCanvas& canvas) {
  std::vector<std::string> zeilen;
  for (const auto& a : canvas.aufrufe()) {
    const ui::Rechteck& o = a.ort;
    if (a.art == "fill") {
      zeilen.push_back("fill " + std::to_string(o.links) + "," + std::to_string(o.oben) + "," +
                       std::to_string(o.rechts) + "," + std::to_string(o.unten) + " " + F(a.farbe));
    } else if (a.art == "line") {
      zeilen.push_back("line " + std::to_string(o.links) + "," + std::to_string(o.oben) + " " +
                       std::to_string(o.rechts) + "," + std::to_string(o.unten) + " w" + std::to_string(a.punkt));
    } else {
      zeilen.push_back("text " + std::to_string(o.links) + "," + std::to_string(o.oben) + " " +
                       std::to_string(a.punkt) + (a.fett ? "b " : " ") + F(a.farbe) + "/" + F(a.hintergrund) + ": " +
                       a.text);
    }
  }
  return zeilen;
}

// The head of every sheet with two courses.
std::vector<std::string> Kopf() {
  std::vector<std::string> z = {
      "fill 0,0,849,635 240,240,240",
      "text 20,10 16 0,0,0/240,240,240: Insgesamt 2 Fächer in Q1 und Q2  -  Prüfungsordnung APO-GOSt(B)10/G8",
      "text 23,40 16 0,0,0/240,240,240: Fach",
      "text 321,40 16 0,0,0/240,240,240: Q1.1",
      "text 381,40 16 0,0,0/240,240,240: Q1.2",
      "text 441,40 16 0,0,0/240,240,240: Q2.1",
      "text 501,40 16 0,0,0/240,240,240: Q2.2",
      "text 562,40 10 0,0,0/240,240,240: Abitur-",
      "text 562,54 10 0,0,0/240,240,240: prüfung",
      "text 622,40 10 0,0,0/240,240,240: Durch-",
      "text 622,54 10 0,0,0/240,240,240: schnitt",
  };
  for (int x : {20, 260, 320, 380, 440, 500, 560, 620, 680}) {
    z.push_back("line " + std::to_string(x) + ",40 " + std::to_string(x) + ",129 w1");
  }
  return z;
}

std::vector<std::string> Mit(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Bildschirmausgabe, SheetDuringEntry) {
  // English with a deficit under the mark and a missing Q2.1; sport not taken in Q1.1.
  const Notenbuch buch = Buch({{"Englisch (ab 5)", 100, LKs, {12, 3, -1, 10}, 8}, {"Sport", 600, Gk, {X, 5, 4, 11}}});
  ui::RecordingCanvas canvas;
  Bildschirmausgabe(canvas, buch, Notenergebnis{}, Notenblattzustand{2, 1, 1, false, 5});
  const std::vector<std::string> erwartet =
      Mit(Kopf(), {
                      "fill 22,70,259,97 255,0,0",
                      "text 23,70 16 0,0,0/255,0,0: Englisch (ab 5)",
                      "fill 262,70,319,97 0,255,255",
                      "text 262,70 16 0,0,0/0,255,255: LK",
                      "fill 322,69,379,97 180,250,170",
                      "text 323,68 16 0,0,0/180,250,170: 12",
                      "fill 382,69,439,97 255,0,0",  // the entry mark
                      "text 383,68 16b 0,0,0/255,0,0: 3",
                      "line 385,93 394,93 w5",
                      "fill 442,69,499,97 180,250,170",  // no points yet: only the colour
                      "fill 502,69,559,97 180,250,170",
                      "text 503,68 16 0,0,0/180,250,170: 10",
                      "fill 562,69,619,97 180,250,170",
                      "text 563,68 16 0,0,0/180,250,170: 8",
                      "text 623,68 16 0,0,0/240,240,240: 0,00",
                      "line 20,68 680,68 w1",
                      "fill 22,100,259,127 128,128,128",
                      "text 23,100 16 0,0,0/128,128,128: Sport",
                      "text 262,100 16 0,0,0/240,240,240: GK",
                      "fill 382,99,439,127 180,250,170",
                      "text 383,98 16 0,0,0/180,250,170: 5",
                      "fill 442,99,499,127 180,250,170",
                      "text 443,98 16b 0,0,0/180,250,170: 4",
                      "line 445,123 454,123 w5",
                      "fill 502,99,559,127 180,250,170",
                      "text 503,98 16 0,0,0/180,250,170: 11",
                      "line 20,98 680,98 w1",
                      "line 20,128 680,128 w1",
                      "text 20,145 12 0,0,0/240,240,240: Ändern Sie Ihre Noten und berechnen Sie anschließend Ihre "
                      "Abiturnote!",
                      "text 20,165 12 0,0,0/240,240,240: Verschieben Sie die rote Eingabemarke mit der Maus und wählen "
                      "Sie Ihre Noten im Notenfenster.",
                      "text 20,185 12 0,0,0/240,240,240: Defizite werden unterstrichen und fettgedruckt dargestellt.",
                      "text 20,205 12 0,0,0/240,240,240: Noch eine fehlende Note",
                  });
  EXPECT_EQ(Aufrufe(canvas), erwartet);
}

TEST(Bildschirmausgabe, SheetAfterTheEvaluation) {
  Notenbuch buch = Buch({{"Englisch (ab 5)", 100, LKs, {12, 3, 10, 10}, 8}, {"Sport", 600, Gk, {X, 5, 4, 11}}});
  for (std::size_t h = 1; h <= 4; ++h) {
    buch.KursZaehlart[h][1] = LK;
  }
  buch.KursZaehlart[2][2] = WahlFa;
  buch.KursZaehlart[3][2] = Belegt;
  buch.KursZaehlart[4][2] = Freiw;
  Notenergebnis e;
  e.Durchschnitt[1] = 8.75;
  e.ZulassungBestanden = 1;
  e.PruefungBestanden = 1;
  e.AbiNote = 2.4;
  e.Gesamtpunkte = 580;
  e.GewerteteGKs = 28;
  e.Pflichtkurse = 20;
  e.GewerteteWahlkurse = 8;
  ui::RecordingCanvas canvas;
  Bildschirmausgabe(canvas, buch, e, Notenblattzustand{2, 1, 0, true, 0});
  const std::vector<std::string> erwartet =
      Mit(Kopf(),
          {
              "fill 22,70,259,97 255,0,0",
              "text 23,70 16 0,0,0/255,0,0: Englisch (ab 5)",
              "fill 262,70,319,97 0,255,255",
              "text 262,70 16 0,0,0/0,255,255: LK",
              "fill 322,69,379,97 230,230,230",
              "text 323,68 16 0,0,0/230,230,230: 12",
              "fill 382,69,439,97 230,230,230",  // no entry mark after the evaluation
              "text 383,68 16b 0,0,0/230,230,230: 3",
              "line 385,93 394,93 w5",
              "fill 442,69,499,97 230,230,230",
              "text 443,68 16 0,0,0/230,230,230: 10",
              "fill 502,69,559,97 230,230,230",
              "text 503,68 16 0,0,0/230,230,230: 10",
              "fill 562,69,619,97 0,255,255",
              "text 563,68 16 0,0,0/0,255,255: 8",
              "text 623,68 16 0,0,0/240,240,240: 8,75",
              "line 20,68 680,68 w1",
              "fill 22,100,259,127 128,128,128",
              "text 23,100 16 0,0,0/128,128,128: Sport",
              "text 262,100 16 0,0,0/240,240,240: GK",
              "fill 382,99,439,127 255,255,0",
              "text 383,98 16 0,0,0/255,255,0: 5",
              "fill 442,99,499,127 0,128,0",  // on the certificate, not counted: in brackets
              "text 443,100 14b 0,0,0/0,128,0: (4) ",
              "line 453,125 461,125 w5",
              "fill 502,99,559,127 180,250,170",
              "text 503,100 14 0,0,0/180,250,170: (11) ",
              "line 20,98 680,98 w1",
              "line 20,128 680,128 w1",
              "text 20,145 12b 0,0,0/240,240,240: Abitur bestanden mit der Abiturnote (Numerus Clausus) 2,4  ,   "
              "insgesamt 580 Punkte",
              "text 20,165 12 0,0,0/240,240,240: Laut APOGOSt müssen bei Ihnen 27-32 GKs und alle 8 LKs der Q1 und Q2 "
              "in die Abiturwertung eingehen.",
              "text 20,185 12 0,0,0/240,240,240: Eine optimale Abiturnote wird bei Ihnen erzielt, wenn 28 GKs in Ihre "
              "Abiturwertung eingehen.",
              "text 20,205 12 0,0,0/255,0,0: Die 20 rot dargestellten Pflichtgrundkurse gehen dabei in Ihre "
              "Abiturwertung ein.",
              "text 20,225 12 0,0,0/255,255,0: Die 8 gelb dargestellten Wahlkurse werden als Ihre weiteren besten GKs "
              "in die Abiturweretung einbezogen.",
          });
  EXPECT_EQ(Aufrufe(canvas), erwartet);
}

TEST(Bildschirmausgabe, OpeningNoticeOnYellowBelowThirteenCourses) {
  std::vector<test::Kurs> kurse(13, test::Kurs{"Kurs", 300, Gk, test::Alle(10)});
  ui::RecordingCanvas canvas;
  Bildschirmausgabe(canvas, Buch(kurse), Notenergebnis{}, Notenblattzustand{1, 1, 0, false, 4});
  const auto aufrufe = Aufrufe(canvas);
  const auto gelb = std::find(aufrufe.begin(), aufrufe.end(), "fill 20,475,830,575 255,255,0");
  ASSERT_NE(gelb, aufrufe.end());
  ASSERT_EQ(aufrufe.end() - gelb, 6);
  EXPECT_EQ(gelb[1],
            "text 20,475 10 0,0,0/255,255,0: Die Berechnungen zur Abiturnote wurden an vielen Beispielen getestet. In "
            "allen Fällen kam das Programm zur richtigen Lösung.");
  EXPECT_EQ(gelb[5].substr(0, 42), "text 20,555 10 0,0,0/255,255,0: Abiturnote");
}

TEST(Bildschirmausgabe, RunsOfALineFollowEachOther) {
  Notenergebnis e;
  e.PunkteGK = 300;
  e.DefiziteGK = 3;
  e.DefiziteGKGewertet = 1;
  ui::RecordingCanvas canvas;
  Bildschirmausgabe(canvas, Notenbuch{}, e, Notenblattzustand{1, 1, 0, true, 2});
  const auto aufrufe = Aufrufe(canvas);
  // Line 2 with no course: y0 = 85; the second run starts where the first one ends.
  const std::string erster = "GK-Bereich: 300 Punkte, ";
  const auto x = std::to_string(20 + static_cast<int>(erster.size()) * 6);
  EXPECT_NE(std::find(aufrufe.begin(), aufrufe.end(), "text 20,125 12 0,0,0/240,240,240: " + erster), aufrufe.end());
  EXPECT_NE(std::find(aufrufe.begin(), aufrufe.end(),
                      "text " + x + ",125 12 250,160,0/240,240,240:  3 GK-Defizite , davon 1 zählendes GK-Defizit"),
            aufrufe.end());
}

// --- The text blocks ------------------------------------------------------------------

struct AnsichtFall {
  std::string name;
  int ansicht;
  std::function<void(Notenergebnis&)> setzen;
  std::vector<std::string> zeilen;
  std::vector<Farbe> farben;  // of the first run of each line; empty: not checked
};

class Ansichten : public ::testing::TestWithParam<AnsichtFall> {};

TEST_P(Ansichten, LinesAndColours) {
  const AnsichtFall& f = GetParam();
  Notenergebnis e;
  f.setzen(e);
  const Textblock block = Ansichtszeilen(f.ansicht, e, 3);
  std::vector<std::string> zeilen;
  std::vector<Farbe> farben;
  for (const Textzeile& zeile : block) {
    zeilen.push_back(zeile.Text());
    farben.push_back(zeile.stuecke.empty() ? Farbe{} : zeile.stuecke.front().farbe);
  }
  EXPECT_EQ(zeilen, f.zeilen);
  if (!f.farben.empty()) {
    EXPECT_EQ(farben, f.farben);
  }
}

constexpr Farbe Schwarz{0, 0, 0};
constexpr Farbe Rot{255, 0, 0};
constexpr Farbe Orange{250, 160, 0};
constexpr Farbe Keine{};

void Bestanden(Notenergebnis& e) {
  e.ZulassungBestanden = 1;
  e.PruefungBestanden = 1;
  e.AbiNote = 1.6;
  e.Gesamtpunkte = 730;
}

const std::string Laut =
    "Laut APOGOSt müssen bei Ihnen 27-32 GKs und alle 8 LKs der Q1 und Q2 in die Abiturwertung eingehen.";
const std::string Klammern =
    "Hell- oder dunkelgrün dargestelte Grundkurse gehen nicht in Ihre Abiturwertung ein, sie erscheinen in Klammern.";
const std::string Hinweis1 = "Ändern Sie Ihre Noten und berechnen Sie anschließend Ihre Abiturnote!";

INSTANTIATE_TEST_SUITE_P(
    Texte, Ansichten,
    ::testing::Values(
        AnsichtFall{"CountedPassed",
                    0,
                    [](Notenergebnis& e) {
                      Bestanden(e);
                      e.GewerteteGKs = 29;
                      e.Pflichtkurse = 28;
                      e.GewerteteWahlkurse = 1;
                    },
                    {"Abitur bestanden mit der Abiturnote (Numerus Clausus) 1,6  ,   insgesamt 730 Punkte", Laut,
                     "Eine optimale Abiturnote wird bei Ihnen erzielt, wenn 29 GKs in Ihre Abiturwertung eingehen.",
                     "Die 28 rot dargestellten Pflichtgrundkurse gehen dabei in Ihre Abiturwertung ein.",
                     "Der gelb dargestellte Wahlkurs wird als Ihr weiterer bester GK in die Abiturweretung "
                     "einbezogen."},
                    {}},
        AnsichtFall{
            "CountedNeitherAdmittedNorPassed",
            0,
            [](Notenergebnis&) {},
            {"Abitur nicht bestanden ! (Zulassung nicht erreicht, Ergebnisse der Abiturprüfungen zu schlecht)", Laut,
             "Eine optimale Abiturnote wird bei Ihnen erzielt, wenn 0 GKs in Ihre Abiturwertung eingehen.",
             "Die 0 rot dargestellten Pflichtgrundkurse gehen dabei in Ihre Abiturwertung ein.",
             "Kein weiterer Wahlkurs wird in die Abiturweretung einbezogen."},
            {Rot, Schwarz, Schwarz, Schwarz, Schwarz}},
        AnsichtFall{"CountedExamsTooBad",
                    0,
                    [](Notenergebnis& e) { e.ZulassungBestanden = 1; },
                    {"Abitur nicht bestanden ! (Ergebnisse der Abiturprüfungen zu schlecht)", Laut,
                     "Eine optimale Abiturnote wird bei Ihnen erzielt, wenn 0 GKs in Ihre Abiturwertung eingehen.",
                     "Die 0 rot dargestellten Pflichtgrundkurse gehen dabei in Ihre Abiturwertung ein.",
                     "Kein weiterer Wahlkurs wird in die Abiturweretung einbezogen."},
                    {}},
        AnsichtFall{"CountedWhatIsMissing",
                    0,
                    [](Notenergebnis& e) {
                      e.PruefungBestanden = 1;
                      e.Maengel = {"Es fehlt das 4. Abiturfach (mündlich)."};
                    },
                    {"Abitur nicht bestanden ! (Zulassung nicht erreicht)", "Es fehlt das 4. Abiturfach (mündlich).",
                     "", "", ""},
                    {Rot, Rot, Keine, Keine, Keine}},
        AnsichtFall{"NotCountedSeveral",
                    1,
                    [](Notenergebnis& e) {
                      e.BelegteKurse = 41;
                      e.NichtGewerteteKurse = 6;
                      e.FreiwilligeKurse = 4;
                    },
                    {"Bei insgesamt 41 belegten Kursen müssen mind. 38 auf dem Abiturzeuignis erscheinen", Klammern,
                     "Die 2 dunkelgrün dargestellten Pflichtkurse müssen in jedem Fall auf dem Abiturzeugnis "
                     "erscheinen.",
                     "Von den 4 hellgrün dargestellten freiwilligen GKs muss mindestens 1 GK auf dem Abiturzeugnis "
                     "erscheinen.",
                     "Bis zu 3 der hellgrün markierten GKs können von Ihnen auf Wunsch auf dem Abiturzeugnis "
                     "gestrichen werden."},
                    {}},
        AnsichtFall{"NotCountedNoneToStrike",
                    1,
                    [](Notenergebnis& e) {
                      e.BelegteKurse = 38;
                      e.NichtGewerteteKurse = 3;
                      e.FreiwilligeKurse = 2;
                    },
                    {"Bei insgesamt 38 belegten Kursen müssen mind. 38 auf dem Abiturzeuignis erscheinen", Klammern,
                     "Der einzige dunkelgrün dargestellten Pflichtkurs muss in jedem Fall auf dem Abiturzeugnis "
                     "erscheinen.",
                     "Von den 2 hellgrün dargestellten freiwilligen GKs müssen mindestens 2 GKs auf dem "
                     "Abiturzeugnis erscheinen.",
                     "Kein GK kann von Ihnen auf dem Abiturzeugnis gestrichen werden."},
                    {}},
        AnsichtFall{"NotCountedEveryVoluntaryMayGo",
                    1,
                    [](Notenergebnis& e) {
                      e.BelegteKurse = 42;
                      e.NichtGewerteteKurse = 2;
                      e.FreiwilligeKurse = 2;
                    },
                    {"Bei insgesamt 42 belegten Kursen müssen mind. 38 auf dem Abiturzeuignis erscheinen", Klammern,
                     "Sie haben keine weiteren Pflichtkurse, die zusätzlich auf dem Abiturzeugnis erscheinen müssen.",
                     "Von den 2 hellgrün dargestellten freiwilligen GKs muss kein GK auf dem Abiturzeugnis "
                     "erscheinen.",
                     "Bis zu 2 der hellgrün markierten GKs können von Ihnen auf Wunsch auf dem Abiturzeugnis "
                     "gestrichen werden."},
                    {}},
        // Fewer than 38 taken courses: nothing can be struck, the last line stays empty.
        AnsichtFall{
            "NotCountedOneVoluntaryTooFewCourses",
            1,
            [](Notenergebnis& e) {
              e.BelegteKurse = 37;
              e.NichtGewerteteKurse = 1;
              e.FreiwilligeKurse = 1;
            },
            {"Bei insgesamt 37 belegten Kursen müssen mind. 38 auf dem Abiturzeuignis erscheinen", Klammern,
             "Sie haben keine weiteren Pflichtkurse, die zusätzlich auf dem Abiturzeugnis erscheinen müssen.",
             "Der einzige hellgrün dargestellten freiwillige GKs muss nicht auf dem Abiturzeugnis erscheinen.", ""},
            {}},
        AnsichtFall{"NotCountedOneVoluntaryMustStay",
                    1,
                    [](Notenergebnis& e) {
                      e.BelegteKurse = 38;
                      e.NichtGewerteteKurse = 1;
                      e.FreiwilligeKurse = 1;
                    },
                    {"Bei insgesamt 38 belegten Kursen müssen mind. 38 auf dem Abiturzeuignis erscheinen", Klammern,
                     "Sie haben keine weiteren Pflichtkurse, die zusätzlich auf dem Abiturzeugnis erscheinen müssen.",
                     "Der einzige hellgrün dargestellten freiwillige GKs muss auf dem Abiturzeugnis erscheinen.",
                     "Kein GK kann von Ihnen auf dem Abiturzeugnis gestrichen werden."},
                    {}},
        AnsichtFall{"DeficitsAdmitted",
                    2,
                    [](Notenergebnis& e) {
                      e.ZulassungBestanden = 1;
                      e.PunkteBlock1 = 420;
                      e.PunkteGK = 300;
                      e.PunkteLK = 180;
                      e.GewerteteGKs = 32;
                      e.Vornote = 2.1;
                      e.DefiziteGK = 5;
                      e.DefiziteGKGewertet = 4;
                      e.DefiziteLK = 1;
                      e.DefiziteGewertet = 5;
                    },
                    // 480 / 48 = 10: two decimals.
                    {"Gesamtpunkte in Block 1: 420, Durchschnittspunktzahl in Block 1: 10,00 Punkte   Zugelassen",
                     "Vornote: 2,1 bei 48 Wertungskursen (LKs werden auch hier doppelt gezählt)",
                     "GK-Bereich: 300 Punkte,  5 GK-Defizite , davon 4 zählende GK-Defizite",
                     "LK-Bereich: 180 Punkte (dop. Wert.),  1 LK-Defizit (max. 3 LK-Defizite erlaubt), ",
                     "5 zählende Defizite insgesamt (bei 32 gewerteten GKs max. 8 Defizite erlaubt)"},
                    {Schwarz, Schwarz, Schwarz, Schwarz, Orange}},
        AnsichtFall{"DeficitsHalfRoundsUp",
                    2,
                    [](Notenergebnis& e) {
                      e.PunkteBlock1 = 405;
                      e.PunkteGK = 300;
                      e.PunkteLK = 186;
                      e.GewerteteGKs = 32;
                      e.Vornote = 2.2;
                    },
                    // 486 / 48 = 10.125
                    {"Gesamtpunkte in Block 1: 405, Durchschnittspunktzahl in Block 1: 10,13 Punkte",
                     "Vornote: 2,2 bei 48 Wertungskursen (LKs werden auch hier doppelt gezählt)",
                     "GK-Bereich: 300 Punkte,    keine GK-Defizite",
                     "LK-Bereich: 186 Punkte (dop. Wert.),  keine LK-Defizite", ""},
                    {}},
        AnsichtFall{"DeficitsZeroPoints",
                    2,
                    [](Notenergebnis& e) {
                      e.NullPunkteKurse = 2;
                      e.PunkteGK = 250;
                      e.GewerteteGKs = 27;
                      e.DefiziteGK = 1;
                      e.DefiziteGKGewertet = 0;
                      e.DefiziteLK = 4;
                      e.DefiziteGewertet = 8;
                    },
                    {"2 zählende Note 6, damit nicht zugelassen!", "",
                     "GK-Bereich: 250 Punkte,  1 GK-Defizit , davon kein zählendes GK-Defizit",
                     "LK-Bereich: 0 Punkte (dop. Wert.),  4 LK-Defizite (max. 3 LK-Defizite erlaubt), ",
                     "8 zählende Defizite insgesamt (bei 27 gewerteten GKs max. 7 Defizite erlaubt)"},
                    {Rot, Keine, Rot, Schwarz, Rot}},
        AnsichtFall{"ExamsPassedWithDeviations",
                    3,
                    [](Notenergebnis& e) {
                      Bestanden(e);
                      e.LKPruefungenBestanden = 2;
                      e.PruefungenBestanden = 4;
                      e.PunkteBlock2 = 210;
                      e.Abweichungen = 2;
                      e.AbweichungsFaecher = "Englisch (ab 5), Deutsch";
                    },
                    {"Abitur bestanden mit der Abiturnote (Numerus Clausus) 1,6  ,   Insgesamt 730 Punkte",
                     "2 Leistungskursfächer mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 1 "
                     "Fach notwendig)",
                     "4 Abiturfächer mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 2 Fächer "
                     "notwendig)",
                     "210 Punkte im Abiturbereich (mind. 100 Punkte notwendig)",
                     "2 Abweichprüfungen in den Fächern: Englisch (ab 5), Deutsch (Abw. um mehr als 3,75 Punkte)"},
                    {Schwarz, Schwarz, Schwarz, Schwarz, Schwarz}},
        AnsichtFall{"ExamsNotAdmitted",
                    3,
                    [](Notenergebnis& e) {
                      e.PruefungBestanden = 1;
                      e.LKPruefungenBestanden = 1;
                      e.PruefungenBestanden = 3;
                      e.PunkteBlock2 = 110;
                      e.Abweichungen = 1;
                      e.AbweichungsFaecher = "Physik";
                    },
                    {"Abitur nicht bestanden! (nicht zugelassen)",
                     "1 Leistungskursfach mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 1 Fach "
                     "notwendig)",
                     "3 Abiturfächer mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 2 Fächer "
                     "notwendig)",
                     "110 Punkte im Abiturbereich (mind. 100 Punkte notwendig)",
                     "eine Abweichprüfung im Fach Physik (Abw. um mehr als 3,75 Punkte)"},
                    {Rot, Orange, Orange, Orange, Schwarz}},
        AnsichtFall{"ExamsTooBad",
                    3,
                    [](Notenergebnis& e) {
                      e.PruefungenBestanden = 1;
                      e.PunkteBlock2 = 95;
                    },
                    {"Abitur nicht bestanden! (Ergebnisse der Abiturprüfungen zu schlecht)",
                     "0 Leistungskursfächer mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 1 "
                     "Fach notwendig)",
                     "1 Abiturfach mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 2 Fächer "
                     "notwendig)",
                     "95 Punkte im Abiturbereich (mind. 100 Punkte notwendig)", "keine Abweichprüfung"},
                    {Rot, Rot, Rot, Rot, Schwarz}},
        AnsichtFall{
            "EntryHints",
            5,
            [](Notenergebnis&) {},
            {Hinweis1, "Verschieben Sie die rote Eingabemarke mit der Maus und wählen Sie Ihre Noten im Notenfenster.",
             "Defizite werden unterstrichen und fettgedruckt dargestellt.", "Noch 3 fehlende Noten", ""},
            {}}),
    test::FallName<AnsichtFall>);

TEST(Ansichten, MissingPointsInTheEntryHints) {
  EXPECT_EQ(Ansichtszeilen(5, Notenergebnis{}, 0)[3].Text(), "keine fehlenden Noten");
  EXPECT_EQ(Ansichtszeilen(5, Notenergebnis{}, 1)[3].Text(), "Noch eine fehlende Note");
}

TEST(Ansichten, ColouredLinesStandOnTheirColour) {
  const Textblock gewertet = Ansichtszeilen(0, Notenergebnis{}, 0);
  EXPECT_EQ(gewertet[3].stuecke.front().hintergrund, (Farbe{255, 0, 0}));
  EXPECT_EQ(gewertet[4].stuecke.front().hintergrund, (Farbe{255, 255, 0}));
  EXPECT_FALSE(gewertet[2].stuecke.front().hintergrund.has_value());
  EXPECT_TRUE(gewertet[0].stuecke.front().fett);
  const Textblock nicht = Ansichtszeilen(1, Notenergebnis{}, 0);
  EXPECT_EQ(nicht[2].stuecke.front().hintergrund, (Farbe{0, 128, 0}));
}

}  // namespace
}  // namespace kelvaro
