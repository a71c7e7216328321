#include "screens/MainMenuState.h"

#include <algorithm>

#include "platform/EventWait.h"
#include "platform/Input.h"
#include "platform/SdlErrorReport.h"
#include "render/MediaStore.h"
#include "render/Pointer.h"
#include "screens/MenuGenerated.h"
#include "screens/MenuLayout.h"
#include "screens/PlayKeeping.h"
#include "util/ErrorReport.h"

namespace qv {

namespace {

// Drawn in place of the Play button's idle look while the chosen level is locked.
constexpr const char kPlayDisabledFile[] = "./gui/mainmenu/play_disabled.png";
// Room between a level's name and its par mark.
constexpr int kParMarkGap = 5;
// Centred between the preview and the Play button.
constexpr int kOfferY = 331;
constexpr int kOfferCentre = 637;
constexpr int kOfferGap = 18;
constexpr int kOfferPoints = 12;
constexpr char kWatchOffer[] = "W: watch a shortest way";
constexpr char kWatchOfferShort[] = "W: a shortest way";
constexpr char kBestOffer[] = "B: your best";

constexpr int kListPoints = 14;

void Blit(SDL_Surface* picture, SDL_Surface* target, int x, int y) {
    if (!picture || !target) return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(picture, nullptr, target, &where);
}

// A colour-keyed surface of width by height logical units, made once (at the display's scale)
// and then reused; false when it can't be had.
bool EnsureKeyedSurface(SurfacePtr& surface, int width, int height, const DisplayScale& scale,
                        const char* createError, const char* keyError) {
    if (surface) return true;
    surface = CreateDisplayLikeSurface(scale.Size(width), scale.Size(height));
    if (!surface) {
        ReportSdlError(createError);
        return false;
    }
    // Black is transparent, so only the rows and tiles drawn show over the background.
    if (SDL_SetColorKey(surface.get(), SDL_SRCCOLORKEY, 0) == -1) ReportSdlError(keyError);
    return true;
}

}  // namespace

MainMenuState::MainMenuState(GameContext& context) : ctx(context), setPars(context.library) {
    ctx.audio.PlayMenuMusic();
    font = OpenUiFont(ctx.scale.Points(kListPoints));
    if (!font) return;  // reported; without text the menu can't show anything useful

    BuildSetList();
    BuildLevelList();
    BuildPreview();

    const PictureTable& pictures = ctx.pictures;
    sprites.sprites[kMenuBackgroundSlot] = {pictures.chooseLevel.get(), 0, 0};
    sprites.sprites[kSetListSlot] = {setListSurface.get(), kSetList.left, kSetList.top};
    sprites.sprites[kLevelListSlot] = {levelListSurface.get(), kLevelList.left, kLevelList.top};
    sprites.sprites[kPreviewSlot].picture = previewSurface.get();
    sprites.sprites[kLockedSlot] = {pictures.locked.get(), kLockedX, kLockedY};
    sprites.count = kSlotCount;

    playButton.LoadButton("./gui/mainmenu/play.button", &sprites.sprites[kPlaySlot], ctx.scale);
    editButton.LoadButton("./gui/mainmenu/edit.button", &sprites.sprites[kEditSlot], ctx.scale);
    quitButton.LoadButton("./gui/mainmenu/quit.button", &sprites.sprites[kQuitSlot], ctx.scale);
    musicButton.LoadButton("./gui/mainmenu/music.button", &sprites.sprites[kMusicSlot], ctx.scale);
    soundButton.LoadButton("./gui/mainmenu/sound.button", &sprites.sprites[kSoundSlot], ctx.scale);
    // Without its button file there is no Play button to grey out.
    if (playButton.loaded) playDisabled.reset(LoadPicture(kPlayDisabledFile, ctx.scale));

    offerFont = OpenUiFont(ctx.scale.Points(kOfferPoints));
    watchLabel.Attach(sprites, kWatchShadowSlot, ctx.scale);
    bestLabel.Attach(sprites, kBestShadowSlot, ctx.scale);
    ShowWatchOffer();
    if (GeneratedChosen()) ChooseGeneratedRow(ctx.generated.ChosenRow());

    ApplyEditRule();
    // A page has nothing to quit to: hidden, the button takes neither clicks nor its Escape.
    if (!ctx.device.canQuit) quitButton.Hide();
    if (ctx.settings.musicVolume > 0) musicButton.SetToggled(true);
    if (ctx.settings.soundVolume > 0) soundButton.SetToggled(true);
}

bool MainMenuState::CurrentLevelLocked() const {
    return !GeneratedChosen() && ctx.library.CurrentLevel().status == LevelStatus::Locked;
}

bool MainMenuState::PlayBlocked() const {
    return GeneratedChosen() ? !ChosenMade() : CurrentLevelLocked();
}

void MainMenuState::Play() {
    if (PlayBlocked()) return;
    if (const MadePuzzle* made = ChosenMade())
        PutGeneratedLevel(ctx, *ctx.generated.Chosen(), *made);
    else
        ctx.generated.playing.reset();
    ctx.SwitchTo(ScreenName::Play);
}

MainMenuState::~MainMenuState() {
    font.reset();
    setListSurface.reset();
    levelListSurface.reset();
    previewSurface.reset();
    ctx.audio.StopMusic();
    for (Button* button : {&playButton, &editButton, &quitButton, &musicButton, &soundButton})
        button->FreeImages();
}

void MainMenuState::Draw() {
    // The locked marker is the slot just past the count; it covers the preview. The Play
    // button keeps its own look for when the level opens again.
    const int32_t drawn = sprites.count;
    Sprite& play = sprites.sprites[kPlaySlot];
    SDL_Surface* playLook = play.picture;
    if (CurrentLevelLocked()) sprites.count = drawn + 1;
    if (PlayBlocked() && playDisabled && playLook) play.picture = playDisabled.get();
    sprites.Draw(DisplaySurface(), ctx.frame, ctx.scale);
    sprites.count = drawn;
    play.picture = playLook;
}

void MainMenuState::Rescale(const PictureMoves& moves) {
    sprites.Repoint(moves);
    for (Button* button : {&playButton, &editButton, &quitButton, &musicButton, &soundButton})
        button->Rescale();
    if (playButton.loaded) playDisabled.reset(LoadPicture(kPlayDisabledFile, ctx.scale));
    font = OpenUiFont(ctx.scale.Points(kListPoints));
    offerFont = OpenUiFont(ctx.scale.Points(kOfferPoints));
    if (GeneratedChosen())
        ShowGeneratedOffer();
    else
        ShowWatchOffer();
    for (SurfacePtr* surface : {&setListSurface, &levelListSurface, &previewSurface})
        surface->reset();
    BuildSetList();
    BuildLevelList();
    BuildPreview();
    sprites.sprites[kSetListSlot].picture = setListSurface.get();
    sprites.sprites[kLevelListSlot].picture = levelListSurface.get();
    sprites.sprites[kPreviewSlot].picture = previewSurface.get();
}

void MainMenuState::HandleEvents() {
    // Its music may arrive after the menu shows (a browser fetches it then).
    ctx.audio.PlayArrivedMusic();
    const auto handle = [this](const SDL_Event& event) { return HandleEvent(event); };
    if (!setPars.Pending() && !MakingPuzzle()) {
        ctx.events.WaitAndDrain(handle);
        return;
    }
    if (ctx.events.DrainNow(handle) == EventFlow::Stop) return;
    if (MakingPuzzle()) {
        StepWorkshop();
    } else if (setPars.Step()) {
        BuildLevelList();
    }
}

EventFlow MainMenuState::HandleEvent(const SDL_Event& event) {
    if (OfferToButtons(event) == EventFlow::Stop) return EventFlow::Stop;
    switch (event.type) {
    case SDL_KEYDOWN:
        HandleKeyDown(event.key);
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) HandleListClick();
        break;
    case SDL_QUIT:
        ctx.screens.Quit();
        return EventFlow::Stop;
    default:
        break;
    }
    return EventFlow::Continue;
}

