#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "snmp/ber/BerObject.h"
#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/ReadCursor.h"
#include "snmp/values/OctetContent.h"

namespace snmp {

// Base of every typed SNMP value: one BER TLV with a 16-bit content length,
// a tag, a constant type name and a text form built once and cached.
class SnmpValue : public BerObject {
public:
    ~SnmpValue() override = default;

    // A new buffer of exactly encodedSize() octets holding the value's TLV.
    // The caller owns it and releases it with delete[].
    virtual std::uint8_t* encodeToBuffer() const;

    // The text form. Owned by the value; every call returns the same text,
    // valid until the value is destroyed.
    virtual const char* toText() const = 0;

    // 1 + lengthFieldSize(content length) + content length, in full width.
    std::uint32_t encodedSize() const noexcept { return 1 + lengthFieldSize(contentLength_) + contentLength_; }
    const char* getTypeName() const noexcept { return typeName_; }
    std::uint16_t getTag() const noexcept { return tag_; }
    std::uint16_t getContentLength() const noexcept { return contentLength_; }

protected:
    SnmpValue(std::uint16_t tag, const char* typeName) noexcept;
    // Values held in place (a PDU's fields) are copied or moved whole.
    SnmpValue(const SnmpValue&) = default;
    SnmpValue(SnmpValue&&) noexcept = default;
    SnmpValue& operator=(const SnmpValue&) = default;
    SnmpValue& operator=(SnmpValue&&) noexcept = default;
    // Decode constructor: the caller consumed the tag octet, the cursor
    // stands at the length octets and is left at the first content octet.
    // A length above 65535 cannot be held: the cursor fails and the content
    // length is 0.
    SnmpValue(ReadCursor& cursor, std::uint16_t tag, const char* typeName) noexcept;

    void setContentLength(std::uint16_t length) noexcept { contentLength_ = length; }
    // The content-length octets at the cursor, then past them. When they run
    // past the end of the data the cursor fails, the content length becomes 0
    // and the result is null.
    const std::uint8_t* takeContent(ReadCursor& cursor) noexcept;
    // takeContent, copied into content; content stays empty when it fails.
    void copyContent(ReadCursor& cursor, OctetContent& content);
    // Writes the whole TLV: tag octet, length field, content-length octets of content.
    void encodeOctets(std::uint8_t*& cursor, const std::uint8_t* content) const noexcept;
    // Stores the text form on first use and returns it.
    const char* cacheText(std::string text) const;
    bool hasCachedText() const noexcept { return textCached_; }
    // Ends the life of an earlier text, so the next toText follows a new value.
    void discardCachedText() noexcept;
    const char* cachedText() const noexcept { return cachedText_.c_str(); }

private:
    std::uint16_t contentLength_ = 0;
    std::uint16_t tag_;
    const char* typeName_;
    mutable bool textCached_ = false;
    mutable std::string cachedText_;
};

// The constructors are defined here so that every value class's own
// constructor, decoding included, can inline them.

inline SnmpValue::SnmpValue(std::uint16_t tag, const char* typeName) noexcept : tag_(tag), typeName_(typeName) {}

inline SnmpValue::SnmpValue(ReadCursor& cursor, std::uint16_t tag, const char* typeName) noexcept
    : tag_(tag), typeName_(typeName) {
    std::uint32_t length = 0;
    readLength(cursor, length);
    // No datagram can carry such a length; keeping its low 16 bits would read
    // on from the wrong place.
    if (length > std::numeric_limits<std::uint16_t>::max()) {
        cursor.fail();
    }
    contentLength_ = cursor.failed() ? 0 : static_cast<std::uint16_t>(length);
}

}  // namespace snmp
