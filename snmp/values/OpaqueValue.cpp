#include "snmp/values/OpaqueValue.h"

#include <string>
#include <utility>

#include "snmp/ber/BerTags.h"

namespace snmp {

OpaqueValue::OpaqueValue(ReadCursor& cursor) : SnmpValue(cursor, kOpaqueTag, "Opaque") {
    copyContent(cursor, content_);
}

void OpaqueValue::encode(std::uint8_t*& cursor) const {
    encodeOctets(cursor, content_.data());
}

const char* OpaqueValue::toText() const {
    if (hasCachedText()) {
        return cachedText();
    }
    const std::uint8_t* octets = content_.data();
    std::string text(getContentLength(), ' ');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (octets[i] >= 0x20 && octets[i] <= 0x7E) {
            text[i] = static_cast<char>(octets[i]);
        }
    }
    return cacheText(std::move(text));
}

}  // namespace snmp