EventFlow MainMenuState::OfferToButtons(const SDL_Event& event) {
    if (playButton.HandleEvent(event) && !PlayBlocked()) {
        Play();
        return EventFlow::Stop;
    }
    if (editButton.HandleEvent(event)) {
        // The editor takes the level as it finds it as the baseline for unsaved changes.
        ctx.SwitchTo(ScreenName::Editor);
        // Whatever else was queued belonged to the menu.
        ctx.events.DiscardPending();
        return EventFlow::Stop;
    }
    if (quitButton.HandleEvent(event)) {
        ctx.screens.Quit();
        return EventFlow::Stop;
    }
    // The progress file keeps the volumes too.
    if (musicButton.HandleEvent(event)) {
        const bool on = !musicButton.toggled;
        musicButton.SetToggled(on);
        ctx.audio.SetMusicVolume(on ? 0.5f : 0.0f);
        ctx.library.SaveProgress();
    }
    if (soundButton.HandleEvent(event)) {
        const bool on = !soundButton.toggled;
        soundButton.SetToggled(on);
        ctx.audio.SetSoundVolume(on ? 1.0f : 0.0f);
        ctx.library.SaveProgress();
    }
    return EventFlow::Continue;
}

void MainMenuState::HandleKeyDown(const SDL_KeyboardEvent& key) {
    LevelLibrary& library = ctx.library;
    const bool shift = (WithoutLocks(key.keysym.mod) & KMOD_SHIFT) != 0;
    switch (key.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: {
        if (PlayBlocked()) return;
        Play();
        // The key's release must not reach the play screen, which acts on releases.
        SDL_Event release;
        WaitForEvent(&release);
        return;
    }
    case SDLK_0:
        Play();
        return;
    case SDLK_w:
        Watch(ScreenName::WatchShortest);
        return;
    case SDLK_b:
        Watch(ScreenName::WatchBest);
        return;
    case SDLK_UP:
    case SDLK_DOWN:
        if (shift) {
            HandleShiftKey(key.keysym.sym);
        } else if (GeneratedChosen()) {
            ChooseGeneratedRow(ctx.generated.ChosenRow() + (key.keysym.sym == SDLK_UP ? -1 : 1));
        } else if (key.keysym.sym == SDLK_UP) {
            library.PreviousLevel();
            RebuildLevelView();
        } else if (library.CurrentLevelIndex() < library.CurrentSet().levelCount - 1) {
            library.NextLevel();
            RebuildLevelView();
        }
        break;
    default:
        return;
    }
}

