#include "generator/Grade.h"

namespace qv {

namespace {

constexpr const char* kGradeNames[kGradeCount] = {"easy", "medium", "hard", "expert"};

}  // namespace

const char* GradeName(Grade grade) { return kGradeNames[static_cast<int>(grade)]; }

std::string GradeTitle(Grade grade) {
    std::string title = GradeName(grade);
    title[0] = static_cast<char>(title[0] - 'a' + 'A');
    return title;
}

std::optional<Grade> GradeNamed(const std::string& word) {
    for (int g = 0; g < kGradeCount; ++g) {
        if (word == kGradeNames[g]) return static_cast<Grade>(g);
    }
    return std::nullopt;
}

}  // namespace qv
