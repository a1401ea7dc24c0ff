#pragma once

#include "snmp/protocol/NotificationPdu.h"

namespace snmp {

// InformRequest (type 166).
class InformRequestPdu : public NotificationPdu {
public:
    InformRequestPdu() noexcept : NotificationPdu(kInformRequest) {}
};

}  // namespace snmp
