#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "snmp/values/IpAddressValue.h"
#include "snmp/values/NumericValues.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OidValue.h"
#include "snmp/values/OpaqueValue.h"
#include "tests/support/Hex.h"
#include "tests/values/ValueTesting.h"

using snmp::ReadCursor;
using snmp::SnmpValue;
using testing_support::hex;
using testing_support::toHex;
using values_testing::decodeTlv;
using values_testing::encodeChecked;

namespace {

struct ValueClass {
    const char* name;
    std::unique_ptr<SnmpValue> (*decode)(ReadCursor&);
    const char* tlv;
    // Octets 'A' appended to tlv, for contents too long to write out.
    std::size_t filler;
};

template <typename Value>
std::unique_ptr<SnmpValue> decodeAs(ReadCursor& cursor) {
    return decodeTlv<Value>(cursor);
}

const ValueClass kClasses[] = {
    {"Integer", decodeAs<snmp::IntegerValue>, "02 02 FF 38", 0},
    {"Counter", decodeAs<snmp::CounterValue>, "41 05 00 FF FF FF FF", 0},
    {"Gauge", decodeAs<snmp::GaugeValue>, "42 03 01 02 03", 0},
    {"TimeTicks", decodeAs<snmp::TimeTicksValue>, "43 04 B2 D0 5E 00", 0},
    {"Counter64", decodeAs<snmp::Counter64Value>, "46 05 01 00 00 00 00", 0},
    {"OID", decodeAs<snmp::OidValue>, "06 08 2B 06 01 02 01 01 01 00", 0},
    {"String", decodeAs<snmp::OctetStringValue>, "04 81 7F", 127},
    {"IpAddress", decodeAs<snmp::IpAddressValue>, "40 04 C0 A8 01 0A", 0},
    {"Opaque", decodeAs<snmp::OpaqueValue>, "44 03 41 09 42", 0},
};

std::vector<std::uint8_t> encodingOf(const ValueClass& c) {
    std::vector<std::uint8_t> tlv = hex(c.tlv);
    tlv.resize(tlv.size() + c.filler, 'A');
    return tlv;
}

// A value whose decode failed must still be safe to query and encode.
void expectEmpty(const SnmpValue& value) {
    EXPECT_EQ(value.getContentLength(), 0);
    EXPECT_EQ(encodeChecked(value).size(), 2u);
    EXPECT_NE(value.toText(), nullptr);
}

TEST(ValueDecode, EveryTruncationOfAValidEncodingFailsTheCursorCleanly) {
    for (const ValueClass& c : kClasses) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> tlv = encodingOf(c);

        {
            ReadCursor cursor(tlv.data(), tlv.size());
            const std::unique_ptr<SnmpValue> value = c.decode(cursor);
            ASSERT_FALSE(cursor.failed());
            EXPECT_EQ(cursor.remaining(), 0u);
            EXPECT_EQ(toHex(encodeChecked(*value)), toHex(tlv.data(), tlv.size()));
            EXPECT_EQ(value->toText(), value->toText());
        }
        for (std::size_t size = 0; size < tlv.size(); ++size) {
            SCOPED_TRACE(size);
            // An exact-size copy, so that a read past the data is caught.
            const std::vector<std::uint8_t> truncated(tlv.begin(), tlv.begin() + static_cast<std::ptrdiff_t>(size));
            ReadCursor cursor(truncated.data(), truncated.size());
            const std::unique_ptr<SnmpValue> value = c.decode(cursor);
            EXPECT_TRUE(cursor.failed());
            expectEmpty(*value);
        }
    }
}

TEST(ValueDecode, LengthAbove65535FailsTheCursorEvenWhenTheDataHoldsIt) {
    for (const ValueClass& c : kClasses) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> tlv = encodingOf(c);
        tlv.resize(1);
        const std::vector<std::uint8_t> length = hex("83 01 00 01");
        tlv.insert(tlv.end(), length.begin(), length.end());
        tlv.resize(tlv.size() + 0x10001, 0x01);

        ReadCursor cursor(tlv.data(), tlv.size());
        const std::unique_ptr<SnmpValue> value = c.decode(cursor);
        EXPECT_TRUE(cursor.failed());
        expectEmpty(*value);
    }
}

}  // namespace
