#include "app/CommandLine.h"

#include <string>

namespace qv {

namespace {

constexpr const char* kUsage = "Usage: quorvellan [--help | --version | --level CODE]\n";

constexpr const char* kHelp =
    "Quorvellan, a colour puzzle game: three shapes move one tile at a time and mix their\n"
    "colour into the tiles they enter.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "      --level CODE\n"
    "                 open a level code (#L1. and the level, as the editor's Ctrl+L\n"
    "                 gives it; quoted, since the shell takes # for a comment) in the\n"
    "                 level editor, in place of the first level of \"be creative\"\n"
    "                 until it is saved\n"
    "\n"
    "The game reads and writes its files in the current folder (the installed launcher\n"
    "uses ~/.local/share/quorvellan). F11 switches between a window and the full screen.\n";

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv, const char* version,
                            std::ostream& out, std::ostream& err) {
    bool help = false;
    bool showVersion = false;
    std::string levelCode;
    // Every word is checked before any is answered: a mistyped option never half-runs.
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "-h" || option == "--help") {
            help = true;
        } else if (option == "--version") {
            showVersion = true;
        } else if (option == "--level" && i + 1 < argc) {
            levelCode = argv[++i];
        } else if (option.rfind("--level=", 0) == 0) {
            levelCode = option.substr(8);
        } else {
            err << "quorvellan: unknown option '" << option << "'\n" << kUsage;
            return {false, 2, {}};
        }
    }
    if (help) out << kUsage << '\n' << kHelp;
    else if (showVersion) out << "quorvellan " << version << '\n';
    return {!help && !showVersion, 0, levelCode};
}

}  // namespace qv
