#include "ScreenFixture.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <atomic>

#include "screens/MainMenuState.h"
#include "screens/ScreenFactory.h"
#include "support/SdlEvents.h"

using namespace qv;

namespace {

constexpr const char* kLineBoard = "4 3 7 7 7 7 7 7 7 7 7 7 7 7 0 0 0 1 0 2 1 0 1 1 1 2\n";
// Only a pass that waits for input never ends; a pass that makes every picture anew for a new
// window size can take seconds in the sanitizer build on a busy machine.
constexpr Uint32 kWatchdogMs = 30000;
constexpr int kWatchdogCode = 9999;

std::atomic<bool> watchdogFired{false};

Uint32 Watchdog(Uint32, void*) {
    watchdogFired = true;
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    event.user.code = kWatchdogCode;
    SDL_PushEvent(&event);
    return 0;
}

// Two seconds of silence per effect: long enough to still be playing when a test looks.
std::vector<Uint8>& SilentSamples() {
    static std::vector<Uint8> samples(22050 * 2 * 2 * 2, 0);
    return samples;
}

SDL_Surface* TestPicture(Uint32 color) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 60, 60, 32, 0xFF0000, 0xFF00,
                                                0xFF, 0);
    SDL_FillRect(picture, nullptr, color);
    return picture;
}

}  // namespace

void ScreenTest::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_TIMER), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0);
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512), 0) << Mix_GetError();
    for (ChunkPtr& slot : audio.sounds)
        slot.reset(Mix_QuickLoad_RAW(SilentSamples().data(),
                                     static_cast<Uint32>(SilentSamples().size())));
    SetInputSource(&input);
    input.x = 790;  // away from the board and every button
    input.y = 590;

    // Distinct pictures, so tests can tell which one a slot shows.
    SurfacePtr* slots[] = {&pictures.circle,       &pictures.star,         &pictures.triangle,
                           &pictures.selectedCircle, &pictures.selectedStar,
                           &pictures.selectedTriangle, &pictures.circleHelp, &pictures.starHelp,
                           &pictures.triangleHelp, &pictures.whiteHelp,    &pictures.arrowUp,
                           &pictures.arrowDown,    &pictures.arrowLeft,    &pictures.arrowRight,
                           &pictures.white,        &pictures.red,          &pictures.yellow,
                           &pictures.blue,         &pictures.arrowBlockedUp,
                           &pictures.arrowBlockedDown, &pictures.arrowBlockedLeft,
                           &pictures.arrowBlockedRight, &pictures.parMark};
    Uint32 color = 0x101010;
    for (SurfacePtr* slot : slots) slot->reset(TestPicture(color += 0x030507));

    settings.musicVolume = 0;  // no playlist upkeep
    settings.soundVolume = 128;

    SDL_Surface* buttonPicture = TestPicture(0x808080);
    SDL_SaveBMP(buttonPicture, (dir.path() + "/button.bmp").c_str());
    SDL_FreeSurface(buttonPicture);
    // The menu's look of a Play button that can't be used; IMG_Load goes by content.
    SDL_Surface* disabledPicture = TestPicture(kPlayDisabledColor);
    dir.Write("gui/mainmenu/play_disabled.png", "");
    SDL_SaveBMP(disabledPicture, (dir.path() + "/gui/mainmenu/play_disabled.png").c_str());
    SDL_FreeSurface(disabledPicture);
    WriteButton("gui/mainmenu/play.button", 600, 420, 100, 40);
    WriteButton("gui/mainmenu/edit.button", 600, 470, 100, 40);
    WriteButton("gui/mainmenu/quit.button", 600, 520, 100, 40);
    WriteButton("gui/mainmenu/music.button", 20, 540, 40, 40);
    WriteButton("gui/mainmenu/sound.button", 70, 540, 40, 40);
    WriteButton("gui/play/undo.button", 20, 20, 60, 30);
    WriteButton("gui/play/restart.button", 20, 60, 60, 30);
    WriteButton("gui/play/exit.button", 20, 100, 60, 30);
    WriteButton("gui/play/redo.button", 90, 20, 60, 30);
    WriteButton("gui/messages/ok.button", 370, 380, 60, 30);
    WriteButton("gui/messages/watch.button", 440, 380, 60, 30);

    dir.Write("Beta.txt",
              "first\nlevels/first.txt\nsecond\nlevels/second.txt\n"
              "be creative\nlevels/creative.txt\n");
    dir.Write("levels/first.txt", "levels/line.txt\nlevels/twin.txt\n");
    dir.Write("levels/second.txt", "levels/last.txt\n");
    dir.Write("levels/creative.txt", "levels/mine.txt\n");
    dir.Write("levels/line.txt", std::string(kLineBoard) + "Line\n");
    dir.Write("levels/twin.txt", std::string(kLineBoard) + "Twin\nRead me first\n");
    dir.Write("levels/last.txt", std::string(kLineBoard) + "Last Of Second\n");
    dir.Write("levels/mine.txt", std::string(kLineBoard) + "Mine\n");
    WriteProgress({});
}

