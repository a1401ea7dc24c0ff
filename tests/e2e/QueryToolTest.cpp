// The real quarlin program against a scripted agent on 127.0.0.1:161: the
// test receives the tool's request and answers with the datagrams of each
// case, then compares everything the tool printed and its exit status.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/Datagrams.h"
#include "tests/support/Hex.h"
#include "tests/support/PrivateNetwork.h"
#include "tests/support/ToolCommand.h"
#include "tests/support/ToolRun.h"
#include "tests/support/ToolTexts.h"
#include "tests/support/UdpPeer.h"

namespace {

using testing_support::concat;
using testing_support::hex;
using testing_support::kOneLineFailure;
using testing_support::Octets;
using testing_support::octetsOf;
using testing_support::tlv;
using testing_support::toolCommand;
using testing_support::toolText;
using testing_support::ToolOutcome;
using testing_support::ToolRun;
using testing_support::toHex;
using testing_support::UdpPeer;
using testing_support::verboseFailure;
using testing_support::verboseSuccess;

constexpr char kTool[] = QUARLIN_TOOL_PATH;
constexpr std::uint16_t kAgentPort = 161;

Octets sysDescrBinding(const std::string& description) {
    return tlv(0x30, concat({tlv(0x06, hex("2B 06 01 02 01 01 01 00")), tlv(0x04, octetsOf(description))}));
}

// A GetResponse with one-octet request-id and error-status and the given
// bindings, in the layout agents send.
Octets response(std::uint8_t requestId, std::uint8_t errorStatus, const Octets& bindings) {
    const Octets pdu = tlv(0xA2, concat({tlv(0x02, {requestId}), tlv(0x02, {errorStatus}), tlv(0x02, {0x00}),
                                         tlv(0x30, bindings)}));
    return tlv(0x30, concat({tlv(0x02, {0x00}), tlv(0x04, octetsOf("public")), pdu}));
}

Octets descriptionReply(const std::string& description, std::uint8_t requestId = 123, std::uint8_t errorStatus = 0) {
    return response(requestId, errorStatus, sysDescrBinding(description));
}

// A success reply of exactly 4096 octets, the size of the tool's buffer.
std::string fullSizeDescription() {
    std::string description;
    while (descriptionReply(description).size() < 4096) description += static_cast<char>('a' + description.size() % 26);
    return description;
}

struct Answer {
    Octets octets;
    bool fromOtherPort = false;
};

class QueryTool : public testing::Test {
protected:
    // Runs the tool with arguments; once its request is in, sends answers
    // back to the port it came from.
    ToolOutcome runAnswering(const std::vector<std::string>& arguments, const std::vector<Answer>& answers) {
        ToolRun tool(toolCommand(kTool, arguments));
        request_ = agent_.receive(5000);
        if (request_) {
            for (const Answer& answer : answers) {
                (answer.fromOtherPort ? otherPeer_ : agent_).sendTo(request_->sourcePort, answer.octets);
            }
        }
        return tool.finish();
    }

