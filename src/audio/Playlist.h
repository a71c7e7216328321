#pragma once
// The in-game playlist file: music file paths, one a line.
#include <istream>
#include <string>
#include <vector>

namespace qv {

constexpr int kMaxPlaylistLines = 25;
constexpr std::size_t kMaxPlaylistPathLength = 254;

// Reads at most the first 25 lines; empty lines are skipped but still count.
std::vector<std::string> ReadPlaylist(std::istream& in);

// Shuffles with the C library's rand(), which is never seeded, so a given list plays in the
// same order on every run.
void ShufflePlaylist(std::vector<std::string>& playlist);

}  // namespace qv
