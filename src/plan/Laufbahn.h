#pragma once

#include "plan/Katalog.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvaro {

// Kinds of grade-book courses, stored in slot 0 of `KursZaehlart`.
enum FachArtTyp : std::uint8_t { LKs, Ab3, Ab4, Gk, Zk, Pjku };

// How one grade-book slot counts, stored in slots 1..5 of `KursZaehlart`.
enum ZaehlartTyp : std::uint8_t { LK, Abi, Pflicht, WahlFa, Freiw, Belegt, nichtbelegt };

inline constexpr int NotenSlots = 5;     // Q1.1, Q1.2, Q2.1, Q2.2, Abitur examination
inline constexpr int NotenSpalten = 15;  // grade-book courses 1..15
inline constexpr int ZaehlartSlots = 6;  // kind, then Q1.1 .. Abitur examination

// The plan of the one student whose plan is open: what the plan file stores, with the
// start values of an empty plan. Grade-book columns are numbered 1..15 as everywhere in
// the program; index 0 of those arrays is unused.
struct Laufbahn {
  Laufbahn();

  std::array<FachTyp, RasterAnzahl> Fach{};
  std::array<std::int32_t, AbiPositionAnzahl> AbiWahl{};
  std::uint8_t SchwerpunktFS = 0;
  FachTyp AlternativPK = leer;
  std::uint8_t LitWahl = 0;
  std::uint8_t VKQ22 = 0;
  std::uint8_t AbwahlEF = 0;
  std::uint8_t ErsatzfachAktiv = 0;
  std::uint8_t ZweiteFSSek1 = 0;
  std::uint8_t AbwahlWa1 = 0;
  std::uint8_t AbwahlEt = 0;
  std::uint8_t AbwahlKM = 0;
  std::uint8_t Q1Modell = 0;
  std::uint8_t EFModell = 2;
  std::array<std::array<std::int32_t, NotenSpalten + 1>, NotenSlots> Noten{};
  std::int32_t NotenKursZahl = 0;
  std::int32_t ErsatzfachVon = 1;
  std::int32_t ErsatzfachBis = 6;
  std::array<std::array<std::uint8_t, NotenSpalten + 1>, ZaehlartSlots> KursZaehlart{};
  std::array<std::string, NotenSpalten + 1> KursKurzname;  // UTF-8
  std::uint8_t AbiNoteBerechnet = 0;
  std::uint8_t PruefungBestanden = 0;
  std::uint8_t ZulassungBestanden = 0;
  double AbiNote = 0.0;
  std::array<std::uint8_t, 13> Schriftlich{};
  std::string Nachname;  // UTF-8
  std::string Vorname;   // UTF-8

  // The grade book no longer matches the plan: clears the five slots of a column (1..15;
  // 0 clears none) and always marks the estimated grade as not current.
  void NotenspalteLoeschen(int spalte);
  // Copies the five slots of one column into another (both 1..15).
  void NotenspalteKopieren(int von, int nach);
};

}  // namespace kelvaro
