#include "content/MoveTable.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <limits>

#include "util/BoundedLine.h"

namespace qv {

bool IsTableKey(const std::string& key) {
    return !key.empty() && key[0] != ' ' && key.size() <= kMaxMoveLineChars - 8 &&
           key.find_first_of("\r\n") == std::string::npos;
}

namespace {

bool ParseLine(const std::string& line, int& moves, std::string& key) {
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string::npos || space > 6) return false;
    moves = 0;
    for (std::size_t i = 0; i < space; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
        moves = moves * 10 + (line[i] - '0');
    }
    key = line.substr(space + 1);
    return IsTableKey(key) && moves <= kMaxTableMoves;
}

}  // namespace

MoveTable ReadMoveTable(std::istream& in) {
    MoveTable table;
    std::string line;
    while (in.good()) {
        if (!ReadBoundedLine(in, line, kMaxMoveLineChars)) {
            if (in.eof()) break;
            // A line too long: skip the rest of it and read on.
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            continue;
        }
        int moves = 0;
        std::string key;
        if (!ParseLine(line, moves, key)) continue;
        const auto [where, added] = table.emplace(key, moves);
        if (!added) where->second = std::min(where->second, moves);
    }
    return table;
}

MoveTable LoadMoveTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return {};
    return ReadMoveTable(in);
}

std::string WriteMoveTable(const MoveTable& table) {
    std::string text;
    for (const auto& [key, moves] : table) text += std::to_string(moves) + ' ' + key + '\n';
    return text;
}

}  // namespace qv
