// Shows the front end's texts until the tool can query a device: the usage
// text, then one sample description printed in both output forms. No network
// is used; the description below is a fixed sample, not a reply.
#include <cstdio>
#include <string>
#include <vector>

#include "app/Reporter.h"
#include "app/Tool.h"

namespace {

void reportSampleDescription(const char*, const char*, quarlin::Reporter& reporter) {
    reporter.reportDescription("Sample router, software 12.4\r\nCompiled on a Monday");
}

int showRun(const char* title, std::vector<std::string> arguments) {
    std::vector<char*> argv;
    std::string commandLine;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
        commandLine += (commandLine.empty() ? "" : " ") + argument;
    }
    argv.push_back(nullptr);

    std::printf("---- %s: %s\n", title, commandLine.c_str());
    const int status = quarlin::runTool(static_cast<int>(arguments.size()), argv.data(), stdout,
                                        reportSampleDescription);
    std::printf("---- exit status %d\n\n", status);
    return status;
}

}  // namespace

int main() {
    std::puts("Front-end demo: no query is sent. The description shown is a fixed sample;");
    std::puts("querying a real device arrives with the UDP transport.\n");
    const bool asExpected = showRun("usage text", {"quarlin"}) == 1 &&
                            showRun("verbose form", {"quarlin", "192.0.2.7", "public"}) == 0 &&
                            showRun("one-line form", {"quarlin", "192.0.2.7", "public", "-l"}) == 0;
    return asExpected ? 0 : 1;
}
