#include "puzzle/Solver.h"

namespace qv {

TilePos StepTarget(TilePos from, StepDirection direction) {
    TilePos to = from;
    switch (direction) {
    case StepDirection::Up: --to.y; break;
    case StepDirection::Down: ++to.y; break;
    case StepDirection::Left: --to.x; break;
    case StepDirection::Right: ++to.x; break;
    }
    return to;
}

const char* ShapeName(ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Circle: return "circle";
    case ShapeKind::Star: return "star";
    case ShapeKind::Triangle: return "triangle";
    }
    return "?";
}

const char* OutcomeName(SolveOutcome outcome) {
    switch (outcome) {
    case SolveOutcome::Solved: return "solved";
    case SolveOutcome::Unsolvable: return "unsolvable";
    case SolveOutcome::Way: return "way";
    case SolveOutcome::Undecided: break;
    }
    return "undecided";
}

std::string DescribeMove(const SolverMove& move) {
    static const char* const kDirectionNames[] = {"up", "down", "left", "right"};
    return std::string(ShapeName(move.shape)) + " (" + std::to_string(move.from.x) + "," +
           std::to_string(move.from.y) + ") " + kDirectionNames[static_cast<int>(move.direction)];
}

}  // namespace qv
