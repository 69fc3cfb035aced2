#include "plan/PlanDatei.h"

#include "plan/Extended80.h"
#include "plan/Windows1252.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace kelvaro {

namespace {

namespace offset {
constexpr std::size_t Fach = 0;
constexpr std::size_t AbiWahl = 16;
constexpr std::size_t SchwerpunktFS = 60;
constexpr std::size_t AlternativPK = 61;
constexpr std::size_t LitWahl = 62;
constexpr std::size_t VKQ22 = 63;
constexpr std::size_t AbwahlEF = 64;
constexpr std::size_t ErsatzfachAktiv = 65;
constexpr std::size_t ZweiteFSSek1 = 66;
constexpr std::size_t AbwahlWa1 = 67;
constexpr std::size_t AbwahlEt = 68;
constexpr std::size_t AbwahlKM = 69;
constexpr std::size_t Q1Modell = 70;
constexpr std::size_t EFModell = 71;
constexpr std::size_t Noten = 72;
constexpr std::size_t NotenKursZahl = 372;
constexpr std::size_t ErsatzfachVon = 376;
constexpr std::size_t ErsatzfachBis = 380;
constexpr std::size_t KursZaehlart = 384;
constexpr std::size_t KursKurzname = 474;
constexpr std::size_t AbiNoteBerechnet = 789;
constexpr std::size_t PruefungBestanden = 790;
constexpr std::size_t ZulassungBestanden = 791;
constexpr std::size_t AbiNote = 792;
constexpr std::size_t Schriftlich = 802;
constexpr std::size_t Nachname = 815;
constexpr std::size_t Vorname = 866;
}  // namespace offset

constexpr std::size_t KurznameKapazitaet = 20;
constexpr std::size_t NameKapazitaet = 50;

void Int32Schreiben(PlanRecord& r, std::size_t at, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) {
    r[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
  }
}

std::int32_t Int32Lesen(const PlanRecord& r, std::size_t at) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    u |= static_cast<std::uint32_t>(r[at + i]) << (8 * i);
  }
  return static_cast<std::int32_t>(u);
}

void StringSchreiben(PlanRecord& r, std::size_t at, std::size_t kapazitaet, const std::string& utf8) {
  std::string bytes = Utf8NachWindows1252(utf8);
  if (bytes.size() > kapazitaet) {
    bytes.resize(kapazitaet);
  }
  r[at] = static_cast<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

std::string StringLesen(const PlanRecord& r, std::size_t at, std::size_t kapazitaet) {
  const std::size_t laenge = std::min<std::size_t>(r[at], kapazitaet);
  const auto begin = r.begin() + static_cast<std::ptrdiff_t>(at + 1);
  return Windows1252NachUtf8(std::string(begin, begin + static_cast<std::ptrdiff_t>(laenge)));
}

std::string Anzeigename(const std::filesystem::path& pfad) {
  return pfad.string();
}

}  // namespace

PlanRecord PlanRecordAus(const Laufbahn& l) {
  PlanRecord r{};
  for (int row = 0; row < RasterAnzahl; ++row) {
    r[offset::Fach + static_cast<std::size_t>(row)] = l.Fach[static_cast<std::size_t>(row)];
  }
  for (std::size_t i = 0; i < l.AbiWahl.size(); ++i) {
    Int32Schreiben(r, offset::AbiWahl + 4 * i, l.AbiWahl[i]);
  }
  r[offset::SchwerpunktFS] = l.SchwerpunktFS;
  r[offset::AlternativPK] = l.AlternativPK;
  r[offset::LitWahl] = l.LitWahl;
  r[offset::VKQ22] = l.VKQ22;
  r[offset::AbwahlEF] = l.AbwahlEF;
  r[offset::ErsatzfachAktiv] = l.ErsatzfachAktiv;
  r[offset::ZweiteFSSek1] = l.ZweiteFSSek1;
  r[offset::AbwahlWa1] = l.AbwahlWa1;
  r[offset::AbwahlEt] = l.AbwahlEt;
  r[offset::AbwahlKM] = l.AbwahlKM;
  r[offset::Q1Modell] = l.Q1Modell;
  r[offset::EFModell] = l.EFModell;
  for (std::size_t slot = 0; slot < NotenSlots; ++slot) {
    for (std::size_t spalte = 1; spalte <= NotenSpalten; ++spalte) {
      Int32Schreiben(r, offset::Noten + 4 * (slot * NotenSpalten + spalte - 1), l.Noten[slot][spalte]);
    }
  }
  Int32Schreiben(r, offset::NotenKursZahl, l.NotenKursZahl);
  Int32Schreiben(r, offset::ErsatzfachVon, l.ErsatzfachVon);
  Int32Schreiben(r, offset::ErsatzfachBis, l.ErsatzfachBis);
  for (std::size_t slot = 0; slot < ZaehlartSlots; ++slot) {
    for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
      r[offset::KursZaehlart + slot * NotenSpalten + kurs - 1] = l.KursZaehlart[slot][kurs];
    }
  }
  for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
    StringSchreiben(r, offset::KursKurzname + (KurznameKapazitaet + 1) * (kurs - 1), KurznameKapazitaet,
                    l.KursKurzname[kurs]);
  }
  r[offset::AbiNoteBerechnet] = l.AbiNoteBerechnet;
  r[offset::PruefungBestanden] = l.PruefungBestanden;
  r[offset::ZulassungBestanden] = l.ZulassungBestanden;
  const Extended80 note = Extended80Aus(l.AbiNote);
  std::copy(note.begin(), note.end(), r.begin() + offset::AbiNote);
  std::copy(l.Schriftlich.begin(), l.Schriftlich.end(), r.begin() + offset::Schriftlich);
  StringSchreiben(r, offset::Nachname, NameKapazitaet, l.Nachname);
  StringSchreiben(r, offset::Vorname, NameKapazitaet, l.Vorname);
  return r;
}

