#include "tests/support/Hex.h"

#include <cstdio>
#include <stdexcept>

namespace testing_support {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<std::uint8_t> hex(std::string_view text) {
    std::vector<std::uint8_t> octets;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\t') continue;
        const int value = digitValue(c);
        if (value < 0) throw std::invalid_argument("not a hex digit in: " + std::string(text));
        if (high < 0) {
            high = value;
        } else {
            octets.push_back(static_cast<std::uint8_t>(high * 16 + value));
            high = -1;
        }
    }
    if (high >= 0) throw std::invalid_argument("odd number of hex digits in: " + std::string(text));
    return octets;
}

std::string toHex(const std::uint8_t* octets, std::size_t count) {
    std::string text;
    char pair[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", octets[i]);
        if (i > 0) text += ' ';
        text += pair;
    }
    return text;
}

std::string toHex(const std::vector<std::uint8_t>& octets) { return toHex(octets.data(), octets.size()); }

}  // namespace testing_support
