#pragma once
// Runs part of a test as a player who may not read one file of the working folder, as after a
// run under sudo left it root's with mode 0600. Root reads anything, so under root the part
// runs as the user nobody, whom the folder lets in. It runs in a child process (which the
// change of user can't be undone in), so it returns the child's exit code: the part's result.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

inline int AsPlayerWhoCannotRead(const std::string& path, const std::function<int()>& part) {
    chmod(path.c_str(), 0);
    if (geteuid() == 0) chmod(".", 0777);
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(127);
        // No return into the test: its teardown belongs to the parent.
        _exit(part());
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(path.c_str(), 0600);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
