#include "screens/PlayState.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "audio/Sounds.h"
#include "platform/Input.h"
#include "puzzle/Level.h"
#include "render/MediaStore.h"
#include "render/MessageBoxes.h"
#include "render/Pointer.h"
#include "screens/LevelPar.h"
#include "screens/LinkedLevel.h"
#include "screens/PlayHint.h"
#include "screens/PlayKeeping.h"
#include "util/ErrorReport.h"

namespace qv {

namespace {

constexpr int kHelpX = 48;  // centred in the background's help panel
constexpr int kHelpY = 230;
constexpr int kColorHelpY = 310;
// A touch screen's "how to move" lines, under the heading of the background's panel.
constexpr const char kTouchMoveHelpFile[] = "./graphics/howtomove_touch.png";
constexpr int kTouchMoveHelpX = 47;
constexpr int kTouchMoveHelpY = 88;

// Less travel than this between press and release still counts as a click.
constexpr int32_t kClickTravel = 3;
// A fingertip wobbles more than a mouse: on a touch screen a tap may travel up to this much
// (a fifth of a tile), and a swipe on a shape must go at least this far to move it.
constexpr int32_t kTouchTravel = 12;
// Long enough for the last move to be seen before the level moves on.
constexpr uint32_t kSolvedPauseMs = 500;

// The move counter and par sit on the wood either side of the name plate, in the colours of
// the background's own headings.
constexpr int kLabelGap = 14;
constexpr int kMovesLabelRight = kNameStripX - kLabelGap;
constexpr int kParLabelLeft = kNameStripX + kNameStripWidth + kLabelGap;
// On the wood between the restart and exit buttons, lined up with them.
constexpr int kThinkingX = 51;
constexpr int kThinkingY = 502;
constexpr int kLineHeight = 17;
constexpr char kThinkingText[] = "thinking...";
constexpr char kMakingNextText[] = "making the next";
constexpr char kMakingNextText2[] = "puzzle...";
// What a way being watched shows there, and how its keys go.
constexpr char kShortestNote[] = "a shortest way";
constexpr char kBestNote[] = "your best way";
constexpr char kWatchKeysNote[] = "Space pauses";
constexpr char kWatchPausedNote[] = "paused: Space";
constexpr char kWatchEndNote[] = "Escape leaves";

constexpr const char* kWatchButtonFile = "./gui/messages/watch.button";
enum WellDoneAnswer : int32_t { AnswerOk = 0, AnswerWatch = 1 };
constexpr int kLabelPoints = 14;

constexpr ShapeKind kShapes[] = {ShapeKind::Circle, ShapeKind::Star, ShapeKind::Triangle};

SDL_Surface* PlainShapePicture(const PictureTable& p, ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Circle: return p.circle.get();
    case ShapeKind::Star: return p.star.get();
    case ShapeKind::Triangle: return p.triangle.get();
    }
    return nullptr;
}

SDL_Surface* SelectedShapePicture(const PictureTable& p, ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Circle: return p.selectedCircle.get();
    case ShapeKind::Star: return p.selectedStar.get();
    case ShapeKind::Triangle: return p.selectedTriangle.get();
    }
    return nullptr;
}

SDL_Surface* ShapeHelpPicture(const PictureTable& p, std::optional<ShapeKind> kind) {
    if (!kind) return nullptr;
    switch (*kind) {
    case ShapeKind::Circle: return p.circleHelp.get();
    case ShapeKind::Star: return p.starHelp.get();
    case ShapeKind::Triangle: return p.triangleHelp.get();
    }
    return nullptr;
}

SDL_Surface* ArrowPicture(const PictureTable& p, TileSection section, bool blocked) {
    switch (section) {
    case TileSection::Up: return (blocked ? p.arrowBlockedUp : p.arrowUp).get();
    case TileSection::Down: return (blocked ? p.arrowBlockedDown : p.arrowDown).get();
    case TileSection::Left: return (blocked ? p.arrowBlockedLeft : p.arrowLeft).get();
    case TileSection::Right: return (blocked ? p.arrowBlockedRight : p.arrowRight).get();
    }
    return nullptr;
}

