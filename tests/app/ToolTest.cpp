#include "app/Tool.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/Reporter.h"
#include "tests/app/OutputCapture.h"

using testing_support::OutputCapture;

namespace {

// What the fake query saw, and what it reports: a description, or a failure
// when none is set.
struct FakeQuery {
    int calls = 0;
    std::string host;
    std::string community;
    const char* description = nullptr;
};
FakeQuery fake;

void fakeQuery(const char* host, const char* community, quarlin::Reporter& reporter) {
    ++fake.calls;
    fake.host = host;
    fake.community = community;
    if (fake.description != nullptr) {
        reporter.reportDescription(fake.description);
    } else {
        reporter.reportFailure();
    }
}

struct RunResult {
    int status;
    std::string output;
};

// Runs the tool on modifiable copies of the arguments, as the system hands them over.
RunResult run(const std::vector<std::string>& arguments) {
    std::vector<std::string> storage = arguments;
    std::vector<char*> argv;
    for (std::string& argument : storage) argv.push_back(argument.data());
    argv.push_back(nullptr);
    OutputCapture output;
    const int status = quarlin::runTool(static_cast<int>(arguments.size()), argv.data(), output.file(), fakeQuery);
    return {status, output.text()};
}

std::string usageFor(const std::string& upperCaseName) {
    return "Quarlin v1.0\n\n"
           "  A program to use SNMP to fetch the system description of a device.\n"
           "\n  Usage:\t" + upperCaseName + " ipAddress community [-l]\n\n"
           "  Arguments:\tipAddress = IP address of router (or DNS name)\n"
           "\t\tcommunity = SNMP read/write community name on router\n"
           "\t\t[-l] = Output resulting string on one line (logfile format)\n";
}

class RunTool : public ::testing::Test {
protected:
    void SetUp() override { fake = FakeQuery{}; }
};

TEST_F(RunTool, PrintsTheExactBytesOfEachFormAndOutcome) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        const char* description;
        const char* expected;
    };
    const Case cases[] = {
        {"verbose success", {"quarlin", "192.0.2.7", "public"}, "Router 42",
         "Quarlin v1.0\n\nAgent:\t192.0.2.7\nDescription:\tRouter 42\n"},
        {"verbose failure", {"quarlin", "192.0.2.7", "public"}, nullptr,
         "Quarlin v1.0\n\nAgent:\t192.0.2.7\n\nERROR: Community string or SNMP error\n"},
        {"one-line success", {"quarlin", "192.0.2.7", "public", "-l"}, "Router 42", "192.0.2.7,Router 42\n"},
        {"one-line failure", {"quarlin", "192.0.2.7", "public", "-l"}, nullptr, "Error with community string\n"},
        {"one-line CR LF", {"quarlin", "192.0.2.7", "public", "-l"}, "A\r\nB", "192.0.2.7,A, B\n"},
    };
    for (const Case& c : cases) {
        fake = FakeQuery{};
        fake.description = c.description;
        const RunResult result = run(c.arguments);
        EXPECT_EQ(result.output, c.expected) << c.name;
        EXPECT_EQ(result.status, 0) << c.name;
        EXPECT_EQ(fake.calls, 1) << c.name;
        EXPECT_EQ(fake.host, "192.0.2.7") << c.name;
        EXPECT_EQ(fake.community, "public") << c.name;
    }
}

TEST_F(RunTool, BadUsagePrintsTheUsageTextAndEndsWithStatusOne) {
    std::string programName = "query.exe";
    char* argv[] = {programName.data(), nullptr};
    OutputCapture output;
    EXPECT_EQ(quarlin::runTool(1, argv, output.file(), fakeQuery), 1);
    EXPECT_EQ(output.text(), usageFor("QUERY.EXE"));
    EXPECT_EQ(fake.calls, 0);
    EXPECT_EQ(programName, "query.exe") << "the process's own argument 0 must keep its letters";
}

TEST_F(RunTool, UsageLineUpperCasesOnlyTheLettersAToZOfArgumentZero) {
    struct Case {
        const char* invokedAs;
        const char* shown;
    };
    const Case cases[] = {
        {"/usr/local/bin/quarlin", "/USR/LOCAL/BIN/QUARLIN"},
        {"C:\\Tools\\Quarlin-2_x.exe", "C:\\TOOLS\\QUARLIN-2_X.EXE"},
        {"a%sb%n", "A%SB%N"},
        {"caf\xe9 \xc3\xa4q", "CAF\xe9 \xc3\xa4Q"},
        {"", "QUARLIN"},
    };
    for (const Case& c : cases) {
        const RunResult result = run({c.invokedAs});
        EXPECT_EQ(result.output, usageFor(c.shown)) << "invoked as " << c.invokedAs;
    }
}

