#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "puzzle/Level.h"

using namespace qv;

void QuietErrors::Show(const std::string& title, const std::string& text) {
    boxes.push_back({title, text});
}

QuietErrors& FreshErrors() {
    static QuietErrors* sink = [] {
        auto* quiet = new QuietErrors;
        SetErrorSink(quiet);
        return quiet;
    }();
    sink->boxes.clear();
    return *sink;
}

void EnterScratchFolder() {
    static const bool entered = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/qv-fuzz-XXXXXX";
        Require(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        Require(chdir(pattern.c_str()) == 0, "the scratch folder can be entered");
        static std::string folder = pattern;
        // libFuzzer ends a timed run through exit(); a crash leaves the folder for a look.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        });
        return true;
    }();
    (void)entered;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    Require(!out.fail(), "the scratch file is written");
}

std::string AsText(const uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

bool MayNameSpecialFiles(const std::string& text) {
    for (const char* folder : {"dev", "proc", "sys", "run"}) {
        if (text.find(folder) != std::string::npos) return true;
    }
    return false;
}

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "Invariant broken: %s\n", what);
    std::abort();
}

void RequireSoundLevel(const Level& level) {
    Require(level.width >= 0 && level.width <= kMaxWidth, "width within 0..9");
    Require(level.height >= 0 && level.height <= kMaxHeight, "height within 0..7");
    for (TileColor cell : level.tiles) {
        Require(IsValidColor(static_cast<int32_t>(cell)), "every cell within 0..7");
    }
}
