#pragma once
// A screen the main loop drives: it waits for and handles input, then composes its picture.
class GameState {
public:
    virtual ~GameState() = default;
    virtual void HandleEvents() = 0;
    virtual void Draw() = 0;
};
