#include "snmp/ber/ReadCursor.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ReadCursor, ReadsUpToTheEndThenFailsStickily) {
    const std::uint8_t octets[] = {0x30, 0x02, 0x05, 0x00};
    snmp::ReadCursor cursor(octets, sizeof octets);

    EXPECT_EQ(cursor.readOctet(), 0x30);
    EXPECT_EQ(cursor.take(2), octets + 1);
    EXPECT_EQ(cursor.remaining(), 1u);
    EXPECT_EQ(cursor.take(2), nullptr) << "two octets asked, one left";
    EXPECT_TRUE(cursor.failed());
    EXPECT_EQ(cursor.offset(), 3u) << "a failed read consumes nothing";
    EXPECT_EQ(cursor.remaining(), 0u);
    EXPECT_EQ(cursor.readOctet(), 0) << "the octet that is left is not read after a failure";
    EXPECT_EQ(cursor.offset(), 3u);
}

TEST(ReadCursor, TakesExactlyWhatRemainsAndNothingOfEmptyData) {
    const std::uint8_t octets[] = {1, 2};
    snmp::ReadCursor whole(octets, sizeof octets);
    EXPECT_EQ(whole.take(2), octets);
    EXPECT_EQ(whole.take(0), octets + 2) << "taking nothing at the end is not a failure";
    EXPECT_FALSE(whole.failed());

    snmp::ReadCursor empty(nullptr, 0);
    EXPECT_EQ(empty.readOctet(), 0);
    EXPECT_TRUE(empty.failed());
}

TEST(ReadCursor, FailCanBeSetByADecoderThatFindsMalformedData) {
    const std::uint8_t octets[] = {1, 2};
    snmp::ReadCursor cursor(octets, sizeof octets);
    cursor.fail();
    EXPECT_EQ(cursor.readOctet(), 0);
    EXPECT_EQ(cursor.offset(), 0u);
}

}  // namespace