void MainMenuState::HandleShiftKey(SDLKey key) {
    // The generated sets follow the library's last set.
    LevelLibrary& library = ctx.library;
    const std::optional<int> generated = ctx.generated.ChosenSet();
    if (key == SDLK_UP && generated) {
        ChooseGeneratedSet(*generated > 0 ? std::optional<int>(*generated - 1) : std::nullopt);
        return;
    }
    if (key == SDLK_DOWN && generated) {
        ChooseGeneratedSet(std::min(*generated + 1, kGeneratedSetCount - 1));
        return;
    }
    const int32_t before = library.CurrentSetIndex();
    if (key == SDLK_UP) library.PreviousSet(); else library.NextSet();
    if (key == SDLK_DOWN && library.CurrentSetIndex() == before) {
        ChooseGeneratedSet(kDailySet);
        return;
    }
    BuildSetList();
    RebuildLevelView();
    ApplyEditRule();
}

void MainMenuState::HandleListClick() {
    int x = 0;
    int y = 0;
    LogicalPointerState(ctx.scale, &x, &y);
    if (OnLabel(sprites.sprites[kWatchSlot], x, y)) {
        Watch(ScreenName::WatchShortest);
        return;
    }
    if (OnLabel(sprites.sprites[kBestSlot], x, y)) {
        Watch(ScreenName::WatchBest);
        return;
    }
    const int firstGenerated = FirstGeneratedSetRow(ctx.library);
    if (const auto row = ListRowAt(kSetList, x, y); row && *row >= firstGenerated) {
        ChooseGeneratedSet(*row - firstGenerated);
    } else if (row && (*row < ctx.library.SetCount() || !GeneratedChosen())) {
        // A row of the library's sets; an empty one leaves a generated set chosen.
        if (*row >= 0 && *row < kMaxSets && !ctx.library.Set(*row).name.empty())
            ctx.generated.ChooseSet(std::nullopt);
        ctx.library.SelectSet(*row);
        BuildSetList();
        RebuildLevelView();
    }
    ApplyEditRule();
    if (const auto row = ListRowAt(kLevelList, x, y)) {
        if (GeneratedChosen()) {
            ChooseGeneratedRow(*row);
        } else {
            ctx.library.SelectLevel(*row);
            RebuildLevelView();
        }
    }
}