// The step a click in this section asks for.
std::pair<int, int> StepOf(TileSection section) {
    switch (section) {
    case TileSection::Up: return {0, -1};
    case TileSection::Down: return {0, 1};
    case TileSection::Left: return {-1, 0};
    case TileSection::Right: return {1, 0};
    }
    return {0, 0};
}

TileSection SectionOf(StepDirection direction) {
    switch (direction) {
    case StepDirection::Up: return TileSection::Up;
    case StepDirection::Down: return TileSection::Down;
    case StepDirection::Left: return TileSection::Left;
    case StepDirection::Right: return TileSection::Right;
    }
    return TileSection::Up;
}

}  // namespace

PlayState::PlayState(GameContext& context, PlayMode mode)
    : BoardView(context.pictures, context.scale, context.library.CurrentLevel()),
      ctx(context),
      setPars(context.library) {
    Level& level = BoardLevel();
    if (level.status == LevelStatus::Locked) ReportError("Shouldn't be able to play locked level.");
    CentreOnUsedTiles();
    AttachBoardPictures();
    sprites.sprites[kHelpSlot].x = kHelpX;
    sprites.sprites[kHelpSlot].y = kHelpY;
    sprites.sprites[kColorHelpSlot].x = kHelpX;
    sprites.sprites[kColorHelpSlot].y = kColorHelpY;
    if (ctx.device.touchFirst) {
        touchMoveHelp.reset(LoadPicture(kTouchMoveHelpFile, ctx.scale));
        sprites.sprites[kTouchMoveHelpSlot] = {touchMoveHelp.get(), kTouchMoveHelpX,
                                               kTouchMoveHelpY};
    }
    sprites.count = kSlotCount;
    undoButton.LoadButton("./gui/play/undo.button", &sprites.sprites[kUndoSlot], ctx.scale);
    redoButton.LoadButton("./gui/play/redo.button", &sprites.sprites[kRedoSlot], ctx.scale);
    restartButton.LoadButton("./gui/play/restart.button", &sprites.sprites[kRestartSlot],
                             ctx.scale);
    exitButton.LoadButton("./gui/play/exit.button", &sprites.sprites[kExitSlot], ctx.scale);
    labelFont = OpenUiFont(ctx.scale.Points(kLabelPoints));
    movesLabel.Attach(sprites, kMovesShadowSlot, ctx.scale);
    parLabel.Attach(sprites, kParShadowSlot, ctx.scale);
    thinkingLabel.Attach(sprites, kThinkingShadowSlot, ctx.scale);
    wayNoteLabel.Attach(sprites, kWayNoteShadowSlot, ctx.scale);
    Restart();
    LookUpPar();
    WantNextPuzzle();
    // Nothing is kept of a level tried from the editor or opened from a link, and the library's
    // level may be another by the time this screen goes.
    positionKept = level.fromEditor || level.fromLink;
    if (mode != PlayMode::Play) {
        watchFromMenu = true;
        StartWatching(mode);
        return;
    }
    resumedMoves = ResumeKeptPosition(ctx);
    if (resumedMoves > 0) {
        resumeNotePending = true;
        SnapShapeSprites();
        DrawTiles();
    }
}

PlayState::~PlayState() {
    // Closing the window or quitting leaves the level where it stands.
    KeepLeftPosition();
    undoButton.FreeImages();
    redoButton.FreeImages();
    restartButton.FreeImages();
    exitButton.FreeImages();
}

void PlayState::Draw() {
    UpdateMoveLabel();
    UpdateThinkingLabel();
    Sprite* shaken = nullptr;
    int32_t restX = 0;
    if (const int offset = shake.Offset(ctx.clock.Ticks()); offset != 0) {
        shaken = &sprites.sprites[ShapeSlot(*shake.Shape())];
        restX = shaken->x;
        shaken->x += offset;
    }
    sprites.Draw(DisplaySurface(), ctx.frame, ctx.scale);
    if (shaken) shaken->x = restX;
}

