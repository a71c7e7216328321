#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "AudioFixture.h"
#include "audio/AudioSystem.h"
#include "audio/Sounds.h"
#include "content/Settings.h"

using namespace qv;

using Texts = std::vector<std::string>;

namespace {
const std::string kReadError = "Error reading ./sfx/sounds.txt.";
const std::string kNoName = "Could not load sound .";
}  // namespace

class SoundsTest : public AudioTest {
protected:
    // Five loadable effects listed in "./sfx/sounds.txt".
    void WriteFullList() {
        std::string list;
        for (int i = 0; i < kSoundCount; ++i) {
            const std::string path = "./sfx/effect" + std::to_string(i) + ".wav";
            WriteSilentWav(dir, path, 300);
            list += path + "\n";
        }
        dir.Write("sfx/sounds.txt", list);
    }

    int FilledSlots() const {
        int filled = 0;
        for (const ChunkPtr& slot : audio.sounds) filled += slot ? 1 : 0;
        return filled;
    }
};

TEST_F(SoundsTest, FullListFillsEverySlotQuietly) {
    WriteFullList();
    LoadSounds(audio.sounds, audio.device != nullptr);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(FilledSlots(), kSoundCount);
}

TEST_F(SoundsTest, MissingListReportsEverySlot) {
    LoadSounds(audio.sounds, audio.device != nullptr);
    Texts expected;
    for (int i = 0; i < kSoundCount; ++i) {
        expected.push_back(kReadError);
        expected.push_back(kNoName);
    }
    EXPECT_EQ(BoxTexts(), expected);
    EXPECT_EQ(FilledSlots(), 0);
}

TEST_F(SoundsTest, ShortListReportsTheSlotsItLacks) {
    std::string list;
    for (const char* name : {"./sfx/a.wav", "./sfx/b.wav", "./sfx/c.wav"}) {
        WriteSilentWav(dir, name, 100);
        list += std::string(name) + "\n";
    }
    dir.Write("sfx/sounds.txt", list);
    LoadSounds(audio.sounds, audio.device != nullptr);
    // Slot 3's read finds no line; only then has the stream failed, for slot 4.
    EXPECT_EQ(BoxTexts(), (Texts{kNoName, kReadError, kNoName}));
    EXPECT_TRUE(audio.sounds[SolvedSound] && audio.sounds[MoveSound] && audio.sounds[BlockedSound]);
    EXPECT_FALSE(audio.sounds[DragBlockedSound] || audio.sounds[ClickSound]);
}

TEST_F(SoundsTest, BadEntriesAreNamedAndOverlongLinesEndTheList) {
    const std::string longName(120, 'n');
    dir.Write("sfx/sounds.txt", longName + "\n./sfx/b.wav\n");
    LoadSounds(audio.sounds, audio.device != nullptr);
    Texts expected{"Could not load sound " + longName.substr(0, kMaxSoundPathLength) + "."};
    for (int i = 1; i < kSoundCount; ++i) {
        expected.push_back(kReadError);
        expected.push_back(kNoName);
    }
    EXPECT_EQ(BoxTexts(), expected);
}

TEST_F(SoundsTest, PlaysAtTheSoundVolumeAndNeverWhenOff) {
    WriteFullList();
    LoadSounds(audio.sounds, audio.device != nullptr);
    Mix_Chunk* move = audio.sounds[MoveSound].get();
    ASSERT_TRUE(move);

    settings.soundVolume = 0;
    audio.PlaySound(MoveSound);
    EXPECT_FALSE(Mix_Playing(MoveSound));

    settings.soundVolume = 255;
    audio.PlaySound(MoveSound);
    EXPECT_TRUE(Mix_Playing(MoveSound));
    EXPECT_EQ(Mix_VolumeChunk(move, -1), MIX_MAX_VOLUME);

    settings.soundVolume = 128;
    audio.PlaySound(MoveSound);
    EXPECT_EQ(Mix_VolumeChunk(move, -1), 64);
    Mix_HaltChannel(-1);
}

TEST_F(SoundsTest, EmptySlotPlaysNothing) {
    LoadSounds(audio.sounds, audio.device != nullptr);  // no list: every slot empty
    settings.soundVolume = 255;
    audio.PlaySound(ClickSound);
    EXPECT_FALSE(Mix_Playing(ClickSound));
}

TEST_F(SoundsTest, WithoutDeviceEveryLoadFailsAndPlayingIsSafe) {
    WriteFullList();
    audio.device.reset();
    LoadSounds(audio.sounds, audio.device != nullptr);
    Texts expected;
    for (int i = 0; i < kSoundCount; ++i) {
        expected.push_back("Could not load sound ./sfx/effect" + std::to_string(i) + ".wav.");
    }
    EXPECT_EQ(BoxTexts(), expected);
    settings.soundVolume = 255;
    audio.PlaySound(SolvedSound);
}
