#pragma once
// Shared by the fuzz targets: silent error boxes, a scratch working folder for the readers that
// only take file names, and invariant checks that turn silent corruption into a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "util/ErrorReport.h"

namespace qv {
class Level;
}  // namespace qv

using namespace qv;

// Keeps every box instead of showing it: a fuzz run reports thousands of bad files, and a
// modal dialog or a flood on standard error would stall it.
class QuietErrors : public ErrorSink {
public:
    struct Box {
        std::string title;
        std::string text;
    };
    void Show(const std::string& title, const std::string& text) override;
    std::vector<Box> boxes;
};

// Installs the quiet sink on first use; empties its boxes on every call, so each input starts
// with none.
QuietErrors& FreshErrors();

// Makes an empty folder under the temporary directory the working folder, once per process.
// The game reads everything relative to the working folder.
void EnterScratchFolder();

void WriteFile(const std::string& path, const std::string& content);
std::string AsText(const uint8_t* data, std::size_t size);

// Inputs that name files may name anything; devices and kernel files could block a reader
// (a terminal, a pipe) or never end, so the targets skip inputs that could reach them.
bool MayNameSpecialFiles(const std::string& text);

// Prints `what` and aborts when `condition` is false, so libFuzzer keeps the input.
void Require(bool condition, const char* what);

// What every level must keep whatever its file held: a size within 9 by 7 and every one of
// the 63 cells a colour from 0 to 7.
void RequireSoundLevel(const Level& level);
