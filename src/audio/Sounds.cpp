#include "audio/Sounds.h"

#include <SDL_mixer.h>

#include <sstream>
#include <string>

#include "audio/AudioSystem.h"
#include "audio/Volume.h"
#include "content/Settings.h"
#include "util/BoundedLine.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

const char* const kSoundListPath = "./sfx/sounds.txt";

// Each effect has a mixer channel of its own, so starting it again while it still sounds
// restarts it instead of piling up copies.
static_assert(kSoundCount <= MIX_CHANNELS, "every effect needs its own channel");

ChunkPtr LoadEffect(const std::string& path) {
    if (!Audio().device || !IsRegularFile(path)) return nullptr;
    return ChunkPtr(Mix_LoadWAV(path.c_str()));
}

}  // namespace

SoundTable& Sounds() {
    static SoundTable sounds;
    return sounds;
}

void PlaySound(SoundId id) {
    const int volume = MixerVolume(TheSettings().soundVolume);
    if (volume == 0 || id < 0 || id >= kSoundCount) return;
    Mix_Chunk* chunk = Sounds()[id].get();
    if (!chunk) return;
    Mix_VolumeChunk(chunk, volume);
    Mix_PlayChannel(id, chunk, 0);
}

void LoadSounds() {
    // A failed read leaves the stream failed, so every later slot reports the read error too.
    std::istringstream in;
    ReadRegularFile(kSoundListPath, kMaxTextFileBytes, in);
    std::string line;
    for (ChunkPtr& slot : Sounds()) {
        if (in.fail()) ReportError(std::string("Error reading ") + kSoundListPath + ".");
        ReadBoundedLine(in, line, kMaxSoundPathLength);
        slot = LoadEffect(line);
        if (!slot) ReportError("Could not load sound " + line + ".");
    }
}

void FreeAllSounds() {
    for (ChunkPtr& slot : Sounds()) slot.reset();
}

}  // namespace qv
