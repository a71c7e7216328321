#include "puzzle/LevelLink.h"

#include <array>

namespace qv {

namespace {

constexpr char kPrefix[] = "L1.";
constexpr std::size_t kPrefixChars = sizeof(kPrefix) - 1;
constexpr std::size_t kDigitCount = kCellCount + 12;

constexpr char kHexDigits[] = "0123456789ABCDEF";

// What a name byte stands for in a link unescaped: nothing a browser, a mail program or a chat
// window would change or cut a link at.
bool PlainInLink(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '~';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A name is one line of a level file, and a C string where it is drawn.
bool NameByte(char c) { return c != '\n' && c != '\0'; }

std::string EscapedName(const std::string& name) {
    std::string link;
    for (char c : name) {
        if (PlainInLink(c)) {
            link += c;
        } else if (c == ' ') {
            link += '_';
        } else {
            const auto byte = static_cast<unsigned char>(c);
            link += {'%', kHexDigits[byte >> 4], kHexDigits[byte & 15]};
        }
    }
    return link;
}

// The name from its escaped form; false on a broken escape or a byte no name can hold.
bool UnescapedName(const std::string& link, std::string& name) {
    name.clear();
    for (std::size_t i = 0; i < link.size(); ++i) {
        char c = link[i];
        if (c == '_') {
            c = ' ';
        } else if (c == '%') {
            const int high = i + 2 < link.size() ? HexValue(link[i + 1]) : -1;
            const int low = high >= 0 ? HexValue(link[i + 2]) : -1;
            if (low < 0) return false;
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (!NameByte(c)) return false;
        name += c;
    }
    return true;
}

// In the order the link holds them.
std::array<TilePos*, 6> Places(Level& level) {
    return {&level.circlePos, &level.starPos, &level.trianglePos,
            &level.circleGoal, &level.starGoal, &level.triangleGoal};
}
std::array<TilePos, 6> Places(const Level& level) {
    return {level.circlePos, level.starPos, level.trianglePos,
            level.circleGoal, level.starGoal, level.triangleGoal};
}

bool Fail(std::string* why, const std::string& reason) {
    if (why) *why = reason;
    return false;
}

// Every piece on a tile of the board, and no two pieces of a kind sharing one.
bool Playable(const Level& level, std::string* why) {
    const std::array<TilePos, 6> places = Places(level);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const TilePos pos = places[i];
        if (!InBoardArray(pos.x, pos.y) || level.Tile(pos.x, pos.y) == TileColor::Black)
            return Fail(why, "A shape or goal is not on a tile.");
        const std::size_t kindStart = i < 3 ? 0 : 3;
        for (std::size_t j = kindStart; j < i; ++j) {
            if (places[j] == pos) return Fail(why, "Two shapes or two goals share a tile.");
        }
    }
    return true;
}

}  // namespace

std::string LevelLinkFragment(const Level& level) {
    std::string fragment = kPrefix;
    for (int y = 0; y < kMaxHeight; ++y) {
        for (int x = 0; x < kMaxWidth; ++x) {
            const auto color = static_cast<int32_t>(level.Tile(x, y));
            fragment += static_cast<char>('0' + (IsValidColor(color) ? color : 0));
        }
    }
    for (const TilePos pos : Places(level)) {
        // An impossible place stays impossible in the link, for the reader to refuse.
        for (const int16_t half : {pos.x, pos.y})
            fragment += static_cast<char>('0' + (half >= 0 && half <= 9 ? half : 9));
    }
    return fragment + '.' + EscapedName(level.name);
}

std::optional<Level> ReadLevelLink(const std::string& fragment, std::string* why) {
    if (fragment.size() > kMaxLevelLinkChars) {
        Fail(why, "The link is too long to hold a level.");
        return std::nullopt;
    }
    if (fragment.compare(0, kPrefixChars, kPrefix) != 0) {
        Fail(why, "The link holds no level this game can read.");
        return std::nullopt;
    }
    const std::size_t nameStart = kPrefixChars + kDigitCount + 1;
    if (fragment.size() < nameStart || fragment[nameStart - 1] != '.') {
        Fail(why, "The link is cut short or damaged.");
        return std::nullopt;
    }
    std::array<int, kDigitCount> digits{};
    for (std::size_t i = 0; i < kDigitCount; ++i) {
        const char c = fragment[kPrefixChars + i];
        if (c < '0' || c > '9') {
            Fail(why, "The link is cut short or damaged.");
            return std::nullopt;
        }
        digits[i] = c - '0';
    }

    Level level;
    level.width = kMaxWidth;
    level.height = kMaxHeight;
    for (int y = 0; y < kMaxHeight; ++y) {
        for (int x = 0; x < kMaxWidth; ++x) {
            const int color = digits[static_cast<std::size_t>(y * kMaxWidth + x)];
            if (!IsValidColor(color)) {
                Fail(why, "The link holds a tile colour that does not exist.");
                return std::nullopt;
            }
            level.Tile(x, y) = static_cast<TileColor>(color);
        }
    }
    std::size_t next = kCellCount;
    for (TilePos* pos : Places(level)) {
        pos->x = static_cast<int16_t>(digits[next++]);
        pos->y = static_cast<int16_t>(digits[next++]);
    }
    if (!Playable(level, why)) return std::nullopt;

    std::string name;
    if (!UnescapedName(fragment.substr(nameStart), name)) {
        Fail(why, "The level's name in the link holds characters a name can't have.");
        return std::nullopt;
    }
    if (name.size() > kMaxLinkedNameChars) {
        Fail(why, "The level's name in the link is too long.");
        return std::nullopt;
    }
    level.name = name;
    level.status = LevelStatus::Open;
    return level;
}

std::string LevelCode(const Level& level) { return "#" + LevelLinkFragment(level); }

std::optional<Level> ReadLevelCode(const std::string& code, std::string* why) {
    const std::size_t first = code.find_first_not_of(" \t\r\n");
    const std::size_t last = code.find_last_not_of(" \t\r\n");
    std::string fragment = first == std::string::npos ? "" : code.substr(first, last - first + 1);
    // A link's fragment starts after its first '#'; a name's own '#' is always escaped.
    if (const std::size_t hash = fragment.find('#'); hash != std::string::npos)
        fragment.erase(0, hash + 1);
    auto level = ReadLevelLink(fragment, why);
    // The reasons speak of links; the player holds a code.
    if (!level && why && why->rfind("The link", 0) == 0) why->replace(4, 4, "code");
    return level;
}

}  // namespace qv
