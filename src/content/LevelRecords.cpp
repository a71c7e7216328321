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
    MergeFile();
    if (!KeepFewerMoves(table, key, moves)) return false;
    Save();
    return true;
}

void LevelRecords::Forget(const std::string& key) {
    MergeFile();
    if (table.erase(key) > 0) Save();
}

void LevelRecords::MergeFile() {
    for (const auto& [key, moves] : LoadMoveTable(path)) KeepFewerMoves(table, key, moves);
}

void LevelRecords::Save() const {
    // Like the progress file: no box, the game goes on and only this save is lost.
    std::string why;
    if (!ReplaceFile(path, WriteMoveTable(table), &why))
        std::cerr << "Cannot save records: " << why << ".\n";
}

}  // namespace qv
