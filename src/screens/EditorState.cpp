#include "screens/EditorState.h"

#include <cstdlib>

#include "platform/Clipboard.h"
#include "platform/Input.h"
#include "platform/LevelLinks.h"
#include "puzzle/LevelLink.h"
#include "render/MediaStore.h"
#include "render/MessageBoxes.h"
#include "screens/EditorCheck.h"
#include "screens/EditorNameField.h"
#include "screens/PastedLevel.h"
#include "util/ErrorReport.h"

namespace qv {

namespace {

constexpr const char* kSaveButtonFile = "./gui/messages/save.button";
constexpr const char* kDiscardButtonFile = "./gui/messages/discard.button";
constexpr const char* kCancelButtonFile = "./gui/messages/cancel.button";
enum SaveQuestionAnswer : int32_t { AnswerSave = 0, AnswerDiscard = 1, AnswerCancel = 2 };

// A breath after each event, so a long drag does not keep the processor busy.
constexpr uint32_t kEventPauseMs = 1;
// Less travel than this between press and release still applies the tool as a click.
constexpr int32_t kClickTravel = 2;
// A press this close to a tile's top-left corner takes its goal marker rather than its shape.
constexpr int kGoalGrip = 20;
// Half of a goal marker: a dragged goal is centred on the pointer.
constexpr int kGoalHalf = 10;
// "checking..." sits on the panel between the shift buttons and the undo and play buttons,
// lined up with them.
constexpr int kCheckingX = 14;
constexpr int kCheckingY = 361;
constexpr char kCheckingText[] = "checking...";
constexpr int kLabelPoints = 14;

constexpr ShapeKind kShapes[] = {ShapeKind::Circle, ShapeKind::Star, ShapeKind::Triangle};

// A code's line in the box: the digits and letters of a code are about 8 pixels wide.
constexpr std::size_t kCodeLineChars = 40;

// The modifiers of the key event itself: a quick Ctrl+S may be queued whole, with the Ctrl
// release behind it, before the editor looks.
bool CtrlHeld(const SDL_KeyboardEvent& key) {
    return (WithoutLocks(key.keysym.mod) & KMOD_CTRL) != 0;
}

}  // namespace

EditorState::EditorState(GameContext& context)
    : BoardView(context.pictures, context.scale, context.library.CurrentLevel()), ctx(context) {
    Level& level = BoardLevel();
    // Back from a trial the level is in the editor's hands already, with its baseline.
    const bool fromMenu = !level.fromEditor;
    level.width = kMaxWidth;
    level.height = kMaxHeight;
    level.fromEditor = true;
    if (fromMenu) ctx.editorBaseline = level;

    RenderNameLabel();
    AttachBoardPictures();
    sprites.sprites[kBackgroundSlot].picture = pictures.editor.get();
    sprites.count = kEditorSpriteCount;
    labelFont = OpenUiFont(ctx.scale.Points(kLabelPoints));
    checkingLabel.Attach(sprites, kCheckingShadowSlot, ctx.scale);
    PlaceGoalSprites();
    PlaceShapeSprites();
    DrawTiles();
    // Name typing needs the characters, not just the keys.
    SDL_EnableUNICODE(1);
    for (const EditorButtonFile& file : kEditorButtonFiles)
        PaletteButton(file.button).LoadButton(file.path, &sprites.sprites[file.slot], ctx.scale);
    PaletteButton(EditorButton::White).SetToggled(true);
}

EditorState::~EditorState() {
    SDL_EnableUNICODE(0);
    for (Button& button : buttons) button.FreeImages();
}

void EditorState::Draw() {
    UpdateCheckingLabel();
    // While the name is typed, a name too long to show whole shows its newest letters.
    if (nameShowsEnd != editingName) {
        nameShowsEnd = editingName;
        RenderNameLabel();
    }
    // While a piece is dragged its sprite follows the pointer and must not be snapped back.
    if (!dragging) {
        DrawTiles();
        PlaceShapeSprites();
        PlaceGoalSprites();
    }
    // The caret is the slot just past the count, drawn last while the name takes typing.
    SDL_Surface* caret = editingName ? pictures.caret.get() : nullptr;
    sprites.sprites[kEditorSpriteCount] = {caret, CaretX(NameLabelWidth()), kNameLabelY};
    sprites.count = kEditorSpriteCount + 1;
    sprites.Draw(DisplaySurface(), ctx.frame, ctx.scale);
    sprites.count = kEditorSpriteCount;
}

void EditorState::Rescale(const PictureMoves& moves) {
    RescaleBoard(moves);
    for (Button& button : buttons) button.Rescale();
    labelFont = OpenUiFont(ctx.scale.Points(kLabelPoints));
    checkingLabel.Rescale(labelFont.get());
}

int EditorState::NameLabelWidth() const { return nameLabel ? ctx.scale.Logical(nameLabel->w) : 0; }

void EditorState::UpdateCheckingLabel() {
    if (Checking() == checkingShown) return;
    checkingShown = Checking();
    checkingLabel.Show(labelFont.get(), checkingShown ? kCheckingText : "", kCheckingX,
                       kCheckingY, ShadowLabel::Align::Left);
}

void EditorState::HandleEvents() {
    ctx.audio.KeepMusicPlaying();
    const auto handle = [this](const SDL_Event& event) {
        if (HandleEvent(event) == EventFlow::Stop) return EventFlow::Stop;
        ctx.clock.Sleep(kEventPauseMs);
        return EventFlow::Continue;
    };
    // A gesture pauses the check: the box with its answer would take the release the gesture
    // waits for.
    const bool busy = Checking() && !dragging && !painting;
    const EventFlow flow = busy ? ctx.events.DrainNow(handle) : ctx.events.WaitAndDrain(handle);
    if (flow == EventFlow::Stop || !Checking() || dragging || painting) return;
    // After the input: an edit made meanwhile leaves the answer about a level no longer there.
    if (!SamePuzzle(BoardLevel(), checkedLevel)) {
        checkSearch.Cancel();
        return;
    }
    StepCheck();
}

EventFlow EditorState::HandleEvent(const SDL_Event& event) {
    if (!dragging && OfferToButtons(event) == EventFlow::Stop) return EventFlow::Stop;
    switch (event.type) {
    case SDL_KEYDOWN:
        if (editingName) HandleKeyDown(event.key);
        break;
    case SDL_KEYUP:
        return HandleKeyUp(event.key);
    case SDL_MOUSEBUTTONDOWN:
        HandleButtonDown(event.button);
        break;
    case SDL_MOUSEMOTION:
        HandleMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONUP:
        HandleButtonUp(event.button);
        break;
    case SDL_QUIT:
        ctx.screens.Quit();
        return EventFlow::Stop;
    default:
        break;
    }
    return EventFlow::Continue;
}

EventFlow EditorState::OfferToButtons(const SDL_Event& event) {
    // Every button sees every event, so each keeps its hover and pressed look in step.
    for (int i = 0; i < kEditorButtonCount; ++i) {
        if (!buttons[i].HandleEvent(event)) continue;
        if (ActOnClick(static_cast<EditorButton>(i)) == EventFlow::Stop) return EventFlow::Stop;
    }
    return EventFlow::Continue;
}

EventFlow EditorState::ActOnClick(EditorButton which) {
    Level& level = BoardLevel();
    switch (which) {
    case EditorButton::Undo: level.UndoEdit(); break;
    case EditorButton::Play:
        // Tried as it is now, saved or not; the play screen brings it back here.
        ctx.SwitchTo(ScreenName::Play);
        return EventFlow::Stop;
    case EditorButton::Save:
        if (Save(true)) return EventFlow::Stop;
        break;
    case EditorButton::Exit:
        Leave();
        return EventFlow::Stop;
    case EditorButton::ShiftUp: level.ShiftUp(true); break;
    case EditorButton::ShiftDown: level.ShiftDown(true); break;
    case EditorButton::ShiftLeft: level.ShiftLeft(true); break;
    case EditorButton::ShiftRight: level.ShiftRight(true); break;
    default: SelectTool(which); break;
    }
    return EventFlow::Continue;
}

void EditorState::SelectTool(EditorButton which) {
    const auto tool = ToolOfButton(which);
    if (!tool) return;
    // The tool buttons are a palette: exactly one of the fourteen stays latched.
    for (int i = Index(EditorButton::Red); i <= Index(EditorButton::TriangleGoal); ++i)
        buttons[i].SetToggled(false);
    PaletteButton(which).SetToggled(true);
    toolKind = tool->kind;
    switch (tool->kind) {
    case ToolKind::Color: selectedColor = static_cast<TileColor>(tool->value); break;
    case ToolKind::Shape: selectedShape = static_cast<ShapeKind>(tool->value); break;
    case ToolKind::Goal: selectedGoal = static_cast<ShapeKind>(tool->value); break;
    }
}

void EditorState::HandleKeyDown(const SDL_KeyboardEvent& key) {
    // Ctrl+K, Ctrl+L and Ctrl+V act when the letter is released; the press must not type it.
    const SDLKey sym = key.keysym.sym;
    if ((sym == SDLK_k || sym == SDLK_l || sym == SDLK_v) && CtrlHeld(key)) return;
    const std::string& name = BoardLevel().name;
    if (IsNameCharacter(key.keysym.unicode) && NameLabelWidth() < kNameWidthLimit)
        SetName(name + static_cast<char>(key.keysym.unicode));
    if (key.keysym.sym == SDLK_BACKSPACE && !name.empty())
        SetName(name.substr(0, name.size() - 1));
    if (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER) editingName = false;
}

EventFlow EditorState::HandleKeyUp(const SDL_KeyboardEvent& key) {
    const bool ctrl = CtrlHeld(key);
    switch (key.keysym.sym) {
    case SDLK_ESCAPE:
        if (editingName) {
            editingName = false;
            break;
        }
        // Out without asking: like Discard, but without the question.
        ReturnToMenu();
        return EventFlow::Stop;
    case SDLK_s:
        if (ctrl && Save(true)) return EventFlow::Stop;
        break;
    case SDLK_t:
        if (ctrl) editingName = true;
        break;
    case SDLK_z:
        if (ctrl) BoardLevel().UndoEdit();
        break;
    case SDLK_k:
        if (ctrl) StartCheck();
        break;
    case SDLK_l:
        if (!ctrl) break;
        ShareLevel();
        return EventFlow::Stop;
    case SDLK_v:
        if (!ctrl) break;
        PasteLevelCode();
        return EventFlow::Stop;
    default:
        break;
    }
    return EventFlow::Continue;
}

void EditorState::HandleButtonDown(const SDL_MouseButtonEvent& button) {
    pointerTravel = 0;
    pointerX = button.x;
    pointerY = button.y;
    if (button.button == SDL_BUTTON_LEFT)
        Press();
    else if (button.button == SDL_BUTTON_RIGHT)
        BoardLevel().UndoEdit();
    editingName = InNameField(button.x, button.y);
}

void EditorState::HandleMotion(const SDL_MouseMotionEvent& motion) {
    pointerTravel += std::abs(motion.x - pointerX) + std::abs(motion.y - pointerY);
    pointerX = motion.x;
    pointerY = motion.y;
    if (!(motion.state & SDL_BUTTON(SDL_BUTTON_LEFT))) return;
    if (dragging)
        MoveDraggedSprite();
    else if (painting)
        Paint();
    else
        Press();  // the button went down elsewhere and came onto the board held
}

void EditorState::HandleButtonUp(const SDL_MouseButtonEvent& button) {
    if (button.button != SDL_BUTTON_LEFT) return;
    // A click without travel applies the tool, also on a tile whose piece the press took up.
    if (pointerTravel < kClickTravel) Paint();
    if (dragging) Drop();
    painting = false;
}

void EditorState::Press() {
    const Level& level = BoardLevel();
    dragging = false;
    const TilePos tile = TileUnderPointer();
    for (ShapeKind kind : kShapes) {
        if (level.ShapePos(kind) == tile) {
            dragging = true;
            dragPiece = kind;
            break;
        }
    }
    // Signed remainders, as the board geometry has them: only the corner of a tile qualifies.
    const bool inGoalCorner = (pointerX - kBoardX - offsetX) % kTileSize < kGoalGrip &&
                              (pointerY - kBoardY - offsetY) % kTileSize < kGoalGrip;
    if (inGoalCorner) {
        for (ShapeKind kind : kShapes) {
            if (level.GoalPos(kind) == tile) {
                dragging = true;
                draggingGoal = true;
                dragPiece = kind;
                break;
            }
        }
    }
    if (dragging) return;
    painting = true;
    Paint();
}

void EditorState::Paint() {
    // The level refuses what its rules forbid, including tiles off the 9 by 7 board, which
    // TileUnderPointer returns as they are.
    Level& level = BoardLevel();
    const TilePos tile = TileUnderPointer();
    switch (toolKind) {
    case ToolKind::Color: level.SetTile(tile, selectedColor); break;
    case ToolKind::Shape:
        level.PlaceShape(selectedShape, tile);
        PlaceShapeSprites();
        break;
    case ToolKind::Goal: level.PlaceGoal(selectedGoal, tile); break;
    }
}

void EditorState::MoveDraggedSprite() {
    Sprite& sprite = sprites.sprites[draggingGoal ? GoalSlot(dragPiece) : ShapeSlot(dragPiece)];
    const int half = draggingGoal ? kGoalHalf : kTileSize / 2;
    sprite.x = pointerX - half;
    sprite.y = pointerY - half;
}

void EditorState::Drop() {
    dragging = false;
    // The level keeps the piece where it was when the tile is off the board, Black, or holds
    // another piece of the same sort; the next Draw then puts its sprite back.
    Level& level = BoardLevel();
    const TilePos tile = TileUnderPointer();
    if (draggingGoal)
        level.PlaceGoal(dragPiece, tile);
    else
        level.PlaceShape(dragPiece, tile);
    draggingGoal = false;
}

PageNote EditorState::NoteForPage() const {
    PageNote note(ScreenKind::Editor);
    const SDL_Rect field = NameFieldArea();
    const float width = static_cast<float>(ctx.settings.screenWidth);
    const float height = static_cast<float>(ctx.settings.screenHeight);
    note.fieldX = static_cast<float>(field.x) / width;
    note.fieldY = static_cast<float>(field.y) / height;
    note.fieldWidth = static_cast<float>(field.w) / width;
    note.fieldHeight = static_cast<float>(field.h) / height;
    note.typing = editingName;
    note.text = BoardLevel().name;
    return note;
}

void EditorState::SetName(std::string name) {
    BoardLevel().name = std::move(name);
    RenderNameLabel();
}

bool EditorState::Save(bool confirm) {
    Level& level = BoardLevel();
    // A level without a name can't be chosen in the menu again, and as its set's first level
    // it would keep the whole set from loading: refuse it before the file is touched.
    if (IsBlankName(level.name)) {
        ReportError("Cannot save level " + level.filePath + ". The level has no name.");
        return false;
    }
    // A new name leaves the puzzle as it was; anything else makes its record and par stale.
    const bool puzzleChanged = !SamePuzzle(level, ctx.editorBaseline);
    if (!level.SaveLevel()) return false;
    ctx.editorBaseline = level;
    if (puzzleChanged) {
        LevelLibrary& library = ctx.library;
        library.ForgetLevel(library.LevelKey(library.CurrentLevelIndex()));
    }
    if (confirm) OpenBox(kSavedBoxTitle, "");
    return true;
}

void EditorState::StartCheck() {
    // Asked again for the same puzzle: the answer is on its way. Its first slice comes at the
    // end of this pass, so a small level's answer shows at once.
    if (Checking() && SamePuzzle(BoardLevel(), checkedLevel)) return;
    // Solved as it stands, 9 by 7 as the play screen will play it; the level is only read.
    checkedLevel = BoardLevel();
    checkSearch.Start(checkedLevel);
}

void EditorState::StepCheck() {
    if (!checkSearch.Step()) return;
    const LevelCheck check = CheckFrom(checkSearch.Result());
    // The box keeps a picture of the screen beneath it, which has stopped checking.
    Draw();
    OpenBox(check.title, check.text);
}

void EditorState::ShareLevel() {
    // The level as it stands, saved or not: sharing never touches its file.
    switch (OfferLevelLink(LevelLinkFragment(BoardLevel()))) {
    case LinkOffer::Copied: OpenBox(kLinkCopiedTitle, kLinkCopiedText); break;
    case LinkOffer::Shown: OpenBox(kLinkShownTitle, kLinkShownText); break;
    case LinkOffer::Unavailable: {
        const std::string code = LevelCode(BoardLevel());
        const bool copied = CopyToClipboard(code);
        OpenBox(copied ? kCodeCopiedTitle : kCodeShownTitle, LevelCodeText(code, copied));
        break;
    }
    }
}

std::string LevelCodeText(const std::string& code, bool copied) {
    std::string text = copied ? "Send it to a friend: Ctrl+V in the editor opens it,\n"
                                "and so does the web edition's address followed\n"
                                "by the code.\n\n"
                              : "Copy it from here and send it to a friend: Ctrl+V\n"
                                "in the editor opens it, and so does the web\n"
                                "edition's address followed by the code.\n\n";
    for (std::size_t at = 0; at < code.size(); at += kCodeLineChars)
        text += code.substr(at, kCodeLineChars) + '\n';
    return text;
}

void EditorState::PasteLevelCode() {
    const auto pasted = ReadClipboard(kMaxPastedChars);
    if (!pasted) {
        OpenBox(kNoCodeTitle, kNoCodeText);
        return;
    }
    std::string why;
    const auto coded = ReadLevelCode(*pasted, &why);
    if (!coded) {
        OpenBox(kDamagedCodeTitle, why + "\nCopy the whole code again and paste it.");
        return;
    }
    // The check was about the level replaced.
    checkSearch.Cancel();
    PutCodedLevel(BoardLevel(), *coded);
    RenderNameLabel();
    // The box keeps a picture of the screen beneath it: the new level.
    Draw();
    OpenBox(kCodeOpenedTitle, CodeOpenedText(coded->name, ctx.editorBaseline.name));
}

void EditorState::OpenBox(const std::string& title, const std::string& text) {
    // The box takes the rest of the input, the release that would end a gesture included.
    dragging = draggingGoal = painting = false;
    OpenMessageBox(ctx, title, text, nullptr);
}

void EditorState::Leave() {
    painting = false;
    if (BoardLevel().SameContent(ctx.editorBaseline)) {
        ReturnToMenu();
        return;
    }
    OpenChoiceBox(ctx, kSaveQuestionTitle, kSaveQuestionText,
                  {kSaveButtonFile, kDiscardButtonFile, kCancelButtonFile},
                  [this](int32_t answer) { AnswerSaveQuestion(answer); });
}

void EditorState::AnswerSaveQuestion(int32_t answer) {
    switch (answer) {
    case AnswerSave:
        // A save that failed has been reported; staying keeps the work on screen.
        if (Save(false)) ReturnToMenu();
        break;
    case AnswerDiscard: ReturnToMenu(); break;
    case AnswerCancel: break;
    default: break;
    }
}

void EditorState::ReturnToMenu() {
    // Only a save keeps changes: the menu, the next Edit and the next save all start from the
    // level as it was opened or last saved, a failed save's edits and a typed name included.
    // A trial may have solved the level meanwhile; that stays.
    Level& level = BoardLevel();
    const LevelStatus status = level.status;
    level = ctx.editorBaseline;
    level.status = status;
    level.fromEditor = false;
    ctx.SwitchTo(ScreenName::MainMenu);
}

}  // namespace qv
