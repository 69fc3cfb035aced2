#include "plan/Extended80.h"
#include "plan/PlanDatei.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

std::int32_t Int32At(const PlanRecord& r, std::size_t at) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    u |= static_cast<std::uint32_t>(r[at + i]) << (8 * i);
  }
  return static_cast<std::int32_t>(u);
}

// A plan with a distinct value in every field, so that a field written at the wrong place
// shows up.
Laufbahn Musterplan() {
  Laufbahn l;
  for (int row = 0; row < RasterAnzahl; ++row) {
    l.Fach[static_cast<std::size_t>(row)] = static_cast<FachTyp>(row + 1);
  }
  for (std::size_t i = 0; i < l.AbiWahl.size(); ++i) {
    l.AbiWahl[i] = static_cast<std::int32_t>(i % 5);
  }
  l.SchwerpunktFS = 1;
  l.AlternativPK = PKPC;
  l.LitWahl = 2;
  l.VKQ22 = 1;
  l.AbwahlEF = 1;
  l.ErsatzfachAktiv = 1;
  l.ZweiteFSSek1 = 3;
  l.AbwahlWa1 = 2;
  l.AbwahlEt = 3;
  l.AbwahlKM = 2;
  l.Q1Modell = 2;
  l.EFModell = 1;
  for (std::size_t slot = 0; slot < NotenSlots; ++slot) {
    for (std::size_t spalte = 1; spalte <= NotenSpalten; ++spalte) {
      l.Noten[slot][spalte] = static_cast<std::int32_t>(slot * 100 + spalte);
    }
  }
  l.NotenKursZahl = 13;
  l.ErsatzfachVon = 2;
  l.ErsatzfachBis = 5;
  for (std::size_t slot = 0; slot < ZaehlartSlots; ++slot) {
    for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
      l.KursZaehlart[slot][kurs] = static_cast<std::uint8_t>((slot + kurs) % 7);
    }
  }
  for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
    l.KursKurzname[kurs] = "K" + std::to_string(kurs);
  }
  l.KursKurzname[15] = "Kün.Gest.";
  l.AbiNoteBerechnet = 1;
  l.PruefungBestanden = 1;
  l.ZulassungBestanden = 1;
  l.AbiNote = 1.6;
  for (std::size_t i = 0; i < l.Schriftlich.size(); ++i) {
    l.Schriftlich[i] = static_cast<std::uint8_t>(i % 2);
  }
  l.Nachname = "Müller-Lüdenscheidt";
  l.Vorname = "Zoë";
  return l;
}

TEST(PlanRecord, FieldsStandAtTheirOffsets) {
  const PlanRecord r = PlanRecordAus(Musterplan());
  for (std::size_t row = 0; row < RasterAnzahl; ++row) {
    EXPECT_EQ(r[row], row + 1);
  }
  for (std::size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(Int32At(r, 16 + 4 * i), static_cast<std::int32_t>(i % 5));
  }
  const std::pair<std::size_t, int> bytes[] = {{60, 1}, {61, PKPC}, {62, 2},  {63, 1},  {64, 1},
                                               {65, 1}, {66, 3},    {67, 2},  {68, 3},  {69, 2},
                                               {70, 2}, {71, 1},    {789, 1}, {790, 1}, {791, 1}};
  for (const auto& [offset, value] : bytes) {
    SCOPED_TRACE(offset);
    EXPECT_EQ(r[offset], value);
  }
  // Grades slot-major: slot 1, column 1 follows the fifteen columns of slot 0.
  EXPECT_EQ(Int32At(r, 72), 1);
  EXPECT_EQ(Int32At(r, 72 + 4 * 14), 15);
  EXPECT_EQ(Int32At(r, 72 + 4 * 15), 101);
  EXPECT_EQ(Int32At(r, 72 + 4 * 74), 415);
  EXPECT_EQ(Int32At(r, 372), 13);
  EXPECT_EQ(Int32At(r, 376), 2);
  EXPECT_EQ(Int32At(r, 380), 5);
  EXPECT_EQ(r[384], 1);            // slot 0, course 1
  EXPECT_EQ(r[384 + 15], 2);       // slot 1, course 1
  EXPECT_EQ(r[384 + 89], 20 % 7);  // slot 5, course 15
  // Short names: 21 bytes each, length byte first, Windows-1252.
  EXPECT_EQ(r[474], 2);
  EXPECT_EQ(r[475], 'K');
  EXPECT_EQ(r[476], '1');
  EXPECT_EQ(r[474 + 21], 2);
  const std::size_t kurz15 = 474 + 21 * 14;
  EXPECT_EQ(r[kurz15], 9);
  EXPECT_EQ(r[kurz15 + 2], 0xFC);  // ü
  // Extended 1.6: sign and exponent 0x3FFF, mantissa 0xCCCC...CD rounded from a double.
  EXPECT_EQ(r[801], 0x3F);
  EXPECT_EQ(r[800], 0xFF);
  EXPECT_EQ(r[799], 0xCC);
  for (std::size_t i = 0; i < 13; ++i) {
    EXPECT_EQ(r[802 + i], i % 2);
  }
  EXPECT_EQ(r[815], 19);
  EXPECT_EQ(r[816], 'M');
  EXPECT_EQ(r[817], 0xFC);
  EXPECT_EQ(r[866], 3);
  EXPECT_EQ(r[869], 0xEB);  // ë
  EXPECT_EQ(r[15], 0);      // padding written as zero
  EXPECT_EQ(r[917], 0);
}

