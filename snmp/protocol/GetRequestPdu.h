#pragma once

#include "snmp/protocol/Pdu.h"

namespace snmp {

// GetRequest (type 160).
class GetRequestPdu : public Pdu {
public:
    GetRequestPdu() noexcept : Pdu(kGetRequest) {}
};

}  // namespace snmp
