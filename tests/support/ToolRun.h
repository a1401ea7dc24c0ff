#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support {

struct ToolOutcome {
    std::string output;   // everything written to standard output
    int exitStatus = -1;  // the exit status, or 128 + the signal that ended it
    double seconds = 0;   // from start to end
};

// One run of a program, started at construction with standard input empty,
// standard output captured and standard error shared with the test, so a
// sanitizer's report shows in the test's log.
class ToolRun {
public:
    // arguments[0] is the program's path.
    explicit ToolRun(const std::vector<std::string>& arguments);
    // Ends the program if it still runs.
    ~ToolRun();

    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    // Waits for the end; a program still running after limitSeconds is
    // killed, which shows as exit status 128 + 9.
    ToolOutcome finish(double limitSeconds = 30);

private:
    pid_t process_ = -1;
    int output_ = -1;
    double started_ = 0;
};

}  // namespace testing_support
