#include "snmp/values/DottedText.h"

namespace snmp {

namespace {

// Blank, tab, line feed, vertical tab, form feed, carriage return.
bool isSpace(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) noexcept { return static_cast<unsigned char>(c - '0') <= 9; }

}  // namespace

bool readDottedNumber(const char*& text, std::uint32_t& number) noexcept {
    while (*text == '.') {
        ++text;
    }
    if (*text == '\0') {
        return false;
    }
    const char* c = text;
    while (isSpace(*c)) {
        ++c;
    }
    const bool negative = *c == '-';
    if (*c == '-' || *c == '+') {
        ++c;
    }
    std::uint32_t magnitude = 0;
    for (; isDigit(*c); ++c) {
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

void appendDecimal(std::string& text, std::uint32_t number) {
    char digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10u);
        number /= 10u;
    } while (number != 0);
    while (count > 0) {
        text += digits[--count];
    }
}

}  // namespace snmp