void PlayState::Rescale(const PictureMoves& moves) {
    RescaleBoard(moves);
    for (Button* button : {&undoButton, &redoButton, &restartButton, &exitButton})
        button->Rescale();
    if (touchMoveHelp) {
        touchMoveHelp.reset(LoadPicture(kTouchMoveHelpFile, ctx.scale));
        sprites.sprites[kTouchMoveHelpSlot].picture = touchMoveHelp.get();
    }
    labelFont = OpenUiFont(ctx.scale.Points(kLabelPoints));
    for (ShadowLabel* label : {&movesLabel, &parLabel, &thinkingLabel, &wayNoteLabel})
        label->Rescale(labelFont.get());
}

void PlayState::UpdateMoveLabel() {
    const int moves = static_cast<int>(BoardLevel().playHistory.size());
    if (moves == shownMoves) return;
    shownMoves = moves;
    movesLabel.Show(labelFont.get(), MovesLabel(moves), kMovesLabelRight, kNameLabelY,
                    ShadowLabel::Align::Right);
}

void PlayState::ShowPar() {
    parLabel.Show(labelFont.get(), par ? ParLabel(*par) : std::string(), kParLabelLeft,
                  kNameLabelY, ShadowLabel::Align::Left);
}

void PlayState::UpdateThinkingLabel() {
    // Thinking first; else an arrow along a way not proven shortest says so in the same place,
    // or a way being watched says what it is.
    std::string line = "";
    std::string line2 = "";
    if (waitingForPuzzle) {
        line = kMakingNextText;
        line2 = kMakingNextText2;
    } else if (Thinking()) {
        line = kThinkingText;
    } else if (replay.Active()) {
        line = watchedBest ? kBestNote : kShortestNote;
        line2 = replay.AtEnd() ? kWatchEndNote : replay.Paused() ? kWatchPausedNote : kWatchKeysNote;
    } else if (hintShown && wayHintShown) {
        line = kWayHintLine;
        line2 = kWayHintLine2;
    }
    if (line + '\n' + line2 == noteShown) return;
    noteShown = line + '\n' + line2;
    thinkingLabel.Show(labelFont.get(), line, kThinkingX, kThinkingY, ShadowLabel::Align::Left);
    wayNoteLabel.Show(labelFont.get(), line2, kThinkingX, kThinkingY + kLineHeight,
                      ShadowLabel::Align::Left);
}

void PlayState::LookUpPar() {
    const Level& level = BoardLevel();
    const int32_t index = ctx.library.CurrentLevelIndex();
    parSearch.Cancel();
    parKey.clear();
    par.reset();
    if (PlayingGenerated()) {
        const MadePuzzle* made = ctx.generated.workshop.Find(ctx.generated.playing->puzzle);
        if (made) par = made->par;
        ShowPar();
        return;
    }
    // A level tried from the editor may differ from its file: only the solver can tell.
    // A level being tried or opened from a link is not the set's level its slot names.
    const bool ownCopy = level.fromEditor || level.fromLink;
    if (ownCopy || ctx.library.ParUnknown(index)) {
        if (!ownCopy) parKey = ctx.library.LevelKey(index);
        StartParSearch(parSearch, level);
        // A small level's par is there at once; a big one's comes a few passes later.
        if (parSearch.Step()) TakePar();
    } else {
        par = ctx.library.Par(index);
    }
    ShowPar();
}

void PlayState::TakePar() {
    par = ParFound(parSearch.Result());
    if (!parKey.empty()) ctx.library.RememberPar(parKey, par);
    ShowPar();
}

bool PlayState::Thinking() const {
    return hintSearch.Running() || parSearch.Running() || WaitsForSetPars() || replay.Searching();
}

void PlayState::Think() {
    if (hintSearch.Running()) {
        StepHint();
    } else if (parSearch.Running()) {
        if (parSearch.Step()) TakePar();
    } else if (WaitsForSetPars()) {
        setPars.Step();
    } else if (MakingPuzzle()) {
        ctx.generated.workshop.Step();
    }
}

