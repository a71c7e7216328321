#include "content/LevelRecords.h"

#include <iostream>

#include "util/ReplaceFile.h"

namespace qv {

void LevelRecords::Load(const std::string& filePath) {
    path = filePath;
    table = LoadMoveTable(path);
}

std::optional<int> LevelRecords::Best(const std::string& key) const {
    const auto found = table.find(key);
    if (found == table.end()) return std::nullopt;
    return found->second;
}

bool LevelRecords::Offer(const std::string& key, int moves) {
    if (!IsTableKey(key) || moves < 0 || moves > kMaxTableMoves) return false;
    const auto [where, added] = table.emplace(key, moves);
    if (!added) {
        if (where->second <= moves) return false;
        where->second = moves;
    }
    Save();
    return true;
}

void LevelRecords::Forget(const std::string& key) {
    if (table.erase(key) > 0) Save();
}

void LevelRecords::Save() const {
    // Like the progress file: no box, the game goes on and only this save is lost.
    std::string why;
    if (!ReplaceFile(path, WriteMoveTable(table), &why))
        std::cerr << "Cannot save records: " << why << ".\n";
}

}  // namespace qv
