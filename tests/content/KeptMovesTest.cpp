// The files of moves kept beside a level ("./continue.save", "./solutions.save"): read back by a
// new game, dropped for a changed board, bounded, shared by two games, never written over when
// unreadable.
#include <gtest/gtest.h>

#include "content/KeptMoves.h"
#include "support/TempDir.h"
#include "support/Unreadable.h"

using namespace qv;

namespace {

constexpr char kTag[] = "0badcafe";
constexpr char kOtherTag[] = "12345678";

TEST(KeptMoves, ANewGameFindsTheMovesOnlyForTheSameBoard) {
    TempDir dir;
    {
        KeptMoves kept(kContinueFilePath);
        kept.Keep("levels/first/01.txt", kTag, "crsu");
        kept.Keep("tutorial/3", kTag, "tl");
        kept.Keep("tutorial/3", kTag, "tltr");  // the newer play of a level replaces its line
    }
    KeptMoves again(kContinueFilePath);
    EXPECT_EQ(again.Find("levels/first/01.txt", kTag), "crsu");
    EXPECT_EQ(again.Find("tutorial/3", kTag), "tltr");
    EXPECT_EQ(again.Find("tutorial/4", kTag), std::nullopt);
    // The level's board has changed since: what was kept for it is gone, from the file too.
    EXPECT_EQ(again.Find("tutorial/3", kOtherTag), std::nullopt);
    EXPECT_EQ(KeptMoves(kContinueFilePath).Find("tutorial/3", kTag), std::nullopt);
    again.Forget("levels/first/01.txt");
    EXPECT_EQ(dir.Read("continue.save"), "");
}

TEST(KeptMoves, DamagedLinesAreDroppedAndTheOldestLevelsGoFirst) {
    TempDir dir;
    dir.Write("continue.save",
              "5 0badcafe crcr levels/a.txt\n"
              "x 0badcafe crcr levels/b.txt\n"       // no order
              "6 0BADCAFE crcr levels/c.txt\n"       // not a tag
              "7 0badcafe c levels/d.txt\n"          // half a move
              "8 0badcafe crcr\n"                    // no key
              "2 0badcafe sd levels/with space.txt\n"
              "3 0badcafe tu levels/e.txt\n");
    KeptMoves kept(kContinueFilePath, 3);
    EXPECT_EQ(kept.Find("levels/with space.txt", kTag), "sd");
    kept.Keep("levels/f.txt", kTag, "cd");
    EXPECT_EQ(dir.Read("continue.save"),
              "5 0badcafe crcr levels/a.txt\n"
              "3 0badcafe tu levels/e.txt\n"
              "6 0badcafe cd levels/f.txt\n");
    // Too long a play, or a key no line can hold, is not kept, and drops what was.
    kept.Keep("levels/a.txt", kTag, std::string(2 * kMaxKeptMoves + 2, 'c'));
    kept.Keep("levels/e.txt\nx", kTag, "cd");
    EXPECT_EQ(kept.Find("levels/a.txt", kTag), std::nullopt);
    EXPECT_EQ(kept.Find("levels/e.txt", kTag), "tu");
}

TEST(KeptMoves, TwoGamesKeepEachOthersLevels) {
    TempDir dir;
    KeptMoves gameA(kSolutionsFilePath);
    KeptMoves gameB(kSolutionsFilePath);
    gameA.Keep("tutorial/0", kTag, "crcr");
    gameB.Keep("tutorial/1", kTag, "sdsd");
    gameA.Forget("tutorial/2");
    KeptMoves reader(kSolutionsFilePath);
    EXPECT_EQ(reader.Find("tutorial/0", kTag), "crcr");
    EXPECT_EQ(reader.Find("tutorial/1", kTag), "sdsd");
}

TEST(KeptMoves, AFileThatCannotBeReadIsLeftAsItWas) {
    TempDir dir;
    dir.Write("continue.save", "1 0badcafe crcr tutorial/0\n");
    AsPlayerWhoCannotRead("continue.save", [] {
        KeptMoves kept(kContinueFilePath);
        kept.Keep("tutorial/1", kTag, "sd");
        kept.Forget("tutorial/0");
        return 0;
    });
    EXPECT_EQ(dir.Read("continue.save"), "1 0badcafe crcr tutorial/0\n");
}

}  // namespace
