#include "snmp/values/NumericValues.h"

#include <string>

#include "platform/Text.h"
#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"

namespace snmp {

namespace {

constexpr std::uint32_t kWidth32 = 4;
constexpr std::uint32_t kWidth64 = 8;

// Writes the content of a number `width` octets wide. A decoded content longer
// than the width is written in full: zeros first, then the number's octets, so
// the usual unsigned form (00 and then the number) comes out as it came in.
template <typename Number>
void writeContent(std::uint8_t*& cursor, Number value, std::uint32_t length, std::uint32_t width) noexcept {
    for (; length > width; --length) {
        *cursor++ = 0;
    }
    for (std::uint32_t i = length; i > 0; --i) {
        *cursor++ = static_cast<std::uint8_t>(value >> (8 * (i - 1)));
    }
}

}  // namespace

NumericValue::NumericValue(std::uint16_t tag, const char* typeName) noexcept : SnmpValue(tag, typeName) {}

NumericValue::NumericValue(ReadCursor& cursor, std::uint16_t tag, const char* typeName) noexcept
    : SnmpValue(cursor, tag, typeName) {
    const std::uint32_t length = getContentLength();
    std::uint32_t bits = readUnsigned(cursor, length);
    if (cursor.failed()) {
        setContentLength(0);
        return;
    }
    // Contents shorter than four octets are two's-complement numbers.
    if (length > 0 && length < kWidth32 && ((bits >> (8 * length - 1)) & 1u) != 0) {
        bits |= ~((1u << (8 * length)) - 1u);
    }
    value_ = static_cast<std::int32_t>(bits);
}

void NumericValue::encode(std::uint8_t*& cursor) const {
    writeLength(cursor, getContentLength());
    writeContent(cursor, static_cast<std::uint32_t>(value_), getContentLength(), kWidth32);
}

const char* NumericValue::toText() const {
    if (hasCachedText()) {
        return cachedText();
    }
    return cacheText(std::to_string(value_));
}

void NumericValue::setValue(std::int32_t number) noexcept {
    value_ = number;
    // The bits that differ from the sign, all of which the octets must hold
    // below their own top (sign) bit.
    const auto bits = static_cast<std::uint32_t>(number);
    const std::uint32_t magnitude = number < 0 ? ~bits : bits;
    std::uint16_t length = 1;
    while (length < kWidth32 && (magnitude >> (8 * length - 1)) != 0) {
        ++length;
    }
    setContentLength(length);
    discardCachedText();
}

IntegerValue::IntegerValue(std::int32_t number) noexcept : NumericValue(kIntegerTag, "Integer") { setValue(number); }
IntegerValue::IntegerValue(ReadCursor& cursor) noexcept : NumericValue(cursor, kIntegerTag, "Integer") {}
void IntegerValue::encode(std::uint8_t*& cursor) const {
    *cursor++ = kIntegerTag;
    NumericValue::encode(cursor);
}

CounterValue::CounterValue(ReadCursor& cursor) noexcept : NumericValue(cursor, kCounterTag, "Counter") {}
void CounterValue::encode(std::uint8_t*& cursor) const {
    *cursor++ = kCounterTag;
    NumericValue::encode(cursor);
}

GaugeValue::GaugeValue(ReadCursor& cursor) noexcept : NumericValue(cursor, kGaugeTag, "Gauge") {}
void GaugeValue::encode(std::uint8_t*& cursor) const {
    *cursor++ = kGaugeTag;
    NumericValue::encode(cursor);
}

TimeTicksValue::TimeTicksValue(std::int32_t number) noexcept : NumericValue(kTimeTicksTag, "TimeTick") {
    setValue(number);
}
TimeTicksValue::TimeTicksValue(ReadCursor& cursor) noexcept : NumericValue(cursor, kTimeTicksTag, "TimeTick") {}
void TimeTicksValue::encode(std::uint8_t*& cursor) const {
    *cursor++ = kTimeTicksTag;
    NumericValue::encode(cursor);
}

Numeric64Value::Numeric64Value(ReadCursor& cursor, std::uint16_t tag, const char* typeName) noexcept
    : SnmpValue(cursor, tag, typeName) {
    const std::uint8_t* octets = takeContent(cursor);
    if (octets == nullptr) {
        return;
    }
    std::uint64_t number = 0;
    for (std::uint32_t i = 0; i < getContentLength(); ++i) {
        number = (number << 8) | octets[i];
    }
    value_ = number;
}

void Numeric64Value::encode(std::uint8_t*& cursor) const {
    writeLength(cursor, getContentLength());
    writeContent(cursor, value_, getContentLength(), kWidth64);
}

const char* Numeric64Value::toText() const {
    if (hasCachedText()) {
        return cachedText();
    }
    char text[platform::kUnsigned64TextSize];
    platform::formatUnsigned64(value_, text);
    return cacheText(text);
}

void Numeric64Value::setValue(std::uint64_t number) noexcept {
    value_ = number;
    std::uint16_t length = 1;
    while (length < kWidth64 && (number >> (8 * length)) != 0) {
        ++length;
    }
    setContentLength(length);
    discardCachedText();
}

Counter64Value::Counter64Value(ReadCursor& cursor) noexcept : Numeric64Value(cursor, kCounter64Tag, "Counter64") {}
void Counter64Value::encode(std::uint8_t*& cursor) const {
    *cursor++ = kCounter64Tag;
    Numeric64Value::encode(cursor);
}

}  // namespace snmp
