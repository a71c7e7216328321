#include "platform/SaveStorage.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/KeptFiles.h"
#include "util/ErrorReport.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace {

// IndexedDB behind Emscripten's IDBFS, mounted and read in by save_storage.js before the game's
// first line runs (reading it back is asynchronous, and the library reads its files before main).
constexpr const char* kKeptRoot = "/kept";

// Why the storage could not be read at load; empty when it was.
EM_JS(char*, StorageLoadProblem, (), {
    const problem = Module.qvStorageProblem || "";
    const size = lengthBytesUTF8(problem) + 1;
    const text = _malloc(size);
    stringToUTF8(problem, text, size);
    return text;
});

// Writes the kept folder into IndexedDB: one transaction, so a failure leaves the previous
// copies whole. Returns why it failed, or an empty text.
EM_ASYNC_JS(char*, WriteKeptFolder, (), {
    const problem = await new Promise((resolve) => {
        FS.syncfs(false, (error) => resolve(error ? String(error.message || error) : ""));
    });
    const size = lengthBytesUTF8(problem) + 1;
    const text = _malloc(size);
    stringToUTF8(problem, text, size);
    return text;
});

std::string Taken(char* text) {
    std::string taken = text ? text : "";
    free(text);
    return taken;
}

bool KeepInStorage(const std::string& path, const std::string& bytes, std::string* why) {
    if (!KeepFileCopy(kKeptRoot, path, bytes, why)) return false;
    const std::string problem = Taken(WriteKeptFolder());
    if (problem.empty()) return true;
    if (why) *why = "the browser's storage refused it (" + problem + ")";
    return false;
}

}  // namespace

void OpenSaveStorage() {
    static bool opened = false;
    if (opened) return;
    opened = true;
    const std::string problem = Taken(StorageLoadProblem());
    if (!problem.empty()) {
        ReportError("Cannot read the saved games of this browser (" + problem +
                    "). Progress and levels you save now may be lost when the page is closed.");
    }
    const std::string failed = RestoreKeptFiles(kKeptRoot, ".");
    if (!failed.empty()) ReportError("Cannot restore the saved files " + failed + ".");
    SetFileKeeper(KeepInStorage);
}

}  // namespace qv
