#include "audio/AudioSystem.h"

// Placeholder until the audio system lands.
void StartAudio() {}
