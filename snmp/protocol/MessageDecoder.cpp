#include "snmp/protocol/MessageDecoder.h"

#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"
#include "snmp/protocol/PduFactory.h"
#include "snmp/values/IpAddressValue.h"
#include "snmp/values/NumericValues.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OidValue.h"
#include "snmp/values/OpaqueValue.h"

namespace snmp {

namespace {

// The value class for a binding element's tag octet; an unknown tag gives
// an Opaque value.
std::unique_ptr<SnmpValue> decodeElement(std::uint8_t tag, ReadCursor& cursor) {
    switch (tag) {
        case kIntegerTag:
            return std::make_unique<IntegerValue>(cursor);
        case kOctetStringTag:
            return std::make_unique<OctetStringValue>(cursor);
        case kOidTag:
            return std::make_unique<OidValue>(cursor);
        case kIpAddressTag:
            return std::make_unique<IpAddressValue>(cursor);
        case kCounterTag:
            return std::make_unique<CounterValue>(cursor);
        case kGaugeTag:
            return std::make_unique<GaugeValue>(cursor);
        case kTimeTicksTag:
            return std::make_unique<TimeTicksValue>(cursor);
        case kCounter64Tag:
            return std::make_unique<Counter64Value>(cursor);
        default:
            return std::make_unique<OpaqueValue>(cursor);
    }
}

// Reads the bindings up to listEnd (an offset into the data), name and value
// by turns. An element that starts before listEnd is read whole even where
// it reaches past it; a name left without a value is dropped.
void decodeBindings(ReadCursor& cursor, std::uint64_t listEnd, SnmpMessage& message) {
    std::unique_ptr<VarBind> binding;
    bool nameExpected = true;
    while (cursor.offset() < listEnd && !cursor.failed()) {
        if (nameExpected) {
            cursor.readOctet();
            std::uint32_t bindingLength = 0;
            readLength(cursor, bindingLength);
        }
        const std::uint8_t tag = cursor.readOctet();
        std::unique_ptr<SnmpValue> element = decodeElement(tag, cursor);
        if (!binding) {
            binding = std::make_unique<VarBind>();
        }
        if (nameExpected) {
            binding->setName(element.release());
        } else {
            binding->setValue(element.release());
        }
        if (binding->getName() != nullptr && binding->getValue() != nullptr) {
            message.addVarBind(binding.release());
        }
        nameExpected = !nameExpected;
    }
}

}  // namespace

MessageDecoder::MessageDecoder(const std::uint8_t* octets, std::int32_t n) {
    if (octets == nullptr || n <= 0) {
        return;
    }
    ReadCursor cursor(octets, static_cast<std::size_t>(n));
    decodedMessage_ = decode(cursor, static_cast<std::uint32_t>(n));
}

MessageDecoder::~MessageDecoder() = default;

std::unique_ptr<SnmpMessage> MessageDecoder::decode(ReadCursor& cursor, std::uint32_t datagramLength) {
    cursor.readOctet();
    std::uint32_t outerLength = 0;
    readLength(cursor, outerLength);
    // Compared as signed numbers: an outer length of 2^31 or more passes.
    if (cursor.failed() || static_cast<std::int32_t>(outerLength) > static_cast<std::int32_t>(datagramLength)) {
        return nullptr;
    }
    auto message = std::make_unique<SnmpMessage>();

    // A version or community of another tag is not there: the next field is
    // read from just after that tag octet.
    std::uint32_t tag = 0;
    readTagNumber(cursor, tag);
    if (tag == kIntegerTag) {
        message->version_.emplace(cursor);
    }
    readTagNumber(cursor, tag);
    if (tag == kOctetStringTag) {
        message->setCommunityValue(new OctetStringValue(cursor));
    }

    message->pdu_ = createPdu(cursor.readOctet());
    std::uint32_t pduLength = 0;
    readLength(cursor, pduLength);
    if (message->pdu_) {
        message->pdu_->decodeFields(cursor);
    }

    cursor.readOctet();
    std::uint32_t listLength = 0;
    readLength(cursor, listLength);
    if (listLength > cursor.remaining()) {
        cursor.fail();
    }
    decodeBindings(cursor, std::uint64_t{cursor.offset()} + listLength, *message);

    if (cursor.failed()) {
        return nullptr;
    }
    return message;
}

}  // namespace snmp