bool PlayState::WaitsForSetPars() const {
    return BoardLevel().IsSolved() && ctx.library.SolveFinishesSet() && setPars.Pending();
}

void PlayState::HandleEvents() {
    ctx.audio.KeepMusicPlaying();
    Level& level = BoardLevel();
    if (replay.Active()) {
        WatchPass();
        return;
    }
    if (!setCompleteText.empty() && !solved) {
        // "Well done" has been closed: the finished set comes before the next level's intro.
        OpenMessageBox(ctx, kSetCompleteTitle, std::exchange(setCompleteText, {}), nullptr);
        return;
    }
    if (introPending) {
        introPending = false;
        // The box parks this screen underneath it; no input is read in this pass. A level taken
        // up where it was left says so instead of its intro, which a restart brings.
        if (std::exchange(resumeNotePending, false))
            OpenMessageBox(ctx, kResumedTitle, ResumedText(resumedMoves), nullptr);
        else if (!level.introText.empty())
            OpenMessageBoxFromFile(ctx, level.name, level.introText, level.picturePath);
        return;
    }
    if (solved) {
        RunCompletion();
        return;
    }
    if (waitingForPuzzle) {
        WaitForPuzzlePass();
        return;
    }

    const auto handle = [this](const SDL_Event& event) {
        // A click that leaves the screen is not also a click on the board.
        if (!dragging && OfferToButtons(event) == EventFlow::Stop) return EventFlow::Stop;
        HandleEvent(event);
        return EventFlow::Continue;
    };
    // The solver's work must not wait for input, a running shake only for its next frame; an
    // idle screen sleeps. A drag pauses the work: a box with its answer would take the button
    // release the drag waits for.
    EventFlow flow = EventFlow::Continue;
    if ((Thinking() || MakingPuzzle()) && !dragging)
        flow = ctx.events.DrainNow(handle);
    else if (shake.Shape())
        flow = ctx.events.WaitAndDrain(handle, ShapeShake::kFrameMs);
    else
        flow = ctx.events.WaitAndDrain(handle);
    // Handed over to another screen or a box: there is nothing more to do in this pass.
    if (flow == EventFlow::Stop || dragging) return;
    // After the input: a move made meanwhile has cancelled the hint its search was for.
    Think();
    CheckSolved();
}

EventFlow PlayState::OfferToButtons(const SDL_Event& event) {
    if (undoButton.HandleEvent(event)) Undo();
    if (redoButton.HandleEvent(event)) Redo();
    if (restartButton.HandleEvent(event)) Restart(RestartBy::Player);
    if (exitButton.HandleEvent(event)) {
        Leave();
        // What else was queued was meant for this screen, not the next.
        ctx.events.DiscardPending();
        return EventFlow::Stop;
    }
    return EventFlow::Continue;
}

void PlayState::KeepLeftPosition() {
    if (positionKept || replay.Active()) return;
    positionKept = true;
    KeepPosition(ctx);
}

void PlayState::Leave() {
    // The level starts from where it was left next time; the library's copy from its start.
    KeepLeftPosition();
    Restart();
    if (BoardLevel().fromLink) {
        CloseLinkedLevel(ctx.library);
        ctx.generated.playing.reset();
        ctx.SwitchTo(ScreenName::MainMenu);
    } else if (BoardLevel().fromEditor) {
        ctx.SwitchTo(ScreenName::Editor);
    } else {
        ctx.SwitchTo(ScreenName::MainMenu);
    }
}

void PlayState::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        HandleMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
        pointerX = pressX = event.button.x;
        pointerY = pressY = event.button.y;
        dragDistance = 0;
        dragTriedStep = false;
        if (event.button.button == SDL_BUTTON_LEFT) PickUpShape();
        break;
    case SDL_MOUSEBUTTONUP:
        pointerX = event.button.x;
        pointerY = event.button.y;
        if (event.button.button == SDL_BUTTON_LEFT && ctx.device.touchFirst) {
            TouchRelease();
        } else if (event.button.button == SDL_BUTTON_LEFT) {
            if (dragging) {
                dragging = false;
                SnapShapeSprites();
            }
            if (dragDistance < kClickTravel) ClickMove();
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            Undo();
        }
        break;
    case SDL_KEYUP:
        HandleKeyUp(event.key);
        break;
    case SDL_QUIT:
        // The loop stops after this pass; the rest of the queue is still handled.
        ctx.screens.Quit();
        break;
    default:
        break;
    }
}

