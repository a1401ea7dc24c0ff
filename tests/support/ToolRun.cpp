#include "tests/support/ToolRun.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/Clock.h"

extern char** environ;

namespace testing_support {

ToolRun::ToolRun(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);

    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    started_ = secondsNow();
    const int result = posix_spawn(&process_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (result != 0) {
        close(output_);
        throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(result));
    }
}

ToolRun::~ToolRun() {
    if (process_ > 0) {
        kill(process_, SIGKILL);
        waitpid(process_, nullptr, 0);
    }
    if (output_ >= 0) close(output_);
}

ToolOutcome ToolRun::finish(double limitSeconds) {
    ToolOutcome outcome;
    const double deadline = started_ + limitSeconds;
    char chunk[4096];
    for (;;) {
        const double left = deadline - secondsNow();
        pollfd entry{output_, POLLIN, 0};
        if (left <= 0 || poll(&entry, 1, static_cast<int>(left * 1000) + 1) == 0) {
            kill(process_, SIGKILL);
            break;
        }
        const ssize_t count = read(output_, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        outcome.output.append(chunk, static_cast<std::size_t>(count));
    }
    int status = 0;
    waitpid(process_, &status, 0);
    process_ = -1;
    outcome.seconds = secondsNow() - started_;
    outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

}  // namespace testing_support
