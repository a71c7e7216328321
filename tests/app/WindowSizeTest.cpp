// The window's size across starts: at the first start the largest that sits comfortably on the
// screen (never below the game's own size), then the size the player left it at, as long as it
// fits on the screen of the day.
#include <gtest/gtest.h>

#include "app/WindowSize.h"
#include "support/TempDir.h"

using namespace qv;

namespace {

constexpr PixelSize kLogical{800, 600};

}  // namespace

TEST(WindowSize, TheFirstStartTakesAtMostNinetyPercentOfTheScreenAndNeverLessThanTheGame) {
    EXPECT_EQ(FirstWindowSize({2560, 1440}, kLogical), (PixelSize{1728, 1296}));
    EXPECT_EQ(FirstWindowSize({1920, 1080}, kLogical), (PixelSize{1296, 972}));
    EXPECT_EQ(FirstWindowSize({1024, 768}, kLogical), (PixelSize{922, 691}));
    EXPECT_EQ(FirstWindowSize({800, 600}, kLogical), kLogical);
    EXPECT_EQ(FirstWindowSize({0, 0}, kLogical), kLogical);  // a screen of unknown size
}

TEST(WindowSize, TheKeptSizeIsUsedWhileItFitsOnTheScreen) {
    TempDir dir;
    EXPECT_EQ(ChooseWindowSize(kWindowSizeFile, {2560, 1440}, kLogical), (PixelSize{1728, 1296}));
    ASSERT_TRUE(KeepWindowSize(kWindowSizeFile, {1400, 900}));
    EXPECT_EQ(dir.Read("window.save"), "1400 900\n");
    EXPECT_EQ(ChooseWindowSize(kWindowSizeFile, {2560, 1440}, kLogical), (PixelSize{1400, 900}));
    // A smaller screen than the one it was kept on.
    EXPECT_EQ(ChooseWindowSize(kWindowSizeFile, {1280, 1024}, kLogical), (PixelSize{1152, 864}));
    for (const char* damaged : {"", "1400", "wide 900", "0 900", "1400 -3", "99999 900"}) {
        dir.Write("window.save", damaged);
        EXPECT_FALSE(ReadKeptWindowSize(kWindowSizeFile)) << damaged;
    }
}
