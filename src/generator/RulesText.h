#pragma once
// Reads a number out of the text of tools/levels/rules.txt while compiling: lines of "rule
// value" or "rule qualifier value" (a set's folder, or a grade), '#' starting a comment, a value
// a whole number or a share such as 1/3. The format rules.py reads. Plain loops over indices:
// GCC's sanitizer builds refuse std::string_view's searches in a constant expression.
#include <cstddef>

#include "generator/RuleShare.h"

namespace qv {

struct RuleValue {
    RuleShare share;
    bool found = false;
};

namespace rules_text {

// A word of the text: `size` characters from `start`.
struct Word {
    std::size_t start = 0;
    std::size_t size = 0;
};

constexpr bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

constexpr bool Same(const char* text, Word word, const char* other) {
    std::size_t i = 0;
    for (; i < word.size; ++i) {
        if (other[i] == '\0' || other[i] != text[word.start + i]) return false;
    }
    return other[i] == '\0';
}

// Digits, then "/digits" for a share; not found when the word is anything else.
constexpr RuleValue ParseValue(const char* text, Word word) {
    RuleValue value;
    bool denominator = false;
    bool digits = false;
    for (std::size_t i = word.start; i < word.start + word.size; ++i) {
        const char c = text[i];
        int& part = denominator ? value.share.denominator : value.share.numerator;
        if (c == '/' && !denominator && digits) {
            denominator = true;
            value.share.denominator = 0;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            part = part * 10 + (c - '0');
            digits = true;
        } else {
            return RuleValue{};
        }
    }
    value.found = digits && value.share.denominator > 0;
    return value;
}

}  // namespace rules_text

// The value of `rule` (for `qualifier`, when one is given) in the zero-ended `text`; not found
// when no line holds it or its value is not a number.
constexpr RuleValue FindRule(const char* text, const char* rule, const char* qualifier = "") {
    using rules_text::Word;
    std::size_t at = 0;
    while (text[at] != '\0') {
        // The words of one line, up to a comment.
        Word words[4] = {};
        int count = 0;
        bool comment = false;
        for (; text[at] != '\0' && text[at] != '\n'; ++at) {
            const char c = text[at];
            comment = comment || c == '#';
            if (comment || rules_text::Blank(c)) continue;
            const bool starts = at == 0 || rules_text::Blank(text[at - 1]) || text[at - 1] == '\n';
            if (starts && count < 4) words[count++] = Word{at, 0};
            if (count <= 4 && count > 0) ++words[count - 1].size;
        }
        if (text[at] == '\n') ++at;
        if (!rules_text::Same(text, words[0], rule)) continue;
        if (qualifier[0] == '\0' && count == 2) return rules_text::ParseValue(text, words[1]);
        if (qualifier[0] != '\0' && count == 3 && rules_text::Same(text, words[1], qualifier))
            return rules_text::ParseValue(text, words[2]);
    }
    return RuleValue{};
}

}  // namespace qv