void PlayState::HandleMotion(const SDL_MouseMotionEvent& motion) {
    // From here on the hover arrow owns the arrow slot again.
    hintShown = false;
    dragDistance += std::abs(motion.x - pointerX) + std::abs(motion.y - pointerY);
    pointerX = motion.x;
    pointerY = motion.y;
    if (motion.state & SDL_BUTTON(SDL_BUTTON_LEFT)) {
        if (dragging)
            DragStep();
        else
            PickUpShape();
    } else {
        UpdateHoverArrow();
    }
    UpdateHelpDiagram();
}

void PlayState::HandleKeyUp(const SDL_KeyboardEvent& key) {
    const SDLMod mod = WithoutLocks(key.keysym.mod);
    const bool ctrl = (mod & KMOD_CTRL) != 0;
    const bool alt = (mod & KMOD_ALT) != 0;
    const bool shift = (mod & KMOD_SHIFT) != 0;
    switch (key.keysym.sym) {
    case SDLK_r:
        if (ctrl) Restart(RestartBy::Player);
        break;
    case SDLK_z:
        if (ctrl && shift)
            Redo();
        else if (ctrl)
            Undo();
        break;
    case SDLK_y:
        if (ctrl) Redo();
        break;
    case SDLK_w:
        // Counts as solved for moving on, but records nothing in the progress file.
        if (alt) solved = true;
        break;
    case SDLK_UP: MoveSelected(0, -1); break;
    case SDLK_DOWN: MoveSelected(0, 1); break;
    case SDLK_LEFT: MoveSelected(-1, 0); break;
    case SDLK_RIGHT: MoveSelected(1, 0); break;
    case SDLK_c:
    case SDLK_1: SelectShape(ShapeKind::Circle); break;
    case SDLK_s:
    case SDLK_2: SelectShape(ShapeKind::Star); break;
    case SDLK_t:
    case SDLK_3: SelectShape(ShapeKind::Triangle); break;
    case SDLK_0: SelectShape(std::nullopt); break;
    case SDLK_h:
        // Not mid-drag: the answer may be a box, which would take the button release the drag
        // waits for.
        if (!dragging) AskForHint();
        break;
    case SDLK_TAB:
        if (BoardLevel().fromEditor) {
            Restart();
            ctx.SwitchTo(ScreenName::Editor);
        }
        break;
    case SDLK_ESCAPE:
        Leave();
        break;
    default:
        break;
    }
}

void PlayState::SelectShape(std::optional<ShapeKind> kind) {
    for (ShapeKind shape : kShapes) {
        sprites.sprites[ShapeSlot(shape)].picture =
            kind == shape ? SelectedShapePicture(pictures, shape) : PlainShapePicture(pictures, shape);
    }
    // Selecting none leaves the help where it is until the pointer next updates it.
    if (kind) sprites.sprites[kHelpSlot].picture = ShapeHelpPicture(pictures, kind);
    selectedShape = kind;
}

void PlayState::MoveSelected(int dx, int dy) {
    if (!selectedShape) return;
    TryMove(BoardLevel().ShapePos(*selectedShape), dx, dy);
}

void PlayState::TryMove(TilePos from, int dx, int dy) {
    const bool moved = steps.Move(BoardLevel(), from, static_cast<int16_t>(from.x + dx),
                                  static_cast<int16_t>(from.y + dy));
    ctx.audio.PlaySound(moved ? MoveSound : BlockedSound);
    if (moved) {
        DropHint();
    } else if (const auto shape = ShapeAt(from)) {
        // Seen with the sound off too.
        shake.Start(*shape, ctx.clock.Ticks());
    }
    SnapShapeSprites();
    DrawTiles();
}

