#pragma once

#include <cstdint>

#include "snmp/ber/BerObject.h"

namespace snmp {

// The query interface of an SNMP message. Texts returned belong to the
// message's parts (or are constant) and stay valid while those parts live;
// callers never release them.
class SnmpMessageBase : public BerObject {
public:
    ~SnmpMessageBase() override = default;

    // Octets that encode writes.
    virtual std::uint32_t encodedSize() const = 0;
    // The version number. A message without a version throws the int 0.
    virtual std::int32_t getVersion() const = 0;
    // The community text, or null without a community.
    virtual const char* getCommunity() const = 0;
    virtual std::int32_t getVarBindCount() const noexcept = 0;
    // The binding at position (counted from 1): its name's text, its value's
    // type name, its value's text. "NULL" where there is no such binding, or
    // the binding lacks the name or value asked about.
    virtual const char* getVarBindName(std::int32_t position) const = 0;
    virtual const char* getVarBindType(std::int32_t position) const = 0;
    virtual const char* getVarBindValue(std::int32_t position) const = 0;
    // PDU fields: 0 or null when the message has no PDU or the PDU's family
    // has no such field.
    virtual std::int32_t getRequestId() const noexcept = 0;
    virtual std::int32_t getErrorIndex() const noexcept = 0;
    virtual std::int32_t getErrorStatus() const noexcept = 0;
    virtual std::int32_t getGenericTrap() const noexcept = 0;
    virtual std::int32_t getSpecificTrap() const noexcept = 0;
    virtual std::int32_t getTimestamp() const noexcept = 0;
    virtual const char* getAgentAddress() const = 0;
    virtual const char* getEnterprise() const = 0;
    // The PDU's type octet; 255 without a PDU.
    virtual std::uint8_t getPduType() const noexcept = 0;
    // Puts the two leading bindings of an SNMPv2 notification in front of
    // the others. Does nothing here.
    virtual void setTrapInfo(std::int32_t timestamp, const char* enterprise, std::int32_t generic,
                             std::int32_t specific);

protected:
    SnmpMessageBase() = default;
};

inline void SnmpMessageBase::setTrapInfo(std::int32_t, const char*, std::int32_t, std::int32_t) {}

}  // namespace snmp
