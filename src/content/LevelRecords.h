#pragma once
// The player's records: the fewest moves each level has been solved in, kept in
// "./records.save" beside the progress file and never mixed into it. A record belongs to the
// board it was made on: once the level at its key changes, it is no record of that level.
#include <optional>
#include <string>
#include <vector>

#include "content/MoveTable.h"

namespace qv {

constexpr const char kRecordsFilePath[] = "./records.save";

class LevelRecords {
public:
    // What the game knows of a level: the key, the tag of the board its file holds, and its par
    // when that is known.
    struct Board {
        std::string key;
        std::string tag;
        std::optional<int> par;
    };

    // Reads the file; a missing file means no records. Lines for levels this run does not
    // know are kept and written back; damaged lines are dropped at the next write. A file
    // that can't be read is reported, and never written while it stays so.
    void Load(const std::string& path = kRecordsFilePath);

    // The record of the level with this key on the board with this tag. A record of another
    // board is none; one written before tags were kept counts as before (until Settle).
    std::optional<int> Best(const std::string& key, const std::string& tag) const;
    // The level's record, whichever board it was made on.
    std::optional<int> Kept(const std::string& key) const;
    // Takes `moves` on board `tag` as the level's record when it has none for that board or
    // `moves` beats it, and only then writes the file. True when the record improved (even if
    // the write failed: the record holds for this run, is written with the next save, and the
    // reason is on standard error).
    bool Offer(const std::string& key, const std::string& tag, int moves);
    // Drops a level's record (its content has changed) and writes the file if it had one.
    void Forget(const std::string& key);
    // Ties the records written before tags were kept to the boards given: each is taken for the
    // board its level has now, unless it beats that board's par, which proves it was made on
    // an older board: it is dropped. Writes the file when that changed anything.
    void Settle(const std::vector<Board>& boards);

private:
    // The file as this game last read it, with what it has added since.
    MoveTable table;
    // Records this game made that are not in the file yet (the write failed): every save
    // offers them again. Nothing else of this game's is written over the file's own lines, so
    // a record another game dropped (its level was edited) never comes back from here.
    MoveTable unsaved;
    std::string path = kRecordsFilePath;

    // Takes the file as it is now as `table`, with `unsaved` on top. A file that is there but
    // can't be read leaves `table` as it was and `unreadable` saying so: it must not be
    // written over either, since it may hold records this game has not seen.
    void MergeFile(std::string& unreadable);
    // Writes the table, unless `unreadable` says why the file must stay as it is; true when
    // it was written.
    bool Save(const std::string& unreadable);
};

}  // namespace qv
