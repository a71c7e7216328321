#pragma once
// The audio device, menu music, the in-game playlist and the two volumes.
// (Being filled in.)

// Opens the device, loads the sound effects and reads the playlist; always returns normally.
void StartAudio();
