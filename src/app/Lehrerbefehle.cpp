#include "app/Lehrerbefehle.h"

#include "app/Sitzung.h"
#include "evaluation/Pruefung.h"
#include "plan/Windows1252.h"
#include "sheet/Stufe.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace kelvaro {

namespace {

constexpr int ExitFehler = 2;

std::optional<std::string> StufenverzeichnisFehler(const std::filesystem::path& verzeichnis) {
  std::error_code ec;
  if (!std::filesystem::is_directory(verzeichnis, ec)) {
    return "Das Stufenverzeichnis \"" + verzeichnis.string() + "\" gibt es nicht oder es ist kein Verzeichnis.";
  }
  return std::nullopt;
}

void MeldungenAusgeben(const Stufenstand& stand, std::ostream& err) {
  for (const std::string& meldung : stand.meldungen) {
    err << meldung << '\n';
  }
}

std::string Json(const nlohmann::ordered_json& j) {
  return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// --- The year-group report ---------------------------------------------------------------

struct Zeile {
  std::string Nr, Vorname, Nachname, Dateiname, InListe, Meldungszahl, Status, ErsteMeldung;
};

const Zeile Kopfzeile{"Nr", "Vorname", "Nachname", "Dateiname", "InListe", "Meldungszahl", "Status", "ErsteMeldung"};

std::vector<std::string> Felder(const Zeile& z) {
  return {z.Nr, z.Vorname, z.Nachname, z.Dateiname, z.InListe, z.Meldungszahl, z.Status, z.ErsteMeldung};
}

// RFC 4180: fields with a comma, quote or line break are quoted, quotes doubled, CR LF.
std::string CsvFeld(const std::string& feld) {
  if (feld.find_first_of(",\"\r\n") == std::string::npos) {
    return feld;
  }
  std::string text = "\"";
  for (char c : feld) {
    text += c == '"' ? std::string("\"\"") : std::string(1, c);
  }
  return text + "\"";
}

void CsvAusgeben(const std::vector<Zeile>& zeilen, std::ostream& out) {
  for (const Zeile& z : zeilen) {
    const std::vector<std::string> felder = Felder(z);
    for (std::size_t i = 0; i < felder.size(); ++i) {
      out << (i > 0 ? "," : "") << CsvFeld(felder[i]);
    }
    out << "\r\n";
  }
}

void TabelleAusgeben(const std::vector<Zeile>& zeilen, std::ostream& out) {
  std::vector<std::size_t> breiten(Felder(Kopfzeile).size(), 0);
  for (const Zeile& z : zeilen) {
    const std::vector<std::string> felder = Felder(z);
    for (std::size_t i = 0; i < felder.size(); ++i) {
      breiten[i] = std::max(breiten[i], Utf8Zeichen(felder[i]).size());
    }
  }
  for (const Zeile& z : zeilen) {
    const std::vector<std::string> felder = Felder(z);
    std::string zeile;
    for (std::size_t i = 0; i < felder.size(); ++i) {
      zeile += felder[i];
      if (i + 1 < felder.size()) {
        zeile += std::string(breiten[i] - Utf8Zeichen(felder[i]).size() + 2, ' ');
      }
    }
    while (!zeile.empty() && zeile.back() == ' ') {
      zeile.pop_back();
    }
    out << zeile << '\n';
  }
}

}  // namespace

int ScanBefehl(const std::filesystem::path& stufenverzeichnis, const ui::Datum& heute, std::optional<int> stufe,
               bool json, std::istream& in, std::ostream& out, std::ostream& err) {
  if (const auto fehler = StufenverzeichnisFehler(stufenverzeichnis)) {
    err << *fehler << '\n';
    return ExitFehler;
  }
  const std::string eingabe{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!IstUtf8(eingabe)) {
    err << "Die Eingabe ist kein gültiger UTF-8-Text.\n";
    return ExitFehler;
  }
  Sitzung sitzung(heute, stufe, stufenverzeichnis);
  Programm& programm = sitzung.programm;
  TForm1& f = programm.hauptfenster();
  const Stufenstand& stand = programm.stufenstand();
  if (programm.laufzeit().Lehrermodus == 0) {
    err << "In \"" << stufenverzeichnis.string() << "\" liegt keine Namensliste \""
        << NamenslistenPfad({}, programm.laufzeit().Stufe).string()
        << "\"; die Scans werden gespeichert, aber niemandem aus der Namensliste zugeordnet.\n";
  }
  MeldungenAusgeben(stand, err);
  f.ScanButClick();
  f.SpeichernCheckBox.setChecked(true);
  f.NachScanZurueckCheckBox.setChecked(false);

  bool alleAngenommen = true;
  std::size_t gemeldet = sitzung.dialogs.messages().size();
  for (char32_t zeichen : Utf8Zeichen(eingabe)) {
    if (zeichen == U'\n' || zeichen == U'\r') {
      continue;  // the scanner's Enter key types nothing
    }
    f.ScanEdit.userType(Utf8Text(std::u32string(1, zeichen)));
    if (!f.ScanEdit.text().empty()) {
      continue;
    }
    // Typing emptied the field: the 27th character made a scan, and it was processed.
    for (; gemeldet < sitzung.dialogs.messages().size(); ++gemeldet) {
      err << sitzung.dialogs.messages()[gemeldet] << '\n';  // a plan file that could not be written
    }
    const bool angenommen = f.ScanAngenommen && !f.ScanDatei.empty();
    alleAngenommen = alleAngenommen && angenommen;
    if (json) {
      const StufenSchuelerTyp* schueler = f.ScanAngenommen ? stand.Aktuell() : nullptr;
      nlohmann::ordered_json j;
      j["accepted"] = angenommen;
      j["ScanLab"] = f.ScanLab.text();
      j["SpeicherNameLab"] = f.SpeicherNameLab.text();
      j["ScanTextIntLab"] = f.ScanTextIntLab.text();
      j["Datei"] = f.ScanDatei.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(f.ScanDatei.string());
      j["ScanZahl"] = stand.ScanZahl;
      j["Schuelerzahl"] = stand.Schuelerzahl();
      j["SchuelerNr"] = stand.SchuelerNr;
      j["InListe"] = schueler != nullptr ? schueler->InListe : 0;
      out << Json(j) << '\n';
    } else {
      out << f.ScanLab.text() << '\n';
      if (f.ScanAngenommen) {
        out << f.SpeicherNameLab.text() << '\n';
      }
    }
  }
  if (!f.ScanEdit.text().empty()) {
    err << "Unvollständiger Scan übrig: " << f.ScanEdit.text() << '\n';
    return 1;
  }
  return alleAngenommen ? 0 : 1;
}

int StageBefehl(const std::filesystem::path& stufenverzeichnis, const ui::Datum& heute, std::optional<int> stufe,
                bool csv, std::ostream& out, std::ostream& err) {
  if (const auto fehler = StufenverzeichnisFehler(stufenverzeichnis)) {
    err << *fehler << '\n';
    return ExitFehler;
  }
  Sitzung sitzung(heute, stufe, stufenverzeichnis);
  Programm& programm = sitzung.programm;
  const Laufzeit& z = programm.laufzeit();
  Stufenstand& stand = programm.stufenstand();
  if (z.Lehrermodus == 0) {
    err << "In \"" << stufenverzeichnis.string() << "\" liegt keine Namensliste \""
        << NamenslistenPfad({}, z.Stufe).string() << "\".\n";
    return ExitFehler;
  }
  MeldungenAusgeben(stand, err);

  std::vector<Zeile> zeilen{Kopfzeile};
  bool alleInOrdnung = true;
  std::vector<bool> hatPlan(static_cast<std::size_t>(stand.namensliste.NamenslisteZahl()) + 1, false);
  for (int nr = 1; nr <= stand.Schuelerzahl(); ++nr) {
    const StufenSchuelerTyp& schueler = stand.StufenSchueler[static_cast<std::size_t>(nr - 1)];
    Zeile zeile{.Nr = std::to_string(nr),
                .Vorname = schueler.Vorname,
                .Nachname = schueler.Nachname,
                .Dateiname = schueler.Dateiname,
                .InListe = std::to_string(schueler.InListe),
                .Meldungszahl = "",
                .Status = "",
                .ErsteMeldung = ""};
    if (schueler.ListenNr > 0) {
      hatPlan[static_cast<std::size_t>(schueler.ListenNr)] = true;
    }
    // As "nächster Schüler" walks the table.
    const std::size_t meldungen = sitzung.dialogs.messages().size();
    stand.SchuelerNr = nr - 1;
    programm.hauptfenster().NaechsterSchuelerButClick();
    if (sitzung.dialogs.messages().size() > meldungen) {
      zeile.Status = sitzung.dialogs.messages().back();  // a file that cannot be read
      alleInOrdnung = false;
    } else {
      const Pruefbericht bericht = LaufbahnPruefen(programm.laufbahn(), programm.abgeleitet(), z);
      zeile.Meldungszahl = std::to_string(bericht.Zeilen.size());
      zeile.Status = bericht.RegelnErfuellt() ? "in Ordnung" : "Meldungen";
      zeile.ErsteMeldung = bericht.ErsteMeldung();
      alleInOrdnung = alleInOrdnung && bericht.RegelnErfuellt();
    }
    zeilen.push_back(std::move(zeile));
  }
  for (int j = 1; j <= stand.namensliste.NamenslisteZahl(); ++j) {
    if (hatPlan[static_cast<std::size_t>(j)]) {
      continue;
    }
    const NamenslisteEintrag& e = stand.namensliste.eintraege[static_cast<std::size_t>(j - 1)];
    zeilen.push_back({.Nr = "",
                      .Vorname = e.Vorname,
                      .Nachname = e.Nachname,
                      .Dateiname = "",
                      .InListe = "1",
                      .Meldungszahl = "",
                      .Status = "kein Wahlzettel",
                      .ErsteMeldung = ""});
    alleInOrdnung = false;
  }
  if (csv) {
    CsvAusgeben(zeilen, out);
  } else {
    TabelleAusgeben(zeilen, out);
  }
  return alleInOrdnung ? 0 : 1;
}

}  // namespace kelvaro
