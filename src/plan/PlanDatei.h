#pragma once

#include "plan/Laufbahn.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

// The plan file: one 920-byte little-endian record without header, the byte image of the
// plan and its grade book. Strings are Windows-1252 with a length byte.
inline constexpr std::size_t PlanRecordGroesse = 920;
using PlanRecord = std::array<std::uint8_t, PlanRecordGroesse>;

PlanRecord PlanRecordAus(const Laufbahn& laufbahn);
// Replaces every plan field that the record holds; values are taken as they stand.
void PlanRecordLesen(const PlanRecord& record, Laufbahn& laufbahn);

struct PlanLadeErgebnis {
  std::optional<std::string> fehler;  // German message; nothing on success
  int gelesen = 0;                    // whole records read
};

// Reads every whole record of a file into the plan, so that the last one stays in force;
// a trailing part shorter than a record is not read and an empty file changes nothing.
// On a failure the records read so far stay in force.
PlanLadeErgebnis PlanDateiLesen(const std::filesystem::path& pfad, Laufbahn& laufbahn);

// Describes the first value of a plan that the program cannot show: a subject code
// outside the catalogue, an Abitur role outside 0..4, or a model, option or deselection
// outside its range. Nothing when every value is known.
std::optional<std::string> UnbekannterPlanwert(const Laufbahn& laufbahn);

// The corrections applied after reading: replaced semesters outside 1..6 get their
// defaults, and the older code I1 becomes I0 in the language and elective rows.
void LadekorrekturenAnwenden(Laufbahn& laufbahn);

// Writes the plan as one record. The file is replaced atomically (a temporary file in the
// same directory, then a rename), so a failed save leaves the previous file as it was.
// Returns a German message on failure.
std::optional<std::string> PlanDateiSchreiben(const std::filesystem::path& pfad, const Laufbahn& laufbahn);

}  // namespace kelvaro
