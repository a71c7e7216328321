#include "platform/SaveStorage.h"

#include <emscripten.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/KeptFiles.h"
#include "util/ErrorReport.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace fs = std::filesystem;

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

// Stores the kept paths of `storeList` (folders first, then the file) in IndexedDB and removes
// those of `removeList`, one a line, in one transaction: a file is stored whole or not at all.
// Only these entries are touched, so files another tab of the game has stored meanwhile stay (a
// whole-folder sync would delete what this tab lacks). Returns why it failed, or an empty text.
EM_ASYNC_JS(char*, UpdateStoredPaths, (const char* storeList, const char* removeList), {
    const lines = (list) => UTF8ToString(list).split("\n").filter((line) => line !== "");
    const problem = await new Promise((resolve) => {
        const fail = (error) => resolve(String((error && error.message) || error || "unknown error"));
        IDBFS.getDB("/kept", (error, db) => {
            if (error) return fail(error);
            let transaction;
            try {
                transaction = db.transaction([IDBFS.DB_STORE_NAME], "readwrite");
            } catch (e) {
                return fail(e);
            }
            transaction.oncomplete = () => resolve("");
            transaction.onabort = () => fail(transaction.error || "the transaction was aborted");
            const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
            const abort = (e) => { fail(e); try { transaction.abort(); } catch (ignored) {} };
            const done = (error) => { if (error) abort(error); };
            for (const path of lines(storeList)) {
                IDBFS.loadLocalEntry(path, (error, entry) => {
                    if (error) return abort(error);
                    IDBFS.storeRemoteEntry(store, path, entry, done);
                });
            }
            for (const path of lines(removeList)) IDBFS.removeRemoteEntry(store, path, done);
        });
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

// The kept copy's folders below the root, then the copy itself, one a line.
std::string PathsToStore(const fs::path& kept) {
    std::string list = kept.string();
    for (fs::path folder = kept.parent_path(); folder != kKeptRoot && folder.has_relative_path();
         folder = folder.parent_path()) {
        list = folder.string() + "\n" + list;
    }
    return list;
}

bool KeepInStorage(const std::string& path, const std::string& bytes, std::string* why) {
    const std::string kept = KeptCopyPath(kKeptRoot, path);
    if (kept.empty()) return true;
    if (!KeepFileCopy(kKeptRoot, path, bytes, why)) return false;
    const std::string problem = Taken(UpdateStoredPaths(PathsToStore(kept).c_str(), ""));
    if (problem.empty()) return true;
    if (why) *why = "the browser's storage refused it (" + problem + ")";
    // Said once in a box, whichever save hit it first: only the keeper knows what the failure
    // means in a browser (the file lasts only as long as the page).
    static bool told = false;
    if (!told) {
        told = true;
        ReportError("Cannot keep " + path + " in this browser's storage (" + problem +
                    "). What you save now may be lost when the page is closed.");
    }
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
    // Only the saved files belong in the storage: what an interrupted save left goes, and if
    // the storage refuses now, at the next start.
    std::string leftOvers;
    for (const std::string& path : RemoveLeftOvers(kKeptRoot)) leftOvers += path + "\n";
    if (!leftOvers.empty()) Taken(UpdateStoredPaths("", leftOvers.c_str()));
    SetFileKeeper(KeepInStorage);
}

}  // namespace qv
