#pragma once
// The five sound effects and how they are played. (Being filled in.)

enum SoundId { SolvedSound = 0, MoveSound = 1, BlockedSound = 2, DragBlockedSound = 3, ClickSound = 4 };

// Plays one effect at the sound volume; silent when the volume is 0 or the slot is empty.
void PlaySound(SoundId id);
// Fills the five slots from "./sfx/sounds.txt".
void LoadSounds();
