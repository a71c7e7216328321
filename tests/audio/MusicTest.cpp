#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "AudioFixture.h"
#include "audio/AudioSystem.h"
#include "audio/Sounds.h"
#include "audio/Volume.h"
#include "content/Settings.h"
#include "platform/EventWait.h"

using namespace qv;

using Texts = std::vector<std::string>;

class MusicTest : public AudioTest {
protected:
    // Long enough to be still playing while a test looks at it.
    void WriteTrack(const std::string& path) { WriteSilentWav(dir, path, 5000); }

    void UsePlaylist(std::vector<std::string> paths) { audio.playlist = std::move(paths); }

    bool Playing() const { return audio.music && Mix_PlayingMusic(); }
};

TEST_F(MusicTest, PlaysAFileAtTheMusicVolume) {
    WriteTrack("menu.wav");
    audio.PlayMusic("menu.wav");
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Mix_VolumeMusic(-1), MixerVolume(64));
    audio.StopMusic();
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_TRUE(audio.music);  // kept, so switching music on can restart it
}

TEST_F(MusicTest, AFileThatFailsIsReportedOncePerPath) {
    WriteTrack("good.wav");
    audio.PlayMusic("good.wav");
    audio.PlayMusic("missing.ogg");
    EXPECT_FALSE(audio.music);  // the earlier stream is gone too
    audio.PlayMusic("missing.ogg");
    audio.PlayMusic("other.ogg");
    EXPECT_EQ(BoxTexts(), (Texts{"Could not load music missing.ogg.", "Could not load music other.ogg."}));
}

TEST_F(MusicTest, FirstTrackOfAPlaylistIsItsSecondEntry) {
    WriteTrack("b.wav");
    UsePlaylist({"a-missing.ogg", "b.wav"});
    audio.KeepMusicPlaying();
    // Had entry 0 been tried first, its failure would have been reported.
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(audio.trackIndex, 1u);
    EXPECT_TRUE(Playing());
}

TEST_F(MusicTest, UpkeepWaitsForTheTrackToEndThenWraps) {
    WriteTrack("a.wav");
    WriteTrack("b.wav");
    UsePlaylist({"a.wav", "b.wav"});
    audio.KeepMusicPlaying();
    audio.KeepMusicPlaying();
    EXPECT_EQ(audio.trackIndex, 1u);
    audio.StopMusic();
    audio.KeepMusicPlaying();
    EXPECT_EQ(audio.trackIndex, 0u);
    EXPECT_TRUE(Playing());
}

TEST_F(MusicTest, UpkeepMovesPastFilesThatFail) {
    WriteTrack("a.wav");
    WriteTrack("c.wav");
    UsePlaylist({"a.wav", "b-missing.ogg", "c.wav"});
    audio.KeepMusicPlaying();
    EXPECT_EQ(audio.trackIndex, 2u);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(BoxTexts(), Texts{"Could not load music b-missing.ogg."});
}

TEST_F(MusicTest, PlaylistOfBrokenFilesStaysSilentAndReportsEachOnce) {
    UsePlaylist({"x.ogg", "y.ogg"});
    for (int pass = 0; pass < 5; ++pass) audio.KeepMusicPlaying();
    EXPECT_FALSE(audio.music);
    EXPECT_EQ(BoxTexts(), (Texts{"Could not load music y.ogg.", "Could not load music x.ogg."}));
}

TEST_F(MusicTest, UpkeepStartsNothingWhileMusicIsOff) {
    WriteTrack("a.wav");
    WriteTrack("b.wav");
    UsePlaylist({"a.wav", "b.wav"});
    settings.musicVolume = 0;
    audio.KeepMusicPlaying();
    EXPECT_FALSE(audio.music);
    EXPECT_EQ(audio.trackIndex, 0u);
}

// Saving them is the menu's part (MainMenuTest).
TEST_F(MusicTest, SwitchesSetTheVolumesAndTheMusicSwitchStopsAndRestarts) {
    WriteTrack("menu.wav");
    audio.PlayMusic("menu.wav");

    audio.SetMusicVolume(0.0f);
    EXPECT_EQ(settings.musicVolume, 0);
    EXPECT_FALSE(Mix_PlayingMusic());

    audio.SetMusicVolume(0.5f);
    EXPECT_EQ(settings.musicVolume, 127);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);

    audio.SetSoundVolume(1.0f);
    EXPECT_EQ(settings.soundVolume, 255);
    audio.SetSoundVolume(0.0f);
    EXPECT_EQ(settings.soundVolume, 0);
}

TEST_F(MusicTest, TheDeviceRestsOnlyWhileMusicAndSoundAreBothOff) {
    audio.SetMusicVolume(0.0f);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING) << "sound is still on";
    audio.SetSoundVolume(0.0f);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    audio.SetMusicVolume(0.5f);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
}

TEST_F(MusicTest, TheEndOfAPieceWakesTheWaitingLoop) {
    WriteSilentWav(dir, "short.wav", 50);
    WaitForInput(0);  // takes a wake-up that stopping an earlier test's music left
    audio.PlayMusic("short.wav");
    ASSERT_TRUE(Mix_PlayingMusic());
    // Without video there is no event queue: only the wake-up can end this wait, which gives
    // up long after the piece has ended (it is not a measure of speed).
    EXPECT_TRUE(WaitForInput(5000));
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(MusicTest, WithoutDeviceTheGameRunsSilently) {
    WriteTrack("a.wav");
    audio.device.reset();
    audio.PlayMusic("a.wav");
    UsePlaylist({"a.wav"});
    audio.KeepMusicPlaying();
    audio.SetMusicVolume(0.5f);
    audio.StopMusic();
    EXPECT_FALSE(audio.music);
    EXPECT_EQ(BoxTexts(), Texts{"Could not load music a.wav."});
}

TEST_F(MusicTest, StartOpensTheDeviceAndReadsThePlaylist) {
    audio.device.reset();
    settings.playlistFile = "ingame.txt";
    dir.Write("ingame.txt", "one.ogg\n\ntwo.ogg\n");
    audio.Start();
    EXPECT_TRUE(audio.device);
    EXPECT_EQ(audio.playlist.size(), 2u);
    EXPECT_EQ(recorder.boxes.size(), 2u * kSoundCount);  // no sounds.txt here

    audio.Shutdown();
    EXPECT_FALSE(audio.device);
    settings.playlistFile = "absent.txt";
    recorder.boxes.clear();
    audio.Start();
    EXPECT_TRUE(audio.playlist.empty());
    EXPECT_EQ(recorder.boxes.size(), 2u * kSoundCount);  // nothing about the playlist
}
