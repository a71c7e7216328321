// The "<moves> <key> <tag>" lines of the shipped par table and of "./records.save".
#include <sstream>

#include "FuzzSupport.h"
#include "content/MoveTable.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(AsText(data, size));
    const MoveTable table = ReadMoveTable(in);
    for (const auto& [key, entry] : table) {
        Require(IsTableKey(key), "every key read can be written back");
        Require(entry.moves >= 0 && entry.moves <= kMaxTableMoves, "moves within the limit");
        Require(entry.tag.empty() || IsBoardTag(entry.tag), "a tag is a board's tag or none");
    }
    std::istringstream back(WriteMoveTable(table));
    Require(ReadMoveTable(back) == table, "what is written reads back the same");
    return 0;
}
