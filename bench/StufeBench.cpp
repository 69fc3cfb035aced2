#include "app/Kommandozeile.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "plan/Windows1252.h"
#include "sheet/Stufe.h"
#include "support/Plaene.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// A year group as a school has it: a name list of 200 students and 250 plan files (200 of
// listed students, 50 the list does not know), each the clean Q1 plan of the tests.
class Jahrgang {
 public:
  Jahrgang() : m_dir(fs::temp_directory_path() / ("kelvaro-bench-stufe-" + std::to_string(::getpid()))) {
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "Q1");
    std::string liste = "Nr;Id;Klasse;Jahrgang;Geschlecht;Nachname;Vorname;Geburtsdatum;Kurs;Rest\r\n";
    for (int i = 0; i < 200; ++i) {
      liste += std::to_string(i) + ";" + std::to_string(1000 + i) + ";Q1a;\"Q1\";w;\"Nachname" + std::to_string(i) +
               "\";\"Vorname" + std::to_string(i) + "\";01.01.2009;\"Kurs\";\r\n";
    }
    std::ofstream(m_dir / "Q1" / "Schüler Q1.txt", std::ios::binary) << Utf8NachWindows1252(liste);

    ui::FixedPlatform platform(ui::Datum{2026, 2, 10}, ui::Bildschirm{1280, 800}, "/nonexistent-kelvaro-stage");
    ui::ScriptedDialogs dialogs;
    Programm programm(platform, dialogs);
    TForm1& f = programm.hauptfenster();
    test::GueltigerQ1Plan(f);
    for (int i = 0; i < 250; ++i) {
      const std::string name = i < 200 ? "Nachn_Vorname" + std::to_string(i) : "Fremd" + std::to_string(i) + "_X";
      f.DateiSpeichern(m_dir / "Q1" / (name + ".abi"));
    }
  }
  ~Jahrgang() { fs::remove_all(m_dir); }
  Jahrgang(const Jahrgang&) = delete;
  Jahrgang& operator=(const Jahrgang&) = delete;

  const fs::path& dir() const { return m_dir; }

 private:
  fs::path m_dir;
};

const Jahrgang& Stufe() {
  static const Jahrgang jahrgang;
  return jahrgang;
}

// Loading the stage as the first activation does: the name list and the plan-file table.
void StufeLadenBench(benchmark::State& state) {
  for (auto _ : state) {
    const StufeLadeErgebnis ergebnis = StufeLaden(Stufe().dir(), 1);
    benchmark::DoNotOptimize(ergebnis.stand.Schuelerzahl());
  }
}

// `kelvaro stage` in one process: the stage loaded, every plan opened as "nächster Schüler"
// does and checked, the report written.
void StageBefehlBench(benchmark::State& state) {
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = KommandozeileAusfuehren({"stage", Stufe().dir().string()}, out, err, ui::Datum{2026, 2, 10});
    benchmark::DoNotOptimize(code);
  }
}

BENCHMARK(StufeLadenBench)->Unit(benchmark::kMillisecond);
BENCHMARK(StageBefehlBench)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvaro
