#include "snmp/ber/SubIdentifiers.h"

namespace snmp {

namespace {

constexpr std::uint8_t kMoreFollows = 0x80;
constexpr std::uint8_t kGroupBits = 0x7F;

}  // namespace

void writeFirstArcs(std::uint8_t*& cursor, std::int32_t x, std::int32_t y) noexcept {
    // Unsigned arithmetic: the sum wraps instead of overflowing, and only its
    // low eight bits are kept anyway.
    const std::uint32_t sum = static_cast<std::uint32_t>(x) * 40u + static_cast<std::uint32_t>(y);
    *cursor++ = static_cast<std::uint8_t>(sum);
}

void readFirstArcs(ReadCursor& cursor, std::uint16_t& x, std::uint16_t& y) noexcept {
    const std::uint8_t first = cursor.readOctet();
    x = static_cast<std::uint16_t>(first < 40 ? 0 : (first < 80 ? 1 : 2));
    y = static_cast<std::uint16_t>(first - x * 40);
}

void readSubId(ReadCursor& cursor, std::uint32_t& value) noexcept {
    std::uint32_t number = 0;
    std::uint8_t octet = 0;
    do {
        octet = cursor.readOctet();
        number = (number << 7) | (octet & kGroupBits);
    } while ((octet & kMoreFollows) != 0);
    value = cursor.failed() ? 0 : number;
}

}  // namespace snmp
