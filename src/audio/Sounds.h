#pragma once
// The five sound effects, loaded once at start-up from "./sfx/sounds.txt", and how they are
// played. Screens play them by SoundId and never free them.
#include <array>
#include <cstddef>

#include "audio/MixerResources.h"

namespace qv {

enum SoundId { SolvedSound = 0, MoveSound = 1, BlockedSound = 2, DragBlockedSound = 3, ClickSound = 4 };

constexpr int kSoundCount = 5;
constexpr std::size_t kMaxSoundPathLength = 99;

// Indexed by SoundId; an empty slot is a sound that failed to load.
using SoundTable = std::array<ChunkPtr, kSoundCount>;

// The process-wide table; empty until LoadSounds.
SoundTable& Sounds();

// Plays one effect at the sound volume; silent when the volume is 0 or the slot is empty.
void PlaySound(SoundId id);
// Fills the five slots from "./sfx/sounds.txt", one path a line, reporting every slot that
// can't be read or loaded. Needs the audio device (StartAudio opens it first).
void LoadSounds();
// Frees every effect; part of ShutdownAudio.
void FreeAllSounds();

}  // namespace qv
