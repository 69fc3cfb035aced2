#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// The program as it is right after start-up on a given day and screen.
struct Sitzung : test::Testprogramm {
  explicit Sitzung(ui::Datum heute, int stufe = 1, ui::Bildschirm bildschirm = {1280, 800})
      : Testprogramm({.stufe = stufe, .heute = heute, .bildschirm = bildschirm, .verzeichnis = "/tmp"}) {}
};

TEST(Start, EditionConstants) {
  Sitzung s({2026, 2, 1});
  EXPECT_EQ(s.z.Stufe, 1);
  EXPECT_EQ(s.z.edition.Abiturjahrgang, "2027");
  EXPECT_EQ(s.z.edition.Schuljahr, "2025/26");
  EXPECT_EQ(s.z.edition.Version, "25.2");
  EXPECT_EQ(s.z.edition.Programmjahr, 2025);
  EXPECT_EQ(s.f.VersionsLab.text(), "Abiturjahrgang 2027 G9 - Version 25.2");
}

TEST(Start, TheSeasonFollowsTodaysMonth) {
  struct Fall {
    ui::Datum heute;
    int wahlphase, halbjahr, halbjahrNr;
    const char* abgabetag;
    const char* abgabedatum;
    const char* stufenLabel;
    const char* datumLab;
  };
  const Fall faelle[] = {
      {{2026, 1, 31}, 3, 2, 4, "Freitag", "5. Dezember", "Klausurwahlen für die JgSt Q1 (12), 2. Hj. ", "31. 1. 2026"},
      {{2026, 2, 1}, 1, 1, 3, "Freitag", "9. Mai", "Fächerwahlen für die kommende JgSt Q1 (12)", "1. 2. 2026"},
      {{2025, 7, 31}, 1, 1, 3, "Freitag", "9. Mai", "Fächerwahlen für die kommende JgSt Q1 (12)", "31. 7. 2025"},
      {{2025, 8, 1}, 2, 1, 3, "Dienstag", "2. September", "Klausurwahlen für die JgSt Q1 (12), 1. Hj. ", "1. 8. 2025"},
      {{2025, 10, 31},
       2,
       1,
       3,
       "Dienstag",
       "2. September",
       "Klausurwahlen für die JgSt Q1 (12), 1. Hj. ",
       "31. 10. 2025"},
      {{2025, 11, 1}, 3, 2, 4, "Freitag", "5. Dezember", "Klausurwahlen für die JgSt Q1 (12), 2. Hj. ", "1. 11. 2025"},
      {{2025, 12, 9}, 3, 2, 4, "Freitag", "5. Dezember", "Klausurwahlen für die JgSt Q1 (12), 2. Hj. ", "9. 12. 2025"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.datumLab);
    Sitzung s(fall.heute);
    EXPECT_EQ(s.z.Wahlphase(), fall.wahlphase);
    EXPECT_EQ(s.z.Halbjahr(), fall.halbjahr);
    EXPECT_EQ(s.z.HalbjahrNr(), fall.halbjahrNr);
    EXPECT_EQ(s.z.Abgabetag, fall.abgabetag);
    EXPECT_EQ(s.z.Abgabedatum, fall.abgabedatum);
    EXPECT_EQ(s.f.StufenLabel.text(), fall.stufenLabel);
    EXPECT_EQ(s.f.DatumLab.text(), fall.datumLab);
  }
}

TEST(Start, TheStageNamesTheLabelsAndTheSemester) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    int halbjahrNr;
    const char* stufenLabel;
    const char* fensterTitel;
  };
  const char* const anfang = "Pruvento Tarnisches Gymnasium Velmarsk - Immer gut beraten für die ";
  const Fall faelle[] = {
      {"efSubjectChoices", 0, {2026, 2, 1}, 1, "Fächerwahlen für die kommende JgSt EF (11)", "kommende JgSt EF (11)"},
      {"efSecondHalf", 0, {2025, 11, 1}, 2, "Klausurwahlen für die JgSt EF (11), 2. Hj. ", "JgSt EF (11)"},
      {"q1SubjectChoices", 1, {2026, 2, 1}, 3, "Fächerwahlen für die kommende JgSt Q1 (12)", "kommende JgSt Q1 (12)"},
      {"q1FirstHalf", 1, {2025, 9, 1}, 3, "Klausurwahlen für die JgSt Q1 (12), 1. Hj. ", "JgSt Q1 (12)"},
      {"q2FirstHalf", 2, {2025, 9, 1}, 5, "Klausurwahlen für die JgSt Q2 (13), 1. Hj. ", "JgSt Q2 (13)"},
      {"q2SecondHalf", 2, {2026, 1, 15}, 6, "Klausurwahlen für die JgSt Q2 (13), 2. Hj. ", "JgSt Q2 (13)"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.heute, fall.stufe);
    EXPECT_EQ(s.z.HalbjahrNr(), fall.halbjahrNr);
    EXPECT_EQ(s.f.StufenLabel.text(), fall.stufenLabel);
    s.f.activate();
    EXPECT_EQ(s.f.caption(), std::string(anfang) + fall.fensterTitel);
  }
}

