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

}  // namespace snmp
