#include "render/ScreenManager.h"

#include <utility>

#include "render/Surface.h"

namespace qv {

ScreenManager::ScreenManager(FrameUpdate& displayFrame) : frame(displayFrame) {}

ScreenManager::~ScreenManager() { Clear(); }

void ScreenManager::SwitchTo(ScreenBuilder build) {
    requests.push_back(Request{Request::Kind::Switch, std::move(build), nullptr, {}, kNoButton});
}

void ScreenManager::OpenBox(std::unique_ptr<GameState> box, BoxAnswer onAnswer) {
    requests.push_back(
        Request{Request::Kind::OpenBox, {}, std::move(box), std::move(onAnswer), kNoButton});
}

void ScreenManager::CloseBox(int32_t button) {
    requests.push_back(Request{Request::Kind::CloseBox, {}, nullptr, {}, button});
}

bool ScreenManager::RunPass() {
    if (!currentState) return false;
    currentState->HandleEvents();
    CarryOutRequests();
    Present();
    return true;
}

void ScreenManager::CarryOutRequests() {
    // A box's answer may ask for more, which joins the queue and is carried out here too.
    while (!requests.empty()) {
        Request request = std::move(requests.front());
        requests.pop_front();
        CarryOut(request);
    }
}

void ScreenManager::CarryOut(Request& request) {
    switch (request.kind) {
    case Request::Kind::Switch:
        currentState.reset();
        currentState = request.build();
        break;
    case Request::Kind::OpenBox:
        if (!savedState) savedState = std::move(currentState);
        currentState = std::move(request.box);
        boxAnswer = std::move(request.onAnswer);
        break;
    case Request::Kind::CloseBox: {
        if (!savedState) break;  // no box is up
        currentState = std::move(savedState);  // deletes the box
        const BoxAnswer answer = std::exchange(boxAnswer, {});
        if (answer) answer(request.button);
        break;
    }
    }
}

void ScreenManager::Present() {
    if (!currentState) return;
    currentState->Draw();
    if (SDL_Surface* display = DisplaySurface()) frame.Show(display);
}

void ScreenManager::Rescale(const PictureMoves& moves) {
    frame.Invalidate();
    if (savedState) {
        savedState->Rescale(moves);
        savedState->Draw();
    }
    if (currentState) currentState->Rescale(moves);
    frame.Invalidate();
}

void ScreenManager::Clear() {
    requests.clear();
    boxAnswer = {};
    currentState.reset();
    savedState.reset();
}

}  // namespace qv
