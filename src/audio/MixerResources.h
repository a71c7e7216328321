#pragma once
// Owners for SDL_mixer's loaded effects and music, so nothing decoded outlives its slot.
#include <SDL_mixer.h>

#include <memory>

namespace qv {

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

// Freeing music that is playing halts it first (SDL_mixer does that itself).
struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};

using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

}  // namespace qv
