#include "BenchSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "content/LevelLibrary.h"
#include "content/Tutorial.h"
#include "util/BoundedLine.h"

using namespace qv;

namespace fs = std::filesystem;

std::string DataDir() { return std::string(QV_SOURCE_DIR) + "/data"; }

ScratchGameFolder::ScratchGameFolder() : previous(fs::current_path().string()) {
    std::string pattern = (fs::temp_directory_path() / "qv-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
    for (const char* folder : {"graphics", "gui", "sfx", "music", "config"}) {
        fs::create_directory_symlink(fs::path(DataDir()) / folder, fs::path(path) / folder);
    }
    fs::current_path(path);
}

ScratchGameFolder::~ScratchGameFolder() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
    fs::remove_all(path, ignored);  // removes the links, not what they point to
}

void ScratchGameFolder::Write(const std::string& relative, const std::string& content) const {
    const fs::path file = fs::path(path) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

void ScratchGameFolder::WriteTwentyLevelSet() const {
    std::string list;
    for (int i = 0; i < kMaxLevelsPerSet; ++i) {
        // Starting at "Mixing Colors": the play benchmark needs a first level without an intro.
        Level level = TutorialLevel((i + 2) % kTutorialLevelCount);
        level.name = "Level " + std::to_string(i);
        std::ostringstream text;
        level.WriteLevel(text);
        const std::string file = "levels/level" + std::to_string(i) + ".txt";
        Write(file, text.str());
        list += file + "\n";
    }
    Write("levels/bench.list", list);
    Write("Beta.txt", "bench\nlevels/bench.list\n");
}

std::vector<std::pair<std::string, Level>> ShippedLevels() {
    std::vector<std::pair<std::string, Level>> levels;
    const fs::path data = DataDir();
    std::ifstream sets(data / "Beta.txt");
    std::string name;
    std::string listFile;
    while (ReadBoundedLine(sets, name, kMaxSetNameChars) &&
           ReadBoundedLine(sets, listFile, kMaxPathChars) && !listFile.empty()) {
        std::ifstream list(data / listFile);
        std::string levelFile;
        while (ReadBoundedLine(list, levelFile, kMaxPathChars)) {
            if (levelFile.empty()) continue;
            Level level;
            level.filePath = (data / levelFile).string();
            level.LoadLevel();
            levels.emplace_back(levelFile, level);
        }
    }
    return levels;
}
