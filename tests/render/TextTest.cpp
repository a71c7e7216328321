#include <gtest/gtest.h>

#include "DisplayTest.h"
#include "render/Text.h"

TEST_F(DisplayTest, TextThatCannotBeRenderedIsReported) {
    EXPECT_EQ(RenderBlended(nullptr, "x", SDL_Color{}), nullptr);
    FontPtr font = OpenUiFont(14);
    EXPECT_EQ(RenderShaded(font.get(), "", SDL_Color{}, SDL_Color{}), nullptr);
    ASSERT_EQ(errors.boxes.size(), 2u);
    EXPECT_EQ(errors.boxes[1].title, "Error (SDL)");
    EXPECT_EQ(errors.boxes[1].text.rfind("Can't render text. ", 0), 0u);
}
