#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bench {

using Octets = std::vector<std::uint8_t>;

// A GetResponse to the tool's request (SNMPv1, community "public",
// request-id 123, no error) whose one binding is sysDescr.0 holding a
// description of descriptionLength printable octets. 40 + descriptionLength
// octets in all for a description under 86 octets: 41 gives 81.
Octets sysDescrResponse(std::size_t descriptionLength);

// A GetResponse (SNMPv2c) with count bindings whose values cycle through
// Integer, OCTET STRING, OBJECT IDENTIFIER, IpAddress, Counter, Gauge,
// TimeTicks and Counter64.
Octets mixedResponse(std::size_t count);

}  // namespace bench
