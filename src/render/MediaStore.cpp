#include "render/MediaStore.h"

#include <SDL_image.h>

#include "platform/SdlErrorReport.h"

namespace qv {

PictureTable& Pictures() {
    static PictureTable table;
    return table;
}

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
    SDL_Surface* surface = IMG_Load(path.c_str());
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

}  // namespace

void LoadAllPictures() {
    PictureTable& p = Pictures();
    // A fixed order, so several missing files are always reported in the same sequence.
    Load(p.star, "star");
    Load(p.circle, "circle");
    Load(p.triangle, "triangle");
    Load(p.selectedStar, "selectedstar");
    Load(p.selectedCircle, "selectedcircle");
    Load(p.selectedTriangle, "selectedtriangle");
    Load(p.starGoal, "stargoal");
    Load(p.circleGoal, "circlegoal");
    Load(p.triangleGoal, "trianglegoal");
    Load(p.previewCircle, "previewcircle");
    Load(p.previewStar, "previewstar");
    Load(p.previewTriangle, "previewtriangle");
    Load(p.previewCircleGoal, "previewcirclegoal");
    Load(p.previewStarGoal, "previewstargoal");
    Load(p.previewTriangleGoal, "previewtrianglegoal");
    Load(p.arrowUp, "arrowup");
    Load(p.arrowDown, "arrowdown");
    Load(p.arrowLeft, "arrowleft");
    Load(p.arrowRight, "arrowright");
    Load(p.editor, "editor");
    Load(p.play, "play");
    Load(p.message, "message");
    Load(p.caret, "caret");
    Load(p.red, "red");
    Load(p.yellow, "yellow");
    Load(p.blue, "blue");
    Load(p.green, "green");
    Load(p.orange, "orange");
    Load(p.purple, "purple");
    Load(p.white, "white");
    Load(p.previewRed, "previewred");
    Load(p.previewYellow, "previewyellow");
    Load(p.previewBlue, "previewblue");
    Load(p.previewGreen, "previewgreen");
    Load(p.previewOrange, "previeworange");
    Load(p.previewPurple, "previewpurple");
    Load(p.previewWhite, "previewwhite");
    for (int i = 0; i < kTutorialPictureSlots; ++i) {
        if (i < kTutorialPicturesLoaded)
            Load(p.tutorial[i], "tutorial" + std::to_string(i));
        else
            p.tutorial[i].reset();
    }
    Load(p.locked, "locked");
    Load(p.circleHelp, "circlehelp");
    Load(p.starHelp, "starhelp");
    Load(p.triangleHelp, "trianglehelp");
    Load(p.whiteHelp, "whitehelp");
    Load(p.redHelp, "redhelp");
    Load(p.yellowHelp, "yellowhelp");
    Load(p.blueHelp, "bluehelp");
    Load(p.greenHelp, "greenhelp");
    Load(p.orangeHelp, "orangehelp");
    Load(p.purpleHelp, "purplehelp");
    Load(p.chooseLevel, "chooselevel_beta");
    Load(p.arrowBlockedUp, "arrowblockedup");
    Load(p.arrowBlockedDown, "arrowblockeddown");
    Load(p.arrowBlockedLeft, "arrowblockedleft");
    Load(p.arrowBlockedRight, "arrowblockedright");
    Load(p.parMark, "parmark");
}

void FreeAllPictures() { Pictures() = PictureTable(); }

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

SDL_Surface* ColorPicture(TileColor color, SurfacePtr PictureTable::*ColorPictures::*column) {
    const int32_t code = static_cast<int32_t>(color);
    if (code < 1 || code > 7) return nullptr;
    return (Pictures().*(kColorPictures[code - 1].*column)).get();
}

}  // namespace

SDL_Surface* TilePicture(TileColor color) { return ColorPicture(color, &ColorPictures::tile); }

SDL_Surface* PreviewTilePicture(TileColor color) {
    return ColorPicture(color, &ColorPictures::preview);
}

SDL_Surface* ColorHelpPicture(TileColor color) { return ColorPicture(color, &ColorPictures::help); }

}  // namespace qv
