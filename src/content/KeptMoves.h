#pragma once
// Moves kept beside a level between runs, a file for each use: the position a level was left in
// ("./continue.save") and the player's best solution of it ("./solutions.save"). Neither is
// mixed into the progress file or the records. A line holds an order number (a newer line has
// a bigger one), the board tag of the level the moves start from (puzzle/BoardTag.h), the
// moves (puzzle/MoveText.h) and the level's key, as the records name it, one blank between:
//     17 9a3c00f1 crsutl levels/first/03.txt
// A file keeps at most its bound of levels, the oldest going first. Every change reads the file
// again under the folder lock and changes only its own level's line, so two games in one folder
// keep each other's.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace qv {

constexpr const char kContinueFilePath[] = "./continue.save";
constexpr const char kSolutionsFilePath[] = "./solutions.save";
// Far more moves than a level is solved in; a longer play is not kept.
constexpr std::size_t kMaxKeptMoves = 2000;
// More levels than the game ships with the player's own twenty.
constexpr std::size_t kMaxKeptLevels = 200;

class KeptMoves {
public:
    // Reads the file; a missing one keeps nothing. Damaged lines are dropped at the next write.
    explicit KeptMoves(std::string path, std::size_t maxLevels = kMaxKeptLevels);

    // The moves kept for the level with this key, when they start from a board with this tag.
    // Moves kept for another board are dropped: the level has changed since.
    std::optional<std::string> Find(const std::string& key, const std::string& tag);
    // Keeps `moves` for the level as its newest line; too many moves, or a key the line can't
    // hold, keep nothing (and drop what was kept, which no longer matches the play).
    void Keep(const std::string& key, const std::string& tag, const std::string& moves);
    void Forget(const std::string& key);

private:
    struct Line {
        uint64_t order = 0;
        std::string tag;
        std::string moves;
    };
    using Lines = std::map<std::string, Line>;

    std::string path;
    std::size_t maxLevels;
    Lines lines;  // as the file held them at the last read or write

    // Reads the file into `lines`; false, saying why, when it is there but can't be read.
    bool Read(std::string* why);
    // Changes one level's line in what the file holds now and writes it back.
    void Change(const std::string& key, const std::optional<Line>& line);
};

}  // namespace qv