void PlanRecordLesen(const PlanRecord& r, Laufbahn& l) {
  for (int row = 0; row < RasterAnzahl; ++row) {
    l.Fach[static_cast<std::size_t>(row)] = static_cast<FachTyp>(r[offset::Fach + static_cast<std::size_t>(row)]);
  }
  for (std::size_t i = 0; i < l.AbiWahl.size(); ++i) {
    l.AbiWahl[i] = Int32Lesen(r, offset::AbiWahl + 4 * i);
  }
  l.SchwerpunktFS = r[offset::SchwerpunktFS];
  l.AlternativPK = static_cast<FachTyp>(r[offset::AlternativPK]);
  l.LitWahl = r[offset::LitWahl];
  l.VKQ22 = r[offset::VKQ22];
  l.AbwahlEF = r[offset::AbwahlEF];
  l.ErsatzfachAktiv = r[offset::ErsatzfachAktiv];
  l.ZweiteFSSek1 = r[offset::ZweiteFSSek1];
  l.AbwahlWa1 = r[offset::AbwahlWa1];
  l.AbwahlEt = r[offset::AbwahlEt];
  l.AbwahlKM = r[offset::AbwahlKM];
  l.Q1Modell = r[offset::Q1Modell];
  l.EFModell = r[offset::EFModell];
  for (std::size_t slot = 0; slot < NotenSlots; ++slot) {
    for (std::size_t spalte = 1; spalte <= NotenSpalten; ++spalte) {
      l.Noten[slot][spalte] = Int32Lesen(r, offset::Noten + 4 * (slot * NotenSpalten + spalte - 1));
    }
  }
  l.NotenKursZahl = Int32Lesen(r, offset::NotenKursZahl);
  l.ErsatzfachVon = Int32Lesen(r, offset::ErsatzfachVon);
  l.ErsatzfachBis = Int32Lesen(r, offset::ErsatzfachBis);
  for (std::size_t slot = 0; slot < ZaehlartSlots; ++slot) {
    for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
      l.KursZaehlart[slot][kurs] = r[offset::KursZaehlart + slot * NotenSpalten + kurs - 1];
    }
  }
  for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
    l.KursKurzname[kurs] =
        StringLesen(r, offset::KursKurzname + (KurznameKapazitaet + 1) * (kurs - 1), KurznameKapazitaet);
  }
  l.AbiNoteBerechnet = r[offset::AbiNoteBerechnet];
  l.PruefungBestanden = r[offset::PruefungBestanden];
  l.ZulassungBestanden = r[offset::ZulassungBestanden];
  Extended80 note{};
  std::copy(r.begin() + offset::AbiNote, r.begin() + offset::AbiNote + 10, note.begin());
  l.AbiNote = Extended80Wert(note);
  std::copy(r.begin() + offset::Schriftlich, r.begin() + offset::Schriftlich + 13, l.Schriftlich.begin());
  l.Nachname = StringLesen(r, offset::Nachname, NameKapazitaet);
  l.Vorname = StringLesen(r, offset::Vorname, NameKapazitaet);
}

PlanLadeErgebnis PlanDateiLesen(const std::filesystem::path& pfad, Laufbahn& laufbahn) {
  PlanLadeErgebnis ergebnis;
  std::error_code ec;
  if (std::filesystem::is_directory(pfad, ec)) {
    ergebnis.fehler = "Die Datei \"" + Anzeigename(pfad) + "\" ist ein Verzeichnis und kann nicht geöffnet werden.";
    return ergebnis;
  }
  std::ifstream in(pfad, std::ios::binary);
  if (!in) {
    ergebnis.fehler = "Die Datei \"" + Anzeigename(pfad) + "\" kann nicht geöffnet werden.";
    return ergebnis;
  }
  PlanRecord record{};
  while (in.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()))) {
    PlanRecordLesen(record, laufbahn);
    ++ergebnis.gelesen;
  }
  if (in.bad()) {
    ergebnis.fehler = "Beim Lesen der Datei \"" + Anzeigename(pfad) + "\" ist ein Fehler aufgetreten.";
  }
  return ergebnis;
}