    UdpPeer agent_{kAgentPort};
    UdpPeer otherPeer_;
    std::optional<testing_support::Datagram> request_;
};

TEST_F(QueryTool, PrintsWhatTheReplyWarrants) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::vector<Answer> answers;
        std::string expected;
    };
    const std::string description = "Test agent, rack 4\r\nsoftware 1.2";
    const Octets reply = descriptionReply(description);
    const std::string full = fullSizeDescription();
    Octets tooLong = descriptionReply(full);
    // The first 4096 octets are a whole reply: only a datagram cut short by
    // the socket would let the tool take it.
    tooLong.resize(5000, 0x30);
    const Case cases[] = {
        {"verbose success", {"127.0.0.1", "public"}, {{reply}}, verboseSuccess("127.0.0.1", description)},
        {"one-line success", {"127.0.0.1", "public", "-l"}, {{reply}},
         "127.0.0.1,Test agent, rack 4, software 1.2\n"},
        {"request-id 124", {"127.0.0.1", "public"}, {{descriptionReply(description, 124)}},
         verboseFailure("127.0.0.1")},
        {"error-status 2", {"127.0.0.1", "public", "-l"}, {{descriptionReply(description, 123, 2)}},
         kOneLineFailure},
        {"success without bindings", {"127.0.0.1", "public", "-l"}, {{response(123, 0, {})}}, "127.0.0.1,NULL\n"},
        {"reply from another port", {"127.0.0.1", "public", "-l"}, {{reply, true}},
         "127.0.0.1,Test agent, rack 4, software 1.2\n"},
        {"two replies, the first is used", {"127.0.0.1", "public", "-l"},
         {{descriptionReply("first")}, {descriptionReply("second")}}, "127.0.0.1,first\n"},
        {"reply of 4096 octets", {"127.0.0.1", "public"}, {{descriptionReply(full)}},
         verboseSuccess("127.0.0.1", full)},
        {"reply of 5000 octets", {"127.0.0.1", "public"}, {{tooLong}}, verboseFailure("127.0.0.1")},
        {"reply cut short", {"127.0.0.1", "public", "-l"}, {{Octets(reply.begin(), reply.begin() + 30)}},
         kOneLineFailure},
        {"not SNMP at all", {"127.0.0.1", "public", "-l"}, {{Octets(64, 0xFF)}}, kOneLineFailure},
    };
    ASSERT_EQ(descriptionReply(full).size(), 4096u);
    for (const Case& c : cases) {
        const ToolOutcome outcome = runAnswering(c.arguments, c.answers);
        EXPECT_TRUE(request_) << c.name << ": no request arrived";
        EXPECT_EQ(outcome.output, toolText(c.expected)) << c.name;
        EXPECT_EQ(outcome.exitStatus, 0) << c.name;
    }
}

TEST_F(QueryTool, SendsTheExactRequest) {
    const std::string communities[] = {"", "public", std::string(94, 'c')};
    for (const std::string& community : communities) {
        const auto c = static_cast<std::uint8_t>(community.size());
        const Octets expected =
            concat({{0x30, static_cast<std::uint8_t>(32 + c), 0x02, 0x01, 0x00, 0x04, c}, octetsOf(community),
                    hex("A0 19 02 01 7B 02 01 00 02 01 00 30 0E 30 0C 06 08 2B 06 01 02 01 01 01 00 05 00")});
        const ToolOutcome outcome = runAnswering({"127.0.0.1", community, "-l"}, {{descriptionReply("ok")}});
        ASSERT_TRUE(request_) << "community of " << community.size();
        EXPECT_EQ(toHex(request_->octets), toHex(expected)) << "community of " << community.size();
        EXPECT_EQ(outcome.output, toolText("127.0.0.1,ok\n")) << "community of " << community.size();
    }
}

TEST_F(QueryTool, ResolvesAHostName) {
    const ToolOutcome outcome = runAnswering({testing_support::kAgentHostName, "public"}, {{descriptionReply("named")}});
    EXPECT_EQ(outcome.output, toolText(verboseSuccess(testing_support::kAgentHostName, "named")));
    EXPECT_EQ(outcome.exitStatus, 0);
}

TEST_F(QueryTool, FailsAtOnceWithoutAnAgentAddress) {
    struct Case {
        const char* name;
        const char* host;
    };
    const Case cases[] = {
        {"host name that does not resolve", "no-such-agent.invalid"},
        {"empty host", ""},
    };
    for (const Case& c : cases) {
        ToolRun tool(toolCommand(kTool, {c.host, "public"}));
        const ToolOutcome outcome = tool.finish();
        EXPECT_EQ(outcome.output, toolText(verboseFailure(c.host))) << c.name;
        EXPECT_EQ(outcome.exitStatus, 0) << c.name;
        EXPECT_LT(outcome.seconds, 5.0) << c.name << ": waited for a reply";
        EXPECT_FALSE(agent_.receive(0)) << c.name << ": a request was sent";
    }
}

// The one case that waits out the tool's 10-second time-out.
TEST_F(QueryTool, NoReplyFailsAfterTenSeconds) {
    const ToolOutcome outcome = runAnswering({"127.0.0.1", "public", "-l"}, {});
    EXPECT_TRUE(request_);
    EXPECT_EQ(outcome.output, toolText(kOneLineFailure));
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_GE(outcome.seconds, 9.5);
    EXPECT_LT(outcome.seconds, 15.0);
}

}  // namespace
