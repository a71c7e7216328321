#pragma once
// A screen the main loop drives: each pass it waits for and handles input, then draws what
// changed of its picture. A screen never switches, opens or closes a screen itself: it asks the
// screen manager (ScreenManager.h), which does so once the screen's pass has ended.

namespace qv {

class GameState {
public:
    virtual ~GameState() = default;
    virtual void HandleEvents() = 0;
    virtual void Draw() = 0;
};

}  // namespace qv
