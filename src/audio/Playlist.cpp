#include "audio/Playlist.h"

#include <cstdlib>
#include <utility>

#include "util/BoundedLine.h"

namespace qv {

std::vector<std::string> ReadPlaylist(std::istream& in) {
    std::vector<std::string> playlist;
    std::string line;
    for (int i = 0; i < kMaxPlaylistLines && !in.fail(); ++i) {
        ReadBoundedLine(in, line, kMaxPlaylistPathLength);
        if (!line.empty()) playlist.push_back(line);
    }
    return playlist;
}

void ShufflePlaylist(std::vector<std::string>& playlist) {
    for (std::size_t k = 1; k < playlist.size(); ++k) {
        const std::size_t other = static_cast<std::size_t>(std::rand()) % (k + 1);
        std::swap(playlist[k], playlist[other]);
    }
}

}  // namespace qv
