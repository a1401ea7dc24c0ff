#include "snmp/protocol/SnmpMessage.h"

#include <cstring>
#include <string>
#include <utility>

#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"
#include "snmp/protocol/PduFactory.h"
#include "snmp/values/OidValue.h"

namespace snmp {

namespace {

constexpr char kDefaultCommunity[] = "mirsta";
constexpr std::uint32_t kDefaultCommunityLength = sizeof kDefaultCommunity - 1;
constexpr std::uint8_t kNoPduType = 255;
constexpr char kNoBinding[] = "NULL";

constexpr char kSysUpTime[] = "1.3.6.1.2.1.1.3.0";
constexpr char kSnmpTrapOid[] = "1.3.6.1.6.3.1.1.4.1.0";
constexpr char kSnmpTrapsPrefix[] = "1.3.6.1.6.3.1.1.5.";
constexpr std::int32_t kLastGenericTrap = 5;

std::uint32_t tlvSize(std::uint32_t content) noexcept { return 1 + lengthFieldSize(content) + content; }

}  // namespace

SnmpMessage::SnmpMessage() = default;

SnmpMessage::SnmpMessage(std::int32_t type, std::int32_t version) : version_(std::in_place, version) {
    setPduType(type);
}

SnmpMessage::~SnmpMessage() = default;

void SnmpMessage::setPduType(std::int32_t type) {
    pduType_ = type;
    if (std::unique_ptr<PduBase> pdu = createPdu(type)) {
        pdu_ = std::move(pdu);
    }
}

void SnmpMessage::setCommunity(const char* text) {
    community_ = std::make_unique<OctetStringValue>(text);
    defaultCommunity_ = false;
}

void SnmpMessage::setCommunityValue(OctetStringValue* community) noexcept {
    community_.reset(community);
    defaultCommunity_ = false;
}

std::uint32_t SnmpMessage::communitySize() const noexcept {
    if (community_) {
        return community_->encodedSize();
    }
    return defaultCommunity_ ? tlvSize(kDefaultCommunityLength) : 0;
}

void SnmpMessage::encodeCommunity(std::uint8_t*& out) const {
    if (community_) {
        community_->encode(out);
    } else if (defaultCommunity_) {
        *out++ = kOctetStringTag;
        writeLength(out, kDefaultCommunityLength);
        std::memcpy(out, kDefaultCommunity, kDefaultCommunityLength);
        out += kDefaultCommunityLength;
    }
}
void SnmpMessage::setPdu(PduBase* pdu) noexcept { pdu_.reset(pdu); }

void SnmpMessage::setVersion(IntegerValue* version) {
    const std::unique_ptr<IntegerValue> given(version);
    if (given) {
        version_ = *given;
    } else {
        version_.reset();
    }
}

std::uint32_t SnmpMessage::pduContentSize() const noexcept {
    return pdu_ ? pdu_->fieldsSize() + bindings_.encodedSize() : 0;
}

std::uint32_t SnmpMessage::contentSizeAround(std::uint32_t pduContent) const noexcept {
    return (version_ ? version_->encodedSize() : 0) + communitySize() +
           (pdu_ ? tlvSize(pduContent) : 0);
}

std::uint32_t SnmpMessage::contentSize() const noexcept { return contentSizeAround(pduContentSize()); }

std::uint32_t SnmpMessage::encodedSize() const noexcept { return tlvSize(contentSize()); }

void SnmpMessage::encode(std::uint8_t*& cursor) const {
    std::uint8_t* out = cursor;
    const std::uint32_t pduContent = pduContentSize();
    *out++ = kSequenceTag;
    writeLength(out, contentSizeAround(pduContent));
    if (version_) {
        version_->encode(out);
    }
    encodeCommunity(out);
    if (!pdu_) {
        return;
    }
    *out++ = pdu_->getType();
    writeLength(out, pduContent);
    pdu_->encodeFields(out);
    bindings_.encode(out);
}

std::int32_t SnmpMessage::getVersion() const {
    if (!version_) {
        throw 0;
    }
    return version_->getValue();
}

const char* SnmpMessage::getCommunity() const {
    if (community_) {
        return community_->toText();
    }
    return defaultCommunity_ ? kDefaultCommunity : nullptr;
}

std::int32_t SnmpMessage::getVarBindCount() const noexcept {
    std::int32_t count = 0;
    for (const VarBind* binding = bindings_.getHead(); binding != nullptr; binding = binding->getNext()) {
        ++count;
    }
    return count;
}

VarBind* SnmpMessage::bindingAt(std::int32_t position) const noexcept {
    if (position < 1) {
        return nullptr;
    }
    VarBind* binding = bindings_.getHead();
    for (std::int32_t i = 1; i < position && binding != nullptr; ++i) {
        binding = binding->getNext();
    }
    return binding;
}

const char* SnmpMessage::getVarBindName(std::int32_t position) const {
    const VarBind* binding = bindingAt(position);
    return binding != nullptr && binding->getName() != nullptr ? binding->getName()->toText() : kNoBinding;
}

const char* SnmpMessage::getVarBindType(std::int32_t position) const {
    const VarBind* binding = bindingAt(position);
    return binding != nullptr && binding->getValue() != nullptr ? binding->getValue()->getTypeName() : kNoBinding;
}

const char* SnmpMessage::getVarBindValue(std::int32_t position) const {
    const VarBind* binding = bindingAt(position);
    return binding != nullptr && binding->getValue() != nullptr ? binding->getValue()->toText() : kNoBinding;
}

std::int32_t SnmpMessage::getRequestId() const noexcept { return pdu_ ? pdu_->getRequestId() : 0; }
std::int32_t SnmpMessage::getErrorIndex() const noexcept { return pdu_ ? pdu_->getErrorIndex() : 0; }
std::int32_t SnmpMessage::getErrorStatus() const noexcept { return pdu_ ? pdu_->getErrorStatus() : 0; }
std::int32_t SnmpMessage::getGenericTrap() const noexcept { return pdu_ ? pdu_->getGenericTrap() : 0; }
std::int32_t SnmpMessage::getSpecificTrap() const noexcept { return pdu_ ? pdu_->getSpecificTrap() : 0; }
std::int32_t SnmpMessage::getTimestamp() const noexcept { return pdu_ ? pdu_->getTimestamp() : 0; }
const char* SnmpMessage::getAgentAddress() const { return pdu_ ? pdu_->getAgentAddress() : nullptr; }
const char* SnmpMessage::getEnterprise() const { return pdu_ ? pdu_->getEnterprise() : nullptr; }
std::uint8_t SnmpMessage::getPduType() const noexcept { return pdu_ ? pdu_->getType() : kNoPduType; }

void SnmpMessage::setRequestId(std::int32_t n) {
    if (pdu_) {
        pdu_->setRequestId(n);
    }
}

void SnmpMessage::setErrorIndex(std::int32_t n) {
    if (pdu_) {
        pdu_->setErrorIndex(n);
    }
}

void SnmpMessage::setErrorStatus(std::int32_t n) {
    if (pdu_) {
        pdu_->setErrorStatus(n);
    }
}

void SnmpMessage::setGenericTrap(std::int32_t n) {
    if (pdu_) {
        pdu_->setGenericTrap(n);
    }
}

void SnmpMessage::setSpecificTrap(std::int32_t n) {
    if (pdu_) {
        pdu_->setSpecificTrap(n);
    }
}

void SnmpMessage::setTimestamp(std::int32_t n) {
    if (pdu_) {
        pdu_->setTimestamp(n);
    }
}

void SnmpMessage::setAgentAddress(const char* text) {
    if (pdu_) {
        pdu_->setAgentAddress(text);
    }
}

void SnmpMessage::setEnterprise(const char* text) {
    if (pdu_) {
        pdu_->setEnterprise(text);
    }
}

void SnmpMessage::setTrapInfo(std::int32_t timestamp, const char* enterprise, std::int32_t generic,
                              std::int32_t specific) {
    if (pduType_ != kInformRequest && pduType_ != kTrapV2) {
        return;
    }
    std::string trapIdentifier;
    if (generic >= 0 && generic <= kLastGenericTrap) {
        trapIdentifier = kSnmpTrapsPrefix + std::to_string(generic + 1);
    } else if (enterprise != nullptr) {
        trapIdentifier = std::string(enterprise) + ".0." + std::to_string(specific);
    } else {
        // An enterprise-specific trap cannot be named without its enterprise.
        return;
    }
    auto upTime = std::make_unique<VarBind>();
    upTime->setName(new OidValue(kSysUpTime));
    upTime->setValue(new TimeTicksValue(timestamp));
    auto trapOid = std::make_unique<VarBind>();
    trapOid->setName(new OidValue(kSnmpTrapOid));
    trapOid->setValue(new OidValue(trapIdentifier.c_str()));

    VarBind* former = bindings_.setHead(upTime.release());
    bindings_.append(trapOid.release());
    bindings_.append(former);
}

}  // namespace snmp
