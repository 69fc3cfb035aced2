#include "sheet/Stufe.h"

#include "plan/Windows1252.h"
#include "support/Faelle.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

const std::string Kopf = "Nr;Id;Klasse;Jahrgang;Geschlecht;Nachname;Vorname;Geburtsdatum;Kurs;Rest\r\n";

// --- Name list lines ---------------------------------------------------------------------

struct ZeileFall {
  const char* name;
  std::string zeile;  // one line after the header, without its line end
  bool angenommen;
  NamenslisteEintrag eintrag = {};
};

const ZeileFall kZeilen[] = {
    {.name = "fullLine",
     .zeile = R"(1;4711;Q1a;"Q1";w;"Müller";"Anna";01.02.2008;"Bio LK";x)",
     .angenommen = true,
     .eintrag = {.Nachname = "Müller", .Vorname = "Anna", .Spalte9 = "Bio LK", .Spalte3 = "Q1a", .Jahrgang = "Q1"}},
    {.name = "delimitersAreDroppedWithoutLooking",
     .zeile = R"(1;2;7b;'09';m;<Schmidt>;[Jan];x;#k#;)",
     .angenommen = true,
     .eintrag = {.Nachname = "Schmidt", .Vorname = "Jan", .Spalte9 = "k", .Spalte3 = "7b", .Jahrgang = "09"}},
    {.name = "ninthFieldNeedsItsSemicolon",
     .zeile = R"(1;2;EFc;"EF";m;"Özdemir";"Can";x;"Kurs")",
     .angenommen = true,
     .eintrag = {.Nachname = "Özdemir", .Vorname = "Can", .Spalte9 = "", .Spalte3 = "EFc", .Jahrgang = "EF"}},
    {.name = "shortLineLeavesFieldsEmpty",
     .zeile = R"(1;2;Q2;"Q2";w;"Lang")",
     .angenommen = true,
     .eintrag = {.Nachname = "Lang", .Vorname = "", .Spalte9 = "", .Spalte3 = "Q2", .Jahrgang = "Q2"}},
    {.name = "otherGradeIsNotTaken", .zeile = R"(1;2;10a;"10";w;"Kurz";"Eva";x;"k";)", .angenommen = false},
    {.name = "gradeMustMatchExactly", .zeile = R"(1;2;Q1;"q1";w;"Kurz";"Eva";x;"k";)", .angenommen = false},
    {.name = "gradeWithoutDelimitersIsNotTaken", .zeile = "1;2;Q1;Q1;w;Kurz;Eva;x;k;", .angenommen = false},
    {.name = "emptyLine", .zeile = "", .angenommen = false},
    {.name = "valuesAreCutToFiftyCharacters",
     .zeile = "1;2;Q1;\"Q1\";w;\"" + std::string(60, 'A') + "\";\"Ä" + std::string(60, 'b') + "\";x;\"k\";",
     .angenommen = true,
     .eintrag = {.Nachname = std::string(50, 'A'),
                 .Vorname = "Ä" + std::string(49, 'b'),
                 .Spalte9 = "k",
                 .Spalte3 = "Q1",
                 .Jahrgang = "Q1"}},
};

class NamenslisteZeile : public ::testing::TestWithParam<ZeileFall> {};

