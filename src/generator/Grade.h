#pragma once
// How hard a generated puzzle is: easy, medium, hard or expert, from its detour and its traps
// (PuzzleFilter.h), never from how long the solver searched.
#include <optional>
#include <string>

namespace qv {

enum class Grade { Easy = 0, Medium = 1, Hard = 2, Expert = 3 };
constexpr int kGradeCount = 4;

// "easy", "medium", "hard" or "expert": the grade's word in rules, keys and links.
const char* GradeName(Grade grade);
// "Easy" and so on, as a title shows it.
std::string GradeTitle(Grade grade);
// The grade a word names, if it names one.
std::optional<Grade> GradeNamed(const std::string& word);

}  // namespace qv