TEST(PlanRecord, RoundTripRestoresEveryField) {
  const Laufbahn original = Musterplan();
  Laufbahn gelesen;
  PlanRecordLesen(PlanRecordAus(original), gelesen);
  EXPECT_EQ(gelesen.Fach, original.Fach);
  EXPECT_EQ(gelesen.AbiWahl, original.AbiWahl);
  EXPECT_EQ(gelesen.SchwerpunktFS, original.SchwerpunktFS);
  EXPECT_EQ(gelesen.AlternativPK, original.AlternativPK);
  EXPECT_EQ(gelesen.LitWahl, original.LitWahl);
  EXPECT_EQ(gelesen.VKQ22, original.VKQ22);
  EXPECT_EQ(gelesen.AbwahlEF, original.AbwahlEF);
  EXPECT_EQ(gelesen.ErsatzfachAktiv, original.ErsatzfachAktiv);
  EXPECT_EQ(gelesen.ZweiteFSSek1, original.ZweiteFSSek1);
  EXPECT_EQ(gelesen.AbwahlWa1, original.AbwahlWa1);
  EXPECT_EQ(gelesen.AbwahlEt, original.AbwahlEt);
  EXPECT_EQ(gelesen.AbwahlKM, original.AbwahlKM);
  EXPECT_EQ(gelesen.Q1Modell, original.Q1Modell);
  EXPECT_EQ(gelesen.EFModell, original.EFModell);
  EXPECT_EQ(gelesen.Noten, original.Noten);
  EXPECT_EQ(gelesen.NotenKursZahl, original.NotenKursZahl);
  EXPECT_EQ(gelesen.ErsatzfachVon, original.ErsatzfachVon);
  EXPECT_EQ(gelesen.ErsatzfachBis, original.ErsatzfachBis);
  EXPECT_EQ(gelesen.KursZaehlart, original.KursZaehlart);
  EXPECT_EQ(gelesen.KursKurzname, original.KursKurzname);
  EXPECT_EQ(gelesen.AbiNoteBerechnet, original.AbiNoteBerechnet);
  EXPECT_EQ(gelesen.PruefungBestanden, original.PruefungBestanden);
  EXPECT_EQ(gelesen.ZulassungBestanden, original.ZulassungBestanden);
  EXPECT_EQ(gelesen.AbiNote, original.AbiNote);
  EXPECT_EQ(gelesen.Schriftlich, original.Schriftlich);
  EXPECT_EQ(gelesen.Nachname, original.Nachname);
  EXPECT_EQ(gelesen.Vorname, original.Vorname);
  EXPECT_EQ(PlanRecordAus(gelesen), PlanRecordAus(original));
}

