#pragma once
// The layout of "./progress.save": three settings bytes, then one two-byte record per level of
// the game's fixed sets, each telling which level of which set has which status.
#include <cstddef>
#include <cstdint>

#include "puzzle/Types.h"

namespace qv {

constexpr int kMaxSets = 6;
constexpr int kMaxLevelsPerSet = 20;

// Where the settings bytes and level statuses are kept.
constexpr const char kProgressFilePath[] = "./progress.save";
// The three settings bytes and one two-byte record per level: the largest file SaveProgress
// writes, and all that is ever read of one.
constexpr std::size_t kProgressSettingsBytes = 3;
constexpr std::size_t kMaxProgressBytes = kProgressSettingsBytes + 2 * kMaxSets * kMaxLevelsPerSet;

struct ProgressRecord {
    int set = 0;    // 0..31 as stored; only 0..5 exist
    int level = 0;  // 0..31 as stored; only 0..19 exist
    LevelStatus status = LevelStatus::Open;
};

// The record's bytes in file order: A (status, low level bits), then B (high level bits, set).
struct ProgressBytes {
    uint8_t a = 0;
    uint8_t b = 0;
};

ProgressBytes EncodeProgressRecord(int set, int level, LevelStatus status);

// Status 3 cannot be written by the game but may be found in a file; it reads as Solved so
// that the menu's colours and the unlocking only ever see the three real statuses.
ProgressRecord DecodeProgressRecord(ProgressBytes bytes);

// The status further along of two: Solved over Open over Locked.
LevelStatus FurtherStatus(LevelStatus a, LevelStatus b);

}  // namespace qv
