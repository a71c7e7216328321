#include "platform/Clipboard.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

extern char** environ;

namespace qv {

namespace {

// X's clipboard belongs to a program that answers for it as long as it runs; xclip and xsel stay
// behind to do that, so the game need not. Tried in this order.
struct ClipboardTool {
    std::vector<const char*> copy;
    std::vector<const char*> read;
};
const ClipboardTool kTools[] = {
    {{"xclip", "-selection", "clipboard", "-in", nullptr},
     {"xclip", "-selection", "clipboard", "-out", nullptr}},
    {{"xsel", "--clipboard", "--input", nullptr}, {"xsel", "--clipboard", "--output", nullptr}},
};

// A clipboard owner that does not answer must not stop the game for long.
constexpr std::chrono::milliseconds kToolWait{2000};

class Pipe {
public:
    Pipe() {
        if (pipe2(ends, O_CLOEXEC) != 0) ends[0] = ends[1] = -1;
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    bool Open() const { return ends[0] >= 0; }
    int Read() const { return ends[0]; }
    int Write() const { return ends[1]; }
    void CloseRead() { Close(ends[0]); }
    void CloseWrite() { Close(ends[1]); }

private:
    int ends[2] = {-1, -1};
    static void Close(int& fd) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
};

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for the tool to end, killing it at the deadline; true when it ended by itself with 0.
bool Finished(pid_t child, Clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0) return false;
        if (MillisecondsLeft(deadline) == 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return false;
}

// Runs a tool with `input` on its standard input and, when `output` is given, its standard
// output read into it (at most maxBytes). False when it can't be run or fails.
bool RunTool(const std::vector<const char*>& argv, const std::string& input, std::string* output,
             std::size_t maxBytes) {
    Pipe in;
    Pipe out;
    if (!in.Open() || !out.Open()) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.Read(), 0);
    // A tool that stays behind to answer for the clipboard must not hold the output pipe open.
    if (output)
        posix_spawn_file_actions_adddup2(&actions, out.Write(), 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr,
                                     const_cast<char* const*>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    in.CloseRead();
    out.CloseWrite();
    const Clock::time_point deadline = Clock::now() + kToolWait;
    // A tool that ends before it has read everything must not end the game by SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    std::size_t written = 0;
    while (written < input.size()) {
        const ssize_t n = write(in.Write(), input.data() + written, input.size() - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    in.CloseWrite();
    if (output) {
        output->clear();
        char buffer[4096];
        pollfd readable{out.Read(), POLLIN, 0};
        while (poll(&readable, 1, MillisecondsLeft(deadline)) > 0) {
            const ssize_t n = read(out.Read(), buffer, sizeof buffer);
            if (n <= 0) break;
            output->append(buffer, static_cast<std::size_t>(n));
            if (output->size() > maxBytes) {
                // More than was asked for: nothing the caller can use, and no reason to wait.
                kill(child, SIGKILL);
                output->resize(maxBytes);
                break;
            }
        }
    }
    return Finished(child, deadline) && written == input.size();
}

bool HasDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

}  // namespace

bool CopyToClipboard(const std::string& text) {
    if (!HasDisplay()) return false;
    for (const ClipboardTool& tool : kTools) {
        if (RunTool(tool.copy, text, nullptr, 0)) return true;
    }
    return false;
}

std::optional<std::string> ReadClipboard(std::size_t maxBytes) {
    if (!HasDisplay()) return std::nullopt;
    for (const ClipboardTool& tool : kTools) {
        std::string text;
        if (RunTool(tool.read, "", &text, maxBytes)) {
            if (text.empty()) return std::nullopt;
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace qv
