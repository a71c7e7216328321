#include "content/MoveTable.h"

#include <cctype>
#include <iterator>
#include <sstream>

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
    bool cut = false;
    while (in.good() && ReadCutLine(in, line, kMaxMoveLineChars, &cut)) {
        int moves = 0;
        std::string key;
        if (!cut && ParseLine(line, moves, key)) KeepFewerMoves(table, key, moves);
    }
    return table;
}

bool KeepFewerMoves(MoveTable& table, const std::string& key, int moves) {
    const auto [where, added] = table.emplace(key, moves);
    if (added) return true;
    if (where->second <= moves) return false;
    where->second = moves;
    return true;
}

MoveTable LoadMoveTable(const std::string& path) {
    MoveTable table;
    LoadSavedMoveTable(path, table, nullptr);
    return table;
}

FileRead LoadSavedMoveTable(const std::string& path, MoveTable& table, std::string* why) {
    table.clear();
    std::istringstream in;
    // A byte beyond the limit tells a file cut there from one that ends there.
    const FileRead read = ReadSavedFile(path, kMaxMoveTableBytes + 1, in, why);
    if (read != FileRead::Read) return read;
    if (in.str().size() > kMaxMoveTableBytes) {
        std::string text = in.str();
        text.resize(kMaxMoveTableBytes);
        text.resize(text.rfind('\n') + 1);  // nothing at all when no line ends within
        in.str(std::move(text));
    }
    table = ReadMoveTable(in);
    return read;
}

MoveTable LoadParTable(const std::string& path) {
    MoveTable table = LoadMoveTable(path);
    for (auto entry = table.begin(); entry != table.end();)
        entry = entry->second == 0 ? table.erase(entry) : std::next(entry);
    return table;
}

std::string WriteMoveTable(const MoveTable& table) {
    std::string text;
    for (const auto& [key, moves] : table) text += std::to_string(moves) + ' ' + key + '\n';
    return text;
}

}  // namespace qv
