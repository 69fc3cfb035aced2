#include "sheet/Stufe.h"

#include "plan/Laufzeit.h"
#include "plan/Windows1252.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

namespace kelvaro {

namespace {

constexpr std::size_t WertMax = 50;
// A name list of 250 lines is a few ten kilobytes; anything far larger is no name list.
constexpr std::size_t NamenslisteBytesMax = 4 * 1024 * 1024;

std::string Wert(std::string_view text) {
  return Utf8Anfang(text, WertMax);
}

// A field enclosed in one delimiter each side, without looking at the delimiters.
std::string_view Innen(std::string_view feld) {
  if (feld.size() < 2) {
    return {};
  }
  return feld.substr(1, feld.size() - 2);
}

bool AngenommenerJahrgang(std::string_view jahrgang) {
  return jahrgang == "09" || jahrgang == "EF" || jahrgang == "Q1" || jahrgang == "Q2";
}

// The fields 1.. of a line; field 9 counts only when a ";" follows it, so a field that
// ends the line is dropped from the ninth on.
std::vector<std::string_view> Felder(std::string_view zeile) {
  std::vector<std::string_view> felder;
  std::size_t start = 0;
  while (true) {
    const std::size_t ende = zeile.find(';', start);
    if (ende == std::string_view::npos) {
      felder.push_back(zeile.substr(start));
      break;
    }
    felder.push_back(zeile.substr(start, ende - start));
    start = ende + 1;
  }
  if (felder.size() == 9) {
    felder.pop_back();  // field 9 without its ";"
  }
  return felder;
}

std::string_view Feld(const std::vector<std::string_view>& felder, std::size_t nr) {
  return nr <= felder.size() ? felder[nr - 1] : std::string_view{};
}

bool HatNichtAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Lower case for sorting file names: ASCII letters and the German umlauts.
std::string Kleingeschrieben(const std::string& name) {
  std::u32string zeichen = Utf8Zeichen(name);
  for (char32_t& c : zeichen) {
    if (c >= U'A' && c <= U'Z') {
      c = c - U'A' + U'a';
    } else if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
      c += 0x20;  // À..Þ to à..þ
    }
  }
  return Utf8Text(zeichen);
}

bool EndetMitAbi(const std::string& name) {
  if (name.size() < 4) {
    return false;
  }
  std::string endung = name.substr(name.size() - 4);
  std::transform(endung.begin(), endung.end(), endung.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return endung == ".abi";
}

// Reads a small text file; nothing when it is missing, no regular file or unreadable. A
// FIFO or a device never blocks the reading.
std::optional<std::string> KleineDateiLesen(const std::filesystem::path& pfad, std::size_t grenze) {
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string inhalt;
  std::array<char, 65536> puffer{};
  while (inhalt.size() < grenze) {
    const ssize_t n = ::read(fd, puffer.data(), std::min(puffer.size(), grenze - inhalt.size()));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      break;
    }
    inhalt.append(puffer.data(), static_cast<std::size_t>(n));
  }
  ::close(fd);
  return inhalt;
}

}  // namespace

Namensliste NamenslisteLesen(std::string_view inhalt) {
  Namensliste liste;
  if (inhalt.substr(0, 3) == "\xEF\xBB\xBF") {
    inhalt.remove_prefix(3);
    liste.utf8 = true;
  } else {
    liste.utf8 = HatNichtAscii(inhalt) && IstUtf8(inhalt);
  }
  const std::string text = liste.utf8 ? std::string(inhalt) : Windows1252NachUtf8(std::string(inhalt));

  std::size_t start = 0;
  int zeilenNr = 0;
  int verworfen = 0;
  while (start < text.size()) {
    std::size_t ende = text.find('\n', start);
    const bool letzte = ende == std::string::npos;
    if (letzte) {
      ende = text.size();
    }
    std::string_view zeile(text.data() + start, ende - start);
    start = ende + 1;
    if (!zeile.empty() && zeile.back() == '\r') {
      zeile.remove_suffix(1);
    }
    if (letzte && zeile.empty()) {
      break;
    }
    ++zeilenNr;
    if (zeilenNr > NamenslisteZeilenMax) {
      liste.meldungen.push_back("Die Namensliste hat mehr als " + std::to_string(NamenslisteZeilenMax) +
                                " Zeilen; die Zeilen ab Zeile " + std::to_string(NamenslisteZeilenMax + 1) +
                                " wurden nicht gelesen.");
      break;
    }
    if (zeilenNr == 1) {
      continue;  // the header
    }
    const std::vector<std::string_view> felder = Felder(zeile);
    NamenslisteEintrag eintrag{.Nachname = Wert(Innen(Feld(felder, 6))),
                               .Vorname = Wert(Innen(Feld(felder, 7))),
                               .Spalte9 = Wert(Innen(Feld(felder, 9))),
                               .Spalte3 = Wert(Feld(felder, 3)),
                               .Jahrgang = Wert(Innen(Feld(felder, 4)))};
    if (!AngenommenerJahrgang(eintrag.Jahrgang)) {
      continue;
    }
    if (liste.NamenslisteZahl() >= NamenslisteSchuelerMax) {
      ++verworfen;
      continue;
    }
    liste.eintraege.push_back(std::move(eintrag));
  }
  if (verworfen > 0) {
    liste.meldungen.push_back("Die Namensliste nennt mehr als " + std::to_string(NamenslisteSchuelerMax) +
                              " Schülerinnen und Schüler; " + std::to_string(verworfen) +
                              " weitere wurden nicht übernommen.");
  }
  return liste;
}

