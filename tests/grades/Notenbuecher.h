#pragma once

#include "grades/Notenauswertung.h"

#include <array>
#include <string>
#include <vector>

namespace kelvaro::test {

// A semester the course does not run in.
inline constexpr int X = -2;

// One course of a grade book written in a test: name, subject group, kind, the points of
// Q1.1 .. Q2.2 (X: not taken) and of the examination (Abitur courses only).
struct Kurs {
  std::string name;
  int gruppe;
  FachArtTyp art;
  std::array<int, 4> q;
  int abi = -1;
};

// The grade book as the grade-book preparation leaves it: taken semesters `Belegt`, the
// examination slot `Abi` for the Abitur courses, -1 in every slot not taken.
inline Notenbuch Buch(const std::vector<Kurs>& kurse) {
  Notenbuch buch;
  buch.NotenKursZahl = static_cast<int>(kurse.size());
  for (std::size_t p = 1; p <= kurse.size(); ++p) {
    const Kurs& k = kurse[p - 1];
    buch.KursLangname[p] = k.name;
    buch.KursFachgruppe[p] = k.gruppe;
    buch.KursZaehlart[0][p] = k.art;
    for (std::size_t h = 1; h <= 4; ++h) {
      const bool belegt = k.q[h - 1] != X;
      buch.KursZaehlart[h][p] = belegt ? Belegt : nichtbelegt;
      buch.Noten[h - 1][p] = belegt ? k.q[h - 1] : -1;
    }
    const bool abitur = IstAbiturkurs(k.art);
    buch.KursZaehlart[5][p] = abitur ? Abi : nichtbelegt;
    buch.Noten[4][p] = abitur ? k.abi : -1;
  }
  return buch;
}

inline std::array<int, 4> Alle(int punkte) {
  return {punkte, punkte, punkte, punkte};
}

// A plan's grade book: English and biology advanced courses, German third and mathematics
// fourth Abitur subject, chemistry, sport, history, religion, art and a project course,
// every point `punkte`. 30 basic-course semesters can count.
inline std::vector<Kurs> Grundkurse(int punkte = 10) {
  const std::array<int, 4> q = Alle(punkte);
  return {
      {"Englisch (ab 5)", 100, LKs, q, punkte},
      {"Biologie", 200, LKs, q, punkte},
      {"Chemie", 200, Gk, q},
      {"Deutsch", 110, Ab3, q, punkte},
      {"Mathematik", 700, Ab4, q, punkte},
      {"Sport", 600, Gk, q},
      {"Geschichte", 300, Gk, q},
      {"evan. Religion", 900, Gk, q},
      {"Kunst", 500, Gk, q},
      {"Schüler experi.", 1600, Pjku, {punkte, punkte, X, X}},
  };
}

// Course numbers of the basic grade book.
inline constexpr int En = 1, Bio = 2, Ch = 3, De = 4, Ma = 5, Sp = 6, Ge = 7, Rel = 8, Ku = 9, PK = 10;

// The statuses of a course's four Q slots.
inline std::array<int, 4> Q(const std::array<std::array<std::uint8_t, NotenSpalten + 1>, ZaehlartSlots>& zaehlart,
                            int kurs) {
  std::array<int, 4> status{};
  for (std::size_t h = 1; h <= 4; ++h) {
    status[h - 1] = zaehlart[h][static_cast<std::size_t>(kurs)];
  }
  return status;
}

inline std::array<int, 4> Status(ZaehlartTyp a, ZaehlartTyp b, ZaehlartTyp c, ZaehlartTyp d) {
  return {a, b, c, d};
}

}  // namespace kelvaro::test
