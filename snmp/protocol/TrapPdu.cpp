#include "snmp/protocol/TrapPdu.h"

#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"

namespace snmp {

namespace {

template <typename Value>
void encodeIfPresent(const std::unique_ptr<Value>& field, std::uint8_t*& cursor) {
    if (field) {
        field->encode(cursor);
    }
}

template <typename Value>
std::uint32_t sizeIfPresent(const std::unique_ptr<Value>& field) noexcept {
    return field ? field->encodedSize() : 0;
}

template <typename Value>
std::int32_t numberIfPresent(const std::unique_ptr<Value>& field) noexcept {
    return field ? field->getValue() : 0;
}

template <typename Value>
const char* textIfPresent(const std::unique_ptr<Value>& field) {
    return field ? field->toText() : nullptr;
}

// Decodes one field whose tag must be expectedTag. Another tag leaves the
// field as it was, with the cursor just after that tag octet; so does data
// that ends early.
template <typename Value>
void decodeField(ReadCursor& cursor, std::uint32_t expectedTag, std::unique_ptr<Value>& field) {
    std::uint32_t tag = 0;
    readTagNumber(cursor, tag);
    if (tag != expectedTag) {
        return;
    }
    auto decoded = std::make_unique<Value>(cursor);
    if (!cursor.failed()) {
        field = std::move(decoded);
    }
}

}  // namespace

void TrapPdu::encodeFields(std::uint8_t*& cursor) const {
    encodeIfPresent(enterprise_, cursor);
    encodeIfPresent(agentAddress_, cursor);
    encodeIfPresent(genericTrap_, cursor);
    encodeIfPresent(specificTrap_, cursor);
    encodeIfPresent(timestamp_, cursor);
}

std::uint32_t TrapPdu::fieldsSize() const noexcept {
    return sizeIfPresent(enterprise_) + sizeIfPresent(agentAddress_) + sizeIfPresent(genericTrap_) +
           sizeIfPresent(specificTrap_) + sizeIfPresent(timestamp_);
}

void TrapPdu::decodeFields(ReadCursor& cursor) {
    decodeField(cursor, kOidTag, enterprise_);
    decodeField(cursor, kIpAddressTag, agentAddress_);
    decodeField(cursor, kIntegerTag, genericTrap_);
    decodeField(cursor, kIntegerTag, specificTrap_);
    decodeField(cursor, kTimeTicksTag, timestamp_);
}

void TrapPdu::setGenericTrap(std::int32_t n) { genericTrap_ = std::make_unique<IntegerValue>(n); }
std::int32_t TrapPdu::getGenericTrap() const noexcept { return numberIfPresent(genericTrap_); }
void TrapPdu::setSpecificTrap(std::int32_t n) { specificTrap_ = std::make_unique<IntegerValue>(n); }
std::int32_t TrapPdu::getSpecificTrap() const noexcept { return numberIfPresent(specificTrap_); }
void TrapPdu::setTimestamp(std::int32_t n) { timestamp_ = std::make_unique<TimeTicksValue>(n); }
std::int32_t TrapPdu::getTimestamp() const noexcept { return numberIfPresent(timestamp_); }
void TrapPdu::setAgentAddress(const char* text) { agentAddress_ = std::make_unique<IpAddressValue>(text); }
const char* TrapPdu::getAgentAddress() const { return textIfPresent(agentAddress_); }
void TrapPdu::setEnterprise(const char* text) { enterprise_ = std::make_unique<OidValue>(text); }
const char* TrapPdu::getEnterprise() const { return textIfPresent(enterprise_); }

}  // namespace snmp
