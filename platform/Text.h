#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Longest text of a 64-bit unsigned number with its terminator.
constexpr std::size_t kUnsigned64TextSize = 21;

// Writes value in unsigned decimal, digits only, into text (at least
// kUnsigned64TextSize characters) with the C runtime's 64-bit format.
void formatUnsigned64(std::uint64_t value, char* text) noexcept;

// Changes the letters a to z of text into A to Z and nothing else.
void upperCaseInPlace(char* text) noexcept;

}  // namespace platform
