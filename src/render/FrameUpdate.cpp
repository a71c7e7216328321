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
    const bool foreign = drawer != owner_ || target != target_;
    owner_ = drawer;
    target_ = target;
    return foreign;
}

void FrameUpdate::Invalidate() {
    owner_ = 0;
    target_ = nullptr;
}

void FrameUpdate::Add(const SDL_Rect& area) {
    if (whole_) return;
    if (areas_.size() == kMostAreas) {
        AddWhole();
        return;
    }
    areas_.push_back(area);
}

void FrameUpdate::AddWhole() {
    whole_ = true;
    areas_.clear();
}

void FrameUpdate::Show(SDL_Surface* display) {
    if (whole_) {
        SDL_Flip(display);
        ++counts_.wholeUpdates;
    } else if (!areas_.empty()) {
        SDL_UpdateRects(display, static_cast<int>(areas_.size()), areas_.data());
        ++counts_.partUpdates;
    }
    whole_ = false;
    areas_.clear();
}

}  // namespace qv
