#include "snmp/values/IpAddressValue.h"

#include <string>
#include <utility>

#include "snmp/ber/BerTags.h"
#include "snmp/values/DottedText.h"

namespace snmp {

namespace {

constexpr std::uint16_t kAddressLength = 4;

}  // namespace

IpAddressValue::IpAddressValue(const char* text) : SnmpValue(kIpAddressTag, "IpAddress") {
    std::uint8_t address[kAddressLength] = {};
    std::uint32_t number = 0;
    for (std::uint8_t& octet : address) {
        if (!readDottedNumber(text, number)) {
            break;
        }
        octet = static_cast<std::uint8_t>(number);
    }
    content_.assign(address, kAddressLength);
    setContentLength(kAddressLength);
}

IpAddressValue::IpAddressValue(ReadCursor& cursor) : SnmpValue(cursor, kIpAddressTag, "IpAddress") {
    copyContent(cursor, content_);
}

void IpAddressValue::encode(std::uint8_t*& cursor) const {
    encodeOctets(cursor, content_.data());
}

const char* IpAddressValue::toText() const {
    if (hasCachedText()) {
        return cachedText();
    }
    const std::uint8_t* octets = content_.data();
    std::string text;
    // "255." for every octet, less the last dot.
    text.reserve(4u * getContentLength());
    for (std::size_t i = 0; i < getContentLength(); ++i) {
        if (i > 0) {
            text += '.';
        }
        appendDecimal(text, octets[i]);
    }
    return cacheText(std::move(text));
}

}  // namespace snmp
