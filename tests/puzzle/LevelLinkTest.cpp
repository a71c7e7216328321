// Levels as link fragments: what the editor shares comes back the same, and a fragment that a
// hand or a mail program damaged is refused with a reason instead of opening a broken level.
#include <gtest/gtest.h>

#include <string>

#include "LevelTestSupport.h"
#include "puzzle/LevelLink.h"

namespace {

// Every colour, a name with blanks and digits, pieces in the far corners.
Level SharedLevel() {
    Level level;
    for (int x = 0; x < kMaxWidth; ++x) {
        for (int y = 0; y < kMaxHeight; ++y) level.Tile(x, y) = static_cast<TileColor>((x + y) % 8);
    }
    level.Tile(8, 6) = level.Tile(0, 1) = level.Tile(2, 0) = TileColor::White;
    level.Tile(8, 0) = level.Tile(0, 6) = level.Tile(4, 3) = TileColor::Red;
    level.circlePos = At(8, 6);
    level.starPos = At(0, 1);
    level.trianglePos = At(2, 0);
    level.circleGoal = At(8, 0);
    level.starGoal = At(0, 6);
    level.triangleGoal = At(4, 3);
    level.name = "Two Doors 2";
    return level;
}

}  // namespace

TEST(LevelLink, RoundTripKeepsTheWholeBoardAndName) {
    const Level shared = SharedLevel();
    const std::string fragment = LevelLinkFragment(shared);
    EXPECT_EQ(fragment.rfind("L1.", 0), 0u);
    EXPECT_NE(fragment.find("Two_Doors_2"), std::string::npos) << "blanks travel as '_'";
    EXPECT_LE(fragment.size(), kMaxLevelLinkChars);

    std::string why;
    const auto read = ReadLevelLink(fragment, &why);
    ASSERT_TRUE(read) << why;
    EXPECT_TRUE(read->SameContent(shared));
    EXPECT_EQ(read->width, kMaxWidth);
    EXPECT_EQ(read->height, kMaxHeight);
    EXPECT_EQ(read->status, LevelStatus::Open);
    EXPECT_TRUE(read->filePath.empty()) << "a linked level belongs to no file";
}

// Names from level files may hold any byte but a line end; the link is plain ASCII that a
// browser leaves as it is, and the reader also takes what a browser or a hand wrote unescaped.
TEST(LevelLink, EveryNameReadsBackExactly) {
    Level shared = SharedLevel();
    std::string every;
    for (int c = 1; c < 256; ++c) {
        if (c != '\n') every += static_cast<char>(c);
    }
    for (const std::string& name : {std::string("a,b_c d"), std::string("100% \xE9t\xC3\xA9"),
                                    every.substr(0, kMaxLinkedNameChars), every.substr(200)}) {
        shared.name = name;
        const std::string fragment = LevelLinkFragment(shared);
        EXPECT_EQ(fragment.find_first_not_of(
                      "0123456789.ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_-~%", 3),
                  std::string::npos) << fragment;
        std::string why;
        const auto read = ReadLevelLink(fragment, &why);
        ASSERT_TRUE(read) << why;
        EXPECT_EQ(read->name, name);
    }
    const std::string board = LevelLinkFragment(SharedLevel()).substr(0, 3 + kCellCount + 13);
    const auto handWritten = ReadLevelLink(board + "Caf%c3%a9,_it's_%5F", nullptr);
    ASSERT_TRUE(handWritten);
    EXPECT_EQ(handWritten->name, "Caf\xC3\xA9, it's _");
}

TEST(LevelLink, DamagedOrOversizedFragmentsAreRefusedWithAReason) {
    const std::string good = LevelLinkFragment(SharedLevel());
    const std::size_t places = 3 + kCellCount;  // first digit of the circle's column
    auto with = [&](std::size_t at, const std::string& text) {
        return std::string(good).replace(at, text.size(), text);
    };
    const std::string cases[] = {
        "",
        "L2." + good.substr(3),                       // a version this game doesn't know
        good.substr(0, 40),                           // cut short
        with(10, "x"),                                // not a digit
        with(10, "8"),                                // no such colour
        with(places, "9"),                            // the circle off the board
        with(3 + 6 * 9 + 8, "0"),                     // the circle's tile removed
        with(places + 2, "86"),                       // the star onto the circle
        good + "%0A",                                 // a line feed: no name holds one
        good + "%4",                                  // an escape cut short
        good + "%G1",                                 // not hex
        good + std::string(kMaxLinkedNameChars, 'a'), // a name longer than any file's
        good + std::string(kMaxLevelLinkChars, 'a'),  // oversized
    };
    for (const std::string& fragment : cases) {
        std::string why;
        EXPECT_FALSE(ReadLevelLink(fragment, &why)) << fragment;
        EXPECT_FALSE(why.empty()) << fragment;
    }
}

// A desktop player's code and a web player's link open the same board, each as the other hands
// it over; a code damaged on the way is refused.
TEST(LevelLink, ACodeAndALinkOpenTheSameBoard) {
    const Level shared = SharedLevel();
    const std::string code = LevelCode(shared);
    EXPECT_EQ(code, "#" + LevelLinkFragment(shared));
    for (const std::string& pasted :
         {code, code.substr(1), "  " + code + "\r\n", "https://example.org/play/" + code}) {
        std::string why;
        const auto read = ReadLevelCode(pasted, &why);
        ASSERT_TRUE(read) << pasted << ": " << why;
        EXPECT_TRUE(read->SameContent(shared));
    }
    std::string why;
    EXPECT_FALSE(ReadLevelCode(code.substr(0, 50), &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(ReadLevelCode("\n", &why));
}
