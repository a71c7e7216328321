// The "<moves> <key>" lines of the shipped par table and of "./records.save".
#include <sstream>

#include "FuzzSupport.h"
#include "content/MoveTable.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(AsText(data, size));
    const MoveTable table = ReadMoveTable(in);
    for (const auto& [key, moves] : table) {
        Require(IsTableKey(key), "every key read can be written back");
        Require(moves >= 0 && moves <= kMaxTableMoves, "moves within the limit");
    }
    std::istringstream back(WriteMoveTable(table));
    Require(ReadMoveTable(back) == table, "what is written reads back the same");
    return 0;
}
