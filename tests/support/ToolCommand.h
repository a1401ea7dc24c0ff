#pragma once

#include <string>
#include <vector>

namespace testing_support {

// The command line that runs the quarlin program under test with arguments:
// builtTool, the build's own program, unless the environment variable
// QUARLIN_TOOL names another program to run in its place (such as a launcher
// that runs the Windows build under Wine).
std::vector<std::string> toolCommand(const char* builtTool, const std::vector<std::string>& arguments);

// text as the program under test writes it to standard output. With
// QUARLIN_TOOL_NEWLINE=crlf in the environment (the Windows build, whose C
// runtime writes a line feed to the console as CR LF) every line feed,
// also one right after a carriage return, becomes CR LF.
std::string toolText(const std::string& text);

}  // namespace testing_support