std::optional<ShapeKind> PlayState::ShapeAt(TilePos tile) const {
    const Level& level = BoardLevel();
    for (ShapeKind shape : kShapes) {
        if (level.ShapePos(shape) == tile) return shape;
    }
    return std::nullopt;
}

void PlayState::PickUpShape() {
    if (const auto shape = ShapeAt(TileUnderPointer())) {
        dragging = true;
        dragShape = *shape;
    }
    sprites.sprites[kArrowSlot].picture = nullptr;
    hintShown = false;
}

void PlayState::DragStep() {
    Level& level = BoardLevel();
    const TilePos from = level.ShapePos(dragShape);
    const TilePos under = TileUnderPointer();
    if (under != from) {
        dragTriedStep = true;
        // A tile skipped or a pointer off the board is not a neighbour, so the level refuses
        // it like any move against the rules.
        if (steps.Move(level, from, under.x, under.y)) {
            ctx.audio.PlaySound(MoveSound);
            DropHint();
        } else {
            ctx.audio.PlaySound(DragBlockedSound);
            WarpIntoTile(from);
        }
    }
    Sprite& shape = sprites.sprites[ShapeSlot(dragShape)];
    shape.x = pointerX - kTileSize / 2;
    shape.y = pointerY - kTileSize / 2;
    DrawTiles();
}

void PlayState::WarpIntoTile(TilePos tile) {
    const ScreenPos corner = TileScreenPos(tile);
    pointerX = std::clamp<int32_t>(pointerX, corner.x, corner.x + kTileSize - 1);
    pointerY = std::clamp<int32_t>(pointerY, corner.y, corner.y + kTileSize - 1);
    WarpPointerTo(ctx.scale, pointerX, pointerY);
}

void PlayState::ClickMove() {
    const TilePos tile = TileUnderPointer();
    if (!ShapeAt(tile)) return;
    switch (PointerSection()) {
    case TileSection::Up: TryMove(tile, 0, -1); break;
    case TileSection::Down: TryMove(tile, 0, 1); break;
    case TileSection::Left: TryMove(tile, -1, 0); break;
    case TileSection::Right: TryMove(tile, 1, 0); break;
    }
}

void PlayState::TouchRelease() {
    const bool held = dragging;
    if (dragging) {
        dragging = false;
        SnapShapeSprites();
    }
    if (dragDistance < kTouchTravel) {
        ClickMove();
        return;
    }
    // Only a swipe that stayed on the shape's tile: one that crossed a tile edge has already
    // been a drag step, allowed or not.
    if (!held || dragTriedStep) return;
    const int32_t dx = pointerX - pressX;
    const int32_t dy = pointerY - pressY;
    if (std::max(std::abs(dx), std::abs(dy)) < kTouchTravel) return;
    const TilePos from = BoardLevel().ShapePos(dragShape);
    if (std::abs(dx) >= std::abs(dy))
        TryMove(from, dx > 0 ? 1 : -1, 0);
    else
        TryMove(from, 0, dy > 0 ? 1 : -1);
}

void PlayState::SnapShapeSprites() { PlaceShapeSprites(); }

void PlayState::UpdateHoverArrow() {
    const TilePos tile = TileUnderPointer();
    if (InBoardArray(tile.x, tile.y) && ShapeAt(tile)) {
        const TileSection section = PointerSection();
        const auto [dx, dy] = StepOf(section);
        ShowArrow(tile, section, !BoardLevel().MoveAllowed(tile, tile.x + dx, tile.y + dy));
    } else {
        sprites.sprites[kArrowSlot].picture = nullptr;
    }
}

void PlayState::ShowArrow(TilePos tile, TileSection section, bool blocked) {
    const ScreenPos corner = TileScreenPos(tile);
    sprites.sprites[kArrowSlot] = {ArrowPicture(pictures, section, blocked), corner.x, corner.y};
}

void PlayState::AskForHint() {
    // Asked again while thinking: the answer is on its way. Its first slice comes at the end of
    // this pass, so a hint that takes no longer shows at once.
    if (!hintSearch.Running() && !BoardLevel().IsSolved()) hintSearch.Start(BoardLevel());
}

