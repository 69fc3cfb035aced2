#include "app/Kommandozeile.h"

#include "app/PlanJson.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>

namespace kelvaro {

namespace {

constexpr int ExitFehler = 2;

const char* const Hilfe =
    "Aufruf: kelvaro <Befehl> [Optionen]\n"
    "Befehle:\n"
    "  show DATEI.abi   zeigt eine gespeicherte Laufbahn als JSON\n"
    "Optionen:\n"
    "  --date JJJJ-MM-TT  heutiges Datum, wie das Programm es sieht\n"
    "  --stufe 0|1|2      Regeln einer anderen Stufe (EF, Q1, Q2)\n";

struct Aufruf {
  std::string befehl;
  std::vector<std::string> parameter;
  ui::Datum heute;
  std::optional<int> stufe;
};

std::optional<int> Zahl(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool Schaltjahr(int jahr) {
  return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

std::optional<ui::Datum> DatumLesen(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const auto jahr = Zahl(text.substr(0, 4));
  const auto monat = Zahl(text.substr(5, 2));
  const auto tag = Zahl(text.substr(8, 2));
  if (!jahr || !monat || !tag || *monat < 1 || *monat > 12 || *tag < 1) {
    return std::nullopt;
  }
  static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int imMonat = tage[*monat - 1] + (*monat == 2 && Schaltjahr(*jahr) ? 1 : 0);
  if (*tag > imMonat) {
    return std::nullopt;
  }
  return ui::Datum{*jahr, *monat, *tag};
}

// Options may stand before or after the command.
std::optional<Aufruf> AufrufLesen(const std::vector<std::string>& argumente, const ui::Datum& heute,
                                  std::ostream& err) {
  Aufruf aufruf;
  aufruf.heute = heute;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& argument = argumente[i];
    if (argument == "--date" || argument == "--stufe") {
      if (i + 1 >= argumente.size()) {
        err << "Die Option " << argument << " braucht einen Wert.\n";
        return std::nullopt;
      }
      const std::string& wert = argumente[++i];
      if (argument == "--date") {
        const auto datum = DatumLesen(wert);
        if (!datum) {
          err << "Ungültiges Datum \"" << wert << "\": erwartet wird JJJJ-MM-TT.\n";
          return std::nullopt;
        }
        aufruf.heute = *datum;
      } else {
        const auto stufe = Zahl(wert);
        if (!stufe || *stufe < 0 || *stufe > 2) {
          err << "Ungültige Stufe \"" << wert << "\": erlaubt sind 0 (EF), 1 (Q1) und 2 (Q2).\n";
          return std::nullopt;
        }
        aufruf.stufe = *stufe;
      }
    } else if (argument.rfind("--", 0) == 0) {
      err << "Unbekannte Option \"" << argument << "\".\n" << Hilfe;
      return std::nullopt;
    } else if (aufruf.befehl.empty()) {
      aufruf.befehl = argument;
    } else {
      aufruf.parameter.push_back(argument);
    }
  }
  return aufruf;
}

// The plan file as "Öffnen" reads it, with the corrections of loading; then what a shown
// plan recomputes.
int Show(const Aufruf& aufruf, std::ostream& out, std::ostream& err) {
  if (aufruf.parameter.size() != 1) {
    err << "Aufruf: kelvaro show DATEI.abi [--date JJJJ-MM-TT] [--stufe 0|1|2]\n";
    return ExitFehler;
  }
  const std::filesystem::path pfad = aufruf.parameter[0];
  // The command line sees a screen of the design size, so widths are design widths.
  const ui::FixedPlatform platform(aufruf.heute, ui::Bildschirm{1280, 800}, std::filesystem::current_path());
  ui::ScriptedDialogs dialogs;
  Edition edition = GebauteEdition();
  if (aufruf.stufe) {
    edition.Stufe = *aufruf.stufe;
  }
  Programm programm(platform, dialogs, edition);
  const PlanLadeErgebnis ergebnis = PlanDateiLesen(pfad, programm.laufbahn());
  if (ergebnis.fehler) {
    err << *ergebnis.fehler << '\n';
    return ExitFehler;
  }
  programm.laufzeit().Dateipfad = pfad;
  programm.laufzeit().Dateiname = pfad.filename().string();
  LadekorrekturenAnwenden(programm.laufbahn());
  programm.hauptfenster().PlanNeuBerechnen();
  out << PlanAlsJson(programm).dump(2) << '\n';
  return 0;
}

}  // namespace

int KommandozeileAusfuehren(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
                            const ui::Datum& heute) {
  const auto aufruf = AufrufLesen(argumente, heute, err);
  if (!aufruf) {
    return ExitFehler;
  }
  if (aufruf->befehl == "show") {
    return Show(*aufruf, out, err);
  }
  if (aufruf->befehl.empty()) {
    err << Hilfe;
  } else {
    err << "Unbekannter Befehl \"" << aufruf->befehl << "\".\n" << Hilfe;
  }
  return ExitFehler;
}

}  // namespace kelvaro
