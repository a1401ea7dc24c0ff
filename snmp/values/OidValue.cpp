#include "snmp/values/OidValue.h"

#include <string>
#include <utility>

#include "snmp/ber/BerTags.h"
#include "snmp/ber/SubIdentifiers.h"
#include "snmp/values/DottedText.h"

namespace snmp {

namespace {

// Longest content built from text. No datagram the library receives is larger,
// so a longer identifier could never be answered anyway.
constexpr std::size_t kWorkAreaSize = 4096;
constexpr std::size_t kLongestSubId = 5;

}  // namespace

OidValue::OidValue(const char* text) : SnmpValue(kOidTag, "OID") {
    // Room for one sub-identifier past the limit: each arc is written in
    // place and dropped again if it went past.
    std::uint8_t work[kWorkAreaSize + kLongestSubId];
    std::uint8_t* position = work;

    std::uint32_t x = 0;
    std::uint32_t y = 0;
    if (readDottedNumber(text, x)) {
        readDottedNumber(text, y);
    }
    writeFirstArcs(position, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));

    // Arcs that would not fit whole in the work area are left out, with every
    // arc after them: the value keeps the longest prefix that fits.
    std::uint32_t arc = 0;
    while (readDottedNumber(text, arc)) {
        std::uint32_t count = 0;
        writeSubId(position, arc, count);
        if (static_cast<std::size_t>(position - work) + count > kWorkAreaSize) {
            break;
        }
        position += count;
    }

    const auto length = static_cast<std::uint16_t>(position - work);
    content_.assign(work, length);
    setContentLength(length);
}

OidValue::OidValue(ReadCursor& cursor) : SnmpValue(cursor, kOidTag, "OID") {
    copyContent(cursor, content_);
}

void OidValue::encode(std::uint8_t*& cursor) const {
    encodeOctets(cursor, content_.data());
}

const char* OidValue::toText() const {
    if (hasCachedText()) {
        return cachedText();
    }
    std::string text;
    if (getContentLength() > 0) {
        // 11 characters per octet hold the longest text: "." and ten digits.
        text.reserve(11u * getContentLength());
        ReadCursor content(content_.data(), getContentLength());
        std::uint16_t x = 0;
        std::uint16_t y = 0;
        readFirstArcs(content, x, y);
        appendDecimal(text, x);
        text += '.';
        appendDecimal(text, y);
        while (content.remaining() > 0) {
            std::uint32_t arc = 0;
            readSubId(content, arc);
            // A last arc cut off by the end of the content is not shown.
            if (content.failed()) {
                break;
            }
            text += '.';
            appendDecimal(text, arc);
        }
    }
    return cacheText(std::move(text));
}

}  // namespace snmp
