#pragma once

#include <cstdint>
#include <memory>

#include "snmp/ber/ReadCursor.h"
#include "snmp/protocol/SnmpMessage.h"

namespace snmp {

// Turns one received datagram into a new SnmpMessage, at construction.
//
// The decoder is the one place that knows where the datagram ends, and no
// read goes past its n octets. A datagram whose outer length exceeds n, or
// that would need a read past its end (a length or an element cut short, a
// value or binding list longer than what remains, the indefinite length
// 0x80, a value longer than 65535 octets), gives no message at all, never a
// half-read one. The lengths of the PDU and of each binding are read past
// without being used.
class MessageDecoder {
public:
    MessageDecoder(const std::uint8_t* octets, std::int32_t n);
    ~MessageDecoder();

    MessageDecoder(const MessageDecoder&) = delete;
    MessageDecoder& operator=(const MessageDecoder&) = delete;

    // Hands the message over (null when there is none); the caller owns it.
    SnmpMessage* release() noexcept { return decodedMessage_.release(); }

private:
    // The message read from cursor, or null when the datagram is rejected or
    // any read would have passed its end.
    static std::unique_ptr<SnmpMessage> decode(ReadCursor& cursor, std::uint32_t datagramLength);

    std::unique_ptr<SnmpMessage> decodedMessage_;
};

}  // namespace snmp
