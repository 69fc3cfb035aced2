#pragma once

#include "plan/Kurszahl.h"
#include "plan/Laufbahn.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvaro {

// The courses of the grade book, in the order in which their columns are built.
enum class NotenbuchKurs : std::uint8_t {
  FS1,
  FS2,
  NW1,
  NW2,
  Deutsch,
  Mathematik,
  Sport,
  GW,
  Et,
  KM,
  Wahlfach,     // the first elective, continued in the Q phase
  Projektkurs,  // Q1 only
  Zusatzkurs1,  // Q2 only
  Zusatzkurs2,
  KunstErsatz,  // literature or a practical course instead of art or music in Q2
};

// Which course stands in which grade-book column (1..anzahl): the second column holds the
// second visible subject row (NW1 with the science focus, FS2 with the language focus),
// the third the following science row; the optional courses follow sport and the three
// rows below it when the plan has them.
struct NotenbuchLayout {
  std::array<NotenbuchKurs, NotenSpalten + 1> kurs{};  // index 0 unused
  int anzahl = 0;

  // The column of a course; 0 (no column) when the grade book has none.
  int Spalte(NotenbuchKurs gesucht) const;
};

NotenbuchLayout NotenbuchLayoutBerechnen(const Laufbahn& laufbahn, const Zusatzkurse& zusatzkurse);

// The columns 1..15 whose course differs between two states of the plan: another course,
// an additional course of another subject, or a column that one of them does not have.
std::array<bool, NotenSpalten + 1> GeaenderteSpalten(const NotenbuchLayout& vorher, const Zusatzkurse& zkVorher,
                                                     const NotenbuchLayout& nachher, const Zusatzkurse& zkNachher);

// The grade book's columns beside what the plan file keeps of them (1..15): long name,
// subject group and written flag, rebuilt with the grade book.
struct NotenbuchSpalten {
  std::array<std::string, NotenSpalten + 1> KursLangname;
  std::array<int, NotenSpalten + 1> KursFachgruppe{};
  std::array<std::uint8_t, NotenSpalten + 1> KursSchriftlich{};
};

// The kind of course of one column from the Abitur role of its row (`abiRaster` numbers the
// Abitur positions 1..11 in the order of `AbiWahl`, 12 a course without an Abitur row), and
// whether its exam slot takes points.
void FachArtSetzen(Laufbahn& laufbahn, int abiRaster, int spalte, FachArtTyp grundArt);

// Builds the grade book of the plan: columns with names, groups, kinds and written flags,
// and the semesters in which a course is not taken (slots marked so lose their points; all
// other points stay). `halbjahrNr` is the semester the plan is made for. A column whose
// subject has no group keeps the group it had.
void NotenbuchAufbauen(Laufbahn& laufbahn, const Zusatzkurse& zusatzkurse, int halbjahrNr, NotenbuchSpalten& spalten);

}  // namespace kelvaro
