// The three settings readers: formatted text for the two config files, raw bytes for the
// leading bytes of the progress file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "content/Settings.h"
#include "support/TempDir.h"

using namespace qv;

namespace {

template <typename Reader>
bool ReadText(Reader read, const std::string& text, Settings& settings) {
    std::istringstream in(text, std::ios::in | std::ios::binary);
    return read(in, settings);
}

}  // namespace

TEST(VideoSettings, AnyWhitespaceSeparatesAndTrailingTextIsIgnored) {
    for (const char* text : {"800 600 16", "800\n600\n16\n", "\t800  600\r\n16 fullscreen"}) {
        Settings s;
        ASSERT_TRUE(ReadText(ReadVideoSettings, text, s)) << text;
        EXPECT_EQ(s.screenWidth, 800);
        EXPECT_EQ(s.screenHeight, 600);
        EXPECT_EQ(s.screenBpp, 16);
    }
}

TEST(VideoSettings, MissingWrongOrNegativeItemsFailAndChangeNothing) {
    for (const char* text : {"", "800 600", "800 six 32", "800 600 x", "99999999999 600 32",
                             "-800 600 32", "800 600 -1"}) {
        Settings s;
        s.screenWidth = 1;
        EXPECT_FALSE(ReadText(ReadVideoSettings, text, s)) << '"' << text << '"';
        EXPECT_EQ(s.screenWidth, 1) << text;
    }
}

TEST(AudioSettings, FiveItemsAreNeeded) {
    Settings s;
    ASSERT_TRUE(ReadText(ReadAudioSettings, "44100\t2\n./m/menu.ogg\n\n ./m/list.txt x y", s));
    EXPECT_EQ(s.audioValue1, 44100);
    EXPECT_EQ(s.audioValue2, 2);
    EXPECT_EQ(s.menuMusicFile, "./m/menu.ogg");
    EXPECT_EQ(s.playlistFile, "./m/list.txt");
    EXPECT_EQ(s.audioWord3, "x");

    for (const char* text : {"1 2 menu.ogg list.txt", "1 two menu.ogg list.txt x"}) {
        Settings partial;
        EXPECT_FALSE(ReadText(ReadAudioSettings, text, partial)) << text;
        EXPECT_EQ(partial.menuMusicFile, "") << text;
    }
}

TEST(UserSettings, BytesAreReadRaw) {
    // 9, 10, 13 and 32 would be skipped as whitespace by formatted reading; 255 must not sign-extend.
    for (int value : {9, 10, 13, 32, 255}) {
        Settings s;
        ASSERT_TRUE(ReadText(ReadUserSettings, std::string{char(value), char(value), 0}, s));
        EXPECT_EQ(s.musicVolume, value);
        EXPECT_EQ(s.soundVolume, value);
    }
}

TEST(UserSettings, OnlyByteOneMeansFullScreen) {
    for (int byte : {0, 1, 2, int('1'), 255}) {
        Settings s;
        ASSERT_TRUE(ReadText(ReadUserSettings, std::string{64, char(128), char(byte)}, s));
        EXPECT_EQ(s.fullscreen, byte == 1) << byte;
    }
}

TEST(UserSettings, FewerThanThreeBytesFail) {
    for (const char* bytes : {"", "\x40", "\x40\x80"}) {
        Settings s;
        EXPECT_FALSE(ReadText(ReadUserSettings, bytes, s));
        EXPECT_EQ(s.musicVolume, 0);
    }
}

TEST(SettingsFiles, LoadersReadTheWorkingFolder) {
    TempDir dir;
    Settings s;
    EXPECT_FALSE(LoadAudioSettings(s));
    EXPECT_FALSE(LoadVideoSettings(s));
    EXPECT_FALSE(LoadUserSettings(s));

    dir.Write("config/audio.config", "1 2 menu.ogg list.txt word\n");
    dir.Write("config/video.config", "640\n480\n32\n");
    dir.Write("progress.save", std::string("\x0a\x20\x01\x06\x13", 5));
    EXPECT_TRUE(LoadAudioSettings(s));
    EXPECT_TRUE(LoadVideoSettings(s));
    EXPECT_TRUE(LoadUserSettings(s));
    EXPECT_EQ(s.playlistFile, "list.txt");
    EXPECT_EQ(s.screenHeight, 480);
    EXPECT_EQ(s.musicVolume, 10);
    EXPECT_EQ(s.soundVolume, 32);
    EXPECT_TRUE(s.fullscreen);
}
