#include "render/MediaStore.h"

#include <SDL_image.h>

#include "platform/SdlErrorReport.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

// Pictures are stored in the display's own layout once a display exists: blitting a 24-bit
// picture onto the 32-bit display converts every pixel, every frame, and the full-screen
// backgrounds made that cost a few milliseconds per frame. The look is unchanged: alpha is kept.
SDL_Surface* InDisplayLayout(SDL_Surface* loaded) {
    if (!SDL_GetVideoSurface()) return loaded;
    const bool hasAlpha = loaded->format->Amask != 0;
    SDL_Surface* converted = hasAlpha ? SDL_DisplayFormatAlpha(loaded) : SDL_DisplayFormat(loaded);
    if (!converted) return loaded;  // still drawable, only slower
    SDL_FreeSurface(loaded);
    return converted;
}

}  // namespace

SDL_Surface* LoadBitmap(const std::string& path) {
    // A FIFO would block the load and a device never end it: only regular files are pictures.
    SDL_Surface* surface = nullptr;
    if (IsRegularFile(path))
        surface = IMG_Load(path.c_str());
    else
        SDL_SetError("Couldn't open %s", path.c_str());
    if (!surface) {
        ReportSdlError("Could not load bitmap " + path + ".");
        return nullptr;
    }
    return InDisplayLayout(surface);
}

namespace {

void Load(SurfacePtr& slot, const std::string& stem) {
    slot.reset(LoadBitmap("./graphics/" + stem + ".png"));
}

// The first `loaded` slots from "<stem>0.png" on; the others are emptied.
template <std::size_t Slots>
void LoadSeries(std::array<SurfacePtr, Slots>& series, const std::string& stem, int loaded) {
    for (std::size_t i = 0; i < Slots; ++i) {
        if (static_cast<int>(i) < loaded)
            Load(series[i], stem + std::to_string(i));
        else
            series[i].reset();
    }
}

}  // namespace

void LoadAllPictures(PictureTable& p) {
    // In the table's order, so several missing files are always reported in the same sequence.
#define QV_PICTURE(field, stem, fit, width, height) Load(p.field, stem);
#define QV_PICTURE_SERIES(field, stem, loaded, slots) LoadSeries(p.field, stem, loaded);
#include "render/PictureList.def"
#undef QV_PICTURE
#undef QV_PICTURE_SERIES
}

namespace {

// One row per colour code 1..7: board tile, preview tile, help diagram.
struct ColorPictures {
    SurfacePtr PictureTable::*tile;
    SurfacePtr PictureTable::*preview;
    SurfacePtr PictureTable::*help;
};

const ColorPictures kColorPictures[] = {
    {&PictureTable::red, &PictureTable::previewRed, &PictureTable::redHelp},
    {&PictureTable::yellow, &PictureTable::previewYellow, &PictureTable::yellowHelp},
    {&PictureTable::orange, &PictureTable::previewOrange, &PictureTable::orangeHelp},
    {&PictureTable::blue, &PictureTable::previewBlue, &PictureTable::blueHelp},
    {&PictureTable::purple, &PictureTable::previewPurple, &PictureTable::purpleHelp},
    {&PictureTable::green, &PictureTable::previewGreen, &PictureTable::greenHelp},
    {&PictureTable::white, &PictureTable::previewWhite, &PictureTable::whiteHelp},
};

SDL_Surface* ColorPicture(const PictureTable& table, TileColor color,
                          SurfacePtr PictureTable::*ColorPictures::*column) {
    const int32_t code = static_cast<int32_t>(color);
    if (code < 1 || code > 7) return nullptr;
    return (table.*(kColorPictures[code - 1].*column)).get();
}

}  // namespace

SDL_Surface* PictureTable::Tile(TileColor color) const {
    return ColorPicture(*this, color, &ColorPictures::tile);
}

SDL_Surface* PictureTable::PreviewTile(TileColor color) const {
    return ColorPicture(*this, color, &ColorPictures::preview);
}

SDL_Surface* PictureTable::ColorHelp(TileColor color) const {
    return ColorPicture(*this, color, &ColorPictures::help);
}

}  // namespace qv