TEST_P(NamenslisteZeile, IsCutIntoItsFields) {
  const ZeileFall& fall = GetParam();
  const Namensliste liste = NamenslisteLesen(Kopf + fall.zeile + "\r\n");
  ASSERT_EQ(liste.NamenslisteZahl(), fall.angenommen ? 1 : 0);
  if (fall.angenommen) {
    const NamenslisteEintrag& e = liste.eintraege.front();
    EXPECT_EQ(e.Nachname, fall.eintrag.Nachname);
    EXPECT_EQ(e.Vorname, fall.eintrag.Vorname);
    EXPECT_EQ(e.Spalte9, fall.eintrag.Spalte9);
    EXPECT_EQ(e.Spalte3, fall.eintrag.Spalte3);
    EXPECT_EQ(e.Jahrgang, fall.eintrag.Jahrgang);
  }
  EXPECT_TRUE(liste.meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Namensliste, NamenslisteZeile, ::testing::ValuesIn(kZeilen), test::FallName<ZeileFall>);

// --- Encodings and line ends -------------------------------------------------------------

TEST(Namensliste, ReadsWindows1252AndUtf8WithOrWithoutByteOrderMark) {
  const std::string zeile = R"(1;2;Q1;"Q1";w;"Jäger";"Zoë";x;"k";)";
  struct Fall {
    const char* name;
    std::string inhalt;
    bool utf8;
  };
  const Fall faelle[] = {
      {"windows1252", Utf8NachWindows1252(Kopf + zeile + "\r\n"), false},
      {"utf8", Kopf + zeile + "\r\n", true},
      {"utf8WithByteOrderMark", "\xEF\xBB\xBF" + Kopf + zeile + "\r\n", true},
      {"lineFeedsOnly", "Kopf\n" + zeile + "\n", true},
      {"lastLineWithoutLineEnd", Kopf + zeile, true},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const Namensliste liste = NamenslisteLesen(fall.inhalt);
    ASSERT_EQ(liste.NamenslisteZahl(), 1);
    EXPECT_EQ(liste.eintraege[0].Nachname, "Jäger");
    EXPECT_EQ(liste.eintraege[0].Vorname, "Zoë");
    EXPECT_EQ(liste.utf8, fall.utf8);
  }
}

TEST(Namensliste, RefusesWhatExceedsItsCapacityAndSaysSo) {
  std::string inhalt = Kopf;
  for (int i = 1; i <= 260; ++i) {
    inhalt += "1;2;Q1;\"Q1\";w;\"Name" + std::to_string(i) + "\";\"Vorname\";x;\"k\";\r\n";
  }
  const Namensliste liste = NamenslisteLesen(inhalt);
  // 250 lines are read, the header among them: 249 students, of which 200 fit.
  EXPECT_EQ(liste.NamenslisteZahl(), 200);
  EXPECT_EQ(liste.eintraege.back().Nachname, "Name200");
  ASSERT_EQ(liste.meldungen.size(), 2U);
  EXPECT_EQ(liste.meldungen[0],
            "Die Namensliste hat mehr als 250 Zeilen; die Zeilen ab Zeile 251 wurden nicht gelesen.");
  EXPECT_EQ(liste.meldungen[1],
            "Die Namensliste nennt mehr als 200 Schülerinnen und Schüler; 49 weitere wurden nicht übernommen.");
}

// --- Matching plan files to the list -----------------------------------------------------

Namensliste Liste(std::initializer_list<std::pair<const char*, const char*>> namen) {
  std::string inhalt = Kopf;
  for (const auto& [nachname, vorname] : namen) {
    inhalt += std::string("1;2;Q1b;\"Q1\";w;\"") + nachname + "\";\"" + vorname + "\";x;\"k\";\r\n";
  }
  return NamenslisteLesen(inhalt);
}

TEST(Stufentabelle, MatchesFileNamesByTheBeginningsOfTheNames) {
  const Namensliste liste = Liste({{"Schneider", "Johanna"}, {"Schneiderhan", "Jonas"}, {"Weber", "Li"}});
  struct Fall {
    const char* datei;
    int listenNr;
    const char* nachname;
    const char* vorname;
  };
  const Fall faelle[] = {
      {"Schne_Johan.abi", 1, "Schneider", "Johanna"},
      // both entries begin with "Schne" and "Jo": the later one wins
      {"Schne_Jo.abi", 2, "Schneiderhan", "Jonas"},
      {"Weber_Li.abi", 3, "Weber", "Li"},
      {"weber_Li.abi", 0, "weber", "Li"},  // case-sensitive
      {"Weber.abi", 0, "", ""},            // no "_": no last-name part
      {"Weber_.abi", 0, "Weber", ""},      // an empty part matches nothing
      {"Fremd_Name.abi", 0, "Fremd", "Name"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.datei);
    const StufenSchuelerTyp s = StufenSchuelerZuDatei(liste, fall.datei);
    EXPECT_EQ(s.ListenNr, fall.listenNr);
    EXPECT_EQ(s.InListe, fall.listenNr > 0 ? 1 : 0);
    EXPECT_EQ(s.Nachname, fall.nachname);
    EXPECT_EQ(s.Vorname, fall.vorname);
    EXPECT_EQ(s.Dateiname, fall.datei);
    EXPECT_EQ(s.Spalte3, fall.listenNr > 0 ? "Q1b" : "");
  }
}

class StufenOrdnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-stufe-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "Q1");
  }
  void TearDown() override { fs::remove_all(m_dir); }

  void Datei(const fs::path& pfad, const std::string& inhalt = std::string(920, '\0')) {
    std::ofstream(m_dir / pfad, std::ios::binary) << inhalt;
  }

  fs::path m_dir;
};

