#include "screens/EditorNameField.h"

#include "render/BoardView.h"

namespace qv {

namespace {

constexpr int kNameFieldBottom = 571;

}  // namespace

bool InNameField(int x, int y) {
    return x >= kNameStripX && x <= kNameStripX + kNameStripWidth && y >= kNameLabelY &&
           y <= kNameFieldBottom;
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
