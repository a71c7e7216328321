#include "platform/desktop/MessageDialog.h"

#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace qv {

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// zenity turns backslash sequences in its text into control characters; a path such as
// "\arial.ttf" must reach the player unchanged.
std::string EscapeBackslashes(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// The dialog programs' own warnings would break the one line per box on standard error.
void SilenceOutput() {
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull < 0) return;
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    close(devNull);
}

}  // namespace

bool DesktopDialogsAllowed() {
    return IsSet("DISPLAY") && !IsSet("CI") && !IsSet("QUORVELLAN_NO_DIALOGS");
}

void ShowDesktopDialog(const std::string& title, const std::string& text) {
    if (!DesktopDialogsAllowed()) return;
    // Arguments are built before the fork: the child only execs, with no shell in between.
    const std::string titleArg = "--title=" + title;
    const std::string textArg = "--text=" + EscapeBackslashes(text);
    const std::string line = title + ": " + text;
    std::vector<const char*> zenity = {"zenity", "--error", "--no-markup", titleArg.c_str(),
                                       textArg.c_str(), nullptr};
    std::vector<const char*> xmessage = {"xmessage", "-center", "-title", title.c_str(),
                                         line.c_str(), nullptr};
    pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        SilenceOutput();
        execvp(zenity[0], const_cast<char* const*>(zenity.data()));
        execvp(xmessage[0], const_cast<char* const*>(xmessage.data()));
        _exit(127);
    }
    int status = 0;
    // An interrupted wait goes on, the dialog is modal; any other failure would never end.
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace qv