std::optional<std::string> UnbekannterPlanwert(const Laufbahn& l) {
  for (int row = 0; row < RasterAnzahl; ++row) {
    const int code = l.Fach[static_cast<std::size_t>(row)];
    if (!FachBekannt(code)) {
      return "unbekanntes Fach " + std::to_string(code) + " in der Zeile " + std::string(RasterName(row));
    }
  }
  if (!FachBekannt(l.AlternativPK)) {
    return "unbekannter alternativer Projektkurs " + std::to_string(l.AlternativPK);
  }
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    const int rolle = l.AbiWahl[static_cast<std::size_t>(position)];
    if (rolle < 0 || rolle >= AbiRollenAnzahl) {
      return "unbekannte Abiturrolle " + std::to_string(rolle) + " in der Zeile " +
             std::string(RasterName(AbiPositionRaster(position)));
    }
  }
  struct Bereich {
    const char* name;
    int wert;
    std::initializer_list<int> erlaubt;
  };
  // Models, options and deselections pick texts and table rows; plain flags (focus, Q2.2
  // deep-dive course, replacement active, languages before the upper school) are read as
  // they stand and compared with 1 wherever they are used.
  const Bereich bereiche[] = {
      {"LitWahl", l.LitWahl, {0, 1, 2, 3}},     {"AbwahlEF", l.AbwahlEF, {0, 1}},
      {"AbwahlWa1", l.AbwahlWa1, {0, 1, 2, 3}}, {"AbwahlEt", l.AbwahlEt, {0, 2, 3}},
      {"AbwahlKM", l.AbwahlKM, {0, 2, 3}},      {"Q1Modell", l.Q1Modell, {0, 1, 2}},
      {"EFModell", l.EFModell, {0, 1, 2, 3}},
  };

  for (const Bereich& bereich : bereiche) {
    if (std::find(bereich.erlaubt.begin(), bereich.erlaubt.end(), bereich.wert) == bereich.erlaubt.end()) {
      return "unbekannter Wert " + std::to_string(bereich.wert) + " für " + bereich.name;
    }
  }
  return std::nullopt;
}

void LadekorrekturenAnwenden(Laufbahn& l) {
  if (l.ErsatzfachVon < 1 || l.ErsatzfachVon > 6) {
    l.ErsatzfachVon = 1;
  }
  if (l.ErsatzfachBis < 1 || l.ErsatzfachBis > 6) {
    l.ErsatzfachBis = 6;
  }
  for (RasterTyp row : {FS1, FS2, Wa1, Wa2, VK1}) {
    if (l.Fach[row] == I1) {
      l.Fach[row] = I0;
    }
  }
}

std::optional<std::string> PlanDateiSchreiben(const std::filesystem::path& pfad, const Laufbahn& laufbahn) {
  const PlanRecord record = PlanRecordAus(laufbahn);
  const std::string fehler = "Die Datei \"" + Anzeigename(pfad) + "\" kann nicht gespeichert werden: ";
  std::error_code ec;
  if (std::filesystem::is_directory(pfad, ec)) {
    return fehler + "Unter diesem Namen gibt es ein Verzeichnis.";
  }
  std::filesystem::path verzeichnis = pfad.parent_path();
  if (verzeichnis.empty()) {
    verzeichnis = ".";
  }

  std::random_device zufall;
  std::filesystem::path temporaer;
  int fd = -1;
  for (int versuch = 0; versuch < 16 && fd < 0; ++versuch) {
    temporaer = verzeichnis / ("." + pfad.filename().string() + ".tmp" + std::to_string(zufall()));
    fd = ::open(temporaer.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      break;
    }
  }
  if (fd < 0) {
    return fehler + "Das Verzeichnis ist nicht beschreibbar oder existiert nicht.";
  }
  // Keep the permissions of a file that is being replaced.
  struct stat alt {};
  if (::stat(pfad.c_str(), &alt) == 0) {
    ::fchmod(fd, alt.st_mode & 07777);
  }
  std::size_t geschrieben = 0;
  bool ok = true;
  while (geschrieben < record.size()) {
    const ssize_t n = ::write(fd, record.data() + geschrieben, record.size() - geschrieben);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      ok = false;
      break;
    }
    geschrieben += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) {
    std::filesystem::rename(temporaer, pfad, ec);
    ok = !ec;
  }
  if (!ok) {
    std::filesystem::remove(temporaer, ec);
    return fehler + "Der Datenträger ist voll oder schreibgeschützt.";
  }
  return std::nullopt;
}

}  // namespace kelvaro
