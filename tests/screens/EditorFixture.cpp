#include "EditorFixture.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "content/LevelLibrary.h"
#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"
#include "support/SdlEvents.h"

using namespace qv;

namespace {

// The answers lie below the board (row 7 and beyond), so the editor's own handling of the
// queued clicks, which reads the fake pointer, paints nothing.
constexpr int kAnswerY = 500;
constexpr int kAnswerWidth = 80;
constexpr int kAnswerX[] = {240, 350, 460};
constexpr const char* kAnswerFiles[] = {"gui/messages/save.button", "gui/messages/discard.button",
                                        "gui/messages/cancel.button"};

std::string ButtonFile(int x, int y, int width, int height) {
    return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " " +
           std::to_string(height) + " ./button.bmp ./button.bmp ./button.bmp 0\n";
}

void PushEvent(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

bool SamePixels(SDL_Surface* a, int ax, int ay, SDL_Surface* b, int width, int height) {
    if (a->format->BytesPerPixel != b->format->BytesPerPixel) return false;
    const int bytes = b->format->BytesPerPixel;
    SDL_LockSurface(a);
    SDL_LockSurface(b);
    bool same = true;
    for (int row = 0; row < height && same; ++row) {
        const auto* pa = static_cast<const Uint8*>(a->pixels) + (ay + row) * a->pitch + ax * bytes;
        const auto* pb = static_cast<const Uint8*>(b->pixels) + row * b->pitch;
        same = std::equal(pa, pa + width * bytes, pb);
    }
    SDL_UnlockSurface(b);
    SDL_UnlockSurface(a);
    return same;
}

}  // namespace

void EditorTest::SetUp() {
    ScreenTest::SetUp();
    for (const EditorButtonFile& file : kEditorButtonFiles) {
        dir.Write(file.path, ButtonFile(kButtonLeft, ButtonTop(file.button), kButtonWidth,
                                        kButtonHeight));
    }
    for (int i = 0; i < 3; ++i)
        dir.Write(kAnswerFiles[i], ButtonFile(kAnswerX[i], kAnswerY, kAnswerWidth, 26));
}

void EditorTest::OpenEditor() {
    Library().SelectSet(3);
    Library().SelectLevel(0);
    ASSERT_EQ(Edited().name, "Mine");
    SwitchTo(ScreenName::Editor);
    ASSERT_NE(Editor(), nullptr);
    Editor()->Draw();
}

void EditorTest::PressAt(int x, int y, Uint8 button) {
    Press(x, y, button);
    Pass();
}

void EditorTest::MoveHeldTo(int x, int y) {
    Motion(x, y, true);
    Pass();
}

void EditorTest::ReleaseAt(int x, int y, Uint8 button) {
    Release(x, y, button);
    Pass();
}

void EditorTest::Click(int x, int y, Uint8 button) {
    PressAt(x, y, button);
    ReleaseAt(x, y, button);
}

void EditorTest::Drag(int fromX, int fromY, int toX, int toY) {
    PressAt(fromX, fromY);
    MoveHeldTo(toX, toY);
    ReleaseAt(toX, toY);
}

void EditorTest::ClickButton(EditorButton which) { Click(ButtonMidX(which), ButtonMidY(which)); }

void EditorTest::QueueButtonClick(EditorButton which) {
    Press(ButtonMidX(which), ButtonMidY(which));
    Release(ButtonMidX(which), ButtonMidY(which));
}

void EditorTest::QueueAnswer(int index) {
    Press(kAnswerX[index] + kAnswerWidth / 2, kAnswerY + 10);
    Release(kAnswerX[index] + kAnswerWidth / 2, kAnswerY + 10);
}

void EditorTest::TypeChar(Uint16 unicode, SDLKey sym) {
    PushEvent(KeyEvent(SDL_KEYDOWN, sym, KMOD_NONE, unicode));
    KeyUp(sym);
    Pass();
}

void EditorTest::Type(const std::string& text) {
    // SDL's key symbols for letters, digits and the blank are their lower-case characters.
    for (char c : text) TypeChar(static_cast<Uint16>(c), static_cast<SDLKey>(std::tolower(c)));
}

void EditorTest::CtrlKey(SDLKey key) {
    KeyDown(key, KMOD_LCTRL);
    KeyUp(key, KMOD_LCTRL);
    Pass();
}

void EditorTest::QueueQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    PushEvent(event);
}

bool EditorTest::HoldsBox(SDL_Surface* surface, int x, int y, const std::string& title,
                          const std::string& text) {
    // Composed here from the expected texts; buttons are not part of the box surface.
    MessageBoxState expected(Context(), title, text, static_cast<SDL_Surface*>(nullptr),
                             std::vector<std::string>{});
    return surface && expected.box &&
           SamePixels(surface, x, y, expected.box.get(), kBoxWidth, kBoxHeight);
}
