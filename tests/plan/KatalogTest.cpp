#include "plan/Katalog.h"
#include "plan/Laufzeit.h"
#include "plan/Windows1252.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Katalog, TextsOfSelectedCodes) {
  struct Fall {
    int code;
    const char* name;
    const char* wahltext;
    const char* langname;
    const char* kuerzel;
  };
  const Fall faelle[] = {
      {leer, "", "", "", ""},
      {E5, "Englisch", "Englisch (ab 5)", "Englisch (ab 5)", "Eng"},
      {I1, "Italienisch", "Italienisch (ab 11)", "Italienisch (ab 11)", "It1"},
      {Sw, "Sozialwiss.", "Sozialwiss.", "Sozialwissenschaften", "Sowi"},
      {PKSO, "Soz. Engagem.", "Soziales Engagem.", "Soziales Engagement", "Soz.Eng."},
      {I9, "Italienisch", "Italienisch (ab 9)", "Italienisch (ab 9)", "Ita"},
      {41, "", "", "", ""},
      {255, "", "", "", ""},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.code);
    EXPECT_EQ(FachName(fall.code), fall.name);
    EXPECT_EQ(FachWahltext(fall.code), fall.wahltext);
    EXPECT_EQ(FachLangname(fall.code), fall.langname);
    EXPECT_EQ(FachKuerzel(fall.code), fall.kuerzel);
  }
  EXPECT_EQ(FachCodeName(PKTL), "PKTL");
  EXPECT_EQ(FachCodeName(200), "200");
}

TEST(Katalog, ColourGroupsLeaveOutTheOlderCodes) {
  for (int code : {E5, I0, I1, F7, L7, I9}) {
    EXPECT_EQ(FachgruppeVon(code), Fachgruppe::Sprache) << code;
  }
  for (int code : {F6, L6, I8, Lit, Vo, kR, eR, Pl, PKIA, PKAP, PKPC, PKSO, PKTL, static_cast<FachTyp>(99)}) {
    EXPECT_EQ(FachgruppeVon(code), Fachgruppe::Keine) << code;
  }
  EXPECT_EQ(FachgruppeVon(Inf), Fachgruppe::Naturwissenschaft);
  EXPECT_EQ(FachgruppeVon(VKF), Fachgruppe::Vertiefung);
  EXPECT_EQ(FachgruppeVon(PKLT), Fachgruppe::Projekt);
  EXPECT_EQ(FachgruppeVon(leer), Fachgruppe::Leer);
}

TEST(Katalog, ChoiceListsAndAbiturPositions) {
  EXPECT_EQ(ErsatzfachListe[13], "kein weiteres Ersatzfach");
  EXPECT_EQ(ErsatzfachListe[14], "");
  EXPECT_EQ(WaListe, Wa3Liste);
  EXPECT_EQ(PKListe[5], "Theater und Lit.");
  EXPECT_EQ(AbiRolleText(4), "4. Abifach, mündlich");
  EXPECT_EQ(AbiRolleText(5), "");
  EXPECT_EQ(AbiPositionRaster(AbiPosDe), De);
  EXPECT_EQ(AbiPositionRaster(AbiPosWa1), Wa1);
  EXPECT_EQ(RasterAbiPosition(Sp), AbiPosSp);
  EXPECT_EQ(RasterAbiPosition(PK), -1);
  EXPECT_EQ(HalbjahrName(3), "Q1.1");
}

TEST(Windows1252, RoundTripOfGermanAndSpecialCharacters) {
  const std::string utf8 = "Äöüß éë €‚ Œ";
  const std::string bytes = Utf8NachWindows1252(utf8);
  EXPECT_EQ(bytes, "\xC4\xF6\xFC\xDF \xE9\xEB \x80\x82 \x8C");
  EXPECT_EQ(Windows1252NachUtf8(bytes), utf8);
  EXPECT_EQ(Utf8NachWindows1252("Ł中"), "??");
  EXPECT_EQ(Utf8NachWindows1252("a\xFF"), "a?");  // malformed UTF-8
}

TEST(Saison, FromTheMonthAndTheStage) {
  struct Fall {
    int stufe, monat, wahlphase, halbjahr, halbjahrNr;
  };
  const Fall faelle[] = {{1, 1, 3, 2, 4},  {1, 2, 1, 1, 3},  {1, 7, 1, 1, 3}, {1, 8, 2, 1, 3}, {1, 10, 2, 1, 3},
                         {1, 11, 3, 2, 4}, {0, 12, 3, 2, 2}, {2, 5, 1, 1, 5}, {2, 1, 3, 2, 6}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::to_string(fall.stufe) + "/" + std::to_string(fall.monat));
    const Saison saison = SaisonBestimmen(fall.stufe, fall.monat);
    EXPECT_EQ(saison.Wahlphase, fall.wahlphase);
    EXPECT_EQ(saison.Halbjahr, fall.halbjahr);
    EXPECT_EQ(saison.HalbjahrNr, fall.halbjahrNr);
  }
  EXPECT_FALSE(IstVeraltet(2025, {2026, 2, 28}));
  EXPECT_TRUE(IstVeraltet(2025, {2026, 3, 1}));
  EXPECT_TRUE(IstVeraltet(2025, {2027, 1, 1}));
  EXPECT_FALSE(IstVeraltet(2025, {2025, 12, 31}));
}

TEST(Laufzeit, WidthsScaleWithHalvesToEven) {
  Laufzeit z;
  EXPECT_EQ(z.Breite(145), 145);
  z.Skalierung = 1.35;
  EXPECT_EQ(z.Breite(145), 196);  // 195.75
  EXPECT_EQ(z.Breite(70), 94);    // 94.5 -> even
  z.Skalierung = 0.5;
  EXPECT_EQ(z.Breite(145), 72);  // 72.5 -> even
  EXPECT_EQ(z.Breite(81), 40);   // 40.5 -> even
}

}  // namespace
}  // namespace kelvaro
