#include "generator/PuzzleGenerator.h"

#include <algorithm>
#include <string>

#include "generator/BoardDraft.h"
#include "generator/ClimbScore.h"
#include "generator/PuzzleFilter.h"
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

PuzzleGenerator::PuzzleGenerator(Grade grade, uint32_t seed, const PuzzleRules& rules)
    : grade_(grade),
      rules_(rules),
      random_((static_cast<uint64_t>(grade) << 32) | seed),
      currentScore_(kNoScore) {
    result_.grade = grade;
    result_.seed = seed;
    NewDraft();
}

bool PuzzleGenerator::Advance(double sliceSeconds) {
    SliceBudget budget(sliceSeconds);
    while (stage_ != Stage::Done) {
        if (stage_ == Stage::Simplify || stage_ == Stage::Trim) {
            if (!simplifier_->Advance(budget)) return false;
            if (stage_ == Stage::Trim) {
                TakeTrimmed();
            } else {
                TakeSimplified();
            }
        } else {
            if (!batch_.Advance(budget)) return false;
            TakeBatch();
        }
    }
    return true;
}

void PuzzleGenerator::TakeBatch() {
    switch (stage_) {
    case Stage::Shape:
        if (TakeShapeStep()) return;
        if (ShapeKept(currentMeasures_, grade_, rules_)) {
            round_ = 0;
            flatRounds_ = 0;
            SimplifyShapeKept();
        } else if (++round_ <= kShapeRounds && flatRounds_ < kFlatRounds) {
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
        if (StartsKept(currentMeasures_, grade_, rules_)) {
            Trim();
        } else {
            NextStartsRound();
        }
        break;
    case Stage::TrimStarts: {
        // Taking tiles away can take traps with them: then the level as it was.
        const LevelMeasures& trimmed = batch_.Results().front();
        if (StartsKept(trimmed, grade_, rules_)) {
            Keep(batch_.Levels().front(), trimmed);
        } else {
            Keep(current_, currentMeasures_);
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
    if (result_.drafts >= kMostDrafts) {
        stage_ = Stage::Done;
        return;
    }
    ++result_.drafts;
    stage_ = Stage::Shape;
    round_ = 0;
    flatRounds_ = 0;
    tried_ = 0;
    tie_.reset();
    currentScore_ = kNoScore;
    batch_.Start({DraftLevel(grade_, random_)}, SearchLimits(rules_), false);
}

void PuzzleGenerator::TryChange() {
    batch_.Start({MutatedLevel(current_, random_)}, SearchLimits(rules_), false);
}

bool PuzzleGenerator::TakeShapeStep() {
    const Level& level = batch_.Levels().front();
    const LevelMeasures& measures = batch_.Results().front();
    const int score = ClimbScore(level, measures, grade_, rules_);
    const bool drafted = round_ == 0 && tried_ == 0 && currentScore_ == kNoScore && !tie_;
    if (drafted || (score != kNoScore && (currentScore_ == kNoScore || score > currentScore_))) {
        // The draft itself, or a step up: the round is over.
        if (!drafted) flatRounds_ = 0;
        current_ = level;
        currentMeasures_ = measures;
        currentScore_ = score;
    } else {
        // Level ground is taken too, once no change of the round went up: it lets the climb
        // wander across a plateau.
        if (score != kNoScore && score == currentScore_ && !tie_) tie_ = {level, measures};
        if (++tried_ < kBatch) {
            TryChange();
            return true;
        }
        ++flatRounds_;
        if (tie_) {
            current_ = tie_->first;
            currentMeasures_ = tie_->second;
        }
    }
    tried_ = 0;
    tie_.reset();
    return false;
}

void PuzzleGenerator::StartRound() {
    std::vector<Level> levels;
    for (int i = 0; i < kBatch; ++i) levels.push_back(MutatedLevel(current_, random_));
    batch_.Start(std::move(levels), SearchLimits(rules_), false);
}

void PuzzleGenerator::NextStartsRound() {
    if (++round_ > kStartsRounds || flatRounds_ >= kFlatRounds) {
        NewDraft();
        return;
    }
    stage_ = Stage::StartsShape;
    StartRound();
}

void PuzzleGenerator::SimplifyShapeKept() {
    toSimplify_.clear();
    simplified_.clear();
    // The best by score first; among equals, the first made.
    std::vector<std::pair<int, std::size_t>> kept;
    for (std::size_t i = 0; i < batch_.Levels().size(); ++i) {
        const LevelMeasures& measures = batch_.Results()[i];
        if (ShapeKept(measures, grade_, rules_))
            kept.emplace_back(-ClimbScore(batch_.Levels()[i], measures, grade_, rules_), i);
    }
    std::sort(kept.begin(), kept.end());
    if (kept.size() > kStartsBatch) kept.resize(kStartsBatch);
    for (const auto& [score, i] : kept)
        toSimplify_.emplace_back(batch_.Levels()[i], batch_.Results()[i].solve.moveCount);
    SimplifyNext();
}

void PuzzleGenerator::SimplifyNext() {
    if (!toSimplify_.empty()) {
        stage_ = Stage::Simplify;
        simplifier_ = std::make_unique<LevelSimplifier>(
            toSimplify_.front().first, toSimplify_.front().second, SearchLimits(rules_),
            LevelSimplifier::Scope::Colours);
        toSimplify_.erase(toSimplify_.begin());
        return;
    }
    if (simplified_.empty()) {
        // Nothing kept the shape, or nothing could be simplified for sure.
        if (round_ == 0) {
            NewDraft();
        } else {
            NextStartsRound();
        }
        return;
    }
    stage_ = Stage::Starts;
    result_.candidates += static_cast<int>(simplified_.size());
    // The first moves are searched only as far as the filter asks: what a trap costs up to the
    // depth it wants, and the moves that keep par until there are too many. The deeper
    // searches would cost more than all the rest.
    batch_.Start(std::move(simplified_), SearchLimits(rules_), true, rules_.leastTrapDepth,
                 rules_.mostBestStarts);
    simplified_.clear();
}

void PuzzleGenerator::TakeSimplified() {
    // Where it is not known whether a colour matters, the level is not one to keep.
    if (!simplifier_->Undecided()) simplified_.push_back(simplifier_->Result());
    simplifier_.reset();
    SimplifyNext();
}

void PuzzleGenerator::KeepBest() {
    const std::vector<Level>& levels = batch_.Levels();
    const std::vector<LevelMeasures>& results = batch_.Results();
    int best = -1;
    int bestScore = kNoScore;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        // Where the first moves count, a level whose first moves are not all known is no step.
        if (batch_.FirstMoves() && !results[i].complete) continue;
        const int score = ClimbScore(levels[i], results[i], grade_, rules_);
        if (score != kNoScore && (best < 0 || score > bestScore)) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    // Level ground is taken too: it lets the climb wander across a plateau. The first time
    // the first moves count, the level in hand (simplified) is taken as it scores.
    const bool fresh = stage_ == Stage::Starts && round_ == 0;
    if (best >= 0 && (fresh || currentScore_ == kNoScore || bestScore >= currentScore_)) {
        const bool up = fresh || currentScore_ == kNoScore || bestScore > currentScore_;
        flatRounds_ = up ? 0 : flatRounds_ + 1;
        current_ = levels[static_cast<std::size_t>(best)];
        currentMeasures_ = results[static_cast<std::size_t>(best)];
        currentScore_ = bestScore;
    } else if (fresh) {
        currentMeasures_ = LevelMeasures{};
        currentScore_ = kNoScore;
    } else {
        ++flatRounds_;
    }
}

void PuzzleGenerator::Trim() {
    stage_ = Stage::Trim;
    simplifier_ = std::make_unique<LevelSimplifier>(current_, currentMeasures_.solve.moveCount,
                                                    SearchLimits(rules_),
                                                    LevelSimplifier::Scope::ColoursAndTiles);
}

void PuzzleGenerator::TakeTrimmed() {
    const bool undecided = simplifier_->Undecided();
    Level trimmed = simplifier_->Result();
    simplifier_.reset();
    if (undecided) {
        Keep(current_, currentMeasures_);
        return;
    }
    stage_ = Stage::TrimStarts;
    batch_.Start({std::move(trimmed)}, SearchLimits(rules_), true, rules_.leastTrapDepth,
                 rules_.mostBestStarts);
}

void PuzzleGenerator::Keep(const Level& level, const LevelMeasures& measures) {
    // Every level measured with its first moves was simplified: no colour changes nothing.
    // What a trap costs was searched only as far as the filter asks, which tells its verdict
    // all the same: no solution within that many moves means a trap that deep or a dead start.
    const PuzzleVerdict verdict = JudgePuzzle(measures, 0, rules_);
    if (!verdict.Kept() || verdict.grade != grade_) {
        NewDraft();
        return;
    }
    result_.found = true;
    result_.level = level;
    result_.level.name = GradeTitle(grade_) + " " + std::to_string(result_.seed);
    result_.level.status = LevelStatus::Open;
    result_.measures = measures;
    stage_ = Stage::Done;
}

}  // namespace qv
