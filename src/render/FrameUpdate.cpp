#include "render/FrameUpdate.h"

namespace qv {

namespace {

// Past this many areas one update of the whole display costs less than the many small ones
// (and a pass that draws without showing, as the tests' do, keeps no growing list).
constexpr std::size_t kMostAreas = 64;

}  // namespace

uint64_t NewDrawerId() {
    static uint64_t last = 0;
    return ++last;
}

bool FrameUpdate::TakeOver(uint64_t drawer, const SDL_Surface* target) {
    const bool foreign = drawer != owner || target != ownerTarget;
    owner = drawer;
    ownerTarget = target;
    return foreign;
}

void FrameUpdate::Invalidate() {
    owner = 0;
    ownerTarget = nullptr;
}

void FrameUpdate::Add(const SDL_Rect& area) {
    if (whole) return;
    if (areas.size() == kMostAreas) {
        AddWhole();
        return;
    }
    areas.push_back(area);
}

void FrameUpdate::AddWhole() {
    whole = true;
    areas.clear();
}

void FrameUpdate::Show(SDL_Surface* display) {
    if (whole) {
        SDL_Flip(display);
        ++counts.wholeUpdates;
    } else if (!areas.empty()) {
        SDL_UpdateRects(display, static_cast<int>(areas.size()), areas.data());
        ++counts.partUpdates;
    }
    whole = false;
    areas.clear();
}

}  // namespace qv
