#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// The example plans of tests/data and the choices that make them: each file is what
// "Speichern" writes after these choices on 10 February 2026 (subject choices for Q1).
struct Beispiel {
  const char* datei;
  void (*waehlen)(TForm1&);
};

const Beispiel kBeispiele[] = {
    {"q1-gueltig.abi", test::GueltigerQ1Plan},
    {"q1-ohne-viertes-abifach.abi",
     [](TForm1& f) {
       test::GueltigerQ1Plan(f);
       f.AbiGW.userChoose("");
     }},
    {"q1-wahlfach.abi",
     [](TForm1& f) {
       test::GueltigerQ1Plan(f);
       f.PKEntBox.userChoose("Wahlfach");
     }},
    {"leer.abi", [](TForm1&) {}},
};

std::vector<char> Inhalt(const fs::path& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// KELVARO_TESTDATEN_SCHREIBEN=1 writes the files anew after a deliberate change of the
// plan file; otherwise the committed files must be exactly what the choices save today.
TEST(Testdaten, EachExamplePlanIsWhatItsChoicesSave) {
  const fs::path dir = fs::temp_directory_path() / ("kelvaro-testdaten-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const bool schreiben = std::getenv("KELVARO_TESTDATEN_SCHREIBEN") != nullptr;
  for (const Beispiel& beispiel : kBeispiele) {
    SCOPED_TRACE(beispiel.datei);
    test::Testprogramm p({.heute = {2026, 2, 10}, .verzeichnis = dir});
    beispiel.waehlen(p.f);
    const fs::path neu = dir / beispiel.datei;
    ASSERT_TRUE(p.f.DateiSpeichern(neu));
    if (schreiben) {
      fs::copy_file(neu, test::Testdatei(beispiel.datei), fs::copy_options::overwrite_existing);
    }
    EXPECT_EQ(Inhalt(test::Testdatei(beispiel.datei)), Inhalt(neu));
    EXPECT_EQ(Inhalt(neu).size(), PlanRecordGroesse);
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kelvaro
