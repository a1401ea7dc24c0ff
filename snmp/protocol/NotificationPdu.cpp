#include "snmp/protocol/NotificationPdu.h"

#include <cstdio>
#include <cstring>

namespace snmp {

// Formatted here rather than by the socket library, whose text lives in one
// buffer shared by every caller on the thread.
const char* NotificationPdu::getAgentAddress() const {
    if (agentAddressText_[0] == '\0') {
        unsigned char octets[4];
        std::memcpy(octets, &agentAddress_, sizeof octets);
        std::snprintf(agentAddressText_, sizeof agentAddressText_, "%u.%u.%u.%u", octets[0], octets[1], octets[2],
                      octets[3]);
    }
    return agentAddressText_;
}

}  // namespace snmp
