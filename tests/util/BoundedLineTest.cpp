#include <gtest/gtest.h>

#include <sstream>

#include "util/BoundedLine.h"

using namespace qv;

namespace {

// Every line up to the read that fails, as the list readers see them.
std::vector<std::string> ReadAll(const std::string& text, std::size_t maxChars) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    std::string line;
    while (ReadBoundedLine(in, line, maxChars)) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(BoundedLine, LineEndsAndLimits) {
    EXPECT_EQ(ReadAll("a\n\nbc\nlast", 5), (Lines{"a", "", "bc", "last"}));
    EXPECT_EQ(ReadAll("one\r\ntwo\r\na\rb\n", 3), (Lines{"one", "two", "a\rb"}));
    EXPECT_EQ(ReadAll("abc\nabcd\nnever\n", 3), (Lines{"abc"}));  // over the limit fails

    std::istringstream in(std::string(50, 'x') + "\n");
    std::string line;
    EXPECT_FALSE(ReadBoundedLine(in, line, 49));
    EXPECT_EQ(line, std::string(49, 'x'));  // the start of a long line stays readable

    // Cut instead: the rest of the long line is skipped, and reading goes on after it.
    std::istringstream cutIn("abcdef\r\nxy");
    bool cut = false;
    EXPECT_TRUE(ReadCutLine(cutIn, line, 3, &cut));
    EXPECT_EQ(line, "abc");
    EXPECT_TRUE(cut);
    EXPECT_TRUE(ReadCutLine(cutIn, line, 3, &cut));
    EXPECT_EQ(line, "xy");
    EXPECT_FALSE(cut);
    EXPECT_FALSE(ReadCutLine(cutIn, line, 3, &cut));
}
