#pragma once

#include "snmp/protocol/Pdu.h"

namespace snmp {

// SetRequest (type 163).
class SetRequestPdu : public Pdu {
public:
    SetRequestPdu() noexcept : Pdu(kSetRequest) {}
};

}  // namespace snmp
