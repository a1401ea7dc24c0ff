#pragma once

#include <cstdint>

#include "snmp/values/SnmpValue.h"

namespace snmp {

// A signed 32-bit number. Counter, Gauge and TimeTicks carry numbers of 2^31
// and more with the same bits, so they read and show as negative numbers.
class NumericValue : public SnmpValue {
public:
    // Writes the length and the content only; the derived class writes its tag first.
    void encode(std::uint8_t*& cursor) const override;
    const char* toText() const override;
    virtual std::int32_t getValue() const noexcept { return value_; }
    // Stores the number with the fewest two's-complement octets (1 to 4).
    // A text form made earlier is discarded, so toText follows the number.
    virtual void setValue(std::int32_t number) noexcept;

protected:
    NumericValue(std::uint16_t tag, const char* typeName) noexcept;
    // Reads the content and sign-extends contents of 1 to 3 octets. Of a longer
    // content the last four octets count; it keeps its received length and
    // encodes again as zeros followed by the four octets of the number.
    NumericValue(ReadCursor& cursor, std::uint16_t tag, const char* typeName) noexcept;

private:
    std::int32_t value_ = 0;
};

class IntegerValue : public NumericValue {
public:
    explicit IntegerValue(std::int32_t number) noexcept;
    explicit IntegerValue(ReadCursor& cursor) noexcept;
    void encode(std::uint8_t*& cursor) const override;
};

class CounterValue : public NumericValue {
public:
    explicit CounterValue(ReadCursor& cursor) noexcept;
    void encode(std::uint8_t*& cursor) const override;
};

class GaugeValue : public NumericValue {
public:
    explicit GaugeValue(ReadCursor& cursor) noexcept;
    void encode(std::uint8_t*& cursor) const override;
};

class TimeTicksValue : public NumericValue {
public:
    explicit TimeTicksValue(std::int32_t number) noexcept;
    explicit TimeTicksValue(ReadCursor& cursor) noexcept;
    void encode(std::uint8_t*& cursor) const override;
};

// An unsigned 64-bit number, written with its significant octets only.
class Numeric64Value : public SnmpValue {
public:
    // Writes the length and the content only; the derived class writes its tag first.
    void encode(std::uint8_t*& cursor) const override;
    const char* toText() const override;
    virtual std::uint64_t getValue() const noexcept { return value_; }
    // Like NumericValue::setValue, with 1 to 8 significant octets.
    virtual void setValue(std::uint64_t number) noexcept;

protected:
    // Of a content longer than eight octets the last eight count; it encodes
    // again with its received length, zeros first.
    Numeric64Value(ReadCursor& cursor, std::uint16_t tag, const char* typeName) noexcept;

private:
    std::uint64_t value_ = 0;
};

class Counter64Value : public Numeric64Value {
public:
    explicit Counter64Value(ReadCursor& cursor) noexcept;
    void encode(std::uint8_t*& cursor) const override;
};

}  // namespace snmp