void MainMenuState::ApplyEditRule() {
    if (ctx.library.CurrentSetIsUsers() && !GeneratedChosen())
        editButton.Show();
    else
        editButton.Hide();
}

void MainMenuState::RebuildLevelView() {
    if (GeneratedChosen()) {
        BuildGeneratedList();
        BuildPreview();
        ShowGeneratedOffer();
        return;
    }
    BuildLevelList();
    BuildPreview();
    ShowWatchOffer();
}

bool MainMenuState::WatchOffered() const {
    return !GeneratedChosen() && ctx.library.CurrentLevel().status == LevelStatus::Solved;
}

void MainMenuState::ShowWatchOffer() {
    const bool offered = WatchOffered();
    bestKept = offered && KeptSolution(ctx).has_value();
    TTF_Font* small = offerFont.get();
    const char* watch = bestKept ? kWatchOfferShort : kWatchOffer;
    const int watchWidth = ctx.scale.Logical(TextWidth(small, watch));
    const int bestWidth = bestKept ? kOfferGap + ctx.scale.Logical(TextWidth(small, kBestOffer)) : 0;
    const int left = kOfferCentre - (watchWidth + bestWidth) / 2;
    watchLabel.Show(small, offered ? watch : "", left, kOfferY, ShadowLabel::Align::Left);
    bestLabel.Show(small, bestKept ? kBestOffer : "", left + watchWidth + bestWidth, kOfferY,
                   ShadowLabel::Align::Right);
}

void MainMenuState::Watch(ScreenName how) {
    if (!WatchOffered() || (how == ScreenName::WatchBest && !bestKept)) return;
    ctx.SwitchTo(how);
    ctx.events.DiscardPending();
}

bool MainMenuState::OnLabel(const Sprite& label, int x, int y) const {
    return label.picture && x >= label.x && x < label.x + ctx.scale.Logical(label.picture->w) &&
           y >= label.y && y < label.y + ctx.scale.Logical(label.picture->h);
}

void MainMenuState::BuildList(SurfacePtr& surface, const ListBox& box, SDL_Color background,
                              const char* createError, const char* keyError,
                              const std::vector<ListRow>& rows) {
    if (!font) return;  // the menu shows nothing without its font
    const DisplayScale& scale = ctx.scale;
    if (!EnsureKeyedSurface(surface, box.width, box.height, scale, createError, keyError)) return;
    SDL_FillRect(surface.get(), nullptr, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        // An unnamed set or level keeps an empty row: there is nothing to render, and asking
        // the font to render nothing fails with an error box for every such row.
        if (rows[i].text.empty()) continue;
        SurfacePtr text = RenderShaded(font.get(), rows[i].text,
                                       ListRowColor(rows[i].current, rows[i].status), background);
        const int y = scale.Pixels(static_cast<int>(i) * kListRowHeight);
        Blit(text.get(), surface.get(), 0, y);
        SDL_Surface* mark = ctx.pictures.parMark.get();
        if (!rows[i].inPar || !text || !mark) continue;
        // Right after the name, or at the list's right edge over the end of a long one; on the
        // list's own colour, since black is the surface's transparent key.
        const int right = scale.Pixels(box.width) - mark->w;
        SDL_Rect where{static_cast<Sint16>(std::min(text->w + scale.Pixels(kParMarkGap), right)),
                       static_cast<Sint16>(y + (text->h - mark->h) / 2),
                       static_cast<Uint16>(mark->w), static_cast<Uint16>(mark->h)};
        SDL_Rect fill = where;  // SDL clips the rectangle it is given
        SDL_FillRect(surface.get(), &fill,
                     SDL_MapRGB(surface->format, background.r, background.g, background.b));
        SDL_BlitSurface(mark, nullptr, surface.get(), &where);
    }
}

