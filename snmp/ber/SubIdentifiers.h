#pragma once

#include <cstdint>

#include "snmp/ber/ReadCursor.h"

namespace snmp {

// Writes the first two arcs as the single octet (x*40 + y) mod 256.
void writeFirstArcs(std::uint8_t*& cursor, std::int32_t x, std::int32_t y) noexcept;

// Reads the first octet back as two arcs: below 40 gives (0, b), below 80
// (1, b - 40), else (2, b - 80).
void readFirstArcs(ReadCursor& cursor, std::uint16_t& x, std::uint16_t& y) noexcept;

// Writes one base-128 sub-identifier (1 to 5 octets) at destination and
// reports its length through count; moves nothing.
void writeSubId(std::uint8_t* destination, std::uint32_t value, std::uint32_t& count) noexcept;

// Reads one sub-identifier; of more than five octets the low 32 bits count.
// A sub-identifier that does not end before the end of the data fails the cursor.
void readSubId(ReadCursor& cursor, std::uint32_t& value) noexcept;

// Defined here so that an identifier built from text writes its arcs inline.
inline void writeSubId(std::uint8_t* destination, std::uint32_t value, std::uint32_t& count) noexcept {
    std::uint32_t groups = 1;
    while (groups < 5 && (value >> (7 * groups)) != 0) {
        ++groups;
    }
    for (std::uint32_t i = groups; i > 1; --i) {
        *destination++ = static_cast<std::uint8_t>(((value >> (7 * (i - 1))) & 0x7Fu) | 0x80u);
    }
    *destination = static_cast<std::uint8_t>(value & 0x7Fu);
    count = groups;
}

}  // namespace snmp
