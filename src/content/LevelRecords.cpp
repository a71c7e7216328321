#include "content/LevelRecords.h"

#include <iostream>

#include "util/ErrorReport.h"
#include "util/ReplaceFile.h"
#include "util/SaveLock.h"

namespace qv {

void LevelRecords::Load(const std::string& filePath) {
    path = filePath;
    table.clear();
    std::string unreadable;
    MergeFile(unreadable);
    if (!unreadable.empty()) {
        ReportError("Cannot load records. " + unreadable +
                    ". The file stays as it is, and no record is saved while it can't be read.");
    }
}

std::optional<int> LevelRecords::Best(const std::string& key) const {
    const auto found = table.find(key);
    if (found == table.end()) return std::nullopt;
    return found->second;
}

bool LevelRecords::Offer(const std::string& key, int moves) {
    if (!IsTableKey(key) || moves < 0 || moves > kMaxTableMoves) return false;
    // Held from the read to the write, so another game's save can't come in between and be lost.
    const SaveLock lock(path);
    std::string unreadable;
    MergeFile(unreadable);
    if (!KeepFewerMoves(table, key, moves)) return false;
    Save(unreadable);
    return true;
}

void LevelRecords::Forget(const std::string& key) {
    const SaveLock lock(path);
    std::string unreadable;
    MergeFile(unreadable);
    if (table.erase(key) > 0) Save(unreadable);
}

void LevelRecords::MergeFile(std::string& unreadable) {
    MoveTable onFile;
    if (LoadSavedMoveTable(path, onFile, &unreadable) == FileRead::Unreadable) return;
    for (const auto& [key, moves] : onFile) KeepFewerMoves(table, key, moves);
}

void LevelRecords::Save(const std::string& unreadable) const {
    // Like the progress file: no box, the game goes on and only this save is lost.
    std::string why = unreadable;
    if (why.empty() && ReplaceFile(path, WriteMoveTable(table), &why)) return;
    std::cerr << "Cannot save records: " << why << ".\n";
}

}  // namespace qv
