#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "audio/Playlist.h"

using namespace qv;

using Paths = std::vector<std::string>;

namespace {
std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "track" + std::to_string(i) + ".ogg\n";
    return text;
}
}  // namespace

TEST(ReadPlaylist, SkipsEmptyLinesAndLineEnds) {
    std::istringstream lf("music/a.ogg\n\nmusic/b.ogg\n");
    EXPECT_EQ(ReadPlaylist(lf), (Paths{"music/a.ogg", "music/b.ogg"}));

    // Saved on Windows: the carriage returns must not end up in the paths.
    std::istringstream crlf("music/a.ogg\r\n\r\nmusic/b.ogg");
    EXPECT_EQ(ReadPlaylist(crlf), (Paths{"music/a.ogg", "music/b.ogg"}));

    std::istringstream empty("");
    EXPECT_TRUE(ReadPlaylist(empty).empty());
}

TEST(ReadPlaylist, ReadsOnlyTheFirstTwentyFiveLines) {
    std::istringstream thirty(NumberedLines(30));
    const Paths list = ReadPlaylist(thirty);
    ASSERT_EQ(list.size(), 25u);
    EXPECT_EQ(list.front(), "track1.ogg");
    EXPECT_EQ(list.back(), "track25.ogg");

    // Empty lines count towards the 25.
    std::istringstream gappy("\n\n\n" + NumberedLines(30));
    EXPECT_EQ(ReadPlaylist(gappy).size(), 22u);
}

TEST(ReadPlaylist, StopsAtAnOverlongLine) {
    const std::string longPath(300, 'x');
    std::istringstream in("first.ogg\n" + longPath + "\nlast.ogg\n");
    const Paths list = ReadPlaylist(in);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], std::string(kMaxPlaylistPathLength, 'x'));
}

TEST(ShufflePlaylist, KeepsEveryEntryOnce) {
    Paths list;
    for (int i = 0; i < 25; ++i) list.push_back("t" + std::to_string(i));
    Paths shuffled = list;
    ShufflePlaylist(shuffled);
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(list.begin(), list.end());
    EXPECT_EQ(shuffled, list);

    Paths none;
    ShufflePlaylist(none);
    EXPECT_TRUE(none.empty());
    Paths one{"only"};
    ShufflePlaylist(one);
    EXPECT_EQ(one, Paths{"only"});
}
