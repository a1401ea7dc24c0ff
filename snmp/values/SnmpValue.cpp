#include "snmp/values/SnmpValue.h"

#include <cstring>
#include <utility>

#include "snmp/ber/BerPrimitives.h"

namespace snmp {

std::uint8_t* SnmpValue::encodeToBuffer() const {
    std::uint8_t* buffer = new std::uint8_t[encodedSize()];
    std::uint8_t* cursor = buffer;
    encode(cursor);
    return buffer;
}

const std::uint8_t* SnmpValue::takeContent(ReadCursor& cursor) noexcept {
    const std::uint8_t* octets = cursor.take(contentLength_);
    if (octets == nullptr) {
        contentLength_ = 0;
    }
    return octets;
}

void SnmpValue::copyContent(ReadCursor& cursor, OctetContent& content) {
    const std::uint8_t* octets = takeContent(cursor);
    if (octets != nullptr) {
        content.assign(octets, contentLength_);
    }
}

void SnmpValue::encodeOctets(std::uint8_t*& cursor, const std::uint8_t* content) const noexcept {
    *cursor++ = static_cast<std::uint8_t>(tag_);
    writeLength(cursor, contentLength_);
    if (contentLength_ > 0) {
        std::memcpy(cursor, content, contentLength_);
        cursor += contentLength_;
    }
}

const char* SnmpValue::cacheText(std::string text) const {
    cachedText_ = std::move(text);
    textCached_ = true;
    return cachedText_.c_str();
}

void SnmpValue::discardCachedText() noexcept {
    if (textCached_) {
        std::string().swap(cachedText_);
        textCached_ = false;
    }
}

}  // namespace snmp
