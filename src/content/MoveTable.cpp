#include "content/MoveTable.h"

#include <cctype>
#include <iterator>
#include <sstream>

#include "util/BoundedLine.h"

namespace qv {

bool IsTableKey(const std::string& key) {
    // Room for the longest number, the tag and their blanks in a line the reader takes.
    return !key.empty() && key[0] != ' ' && key.size() <= kMaxMoveLineChars - 16 &&
           key.find_first_of("\r\n") == std::string::npos;
}

bool IsBoardTag(const std::string& tag) {
    return tag.size() == 8 && tag.find_first_not_of("0123456789abcdef") == std::string::npos;
}

namespace {

bool ParseLine(const std::string& line, std::string& key, MoveEntry& entry) {
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string::npos || space > 6) return false;
    entry.moves = 0;
    for (std::size_t i = 0; i < space; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
        entry.moves = entry.moves * 10 + (line[i] - '0');
    }
    key = line.substr(space + 1);
    entry.tag.clear();
    const std::size_t last = key.rfind(' ');
    if (last != std::string::npos && last > 0 && IsBoardTag(key.substr(last + 1))) {
        entry.tag = key.substr(last + 1);
        key.resize(last);
    }
    return IsTableKey(key) && entry.moves <= kMaxTableMoves;
}

}  // namespace

MoveTable ReadMoveTable(std::istream& in) {
    MoveTable table;
    std::string line;
    bool cut = false;
    while (in.good() && ReadCutLine(in, line, kMaxMoveLineChars, &cut)) {
        std::string key;
        MoveEntry entry;
        if (cut || !ParseLine(line, key, entry)) continue;
        const auto [where, added] = table.emplace(key, entry);
        if (!added && entry.moves < where->second.moves) where->second = entry;
    }
    return table;
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
        entry = entry->second.moves == 0 ? table.erase(entry) : std::next(entry);
    return table;
}

std::string WriteMoveTable(const MoveTable& table) {
    std::string text;
    for (const auto& [key, entry] : table) {
        text += std::to_string(entry.moves) + ' ' + key;
        if (!entry.tag.empty()) text += ' ' + entry.tag;
        text += '\n';
    }
    return text;
}

}  // namespace qv
