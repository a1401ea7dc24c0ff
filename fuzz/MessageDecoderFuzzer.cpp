// Feeds arbitrary datagrams to the decoder, then asks the message it gives for
// everything a caller can: no query of a decoded message may fail, and its
// encoding must fill a buffer of its computed size exactly.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "snmp/protocol/MessageDecoder.h"
#include "snmp/protocol/SnmpMessage.h"

namespace {

// Reads a whole text, so the sanitizer sees every octet up to its terminator.
std::size_t textLength(const char* text) {
    return text == nullptr ? 0 : std::strlen(text);
}

// Texts that must always be there: a binding query gives "NULL" at worst.
std::size_t requiredTextLength(const char* text) {
    if (text == nullptr) {
        std::abort();
    }
    return std::strlen(text);
}

std::size_t queryEverything(const snmp::SnmpMessage& message) {
    std::size_t seen = 0;
    try {
        seen += static_cast<std::size_t>(message.getVersion());
    } catch (int) {
        // The one exception of the interface: a message without a version.
    }
    seen += textLength(message.getCommunity());

    const std::int32_t count = message.getVarBindCount();
    for (std::int32_t position = 0; position <= count + 1; ++position) {
        seen += requiredTextLength(message.getVarBindName(position));
        seen += requiredTextLength(message.getVarBindType(position));
        seen += requiredTextLength(message.getVarBindValue(position));
    }

    seen += static_cast<std::size_t>(message.getRequestId());
    seen += static_cast<std::size_t>(message.getErrorStatus());
    seen += static_cast<std::size_t>(message.getErrorIndex());
    seen += static_cast<std::size_t>(message.getGenericTrap());
    seen += static_cast<std::size_t>(message.getSpecificTrap());
    seen += static_cast<std::size_t>(message.getTimestamp());
    seen += textLength(message.getAgentAddress());
    seen += textLength(message.getEnterprise());
    seen += message.getPduType();
    return seen;
}

// Encodes into a buffer of exactly encodedSize octets, so ASan catches a write
// past it, and does so twice over different fillings: an octet that encode
// did not write keeps its filling and the two encodings differ there.
void checkEncoding(const snmp::SnmpMessage& message) {
    const std::uint32_t size = message.encodedSize();
    std::unique_ptr<std::uint8_t[]> zeros(new std::uint8_t[size]);
    std::unique_ptr<std::uint8_t[]> ones(new std::uint8_t[size]);
    std::memset(zeros.get(), 0x00, size);
    std::memset(ones.get(), 0xFF, size);

    std::uint8_t* cursor = zeros.get();
    message.encode(cursor);
    if (cursor != zeros.get()) {
        std::abort();  // the message's encode leaves the caller's cursor alone
    }
    cursor = ones.get();
    message.encode(cursor);
    if (std::memcmp(zeros.get(), ones.get(), size) != 0) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return 0;
    }
    snmp::MessageDecoder decoder(data, static_cast<std::int32_t>(size));
    const std::unique_ptr<snmp::SnmpMessage> message(decoder.release());
    if (!message) {
        return 0;
    }
    volatile std::size_t sink = queryEverything(*message);
    static_cast<void>(sink);
    checkEncoding(*message);
    return 0;
}
