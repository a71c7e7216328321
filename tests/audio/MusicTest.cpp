#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "AudioFixture.h"
#include "audio/AudioSystem.h"
#include "audio/Sounds.h"
#include "audio/Volume.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/EventWait.h"

using namespace qv;

using Texts = std::vector<std::string>;

class MusicTest : public AudioTest {
protected:
    // Long enough to be still playing while a test looks at it.
    void WriteTrack(const std::string& path) { WriteSilentWav(dir, path, 5000); }

    void UsePlaylist(std::vector<std::string> paths) { Audio().playlist = std::move(paths); }

    bool Playing() const { return Audio().music && Mix_PlayingMusic(); }

    // The switches save through the library; build it here so its own start-up is not
    // mistaken for audio messages.
    void FreshLibrary() {
        ResetLibrary();
        recorder.boxes.clear();
    }
};

TEST_F(MusicTest, PlaysAFileAtTheMusicVolume) {
    WriteTrack("menu.wav");
    PlayMusic("menu.wav");
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Mix_VolumeMusic(-1), MixerVolume(64));
    StopMusic();
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_TRUE(Audio().music);  // kept, so switching music on can restart it
}

TEST_F(MusicTest, AFileThatFailsIsReportedOncePerPath) {
    WriteTrack("good.wav");
    PlayMusic("good.wav");
    PlayMusic("missing.ogg");
    EXPECT_FALSE(Audio().music);  // the earlier stream is gone too
    PlayMusic("missing.ogg");
    PlayMusic("other.ogg");
    EXPECT_EQ(BoxTexts(), (Texts{"Could not load music missing.ogg.", "Could not load music other.ogg."}));
}

TEST_F(MusicTest, FirstTrackOfAPlaylistIsItsSecondEntry) {
    WriteTrack("b.wav");
    UsePlaylist({"a-missing.ogg", "b.wav"});
    KeepMusicPlaying();
    // Had entry 0 been tried first, its failure would have been reported.
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(Audio().trackIndex, 1u);
    EXPECT_TRUE(Playing());
}

TEST_F(MusicTest, UpkeepWaitsForTheTrackToEndThenWraps) {
    WriteTrack("a.wav");
    WriteTrack("b.wav");
    UsePlaylist({"a.wav", "b.wav"});
    KeepMusicPlaying();
    KeepMusicPlaying();
    EXPECT_EQ(Audio().trackIndex, 1u);
    StopMusic();
    KeepMusicPlaying();
    EXPECT_EQ(Audio().trackIndex, 0u);
    EXPECT_TRUE(Playing());
}

TEST_F(MusicTest, UpkeepMovesPastFilesThatFail) {
    WriteTrack("a.wav");
    WriteTrack("c.wav");
    UsePlaylist({"a.wav", "b-missing.ogg", "c.wav"});
    KeepMusicPlaying();
    EXPECT_EQ(Audio().trackIndex, 2u);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(BoxTexts(), Texts{"Could not load music b-missing.ogg."});
}

TEST_F(MusicTest, PlaylistOfBrokenFilesStaysSilentAndReportsEachOnce) {
    UsePlaylist({"x.ogg", "y.ogg"});
    for (int pass = 0; pass < 5; ++pass) KeepMusicPlaying();
    EXPECT_FALSE(Audio().music);
    EXPECT_EQ(BoxTexts(), (Texts{"Could not load music y.ogg.", "Could not load music x.ogg."}));
}

TEST_F(MusicTest, UpkeepStartsNothingWhileMusicIsOff) {
    WriteTrack("a.wav");
    WriteTrack("b.wav");
    UsePlaylist({"a.wav", "b.wav"});
    TheSettings().musicVolume = 0;
    KeepMusicPlaying();
    EXPECT_FALSE(Audio().music);
    EXPECT_EQ(Audio().trackIndex, 0u);
}

TEST_F(MusicTest, MusicSwitchStopsRestartsAndSaves) {
    FreshLibrary();
    WriteTrack("menu.wav");
    PlayMusic("menu.wav");

    SetMusicVolume(0.0f);
    EXPECT_EQ(TheSettings().musicVolume, 0);
    EXPECT_FALSE(Mix_PlayingMusic());
    ASSERT_TRUE(dir.Exists("progress.save"));
    EXPECT_EQ(static_cast<unsigned char>(dir.Read("progress.save").at(0)), 0);

    SetMusicVolume(0.5f);
    EXPECT_EQ(TheSettings().musicVolume, 127);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    EXPECT_EQ(static_cast<unsigned char>(dir.Read("progress.save").at(0)), 127);
}

TEST_F(MusicTest, SoundSwitchSaves) {
    FreshLibrary();
    SetSoundVolume(1.0f);
    EXPECT_EQ(TheSettings().soundVolume, 255);
    EXPECT_EQ(static_cast<unsigned char>(dir.Read("progress.save").at(1)), 255);
    SetSoundVolume(0.0f);
    EXPECT_EQ(TheSettings().soundVolume, 0);
    EXPECT_EQ(static_cast<unsigned char>(dir.Read("progress.save").at(1)), 0);
}

TEST_F(MusicTest, TheDeviceRestsOnlyWhileMusicAndSoundAreBothOff) {
    FreshLibrary();
    SetMusicVolume(0.0f);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING) << "sound is still on";
    SetSoundVolume(0.0f);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    SetMusicVolume(0.5f);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
}

TEST_F(MusicTest, TheEndOfAPieceWakesTheWaitingLoop) {
    WriteSilentWav(dir, "short.wav", 50);
    WaitForInput(0);  // takes a wake-up that stopping an earlier test's music left
    PlayMusic("short.wav");
    ASSERT_TRUE(Mix_PlayingMusic());
    // Without video there is no event queue: only the wake-up can end this wait, which gives
    // up long after the piece has ended (it is not a measure of speed).
    EXPECT_TRUE(WaitForInput(5000));
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(MusicTest, WithoutDeviceTheGameRunsSilently) {
    FreshLibrary();
    WriteTrack("a.wav");
    Audio().device.reset();
    PlayMusic("a.wav");
    UsePlaylist({"a.wav"});
    KeepMusicPlaying();
    SetMusicVolume(0.5f);
    StopMusic();
    EXPECT_FALSE(Audio().music);
    EXPECT_EQ(BoxTexts(), Texts{"Could not load music a.wav."});
}

TEST_F(MusicTest, StartAudioOpensTheDeviceAndReadsThePlaylist) {
    Audio().device.reset();
    TheSettings().playlistFile = "ingame.txt";
    dir.Write("ingame.txt", "one.ogg\n\ntwo.ogg\n");
    StartAudio();
    EXPECT_TRUE(Audio().device);
    EXPECT_EQ(Audio().playlist.size(), 2u);
    EXPECT_EQ(recorder.boxes.size(), 2u * kSoundCount);  // no sounds.txt here

    ShutdownAudio();
    EXPECT_FALSE(Audio().device);
    TheSettings().playlistFile = "absent.txt";
    recorder.boxes.clear();
    StartAudio();
    EXPECT_TRUE(Audio().playlist.empty());
    EXPECT_EQ(recorder.boxes.size(), 2u * kSoundCount);  // nothing about the playlist
}
