// A level opened from a link is played in place of the current level and leaves no trace:
// neither a solve nor a way out changes the progress file, the level files or the level the
// menu had chosen. A link that holds no level is reported and the menu opens.
#include "ScreenFixture.h"

#include "content/LevelLibrary.h"
#include "puzzle/BoardTag.h"
#include "puzzle/Level.h"
#include "puzzle/LevelLink.h"
#include "render/MessageBoxes.h"
#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"
#include "screens/LinkedLevel.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

namespace {

class LinkedLevelTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenMenu();
        Library().SelectSet(3);  // "be creative", whose level "Mine" is the player's file
        progressBefore = dir.Read("progress.save");
        mineBefore = dir.Read("levels/mine.txt");
        // Where "Mine" was left: the linked level stands in for it, and must not drop it.
        continueBefore = "1 " + BoardTag(Library().LevelAt(0)) + " cr levels/mine.txt\n";
        dir.Write("continue.save", continueBefore);
    }

    // The Line board's three lanes on a 9 by 7 board: one step right each solves it.
    static std::string LinesLink() {
        Level level;
        level.tiles.fill(TileColor::Black);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) level.Tile(x, y) = TileColor::White;
            const TilePos start{0, static_cast<int16_t>(y)};
            const TilePos goal{1, static_cast<int16_t>(y)};
            const ShapeKind kind = static_cast<ShapeKind>(y);
            level.ShapePos(kind) = start;
            level.GoalPos(kind) = goal;
        }
        level.name = "Shared Lanes";
        return LevelLinkFragment(level);
    }

    void ExpectNothingRecorded() {
        EXPECT_EQ(dir.Read("progress.save"), progressBefore);
        EXPECT_EQ(dir.Read("levels/mine.txt"), mineBefore);
        EXPECT_EQ(dir.Read("continue.save"), continueBefore);
        EXPECT_EQ(Library().Set(3).levelStatus[0], LevelStatus::Open);
        EXPECT_EQ(Library().CurrentLevel().name, "Mine") << "the menu's level is back";
        EXPECT_FALSE(Library().CurrentLevel().fromLink);
    }

    std::string progressBefore;
    std::string mineBefore;
    std::string continueBefore;
};

TEST_F(LinkedLevelTest, LeavingOrSolvingItRecordsNothingAndEndsInTheMenu) {
    OpenLinkedLevel(Context(), LinesLink());
    screens.CarryOutRequests();
    ASSERT_NE(Current<PlayState>(), nullptr);
    EXPECT_EQ(Library().CurrentLevel().name, "Shared Lanes");
    Pass();  // the intro pass: the level has none
    KeyUp(SDLK_c);
    KeyUp(SDLK_RIGHT);
    KeyUp(SDLK_ESCAPE);
    Pass();
    EXPECT_NE(Current<MainMenuState>(), nullptr);
    ExpectNothingRecorded();

    OpenLinkedLevel(Context(), LinesLink());
    screens.CarryOutRequests();
    Pass();
    for (SDLKey select : {SDLK_c, SDLK_s, SDLK_t}) {
        KeyUp(select);
        KeyUp(SDLK_RIGHT);
    }
    Pass();
    ASSERT_TRUE(Current<PlayState>()->SolvePending());
    Pass();  // the completion: "Well done" over the menu
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_NE(dynamic_cast<MainMenuState*>(screens.Covered()), nullptr);
    ExpectNothingRecorded();
}

TEST_F(LinkedLevelTest, ADamagedLinkIsReportedAndTheMenuOpens) {
    OpenLinkedLevel(Context(), "L1.123");
    screens.CarryOutRequests();
    EXPECT_NE(Current<MainMenuState>(), nullptr);
    // The fixture's folder has no music, which the menu may report first.
    const auto boxes = BoxesTitled("Error");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text,
              "Cannot open the level of this link. The link is cut short or damaged.");
    ExpectNothingRecorded();
}

}  // namespace