TEST_F(StufenOrdnerTest, ListsOrdinaryPlanFilesSortedWithoutRegardToCase) {
  for (const char* name : {"b_x.abi", "A_y.ABI", "c_z.abi", ".versteckt.abi", "d.txt", "e_w.abi.bak"}) {
    Datei(fs::path("Q1") / name);
  }
  fs::create_directory(m_dir / "Q1" / "ordner.abi");
  fs::create_symlink(m_dir / "Q1" / "c_z.abi", m_dir / "Q1" / "verweis_q.abi");
  fs::create_symlink(m_dir / "nirgends", m_dir / "Q1" / "tot_t.abi");
  EXPECT_EQ(PlanDateienAuflisten(m_dir / "Q1"),
            (std::vector<std::string>{"A_y.ABI", "b_x.abi", "c_z.abi", "verweis_q.abi"}));
  EXPECT_TRUE(PlanDateienAuflisten(m_dir / "fehlt").empty());
}

TEST_F(StufenOrdnerTest, LoadsTheStageOnlyWithItsNameList) {
  Datei(fs::path("Q1") / "Weber_Li.abi");
  EXPECT_FALSE(StufeLaden(m_dir, 1).namenslisteGefunden);

  Datei(fs::path("Q1") / "Schüler Q1.txt", Utf8NachWindows1252(Kopf + R"(1;2;Q1;"Q1";w;"Weber";"Lilli";x;"k";)"));
  const StufeLadeErgebnis ergebnis = StufeLaden(m_dir, 1);
  ASSERT_TRUE(ergebnis.namenslisteGefunden);
  ASSERT_EQ(ergebnis.stand.Schuelerzahl(), 1);
  EXPECT_EQ(ergebnis.stand.StufenSchueler[0].Vorname, "Lilli");
  EXPECT_EQ(ergebnis.stand.SchuelerNr, 0);
  // Another stage has its own folder and list.
  EXPECT_FALSE(StufeLaden(m_dir, 2).namenslisteGefunden);
}

TEST_F(StufenOrdnerTest, NameListThatIsNoRegularFileIsNoNameList) {
  fs::create_directory(m_dir / "Q1" / "Schüler Q1.txt");
  EXPECT_FALSE(StufeLaden(m_dir, 1).namenslisteGefunden);
}

TEST_F(StufenOrdnerTest, TakesAtMost250PlanFilesAndSaysSo) {
  Datei(fs::path("Q1") / "Schüler Q1.txt", Kopf);
  for (int i = 0; i < 252; ++i) {
    Datei(fs::path("Q1") / ("N" + std::to_string(1000 + i) + "_V.abi"));
  }
  const StufeLadeErgebnis ergebnis = StufeLaden(m_dir, 1);
  EXPECT_EQ(ergebnis.stand.Schuelerzahl(), 250);
  ASSERT_EQ(ergebnis.stand.meldungen.size(), 1U);
  EXPECT_EQ(ergebnis.stand.meldungen[0],
            "Im Stufenverzeichnis liegen 252 Laufbahndateien; nur die ersten 250 wurden übernommen.");
}

}  // namespace
}  // namespace kelvaro
