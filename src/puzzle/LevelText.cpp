#include <algorithm>
#include <limits>
#include <sstream>

#include "puzzle/Level.h"
#include "util/BoundedLine.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace {

bool ReadNumber(std::istream& in, long long& value) {
    return static_cast<bool>(in >> value);
}

// One line without its line end; a carriage return before the line feed belongs to the end.
// Far longer than any name the editor lets a player type, so those load back intact; the rest
// of a longer line is skipped.
bool ReadLine(std::istream& in, std::string& line) {
    return ReadCutLine(in, line, kMaxLevelLineChars);
}

// Items 1 to 5 of a level text: size, tiles row by row, then circle, star, triangle and their
// goals. `reportAs` is the path named in messages, or null for the trusted built-in strings.
// Stops at the first bad, missing or out-of-range number; returns whether everything was read.
bool ReadBoard(Level& level, std::istream& in, const std::string* reportAs) {
    auto report = [&](const std::string& reason) {
        if (reportAs) ReportError("Cannot load level " + *reportAs + ". " + reason);
    };

    level.tiles.fill(TileColor::Black);
    long long width = 0;
    long long height = 0;
    if (!ReadNumber(in, width) || !ReadNumber(in, height)) {
        level.width = level.height = 0;
        return false;
    }
    // A rejected size leaves an empty board, so nothing is ever drawn or played outside the array.
    if (width > kMaxWidth || height > kMaxHeight) {
        level.width = level.height = 0;
        report("Level too big.");
        return false;
    }
    if (width < 0 || height < 0) {
        level.width = level.height = 0;
        report("Level dimensions cannot be negative.");
        return false;
    }
    level.width = static_cast<int32_t>(width);
    level.height = static_cast<int32_t>(height);

    for (int y = 0; y < level.height; ++y) {
        for (int x = 0; x < level.width; ++x) {
            long long value = 0;
            if (!ReadNumber(in, value)) return false;
            if (value < 0 || value > 7) {
                report("Invalid color (" + std::to_string(value) + ") at position (" +
                       std::to_string(x) + ", " + std::to_string(y) + ").");
                return false;
            }
            level.Tile(x, y) = static_cast<TileColor>(value);
        }
    }

    for (TilePos* pos : {&level.circlePos, &level.starPos, &level.trianglePos, &level.circleGoal,
                         &level.starGoal, &level.triangleGoal}) {
        for (int16_t* half : {&pos->x, &pos->y}) {
            long long value = 0;
            if (!ReadNumber(in, value)) return false;
            *half = static_cast<int16_t>(value);
        }
    }
    return true;
}

// Ends a written line. A carriage return just before the line feed is read as part of the line
// end, so a line that ends in one (a name read from "...\r\r\n") gets a second.
void EndLine(std::ostream& out, const std::string& line) {
    out << (!line.empty() && line.back() == '\r' ? "\r\n" : "\n");
}

// The non-empty lines of `text`, each ended: what the reader gives back.
void WriteTextLines(std::ostream& out, const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        out << line;
        EndLine(out, line);
    }
}

}  // namespace

void Level::LoadLevel() {
    // A folder, FIFO or device holds no level: it is as missing as no file at all. A file that
    // is there but can't be read may hold the player's level: it must not be saved over.
    std::istringstream in;
    std::string why;
    boardFromFile = false;
    saveRefusal.clear();
    switch (ReadSavedFile(filePath, kMaxTextFileBytes, in, &why)) {
    case FileRead::Missing:
        ReportError("Cannot load level " + filePath + ". File not found.");
        return;
    case FileRead::Unreadable:
        saveRefusal = why + ". The file stays as it is.";
        ReportError("Cannot load level " + filePath + ". " + why + ".");
        return;
    case FileRead::Read: break;
    }
    ReadLevel(in);
}

void Level::ReadLevel(std::istream& in) {
    boardFromFile = false;
    if (!ReadBoard(*this, in, &filePath)) return;
    boardFromFile = true;

    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (!ReadLine(in, name)) name.clear();

    std::string line;
    introText.clear();
    while (ReadLine(in, line) && !line.empty()) introText += line + '\n';
    picturePath.clear();
    solvedText.clear();
    while (ReadLine(in, line)) {
        if (!line.empty()) solvedText += line + '\n';
    }
    ClearHistories();
}

void Level::WriteLevel(std::ostream& out) const {
    const int columns = Columns();
    const int rows = Rows();
    out << columns << ' ' << rows << ' ';
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) out << static_cast<int32_t>(Tile(x, y)) << ' ';
    }
    const char* separator = "";
    for (const TilePos& pos : {circlePos, starPos, trianglePos, circleGoal, starGoal, triangleGoal}) {
        out << separator << pos.x << ' ' << pos.y;
        separator = " ";
    }
    out << '\n' << name;
    if (introText.empty() && solvedText.empty()) return;
    // The intro ends at the first empty line, and the solved text's empty lines are dropped on
    // reading: each text's non-empty lines, then one empty line between the two.
    EndLine(out, name);
    WriteTextLines(out, introText);
    if (!solvedText.empty()) out << '\n';
    WriteTextLines(out, solvedText);
}

bool Level::SaveLevel() {
    if (!saveRefusal.empty()) {
        ReportError("Cannot save level " + filePath + ". " + saveRefusal);
        return false;
    }
    UndoAllMoves();
    std::ostringstream text;
    WriteLevel(text);
    const bool saved = !filePath.empty() && ReplaceFile(filePath, text.str());
    if (!saved) {
        // The edits are not in any file, so they must stay undoable.
        ReportError("Cannot save level " + filePath + ".");
        return false;
    }
    editHistory.clear();
    boardFromFile = true;
    return true;
}

Level ParseLevelString(const std::string& numbers, const std::string& name,
                       const std::string& introText, const std::string& solvedText,
                       const std::string& picturePath) {
    Level level;
    std::istringstream in(numbers);
    ReadBoard(level, in, nullptr);
    level.name = name;
    level.introText = introText;
    level.solvedText = solvedText;
    level.picturePath = picturePath;
    return level;
}

}  // namespace qv
