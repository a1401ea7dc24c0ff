#pragma once

#include <cstdint>

#include "snmp/ber/ReadCursor.h"

namespace snmp {

// Definite lengths: one octet up to 126, else 0x80 + k and the k significant
// octets of n. 127 is written in long form (81 7F).
void writeLength(std::uint8_t*& cursor, std::uint32_t n) noexcept;

// Octets that writeLength writes for n: 1 to 5. A TLV with c content octets
// takes 1 + lengthFieldSize(c) + c octets.
std::uint32_t lengthFieldSize(std::uint32_t n) noexcept;

// Reads a short or long form length. Of more than four length octets only the
// last four count. The indefinite form 0x80 is malformed: the cursor fails.
void readLength(ReadCursor& cursor, std::uint32_t& length) noexcept;

// Reads one identifier octet. An octet with bit 7 clear yields itself; one
// with bit 7 set (context or private class) yields the whole octet, 128 or
// more, so it never equals a universal or application tag.
void readTagNumber(ReadCursor& cursor, std::uint32_t& number) noexcept;

// Reads n content octets as an unsigned number, most significant first; of
// more than four octets the last four count. Not sign-extended.
std::uint32_t readUnsigned(ReadCursor& cursor, std::uint32_t n) noexcept;

// Every encode and decode goes through these for each element, so they are
// defined here, where the compiler can inline them.

namespace detail {

constexpr std::uint32_t kLongestShortForm = 126;
constexpr std::uint8_t kLongFormFlag = 0x80;

inline std::uint32_t significantOctets(std::uint32_t n) noexcept {
    std::uint32_t k = 1;
    while (k < 4 && (n >> (8 * k)) != 0) {
        ++k;
    }
    return k;
}

}  // namespace detail

inline void writeLength(std::uint8_t*& cursor, std::uint32_t n) noexcept {
    if (n <= detail::kLongestShortForm) {
        *cursor++ = static_cast<std::uint8_t>(n);
        return;
    }
    const std::uint32_t k = detail::significantOctets(n);
    *cursor++ = static_cast<std::uint8_t>(detail::kLongFormFlag + k);
    for (std::uint32_t i = k; i > 0; --i) {
        *cursor++ = static_cast<std::uint8_t>(n >> (8 * (i - 1)));
    }
}

inline std::uint32_t lengthFieldSize(std::uint32_t n) noexcept {
    return n <= detail::kLongestShortForm ? 1 : 1 + detail::significantOctets(n);
}

inline void readLength(ReadCursor& cursor, std::uint32_t& length) noexcept {
    const std::uint8_t first = cursor.readOctet();
    if ((first & detail::kLongFormFlag) == 0) {
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

inline void readTagNumber(ReadCursor& cursor, std::uint32_t& number) noexcept { number = cursor.readOctet(); }

inline std::uint32_t readUnsigned(ReadCursor& cursor, std::uint32_t n) noexcept {
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
