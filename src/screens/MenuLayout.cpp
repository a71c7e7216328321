#include "screens/MenuLayout.h"

#include <cctype>

#include "puzzle/BoardCentring.h"
#include "puzzle/Level.h"

namespace qv {

namespace {

// Chosen so that a full board's preview lands at (525, 150), its middle near (638, 238).
constexpr int kPreviewOriginX = 513;
constexpr int kPreviewOriginY = 138;

}  // namespace

SDL_Color ListRowColor(bool current, LevelStatus status) {
    const bool locked = status == LevelStatus::Locked;
    if (current) return locked ? kListCurrentLockedText : kListCurrentText;
    if (status == LevelStatus::Open) return kListOpenText;
    if (locked) return kListLockedText;
    return kListSolvedText;
}

std::optional<int> ListRowAt(const ListBox& list, int x, int y) {
    if (x < list.left || x > list.clickRight) return std::nullopt;
    return (y - list.top) / kListRowHeight;
}

std::string LowerCased(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

SDL_Rect PreviewPlacement(const Level& level) {
    const UsedTileBounds used = FindUsedTiles(level);
    SDL_Rect where{};
    where.x = static_cast<Sint16>(
        CentringShift(used.minCol, used.maxCol, kMaxWidth, kPreviewCell) + kPreviewOriginX);
    where.y = static_cast<Sint16>(
        CentringShift(used.minRow, used.maxRow, kMaxHeight, kPreviewCell) + kPreviewOriginY);
    return where;
}

}  // namespace qv
