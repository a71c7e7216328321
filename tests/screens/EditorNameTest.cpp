// Typing the level's name in the editor: which keys count, the width limit, and how the field
// gets and loses the keyboard.
#include "EditorFixture.h"

#include "screens/EditorNameField.h"

using namespace qv;

namespace {

class EditorNameTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        OpenEditor();
        editor = Editor();
    }

    // Ctrl+T, then Backspace until the name is empty.
    void StartWithEmptyName() {
        CtrlKey(SDLK_t);
        for (int i = 0; i < 4; ++i) TypeChar(8, SDLK_BACKSPACE);
        ASSERT_EQ(Edited().name, "");
    }

    EditorState* editor = nullptr;
};

TEST_F(EditorNameTest, OnlyLettersDigitsAndBlanksAreTyped) {
    Type("x");  // before Ctrl+T the keys don't reach the name
    EXPECT_FALSE(editor->EditingName());
    EXPECT_EQ(Edited().name, "Mine");

    StartWithEmptyName();
    Type("Ab9 z-!_.");
    TypeChar(0xE9, SDLK_UNKNOWN);     // é, beyond ASCII
    TypeChar(0x0151, SDLK_UNKNOWN);   // ő, whose low byte is 'Q'
    TypeChar(0x0430, SDLK_UNKNOWN);   // Cyrillic a, whose low byte is '0'
    TypeChar(9, SDLK_TAB);
    EXPECT_EQ(Edited().name, "Ab9 z");
    EXPECT_NE(editor->sprites.sprites[kNameLabelSlot].picture, nullptr) << "the label shows the name";
}

TEST_F(EditorNameTest, TheNameStopsGrowingOnceItsLabelIs170PixelsWide) {
    StartWithEmptyName();
    Type(std::string(40, 'W'));
    SDL_Surface* const& label = editor->sprites.sprites[kNameLabelSlot].picture;  // follows the slot
    ASSERT_NE(label, nullptr) << "no font";
    const std::string full = Edited().name;
    EXPECT_LT(full.size(), 40u);
    EXPECT_GE(label->w, kNameWidthLimit);
    // The character that crossed the limit stayed: one fewer is narrower than the limit.
    TypeChar(8, SDLK_BACKSPACE);
    EXPECT_LT(label->w, kNameWidthLimit);
    Type("WW");
    EXPECT_EQ(Edited().name, full);
}

TEST_F(EditorNameTest, BackspaceOnAnEmptyNameDoesNothing) {
    StartWithEmptyName();
    TypeChar(8, SDLK_BACKSPACE);
    EXPECT_EQ(Edited().name, "");
    EXPECT_EQ(editor->sprites.sprites[kNameLabelSlot].picture, nullptr);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(EditorNameTest, ReturnEnterEscapeAndClicksEndOrStartTyping) {
    CtrlKey(SDLK_t);
    TypeChar(13, SDLK_RETURN);
    EXPECT_FALSE(editor->EditingName());

    CtrlKey(SDLK_t);
    TypeChar(13, SDLK_KP_ENTER);
    EXPECT_FALSE(editor->EditingName());

    // Escape while typing only ends the typing; the editor stays.
    CtrlKey(SDLK_t);
    TypeChar(27, SDLK_ESCAPE);
    EXPECT_FALSE(editor->EditingName());
    EXPECT_EQ(Editor(), editor);

    // The field's edges belong to it.
    Click(368, 548);
    EXPECT_TRUE(editor->EditingName());
    Click(591, 571);
    EXPECT_TRUE(editor->EditingName());
    Click(592, 571);
    EXPECT_FALSE(editor->EditingName());
    Click(400, 547);
    EXPECT_FALSE(editor->EditingName());
    EXPECT_EQ(Edited().name, "Mine");
}

}  // namespace
