#pragma once
// The five sound effects, loaded once at start-up from "./sfx/sounds.txt", and how they are
// played. Screens play them by SoundId (through AudioSystem) and never free them.
#include <array>
#include <cstddef>
#include <cstdint>

#include "audio/MixerResources.h"

namespace qv {

enum SoundId { SolvedSound = 0, MoveSound = 1, BlockedSound = 2, DragBlockedSound = 3, ClickSound = 4 };

constexpr int kSoundCount = 5;
constexpr std::size_t kMaxSoundPathLength = 99;

// Indexed by SoundId; an empty slot is a sound that failed to load.
using SoundTable = std::array<ChunkPtr, kSoundCount>;

// Fills the five slots from "./sfx/sounds.txt", one path a line, reporting every slot that
// can't be read or loaded. Without an open device every load fails.
void LoadSounds(SoundTable& sounds, bool deviceOpen);
// Plays one effect at `soundVolume` (the setting, 0..255); silent when that is 0 or the slot
// is empty.
void PlaySound(const SoundTable& sounds, SoundId id, int32_t soundVolume);

}  // namespace qv