TEST(Start, TheEditionIsOutOfDateFromMarchOfTheFollowingYear) {
  struct Fall {
    ui::Datum heute;
    bool veraltet;
  };
  const Fall faelle[] = {
      {{2025, 12, 31}, false}, {{2026, 2, 28}, false}, {{2026, 3, 1}, true},
      {{2026, 12, 31}, true},  {{2027, 1, 1}, true},   {{2027, 2, 15}, true},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::to_string(fall.heute.tag) + "." + std::to_string(fall.heute.monat) + "." +
                 std::to_string(fall.heute.jahr));
    Sitzung s(fall.heute);
    EXPECT_EQ(s.z.Veraltet, fall.veraltet ? 1 : 0);
    EXPECT_EQ(s.f.VeraltertPanel.visible(), fall.veraltet);
    EXPECT_EQ(s.f.VeraltertBut.reachable(), fall.veraltet);
  }
}

TEST(Start, TheOutOfDateNoticeIsClosedWithOK) {
  Sitzung s({2026, 3, 1});
  ASSERT_TRUE(s.f.VeraltertPanel.visible());
  EXPECT_EQ(s.f.VeraltertText.lines(),
            (std::vector<std::string>{"Das Programm ist nicht mehr aktuell. ", "Mit diesem Programm können Sie keine ",
                                      "Wahlzettel mehr ausdrucken.", "Laden Sie das aktuelle Programm von ",
                                      "der Homepage der Schule."}));
  EXPECT_EQ(s.f.VeraltertBut.text(), "OK");
  s.f.VeraltertBut.userClick();
  EXPECT_FALSE(s.f.VeraltertPanel.visible());
  EXPECT_EQ(s.z.Veraltet, 1);  // printing stays blocked
}

// Records every text a control shows.
class TextProtokoll : public ui::ChangeObserver {
 public:
  void controlChanged(ui::Control& control) override {
    if (texte.empty() || texte.back() != control.text()) {
      texte.push_back(control.text());
    }
  }
  std::vector<std::string> texte;
};

TEST(Start, TheWindowIsScaledToTheScreen) {
  struct Fall {
    const char* name;
    ui::Bildschirm bildschirm;
    double faktor;
    int fensterBreite, fensterHoehe;
    int volleBreite;  // 145
    int halbeBreite;  // 81
    int sportBreite;  // 70
  };
  const Fall faelle[] = {
      {"designSize", {1280, 800}, 1.0, 1292, 795, 145, 81, 70},
      // 1080/800 = 1.35 is smaller than 1920/1280 = 1.5; 81 * 1.35 = 109.35, 70 * 1.35 = 94.5.
      {"fullHd", {1920, 1080}, 1.35, 1930, 1059, 196, 109, 94},
      {"widthDecides", {1024, 768}, 0.8, 1036, 764, 116, 65, 56},
      {"bothEqual", {2560, 1600}, 2.0, 2568, 1551, 290, 162, 140},
      // Not the design size, though the factor comes out as 1: the window still grows.
      {"tallScreen", {1280, 1024}, 1.0, 1292, 1006, 145, 81, 70},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s({2026, 2, 1}, 1, fall.bildschirm);
    TForm1& f = s.f;
    EXPECT_DOUBLE_EQ(s.z.Skalierung, fall.faktor);
    EXPECT_EQ(f.width(), fall.fensterBreite);
    EXPECT_EQ(f.height(), fall.fensterHoehe);
    EXPECT_EQ(f.width() - f.clientWidth(), 16);  // the frame keeps its size
    EXPECT_EQ(s.z.Breite(TForm1::VolleBreite), fall.volleBreite);
    EXPECT_EQ(s.z.Breite(TForm1::HalbeBreite), fall.halbeBreite);
    EXPECT_EQ(s.z.Breite(TForm1::SportHalbeBreite), fall.sportBreite);
    EXPECT_EQ(f.FS11.width(), fall.volleBreite);
    EXPECT_EQ(f.Wa21.width(), fall.volleBreite);
    EXPECT_EQ(f.Sp1a.width(), fall.sportBreite);

    // A width set after start-up is scaled as well: a new Italian shortens the second elective.
    f.WahlFS1.userChoose("Italienisch (ab 11)");
    EXPECT_EQ(f.Wa21.width(), fall.halbeBreite);
    f.WahlFS1.userChoose("Englisch (ab 5)");
    EXPECT_EQ(f.Wa21.width(), fall.volleBreite);
  }
}

