#pragma once

#include <cstdint>

#include "snmp/values/OctetContent.h"
#include "snmp/values/SnmpValue.h"

namespace snmp {

// OBJECT IDENTIFIER (tag 6, "OID"). The first content octet holds the first
// two arcs as x*40 + y in one octet; every further arc is a base-128
// sub-identifier.
class OidValue : public SnmpValue {
public:
    // From dotted text such as "1.3.6.1.2.1.1.1.0". Empty pieces are skipped;
    // pieces convert like atoi and are taken modulo 2^32. Missing first arcs are 0.
    // The content holds at most 4096 octets: it keeps the arcs up to the
    // last one that fits whole and drops that one and every arc after it.
    explicit OidValue(const char* text);
    // Decode constructor: copies the content octets; fails the cursor when
    // they run past the end of the data.
    explicit OidValue(ReadCursor& cursor);

    void encode(std::uint8_t*& cursor) const override;
    // The arcs in dotted decimal; empty for an empty content. A last arc cut
    // off by the end of a decoded content is left out.
    const char* toText() const override;

private:
    OctetContent content_;
};

}  // namespace snmp
