#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace testing_support {

using Octets = std::vector<std::uint8_t>;

// One BER TLV with a definite length (short form below 128, else 81 or 82).
Octets tlv(std::uint8_t tag, const Octets& content);
Octets concat(std::initializer_list<Octets> parts);
Octets octetsOf(std::string_view text);

// A GetResponse for sysDescr.0 as an agent sends it: version 0 (SNMPv1), the
// community, the request-id, error-status 0, error-index 0 and one binding
// whose value is the OCTET STRING description.
Octets sysDescrResponse(std::string_view community, std::int32_t requestId, std::string_view description);

}  // namespace testing_support
