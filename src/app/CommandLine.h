#pragma once
// The program's options. With none it runs the game in the current folder, as it always has.
#include <ostream>
#include <string>

namespace qv {

struct CommandLine {
    bool run = true;   // false: the options were answered (or refused); exit with exitCode
    int exitCode = 0;
    std::string levelCode;  // --level: a level code to open in the editor
};

// Reads argv; answers --help and --version on `out`, takes --level CODE, refuses anything else
// (--level without its code too) with a usage line on `err` and exit code 2.
CommandLine ReadCommandLine(int argc, const char* const* argv, const char* version,
                            std::ostream& out, std::ostream& err);

}  // namespace qv
