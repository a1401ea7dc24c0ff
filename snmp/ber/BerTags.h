#pragma once

#include <cstdint>

namespace snmp {

// Identifier octets the library writes and recognises. Every tag is one octet.
constexpr std::uint8_t kIntegerTag = 0x02;
constexpr std::uint8_t kOctetStringTag = 0x04;
constexpr std::uint8_t kNullTag = 0x05;
constexpr std::uint8_t kOidTag = 0x06;
constexpr std::uint8_t kSequenceTag = 0x30;
constexpr std::uint8_t kIpAddressTag = 0x40;
constexpr std::uint8_t kCounterTag = 0x41;
constexpr std::uint8_t kGaugeTag = 0x42;
constexpr std::uint8_t kTimeTicksTag = 0x43;
constexpr std::uint8_t kOpaqueTag = 0x44;
constexpr std::uint8_t kCounter64Tag = 0x46;

}  // namespace snmp
