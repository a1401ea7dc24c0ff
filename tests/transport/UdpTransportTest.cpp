#include "snmp/transport/UdpTransport.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "snmp/protocol/SnmpMessage.h"
#include "tests/support/Clock.h"
#include "tests/support/Hex.h"
#include "tests/support/PrivateNetwork.h"
#include "tests/support/UdpPeer.h"

namespace {

using testing_support::secondsNow;
using testing_support::toHex;
using testing_support::UdpPeer;
using Octets = std::vector<std::uint8_t>;

std::unique_ptr<snmp::SnmpMessage> getRequest() {
    auto message = std::make_unique<snmp::SnmpMessage>(160, 0);
    message->setCommunity("public");
    message->setRequestId(123);
    return message;
}

Octets encodingOf(const snmp::SnmpMessage& message) {
    Octets octets(message.encodedSize());
    std::uint8_t* cursor = octets.data();
    message.encode(cursor);
    return octets;
}

// A GetResponse the library itself encodes, so it decodes for sure.
Octets responseWithRequestId(std::int32_t requestId) {
    snmp::SnmpMessage response(162, 0);
    response.setRequestId(requestId);
    return encodingOf(response);
}

// count octets counting up from first, so a shifted or cut copy shows.
Octets pattern(std::size_t count, std::uint8_t first) {
    Octets octets(count);
    for (std::size_t i = 0; i < count; ++i) octets[i] = static_cast<std::uint8_t>(first + i);
    return octets;
}

Octets bufferOf(const snmp::UdpTransport& transport) {
    return Octets(transport.getBuffer(), transport.getBuffer() + transport.getBufferSize());
}

// A ready transport and its agent, a peer on 127.0.0.1. The transport has
// sent one request, so the agent knows the port to answer to.
class Exchange {
public:
    Exchange() {
        EXPECT_TRUE(transport.isReady());
        EXPECT_GT(transport.send(*getRequest()), 0);
        const auto request = agent.receive(2000);
        if (request) transportPort = request->sourcePort;
        EXPECT_NE(transportPort, 0) << "the transport's request did not arrive";
    }

    void answer(const Octets& octets) { agent.sendTo(transportPort, octets); }

