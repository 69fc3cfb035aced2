#pragma once

#include "plan/Laufbahn.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro {

// The grade book as the evaluation reads it: the courses of the Q phase with their kinds,
// slot statuses and points (from the plan), and their names and subject groups (rebuilt with
// the grade book). Courses are numbered 1..15, slots 1..4 (Q1.1 .. Q2.2) and 5 (examination);
// index 0 of the course arrays is unused, row 0 of `KursZaehlart` holds the kind.
struct Notenbuch {
  int NotenKursZahl = 0;
  std::array<std::array<std::uint8_t, NotenSpalten + 1>, ZaehlartSlots> KursZaehlart{};
  std::array<std::array<std::int32_t, NotenSpalten + 1>, NotenSlots> Noten{};
  std::array<std::string, NotenSpalten + 1> KursLangname;
  std::array<int, NotenSpalten + 1> KursFachgruppe{};

  // Courses 1..n that can be indexed, whatever a plan file says.
  int Kurse() const;
  std::uint8_t Art(int kurs) const { return KursZaehlart[0][static_cast<std::size_t>(kurs)]; }
  std::uint8_t Status(int kurs, int slot) const {
    return KursZaehlart[static_cast<std::size_t>(slot)][static_cast<std::size_t>(kurs)];
  }
  int Punkte(int kurs, int slot) const {
    return Noten[static_cast<std::size_t>(slot - 1)][static_cast<std::size_t>(kurs)];
  }
};

Notenbuch NotenbuchAus(const Laufbahn& laufbahn, const std::array<std::string, NotenSpalten + 1>& kursLangname,
                       const std::array<int, NotenSpalten + 1>& kursFachgruppe);

// Advanced course, third or fourth Abitur subject: a course with an examination.
bool IstAbiturkurs(std::uint8_t art);
// The slot takes points: its status is not `nichtbelegt`.
bool NimmtPunkte(const Notenbuch& notenbuch, int kurs, int slot);
// Points that can count: 0..15.
bool GueltigePunkte(int punkte);
// Slots that take points but hold none (or a value a plan file cannot mean).
int FehlendeNotenZaehlen(const Notenbuch& notenbuch);

// One entry of the evaluation's sort lists. Candidates carry no marker text: ties are kept in
// the order the exchange sort leaves them.
struct SortierfeldTyp {
  int Note = 0;
  int Stelle = 0;
  int FachNr = 0;
  int Pos = 0;
  ZaehlartTyp ZaehlArt = WahlFa;
};
// Room for every Q slot of a full grade book, entries 1..60: a candidate list never overflows.
inline constexpr int SortierfeldGroesse = 4 * NotenSpalten;
using SortierFeldArrayTyp = std::array<SortierfeldTyp, SortierfeldGroesse + 1>;

// Entries 1..4 := the four Q semesters of a course, sorted by points (lowest first, equal
// points never swapped): entries 3 and 4 are the two best semesters.
void Sortiere(const Notenbuch& notenbuch, int pos1, SortierFeldArrayTyp& sortierfeld);

// The regulation's name, printed on the sheet.
inline constexpr const char* Pruefungsordnung = "APO-GOSt(B)10/G8";

// What "Abiturnote berechnen" computes: the statuses of the best choice of counting
// courses, block I and the admission, the examination block, the grade and the findings.
struct Notenergebnis {
  // Kinds in row 0 as in the grade book; Q slots with the statuses of the best result.
  std::array<std::array<std::uint8_t, NotenSpalten + 1>, ZaehlartSlots> KursZaehlart{};
  std::array<double, NotenSpalten + 1> Durchschnitt{};

  int PunkteBlock1 = 0;
  double DurchschnittBlock1 = 0.0;
  int GewerteteGKs = 0;
  int Pflichtkurse = 0;
  int GewerteteWahlkurse = 0;
  int NichtGewerteteKurse = 0;
  int FreiwilligeKurse = 0;
  int BelegteKurse = 0;
  int PunkteGK = 0;
  int PunkteLK = 0;
  int DefiziteGK = 0;
  int DefiziteGKGewertet = 0;
  int DefiziteLK = 0;
  int DefiziteGewertet = 0;
  int MaxDefizite = 7;
  int NullPunkteKurse = 0;
  std::uint8_t ZuVieleDefizite = 0;
  std::uint8_t ZulassungBestanden = 0;

  int PunkteBlock2 = 0;
  int Gesamtpunkte = 0;
  double AbiNote = 0.0;
  double Vornote = 0.0;
  std::uint8_t PruefungBestanden = 0;
  int LKPruefungenBestanden = 0;
  int PruefungenBestanden = 0;
  int Abweichungen = 0;
  std::string AbweichungsFaecher;
  std::uint8_t ProjektkursAngepasst = 0;

  std::vector<std::string> Fehlerliste;
  std::vector<std::string> Besonderheitenliste;
  // Why no grade can be given at all (Abitur subjects not chosen, too few basic-course
  // semesters); empty for a complete grade book.
  std::vector<std::string> Maengel;
};

// Chooses the counting courses over every combination of the regulation's alternatives and
// keeps the best block I result. Q slots that take points are evaluated from `Belegt`,
// whatever status they hold. A `wertungszahl` of 0 tries every count of basic-course
// semesters the regulation allows (27..32); another value tries that count alone.
Notenergebnis AuswertungEinlesen(const Notenbuch& notenbuch, int wertungszahl = 0);

// One combination of alternatives as the count loop receives it: the Q-slot statuses the
// rules give and the focus flags (1: a language or science outside the focus).
struct Kombination {
  std::array<std::array<std::uint8_t, NotenSpalten + 1>, ZaehlartSlots> KursZaehlart{};
  std::array<std::uint8_t, NotenSpalten + 1> Ungebunden{};
};
// Every combination the evaluation tries, in its order: what the hidden trace of the grade
// window would list.
std::vector<Kombination> Kombinationen(const Notenbuch& notenbuch);
// The examination block, the total, the pass flag, the grade and the deviation exams.
void Bestehensberechnung(const Notenbuch& notenbuch, Notenergebnis& ergebnis);
// Block I and then the examinations: everything "Abiturnote berechnen" computes.
Notenergebnis AbiturnoteBerechnen(const Notenbuch& notenbuch);

// The grade of a total of points, 1.0 .. 4.0 for a passed Abitur (lower totals give more).
double AbiNote(int gesamtpunkte);
// The grade block I alone would give.
double Vornote(int punkteBlock1);
// Block I points: 40 times the mean of the counted points, rounded half up.
int PunkteBlock1Aus(int punkte, int wertungskurse);

// The grade-book column of the project course of a plan (see the grade-book layout), 0 for none.
int ProjektkursSpalte(const Laufbahn& laufbahn);
// Gives the project course's Q1.1 the points of its Q1.2 (both semesters count together);
// true when the points were changed.
bool ProjektkursAngleichen(Laufbahn& laufbahn);

}  // namespace kelvaro
