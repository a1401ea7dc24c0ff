#include "snmp/ber/SubIdentifiers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "tests/support/Hex.h"

using snmp::ReadCursor;
using testing_support::hex;
using testing_support::toHex;

namespace {

TEST(SubId, WritesBase128AndReadsBackEveryWidth) {
    struct Case {
        std::uint32_t value;
        const char* octets;
    };
    const Case cases[] = {
        {0, "00"},
        {127, "7F"},
        {128, "81 00"},
        {(1u << 14) - 1, "FF 7F"},
        {1u << 14, "81 80 00"},
        {(1u << 21) - 1, "FF FF 7F"},
        {1u << 21, "81 80 80 00"},
        {(1u << 28) - 1, "FF FF FF 7F"},
        {1u << 28, "81 80 80 80 00"},
        {(1u << 31) - 1, "87 FF FF FF 7F"},
        {1u << 31, "88 80 80 80 00"},
        {0xFFFFFFFFu, "8F FF FF FF 7F"},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, 8> buffer{};
        std::uint32_t count = 0;
        snmp::writeSubId(buffer.data(), c.value, count);
        EXPECT_EQ(toHex(buffer.data(), count), toHex(hex(c.octets))) << "value " << c.value;

        const std::vector<std::uint8_t> octets = hex(c.octets);
        ReadCursor cursor(octets.data(), octets.size());
        std::uint32_t value = 0;
        snmp::readSubId(cursor, value);
        EXPECT_EQ(value, c.value) << "value " << c.value;
        EXPECT_FALSE(cursor.failed()) << "value " << c.value;
        EXPECT_EQ(cursor.remaining(), 0u) << "value " << c.value;
    }
}

TEST(SubId, ReadsOverlongSubIdAsLow32BitsAndFailsOnUnterminatedOne) {
    const std::vector<std::uint8_t> overlong = hex("81 80 80 80 80 01 05");
    ReadCursor cursor(overlong.data(), overlong.size());
    std::uint32_t value = 0;
    snmp::readSubId(cursor, value);
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(cursor.offset(), 6u);

    const std::vector<std::uint8_t> unterminated = hex("2B 86");
    ReadCursor cut(unterminated.data() + 1, 1);
    snmp::readSubId(cut, value);
    EXPECT_TRUE(cut.failed());
    EXPECT_EQ(value, 0u);
}

TEST(FirstArcs, PackIntoOneOctetModulo256AndUnpackByRangeOf40) {
    struct WriteCase {
        std::int32_t x;
        std::int32_t y;
        std::uint8_t octet;
    };
    const WriteCase writes[] = {{1, 3, 0x2B}, {1, 40, 0x50}, {5, 1, 0xC9}, {2, 200, 0x18}, {-1, 0, 0xD8}};
    for (const WriteCase& c : writes) {
        std::uint8_t octet = 0;
        std::uint8_t* cursor = &octet;
        snmp::writeFirstArcs(cursor, c.x, c.y);
        EXPECT_EQ(octet, c.octet) << c.x << "." << c.y;
        EXPECT_EQ(cursor, &octet + 1);
    }

    struct ReadCase {
        std::uint8_t octet;
        std::uint16_t x;
        std::uint16_t y;
    };
    const ReadCase reads[] = {{0x00, 0, 0},  {0x27, 0, 39}, {0x28, 1, 0},   {0x2B, 1, 3},
                              {0x4F, 1, 39}, {0x50, 2, 0},  {0x88, 2, 56}, {0xFF, 2, 175}};
    for (const ReadCase& c : reads) {
        ReadCursor cursor(&c.octet, 1);
        std::uint16_t x = 99;
        std::uint16_t y = 99;
        snmp::readFirstArcs(cursor, x, y);
        EXPECT_EQ(x, c.x) << "octet " << int{c.octet};
        EXPECT_EQ(y, c.y) << "octet " << int{c.octet};
        EXPECT_EQ(cursor.remaining(), 0u);
    }
}

}  // namespace