void PlayState::StepHint() {
    if (hintSearch.Step()) ShowHint(HintFrom(hintSearch.Result()));
}

void PlayState::ShowHint(const Hint& hint) {
    switch (hint.outcome) {
    case HintOutcome::Move:
        // A shape left off the grid by a broken level file has no tile to carry the arrow.
        if (!InBoardArray(hint.move.from.x, hint.move.from.y)) return;
        ShowArrow(hint.move.from, SectionOf(hint.move.direction));
        hintShown = true;
        wayHintShown = !hint.shortest;
        return;
    case HintOutcome::AlreadySolved:
        return;
    case HintOutcome::NoWayHome:
    case HintOutcome::OutOfTime: {
        const bool noWay = hint.outcome == HintOutcome::NoWayHome;
        // The box keeps a picture of the screen beneath it, which has stopped thinking.
        Draw();
        OpenMessageBox(ctx, noWay ? kNoWayHomeTitle : kOutOfTimeTitle,
                       noWay ? kNoWayHomeText : kOutOfTimeText, nullptr);
        return;
    }
    }
}

void PlayState::DropHint() {
    hintSearch.Cancel();
    wayHintShown = false;
    if (!hintShown) return;
    sprites.sprites[kArrowSlot].picture = nullptr;
    hintShown = false;
}

void PlayState::UpdateHelpDiagram() {
    Sprite& shapeHelp = sprites.sprites[kHelpSlot];
    Sprite& colorHelp = sprites.sprites[kColorHelpSlot];
    colorHelp.picture = nullptr;
    const TilePos tile = TileUnderPointer();
    const auto shape = ShapeAt(tile);
    shapeHelp.picture = ShapeHelpPicture(pictures, shape ? shape : selectedShape);
    if (pointerX < kBoardX || pointerY < kBoardY || !InBoardArray(tile.x, tile.y)) return;
    SDL_Surface* help = pictures.ColorHelp(BoardLevel().Tile(tile.x, tile.y));
    (shapeHelp.picture ? colorHelp : shapeHelp).picture = help;
}

void PlayState::Restart(RestartBy by) {
    CentreOnUsedTiles();
    RenderBoard();
    RenderNameLabel();
    if (by == RestartBy::Player) {
        steps.Restart(BoardLevel());
    } else {
        BoardLevel().UndoAllMoves();
        steps.Clear();
    }
    DropHint();
    shake.Stop();
    introPending = true;
    for (ShapeKind shape : kShapes)
        sprites.sprites[ShapeSlot(shape)].picture = PlainShapePicture(pictures, shape);
    selectedShape = std::nullopt;
    SnapShapeSprites();
    DrawTiles();
}

void PlayState::Undo() {
    steps.Undo(BoardLevel());
    ShowStepTaken();
}

void PlayState::Redo() {
    steps.Redo(BoardLevel());
    ShowStepTaken();
}

void PlayState::ShowStepTaken() {
    Level& level = BoardLevel();
    DropHint();
    DrawTiles();
    SnapShapeSprites();
    if (!dragging) return;
    // Keep the dragged shape under the pointer: back to the middle of its tile.
    const TilePos tile = level.ShapePos(dragShape);
    const auto x = static_cast<int16_t>(kBoardX + kTileSize * tile.x + kTileSize / 2 + offsetX);
    const auto y = static_cast<int16_t>(kBoardY + kTileSize * tile.y + kTileSize / 2 + offsetY);
    WarpPointerTo(ctx.scale, x, y);
}