void MainMenuState::BuildSetList() {
    const LevelLibrary& library = ctx.library;
    std::vector<ListRow> rows;
    for (int i = 0; i < library.SetCount() && i < kMaxSets; ++i) {
        const LevelSet& set = library.Set(i);
        rows.push_back({set.name, i == library.CurrentSetIndex() && !GeneratedChosen(),
                        set.Status()});
    }
    AddGeneratedSetRows(rows);
    BuildList(setListSurface, kSetList, kSetListBackground,
              "Can't create surface for Application.CurrentLevel set list.",
              "Can't set color key for Application.CurrentLevel set list surface.", rows);
    sprites.Refresh(kSetListSlot);
}

void MainMenuState::BuildLevelList() {
    if (GeneratedChosen()) {
        BuildGeneratedList();
        return;
    }
    const LevelLibrary& library = ctx.library;
    std::vector<ListRow> rows;
    const int count = library.CurrentSet().levelCount;
    for (int i = 0; i < count && i < kMaxLevelsPerSet; ++i) {
        const Level& level = library.LevelAt(i);
        rows.push_back({LowerCased(level.name), &level == &library.CurrentLevel(), level.status,
                        library.SolvedInPar(i)});
    }
    BuildList(levelListSurface, kLevelList, kLevelListBackground,
              "Can't create surface for Application.CurrentLevel list.",
              "Can't set color key for Application.CurrentLevel list surface.", rows);
    sprites.Refresh(kLevelListSlot);
}

void MainMenuState::BuildPreview() {
    if (!GeneratedChosen()) {
        DrawPreview(&ctx.library.CurrentLevel());
    } else if (const MadePuzzle* made = ChosenMade()) {
        DrawPreview(&made->level);
    } else {
        DrawPreview(nullptr);
    }
}

void MainMenuState::DrawPreview(const Level* shown) {
    if (!font) return;
    const DisplayScale& scale = ctx.scale;
    if (!EnsureKeyedSurface(previewSurface, kPreviewWidth, kPreviewHeight, scale,
                            "Can't create surface for level preview.",
                            "Can't set color key for level preview surface.")) {
        return;
    }
    SDL_Surface* target = previewSurface.get();
    SDL_FillRect(target, nullptr, 0);
    sprites.Refresh(kPreviewSlot);
    if (!shown) return;

    const Level& level = *shown;
    for (int x = 0; x < level.Columns(); ++x) {
        for (int y = 0; y < level.Rows(); ++y) {
            const TileColor color = level.Tile(x, y);
            if (!IsValidColor(static_cast<int32_t>(color))) {
                ReportError("Tile (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") has an invalid color (" +
                            std::to_string(static_cast<int32_t>(color)) + ").");
                continue;
            }
            BlitIntoArea(ctx.pictures.PreviewTile(color), target,
                         scale.Area(x * kPreviewCell, y * kPreviewCell, kPreviewCell, kPreviewCell));
        }
    }

    const PictureTable& pictures = ctx.pictures;
    const auto at = [&scale](TilePos pos, int inset) {
        return std::pair<int, int>{scale.Pixels(pos.x * kPreviewCell + inset),
                                   scale.Pixels(pos.y * kPreviewCell + inset)};
    };
    const std::pair<SDL_Surface*, TilePos> goals[] = {
        {pictures.previewCircleGoal.get(), level.circleGoal},
        {pictures.previewStarGoal.get(), level.starGoal},
        {pictures.previewTriangleGoal.get(), level.triangleGoal}};
    for (const auto& [picture, pos] : goals) {
        const auto [x, y] = at(pos, 1);
        Blit(picture, target, x, y);
    }
    const std::pair<SDL_Surface*, TilePos> shapes[] = {
        {pictures.previewCircle.get(), level.circlePos},
        {pictures.previewStar.get(), level.starPos},
        {pictures.previewTriangle.get(), level.trianglePos}};
    for (const auto& [picture, pos] : shapes) {
        const auto [x, y] = at(pos, 0);
        Blit(picture, target, x, y);
    }

    const SDL_Rect where = PreviewPlacement(level);
    sprites.sprites[kPreviewSlot].x = where.x;
    sprites.sprites[kPreviewSlot].y = where.y;
}

}  // namespace qv
