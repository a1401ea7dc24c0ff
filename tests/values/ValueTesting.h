#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "snmp/ber/ReadCursor.h"
#include "snmp/values/SnmpValue.h"

namespace values_testing {

// Encodes value with encode and with encodeToBuffer, checks that both write
// exactly encodedSize() octets and agree, and returns the octets.
inline std::vector<std::uint8_t> encodeChecked(const snmp::SnmpValue& value) {
    const std::uint32_t size = value.encodedSize();
    // One spare octet shows an encode that writes past its size.
    std::vector<std::uint8_t> octets(size + 1, 0xEE);
    std::uint8_t* cursor = octets.data();
    value.encode(cursor);
    EXPECT_EQ(cursor - octets.data(), static_cast<std::ptrdiff_t>(size)) << value.getTypeName();
    EXPECT_EQ(octets[size], 0xEE) << value.getTypeName();
    octets.resize(size);

    const std::unique_ptr<std::uint8_t[]> buffer(value.encodeToBuffer());
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.get(), buffer.get() + size), octets) << value.getTypeName();
    return octets;
}

// Decodes a whole TLV the way the message decoder does: the tag octet is
// consumed first, then the class's decode constructor reads the rest.
template <typename Value>
std::unique_ptr<Value> decodeTlv(snmp::ReadCursor& cursor) {
    cursor.readOctet();
    return std::make_unique<Value>(cursor);
}

template <typename Value>
std::unique_ptr<Value> decodeTlv(const std::vector<std::uint8_t>& tlv) {
    snmp::ReadCursor cursor(tlv.data(), tlv.size());
    std::unique_ptr<Value> value = decodeTlv<Value>(cursor);
    EXPECT_FALSE(cursor.failed());
    EXPECT_EQ(cursor.remaining(), 0u);
    return value;
}

}  // namespace values_testing