TEST(PlanRecord, StringsIgnoreBytesBeyondTheirLengthAndCapacity) {
  PlanRecord r = PlanRecordAus(Laufbahn{});
  r[815] = 2;
  r[816] = 'O';
  r[817] = 0xE9;  // é
  r[818] = 'X';   // beyond the length: no meaning
  r[866] = 200;   // a length byte beyond the capacity reads the 50 characters
  std::memset(&r[867], 'a', 50);
  Laufbahn l;
  PlanRecordLesen(r, l);
  EXPECT_EQ(l.Nachname, "Oé");
  EXPECT_EQ(l.Vorname, std::string(50, 'a'));
}

TEST(PlanRecord, NamesLongerThanTheirFieldAreCut) {
  Laufbahn l;
  l.Nachname = std::string(60, 'b');
  l.KursKurzname[1] = "Vertiefungskurs Mathematik";
  Laufbahn gelesen;
  PlanRecordLesen(PlanRecordAus(l), gelesen);
  EXPECT_EQ(gelesen.Nachname, std::string(50, 'b'));
  EXPECT_EQ(gelesen.KursKurzname[1], "Vertiefungskurs Math");
  EXPECT_EQ(gelesen.KursKurzname[2], "");  // the neighbouring field is untouched
}

struct ExtendedFall {
  const char* name;
  double wert;
  std::array<std::uint8_t, 10> bytes;
};

