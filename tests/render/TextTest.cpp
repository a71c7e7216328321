#include <gtest/gtest.h>

#include "DisplayTest.h"
#include "render/Text.h"

using namespace qv;

TEST_F(DisplayTest, TextThatCannotBeRenderedIsReported) {
    EXPECT_EQ(RenderBlended(nullptr, "x", SDL_Color{}), nullptr);
    FontPtr font = OpenUiFont(14);
    EXPECT_EQ(RenderShaded(font.get(), "", SDL_Color{}, SDL_Color{}), nullptr);
    ASSERT_EQ(errors.boxes.size(), 2u);
    EXPECT_EQ(errors.boxes[1].title, "Error (SDL)");
    EXPECT_EQ(errors.boxes[1].text.rfind("Can't render text. ", 0), 0u);
}

// SDL_ttf copies the text onto the stack: a level name of megabytes must not reach it whole.
TEST_F(DisplayTest, HugeTextRendersOnlyWhatAScreenCouldShow) {
    FontPtr font = OpenUiFont(14);
    const std::string huge(8 << 20, 'W');
    const SurfacePtr shaded = RenderShaded(font.get(), huge, SDL_Color{}, SDL_Color{1, 1, 1, 0});
    const SurfacePtr blended = RenderBlended(font.get(), huge, SDL_Color{});
    ASSERT_NE(shaded, nullptr);
    ASSERT_NE(blended, nullptr);
    int w = 0, h = 0;
    TTF_SizeText(font.get(), std::string(kMaxRenderedChars, 'W').c_str(), &w, &h);
    EXPECT_EQ(shaded->w, w);
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(DisplayTest, ALineTooWideForTheBoxGetsASmallerFont) {
    const std::string shortLine = "Pressing Ctrl-R on the keyboard works the same as";
    const std::string wideLine = "Sometimes you have to look ahead a bit. Although both";
    FontPtr fitting = OpenUiFontFitting(14, 12, {shortLine, "", wideLine}, 343);
    ASSERT_NE(fitting, nullptr);
    EXPECT_LE(TextWidth(fitting.get(), wideLine), 343);
    FontPtr full = OpenUiFont(14);
    if (TextWidth(full.get(), wideLine) > 343) {
        EXPECT_LT(TTF_FontHeight(fitting.get()), TTF_FontHeight(full.get()));
    }
    // Text that fits keeps the full size.
    FontPtr roomy = OpenUiFontFitting(14, 12, {shortLine}, 343);
    EXPECT_EQ(TTF_FontHeight(roomy.get()), TTF_FontHeight(full.get()));
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(DisplayTest, ALineTooWideEvenAtTheSmallestSizeWrapsAtBlanksAndLosesNoWord) {
    FontPtr font = OpenUiFont(12);
    ASSERT_NE(font, nullptr);
    const std::string line = "Red stops the circle, yellow stops the star; the triangle passes both.";
    const std::vector<std::string> wrapped = WrapLine(font.get(), line, 343);
    ASSERT_EQ(wrapped.size(), 2u);
    EXPECT_EQ(wrapped[0] + " " + wrapped[1], line);
    for (const std::string& piece : wrapped) EXPECT_LE(TextWidth(font.get(), piece), 343);
    // A word wider than the box gets a line of its own, the only one the box may cut.
    const std::string word(60, 'W');
    EXPECT_EQ(WrapLine(font.get(), "a  " + word + " b", 343),
              (std::vector<std::string>{"a", word, "b"}));
    EXPECT_EQ(WrapLine(font.get(), "", 343), std::vector<std::string>{""});
}
