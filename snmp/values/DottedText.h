#pragma once

#include <cstdint>
#include <string>

namespace snmp {

// Reads the next non-empty piece of a dotted text such as "1.3.6.1" and
// advances text past it. Empty pieces (leading, trailing or doubled dots) are
// skipped. A piece converts like atoi: leading white space and a sign are
// accepted, conversion stops at the first character that is not a digit, no
// leading digit gives 0, and the number is taken modulo 2^32 (so "-1" gives
// 4294967295). Returns false, leaving number alone, when no piece is left.
//
// Splitting this way keeps no state between calls, unlike strtok, so texts
// may be split on any thread.
bool readDottedNumber(const char*& text, std::uint32_t& number) noexcept;

// Appends number in unsigned decimal without leading zeros.
void appendDecimal(std::string& text, std::uint32_t number);

}  // namespace snmp
