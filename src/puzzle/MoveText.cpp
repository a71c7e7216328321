#include "puzzle/MoveText.h"

namespace qv {

namespace {

constexpr char kShapeLetters[] = "cst";      // by ShapeKind
constexpr char kDirectionLetters[] = "udlr";  // by StepDirection

std::optional<StepDirection> DirectionOf(const Command& command) {
    const int dx = command.toX - command.fromX;
    const int dy = command.toY - command.fromY;
    if (dx == 0 && dy == -1) return StepDirection::Up;
    if (dx == 0 && dy == 1) return StepDirection::Down;
    if (dx == -1 && dy == 0) return StepDirection::Left;
    if (dx == 1 && dy == 0) return StepDirection::Right;
    return std::nullopt;
}

template <std::size_t N>
int IndexOf(const char (&letters)[N], char letter) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (letters[i] == letter) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::vector<SolverMove> MovesOf(const CommandHistory& history) {
    std::vector<SolverMove> moves;
    for (const Command& command : history) {
        const auto direction = DirectionOf(command);
        if (command.kind != static_cast<int32_t>(CommandKind::ShapeMoved) ||
            !IsValidShape(command.shape) || !direction) {
            continue;
        }
        moves.push_back({static_cast<ShapeKind>(command.shape),
                         {static_cast<int16_t>(command.fromX), static_cast<int16_t>(command.fromY)},
                         *direction});
    }
    return moves;
}

std::string MoveText(const std::vector<SolverMove>& moves) {
    std::string text;
    for (const SolverMove& move : moves) {
        text += kShapeLetters[static_cast<int>(move.shape)];
        text += kDirectionLetters[static_cast<int>(move.direction)];
    }
    return text;
}

std::optional<std::vector<SolverMove>> ReadMoveText(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<SolverMove> moves;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int shape = IndexOf(kShapeLetters, text[i]);
        const int direction = IndexOf(kDirectionLetters, text[i + 1]);
        if (shape < 0 || direction < 0) return std::nullopt;
        SolverMove move;
        move.shape = static_cast<ShapeKind>(shape);
        move.direction = static_cast<StepDirection>(direction);
        moves.push_back(move);
    }
    return moves;
}

bool PlayMoves(Level& level, const std::vector<SolverMove>& moves) {
    for (const SolverMove& move : moves) {
        const TilePos from = level.ShapePos(move.shape);
        const TilePos to = StepTarget(from, move.direction);
        if (!level.MoveShape(from, to.x, to.y)) return false;
    }
    return true;
}

Level StartOf(const Level& level) {
    Level start = level;
    start.UndoAllMoves();
    return start;
}

}  // namespace qv
