#pragma once

#include <cstdint>
#include <memory>

#include "snmp/protocol/PduBase.h"
#include "snmp/values/IpAddressValue.h"
#include "snmp/values/NumericValues.h"
#include "snmp/values/OidValue.h"

namespace snmp {

// The SNMPv1 Trap (type 164). Every field starts absent; absent fields read
// as 0 or null and are left out of the encoding. On the wire: enterprise,
// agent address, generic trap, specific trap, time stamp.
class TrapPdu : public PduBase {
public:
    TrapPdu() noexcept = default;

    void encodeFields(std::uint8_t*& cursor) const override;
    std::uint32_t fieldsSize() const noexcept override;
    // Expects the tags 6, 64, 2, 2 and 67.
    void decodeFields(ReadCursor& cursor) override;
    std::uint8_t getType() const noexcept override { return kTrap; }

    void setGenericTrap(std::int32_t n) override;
    std::int32_t getGenericTrap() const noexcept override;
    void setSpecificTrap(std::int32_t n) override;
    std::int32_t getSpecificTrap() const noexcept override;
    void setTimestamp(std::int32_t n) override;
    std::int32_t getTimestamp() const noexcept override;
    // From dotted text such as "10.0.0.1".
    void setAgentAddress(const char* text) override;
    const char* getAgentAddress() const override;
    // From dotted text such as "1.3.6.1.4.1".
    void setEnterprise(const char* text) override;
    const char* getEnterprise() const override;

private:
    // Declared in reverse order of destruction.
    std::unique_ptr<OidValue> enterprise_;
    std::unique_ptr<IpAddressValue> agentAddress_;
    std::unique_ptr<TimeTicksValue> timestamp_;
    std::unique_ptr<IntegerValue> specificTrap_;
    std::unique_ptr<IntegerValue> genericTrap_;
};

}  // namespace snmp
