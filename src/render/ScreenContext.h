#pragma once
// What every screen works with besides its own state, boxes included: the screen manager it
// hands over to, the input of its passes, the record of what the display shows, the shared
// pictures, and the display's scale, which places everything in the game's logical units on
// the display and makes pictures and text at its size. The shell makes one of each and hands
// them down; tests make their own.
#include "render/DisplayScale.h"
#include "render/EventQueue.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"

namespace qv {

struct ScreenContext {
    ScreenManager& screens;
    EventQueue& events;
    FrameUpdate& frame;
    const PictureTable& pictures;
    const DisplayScale& scale;
};

}  // namespace qv
