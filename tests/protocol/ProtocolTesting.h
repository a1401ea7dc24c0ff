#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "snmp/protocol/SnmpMessage.h"
#include "snmp/values/SnmpValue.h"

namespace protocol_testing {

constexpr std::uint8_t kGuard = 0xEE;

// Encodes object (a value, binding, list or PDU) at a cursor, checks that the
// cursor moved by exactly size and nothing was written past it, and returns
// the octets.
template <typename Encode>
std::vector<std::uint8_t> encodeAdvancing(Encode encode, std::uint32_t size) {
    std::vector<std::uint8_t> octets(size + 1, kGuard);
    std::uint8_t* cursor = octets.data();
    encode(cursor);
    EXPECT_EQ(cursor - octets.data(), static_cast<std::ptrdiff_t>(size)) << "cursor moved by what was written";
    EXPECT_EQ(octets[size], kGuard) << "nothing written past the size";
    octets.resize(size);
    return octets;
}

// Encodes a message, checks that encode filled exactly encodedSize() octets
// and left the caller's cursor where it was, and returns the octets.
inline std::vector<std::uint8_t> encodeMessage(const snmp::SnmpMessage& message) {
    const std::uint32_t size = message.encodedSize();
    std::vector<std::uint8_t> octets(size + 1, kGuard);
    std::uint8_t* cursor = octets.data();
    message.encode(cursor);
    EXPECT_EQ(cursor, octets.data()) << "the message's encode leaves the cursor alone";
    EXPECT_EQ(octets[size], kGuard) << "nothing written past encodedSize()";
    octets.resize(size);
    return octets;
}

// A value that counts its deletions; encodes as NULL (05 00).
class CountedValue : public snmp::SnmpValue {
public:
    explicit CountedValue(int& deletions) : SnmpValue(5, "Counted"), deletions_(deletions) {}
    ~CountedValue() override { ++deletions_; }
    void encode(std::uint8_t*& cursor) const override {
        *cursor++ = 5;
        *cursor++ = 0;
    }
    const char* toText() const override { return ""; }

private:
    int& deletions_;
};

}  // namespace protocol_testing
