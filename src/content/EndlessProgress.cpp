#include "content/EndlessProgress.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <utility>

#include "util/BoundedLine.h"
#include "util/RegularFile.h"
#include "util/ReplaceFile.h"
#include "util/SaveLock.h"

namespace qv {

namespace {

// A handful of lines; the most a set name and a seed need.
constexpr std::size_t kMaxEndlessBytes = 4096;
constexpr std::size_t kMaxEndlessLineChars = 64;

}  // namespace

EndlessProgress::EndlessProgress(std::string filePath) : path(std::move(filePath)) {
    MergeFile();
}

uint32_t EndlessProgress::Next(const std::string& set) const {
    const auto found = next.find(set);
    return found == next.end() ? kFirstEndlessSeed : found->second;
}

bool EndlessProgress::Passed(const std::string& set, uint32_t seed) {
    // The last seed has no next one: the set stays there.
    if (seed == UINT32_MAX) return true;
    const SaveLock lock(path);
    if (!MergeFile()) {
        std::cerr << "Cannot save the endless puzzles' progress: " << path << " can't be read.\n";
        return false;
    }
    uint32_t& at = next.emplace(set, kFirstEndlessSeed).first->second;
    if (seed < at) return true;
    at = seed + 1;
    std::string bytes;
    for (const auto& [name, value] : next) bytes += name + ' ' + std::to_string(value) + '\n';
    std::string why;
    if (ReplaceFile(path, bytes, &why)) return true;
    std::cerr << "Cannot save the endless puzzles' progress: " << why << ".\n";
    return false;
}

bool EndlessProgress::MergeFile() {
    std::istringstream in;
    const FileRead read = ReadSavedFile(path, kMaxEndlessBytes, in);
    if (read == FileRead::Unreadable) return false;
    if (read == FileRead::Missing) return true;
    std::string line;
    while (ReadBoundedLine(in, line, kMaxEndlessLineChars)) {
        std::istringstream words(line);
        std::string name;
        unsigned long long seed = 0;
        std::string rest;
        // A damaged line is dropped; the set starts again from its first seed.
        if (!(words >> name >> seed) || (words >> rest) || seed > UINT32_MAX) continue;
        uint32_t& at = next.emplace(name, kFirstEndlessSeed).first->second;
        at = std::max(at, static_cast<uint32_t>(seed));
    }
    return true;
}

}  // namespace qv
