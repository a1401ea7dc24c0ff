#pragma once

#include <cstdint>
#include <memory>

#include "snmp/protocol/SnmpMessage.h"

namespace snmp {

// Turns one received datagram into a new SnmpMessage, at construction. The
// decoder is the one place that knows where the datagram ends: no read goes
// past its n octets, and a datagram that would need one (an element or a
// length cut short, a length beyond what remains, the indefinite length
// 0x80, a value longer than 65535 octets), or whose outer length exceeds n,
// gives no message at all rather than a half-read one.
class MessageDecoder {
public:
    MessageDecoder(const std::uint8_t* octets, std::int32_t n);
    ~MessageDecoder();

    MessageDecoder(const MessageDecoder&) = delete;
    MessageDecoder& operator=(const MessageDecoder&) = delete;

    // Hands the message over (null when there is none); the caller owns it.
    SnmpMessage* release() noexcept { return decodedMessage_.release(); }

private:
    std::unique_ptr<SnmpMessage> decodedMessage_;
};

}  // namespace snmp
