#pragma once
// The main menu's fixed layout and the arithmetic behind its lists and preview, kept apart
// from the screen so the rules can be checked without a display.
#include <SDL.h>

#include <optional>
#include <string>

#include "puzzle/Types.h"

namespace qv {

class Level;

struct ListBox {
    int left;        // first column of the list on the display
    int top;         // top of row 0
    int width;       // the list surface
    int height;
    int clickRight;  // last column that still counts as a click on the list (inclusive)
};

// The set list and the level list. Clicks reach one column beyond the drawn width.
constexpr ListBox kSetList{53, 150, 150, 375, 203};
constexpr ListBox kLevelList{276, 150, 175, 375, 451};
constexpr int kListRowHeight = 18;

// Dark enough that every row colour below reads at 4.5:1 or more (WCAG) on both lists.
constexpr SDL_Color kSetListBackground{106, 62, 19, 0};
constexpr SDL_Color kLevelListBackground{104, 60, 17, 0};
// Row text by status; the chosen row is yellow, dimmer while locked. Solved is a clear green so
// that it tells from open white at a glance, and locked a grey well below both.
constexpr SDL_Color kListOpenText{255, 255, 255, 0};
constexpr SDL_Color kListLockedText{196, 196, 196, 0};
constexpr SDL_Color kListSolvedText{140, 230, 120, 0};
constexpr SDL_Color kListCurrentText{255, 255, 128, 0};
constexpr SDL_Color kListCurrentLockedText{196, 196, 0, 0};

// The preview: 9 by 7 cells of 25 pixels, centred near (638, 238).
constexpr int kPreviewCell = 25;
constexpr int kPreviewWidth = kMaxWidth * kPreviewCell;
constexpr int kPreviewHeight = kMaxHeight * kPreviewCell;
// Where the locked marker sits; a full board's preview lands here too.
constexpr int kLockedX = 525;
constexpr int kLockedY = 150;

// The text colour of a list row. Any status other than Open or Locked (a progress file can
// hold 3) reads as solved.
SDL_Color ListRowColor(bool current, LevelStatus status);

// The row a click at (x, y) selects, or nothing when x misses the list. Rows above the list
// come out negative (or 0 up to 17 pixels above row 0, the quotient truncating toward zero);
// the library refuses rows it does not have.
std::optional<int> ListRowAt(const ListBox& list, int x, int y);

// Level names are listed in lower case.
std::string LowerCased(const std::string& text);

// Top-left corner of the preview on the display for this level.
SDL_Rect PreviewPlacement(const Level& level);

}  // namespace qv
