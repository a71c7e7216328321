// The menu's generated sets: an endless set's puzzle is the generator's, played with its par and
// kept per seed with the set's next seed; the puzzle of the day (the fixture's clock says
// Monday 2026-12-07) ends with the line to share; a seed's link opens its puzzle.
#include "ScreenFixture.h"

#include "generator/DailyPuzzle.h"
#include "generator/PuzzleGenerator.h"
#include "puzzle/BoardTag.h"
#include "render/MessageBoxState.h"
#include "screens/LinkedLevel.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

namespace {

class GeneratedPuzzlesTest : public ScreenTest {
protected:
    // Rows of the set list: the fixture's four sets, an empty row, then the generated sets.
    static constexpr int kDailyRowY = 150 + 5 * 18 + 5;
    static constexpr int kEndlessEasyRowY = kDailyRowY + 18;

    static GeneratedPuzzle Generated(const PuzzleSeed& puzzle) {
        PuzzleGenerator generator(puzzle.grade, puzzle.seed);
        generator.Advance(0);
        return generator.Result();
    }

    // Chooses a generated set in the menu and plays its first row once the menu has made it.
    PlayState* PlayFirstRow(int rowY) {
        OpenMenu();
        Press(60, rowY);
        Release(60, rowY);
        Pass();
        for (int i = 0; i < 1000 && Current<MainMenuState>()->MakingPuzzle(); ++i) Pass();
        KeyDown(SDLK_0);
        Pass();
        Pass();  // the level's first pass, for an intro it has not got
        return Current<PlayState>();
    }

    void Solve(const std::vector<SolverMove>& solution) {
        for (const SolverMove& move : solution) {
            KeyUp(move.shape == ShapeKind::Circle ? SDLK_c
                  : move.shape == ShapeKind::Star ? SDLK_s
                                                  : SDLK_t);
            switch (move.direction) {
            case StepDirection::Up: KeyUp(SDLK_UP); break;
            case StepDirection::Down: KeyUp(SDLK_DOWN); break;
            case StepDirection::Left: KeyUp(SDLK_LEFT); break;
            case StepDirection::Right: KeyUp(SDLK_RIGHT); break;
            }
        }
        Pass();  // the solve
        Pass();  // its box
    }
};

TEST_F(GeneratedPuzzlesTest, EndlessPuzzleIsTheGeneratorsAndItsRecordIsKeptPerSeed) {
    const GeneratedPuzzle easy1 = Generated({Grade::Easy, 1});
    ASSERT_TRUE(easy1.found);
    PlayState* play = PlayFirstRow(kEndlessEasyRowY);
    ASSERT_NE(play, nullptr);
    EXPECT_TRUE(Library().CurrentLevel().SameContent(easy1.level));
    EXPECT_EQ(Library().CurrentLevel().name, "Easy 1");
    const int par = easy1.measures.solve.moveCount;
    EXPECT_EQ(play->ShownPar(), par);

    Solve(easy1.measures.solve.solution);
    const MessageBoxState* box = Current<MessageBoxState>();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(box->text.find("Next comes \"Easy 2\"."), std::string::npos) << box->text;
    EXPECT_EQ(dir.Read("endless.save"), "easy 2\n");
    CloseBox();
    // The next puzzle, made while this one was played (or now, a slice a pass).
    for (int i = 0; i < 1000 && Library().CurrentLevel().name != "Easy 2"; ++i) Pass();
    EXPECT_TRUE(Library().CurrentLevel().SameContent(Generated({Grade::Easy, 2}).level));

    // Read again, as the next start reads them: the record of seed 1, on its board only, and
    // the set going on from seed 2.
    WriteProgress({});
    EXPECT_EQ(Library().RecordOf("endless/easy/1", BoardTag(easy1.level)), par);
    EXPECT_EQ(Library().RecordOf("endless/easy/2", ""), std::nullopt);
    OpenMenu();
    Press(60, kEndlessEasyRowY);
    Release(60, kEndlessEasyRowY);
    Pass();
    ASSERT_TRUE(Context().generated.Chosen());
    EXPECT_EQ(Context().generated.Chosen()->puzzle.seed, 2u);
}

TEST_F(GeneratedPuzzlesTest, PuzzleOfTheDayEndsWithTheLineToShare) {
    const CalendarDate day{2026, 12, 7};
    GeneratedPuzzle daily = Generated(DailyPuzzle(day));
    daily.level.name = "Puzzle of 2026-12-07";
    PlayState* play = PlayFirstRow(kDailyRowY);
    ASSERT_NE(play, nullptr);
    EXPECT_TRUE(Library().CurrentLevel().SameContent(daily.level));
    const std::string progress = dir.Read("progress.save");

    Solve(daily.measures.solve.solution);
    const MessageBoxState* box = Current<MessageBoxState>();
    ASSERT_NE(box, nullptr);
    const std::string moves = std::to_string(daily.measures.solve.moveCount);
    EXPECT_NE(box->text.find("Quorvellan 2026-12-07: " + moves + " moves, par " + moves),
              std::string::npos)
        << box->text;
    EXPECT_NE(dir.Read("records.save").find(moves + " daily/2026-12-07 "), std::string::npos);
    EXPECT_EQ(dir.Read("progress.save"), progress) << "no set's progress changes";
    CloseBox();
    EXPECT_NE(Current<MainMenuState>(), nullptr);
}

TEST_F(GeneratedPuzzlesTest, SeedLinkOpensItsPuzzleOnceMade) {
    OpenLinkedLevel(Context(), "G1.easy.3");
    screens.CarryOutRequests();
    for (int i = 0; i < 1000 && !Current<PlayState>(); ++i) Pass();
    ASSERT_NE(Current<PlayState>(), nullptr);
    EXPECT_TRUE(Library().CurrentLevel().SameContent(Generated({Grade::Easy, 3}).level));
}

}  // namespace