TEST(Start, TheScreenSizeIsListedWhenTheWindowIsScaled) {
  for (const ui::Bildschirm bildschirm : {ui::Bildschirm{1920, 1080}, ui::Bildschirm{1280, 800}}) {
    Sitzung s({2026, 2, 1}, 1, bildschirm);
    // A second window on the same program, watched from before its start-up.
    TForm1 fenster(s.programm);
    TextProtokoll protokoll;
    fenster.ListBox1.setObserver(&protokoll);
    fenster.FormCreate();
    const bool gelistet =
        std::find(protokoll.texte.begin(), protokoll.texte.end(), "x: 1920  y: 1080") != protokoll.texte.end();
    EXPECT_EQ(gelistet, bildschirm.breite == 1920);
    // The hour list written later during start-up takes the box over.
    ASSERT_FALSE(fenster.ListBox1.lines().empty());
    EXPECT_EQ(fenster.ListBox1.lines().front(), "Stundenzahlen:");
  }
}

TEST(Start, ThePlanStartsEmpty) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    std::array<std::uint8_t, 13> schriftlich;
  };
  const Fall faelle[] = {
      {"q1", 1, {2026, 2, 1}, {1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
      {"q22", 2, {2025, 12, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"ef", 0, {2025, 12, 1}, {1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.heute, fall.stufe);
    const Laufbahn& l = s.l;
    for (int raster = 0; raster < RasterAnzahl; ++raster) {
      EXPECT_EQ(l.Fach[static_cast<std::size_t>(raster)], raster == Sp ? Bi : leer) << RasterName(raster);
    }
    EXPECT_EQ(l.AbiWahl, (std::array<std::int32_t, AbiPositionAnzahl>{}));
    EXPECT_EQ(l.Schriftlich, fall.schriftlich);
    EXPECT_EQ(l.SchwerpunktFS, 0);
    EXPECT_EQ(l.AlternativPK, leer);
    EXPECT_EQ(l.LitWahl, 0);
    EXPECT_EQ(l.VKQ22, 0);
    EXPECT_EQ(l.AbwahlEF, 0);
    EXPECT_EQ(l.ErsatzfachAktiv, 0);
    EXPECT_EQ(l.ErsatzfachVon, 1);
    EXPECT_EQ(l.ErsatzfachBis, 6);
    EXPECT_EQ(l.ZweiteFSSek1, 0);
    EXPECT_EQ(l.AbwahlWa1, 0);
    EXPECT_EQ(l.AbwahlEt, 0);
    EXPECT_EQ(l.AbwahlKM, 0);
    EXPECT_EQ(l.Q1Modell, 0);
    EXPECT_EQ(l.EFModell, 2);
    for (const auto& slot : l.Noten) {
      for (std::size_t spalte = 1; spalte <= NotenSpalten; ++spalte) {
        EXPECT_EQ(slot[spalte], -1);
      }
    }
    EXPECT_EQ(l.AbiNoteBerechnet, 0);
    EXPECT_EQ(l.Nachname, "");
    EXPECT_EQ(l.Vorname, "");
    EXPECT_EQ(s.f.AbwEFMerker, 0);
    EXPECT_EQ(s.f.AbiLeerVerborgen, 0);
    EXPECT_EQ(s.z.Startaktion, 0);
  }
}

TEST(Start, TheMainControlsStartInTheirStartState) {
  Sitzung s({2026, 2, 1});
  const TForm1& f = s.f;

  EXPECT_EQ(f.Schwerpunkt.itemIndex(), 0);
  EXPECT_EQ(f.Schwerpunkt.text(), "Naturwissenschaftlicher Schwerpunkt");
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.NW20, &f.WahlNW2, &f.AbiNW2, &f.NW21}) {
    EXPECT_TRUE(c->visible()) << c->name();
  }
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.FS20, &f.WahlFS2, &f.AbiFS2, &f.FS21}) {
    EXPECT_FALSE(c->visible()) << c->name();
  }

  EXPECT_EQ(f.VK10EntBox.itemIndex(), 2);
  EXPECT_EQ(f.VK10EntBox.text(), "ein VTK+11 GKs (2 Wahlfächer)");
  EXPECT_EQ(f.PKEntBox.itemIndex(), 0);
  EXPECT_EQ(f.LitJNBox.text(), "Ku./Mu. bleibt");
  EXPECT_EQ(f.VK12JNBox.text(), "nein");
  EXPECT_EQ(f.VK12JNBox.itemIndex(), 1);
  for (const ui::ChoiceBox* box : {&f.AbwKMBox, &f.AbwEtBox, &f.AbwWa1Box}) {
    EXPECT_EQ(box->itemIndex(), 0) << box->name();
    EXPECT_EQ(box->text(), "keine Abw.") << box->name();
  }
  EXPECT_FALSE(f.AbwKMBox.enabled());
  EXPECT_FALSE(f.AbwKMLab.enabled());
  EXPECT_FALSE(f.AbwEtBox.enabled());
  EXPECT_FALSE(f.AbwEtLab.enabled());
  EXPECT_FALSE(f.AbwEFBox.visible());
  EXPECT_FALSE(f.AbwEFLab.visible());

  EXPECT_FALSE(f.Wa12.visible());
  EXPECT_FALSE(f.Wa13.visible());
  EXPECT_FALSE(f.VK30.visible());
  EXPECT_FALSE(f.WahlVK30.visible());
  EXPECT_FALSE(f.VK33.visible());

  for (const ui::ChoiceBox* box : f.AbiBox) {
    EXPECT_EQ(box->itemIndex(), 0) << box->name();
    EXPECT_EQ(box->items(),
              (std::vector<std::string>{"", "LK A", "LK B", "3. Abifach, schriftlich", "4. Abifach, mündlich"}))
        << box->name();
  }
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.Deu1, &f.Deu2, &f.Deu3, &f.AbiDeu}) {
    EXPECT_EQ(c->color(), (ui::Farbe{250, 160, 0})) << c->name();
  }

  EXPECT_EQ(f.WahlErsatzfach.items().size(), 14U);
  EXPECT_EQ(f.WahlErsatzfach.text(), "Biologie");
  EXPECT_FALSE(f.ErsatzfachPanel.visible());
  EXPECT_EQ(f.ErsatzFachStartBox.itemIndex(), 0);
  EXPECT_EQ(f.ErsatzFachStartBox.text(), "EF.1");
  EXPECT_EQ(f.ErsatzFachEndeBox.itemIndex(), 5);
  EXPECT_EQ(f.ErsatzFachEndeBox.text(), "Q2.2");
  EXPECT_EQ(f.SP1.text(), "Sport");

  struct Liste {
    const ui::ChoiceBox* box;
    std::size_t eintraege;
    const char* erster;
  };
  const Liste listen[] = {
      {&f.WahlFS1, 4, "Englisch (ab 5)"}, {&f.WahlNW1, 4, "Biologie"},    {&f.WahlGW, 3, "Geschichte"},
      {&f.WahlEt, 3, "kath. Religion"},   {&f.WahlKM, 2, "Kunst"},        {&f.WahlWa1, 14, "Biologie"},
      {&f.WahlWa2, 14, "Biologie"},       {&f.WahlVK10, 3, "VK Deutsch"}, {&f.WahlPK, 6, "Schüler experi."},
      {&f.WahlVK30, 3, "VK Deutsch"},
  };
  for (const auto& liste : listen) {
    EXPECT_EQ(liste.box->items().size(), liste.eintraege) << liste.box->name();
    ASSERT_FALSE(liste.box->items().empty());
    EXPECT_EQ(liste.box->items().front(), liste.erster) << liste.box->name();
  }
  for (const ui::EditField* zelle : {&f.FS11, &f.NW13, &f.GW2, &f.Et3, &f.KM1, &f.Wa11, &f.Wa21, &f.VK11, &f.PK1}) {
    EXPECT_EQ(zelle->text(), "") << zelle->name();
  }
}

