#pragma once
// The player's records: the fewest moves each level has been solved in, kept in
// "./records.save" beside the progress file and never mixed into it.
#include <optional>
#include <string>

#include "content/MoveTable.h"

namespace qv {

constexpr const char kRecordsFilePath[] = "./records.save";

class LevelRecords {
public:
    // Reads the file; a missing file means no records. Lines for levels this run does not
    // know are kept and written back; damaged lines are dropped at the next write. A file
    // that can't be read is reported, and never written while it stays so.
    void Load(const std::string& path = kRecordsFilePath);

    std::optional<int> Best(const std::string& key) const;
    // Takes `moves` as the level's record when there is none yet or it beats the one held,
    // and only then writes the file. True when the record improved (even if the write failed:
    // the record holds for this run, and the reason is on standard error).
    bool Offer(const std::string& key, int moves);
    // Drops a level's record (its content has changed) and writes the file if it had one.
    void Forget(const std::string& key);

private:
    MoveTable table;
    std::string path = kRecordsFilePath;

    // Another game in the same folder may have saved records since this one read the file:
    // takes every record the file now holds where it beats the one held (or there is none).
    // A file that is there but can't be read leaves `unreadable` saying so: it must not be
    // written over either, since it may hold records this game has not seen.
    void MergeFile(std::string& unreadable);
    // Writes the table, unless `unreadable` says why the file must stay as it is.
    void Save(const std::string& unreadable) const;
};

}  // namespace qv
