#pragma once
// Where the player is in each endless set of generated puzzles: the seed to play next, kept in
// "./endless.save" as lines "<set> <seed>" ("medium 17"). The file is this feature's own, so
// that the progress and records files keep their formats.
#include <cstdint>
#include <map>
#include <string>

namespace qv {

constexpr const char kEndlessFilePath[] = "./endless.save";
// The seed a set starts from.
constexpr uint32_t kFirstEndlessSeed = 1;

class EndlessProgress {
public:
    // Reads the file; a missing or damaged one starts every set at its first seed.
    explicit EndlessProgress(std::string path = kEndlessFilePath);

    uint32_t Next(const std::string& set) const;
    // `seed` of the set has been solved: the set goes on after it, unless it is already beyond.
    // Another game in the same folder may have moved on too; the file keeps the further of the
    // two. False when the file could not be written (the reason is on standard error).
    bool Passed(const std::string& set, uint32_t seed);

private:
    std::string path;
    std::map<std::string, uint32_t> next;

    // Takes the further of each set's seed here and in the file; false when it can't be read.
    bool MergeFile();
};

}  // namespace qv