void ScreenTest::TearDown() {
    screens.Clear();
    Mix_HaltChannel(-1);
    audio.Shutdown();
    Mix_CloseAudio();
    pictures = PictureTable();
    SetInputSource(nullptr);
    TTF_Quit();
    SDL_Quit();
}

void ScreenTest::WriteButton(const std::string& path, int x, int y, int width, int height) {
    dir.Write(path, std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) +
                        " " + std::to_string(height) +
                        " ./button.bmp ./button.bmp ./button.bmp 0\n");
}

void ScreenTest::WriteProgress(const std::vector<StatusRecord>& records) {
    std::string bytes{'\0', static_cast<char>(128), '\0'};
    for (const StatusRecord& r : records) {
        bytes += static_cast<char>(static_cast<int>(r.status) | ((r.level & 3) << 2));
        bytes += static_cast<char>(((r.level >> 2) & 7) | (r.set << 3));
    }
    dir.Write("progress.save", bytes);
    // The screens work on the library they were made with: none may outlive it.
    screens.Clear();
    context.reset();
    library = std::make_unique<LevelLibrary>(settings);
    kept = std::make_unique<KeptPlay>();
    generated = std::make_unique<GeneratedSets>(clock);
    context = std::make_unique<GameContext>(GameContext{{screens, events, frame, pictures, gameDisplay.Scale()},
                                                        *library,
                                                        *kept,
                                                        settings,
                                                        audio,
                                                        clock,
                                                        editorBaseline,
                                                        *generated,
                                                        &BuildScreen,
                                                        DeviceTraits{}});
}

void ScreenTest::SwitchTo(ScreenName name) {
    context->SwitchTo(name);
    screens.CarryOutRequests();
}

void ScreenTest::CloseBox() {
    screens.CloseBox();
    screens.CarryOutRequests();
}

void ScreenTest::OpenMenu() {
    SwitchTo(ScreenName::MainMenu);
    ASSERT_NE(Current<MainMenuState>(), nullptr);
}

void ScreenTest::OpenPlay(int set, int level) {
    Library().SelectSet(set);
    Library().SelectLevel(level);
    SwitchTo(ScreenName::Play);
    Pass();  // the intro pass reads no input
}

GameState* ScreenTest::CurrentScreen() { return screens.Current(); }

void ScreenTest::Pass() {
    ASSERT_TRUE(screens.Current()) << "no screen is current";
    watchdogFired = false;
    SDL_TimerID timer = SDL_AddTimer(kWatchdogMs, Watchdog, nullptr);
    screens.RunPass();
    SDL_RemoveTimer(timer);
    EXPECT_FALSE(watchdogFired) << "the screen waited for input that never came";
}

void ScreenTest::Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

void ScreenTest::KeyDown(SDLKey key, SDLMod mod) { Push(KeyEvent(SDL_KEYDOWN, key, mod)); }

void ScreenTest::KeyUp(SDLKey key, SDLMod mod) { Push(KeyEvent(SDL_KEYUP, key, mod)); }

void ScreenTest::PointAt(int x, int y) {
    gameDisplay.Scale().ToDisplay(x, y, &input.x, &input.y);
}

void ScreenTest::Press(int x, int y, Uint8 button) {
    PointAt(x, y);
    input.buttons = static_cast<Uint8>(input.buttons | SDL_BUTTON(button));
    Push(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, input.x, input.y, button));
}

void ScreenTest::Release(int x, int y, Uint8 button) {
    PointAt(x, y);
    input.buttons &= static_cast<Uint8>(~SDL_BUTTON(button));
    Push(MouseButtonEvent(SDL_MOUSEBUTTONUP, input.x, input.y, button));
}

void ScreenTest::Motion(int x, int y, bool leftHeld) {
    const int fromX = input.x;
    const int fromY = input.y;
    PointAt(x, y);
    SDL_Event event = MotionEvent(input.x, input.y, leftHeld ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0);
    event.motion.xrel = static_cast<Sint16>(input.x - fromX);
    event.motion.yrel = static_cast<Sint16>(input.y - fromY);
    if (leftHeld)
        input.buttons |= SDL_BUTTON(SDL_BUTTON_LEFT);
    else
        input.buttons &= static_cast<Uint8>(~SDL_BUTTON(SDL_BUTTON_LEFT));
    Push(event);
}

void ScreenTest::PushMarker() {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    Push(event);
}

int ScreenTest::PendingEvents() {
    SDL_Event queued[64];
    return SDL_PeepEvents(queued, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

bool ScreenTest::Played(SoundId id) const { return Mix_Playing(id) != 0; }

void ScreenTest::ClearSounds() { Mix_HaltChannel(-1); }

std::vector<ErrorRecorder::Box> ScreenTest::BoxesTitled(const std::string& title) const {
    std::vector<ErrorRecorder::Box> found;
    for (const auto& box : recorder.boxes)
        if (box.title == title) found.push_back(box);
    return found;
}
