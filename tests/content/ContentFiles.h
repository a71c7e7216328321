#pragma once
// Builds the files a level library reads (set list, list files, level files, progress file)
// inside a TempDir, and reads the progress file back as records.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/ProgressRecord.h"
#include "content/Settings.h"
#include "support/TempDir.h"

using namespace qv;

// A one-tile level file named `name`.
std::string LevelFileText(const std::string& name);

// Writes "Beta.txt" naming one set per entry of levelCounts ("set1", "set2", ...), each with
// its list file "setN.txt" and levels "sN-L.level" named "sN-L".
void WriteSets(const TempDir& dir, const std::vector<int>& levelCounts);

// The three settings bytes and then the given record bytes.
void WriteProgress(const TempDir& dir, const std::vector<uint8_t>& recordBytes);

std::vector<uint8_t> ReadBytes(const TempDir& dir, const std::string& relative);

// Every complete record after the settings bytes, in file order.
std::vector<ProgressRecord> ReadRecords(const TempDir& dir);

// A library with settings of its own to save, created from the files now in the working folder.
struct OwnSettings {
    Settings userSettings;
};
class TestLibrary : public OwnSettings, public LevelLibrary {
public:
    TestLibrary() : LevelLibrary(userSettings) {}
};
std::unique_ptr<TestLibrary> MakeLibrary();

// Gives level `level` of set `set` that status, as a progress file read in would.
void SetStatus(LevelLibrary& library, int set, int level, LevelStatus status);
