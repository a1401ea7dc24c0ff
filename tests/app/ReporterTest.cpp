#include "app/Reporter.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "tests/app/OutputCapture.h"

using quarlin::OutputForm;
using quarlin::Reporter;
using testing_support::OutputCapture;

namespace {

constexpr char kAgent[] = "192.0.2.7";

TEST(Reporter, PrintsTheOutcomeInEachForm) {
    struct Case {
        const char* name;
        OutputForm form;
        bool success;
        const char* description;
        const char* expected;
    };
    const Case cases[] = {
        {"verbose success", OutputForm::Verbose, true, "Router 42", "\nDescription:\tRouter 42\n"},
        {"verbose failure", OutputForm::Verbose, false, nullptr,
         "\n\nERROR: Community string or SNMP error\n"},
        {"one-line success", OutputForm::OneLine, true, "Router 42", "192.0.2.7,Router 42\n"},
        {"one-line failure", OutputForm::OneLine, false, nullptr, "Error with community string\n"},
        {"one-line CR LF", OutputForm::OneLine, true, "A\r\nB", "192.0.2.7,A, B\n"},
        {"one-line lone LF and CR", OutputForm::OneLine, true, "a\nb\rc\n", "192.0.2.7,a b,c \n"},
        {"one-line commas kept", OutputForm::OneLine, true, "x,y,,z", "192.0.2.7,x,y,,z\n"},
        {"verbose keeps line ends", OutputForm::Verbose, true, "A\r\nB", "\nDescription:\tA\r\nB\n"},
        {"verbose percent signs", OutputForm::Verbose, true, "100% %s%n%d", "\nDescription:\t100% %s%n%d\n"},
        {"one-line percent signs", OutputForm::OneLine, true, "100% %s%n%d", "192.0.2.7,100% %s%n%d\n"},
        {"verbose empty", OutputForm::Verbose, true, "", "\nDescription:\t\n"},
        {"one-line empty", OutputForm::OneLine, true, "", "192.0.2.7,\n"},
        {"verbose null", OutputForm::Verbose, true, nullptr, "\nDescription:\t\n"},
        {"one-line null", OutputForm::OneLine, true, nullptr, "192.0.2.7,\n"},
    };
    for (const Case& c : cases) {
        OutputCapture output;
        Reporter reporter(output.file(), c.form, kAgent);
        if (c.success) {
            reporter.reportDescription(c.description);
        } else {
            reporter.reportFailure();
        }
        EXPECT_EQ(output.text(), c.expected) << c.name;
    }
}

TEST(Reporter, OneLineFormKeepsADescriptionLongerThanAnyFixedLineWhole) {
    // Cut from "abc\r\n" repeated; the printed line is the same cut of "abc, ".
    const std::size_t lengths[] = {1022, 1023, 1024, 1025, 6000};
    for (std::size_t length : lengths) {
        std::string description;
        std::string transformed;
        while (description.size() < length) {
            description += "abc\r\n";
            transformed += "abc, ";
        }
        description.resize(length);
        transformed.resize(length);

        OutputCapture output;
        Reporter reporter(output.file(), OutputForm::OneLine, kAgent);
        reporter.reportDescription(description.c_str());
        EXPECT_EQ(output.text(), std::string(kAgent) + "," + transformed + "\n") << "length " << length;
    }
}

TEST(Reporter, KeepsItsOwnCopyOfTheAgentText) {
    char agent[] = "10.1.1.1";
    OutputCapture output;
    Reporter reporter(output.file(), OutputForm::OneLine, agent);
    agent[0] = 'X';
    reporter.reportDescription("d");
    EXPECT_EQ(output.text(), "10.1.1.1,d\n");
}

}  // namespace
