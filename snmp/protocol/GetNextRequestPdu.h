#pragma once

#include "snmp/protocol/Pdu.h"

namespace snmp {

// GetNextRequest (type 161).
class GetNextRequestPdu : public Pdu {
public:
    GetNextRequestPdu() noexcept : Pdu(kGetNextRequest) {}
};

}  // namespace snmp
