#include "screens/EditorNameField.h"

#include "render/BoardView.h"

namespace qv {

namespace {

constexpr int kNameFieldBottom = 571;

}  // namespace

SDL_Rect NameFieldArea() {
    return {static_cast<Sint16>(kNameStripX), static_cast<Sint16>(kNameLabelY),
            static_cast<Uint16>(kNameStripWidth + 1),
            static_cast<Uint16>(kNameFieldBottom - kNameLabelY + 1)};
}

bool InNameField(int x, int y) {
    const SDL_Rect field = NameFieldArea();
    return x >= field.x && x < field.x + field.w && y >= field.y && y < field.y + field.h;
}

bool IsNameCharacter(Uint16 unicode) {
    return (unicode >= 'A' && unicode <= 'Z') || (unicode >= 'a' && unicode <= 'z') ||
           (unicode >= '0' && unicode <= '9') || unicode == ' ';
}

bool IsBlankName(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}

int CaretX(int labelWidth) { return (labelWidth + kNameStripWidth) / 2 + kNameStripX; }

}  // namespace qv
