#pragma once

#include <cstdint>

#include "snmp/values/OctetContent.h"
#include "snmp/values/SnmpValue.h"

namespace snmp {

// IpAddress (tag 64, "IpAddress"): four octets in network order when built
// from text; a decoded one keeps whatever length it came with.
class IpAddressValue : public SnmpValue {
public:
    // From dotted decimal text; each piece gives the low eight bits of its
    // number. Missing pieces give 0 and pieces after the fourth are ignored.
    explicit IpAddressValue(const char* text);
    explicit IpAddressValue(ReadCursor& cursor);

    void encode(std::uint8_t*& cursor) const override;
    const char* toText() const override;

private:
    OctetContent content_;
};

}  // namespace snmp
