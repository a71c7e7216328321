// The in-game playlist file, and its shuffle.
#include <algorithm>
#include <sstream>

#include "FuzzSupport.h"
#include "audio/Playlist.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshErrors();
    std::istringstream in(AsText(data, size));
    std::vector<std::string> playlist = ReadPlaylist(in);
    Require(playlist.size() <= static_cast<std::size_t>(kMaxPlaylistLines),
            "at most 25 entries");
    for (const std::string& path : playlist) {
        Require(!path.empty(), "no empty entry");
        Require(path.size() <= kMaxPlaylistPathLength, "a path fits its line limit");
        Require(path.find('\n') == std::string::npos, "a path holds no line break");
    }
    std::vector<std::string> shuffled = playlist;
    ShufflePlaylist(shuffled);
    std::sort(playlist.begin(), playlist.end());
    std::sort(shuffled.begin(), shuffled.end());
    Require(shuffled == playlist, "the shuffle keeps every entry");
    return 0;
}