TEST(Extended80, KnownValuesHaveTheX87Layout) {
  const ExtendedFall faelle[] = {
      {"zero", 0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"one", 1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {"four", 4.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x40}},
      {"minusTwoAndAHalf", -2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
      // 1.6 as a double: 0x3FF999999999999A, mantissa shifted into the 64-bit field.
      {"onePointSix", 1.6, {0x00, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFF, 0x3F}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    EXPECT_EQ(Extended80Aus(fall.wert), fall.bytes);
    EXPECT_EQ(Extended80Wert(fall.bytes), fall.wert);
  }
}

TEST(Extended80, FullPrecisionValuesRoundToTheNearestDouble) {
  // 1.6 computed in extended precision: mantissa 0xCCCCCCCCCCCCCCCD.
  const Extended80 x87{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFF, 0x3F};
  EXPECT_EQ(Extended80Wert(x87), 1.6);
  // 2/3 in extended precision rounds to the double 2/3.
  const Extended80 zweiDrittel{0xAB, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xFE, 0x3F};
  EXPECT_EQ(Extended80Wert(zweiDrittel), 2.0 / 3.0);
  const Extended80 unendlich{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
  EXPECT_TRUE(std::isinf(Extended80Wert(unendlich)));
  const Extended80 nan{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
  EXPECT_TRUE(std::isnan(Extended80Wert(nan)));
  const Extended80 riesig{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
  EXPECT_TRUE(std::isinf(Extended80Wert(riesig)));
}

class PlanDateiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-plandatei-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(m_dir);
  }

  fs::path Schreiben(const std::string& name, const std::vector<PlanRecord>& records, std::size_t rest = 0) {
    const fs::path pfad = m_dir / name;
    std::ofstream out(pfad, std::ios::binary);
    for (const auto& record : records) {
      out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
    }
    out.write(std::string(rest, '\x07').data(), static_cast<std::streamsize>(rest));
    return pfad;
  }

  fs::path m_dir;
};

TEST_F(PlanDateiTest, TheLastWholeRecordStaysInForce) {
  Laufbahn erster;
  erster.Nachname = "Erster";
  Laufbahn zweiter;
  zweiter.Nachname = "Zweiter";
  struct Fall {
    const char* name;
    std::vector<PlanRecord> records;
    std::size_t rest;
    int gelesen;
    const char* nachname;
  };
  const Fall faelle[] = {
      {"one", {PlanRecordAus(erster)}, 0, 1, "Erster"},
      {"two", {PlanRecordAus(erster), PlanRecordAus(zweiter)}, 0, 2, "Zweiter"},
      {"shortTailIgnored", {PlanRecordAus(erster)}, 919, 1, "Erster"},
      {"onlyShortTail", {}, 500, 0, "vorher"},
      {"empty", {}, 0, 0, "vorher"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Laufbahn l;
    l.Nachname = "vorher";
    const auto ergebnis = PlanDateiLesen(Schreiben(fall.name, fall.records, fall.rest), l);
    EXPECT_FALSE(ergebnis.fehler.has_value());
    EXPECT_EQ(ergebnis.gelesen, fall.gelesen);
    EXPECT_EQ(l.Nachname, fall.nachname);
  }
}

TEST_F(PlanDateiTest, MissingFileOrDirectoryGivesAMessageAndKeepsThePlan) {
  Laufbahn l;
  l.Nachname = "bleibt";
  for (const fs::path& pfad : {m_dir / "fehlt.abi", m_dir}) {
    const auto ergebnis = PlanDateiLesen(pfad, l);
    ASSERT_TRUE(ergebnis.fehler.has_value());
    EXPECT_NE(ergebnis.fehler->find(pfad.string()), std::string::npos);
    EXPECT_EQ(l.Nachname, "bleibt");
  }
}

TEST(Ladekorrekturen, SemestersOutOfRangeAndTheOldItalianCode) {
  struct Fall {
    std::int32_t von, bis, erwartetVon, erwartetBis;
  };
  const Fall faelle[] = {{0, 7, 1, 6}, {7, 0, 1, 6}, {-5, 100, 1, 6}, {5, 2, 5, 2}, {1, 6, 1, 6}};
  for (const auto& fall : faelle) {
    Laufbahn l;
    l.ErsatzfachVon = fall.von;
    l.ErsatzfachBis = fall.bis;
    LadekorrekturenAnwenden(l);
    EXPECT_EQ(l.ErsatzfachVon, fall.erwartetVon);
    EXPECT_EQ(l.ErsatzfachBis, fall.erwartetBis);
  }
  Laufbahn l;
  l.Fach.fill(I1);
  LadekorrekturenAnwenden(l);
  for (int row = 0; row < RasterAnzahl; ++row) {
    SCOPED_TRACE(row);
    const bool korrigiert = row == FS1 || row == FS2 || row == Wa1 || row == Wa2 || row == VK1;
    EXPECT_EQ(l.Fach[static_cast<std::size_t>(row)], korrigiert ? I0 : I1);
  }
}

TEST_F(PlanDateiTest, SavingWritesOneRecordAndReplacesTheOldFile) {
  const fs::path pfad = Schreiben("plan.abi", {PlanRecordAus(Laufbahn{}), PlanRecordAus(Laufbahn{})});
  const Laufbahn plan = Musterplan();
  ASSERT_FALSE(PlanDateiSchreiben(pfad, plan).has_value());
  EXPECT_EQ(fs::file_size(pfad), PlanRecordGroesse);
  Laufbahn gelesen;
  ASSERT_EQ(PlanDateiLesen(pfad, gelesen).gelesen, 1);
  EXPECT_EQ(PlanRecordAus(gelesen), PlanRecordAus(plan));
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(PlanDateiTest, AFailedSaveKeepsThePreviousFile) {
  Laufbahn alt;
  alt.Nachname = "Alt";
  const fs::path pfad = Schreiben("plan.abi", {PlanRecordAus(alt)});
  // A directory where the file should go, and a directory that cannot be written.
  const auto imVerzeichnis = PlanDateiSchreiben(m_dir, Musterplan());
  ASSERT_TRUE(imVerzeichnis.has_value());
  EXPECT_NE(imVerzeichnis->find("kann nicht gespeichert werden"), std::string::npos);
  const auto fehlt = PlanDateiSchreiben(m_dir / "fehlt" / "plan.abi", Musterplan());
  ASSERT_TRUE(fehlt.has_value());

  if (::geteuid() != 0) {  // root writes into read-only directories
    fs::permissions(m_dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(PlanDateiSchreiben(pfad, Musterplan()).has_value());
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
  }
  Laufbahn gelesen;
  ASSERT_EQ(PlanDateiLesen(pfad, gelesen).gelesen, 1);
  EXPECT_EQ(gelesen.Nachname, "Alt");
}

}  // namespace
}  // namespace kelvaro
