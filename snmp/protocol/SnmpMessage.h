#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "snmp/protocol/PduBase.h"
#include "snmp/protocol/SnmpMessageBase.h"
#include "snmp/protocol/VarBind.h"
#include "snmp/protocol/VarBindList.h"
#include "snmp/values/NumericValues.h"
#include "snmp/values/OctetStringValue.h"

namespace snmp {

class MessageDecoder;

// One SNMP message: version, community, PDU and the PDU's bindings. Owns all
// of them. Every PDU accessor forwards to the PDU, whatever its class.
//
// On the wire: 30 L [version] [community] [PDU tag, length, fields, bindings].
class SnmpMessage : public SnmpMessageBase {
public:
    // Default community "mirsta", no version, no PDU, PDU type 0.
    SnmpMessage();
    // Default community, the version number given, and the PDU of type (see
    // setPduType). A GetRequest for SNMPv1 is SnmpMessage(160, 0).
    SnmpMessage(std::int32_t type, std::int32_t version);
    ~SnmpMessage() override;

    SnmpMessage(const SnmpMessage&) = delete;
    SnmpMessage& operator=(const SnmpMessage&) = delete;

    // Records type. For 160 to 164, 166 and 167 the held PDU is replaced by
    // a new one of that type; any other type leaves the PDU as it is.
    void setPduType(std::int32_t type);
    // Replaces the community by the octets of text (without its terminator).
    void setCommunity(const char* text);
    // These replace (and delete) what the field held and take ownership.
    // setPdu does not change the recorded PDU type.
    void setCommunityValue(OctetStringValue* community) noexcept;
    void setVersion(IntegerValue* version);
    void setPdu(PduBase* pdu) noexcept;
    // The held PDU or null; the message keeps ownership.
    PduBase* getPdu() const noexcept { return pdu_.get(); }
    // Appends binding (and any chain hanging from it) and takes ownership.
    void addVarBind(VarBind* binding) noexcept { bindings_.append(binding); }

    // Length of the message SEQUENCE's contents.
    std::uint32_t contentSize() const noexcept;
    std::uint32_t encodedSize() const noexcept override;
    // Writes the whole message from cursor on, into a buffer of at least
    // encodedSize() octets. Unlike every other encode, it leaves the
    // caller's cursor where it was.
    void encode(std::uint8_t*& cursor) const override;

    std::int32_t getVersion() const override;
    const char* getCommunity() const override;
    std::int32_t getVarBindCount() const noexcept override;
    const char* getVarBindName(std::int32_t position) const override;
    const char* getVarBindType(std::int32_t position) const override;
    const char* getVarBindValue(std::int32_t position) const override;
    std::int32_t getRequestId() const noexcept override;
    std::int32_t getErrorIndex() const noexcept override;
    std::int32_t getErrorStatus() const noexcept override;
    std::int32_t getGenericTrap() const noexcept override;
    std::int32_t getSpecificTrap() const noexcept override;
    std::int32_t getTimestamp() const noexcept override;
    const char* getAgentAddress() const override;
    const char* getEnterprise() const override;
    std::uint8_t getPduType() const noexcept override;
    // Only for PDU type 166 or 167: puts sysUpTime.0 (timestamp) and
    // snmpTrapOID.0 in front of the bindings. The trap identifier is
    // snmpTraps.(generic + 1) for generic 0 to 5, else
    // enterprise.0.specific; without an enterprise text that second form
    // cannot be made, and the message is left unchanged.
    void setTrapInfo(std::int32_t timestamp, const char* enterprise, std::int32_t generic,
                     std::int32_t specific) override;

    // Forwarded to the PDU; nothing happens without one.
    void setRequestId(std::int32_t n);
    void setErrorIndex(std::int32_t n);
    void setErrorStatus(std::int32_t n);
    void setGenericTrap(std::int32_t n);
    void setSpecificTrap(std::int32_t n);
    void setTimestamp(std::int32_t n);
    void setAgentAddress(const char* text);
    void setEnterprise(const char* text);

private:
    friend class MessageDecoder;
    // The community's TLV: its size, and writing it; nothing without one.
    std::uint32_t communitySize() const noexcept;
    void encodeCommunity(std::uint8_t*& out) const;
    // The PDU's content: its fields and the binding list; 0 without a PDU.
    std::uint32_t pduContentSize() const noexcept;
    // The message's content for a PDU content of pduContent octets.
    std::uint32_t contentSizeAround(std::uint32_t pduContent) const noexcept;
    VarBind* bindingAt(std::int32_t position) const noexcept;

    // Declared in reverse order of destruction: bindings, community,
    // version, PDU. The list, present for the message's whole life, and the
    // small version are held in place rather than allocated apart.
    std::unique_ptr<PduBase> pdu_;
    std::optional<IntegerValue> version_;
    std::unique_ptr<OctetStringValue> community_;
    // The default community is not made as a value: while this is set (and
    // community_ is null) the message reads and writes it from a constant,
    // so a request whose community is set at once never makes and drops it.
    bool defaultCommunity_ = true;
    VarBindList bindings_;
    std::int32_t pduType_ = 0;
};

}  // namespace snmp
