#pragma once
// Shared by the benchmarks: a scratch game folder laid out like the installed game, and the
// shipped levels.
#include <string>
#include <utility>
#include <vector>

#include "puzzle/Level.h"

using namespace qv;

// The repository's data folder.
std::string DataDir();

// A fresh temporary folder made the working folder for the object's lifetime. The shipped
// graphics, gui, sfx, music and config folders are linked into it, so the game reads its own
// files while everything it writes stays out of the repository.
class ScratchGameFolder {
public:
    ScratchGameFolder();
    ~ScratchGameFolder();
    ScratchGameFolder(const ScratchGameFolder&) = delete;
    ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

    void Write(const std::string& relative, const std::string& content) const;
    // Saves twenty levels (the tutorial boards over and over) and names them as set 1 in
    // "Beta.txt", so the library can load a full set from disk.
    void WriteTwentyLevelSet() const;

private:
    std::string path;
    std::string previous;
};

// Every level of every set named in data/Beta.txt, with its file name; empty while none ships.
std::vector<std::pair<std::string, Level>> ShippedLevels();
