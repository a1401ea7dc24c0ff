#pragma once

#include <cstdint>

#include "snmp/values/OctetContent.h"
#include "snmp/values/SnmpValue.h"

namespace snmp {

// OCTET STRING (tag 4, "String"). Its text is the octets unchanged when every
// one is printable, a tab, a line feed or a carriage return; otherwise every
// octet as two lower-case hex digits.
class OctetStringValue : public SnmpValue {
public:
    // The text's octets without its terminator; of a text longer than 65535
    // characters, the first 65535.
    explicit OctetStringValue(const char* text);
    // Decode constructor: copies the content octets; fails the cursor when
    // they run past the end of the data.
    explicit OctetStringValue(ReadCursor& cursor);

    void encode(std::uint8_t*& cursor) const override;
    const char* toText() const override;

private:
    OctetContent content_;
    // Set by the first toText when the text is the content itself: then the
    // content, NUL-terminated, serves as the text and no copy is made.
    mutable bool textIsContent_ = false;
};

}  // namespace snmp
