#include "render/Sounds.h"

// Placeholders until the sound table lands.
void PlaySound(SoundId) {}
void LoadSounds() {}
