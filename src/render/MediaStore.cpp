#include "render/MediaStore.h"

#include <SDL_image.h>

#include "platform/SdlErrorReport.h"
#include "render/Resample.h"
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

const std::vector<int>& PictureScales() {
    static const std::vector<int> scales = {
#define QV_PICTURE_SCALE(k) k,
#include "render/PictureScales.def"
#undef QV_PICTURE_SCALE
    };
    return scales;
}

std::string MasterPath(const std::string& path, int k) {
    if (k == 1) return path;
    const std::string::size_type slash = path.rfind('/');
    const std::string::size_type name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + std::to_string(k) + "x/" + path.substr(name);
}

namespace {

// A master that is there as a regular file, read as it is; null, reporting nothing, otherwise.
SurfacePtr ReadMaster(const std::string& path) {
    if (!IsRegularFile(path)) return nullptr;
    return SurfacePtr(IMG_Load(path.c_str()));
}

// The master for `scale` and the scale it was drawn at: the nearest above, else smaller ones.
std::pair<SurfacePtr, int> NearestMaster(const std::string& path, double scale) {
    const std::vector<int>& scales = PictureScales();
    std::size_t first = 0;
    while (first + 1 < scales.size() && scales[first] < scale) ++first;
    for (std::size_t i = first + 1; i-- > 1;) {
        if (SurfacePtr master = ReadMaster(MasterPath(path, scales[i]))) return {std::move(master), scales[i]};
    }
    return {nullptr, 1};
}

}  // namespace

SDL_Surface* LoadPicture(const std::string& path, const DisplayScale& scale) {
    auto [master, k] = NearestMaster(path, scale.Factor());
    if (!master) {
        SDL_Surface* plain = LoadBitmap(path);  // reports a missing picture
        if (!plain) return nullptr;
        master.reset(plain);
        k = 1;
    }
    // The master's size in the game's units, which the generators make a whole number.
    const int width = scale.Size((master->w + k / 2) / k);
    const int height = scale.Size((master->h + k / 2) / k);
    if (master->w == width && master->h == height) return InDisplayLayout(master.release());
    SurfacePtr resampled = ResampledPicture(master.get(), width, height);
    if (!resampled) {
        ReportSdlError("Could not load bitmap " + path + ".");
        return nullptr;
    }
    return InDisplayLayout(resampled.release());
}

namespace {

void Load(SurfacePtr& slot, const std::string& stem, const DisplayScale& scale) {
    slot.reset(LoadPicture("./graphics/" + stem + ".png", scale));
}

// The first `loaded` slots from "<stem>0.png" on; the others are emptied.
template <std::size_t Slots>
void LoadSeries(std::array<SurfacePtr, Slots>& series, const std::string& stem, int loaded,
                const DisplayScale& scale) {
    for (std::size_t i = 0; i < Slots; ++i) {
        if (static_cast<int>(i) < loaded)
            Load(series[i], stem + std::to_string(i), scale);
        else
            series[i].reset();
    }
}

void Pair(PictureMoves& moves, const SurfacePtr& from, const SurfacePtr& to) {
    if (from) moves[from.get()] = to.get();
}

template <std::size_t Slots>
void Pair(PictureMoves& moves, const std::array<SurfacePtr, Slots>& from,
          const std::array<SurfacePtr, Slots>& to) {
    for (std::size_t i = 0; i < Slots; ++i) Pair(moves, from[i], to[i]);
}

}  // namespace

void LoadAllPictures(PictureTable& p, const DisplayScale& scale) {
    // In the table's order, so several missing files are always reported in the same sequence.
#define QV_PICTURE(field, stem, fit, width, height) Load(p.field, stem, scale);
#define QV_PICTURE_SERIES(field, stem, loaded, slots) LoadSeries(p.field, stem, loaded, scale);
#include "render/PictureList.def"
#undef QV_PICTURE
#undef QV_PICTURE_SERIES
}

PictureMoves PictureMovesBetween(const PictureTable& from, const PictureTable& to) {
    PictureMoves moves;
#define QV_PICTURE(field, stem, fit, width, height) Pair(moves, from.field, to.field);
#define QV_PICTURE_SERIES(field, stem, loaded, slots) Pair(moves, from.field, to.field);
#include "render/PictureList.def"
#undef QV_PICTURE
#undef QV_PICTURE_SERIES
    return moves;
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
