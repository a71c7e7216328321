#include "platform/LateFiles.h"

#include <emscripten.h>

#include "platform/EventWait.h"

// Called by the page's fetch of a piece of music once it has ended, well or not.
extern "C" EMSCRIPTEN_KEEPALIVE void qv_music_arrived() { qv::PostWakeUp(); }

namespace qv {

namespace {

// The page starts loading the rest of the site (its second data package and the font) once the
// game's code is in (web/page.js); this waits for it, the splash showing meanwhile.
EM_ASYNC_JS(void, AwaitPageStartFiles, (), {
    if (Module.qvStartFiles) await Module.qvStartFiles;
});

// 0: being fetched or not asked for; 1: in the folder, or the fetch failed for good.
EM_JS(int, MusicSettled, (const char* path), {
    const name = UTF8ToString(path);
    if (Module.qvMusicFailed && Module.qvMusicFailed.has(name)) return 1;
    try {
        return FS.isFile(FS.stat(name).mode) ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

// The site serves the music beside the page, under the same path as in the game folder. The
// file goes into the folder whole, so the game never opens a part of it.
EM_JS(void, StartMusicFetch, (const char* path), {
    const name = UTF8ToString(path);
    Module.qvMusicFetches = Module.qvMusicFetches || new Set();
    Module.qvMusicFailed = Module.qvMusicFailed || new Set();
    if (Module.qvMusicFetches.has(name)) return;
    Module.qvMusicFetches.add(name);
    const relative = name.startsWith("./") ? name.slice(2) : name;
    const url = Module.locateFile ? Module.locateFile(relative, "") : relative;
    fetch(url).then((response) => {
        if (!response.ok) throw new Error(response.status + " " + response.statusText);
        return response.arrayBuffer();
    }).then((bytes) => {
        FS.writeFile(name, new Uint8Array(bytes));
    }).catch((error) => {
        console.warn("Could not fetch " + relative + ": " + error);
        Module.qvMusicFailed.add(name);
    }).finally(() => _qv_music_arrived());
});

}  // namespace

void AwaitStartFiles() { AwaitPageStartFiles(); }

bool MusicAtHand(const std::string& path) { return MusicSettled(path.c_str()) != 0; }

void FetchMusic(const std::string& path) { StartMusicFetch(path.c_str()); }

}  // namespace qv