TEST(Start, ActivationInStudentModeHidesTheTeacherControls) {
  Sitzung s({2026, 2, 1});
  TForm1& f = s.f;
  ASSERT_EQ(s.z.Lehrermodus, 0);
  const std::initializer_list<ui::Control*> lehrer{
      &f.ScanBut,  &f.VorherigerSchuelerBut, &f.NaechsterSchuelerBut, &f.ImStufenVerzeichnisSuchenBut,
      &f.DatumLab, &f.LehrerVersionsLab,     &f.KennungsLab};
  EXPECT_TRUE(f.ScanBut.visible());
  EXPECT_TRUE(f.DatumLab.visible());
  EXPECT_TRUE(f.KennungsLab.visible());

  f.activate();

  for (const ui::Control* c : lehrer) {
    EXPECT_FALSE(c->visible()) << c->name();
  }
  EXPECT_TRUE(f.Button3.visible());
  EXPECT_TRUE(f.Button5.visible());
  EXPECT_TRUE(f.VersionsLab.visible());

  // Activating again changes nothing.
  f.activate();
  EXPECT_FALSE(f.ScanBut.visible());
  EXPECT_EQ(f.caption(), "Pruvento Tarnisches Gymnasium Velmarsk - Immer gut beraten für die kommende JgSt Q1 (12)");
}

}  // namespace
}  // namespace kelvaro
