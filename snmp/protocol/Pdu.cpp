#include "snmp/protocol/Pdu.h"

#include <ctime>
#include <utility>

#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"

namespace snmp {

namespace {

// Decodes one field that expects an INTEGER. Another tag leaves the field as
// it was, with the cursor just after that tag octet; so does data that ends
// early.
void decodeIntegerField(ReadCursor& cursor, IntegerValue& field) {
    std::uint32_t tag = 0;
    readTagNumber(cursor, tag);
    if (tag != kIntegerTag) {
        return;
    }
    IntegerValue decoded(cursor);
    if (!cursor.failed()) {
        field = std::move(decoded);
    }
}

}  // namespace

Pdu::Pdu(PduType type) noexcept
    : requestId_(static_cast<std::int32_t>(std::time(nullptr))), errorStatus_(0), errorIndex_(0), type_(type) {}

void Pdu::encodeFields(std::uint8_t*& cursor) const {
    requestId_.encode(cursor);
    errorStatus_.encode(cursor);
    errorIndex_.encode(cursor);
}

std::uint32_t Pdu::fieldsSize() const noexcept {
    return requestId_.encodedSize() + errorStatus_.encodedSize() + errorIndex_.encodedSize();
}

void Pdu::decodeFields(ReadCursor& cursor) {
    decodeIntegerField(cursor, requestId_);
    decodeIntegerField(cursor, errorStatus_);
    decodeIntegerField(cursor, errorIndex_);
}

}  // namespace snmp
