#pragma once
// Pictures shared by the screens, loaded once at start-up and kept until shutdown. Screens borrow
// the surfaces for blitting and never free them.
#include <SDL.h>

#include <array>
#include <string>

#include "puzzle/Types.h"
#include "render/Surface.h"

namespace qv {

constexpr int kTutorialPictureSlots = 20;
constexpr int kTutorialPicturesLoaded = 8;

struct PictureTable {
    SurfacePtr star, circle, triangle;
    SurfacePtr selectedCircle, selectedStar, selectedTriangle;
    SurfacePtr starGoal, circleGoal, triangleGoal;
    SurfacePtr arrowUp, arrowDown, arrowLeft, arrowRight;
    SurfacePtr caret, chooseLevel, editor, play, message;
    SurfacePtr red, yellow, blue, green, orange, purple, white;
    SurfacePtr previewRed, previewYellow, previewBlue, previewGreen, previewOrange, previewPurple,
        previewWhite;
    SurfacePtr previewCircle, previewStar, previewTriangle, previewCircleGoal, previewStarGoal,
        previewTriangleGoal;
    SurfacePtr circleHelp, starHelp, triangleHelp, whiteHelp, redHelp, yellowHelp, blueHelp,
        orangeHelp, greenHelp, purpleHelp;
    std::array<SurfacePtr, kTutorialPictureSlots> tutorial;  // only 0..7 are ever loaded
    SurfacePtr locked;
    // A step the shape may not take, and the menu's mark of a level solved in par.
    SurfacePtr arrowBlockedUp, arrowBlockedDown, arrowBlockedLeft, arrowBlockedRight;
    SurfacePtr parMark;
};

// The process-wide table; empty until LoadAllPictures.
PictureTable& Pictures();

// Loads one picture into a new surface the caller owns; reports and returns null on failure.
SDL_Surface* LoadBitmap(const std::string& path);
// Fills the picture table at start-up (62 files under "./graphics/").
void LoadAllPictures();
// Frees every picture of the table; the shell calls it before SDL_Quit.
void FreeAllPictures();

// A colour's pictures: board tile, level preview tile, help diagram. Black and values outside
// 1..7 have none (null); callers that must report bad colours check IsValidColor themselves.
SDL_Surface* TilePicture(TileColor color);
SDL_Surface* PreviewTilePicture(TileColor color);
SDL_Surface* ColorHelpPicture(TileColor color);

}  // namespace qv
