#include "platform/MessageDialog.h"

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

}  // namespace

bool DesktopDialogsAllowed() {
    return IsSet("DISPLAY") && !IsSet("CI") && !IsSet("QUORVELLAN_NO_DIALOGS");
}

void ShowDesktopDialog(const std::string& title, const std::string& text) {
    if (!DesktopDialogsAllowed()) return;
    // Arguments are built before the fork: the child only execs, with no shell in between.
    const std::string titleArg = "--title=" + title;
    const std::string textArg = "--text=" + text;
    const std::string line = title + ": " + text;
    std::vector<const char*> zenity = {"zenity", "--error", "--no-markup", titleArg.c_str(),
                                       textArg.c_str(), nullptr};
    std::vector<const char*> xmessage = {"xmessage", "-center", "-title", title.c_str(),
                                         line.c_str(), nullptr};
    pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        execvp(zenity[0], const_cast<char* const*>(zenity.data()));
        execvp(xmessage[0], const_cast<char* const*>(xmessage.data()));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        // EINTR: keep waiting, the dialog is modal.
    }
}
