#pragma once
// Reads a number out of the text of tools/levels/rules.txt while compiling: lines of "rule
// value" or "rule qualifier value" (a set's folder, or a grade), '#' starting a comment, a value
// a whole number or a share such as 1/3. The format rules.py reads.
#include <string_view>

#include "generator/PuzzleRules.h"

namespace qv {

struct RuleValue {
    RuleShare share;
    bool found = false;
};

namespace rules_text {

constexpr bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The next blank-separated word of `line`, taken off it; empty at the end.
constexpr std::string_view TakeWord(std::string_view& line) {
    std::size_t start = 0;
    while (start < line.size() && Blank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !Blank(line[end])) ++end;
    const std::string_view word = line.substr(start, end - start);
    line.remove_prefix(end);
    return word;
}

// Digits, then "/digits" for a share; not found when the word is anything else.
constexpr RuleValue ParseValue(std::string_view word) {
    RuleValue value;
    int* part = &value.share.numerator;
    bool digits = false;
    for (const char c : word) {
        if (c == '/' && part == &value.share.numerator && digits) {
            part = &value.share.denominator;
            *part = 0;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            *part = *part * 10 + (c - '0');
            digits = true;
        } else {
            return RuleValue{};
        }
    }
    value.found = digits && value.share.denominator > 0;
    return value;
}

}  // namespace rules_text

// The value of `rule` (for `qualifier`, when one is given) in `text`; not found when no line
// holds it or its value is not a number.
constexpr RuleValue FindRule(std::string_view text, std::string_view rule,
                             std::string_view qualifier = {}) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        line = line.substr(0, line.find('#'));
        const std::string_view words[] = {rules_text::TakeWord(line), rules_text::TakeWord(line),
                                           rules_text::TakeWord(line)};
        if (words[0] != rule || !rules_text::TakeWord(line).empty()) continue;
        if (qualifier.empty() && !words[1].empty() && words[2].empty())
            return rules_text::ParseValue(words[1]);
        if (!qualifier.empty() && words[1] == qualifier && !words[2].empty())
            return rules_text::ParseValue(words[2]);
    }
    return RuleValue{};
}

}  // namespace qv
