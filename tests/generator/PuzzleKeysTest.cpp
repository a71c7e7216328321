#include <gtest/gtest.h>

#include <string>

#include "generator/DailyPuzzle.h"
#include "generator/PuzzleKeys.h"

using namespace qv;

// The keys are lines of records.save and the share line is what players paste: their form is
// the game's promise.
TEST(PuzzleKeys, RecordKeysAndTheShareLine) {
    const CalendarDate day{2026, 12, 8};
    EXPECT_EQ("daily/2026-12-08", DailyRecordKey(day));
    EXPECT_EQ("endless/medium/17", EndlessRecordKey({Grade::Medium, 17}));
    EXPECT_EQ("Quorvellan 2026-12-08: 23 moves, par 21", DailyShareLine(day, 23, 21));
}

TEST(PuzzleKeys, LinksRoundTripAndDamageIsRefused) {
    const PuzzleSeed largest{Grade::Expert, 4294967295u};
    EXPECT_EQ("G1.expert.4294967295", PuzzleLinkFragment(largest));
    const auto read = ReadPuzzleLink(PuzzleLinkFragment(largest), nullptr);
    ASSERT_TRUE(read);
    EXPECT_EQ(largest.grade, read->grade);
    EXPECT_EQ(largest.seed, read->seed);

    const std::pair<const char*, const char*> damaged[] = {
        {"L1.000", "The link holds no puzzle this game can make."},
        {"G2.easy.5", "The link holds no puzzle this game can make."},
        {"G1.easy", "The link is cut short or damaged."},
        {"G1.easy.", "The link is cut short or damaged."},
        {"G1.easy.4294967296", "The link is cut short or damaged."},
        {"G1.easy.-5", "The link is cut short or damaged."},
        {"G1.easy.5x", "The link is cut short or damaged."},
        {"G1.silly.5", "The link names no grade of puzzle this game knows."},
    };
    for (const auto& [fragment, reason] : damaged) {
        std::string why;
        EXPECT_FALSE(ReadPuzzleLink(fragment, &why)) << fragment;
        EXPECT_EQ(reason, why) << fragment;
    }
}

// Everyone's day is the UTC date; a week rises from easy on Monday to expert on Sunday.
TEST(DailyPuzzle, DatesAndTheWeek) {
    EXPECT_EQ("2026-12-08", DateText(DateAt(1796688000)));       // midnight UTC
    EXPECT_EQ("2026-12-07", DateText(DateAt(1796688000 - 1)));   // a second before
    EXPECT_EQ("1970-01-01", DateText(DateAt(0)));
    EXPECT_EQ("2024-02-29", DateText(*ParseDate("2024-02-29")));
    for (const char* wrong : {"2026-02-29", "2026-13-01", "2026-00-10", "26-12-08", "2026/12/08",
                              "1969-12-31", "2026-12-8 "})
        EXPECT_FALSE(ParseDate(wrong)) << wrong;

    EXPECT_EQ(Grade::Easy, DailyGrade({2026, 12, 7}));
    EXPECT_EQ(Grade::Medium, DailyGrade({2026, 12, 9}));
    EXPECT_EQ(Grade::Expert, DailyGrade({2026, 12, 13}));
    EXPECT_NE(DailySeed({2026, 12, 7}), DailySeed({2026, 12, 8}));
}
