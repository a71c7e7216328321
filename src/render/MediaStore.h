#pragma once
// Pictures shared by the screens, loaded once at start-up and kept until shutdown. Screens borrow
// the surfaces for blitting and never free them; the shell owns the one table.
#include <SDL.h>

#include <array>
#include <string>
#include <vector>

#include "puzzle/Types.h"
#include "render/DisplayScale.h"
#include "render/PictureMoves.h"
#include "render/Surface.h"

namespace qv {

// One field per line of render/PictureList.def, in the order they are loaded.
struct PictureTable {
#define QV_PICTURE(field, stem, fit, width, height) SurfacePtr field;
#define QV_PICTURE_SERIES(field, stem, loaded, slots) \
    std::array<SurfacePtr, slots> field;              \
    static constexpr int field##Loaded = loaded;
#include "render/PictureList.def"
#undef QV_PICTURE
#undef QV_PICTURE_SERIES

    // A colour's pictures: board tile, level preview tile, help diagram. Black and values
    // outside 1..7 have none (null); callers that must report bad colours check IsValidColor
    // themselves.
    SDL_Surface* Tile(TileColor color) const;
    SDL_Surface* PreviewTile(TileColor color) const;
    SDL_Surface* ColorHelp(TileColor color) const;
};

constexpr int kTutorialPictureSlots =
    static_cast<int>(std::tuple_size<decltype(PictureTable::tutorial)>::value);
constexpr int kTutorialPicturesLoaded = PictureTable::tutorialLoaded;

// Loads one picture as it is into a new surface the caller owns; reports and returns null on
// failure.
SDL_Surface* LoadBitmap(const std::string& path);

// The scales the art's masters are drawn at (render/PictureScales.def), smallest first.
const std::vector<int>& PictureScales();
// Where the master drawn k times larger of the picture at `path` lies: "./graphics/2x/red.png"
// for "./graphics/red.png"; `path` itself for k = 1.
std::string MasterPath(const std::string& path, int k);

// The picture at `path` for the display's scale, in a new surface the caller owns: its master
// nearest above the scale (the largest for a larger scale), resampled to the picture's logical
// size at that scale (its 1x size, made with DisplayScale::Size); a missing master falls back
// to the next smaller one. Only a missing 1x master is reported, as LoadBitmap reports it.
SDL_Surface* LoadPicture(const std::string& path, const DisplayScale& scale);
// Fills the table (every line of render/PictureList.def, under "./graphics/") at `scale`:
// at start-up, and again whenever the scale changes.
void LoadAllPictures(PictureTable& pictures, const DisplayScale& scale);
// Each picture of `from` paired with the one that takes its slot in `to`.
PictureMoves PictureMovesBetween(const PictureTable& from, const PictureTable& to);

}  // namespace qv
