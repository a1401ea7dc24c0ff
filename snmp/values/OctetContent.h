#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace snmp {

// The owned content octets of a string-like value (octet strings, IpAddress,
// Opaque, object identifiers).
class OctetContent {
public:
    OctetContent() = default;
    OctetContent(const std::uint8_t* octets, std::size_t count);

    const std::uint8_t* data() const noexcept { return octets_.get(); }

private:
    std::unique_ptr<std::uint8_t[]> octets_;
};

}  // namespace snmp