void PlayState::CheckSolved() {
    Level& level = BoardLevel();
    if (!level.IsSolved()) return;
    // "Well done" tells par, and a first finish of a set counts its levels solved in par: the
    // solve waits for them, the screen going on meanwhile (a move off a goal ends the wait).
    if (parSearch.Running() || WaitsForSetPars()) return;
    solved = true;
    if (PlayingGenerated()) {
        RecordGeneratedSolve();
        return;
    }
    // A linked level stands in for the current one and must not be recorded as it.
    if (level.fromLink) return;
    const bool finishedSet = ctx.library.RecordCurrentSolved();
    // A trial from the editor plays a level that may not be saved yet: it sets no record.
    if (level.fromEditor) return;
    RecordSolve();
    if (finishedSet) {
        const SetCompletion set = ctx.library.FinishedSet(par);
        setCompleteText =
            SetCompleteText(set.setName, set.inPar, set.levelCount, set.after, set.nextSetName);
    }
}

void PlayState::RecordSolve() {
    LevelLibrary& library = ctx.library;
    const int moves = static_cast<int>(BoardLevel().playHistory.size());
    // Fewer moves than the table's par prove the table wrong for this level (a file edited by
    // hand): then it promises nothing.
    if (par && moves < *par) {
        par.reset();
        ShowPar();
    }
    const bool hadRecord = library.Record(library.CurrentLevelIndex()).has_value();
    const bool improved = library.OfferRecord(moves);
    lastSolve = SolveSummary{moves, par, improved && hadRecord};
    // A solved level has no position to go on from; its way is kept when it is the best.
    KeepLeftPosition();
    KeepSolution(ctx, library.Record(library.CurrentLevelIndex()).value_or(moves));
}

void PlayState::RunCompletion() {
    ctx.audio.PlaySound(SolvedSound);
    ctx.clock.Sleep(kSolvedPauseMs);
    LevelLibrary& library = ctx.library;
    Level& level = BoardLevel();
    solved = false;
    const std::optional<SolveSummary> summary = std::exchange(lastSolve, std::nullopt);
    if (PlayingGenerated()) {
        CompleteGenerated(summary);
        return;
    }
    if (level.fromLink) {
        const std::string text = "You have solved \"" + level.name + "\".";
        CloseLinkedLevel(library);
        ctx.SwitchTo(ScreenName::MainMenu);
        OpenMessageBox(ctx, "Well done", text, nullptr);
        return;
    }
    if (level.fromEditor) {
        level.UndoAllMoves();
        ctx.SwitchTo(ScreenName::Editor);
        return;
    }
    if (library.LastLevelOfLastSet() || library.LastLevelOfSetBeforeLast()) {
        const std::string finished = std::exchange(setCompleteText, {});
        Restart();
        ctx.SwitchTo(ScreenName::MainMenu);
        // No "Well done" comes on this way, so the set's box (over the menu) also tells how
        // the level went.
        if (!finished.empty()) {
            OpenMessageBox(ctx, kSetCompleteTitle,
                           (summary ? SolveLines(*summary) + "\n\n" : std::string()) + finished,
                           nullptr);
        }
        return;
    }
    // The box shows the solved board beneath it. A proven par means a shortest way the solver
    // can show; the box's answer then leads on (GoOnAfterSolve), and the next level's intro
    // follows (after the finished set's box, if any).
    OpenWellDone(WellDoneText(summary, level.solvedText));
}

void PlayState::OpenWellDone(const std::string& text) {
    std::vector<std::string> buttons{kOkButtonFile};
    if (par) buttons.push_back(kWatchButtonFile);
    OpenOfferBox(ctx, kWellDoneTitle, text, buttons,
                 [this](int32_t answer) { AnswerWellDone(answer); });
}

void PlayState::AnswerWellDone(int32_t answer) {
    if (answer == AnswerWatch) {
        watchFromMenu = false;
        StartWatching(PlayMode::WatchShortest);
        return;
    }
    GoOnAfterSolve();
}

void PlayState::GoOnAfterSolve() {
    if (PlayingGenerated()) {
        GoOnToNextPuzzle();
        return;
    }
    LevelLibrary& library = ctx.library;
    Restart();
    library.NextLevel();
    ShowLevel(library.CurrentLevel());
    Restart();
    positionKept = false;
    resumedMoves = ResumeKeptPosition(ctx);
    resumeNotePending = resumedMoves > 0;
    SnapShapeSprites();
    DrawTiles();
    LookUpPar();
}

}  // namespace qv
