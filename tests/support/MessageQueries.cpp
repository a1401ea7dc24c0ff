#include "tests/support/MessageQueries.h"

#include <cstring>

namespace testing_support {

namespace {

// Reads a text to its end, so that a text without a terminator shows.
void readText(const char* text, std::size_t& total) {
    if (text != nullptr) {
        total += std::strlen(text);
    }
}

}  // namespace

std::vector<std::uint8_t> queryEverything(const snmp::SnmpMessage& message) {
    std::size_t total = 0;
    try {
        total += static_cast<std::size_t>(message.getVersion());
    } catch (int) {
    }
    readText(message.getCommunity(), total);
    const std::int32_t count = message.getVarBindCount();
    for (std::int32_t position = 0; position <= count + 1; ++position) {
        readText(message.getVarBindName(position), total);
        readText(message.getVarBindType(position), total);
        readText(message.getVarBindValue(position), total);
    }
    total += static_cast<std::size_t>(message.getRequestId()) + static_cast<std::size_t>(message.getErrorIndex()) +
             static_cast<std::size_t>(message.getErrorStatus()) + static_cast<std::size_t>(message.getGenericTrap()) +
             static_cast<std::size_t>(message.getSpecificTrap()) + static_cast<std::size_t>(message.getTimestamp()) +
             message.getPduType();
    readText(message.getAgentAddress(), total);
    readText(message.getEnterprise(), total);

    // Exactly the size asked for, so that a write past it shows.
    std::vector<std::uint8_t> octets(message.encodedSize());
    std::uint8_t* cursor = octets.data();
    message.encode(cursor);
    // Keeps the reads above from being optimised away.
    volatile std::size_t sink = total;
    static_cast<void>(sink);
    return octets;
}

}  // namespace testing_support
