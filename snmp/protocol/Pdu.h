#pragma once

#include <cstdint>

#include "snmp/protocol/PduBase.h"
#include "snmp/values/NumericValues.h"

namespace snmp {

// The request, response and SNMPv2 notification family: request-id,
// error-status and error-index, in that order on the wire. The concrete
// classes fix the type.
//
// The three fields are always present (a new PDU holds the time of day in
// seconds, 0 and 0), so they are kept as values, not pointers.
class Pdu : public PduBase {
public:
    void encodeFields(std::uint8_t*& cursor) const override;
    std::uint32_t fieldsSize() const noexcept override;
    // Each field expects tag 2.
    void decodeFields(ReadCursor& cursor) override;
    std::uint8_t getType() const noexcept override { return type_; }

    // Setting a field gives it the value a new IntegerValue of n would have.
    void setRequestId(std::int32_t n) override { requestId_.setValue(n); }
    std::int32_t getRequestId() const noexcept override { return requestId_.getValue(); }
    void setErrorIndex(std::int32_t n) override { errorIndex_.setValue(n); }
    std::int32_t getErrorIndex() const noexcept override { return errorIndex_.getValue(); }
    void setErrorStatus(std::int32_t n) override { errorStatus_.setValue(n); }
    std::int32_t getErrorStatus() const noexcept override { return errorStatus_.getValue(); }

    // Turns the PDU into a GetResponse (type 162); the fields stay as they are.
    void makeResponse() noexcept { type_ = kGetResponse; }

protected:
    explicit Pdu(PduType type) noexcept;

private:
    IntegerValue requestId_;
    IntegerValue errorStatus_;
    IntegerValue errorIndex_;
    std::uint8_t type_;
};

}  // namespace snmp
