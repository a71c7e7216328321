// The effects and music shipped in data/: every list names files that exist and decode, in the
// shapes the game's readers accept, the effects share one loudness, nothing carries a DC offset,
// and the music stays within its length and size budget.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "audio/MixerResources.h"

using namespace qv;

namespace {

// Game paths are relative to the game folder, which is data/ in the source tree.
std::string DataPath(const std::string& gamePath) {
    const char* root = std::getenv("QV_SOURCE_DIR");
    std::string relative = gamePath.rfind("./", 0) == 0 ? gamePath.substr(2) : gamePath;
    return std::string(root ? root : ".") + "/data/" + relative;
}

std::string ReadFile(const std::string& gamePath) {
    std::ifstream in(DataPath(gamePath), std::ios::binary);
    EXPECT_TRUE(in) << "missing " << gamePath;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

long FileSize(const std::string& gamePath) {
    struct stat info {};
    return stat(DataPath(gamePath).c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
}

// Playing time of a fully decoded sound at the device's output format.
double Seconds(const Mix_Chunk& chunk) {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const int bytesPerFrame = (format & 0xFF) / 8 * channels;
    return static_cast<double>(chunk.alen) / bytesPerFrame / frequency;
}

// Offsets this small are the encoder's rounding; a larger one costs headroom and thumps when
// the sound starts or stops.
constexpr double kMaxDcOffset = 0.01;

struct SignalLevels {
    double dcOffset = 0;  // mean sample, full scale 1
    double rmsDb = 0;     // over the whole sound, dB below full scale
};

// Levels of a sound decoded to the device's 16-bit format.
SignalLevels Measure(const Mix_Chunk& chunk) {
    const auto* samples = reinterpret_cast<const Sint16*>(chunk.abuf);
    const std::size_t count = chunk.alen / sizeof(Sint16);
    double sum = 0, squares = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double v = samples[i] / 32768.0;
        sum += v;
        squares += v * v;
    }
    if (count == 0) return {};
    return {sum / static_cast<double>(count), 10 * std::log10(squares / static_cast<double>(count))};
}

struct AudioConfig {
    int value1 = 0, value2 = 0;
    std::string menuMusic, playlist, word3;
};

AudioConfig ReadAudioConfig() {
    AudioConfig config;
    std::istringstream in(ReadFile("./config/audio.config"));
    in >> config.value1 >> config.value2 >> config.menuMusic >> config.playlist >> config.word3;
    EXPECT_TRUE(in) << "\"./config/audio.config\" needs two numbers and three words";
    return config;
}

// The playlist's non-empty lines, as the game keeps them.
std::vector<std::string> PlaylistEntries(const AudioConfig& config) {
    std::vector<std::string> entries;
    for (const std::string& line : Lines(ReadFile(config.playlist))) {
        if (!line.empty()) entries.push_back(line);
    }
    return entries;
}

class ShippedAudioTest : public ::testing::Test {
protected:
    // The device may already be open for other audio tests in this program: SDL_mixer counts
    // opens, and only a subsystem started here is shut down here.
    static void SetUpTestSuite() {
        startedAudio = SDL_WasInit(SDL_INIT_AUDIO) == 0;
        if (startedAudio) {
            ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        }
        ASSERT_NE(Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG, 0) << Mix_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        if (startedAudio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

private:
    static bool startedAudio;
};

bool ShippedAudioTest::startedAudio = false;

TEST_F(ShippedAudioTest, SoundListNamesFiveShortEffectsThatDecode) {
    const std::string text = ReadFile("./sfx/sounds.txt");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << "the last line needs its line break";
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 5u) << "one line per SoundId";
    std::set<std::string> distinct;
    std::vector<double> loudness;
    for (const std::string& path : lines) {
        SCOPED_TRACE(path);
        // The game reads each line into a 99-character buffer and passes it on unchanged.
        EXPECT_LE(path.size(), 99u);
        EXPECT_EQ(path.find('\r'), std::string::npos);
        EXPECT_EQ(path.rfind("./sfx/", 0), 0u);
        distinct.insert(path);
        ChunkPtr chunk(Mix_LoadWAV(DataPath(path).c_str()));
        ASSERT_TRUE(chunk) << Mix_GetError();
        EXPECT_GT(Seconds(*chunk), 0.01);
        EXPECT_LT(Seconds(*chunk), 1.0) << "effects are short; the solved flourish included";
        const SignalLevels levels = Measure(*chunk);
        EXPECT_LT(std::abs(levels.dcOffset), kMaxDcOffset);
        loudness.push_back(levels.rmsDb);
    }
    EXPECT_EQ(distinct.size(), 5u) << "every slot has its own sound";
    // One loudness, so that the reward is not drowned by the moves that lead to it.
    const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LE(*loudest - *quietest, 2.0) << "RMS dB of the effects in list order: "
                                         << ::testing::PrintToString(loudness);
}

TEST_F(ShippedAudioTest, AudioConfigNamesMenuMusicAndAPlaylistThatDecode) {
    const AudioConfig config = ReadAudioConfig();
    EXPECT_EQ(config.menuMusic.rfind("./", 0), 0u);
    EXPECT_EQ(config.playlist.rfind("./", 0), 0u);

    MusicPtr menu(Mix_LoadMUS(DataPath(config.menuMusic).c_str()));
    EXPECT_TRUE(menu) << config.menuMusic << ": " << Mix_GetError();

    const std::vector<std::string> entries = PlaylistEntries(config);
    // Only the first 25 lines are read, each of at most 254 characters.
    EXPECT_LE(Lines(ReadFile(config.playlist)).size(), 25u);
    EXPECT_GE(entries.size(), 3u);
    std::set<std::string> distinct{config.menuMusic};
    for (const std::string& path : entries) {
        SCOPED_TRACE(path);
        EXPECT_LE(path.size(), 254u);
        EXPECT_EQ(path.find('\r'), std::string::npos);
        distinct.insert(path);
        MusicPtr music(Mix_LoadMUS(DataPath(path).c_str()));
        EXPECT_TRUE(music) << Mix_GetError();
    }
    EXPECT_EQ(distinct.size(), entries.size() + 1) << "no piece is shipped twice";
}

TEST_F(ShippedAudioTest, MusicLastsOneToThreeMinutesFitsTheSizeBudgetAndHasNoDcOffset) {
    const AudioConfig config = ReadAudioConfig();
    std::vector<std::string> pieces = PlaylistEntries(config);
    pieces.push_back(config.menuMusic);
    long totalBytes = 0;
    for (const std::string& path : pieces) {
        SCOPED_TRACE(path);
        totalBytes += FileSize(path);
        // Decoded whole only to measure it; the game streams music.
        ChunkPtr decoded(Mix_LoadWAV(DataPath(path).c_str()));
        ASSERT_TRUE(decoded) << Mix_GetError();
        EXPECT_GE(Seconds(*decoded), 60.0);
        EXPECT_LE(Seconds(*decoded), 180.0);
        EXPECT_LT(std::abs(Measure(*decoded).dcOffset), kMaxDcOffset);
    }
    EXPECT_LT(totalBytes, 12L * 1024 * 1024);
}

}  // namespace
