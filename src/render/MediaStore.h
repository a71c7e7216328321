#pragma once
// Pictures shared by the screens, loaded once at start-up and kept until shutdown. Screens borrow
// the surfaces for blitting and never free them; the shell owns the one table.
#include <SDL.h>

#include <array>
#include <string>

#include "puzzle/Types.h"
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

// Loads one picture into a new surface the caller owns; reports and returns null on failure.
SDL_Surface* LoadBitmap(const std::string& path);
// Fills the table at start-up (every line of render/PictureList.def, under "./graphics/").
void LoadAllPictures(PictureTable& pictures);

}  // namespace qv
