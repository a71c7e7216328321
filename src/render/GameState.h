#pragma once
// A screen the main loop drives: each pass it waits for and handles input, then draws what
// changed of its picture. A screen never switches, opens or closes a screen itself: it asks the
// screen manager (ScreenManager.h), which does so once the screen's pass has ended.
#include "platform/PageNote.h"
#include "render/PictureMoves.h"

namespace qv {

class GameState {
public:
    virtual ~GameState() = default;
    virtual void HandleEvents() = 0;
    virtual void Draw() = 0;
    // The display's scale has changed and the shared pictures were made anew (`moves` pairs
    // each old one with its successor): the screen makes its own pictures and text anew at
    // the new scale, keeping everything else as it is. A screen with nothing of its own to
    // draw needs nothing.
    virtual void Rescale(const PictureMoves& /*moves*/) {}
    // What a browser's page should offer fingers beside this screen; a box asks for nothing.
    virtual PageNote NoteForPage() const { return {}; }
};

}  // namespace qv
