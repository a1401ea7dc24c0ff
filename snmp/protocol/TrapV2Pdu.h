#pragma once

#include "snmp/protocol/NotificationPdu.h"

namespace snmp {

// SNMPv2-Trap (type 167).
class TrapV2Pdu : public NotificationPdu {
public:
    TrapV2Pdu() noexcept : NotificationPdu(kTrapV2) {}
};

}  // namespace snmp
