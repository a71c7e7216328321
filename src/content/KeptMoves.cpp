#include "content/KeptMoves.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <utility>

#include "content/MoveTable.h"
#include "puzzle/MoveText.h"
#include "util/BoundedLine.h"
#include "util/RegularFile.h"
#include "util/ReplaceFile.h"
#include "util/SaveLock.h"

namespace qv {

namespace {

constexpr std::size_t kTagChars = 8;
constexpr std::size_t kMaxLineChars = 20 + 1 + kTagChars + 1 + 2 * kMaxKeptMoves + 1 + kMaxMoveLineChars;

bool IsTag(const std::string& tag) {
    return tag.size() == kTagChars &&
           tag.find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool IsMoveText(const std::string& moves) {
    return !moves.empty() && moves.size() <= 2 * kMaxKeptMoves && ReadMoveText(moves);
}

// "order tag moves key"; false for anything else.
bool ParseLine(const std::string& text, std::string& key, uint64_t& order, std::string& tag,
               std::string& moves) {
    std::istringstream in(text);
    std::string orderText;
    if (!(in >> orderText >> tag >> moves) || in.get() != ' ') return false;
    std::getline(in, key);
    if (orderText.size() > 19 || orderText.find_first_not_of("0123456789") != std::string::npos)
        return false;
    order = std::stoull(orderText);
    return IsTag(tag) && IsMoveText(moves) && IsTableKey(key);
}

}  // namespace

KeptMoves::KeptMoves(std::string filePath, std::size_t bound)
    : path(std::move(filePath)), maxLevels(bound) {
    std::string why;
    if (!Read(&why)) std::cerr << why << ".\n";
}

std::optional<std::string> KeptMoves::Find(const std::string& key, const std::string& tag) {
    const auto found = lines.find(key);
    if (found == lines.end()) return std::nullopt;
    if (found->second.tag == tag) return found->second.moves;
    Forget(key);
    return std::nullopt;
}

void KeptMoves::Keep(const std::string& key, const std::string& tag, const std::string& moves) {
    if (!IsTag(tag) || !IsMoveText(moves) || !IsTableKey(key)) {
        Forget(key);
        return;
    }
    Change(key, Line{0, tag, moves});
}

void KeptMoves::Forget(const std::string& key) { Change(key, std::nullopt); }

bool KeptMoves::Read(std::string* why) {
    std::istringstream in;
    const FileRead read = ReadSavedFile(path, kMaxMoveTableBytes, in, why);
    if (read == FileRead::Unreadable) return false;
    lines.clear();
    std::string text;
    bool cut = false;
    while (in.good() && ReadCutLine(in, text, kMaxLineChars, &cut)) {
        std::string key;
        Line line;
        if (cut || !ParseLine(text, key, line.order, line.tag, line.moves)) continue;
        const auto [where, added] = lines.emplace(key, line);
        if (!added && where->second.order < line.order) where->second = line;
    }
    return true;
}

void KeptMoves::Change(const std::string& key, const std::optional<Line>& line) {
    // Held from the read to the write, so another game's change can't come in between.
    const SaveLock lock(path);
    std::string why;
    if (!Read(&why)) {
        // What the file holds may be another game's: it stays until it can be read.
        std::cerr << "Cannot save " << path << ": " << why << ".\n";
        return;
    }
    if (!line) {
        if (lines.erase(key) == 0) return;
    } else {
        uint64_t newest = 0;
        for (const auto& [other, kept] : lines) newest = std::max(newest, kept.order);
        lines[key] = Line{newest + 1, line->tag, line->moves};
        while (lines.size() > maxLevels) {
            const auto oldest = std::min_element(lines.begin(), lines.end(), [](auto& a, auto& b) {
                return a.second.order < b.second.order;
            });
            lines.erase(oldest);
        }
    }
    std::string text;
    for (const auto& [name, kept] : lines)
        text += std::to_string(kept.order) + ' ' + kept.tag + ' ' + kept.moves + ' ' + name + '\n';
    if (!ReplaceFile(path, text, &why)) std::cerr << "Cannot save " << path << ": " << why << ".\n";
}

}  // namespace qv
