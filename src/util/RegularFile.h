#pragma once
// Opening the files the game reads: only regular files, and never more of one than its format
// can need. A FIFO in the game folder would block the start in open(), and a link to a device
// such as /dev/zero would feed a reader forever; both read as a file that cannot be opened.
#include <cstddef>
#include <sstream>
#include <string>

namespace qv {

// Every text file the game reads but the move tables (levels, set lists, configuration, sound
// lists, playlists, buttons) holds a few kilobytes at most; this is far beyond any of them.
constexpr std::size_t kMaxTextFileBytes = 64 * 1024;

// Whether `path` names a regular file, links followed: for files handed to a library that
// opens them itself (pictures, sounds, music, the font).
bool IsRegularFile(const std::string& path);

// Puts the first `maxBytes` bytes of the regular file `path` (links followed) into `in` and
// returns true. A path that is missing, unreadable or anything but a regular file leaves `in`
// empty and failed, as an ifstream that could not open it.
bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::istringstream& in);

enum class FileRead {
    Read,
    Missing,    // nothing there, or nothing a reader could take (a FIFO, a device, a folder)
    Unreadable  // a regular file, or a name the reader may not look behind, that fails to read
};

// ReadRegularFile for files the game writes back: a save must never replace a file it could
// not read (no permission, an I/O error), since that would throw away what the file holds.
// `why` (when given) gets, for Unreadable, the path and the system's reason:
// "./records.save can't be read: Permission denied".
FileRead ReadSavedFile(const std::string& path, std::size_t maxBytes, std::istringstream& in,
                       std::string* why = nullptr);

}  // namespace qv