int NamenslisteSuchen(const Namensliste& liste, const std::string& vorname, const std::string& nachname) {
  if (vorname.empty() || nachname.empty()) {
    return 0;
  }
  int gefunden = 0;
  for (int j = 1; j <= liste.NamenslisteZahl(); ++j) {
    const NamenslisteEintrag& e = liste.eintraege[static_cast<std::size_t>(j - 1)];
    if (e.Vorname.starts_with(vorname) && e.Nachname.starts_with(nachname)) {
      gefunden = j;
    }
  }
  return gefunden;
}

Namensteile DateinameZerlegen(const std::string& dateiname) {
  Namensteile teile;
  const std::size_t strich = dateiname.find('_');
  if (strich == std::string::npos) {
    return teile;  // no last-name part; nothing between "_" and "." either
  }
  teile.nachname = dateiname.substr(0, strich);
  const std::size_t punkt = dateiname.find('.');
  if (punkt != std::string::npos && punkt > strich) {
    teile.vorname = dateiname.substr(strich + 1, punkt - strich - 1);
  }
  return teile;
}

StufenSchuelerTyp StufenSchuelerZuDatei(const Namensliste& liste, const std::string& dateiname) {
  const Namensteile teile = DateinameZerlegen(dateiname);
  StufenSchuelerTyp schueler;
  schueler.Nachname = Wert(teile.nachname);
  schueler.Vorname = Wert(teile.vorname);
  schueler.Dateiname = dateiname;
  if (const int j = NamenslisteSuchen(liste, teile.vorname, teile.nachname); j > 0) {
    const NamenslisteEintrag& e = liste.eintraege[static_cast<std::size_t>(j - 1)];
    schueler.Nachname = e.Nachname;
    schueler.Vorname = e.Vorname;
    schueler.Spalte9 = e.Spalte9;
    schueler.Spalte3 = e.Spalte3;
    schueler.ListenNr = j;
    schueler.InListe = 1;
  }
  return schueler;
}

const StufenSchuelerTyp* Stufenstand::Aktuell() const {
  if (SchuelerNr < 1 || SchuelerNr > Schuelerzahl()) {
    return nullptr;
  }
  return &StufenSchueler[static_cast<std::size_t>(SchuelerNr - 1)];
}

std::vector<std::string> PlanDateienAuflisten(const std::filesystem::path& ordner) {
  std::vector<std::string> namen;
  std::error_code ec;
  std::filesystem::directory_iterator it(ordner, ec);
  if (ec) {
    return namen;
  }
  for (const std::filesystem::directory_entry& eintrag : it) {
    const std::string name = eintrag.path().filename().string();
    std::error_code statusFehler;
    // A link counts by what it points to; hidden files start with a dot.
    if (name.empty() || name.front() == '.' || !EndetMitAbi(name) || !eintrag.is_regular_file(statusFehler)) {
      continue;
    }
    namen.push_back(name);
  }
  std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
    const std::string ka = Kleingeschrieben(a);
    const std::string kb = Kleingeschrieben(b);
    return ka != kb ? ka < kb : a < b;
  });
  return namen;
}

std::filesystem::path NamenslistenPfad(const std::filesystem::path& stufenverzeichnis, int stufe) {
  const std::string ordner = StufenOrdner(stufe);
  return stufenverzeichnis / ordner / ("Schüler " + ordner + ".txt");
}

StufeLadeErgebnis StufeLaden(const std::filesystem::path& stufenverzeichnis, int stufe) {
  StufeLadeErgebnis ergebnis;
  const auto inhalt = KleineDateiLesen(NamenslistenPfad(stufenverzeichnis, stufe), NamenslisteBytesMax);
  if (!inhalt) {
    return ergebnis;
  }
  ergebnis.namenslisteGefunden = true;
  Stufenstand& stand = ergebnis.stand;
  stand.namensliste = NamenslisteLesen(*inhalt);
  stand.meldungen = stand.namensliste.meldungen;
  const std::vector<std::string> dateien = PlanDateienAuflisten(stufenverzeichnis / StufenOrdner(stufe));
  for (const std::string& datei : dateien) {
    if (stand.Schuelerzahl() >= StufenSchuelerMax) {
      stand.meldungen.push_back("Im Stufenverzeichnis liegen " + std::to_string(dateien.size()) +
                                " Laufbahndateien; nur die ersten " + std::to_string(StufenSchuelerMax) +
                                " wurden übernommen.");
      break;
    }
    stand.StufenSchueler.push_back(StufenSchuelerZuDatei(stand.namensliste, datei));
  }
  return ergebnis;
}

}  // namespace kelvaro
