#include "snmp/ber/BerPrimitives.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "tests/support/Hex.h"

using snmp::ReadCursor;
using testing_support::hex;
using testing_support::toHex;

namespace {

std::vector<std::uint8_t> written(std::uint32_t n) {
    std::array<std::uint8_t, 8> buffer{};
    std::uint8_t* cursor = buffer.data();
    snmp::writeLength(cursor, n);
    return {buffer.data(), cursor};
}

TEST(WriteLength, WritesShortFormUpTo126AndLongFormFrom127) {
    struct Case {
        std::uint32_t n;
        const char* octets;
    };
    const Case cases[] = {
        {0, "00"},          {126, "7E"},          {127, "81 7F"},       {128, "81 80"},
        {255, "81 FF"},     {256, "82 01 00"},    {65535, "82 FF FF"},  {65536, "83 01 00 00"},
        {1u << 24, "84 01 00 00 00"}, {0xFFFFFFFFu, "84 FF FF FF FF"},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> octets = written(c.n);
        EXPECT_EQ(toHex(octets), toHex(hex(c.octets))) << "length " << c.n;
        EXPECT_EQ(octets.size(), snmp::lengthFieldSize(c.n)) << "length " << c.n;
    }
}

TEST(LengthFieldSize, FollowsTheSizeRule) {
    struct Case {
        std::uint32_t n;
        std::uint32_t size;
    };
    const Case cases[] = {{0, 1},     {126, 1},     {127, 2},       {255, 2},
                          {256, 3},   {65535, 3},   {65536, 4},     {(1u << 24) - 1, 4},
                          {1u << 24, 5}, {0xFFFFFFFFu, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(snmp::lengthFieldSize(c.n), c.size) << "length " << c.n;
    }
}

TEST(WriteLength, ReadsBackEveryLengthAcrossTheOctetBoundaries) {
    std::vector<std::uint32_t> lengths;
    for (std::uint32_t n = 0; n <= 70000; ++n) lengths.push_back(n);
    for (std::uint32_t bit = 17; bit < 32; ++bit) {
        const std::uint32_t power = 1u << bit;
        lengths.insert(lengths.end(), {power - 1, power, power + 1});
    }
    lengths.push_back(0x7FFFFFFFu);
    for (std::uint32_t n : lengths) {
        const std::vector<std::uint8_t> octets = written(n);
        ReadCursor cursor(octets.data(), octets.size());
        std::uint32_t length = 0;
        snmp::readLength(cursor, length);
        ASSERT_FALSE(cursor.failed()) << "length " << n;
        ASSERT_EQ(length, n);
        ASSERT_EQ(cursor.remaining(), 0u) << "length " << n;
    }
}

TEST(ReadLength, AcceptsShortAndLongFormsIncludingNonMinimalOnes) {
    struct Case {
        const char* octets;
        std::uint32_t length;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"05", 5, 1},
        {"7F", 127, 1},
        {"81 05", 5, 2},
        {"82 01 00", 256, 3},
        {"82 00 32", 0x32, 3},
        {"85 01 02 03 04 05", 0x02030405, 6},
        {"84 FF FF FF FF", 0xFFFFFFFFu, 5},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> octets = hex(c.octets);
        ReadCursor cursor(octets.data(), octets.size());
        std::uint32_t length = 0;
        snmp::readLength(cursor, length);
        EXPECT_FALSE(cursor.failed()) << c.octets;
        EXPECT_EQ(length, c.length) << c.octets;
        EXPECT_EQ(cursor.offset(), c.consumed) << c.octets;
    }
}

TEST(ReadLength, FailsOnMalformedOrTruncatedLengths) {
    const char* const cases[] = {
        "",               // nothing at all
        "80",             // indefinite form
        "80 00 00",       // indefinite form followed by data
        "81",             // long form with its octet missing
        "82 01",          // long form cut short
        "84 00 00 00",    // four length octets announced, three present
        "FF 01 02",       // 127 length octets announced
    };
    for (const char* c : cases) {
        const std::vector<std::uint8_t> octets = hex(c);
        ReadCursor cursor(octets.data(), octets.size());
        std::uint32_t length = 99;
        snmp::readLength(cursor, length);
        EXPECT_TRUE(cursor.failed()) << '"' << c << '"';
        EXPECT_EQ(length, 0u) << '"' << c << '"';
        EXPECT_LE(cursor.offset(), 1u) << "a failed length consumes at most its first octet: " << c;
    }
}

TEST(ReadTagNumber, YieldsTheIdentifierOctetAndConsumesOne) {
    struct Case {
        std::uint8_t octet;
        std::uint32_t number;
    };
    // Octets with bit 7 set yield the whole octet, so they never match an
    // expected universal or application tag.
    const Case cases[] = {{0x02, 2},    {0x30, 48},   {0x40, 64},   {0x43, 67},
                          {0x46, 70},   {0x7F, 127},  {0x82, 0x82}, {0xA2, 0xA2},
                          {0xC4, 0xC4}, {0xFF, 0xFF}};
    for (const Case& c : cases) {
        const std::uint8_t octets[] = {c.octet, 0x01};
        ReadCursor cursor(octets, sizeof octets);
        std::uint32_t number = 0;
        snmp::readTagNumber(cursor, number);
        EXPECT_EQ(number, c.number) << "octet " << int{c.octet};
        EXPECT_EQ(cursor.offset(), 1u);
        EXPECT_FALSE(cursor.failed());
    }
}

TEST(ReadTagNumber, FailsAtTheEnd) {
    ReadCursor cursor(nullptr, 0);
    std::uint32_t number = 7;
    snmp::readTagNumber(cursor, number);
    EXPECT_TRUE(cursor.failed());
    EXPECT_EQ(number, 0u);
}

TEST(ReadUnsigned, ReadsMostSignificantFirstWithoutSignExtension) {
    struct Case {
        const char* octets;
        std::uint32_t count;
        std::uint32_t number;
    };
    const Case cases[] = {
        {"05", 1, 5},
        {"FF 38", 2, 255 * 256 + 56},
        {"AA BB CC DD", 4, 0xAABBCCDDu},
        {"01 02 03 04 05", 5, 0x02030405u},
        {"01 02", 0, 0},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> octets = hex(c.octets);
        ReadCursor cursor(octets.data(), octets.size());
        EXPECT_EQ(snmp::readUnsigned(cursor, c.count), c.number) << c.octets;
        EXPECT_EQ(cursor.offset(), c.count) << c.octets;
        EXPECT_FALSE(cursor.failed()) << c.octets;
    }
}

TEST(ReadUnsigned, FailsWithoutConsumingWhenTheContentIsCutShort) {
    const std::vector<std::uint8_t> octets = hex("01 02 03");
    ReadCursor cursor(octets.data(), octets.size());
    EXPECT_EQ(snmp::readUnsigned(cursor, 4), 0u);
    EXPECT_TRUE(cursor.failed());
    EXPECT_EQ(cursor.offset(), 0u);
    EXPECT_EQ(snmp::readUnsigned(cursor, 1), 0u) << "a failed cursor reads nothing more";
}

}  // namespace
