#include "app/Kommandozeile.h"
#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenauswertung.h"
#include "grades/Notenberechnung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "support/Plaene.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

namespace kelvaro {
namespace {

// A program on 10 February 2026 with a plan chosen in the main window, checked, and its
// grade book prepared with points that look like a real student's.
struct Sitzung {
  explicit Sitzung(const std::function<void(TForm1&)>& waehlen)
      : platform(ui::Datum{2026, 2, 10}, ui::Bildschirm{1280, 800}, "/nonexistent-kelvaro-stage"),
        programm(platform, dialogs) {
    TForm1& f = programm.hauptfenster();
    f.activate();
    waehlen(f);
    TForm2& bericht = programm.meldungsfenster();
    bericht.activate();
    if (bericht.MeldungszahlRegeln() != 1) {
      throw std::runtime_error("the benchmark plan breaks a rule: " + bericht.Textfeld.text());
    }
    bericht.NotenBerechnungButClick();
    Laufbahn& l = programm.laufbahn();
    unsigned zufall = 12345;
    for (int p = 1; p <= l.NotenKursZahl; ++p) {
      for (int h = 1; h <= 5; ++h) {
        if (l.KursZaehlart[static_cast<std::size_t>(h)][static_cast<std::size_t>(p)] != nichtbelegt) {
          zufall = zufall * 1103515245U + 12345U;
          l.Noten[static_cast<std::size_t>(h - 1)][static_cast<std::size_t>(p)] =
              4 + static_cast<int>((zufall >> 16) % 12);
        }
      }
    }
    programm.notenfenster().Eroeffnungsphase();
    if (programm.notenfenster().FehlendeNoten != 0) {
      throw std::runtime_error("points are missing");
    }
  }

  ui::FixedPlatform platform;
  ui::ScriptedDialogs dialogs;
  Programm programm;
};

// The most combinations of alternatives a valid plan gives: two languages and two sciences
// four semesters each, none an Abitur subject (eight focus alternatives), philosophy instead
// of religion, art in Q1 and a practical course in Q2; project course, elective and an
// additional course give the most candidates.
void Schwer(TForm1& f) {
  f.WahlFS1.userChoose("Englisch (ab 5)");
  f.WahlNW1.userChoose("Biologie");
  f.WahlNW2.userChoose("Chemie");
  f.WahlGW.userChoose("Geschichte");
  f.WahlEt.userChoose("Philosophie");
  f.WahlKM.userChoose("Kunst");
  f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");
  f.WahlWa1.userChoose("Französisch (ab 7)");
  f.WahlWa2.userChoose("Informatik");
  f.WahlVK10.userChoose("VK Mathem.");
  f.WahlPK.userChoose("Schüler experi.");
  f.LitJNBox.userChoose("vok.prak. GK");
  f.AbiDeu.userChoose("LK A");
  f.AbiMa.userChoose("LK B");
  f.AbiEt.userChoose("3. Abifach, schriftlich");
  f.AbiGW.userChoose("4. Abifach, mündlich");
  if (!f.NW1BoxSchriftl.checked()) {
    f.NW1BoxSchriftl.userClick();
  }
}

// English and physics advanced courses, mathematics and history as third and fourth subject.
void Typisch(TForm1& f) {
  test::GueltigerQ1Plan(f);
}

// The button "Abiturnote berechnen" of the grade window, as the user presses it.
void Knopf(benchmark::State& state, void (*waehlen)(TForm1&)) {
  Sitzung sitzung(waehlen);
  TForm4& fenster = sitzung.programm.notenfenster();
  const Notenbuch buch = fenster.NotenbuchLesen();
  state.counters["Kombinationen"] = static_cast<double>(Kombinationen(buch).size());
  for (auto _ : state) {
    fenster.AbiturNoteBerechnenButClick();
    benchmark::DoNotOptimize(fenster.Ergebnis.Gesamtpunkte);
  }
}

// The evaluation alone on the prepared grade book.
void Auswertung(benchmark::State& state, void (*waehlen)(TForm1&)) {
  Sitzung sitzung(waehlen);
  const Notenbuch buch = sitzung.programm.notenfenster().NotenbuchLesen();
  for (auto _ : state) {
    Notenergebnis ergebnis = AbiturnoteBerechnen(buch);
    benchmark::DoNotOptimize(ergebnis.Gesamtpunkte);
  }
}

// `kelvaro grade` on the heavy plan stored in a file, in one process.
void Befehl(benchmark::State& state) {
  Sitzung sitzung(Schwer);
  const std::filesystem::path datei =
      std::filesystem::temp_directory_path() / ("kelvaro-bench-" + std::to_string(::getpid()) + ".abi");
  if (!sitzung.programm.hauptfenster().DateiSpeichern(datei)) {
    state.SkipWithError("cannot store the plan");
    return;
  }
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = KommandozeileAusfuehren({"grade", datei.string()}, out, err, ui::Datum{2026, 2, 10});
    benchmark::DoNotOptimize(code);
  }
  std::filesystem::remove(datei);
}

BENCHMARK_CAPTURE(Knopf, Schwer, Schwer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Knopf, Typisch, Typisch)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Auswertung, Schwer, Schwer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Auswertung, Typisch, Typisch)->Unit(benchmark::kMicrosecond);
BENCHMARK(Befehl)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvaro
