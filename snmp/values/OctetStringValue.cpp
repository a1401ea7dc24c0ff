#include "snmp/values/OctetStringValue.h"

#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "snmp/ber/BerTags.h"

namespace snmp {

namespace {

// 1 for a printable octet (0x20 to 0x7E), a tab, a line feed or a carriage
// return, else 0. Written without branches so that a loop over many octets
// can test them side by side.
std::uint8_t showsAsText(std::uint8_t octet) noexcept {
    return static_cast<std::uint8_t>(static_cast<std::uint8_t>(octet - 0x20) <= 0x7E - 0x20) |
           static_cast<std::uint8_t>(octet == '\t') | static_cast<std::uint8_t>(octet == '\n') |
           static_cast<std::uint8_t>(octet == '\r');
}

}  // namespace

OctetStringValue::OctetStringValue(const char* text) : SnmpValue(kOctetStringTag, "String") {
    // The 16-bit content length holds at most 65535 octets; a longer text
    // keeps its first 65535, so length and content always agree.
    std::size_t length = std::strlen(text);
    if (length > std::numeric_limits<std::uint16_t>::max()) {
        length = std::numeric_limits<std::uint16_t>::max();
    }
    content_.assign(reinterpret_cast<const std::uint8_t*>(text), length);
    setContentLength(static_cast<std::uint16_t>(length));
}

OctetStringValue::OctetStringValue(ReadCursor& cursor) : SnmpValue(cursor, kOctetStringTag, "String") {
    copyContent(cursor, content_);
}

void OctetStringValue::encode(std::uint8_t*& cursor) const {
    encodeOctets(cursor, content_.data());
}

const char* OctetStringValue::toText() const {
    if (textIsContent_) {
        return content_.text();
    }
    if (hasCachedText()) {
        return cachedText();
    }
    const std::uint8_t* octets = content_.data();
    const std::size_t count = getContentLength();
    // Tested without stopping early, which lets the compiler test many
    // octets at once; a description is nearly always all text anyway.
    std::uint8_t allShown = 1;
    for (std::size_t i = 0; i < count; ++i) {
        allShown &= showsAsText(octets[i]);
    }
    // Text octets hold no NUL, so the content followed by its own NUL is the text.
    if (allShown != 0) {
        textIsContent_ = true;
        return content_.text();
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(2 * count, '0');
    for (std::size_t i = 0; i < count; ++i) {
        text[2 * i] = kDigits[octets[i] >> 4];
        text[2 * i + 1] = kDigits[octets[i] & 0x0F];
    }
    return cacheText(std::move(text));
}

}  // namespace snmp
