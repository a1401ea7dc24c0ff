#include "snmp/ber/BerPrimitives.h"

namespace snmp {

namespace {

std::uint32_t significantOctets(std::uint32_t n) noexcept {
    std::uint32_t k = 1;
    while (k < 4 && (n >> (8 * k)) != 0) {
        ++k;
    }
    return k;
}

constexpr std::uint32_t kLongestShortForm = 126;
constexpr std::uint8_t kLongFormFlag = 0x80;

}  // namespace

void writeLength(std::uint8_t*& cursor, std::uint32_t n) noexcept {
    if (n <= kLongestShortForm) {
        *cursor++ = static_cast<std::uint8_t>(n);
        return;
    }
    const std::uint32_t k = significantOctets(n);
    *cursor++ = static_cast<std::uint8_t>(kLongFormFlag + k);
    for (std::uint32_t i = k; i > 0; --i) {
        *cursor++ = static_cast<std::uint8_t>(n >> (8 * (i - 1)));
    }
}

std::uint32_t lengthFieldSize(std::uint32_t n) noexcept {
    return n <= kLongestShortForm ? 1 : 1 + significantOctets(n);
}

void readLength(ReadCursor& cursor, std::uint32_t& length) noexcept {
    const std::uint8_t first = cursor.readOctet();
    if ((first & kLongFormFlag) == 0) {
        length = first;
        return;
    }
    const std::uint32_t k = first & 0x7Fu;
    if (k == 0) {
        cursor.fail();
        length = 0;
        return;
    }
    length = readUnsigned(cursor, k);
}

void readTagNumber(ReadCursor& cursor, std::uint32_t& number) noexcept {
    number = cursor.readOctet();
}

std::uint32_t readUnsigned(ReadCursor& cursor, std::uint32_t n) noexcept {
    const std::uint8_t* octets = cursor.take(n);
    if (octets == nullptr) {
        return 0;
    }
    std::uint32_t number = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        number = (number << 8) | octets[i];
    }
    return number;
}

}  // namespace snmp
