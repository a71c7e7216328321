#pragma once
// What every screen works with besides its own state, boxes included: the screen manager it
// hands over to, the input of its passes, the record of what the display shows, and the shared
// pictures. The shell makes one of each and hands them down; tests make their own.
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
};

}  // namespace qv
