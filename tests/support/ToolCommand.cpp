#include "tests/support/ToolCommand.h"

#include <cstdlib>
#include <cstring>

namespace testing_support {

std::vector<std::string> toolCommand(const char* builtTool, const std::vector<std::string>& arguments) {
    const char* replacement = std::getenv("QUARLIN_TOOL");
    std::vector<std::string> command{replacement != nullptr && replacement[0] != '\0' ? replacement : builtTool};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

std::string toolText(const std::string& text) {
    const char* newline = std::getenv("QUARLIN_TOOL_NEWLINE");
    if (newline == nullptr || std::strcmp(newline, "crlf") != 0) return text;
    std::string converted;
    for (const char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

}  // namespace testing_support