TEST_F(RunTool, SelectsTheFormFromTheArgumentsAfterTheProgramName) {
    enum class Outcome { Usage, Verbose, OneLine };
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        Outcome outcome;
    };
    const Case cases[] = {
        {"no arguments", {}, Outcome::Usage},
        {"one argument", {"h"}, Outcome::Usage},
        {"two arguments", {"h", "c"}, Outcome::Verbose},
        {"-l", {"h", "c", "-l"}, Outcome::OneLine},
        {"-L", {"h", "c", "-L"}, Outcome::OneLine},
        {"-x", {"h", "c", "-x"}, Outcome::Usage},
        {"l without dash", {"h", "c", "l"}, Outcome::Usage},
        {"-ll", {"h", "c", "-ll"}, Outcome::Usage},
        {"dash alone", {"h", "c", "-"}, Outcome::Usage},
        {"empty option", {"h", "c", ""}, Outcome::Usage},
        {"-l first", {"-l", "h", "c"}, Outcome::Usage},
        {"four arguments", {"h", "c", "-l", "x"}, Outcome::Usage},
        {"five arguments", {"h", "c", "-l", "-l", "-l"}, Outcome::Usage},
    };
    for (const Case& c : cases) {
        fake = FakeQuery{};
        fake.description = "d";
        std::vector<std::string> arguments = {"quarlin"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const RunResult result = run(arguments);
        switch (c.outcome) {
            case Outcome::Usage:
                EXPECT_EQ(result.output, usageFor("QUARLIN")) << c.name;
                EXPECT_EQ(result.status, 1) << c.name;
                EXPECT_EQ(fake.calls, 0) << c.name;
                break;
            case Outcome::Verbose:
                EXPECT_EQ(result.output, "Quarlin v1.0\n\nAgent:\th\nDescription:\td\n") << c.name;
                EXPECT_EQ(result.status, 0) << c.name;
                EXPECT_EQ(fake.calls, 1) << c.name;
                break;
            case Outcome::OneLine:
                EXPECT_EQ(result.output, "h,d\n") << c.name;
                EXPECT_EQ(result.status, 0) << c.name;
                EXPECT_EQ(fake.calls, 1) << c.name;
                break;
        }
    }
}

TEST_F(RunTool, ShowsTheFirst29CharactersOfTheAgentAndQueriesWithItWhole) {
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";  // 40 characters
    const std::size_t lengths[] = {28, 29, 30, 40};
    for (std::size_t length : lengths) {
        const std::string host = alphabet.substr(0, length);
        const std::string shown = host.substr(0, 29);
        fake = FakeQuery{};
        fake.description = "d";

        EXPECT_EQ(run({"quarlin", host, "public"}).output, "Quarlin v1.0\n\nAgent:\t" + shown + "\nDescription:\td\n")
            << "length " << length;
        EXPECT_EQ(fake.host, host) << "length " << length;
        EXPECT_EQ(run({"quarlin", host, "public", "-l"}).output, shown + ",d\n") << "length " << length;
        EXPECT_EQ(fake.host, host) << "length " << length;
    }
}

TEST_F(RunTool, SurvivesCommandLinesWithoutArgumentZero) {
    struct Case {
        const char* name;
        int argc;
        char** argv;
    };
    char host[] = "h";
    char community[] = "c";
    char* nullFirst[] = {nullptr};
    char* nullInside[] = {nullptr, host, community, nullptr};
    char* nullArgument[] = {host, nullptr, community, nullptr};
    const Case cases[] = {
        {"argc 0, argv[0] null", 0, nullFirst},
        {"argc 0, no argv", 0, nullptr},
        {"argv[0] null among three", 3, nullInside},
        {"null argument among three", 3, nullArgument},
    };
    for (const Case& c : cases) {
        fake = FakeQuery{};
        OutputCapture output;
        EXPECT_EQ(quarlin::runTool(c.argc, c.argv, output.file(), fakeQuery), 1) << c.name;
        const std::string printed = output.text();
        EXPECT_EQ(printed, c.argv != nullptr && c.argv[0] != nullptr ? usageFor("H") : usageFor("QUARLIN")) << c.name;
        EXPECT_EQ(fake.calls, 0) << c.name;
    }
}

TEST_F(RunTool, HandsEmptyAndHugeArgumentsOverUntouched) {
    const std::string huge(1 << 20, 'x');
    const std::string hugeName(1 << 20, 'q');

    fake.description = "d";
    RunResult result = run({"", "", ""});
    EXPECT_EQ(result.output, "Quarlin v1.0\n\nAgent:\t\nDescription:\td\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(fake.host, "");
    EXPECT_EQ(fake.community, "");

    result = run({"quarlin", huge, huge + "c", "-l"});
    EXPECT_EQ(result.output, huge.substr(0, 29) + ",d\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(fake.host, huge);
    EXPECT_EQ(fake.community, huge + "c");

    result = run({hugeName, huge});
    EXPECT_EQ(result.output, usageFor(std::string(1 << 20, 'Q')));
    EXPECT_EQ(result.status, 1);
}

}  // namespace
