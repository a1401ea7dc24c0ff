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

}  // namespace snmp
