#include "content/LevelRecords.h"

#include <iostream>

#include "util/ErrorReport.h"
#include "util/ReplaceFile.h"
#include "util/SaveLock.h"

namespace qv {

namespace {

// A record of this board, or one written before tags were kept, which counts for any.
bool OfBoard(const MoveEntry& entry, const std::string& tag) {
    return entry.tag.empty() || entry.tag == tag;
}

// Takes `entry` as the key's record unless the table holds one of the same board that is as
// good; a record of another board gives way. True when it was taken.
bool Improve(MoveTable& table, const std::string& key, const MoveEntry& entry) {
    const auto [where, added] = table.emplace(key, entry);
    if (added) return true;
    if (OfBoard(where->second, entry.tag) && where->second.moves <= entry.moves) return false;
    where->second = entry;
    return true;
}

}  // namespace

void LevelRecords::Load(const std::string& filePath) {
    path = filePath;
    table.clear();
    unsaved.clear();
    std::string unreadable;
    MergeFile(unreadable);
    if (!unreadable.empty()) {
        ReportError("Cannot load records. " + unreadable +
                    ". The file stays as it is, and no record is saved while it can't be read.");
    }
}

std::optional<int> LevelRecords::Best(const std::string& key, const std::string& tag) const {
    const auto found = table.find(key);
    if (found == table.end() || !OfBoard(found->second, tag)) return std::nullopt;
    return found->second.moves;
}

std::optional<int> LevelRecords::Kept(const std::string& key) const {
    const auto found = table.find(key);
    if (found == table.end()) return std::nullopt;
    return found->second.moves;
}

bool LevelRecords::Offer(const std::string& key, const std::string& tag, int moves) {
    if (!IsTableKey(key) || !IsBoardTag(tag) || moves < 0 || moves > kMaxTableMoves) return false;
    // Held from the read to the write, so another game's save can't come in between and be lost.
    const SaveLock lock(path);
    std::string unreadable;
    MergeFile(unreadable);
    const MoveEntry entry{moves, tag};
    if (!Improve(table, key, entry)) return false;
    unsaved[key] = entry;
    if (Save(unreadable)) unsaved.clear();
    return true;
}

void LevelRecords::Forget(const std::string& key) {
    const SaveLock lock(path);
    std::string unreadable;
    unsaved.erase(key);
    MergeFile(unreadable);
    if (table.erase(key) > 0 && Save(unreadable)) unsaved.clear();
}

void LevelRecords::Settle(const std::vector<Board>& boards) {
    const SaveLock lock(path);
    std::string unreadable;
    MergeFile(unreadable);
    bool changed = false;
    for (const Board& board : boards) {
        // A tagged record was made on its board, which no table can overrule.
        const auto found = table.find(board.key);
        if (found == table.end() || !found->second.tag.empty()) continue;
        if (board.par && found->second.moves < *board.par)
            table.erase(found);
        else
            found->second.tag = board.tag;
        changed = true;
    }
    if (changed && Save(unreadable)) unsaved.clear();
}

void LevelRecords::MergeFile(std::string& unreadable) {
    MoveTable onFile;
    if (LoadSavedMoveTable(path, onFile, &unreadable) == FileRead::Unreadable) return;
    table = std::move(onFile);
    for (const auto& [key, entry] : unsaved) Improve(table, key, entry);
}

bool LevelRecords::Save(const std::string& unreadable) {
    // Like the progress file: no box, the game goes on and only this save is lost.
    std::string why = unreadable;
    if (why.empty() && ReplaceFile(path, WriteMoveTable(table), &why)) return true;
    std::cerr << "Cannot save records: " << why << ".\n";
    return false;
}

}  // namespace qv
