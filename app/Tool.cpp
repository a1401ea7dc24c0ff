#include "app/Tool.h"

#include <cstddef>
#include <string>

#include "platform/Text.h"

namespace quarlin {
namespace {

constexpr char kBanner[] = "Quarlin v1.0\n\n";

// Characters of the agent argument that the texts show; the query gets it all.
constexpr std::size_t kAgentTextLength = 29;

// Shown in the usage line when the system handed over no argument 0 or an
// empty one (Linux turns an empty argument list into one empty argument).
constexpr char kFallbackProgramName[] = "QUARLIN";

bool isOneLineOption(const char* text) {
    return text[0] == '-' && (text[1] == 'l' || text[1] == 'L') && text[2] == '\0';
}

bool allPresent(int argc, char* argv[]) {
    for (int i = 0; i < argc; ++i) {
        if (argv[i] == nullptr) return false;
    }
    return true;
}

std::string agentTextOf(const char* host) {
    std::size_t length = 0;
    while (length < kAgentTextLength && host[length] != '\0') ++length;
    return std::string(host, length);
}

void printUsage(std::FILE* out, const char* programName) {
    // A copy, so the process's own argument 0 keeps its letters.
    std::string name = programName != nullptr && programName[0] != '\0' ? programName : kFallbackProgramName;
    platform::upperCaseInPlace(name.data());

    std::fputs(kBanner, out);
    std::fputs("  A program to use SNMP to fetch the system description of a device.\n", out);
    std::fputs("\n  Usage:\t", out);
    std::fputs(name.c_str(), out);
    std::fputs(" ipAddress community [-l]\n\n", out);
    std::fputs("  Arguments:\tipAddress = IP address of router (or DNS name)\n", out);
    std::fputs("\t\tcommunity = SNMP read/write community name on router\n", out);
    std::fputs("\t\t[-l] = Output resulting string on one line (logfile format)\n", out);
}

}  // namespace

int runTool(int argc, char* argv[], std::FILE* out, QueryFunction query) {
    // Arguments after the program name; argc may be 0 and argv[0] null.
    const int argumentCount = argc - 1;
    const bool usable = argv != nullptr && allPresent(argc, argv) &&
                        (argumentCount == 2 || (argumentCount == 3 && isOneLineOption(argv[3])));
    if (!usable) {
        printUsage(out, argv != nullptr && argc > 0 ? argv[0] : nullptr);
        return 1;
    }

    const OutputForm form = argumentCount == 2 ? OutputForm::Verbose : OutputForm::OneLine;
    const char* host = argv[1];
    const char* community = argv[2];
    const std::string agentText = agentTextOf(host);

    if (form == OutputForm::Verbose) {
        std::fputs(kBanner, out);
        std::fputs("Agent:\t", out);
        std::fputs(agentText.c_str(), out);
        // Shown before a silent agent keeps the run waiting.
        std::fflush(out);
    }

    Reporter reporter(out, form, agentText.c_str());
    query(host, community, reporter);
    return 0;
}

}  // namespace quarlin
