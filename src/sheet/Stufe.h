#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// The capacities of the stage: lines of the name list (the header included), students the
// list names, plan files (and so students) in the stage folder. Beyond them nothing is
// taken, and the stage says so in a German message.
inline constexpr int NamenslisteZeilenMax = 250;
inline constexpr int NamenslisteSchuelerMax = 200;
inline constexpr int StufenSchuelerMax = 250;

// One student of the stage's name list; every value at most 50 characters.
struct NamenslisteEintrag {
  std::string Nachname;
  std::string Vorname;
  std::string Spalte9;
  std::string Spalte3;
  std::string Jahrgang;
};

// The stage's name list (`Namensliste`, entries 1..`NamenslisteZahl` as index 0..n-1).
struct Namensliste {
  std::vector<NamenslisteEintrag> eintraege;
  // What was not taken, in German (too many lines or students).
  std::vector<std::string> meldungen;
  bool utf8 = false;  // the file was read as UTF-8, not as Windows-1252

  int NamenslisteZahl() const { return static_cast<int>(eintraege.size()); }
};

// Reads a name list as a school exports it: a header line, then one student a line with
// fields separated by ";" (3 class, 4 grade level, 6 last name, 7 first name, 9 a further
// column; 4, 6, 7 and 9 enclosed in one delimiter each side). Only lines of the grade
// levels "09", "EF", "Q1" and "Q2" are taken. The file is Windows-1252, or UTF-8 when it
// starts with a byte-order mark or is valid UTF-8 with characters beyond ASCII; lines end
// with CR LF or LF.
Namensliste NamenslisteLesen(std::string_view inhalt);

// The index (1..n) of the last list entry whose first and last names begin with the given
// parts (case-sensitive; an empty part matches nothing); 0 when none does.
int NamenslisteSuchen(const Namensliste& liste, const std::string& vorname, const std::string& nachname);

// One plan file of the stage (`StufenSchuelerTyp`).
struct StufenSchuelerTyp {
  std::string Nachname;
  std::string Vorname;
  std::string Spalte9;
  std::string Spalte3;
  std::string Dateiname;  // without folder
  int ListenNr = 0;       // 1..n in the name list, 0 not found
  std::uint8_t InListe = 0;
};

// The parts of a plan file's name: last name before the first "_", first name between it
// and the first ".". A name without "_" has an empty last-name part.
struct Namensteile {
  std::string nachname;
  std::string vorname;
};
Namensteile DateinameZerlegen(const std::string& dateiname);

// The entry of a plan file, matched against the name list.
StufenSchuelerTyp StufenSchuelerZuDatei(const Namensliste& liste, const std::string& dateiname);

// The stage as loaded at the first activation and extended by scanning: name list, one
// entry per plan file (`StufenSchueler`, 1..`Schuelerzahl` as index 0..n-1), the current
// entry (`SchuelerNr`, 0 none) and the sheets accepted since start (`ScanZahl`).
struct Stufenstand {
  Namensliste namensliste;
  std::vector<StufenSchuelerTyp> StufenSchueler;
  int SchuelerNr = 0;
  int ScanZahl = 0;
  // What loading the stage could not take, in German.
  std::vector<std::string> meldungen;

  int Schuelerzahl() const { return static_cast<int>(StufenSchueler.size()); }
  const StufenSchuelerTyp* Aktuell() const;
};

// The ordinary plan files of a folder: regular files (no folders, no hidden files) whose
// names end in ".abi" in any case, sorted by name without regard to case.
std::vector<std::string> PlanDateienAuflisten(const std::filesystem::path& ordner);

// The path of the stage's name list ("Q1/Schüler Q1.txt" for stage 1).
std::filesystem::path NamenslistenPfad(const std::filesystem::path& stufenverzeichnis, int stufe);

// Reads the name list and the plan files of a stage directory. `namenslisteGefunden` is
// false when the name list cannot be read; then the table holds the plan files unmatched.
struct StufeLadeErgebnis {
  Stufenstand stand;
  bool namenslisteGefunden = false;
};
StufeLadeErgebnis StufeLaden(const std::filesystem::path& stufenverzeichnis, int stufe);

}  // namespace kelvaro
