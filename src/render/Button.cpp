#include "render/Button.h"

#include <sstream>
#include <utility>

#include "platform/Input.h"
#include "render/MediaStore.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

// One seam for the whole game, like the error sink: every button clicks alike, and the shell
// sets it once.
ClickSoundPlayer clickSoundPlayer;

void PlayClickSound() {
    if (clickSoundPlayer) clickSoundPlayer();
}

}  // namespace

ClickSoundPlayer SetClickSoundPlayer(ClickSoundPlayer player) {
    return std::exchange(clickSoundPlayer, std::move(player));
}

void Button::LoadButton(const std::string& path, Sprite* slot, const DisplayScale& displayScale) {
    sprite = slot;
    scale = &displayScale;
    std::istringstream in;
    if (!ReadRegularFile(path, kMaxTextFileBytes, in)) {
        ReportError("Could not open file " + path + ".");
        return;
    }
    // A failed read leaves the stream failed, so reading stops at the first bad field and it
    // and every later field keep their defaults.
    int16_t number = 0;
    if (in >> number) area.x = number;
    if (in >> number) area.y = number;
    if (in >> number) area.width = number;
    if (in >> number) area.height = number;
    in >> normalPath >> hoverPath >> pressedPath;
    int32_t key = SDLK_UNKNOWN;
    if (in >> key) hotKey = KeyFromFile(key);
    loaded = true;
    LoadPictures();
    if (sprite) {
        sprite->x = area.x;
        sprite->y = area.y;
        sprite->picture = normalImage.get();
    }
}

void Button::LoadPictures() {
    normalImage.reset(LoadPicture(normalPath, *scale));
    hoverImage.reset(LoadPicture(hoverPath, *scale));
    pressedImage.reset(LoadPicture(pressedPath, *scale));
}

void Button::Rescale() {
    if (!loaded) return;
    const SDL_Surface* shown = sprite ? sprite->picture : nullptr;
    SurfacePtr Button::*look = shown == pressedImage.get()  ? &Button::pressedImage
                               : shown == hoverImage.get() ? &Button::hoverImage
                                                            : &Button::normalImage;
    LoadPictures();
    // A hidden button stays hidden (its slot empty).
    if (sprite && shown) sprite->picture = (this->*look).get();
}

bool Button::Inside(int px, int py) const {
    return px >= area.x && px < area.x + area.width && py >= area.y && py < area.y + area.height;
}

void Button::ShowPicture(SDL_Surface* picture) {
    if (sprite) sprite->picture = picture;
}

bool Button::HandleEvent(const SDL_Event& event) {
    if (!visible) {
        ShowPicture(nullptr);
        return false;
    }
    // A button without a hot key must not answer keys SDL reports as unknown (code 0).
    const bool isHotKey = hotKey != SDLK_UNKNOWN &&
                          (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) &&
                          static_cast<int32_t>(event.key.keysym.sym) == hotKey;
    switch (event.type) {
    case SDL_KEYDOWN:
        if (isHotKey) {
            keyHeld = true;
            ShowPicture(pressedImage.get());
            PlayClickSound();
        }
        break;
    case SDL_KEYUP:
        if (isHotKey) {
            ShowPicture(normalImage.get());
            keyHeld = false;
            return true;
        }
        break;
    case SDL_MOUSEMOTION:
        if (Inside(event.motion.x, event.motion.y)) {
            if (event.motion.state & SDL_BUTTON(SDL_BUTTON_LEFT)) {
                // Sound only on entering with the button held, not on every motion inside.
                const bool alreadyPressed = sprite && sprite->picture == pressedImage.get();
                if (!alreadyPressed) PlayClickSound();
                ShowPicture(pressedImage.get());
            } else {
                ShowPicture(hoverImage.get());
            }
        } else {
            ShowPicture(normalImage.get());
        }
        if (keyHeld) ShowPicture(pressedImage.get());
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT && Inside(event.button.x, event.button.y)) {
            ShowPicture(pressedImage.get());
            PlayClickSound();
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT && Inside(event.button.x, event.button.y)) {
            ShowPicture(hoverImage.get());
            return true;
        }
        break;
    default:
        break;
    }
    if (toggled) ShowPicture(pressedImage.get());
    return false;
}

void Button::SetToggled(bool on) {
    toggled = on;
    ShowPicture(on ? pressedImage.get() : normalImage.get());
}

void Button::Hide() {
    visible = false;
    ShowPicture(nullptr);
}

void Button::Show() {
    visible = true;
    ShowPicture(normalImage.get());
}

void Button::FreeImages() {
    if (!loaded) return;
    // The slot must not keep pointing at a freed picture.
    ShowPicture(nullptr);
    normalImage.reset();
    hoverImage.reset();
    pressedImage.reset();
}

}  // namespace qv