    UdpPeer agent;
    snmp::UdpTransport transport{agent.port(), "127.0.0.1"};
    std::uint16_t transportPort = 0;
};

TEST(UdpTransport, NotReadyAnswersAtOnceAndSendsNothing) {
    struct Case {
        const char* name;
        const char* host;
        bool lookupFails;
    };
    const Case cases[] = {
        {"host name that does not resolve", "no-such-agent.invalid", true},
        {"empty host", "", false},
        {"no host", nullptr, false},
    };
    for (const Case& c : cases) {
        UdpPeer agent(161);
        snmp::UdpTransport transport(161, c.host);
        const double start = secondsNow();
        EXPECT_FALSE(transport.isReady()) << c.name;
        EXPECT_EQ(transport.send(*getRequest()), 0) << c.name;
        EXPECT_EQ(transport.receive(), nullptr) << c.name;
        // The default time-out is 5 seconds; a not-ready transport never waits.
        EXPECT_LT(secondsNow() - start, 1.0) << c.name;
        EXPECT_EQ(transport.getLastError() != 0, c.lookupFails) << c.name;
        EXPECT_FALSE(agent.receive(100)) << c.name << ": a datagram was sent";
    }
}

TEST(UdpTransport, SendsTheExactEncodingToTheAgentsPort) {
    struct Case {
        const char* name;
        const char* host;
        std::int32_t port;
    };
    const Case cases[] = {
        {"dotted address", "127.0.0.1", 161},
        {"host name", testing_support::kAgentHostName, 161},
        {"port above 65535 keeps its low 16 bits", "127.0.0.1", 65536 + 161},
    };
    const auto request = getRequest();
    for (const Case& c : cases) {
        UdpPeer agent(161);
        snmp::UdpTransport transport(c.port, c.host);
        ASSERT_TRUE(transport.isReady()) << c.name << ", error " << transport.getLastError();
        EXPECT_EQ(transport.getPort(), c.port) << c.name;
        EXPECT_EQ(transport.send(*request), static_cast<std::int32_t>(request->encodedSize())) << c.name;
        const auto datagram = agent.receive(2000);
        ASSERT_TRUE(datagram) << c.name;
        EXPECT_EQ(toHex(datagram->octets), toHex(encodingOf(*request))) << c.name;
    }
}

TEST(UdpTransport, MessageTooLongForADatagramSendsNothing) {
    UdpPeer agent(161);
    snmp::UdpTransport transport(161, "127.0.0.1");
    snmp::SnmpMessage message(160, 0);
    // The longest community there is: the message outgrows a UDP datagram.
    message.setCommunity(std::string(65535, 'c').c_str());
    EXPECT_EQ(transport.send(message), 0);
    EXPECT_EQ(transport.getLastError(), EMSGSIZE);
    EXPECT_FALSE(agent.receive(100));
}

TEST(UdpTransport, ReceiveDecodesTheDatagram) {
    Exchange exchange;
    exchange.answer(responseWithRequestId(77));
    const std::unique_ptr<snmp::SnmpMessage> reply(exchange.transport.receive());
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(reply->getRequestId(), 77);
    EXPECT_EQ(reply->getPduType(), 162);
}

TEST(UdpTransport, BufferHoldsTheLastDatagramFollowedByZeros) {
    Exchange exchange;
    snmp::UdpTransport& transport = exchange.transport;
    exchange.answer(pattern(200, 0x10));
    delete transport.receive();
    const Octets shorter = pattern(100, 0x80);
    exchange.answer(shorter);
    delete transport.receive();

    ASSERT_EQ(transport.getReceivedLength(), 100);
    Octets expected = shorter;
    expected.resize(static_cast<std::size_t>(transport.getBufferSize()), 0);
    EXPECT_EQ(bufferOf(transport), expected);
}

TEST(UdpTransport, DatagramOfBufferSizeIsWholeALongerOneIsRejected) {
    Exchange exchange;
    snmp::UdpTransport& transport = exchange.transport;
    ASSERT_EQ(transport.getBufferSize(), 4096);
    const Octets full = pattern(4096, 0x01);
    exchange.answer(full);
    delete transport.receive();
    EXPECT_EQ(transport.getReceivedLength(), 4096);
    EXPECT_EQ(bufferOf(transport), full);
    EXPECT_EQ(transport.getLastError(), 0);

    // Its first 4096 octets decode on their own: a cut copy would be taken.
    Octets tooLong = responseWithRequestId(123);
    tooLong.resize(5000, 0xEE);
    exchange.answer(tooLong);
    EXPECT_EQ(transport.receive(), nullptr);
    EXPECT_EQ(transport.getLastError(), platform::kMessageTooLong);
    EXPECT_EQ(transport.getReceivedLength(), 0);
    EXPECT_EQ(bufferOf(transport), full) << "the buffer must keep the previous datagram";
}

TEST(UdpTransport, SecondReceiveTimingOutKeepsTheFirstDatagram) {
    Exchange exchange;
    snmp::UdpTransport& transport = exchange.transport;
    transport.setTimeout(1);
    const Octets response = responseWithRequestId(123);
    exchange.answer(response);
    const std::unique_ptr<snmp::SnmpMessage> first(transport.receive());
    ASSERT_NE(first, nullptr);

    const double start = secondsNow();
    EXPECT_EQ(transport.receive(), nullptr);
    const double waited = secondsNow() - start;
    EXPECT_GE(waited, 0.9);
    EXPECT_LT(waited, 3.0);
    EXPECT_EQ(transport.getReceivedLength(), 0);
    EXPECT_EQ(transport.getLastError(), 0) << "a time-out is no socket error";
    EXPECT_TRUE(std::equal(response.begin(), response.end(), transport.getBuffer()));
}

TEST(UdpTransport, TimeoutZeroWaitsWithoutLimit) {
    Exchange exchange;
    exchange.transport.setTimeout(0);
    // Longer than a zero-length wait, bounded by the sender.
    std::thread lateAgent([&exchange] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        exchange.answer(responseWithRequestId(123));
    });
    const double start = secondsNow();
    const std::unique_ptr<snmp::SnmpMessage> reply(exchange.transport.receive());
    const double waited = secondsNow() - start;
    lateAgent.join();
    EXPECT_NE(reply, nullptr);
    EXPECT_GE(waited, 1.4);
}

// Descriptors numbered FD_SETSIZE and above do not fit an fd_set; the wait
// must work for them all the same.
TEST(UdpTransport, WaitsOnADescriptorAboveTheSelectLimit) {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    const rlim_t needed = FD_SETSIZE + 64;
    if (limit.rlim_cur < needed) {
        limit.rlim_cur = needed;
        limit.rlim_max = std::max(limit.rlim_max, needed);
        ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limit), 0) << "cannot raise the descriptor limit";
    }
    // New descriptors take the lowest free number: fill all up to the limit.
    std::vector<int> fillers;
    while (fillers.empty() || fillers.back() < FD_SETSIZE + 8) {
        const int fd = open("/dev/null", O_RDONLY);
        ASSERT_GE(fd, 0);
        fillers.push_back(fd);
    }
    {
        Exchange exchange;
        exchange.transport.setTimeout(2);
        exchange.answer(responseWithRequestId(123));
        const std::unique_ptr<snmp::SnmpMessage> reply(exchange.transport.receive());
        EXPECT_NE(reply, nullptr);
    }
    for (int fd : fillers) close(fd);
}

}  // namespace
