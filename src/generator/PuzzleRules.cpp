#include "generator/PuzzleRules.h"

// Written by the build from tools/levels/rules.txt (src/CMakeLists.txt): kLevelRulesText.
#include "LevelRulesText.h"
#include "generator/RulesText.h"

namespace qv {

namespace {

constexpr int Whole(RuleValue value) { return value.share.numerator / value.share.denominator; }

// Every rule the generator keeps: the build stops below when rules.txt lacks one.
constexpr RuleValue kLeastMoves = FindRule(kLevelRulesText, "least_moves");
constexpr RuleValue kMostMoves = FindRule(kLevelRulesText, "most_moves");
constexpr RuleValue kLongestRun = FindRule(kLevelRulesText, "longest_run");
constexpr RuleValue kMostBestStarts = FindRule(kLevelRulesText, "most_best_starts");
constexpr RuleValue kLeastTrapDepth = FindRule(kLevelRulesText, "least_trap_depth");
constexpr RuleValue kLeastDetourShare = FindRule(kLevelRulesText, "least_detour_share");
constexpr RuleValue kLeastDetour[kGradeCount] = {
    FindRule(kLevelRulesText, "least_detour", "easy"),
    FindRule(kLevelRulesText, "least_detour", "medium"),
    FindRule(kLevelRulesText, "least_detour", "hard"),
    FindRule(kLevelRulesText, "least_detour", "expert")};

static_assert(kLeastMoves.found && kMostMoves.found && kLongestRun.found &&
                  kMostBestStarts.found && kLeastTrapDepth.found && kLeastDetourShare.found,
              "tools/levels/rules.txt lacks a rule the puzzle generator keeps");
static_assert(kLeastDetour[0].found && kLeastDetour[1].found && kLeastDetour[2].found &&
                  kLeastDetour[3].found,
              "tools/levels/rules.txt lacks the least detour of a grade");

}  // namespace

const PuzzleRules kPuzzleRules{Whole(kLeastMoves),
                               Whole(kMostMoves),
                               Whole(kLongestRun),
                               Whole(kMostBestStarts),
                               Whole(kLeastTrapDepth),
                               kLeastDetourShare.share,
                               {Whole(kLeastDetour[0]), Whole(kLeastDetour[1]),
                                Whole(kLeastDetour[2]), Whole(kLeastDetour[3])}};

}  // namespace qv
