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

// Defined here so that the loops splitting a text can inline it.

namespace detail {

// Blank, tab, line feed, vertical tab, form feed, carriage return.
inline bool isSpace(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline bool isDigit(char c) noexcept { return static_cast<unsigned char>(c - '0') <= 9; }

}  // namespace detail

inline bool readDottedNumber(const char*& text, std::uint32_t& number) noexcept {
    while (*text == '.') {
        ++text;
    }
    if (*text == '\0') {
        return false;
    }
    const char* c = text;
    while (detail::isSpace(*c)) {
        ++c;
    }
    const bool negative = *c == '-';
    if (*c == '-' || *c == '+') {
        ++c;
    }
    std::uint32_t magnitude = 0;
    for (; detail::isDigit(*c); ++c) {
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(*c - '0');
    }
    number = negative ? 0u - magnitude : magnitude;
    // What was read up to c holds no dot and no terminator.
    while (*c != '.' && *c != '\0') {
        ++c;
    }
    text = c;
    return true;
}

}  // namespace snmp
