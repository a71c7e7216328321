#include "render/MessageBoxState.h"

#include <sstream>
#include <vector>

#include "platform/SdlErrorReport.h"
#include "render/MediaStore.h"
#include "render/Resample.h"
#include "render/Text.h"

namespace qv {

namespace {

constexpr int kBackgroundSprite = 0;
constexpr int kFrameSprite = 1;
constexpr int kBoxSprite = 2;
constexpr int kFirstButtonSprite = 3;

constexpr SDL_Color kBoxFill{205, 204, 147, 0};
constexpr SDL_Color kTextColor{68, 68, 49, 0};
constexpr int kTitlePoints = 15;
constexpr int kTitleLineHeight = 18;
constexpr int kTextPoints = 14;
constexpr int kSmallestTextPoints = 12;  // still clear within the 15-pixel line spacing
constexpr int kFirstLineY = 22;
constexpr int kLineHeight = 15;
constexpr int kLineBufferSize = 100;  // a box line holds at most 99 characters
constexpr int kPictureTop = 29;
constexpr int kPictureStep = 14;

void BlitOnto(SDL_Surface* picture, SDL_Surface* target, int x, int y) {
    if (!picture || !target) return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(picture, nullptr, target, &where);
}

}  // namespace

MessageBoxState::MessageBoxState(ScreenContext& screenContext, const std::string& boxTitle,
                                 const std::string& boxText, SDL_Surface* picture,
                                 const std::vector<std::string>& buttonFiles)
    : context(screenContext) {
    LoadButtons(buttonFiles);
    if (picture) {
        pictureCopy.reset(SDL_ConvertSurface(picture, picture->format, picture->flags));
        pictureSize = {context.scale.Logical(picture->w), context.scale.Logical(picture->h)};
    }
    ComposeBox(boxTitle, boxText, picture);
}

MessageBoxState::MessageBoxState(ScreenContext& screenContext, const std::string& boxTitle,
                                 const std::string& boxText, const std::string& path,
                                 const std::vector<std::string>& buttonFiles)
    : context(screenContext), picturePath(path) {
    LoadButtons(buttonFiles);
    SurfacePtr picture(picturePath.empty() ? nullptr : LoadPicture(picturePath, context.scale));
    ComposeBox(boxTitle, boxText, picture.get());
}

MessageBoxState::~MessageBoxState() {
    for (Button& button : buttons) button.FreeImages();
}

void MessageBoxState::LoadButtons(const std::vector<std::string>& buttonFiles) {
    sprites.Clear();
    buttonCount = 0;
    for (const std::string& file : buttonFiles) {
        if (file.empty() || buttonCount == kMaxBoxButtons) break;
        buttons[buttonCount].LoadButton(file, &sprites.sprites[kFirstButtonSprite + buttonCount],
                                        context.scale);
        ++buttonCount;
    }
    sprites.count = kFirstButtonSprite + buttonCount;
}

void MessageBoxState::CaptureBackground() {
    // The game's picture without the bars, which a whole draw makes black anyway.
    SDL_Surface* display = DisplaySurface();
    SDL_Rect area = context.scale.PictureArea();
    background = display ? CreateDisplayLikeSurface(area.w, area.h) : nullptr;
    if (!background) {
        ReportSdlError("Couldn't create background surface.");
        return;
    }
    if (SDL_BlitSurface(display, &area, background.get(), nullptr) != 0)
        ReportSdlError("Couldn't blit to background surface.");
}

int MessageBoxState::RenderTitle(const std::string& boxTitle) {
    const DisplayScale& scale = context.scale;
    FontPtr font = OpenUiFont(scale.Points(kTitlePoints));
    if (!font) return 1;
    TTF_SetFontStyle(font.get(), TTF_STYLE_BOLD);
    // SDL_ttf refuses empty text; an untitled box (a level without a name) is not an error.
    if (boxTitle.empty()) return 1;
    // A player's name of wide capitals can outgrow the box; it goes on below, like a text line.
    const std::vector<std::string> lines = WrapLine(font.get(), boxTitle, scale.Pixels(kBoxWidth));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        SurfacePtr rendered = RenderBlended(font.get(), lines[k], kTextColor);
        BlitOnto(rendered.get(), box.get(), 0,
                 scale.Pixels(static_cast<int>(k) * kTitleLineHeight));
    }
    return static_cast<int>(lines.size());
}

