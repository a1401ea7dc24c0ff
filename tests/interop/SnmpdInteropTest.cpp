// The real quarlin program against Debian's snmpd: the description the agent
// is configured with must come out exactly, in both output forms.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/interop/SnmpdAgent.h"
#include "tests/support/ToolCommand.h"
#include "tests/support/ToolRun.h"
#include "tests/support/ToolTexts.h"

namespace {

using testing_support::SnmpdAgent;
using testing_support::ToolOutcome;
using testing_support::ToolRun;

constexpr char kTool[] = QUARLIN_TOOL_PATH;

const std::string kWithCommas = "Quarlin interop agent, rack 4, row B, firmware 2.1";

// Six hundred characters: more than the agent's sysDescr setting takes, so it
// is served through an override of the object.
std::string longDescription() {
    std::string text;
    for (int i = 0; text.size() < 600; ++i) text += "segment " + std::to_string(i) + " of a long description; ";
    return text.substr(0, 600);
}

std::string configurationWith(const std::string& descriptionLine) {
    return "rocommunity public 127.0.0.1\n" + descriptionLine + "\n";
}

const std::string kCommasLine = "sysDescr " + kWithCommas;
const std::string kLongText = longDescription();
const std::string kLongLine = "override 1.3.6.1.2.1.1.1.0 octet_str \"" + kLongText + "\"";

class SnmpdInterop : public testing::Test {
protected:
    void SetUp() override {
        if (SnmpdAgent::installed()) return;
        const char* ci = std::getenv("CI");
        if (ci != nullptr && std::strcmp(ci, "true") == 0) {
            FAIL() << SnmpdAgent::kProgram << " is missing: in CI the interop tests must run (install snmpd)";
        }
        GTEST_SKIP() << SnmpdAgent::kProgram << " is missing (Debian package snmpd)";
    }

    // Starts the agent with descriptionLine in its configuration and runs
    // the tool with arguments against it.
    static void expectOutput(const std::string& descriptionLine, const std::vector<std::string>& arguments,
                             const std::string& expected) {
        SnmpdAgent agent(configurationWith(descriptionLine), "public");
        const ToolOutcome outcome = ToolRun(testing_support::toolCommand(kTool, arguments)).finish();
        EXPECT_EQ(outcome.output, testing_support::toolText(expected));
        EXPECT_EQ(outcome.exitStatus, 0);
    }
};

TEST_F(SnmpdInterop, CommasVerbose) {
    expectOutput(kCommasLine, {"127.0.0.1", "public"}, testing_support::verboseSuccess("127.0.0.1", kWithCommas));
}

TEST_F(SnmpdInterop, CommasOneLine) {
    expectOutput(kCommasLine, {"127.0.0.1", "public", "-l"}, testing_support::oneLineSuccess("127.0.0.1", kWithCommas));
}

TEST_F(SnmpdInterop, LongVerbose) {
    expectOutput(kLongLine, {"127.0.0.1", "public"}, testing_support::verboseSuccess("127.0.0.1", kLongText));
}

TEST_F(SnmpdInterop, LongOneLine) {
    expectOutput(kLongLine, {"127.0.0.1", "public", "-l"}, testing_support::oneLineSuccess("127.0.0.1", kLongText));
}

// The agent drops a request under a community it does not know, so this one
// waits out the tool's time-out.
TEST_F(SnmpdInterop, WrongCommunityFails) {
    expectOutput(kCommasLine, {"127.0.0.1", "private", "-l"}, testing_support::kOneLineFailure);
}

}  // namespace
