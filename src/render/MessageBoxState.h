#pragma once
// An in-game message box: a title, lines of text, an optional picture and up to three buttons,
// shown over a frozen copy of the screen it covers (which the screen manager keeps parked). Its
// places are in the game's logical units, its pictures and text made at the display's scale.
#include <SDL.h>

#include <array>
#include <string>
#include <vector>

#include "render/Button.h"
#include "render/EventQueue.h"
#include "render/GameState.h"
#include "render/ScreenContext.h"
#include "render/SpriteList.h"
#include "render/Surface.h"

namespace qv {

constexpr int kBoxX = 231;
constexpr int kBoxY = 176;
constexpr int kBoxWidth = 343;
constexpr int kBoxHeight = 248;
constexpr int kMaxBoxButtons = 3;

class MessageBoxState : public GameState {
public:
    SurfacePtr background;  // copy of the display when the box was composed
    SurfacePtr box;         // title, text and picture
    SpriteList sprites;
    std::array<Button, kMaxBoxButtons> buttons;
    int buttonCount = 0;
    // A question: only the buttons (and their hot keys) close it, since an answer is awaited.
    bool waitsForChoice = false;
    // Lines the text reader took, the last (empty) read included, and those that wrapping a
    // line too wide for the box added; places the picture.
    int lineCount = 0;
    // What the box says, as composed.
    std::string title;
    std::string text;

    // Reads the non-empty leading button files, then composes the box over what the display
    // shows now. `picture` may be null; it is copied in and stays the caller's.
    MessageBoxState(ScreenContext& context, const std::string& boxTitle,
                    const std::string& boxText, SDL_Surface* picture,
                    const std::vector<std::string>& buttonFiles);
    // The same with the picture read from a file (none when the path is empty).
    MessageBoxState(ScreenContext& context, const std::string& boxTitle,
                    const std::string& boxText, const std::string& picturePath,
                    const std::vector<std::string>& buttonFiles);
    ~MessageBoxState() override;

    void HandleEvents() override;
    void Draw() override;
    // Composes the box anew at the new scale over the screen under it, drawn at that scale.
    void Rescale(const PictureMoves& moves) override;

    void ComposeBox(const std::string& boxTitle, const std::string& boxText, SDL_Surface* picture);

private:
    ScreenContext& context;
    // The picture's file, or else a copy of the picture handed in and its logical size, to make
    // it again when the scale changes.
    std::string picturePath;
    SurfacePtr pictureCopy;
    PixelSize pictureSize;

    void LoadButtons(const std::vector<std::string>& buttonFiles);
    void CaptureBackground();
    // Returns the lines the title took.
    int RenderTitle(const std::string& boxTitle);
    // The text's first line goes at `top`.
    void RenderLines(const std::string& boxText, int top);
    // Asks for the box to close when this event ends it.
    EventFlow HandleEvent(const SDL_Event& event);
};

}  // namespace qv
