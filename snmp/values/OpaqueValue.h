#pragma once

#include <cstdint>

#include "snmp/values/OctetContent.h"
#include "snmp/values/SnmpValue.h"

namespace snmp {

// Opaque (tag 68, "Opaque"), and what a decoder makes of any element whose tag
// it does not recognise. Its text shows printable octets and a blank for
// every other octet.
class OpaqueValue : public SnmpValue {
public:
    // Always tag 68, whatever tag octet the caller consumed.
    explicit OpaqueValue(ReadCursor& cursor);

    void encode(std::uint8_t*& cursor) const override;
    const char* toText() const override;

private:
    OctetContent content_;
};

}  // namespace snmp
