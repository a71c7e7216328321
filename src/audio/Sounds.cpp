#include "audio/Sounds.h"

#include <SDL_mixer.h>

#include <sstream>
#include <string>

#include "audio/Volume.h"
#include "util/BoundedLine.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

const char* const kSoundListPath = "./sfx/sounds.txt";

// Each effect has a mixer channel of its own, so starting it again while it still sounds
// restarts it instead of piling up copies.
static_assert(kSoundCount <= MIX_CHANNELS, "every effect needs its own channel");

ChunkPtr LoadEffect(const std::string& path, bool deviceOpen) {
    if (!deviceOpen || !IsRegularFile(path)) return nullptr;
    return ChunkPtr(Mix_LoadWAV(path.c_str()));
}

}  // namespace

void PlaySound(const SoundTable& sounds, SoundId id, int32_t soundVolume) {
    const int volume = MixerVolume(soundVolume);
    if (volume == 0 || id < 0 || id >= kSoundCount) return;
    Mix_Chunk* chunk = sounds[id].get();
    if (!chunk) return;
    Mix_VolumeChunk(chunk, volume);
    Mix_PlayChannel(id, chunk, 0);
}

void LoadSounds(SoundTable& sounds, bool deviceOpen) {
    // A failed read leaves the stream failed, so every later slot reports the read error too.
    std::istringstream in;
    ReadRegularFile(kSoundListPath, kMaxTextFileBytes, in);
    std::string line;
    for (ChunkPtr& slot : sounds) {
        if (in.fail()) ReportError(std::string("Error reading ") + kSoundListPath + ".");
        ReadBoundedLine(in, line, kMaxSoundPathLength);
        slot = LoadEffect(line, deviceOpen);
        if (!slot) ReportError("Could not load sound " + line + ".");
    }
}

}  // namespace qv
