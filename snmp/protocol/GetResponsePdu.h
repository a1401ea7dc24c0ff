#pragma once

#include "snmp/protocol/Pdu.h"

namespace snmp {

// GetResponse (type 162).
class GetResponsePdu : public Pdu {
public:
    GetResponsePdu() noexcept : Pdu(kGetResponse) {}
};

}  // namespace snmp
