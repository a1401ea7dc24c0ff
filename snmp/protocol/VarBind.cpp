#include "snmp/protocol/VarBind.h"

#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"

namespace snmp {

namespace {

constexpr std::uint32_t kNullSize = 2;

}  // namespace

VarBind::VarBind(SnmpValue* name, SnmpValue* value) noexcept : name_(name), value_(value) {}

std::uint32_t VarBind::contentSize() const noexcept {
    return (name_ ? name_->encodedSize() : 0) + (value_ ? value_->encodedSize() : kNullSize);
}

std::uint32_t VarBind::encodedSize() const noexcept {
    const std::uint32_t content = contentSize();
    return 1 + lengthFieldSize(content) + content;
}

void VarBind::encode(std::uint8_t*& cursor) const {
    *cursor++ = kSequenceTag;
    writeLength(cursor, contentSize());
    if (name_) {
        name_->encode(cursor);
    }
    if (value_) {
        value_->encode(cursor);
    } else {
        *cursor++ = kNullTag;
        *cursor++ = 0;
    }
}

}  // namespace snmp
