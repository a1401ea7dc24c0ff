#pragma once

#include <cstddef>
#include <cstdint>

#include "snmp/protocol/Pdu.h"

namespace snmp {

// The SNMPv2 notifications (InformRequest, SNMPv2-Trap): the Pdu fields plus
// an agent-address word, all ones, that nothing changes and nothing encodes.
class NotificationPdu : public Pdu {
public:
    // "255.255.255.255", in a buffer the PDU owns, valid while it lives.
    const char* getAgentAddress() const override;

protected:
    explicit NotificationPdu(PduType type) noexcept : Pdu(type) {}

private:
    static constexpr std::size_t kDottedTextSize = 16;

    // Network byte order; all ones reads the same in either order.
    std::uint32_t agentAddress_ = 0xFFFFFFFFu;
    mutable char agentAddressText_[kDottedTextSize] = {};
};

}  // namespace snmp
