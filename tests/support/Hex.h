#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// Octets from hex written as the protocol documents write it: "30 81 7F".
// Blanks are ignored; anything else that is not a hex digit aborts the test.
std::vector<std::uint8_t> hex(std::string_view text);

// The reverse, for failure messages: "30 81 7F".
std::string toHex(const std::uint8_t* octets, std::size_t count);
std::string toHex(const std::vector<std::uint8_t>& octets);

}  // namespace testing_support
