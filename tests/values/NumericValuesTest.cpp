#include "snmp/values/NumericValues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "tests/support/Hex.h"
#include "tests/values/ValueTesting.h"

using snmp::NumericValue;
using testing_support::hex;
using testing_support::toHex;
using values_testing::decodeTlv;
using values_testing::encodeChecked;

namespace {

TEST(IntegerValue, EncodesWithFewestTwosComplementOctetsAndDecodesBack) {
    struct Case {
        std::int32_t number;
        const char* encoding;
    };
    const Case cases[] = {
        {0, "02 01 00"},
        {123, "02 01 7B"},
        {127, "02 01 7F"},
        {128, "02 02 00 80"},
        {255, "02 02 00 FF"},
        {256, "02 02 01 00"},
        {32768, "02 03 00 80 00"},
        {1 << 23, "02 04 00 80 00 00"},
        {std::numeric_limits<std::int32_t>::max(), "02 04 7F FF FF FF"},
        {-1, "02 01 FF"},
        {-128, "02 01 80"},
        {-129, "02 02 FF 7F"},
        {-200, "02 02 FF 38"},
        {-(1 << 23), "02 03 80 00 00"},
        {std::numeric_limits<std::int32_t>::min(), "02 04 80 00 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const snmp::IntegerValue value(c.number);
        EXPECT_EQ(value.getValue(), c.number);
        EXPECT_EQ(toHex(encodeChecked(value)), toHex(hex(c.encoding)));
        EXPECT_STREQ(value.toText(), std::to_string(c.number).c_str());
        EXPECT_STREQ(value.getTypeName(), "Integer");

        EXPECT_EQ(decodeTlv<snmp::IntegerValue>(hex(c.encoding))->getValue(), c.number);
    }
}

TEST(TimeTicksValue, NumberOf2To31AndMoreShowsAsNegative) {
    const snmp::TimeTicksValue value(static_cast<std::int32_t>(3000000000u));
    EXPECT_EQ(toHex(encodeChecked(value)), "43 04 B2 D0 5E 00");
    EXPECT_STREQ(value.toText(), "-1294967296");
    EXPECT_STREQ(value.getTypeName(), "TimeTick");
}

TEST(NumericValue, SetValueReplacesAnEarlierText) {
    snmp::IntegerValue value(5);
    EXPECT_STREQ(value.toText(), "5");
    value.setValue(-200);
    EXPECT_STREQ(value.toText(), "-200");
    EXPECT_EQ(toHex(encodeChecked(value)), "02 02 FF 38");
}

template <typename Value>
std::unique_ptr<NumericValue> decode32(const std::vector<std::uint8_t>& tlv) {
    return decodeTlv<Value>(tlv);
}

TEST(NumericValue, DecodesEveryClassAndReencodesWithTheReceivedLength) {
    struct Case {
        const char* name;
        std::unique_ptr<NumericValue> (*decode)(const std::vector<std::uint8_t>&);
        const char* tlv;
        std::int32_t value;
        const char* text;
        const char* reencoded;
    };
    const Case cases[] = {
        {"integer -200", decode32<snmp::IntegerValue>, "02 02 FF 38", -200, "-200", "02 02 FF 38"},
        {"integer 128", decode32<snmp::IntegerValue>, "02 02 00 80", 128, "128", "02 02 00 80"},
        {"integer -128", decode32<snmp::IntegerValue>, "02 01 80", -128, "-128", "02 01 80"},
        {"non-minimal integer", decode32<snmp::IntegerValue>, "02 03 00 00 05", 5, "5", "02 03 00 00 05"},
        {"timeticks three octets", decode32<snmp::TimeTicksValue>, "43 03 FF FF FF", -1, "-1", "43 03 FF FF FF"},
        {"gauge four octets keeps bits", decode32<snmp::GaugeValue>, "42 04 FF FF FF FE", -2, "-2", "42 04 FF FF FF FE"},
        {"gauge empty", decode32<snmp::GaugeValue>, "42 00", 0, "0", "42 00"},
        {"counter unsigned five octets", decode32<snmp::CounterValue>, "41 05 00 FF FF FF FF", -1, "-1",
         "41 05 00 FF FF FF FF"},
        {"counter six octets keeps last four", decode32<snmp::CounterValue>, "41 06 12 34 80 00 00 01",
         std::numeric_limits<std::int32_t>::min() + 1, "-2147483647", "41 06 00 00 80 00 00 01"},
        {"long form length", decode32<snmp::CounterValue>, "41 81 01 07", 7, "7", "41 01 07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<NumericValue> value = c.decode(hex(c.tlv));
        EXPECT_EQ(value->getValue(), c.value);
        EXPECT_STREQ(value->toText(), c.text);
        EXPECT_EQ(toHex(encodeChecked(*value)), toHex(hex(c.reencoded)));
    }
}

TEST(Counter64Value, DecodesUnsignedAndReencodesWithTheReceivedLength) {
    struct Case {
        const char* tlv;
        std::uint64_t value;
        const char* text;
        const char* reencoded;
    };
    const Case cases[] = {
        {"46 05 01 00 00 00 00", std::uint64_t{1} << 32, "4294967296", "46 05 01 00 00 00 00"},
        {"46 01 C8", 200, "200", "46 01 C8"},
        {"46 00", 0, "0", "46 00"},
        {"46 09 00 FF FF FF FF FF FF FF FF", std::numeric_limits<std::uint64_t>::max(), "18446744073709551615",
         "46 09 00 FF FF FF FF FF FF FF FF"},
        {"46 0A 12 34 00 00 00 00 00 00 00 2A", 42, "42", "46 0A 00 00 00 00 00 00 00 00 00 2A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tlv);
        const auto value = decodeTlv<snmp::Counter64Value>(hex(c.tlv));
        EXPECT_EQ(value->getValue(), c.value);
        EXPECT_STREQ(value->toText(), c.text);
        EXPECT_STREQ(value->getTypeName(), "Counter64");
        EXPECT_EQ(toHex(encodeChecked(*value)), toHex(hex(c.reencoded)));
    }
}

TEST(Counter64Value, SetValueUsesSignificantOctetsOnly) {
    struct Case {
        std::uint64_t number;
        const char* encoding;
        const char* text;
    };
    const Case cases[] = {
        {0, "46 01 00", "0"},
        {200, "46 01 C8", "200"},
        {65536, "46 03 01 00 00", "65536"},
        {std::uint64_t{1} << 63, "46 08 80 00 00 00 00 00 00 00", "9223372036854775808"},
        {std::numeric_limits<std::uint64_t>::max(), "46 08 FF FF FF FF FF FF FF FF", "18446744073709551615"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto value = decodeTlv<snmp::Counter64Value>(hex("46 01 07"));
        EXPECT_STREQ(value->toText(), "7");
        value->setValue(c.number);
        EXPECT_EQ(value->getValue(), c.number);
        EXPECT_EQ(toHex(encodeChecked(*value)), toHex(hex(c.encoding)));
        EXPECT_STREQ(value->toText(), c.text);
    }
}

}  // namespace
