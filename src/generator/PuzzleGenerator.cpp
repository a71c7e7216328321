#include "generator/PuzzleGenerator.h"

#include <algorithm>
#include <string>

#include "generator/BoardDraft.h"
#include "generator/ClimbScore.h"
#include "generator/PuzzleFilter.h"
#include "generator/PuzzleKeys.h"
#include "puzzle/SearchSlice.h"

namespace qv {

namespace {

// Changes tried a round: enough to find a way up from most places, few enough that a round
// stays short.
constexpr int kBatch = 8;
// Rounds before a draft that does not get there is given up.
constexpr int kShapeRounds = 40;
constexpr int kStartsRounds = 8;
// Rounds without a better score before a climb is given up: it is stuck on a plateau.
constexpr int kFlatRounds = 8;
// Of a round's changes that keep the shape, the best this many by that score are simplified
// and measured with their first moves, the costly part.
constexpr int kStartsBatch = 3;

// Each search's limit. Candidates beyond it are dropped: a puzzle that takes the reference
// search more states than this takes the game too long to make, on a phone above all. Longer
// solutions than the rules allow are not looked for either.
SolverLimits SearchLimits(const PuzzleRules& rules) {
    SolverLimits limits;
    limits.maxStates = 50000;
    limits.maxMoves = rules.mostMoves;
    return limits;
}

}  // namespace

PuzzleGenerator::PuzzleGenerator(Grade wanted, uint32_t seed, const PuzzleRules& puzzleRules)
    : grade(wanted),
      rules(puzzleRules),
      random((static_cast<uint64_t>(wanted) << 32) | seed),
      currentScore(kNoScore) {
    result.grade = wanted;
    result.seed = seed;
    NewDraft();
}

bool PuzzleGenerator::Advance(double sliceSeconds) {
    SliceBudget budget(sliceSeconds);
    while (stage != Stage::Done) {
        if (stage == Stage::Simplify || stage == Stage::Trim) {
            if (!simplifier->Advance(budget)) return false;
            if (stage == Stage::Trim) {
                TakeTrimmed();
            } else {
                TakeSimplified();
            }
        } else {
            if (!batch.Advance(budget)) return false;
            TakeBatch();
        }
    }
    return true;
}

void PuzzleGenerator::TakeBatch() {
    switch (stage) {
    case Stage::Shape:
        if (TakeShapeStep()) return;
        if (ShapeKept(currentMeasures, grade, rules)) {
            round = 0;
            flatRounds = 0;
            SimplifyShapeKept();
        } else if (++round <= kShapeRounds && flatRounds < kFlatRounds) {
            TryChange();
        } else {
            NewDraft();
        }
        break;
    case Stage::StartsShape:
        SimplifyShapeKept();
        break;
    case Stage::Starts:
        KeepBest();
        if (StartsKept(currentMeasures, grade, rules)) {
            Trim();
        } else {
            NextStartsRound();
        }
        break;
    case Stage::TrimStarts: {
        // Taking tiles away can take traps with them: then the level as it was.
        const LevelMeasures& trimmed = batch.Results().front();
        if (StartsKept(trimmed, grade, rules)) {
            Keep(batch.Levels().front(), trimmed);
        } else {
            Keep(current, currentMeasures);
        }
        break;
    }
    case Stage::Simplify:
    case Stage::Trim:
    case Stage::Done:
        break;
    }
}

void PuzzleGenerator::NewDraft() {
    if (result.drafts >= kMostDrafts) {
        stage = Stage::Done;
        return;
    }
    ++result.drafts;
    stage = Stage::Shape;
    round = 0;
    flatRounds = 0;
    tried = 0;
    tie.reset();
    currentScore = kNoScore;
    batch.Start({DraftLevel(grade, random)}, SearchLimits(rules), false);
}

void PuzzleGenerator::TryChange() {
    batch.Start({MutatedLevel(current, random)}, SearchLimits(rules), false);
}

bool PuzzleGenerator::TakeShapeStep() {
    const Level& level = batch.Levels().front();
    const LevelMeasures& measures = batch.Results().front();
    const int score = ClimbScore(level, measures, grade, rules);
    const bool drafted = round == 0 && tried == 0 && currentScore == kNoScore && !tie;
    if (drafted || (score != kNoScore && (currentScore == kNoScore || score > currentScore))) {
        // The draft itself, or a step up: the round is over.
        if (!drafted) flatRounds = 0;
        current = level;
        currentMeasures = measures;
        currentScore = score;
    } else {
        // Level ground is taken too, once no change of the round went up: it lets the climb
        // wander across a plateau.
        if (score != kNoScore && score == currentScore && !tie) tie = {level, measures};
        if (++tried < kBatch) {
            TryChange();
            return true;
        }
        ++flatRounds;
        if (tie) {
            current = tie->first;
            currentMeasures = tie->second;
        }
    }
    tried = 0;
    tie.reset();
    return false;
}

void PuzzleGenerator::StartRound() {
    std::vector<Level> levels;
    for (int i = 0; i < kBatch; ++i) levels.push_back(MutatedLevel(current, random));
    batch.Start(std::move(levels), SearchLimits(rules), false);
}

void PuzzleGenerator::NextStartsRound() {
    if (++round > kStartsRounds || flatRounds >= kFlatRounds) {
        NewDraft();
        return;
    }
    stage = Stage::StartsShape;
    StartRound();
}

void PuzzleGenerator::SimplifyShapeKept() {
    toSimplify.clear();
    simplified.clear();
    // The best by score first; among equals, the first made.
    std::vector<std::pair<int, std::size_t>> kept;
    for (std::size_t i = 0; i < batch.Levels().size(); ++i) {
        const LevelMeasures& measures = batch.Results()[i];
        if (ShapeKept(measures, grade, rules))
            kept.emplace_back(-ClimbScore(batch.Levels()[i], measures, grade, rules), i);
    }
    std::sort(kept.begin(), kept.end());
    if (kept.size() > kStartsBatch) kept.resize(kStartsBatch);
    for (const auto& [score, i] : kept)
        toSimplify.emplace_back(batch.Levels()[i], batch.Results()[i].solve.moveCount);
    SimplifyNext();
}

void PuzzleGenerator::SimplifyNext() {
    if (!toSimplify.empty()) {
        stage = Stage::Simplify;
        simplifier = std::make_unique<LevelSimplifier>(
            toSimplify.front().first, toSimplify.front().second, SearchLimits(rules),
            LevelSimplifier::Scope::Colours);
        toSimplify.erase(toSimplify.begin());
        return;
    }
    if (simplified.empty()) {
        // Nothing kept the shape, or nothing could be simplified for sure.
        if (round == 0) {
            NewDraft();
        } else {
            NextStartsRound();
        }
        return;
    }
    stage = Stage::Starts;
    result.candidates += static_cast<int>(simplified.size());
    // The first moves are searched only as far as the filter asks: what a trap costs up to the
    // depth it wants, and the moves that keep par until there are too many. The deeper
    // searches would cost more than all the rest.
    batch.Start(std::move(simplified), SearchLimits(rules), true, rules.leastTrapDepth,
                rules.mostBestStarts);
    simplified.clear();
}

void PuzzleGenerator::TakeSimplified() {
    // Where it is not known whether a colour matters, the level is not one to keep.
    if (!simplifier->Undecided()) simplified.push_back(simplifier->Result());
    simplifier.reset();
    SimplifyNext();
}

void PuzzleGenerator::KeepBest() {
    const std::vector<Level>& levels = batch.Levels();
    const std::vector<LevelMeasures>& results = batch.Results();
    int best = -1;
    int bestScore = kNoScore;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        // Where the first moves count, a level whose first moves are not all known is no step.
        if (batch.FirstMoves() && !results[i].complete) continue;
        const int score = ClimbScore(levels[i], results[i], grade, rules);
        if (score != kNoScore && (best < 0 || score > bestScore)) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    // Level ground is taken too: it lets the climb wander across a plateau. The first time
    // the first moves count, the level in hand (simplified) is taken as it scores.
    const bool fresh = stage == Stage::Starts && round == 0;
    if (best >= 0 && (fresh || currentScore == kNoScore || bestScore >= currentScore)) {
        const bool up = fresh || currentScore == kNoScore || bestScore > currentScore;
        flatRounds = up ? 0 : flatRounds + 1;
        current = levels[static_cast<std::size_t>(best)];
        currentMeasures = results[static_cast<std::size_t>(best)];
        currentScore = bestScore;
    } else if (fresh) {
        currentMeasures = LevelMeasures{};
        currentScore = kNoScore;
    } else {
        ++flatRounds;
    }
}

void PuzzleGenerator::Trim() {
    stage = Stage::Trim;
    simplifier = std::make_unique<LevelSimplifier>(current, currentMeasures.solve.moveCount,
                                                   SearchLimits(rules),
                                                   LevelSimplifier::Scope::ColoursAndTiles);
}

void PuzzleGenerator::TakeTrimmed() {
    const bool undecided = simplifier->Undecided();
    Level trimmed = simplifier->Result();
    simplifier.reset();
    if (undecided) {
        Keep(current, currentMeasures);
        return;
    }
    stage = Stage::TrimStarts;
    batch.Start({std::move(trimmed)}, SearchLimits(rules), true, rules.leastTrapDepth,
                rules.mostBestStarts);
}

void PuzzleGenerator::Keep(const Level& level, const LevelMeasures& measures) {
    // Every level measured with its first moves was simplified: no colour changes nothing.
    // What a trap costs was searched only as far as the filter asks, which tells its verdict
    // all the same: no solution within that many moves means a trap that deep or a dead start.
    const PuzzleVerdict verdict = JudgePuzzle(measures, 0, rules);
    if (!verdict.Kept() || verdict.grade != grade) {
        NewDraft();
        return;
    }
    result.found = true;
    result.level = level;
    result.level.name = EndlessPuzzleName(PuzzleSeed{grade, result.seed});
    result.level.status = LevelStatus::Open;
    result.measures = measures;
    stage = Stage::Done;
}

}  // namespace qv