void MessageBoxState::RenderLines(const std::string& boxText, int top) {
    // The final read past the end fails with an empty line and still counts; a line too long
    // for the buffer is cut and fails the stream, hiding the rest of the text.
    std::vector<std::string> lines;
    std::istringstream in(boxText);
    while (!in.fail()) {
        char line[kLineBufferSize] = {};
        in.getline(line, kLineBufferSize);
        lines.emplace_back(line);
    }
    // The lines are counted even without a font: the picture is placed below them.
    lineCount = static_cast<int>(lines.size());
    const DisplayScale& scale = context.scale;
    const int width = scale.Pixels(kBoxWidth);
    FontPtr font = OpenUiFontFitting(scale.Points(kTextPoints), scale.Points(kSmallestTextPoints),
                                     lines, width);
    if (!font) return;
    // What is still too wide at the smallest size goes on on the next line, pushing the rest
    // (and the picture) down.
    int y = top;
    for (const std::string& line : lines) {
        const std::vector<std::string> wrapped = WrapLine(font.get(), line, width);
        lineCount += static_cast<int>(wrapped.size()) - 1;
        for (const std::string& piece : wrapped) {
            if (!piece.empty()) {
                SurfacePtr rendered = RenderBlended(font.get(), piece, kTextColor);
                BlitOnto(rendered.get(), box.get(), 0, scale.Pixels(y));
            }
            y += kLineHeight;
        }
    }
}

void MessageBoxState::ComposeBox(const std::string& boxTitle, const std::string& boxText,
                                 SDL_Surface* picture) {
    title = boxTitle;
    text = boxText;
    CaptureBackground();
    const DisplayScale& scale = context.scale;
    box = CreateDisplayLikeSurface(scale.Size(kBoxWidth), scale.Size(kBoxHeight));
    if (box) {
        SDL_FillRect(box.get(), nullptr,
                     SDL_MapRGB(box->format, kBoxFill.r, kBoxFill.g, kBoxFill.b));
    } else {
        ReportSdlError("Can't create surface for message box.");
    }
    // Every title line past the first moves the text and the picture down.
    const int titleShift = (RenderTitle(boxTitle) - 1) * kTitleLineHeight;
    RenderLines(boxText, kFirstLineY + titleShift);
    if (picture) {
        const int x = (scale.Pixels(kBoxWidth) - picture->w) / 2;
        BlitOnto(picture, box.get(), x,
                 scale.Pixels(titleShift + kPictureTop + kPictureStep * lineCount));
    }
    sprites.sprites[kBackgroundSprite] = Sprite{background.get(), 0, 0};
    sprites.sprites[kFrameSprite] = Sprite{context.pictures.message.get(), 0, 0};
    sprites.sprites[kBoxSprite] = Sprite{box.get(), kBoxX, kBoxY};
}

void MessageBoxState::HandleEvents() {
    context.events.WaitAndDrain([this](const SDL_Event& event) { return HandleEvent(event); });
}

EventFlow MessageBoxState::HandleEvent(const SDL_Event& event) {
    for (int i = 0; i < buttonCount; ++i) {
        if (buttons[i].HandleEvent(event)) {
            context.screens.CloseBox(i);
            return EventFlow::Continue;
        }
    }
    if (event.type == SDL_KEYUP && !waitsForChoice) {
        // A question closed without an answer would leave the screen under it not knowing
        // what to do; there only the buttons' own hot keys count.
        const SDLKey key = event.key.keysym.sym;
        if (key == SDLK_RETURN || key == SDLK_SPACE || key == SDLK_ESCAPE) {
            context.screens.CloseBox();
            return EventFlow::Continue;
        }
    }
    if (event.type == SDL_QUIT) context.screens.Quit();
    return EventFlow::Continue;
}

void MessageBoxState::Draw() { sprites.Draw(DisplaySurface(), context.frame, context.scale); }

void MessageBoxState::Rescale(const PictureMoves& moves) {
    sprites.Repoint(moves);
    for (int i = 0; i < buttonCount; ++i) buttons[i].Rescale();
    SurfacePtr picture;
    if (!picturePath.empty()) {
        picture.reset(LoadPicture(picturePath, context.scale));
    } else if (pictureCopy) {
        picture = ResampledPicture(pictureCopy.get(), context.scale.Size(pictureSize.width),
                                   context.scale.Size(pictureSize.height));
    }
    ComposeBox(title, text, picture.get());
}

}  // namespace qv
