#pragma once

#include <string>
#include <vector>

namespace kelvaro {

struct Laufbahn;
struct Abgeleitet;
struct Laufzeit;

// The rules of the plan check. Group A: completeness and consistency of the subject
// choice and the Abitur roles as such. Group B (tested only when group A found nothing):
// the combination of the Abitur subjects, hours and course counts, timetable limits and
// the written courses of the half-year the plan is made for. Each returns the messages of
// the rules that are broken, in the order of the rules.
std::vector<std::string> RegelnGruppeA(const Laufbahn& laufbahn);
std::vector<std::string> RegelnGruppeB(const Laufbahn& laufbahn, const Abgeleitet& abgeleitet,
                                       const Laufzeit& laufzeit);

// A project course with the reference subject of the Israel and Asia projects: history,
// English as a language, or a continued first elective in English or history.
bool ProjektkursReferenz(const Laufbahn& laufbahn);

}  // namespace kelvaro
