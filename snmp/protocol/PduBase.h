#pragma once

#include <cstdint>

#include "snmp/ber/BerObject.h"
#include "snmp/ber/ReadCursor.h"

namespace snmp {

// PDU types: the PDU's BER tag octet.
enum PduType : std::uint8_t {
    kGetRequest = 160,
    kGetNextRequest = 161,
    kGetResponse = 162,
    kSetRequest = 163,
    kTrap = 164,
    kInformRequest = 166,
    kTrapV2 = 167,
};

// The interface of every PDU, whatever its family. A PDU holds its fields
// only; the message writes its tag, its length and the binding list.
//
// Accessors that do not fit a family do nothing or give 0 or null; the
// defaults here say so once, and each family overrides what it carries.
// Texts returned are owned by the PDU and stay valid until the field is
// replaced or the PDU is deleted.
class PduBase : public BerObject {
public:
    ~PduBase() override = default;

    // A PDU encoded on its own writes its fields.
    void encode(std::uint8_t*& cursor) const final { encodeFields(cursor); }

    // Writes the present fields in wire order; advances by fieldsSize().
    virtual void encodeFields(std::uint8_t*& cursor) const = 0;
    virtual std::uint32_t fieldsSize() const noexcept = 0;
    // Reads the fields in wire order. A field whose tag is not the expected
    // one keeps what it held, and the next field is read from just after
    // that tag octet.
    virtual void decodeFields(ReadCursor& cursor) = 0;
    virtual std::uint8_t getType() const noexcept = 0;

    virtual void setRequestId(std::int32_t) {}
    virtual std::int32_t getRequestId() const noexcept { return 0; }
    virtual void setErrorIndex(std::int32_t) {}
    virtual std::int32_t getErrorIndex() const noexcept { return 0; }
    virtual void setErrorStatus(std::int32_t) {}
    virtual std::int32_t getErrorStatus() const noexcept { return 0; }
    virtual void setGenericTrap(std::int32_t) {}
    virtual std::int32_t getGenericTrap() const noexcept { return 0; }
    virtual void setSpecificTrap(std::int32_t) {}
    virtual std::int32_t getSpecificTrap() const noexcept { return 0; }
    virtual void setTimestamp(std::int32_t) {}
    virtual std::int32_t getTimestamp() const noexcept { return 0; }
    virtual void setAgentAddress(const char*) {}
    virtual const char* getAgentAddress() const { return nullptr; }
    virtual void setEnterprise(const char*) {}
    virtual const char* getEnterprise() const { return nullptr; }

protected:
    PduBase() = default;
};

}  // namespace snmp
