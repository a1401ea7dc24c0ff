#include "snmp/protocol/PduFactory.h"

#include "snmp/protocol/GetNextRequestPdu.h"
#include "snmp/protocol/GetRequestPdu.h"
#include "snmp/protocol/GetResponsePdu.h"
#include "snmp/protocol/InformRequestPdu.h"
#include "snmp/protocol/SetRequestPdu.h"
#include "snmp/protocol/TrapPdu.h"
#include "snmp/protocol/TrapV2Pdu.h"

namespace snmp {

std::unique_ptr<PduBase> createPdu(std::int32_t type) {
    switch (type) {
        case kGetRequest:
            return std::make_unique<GetRequestPdu>();
        case kGetNextRequest:
            return std::make_unique<GetNextRequestPdu>();
        case kGetResponse:
            return std::make_unique<GetResponsePdu>();
        case kSetRequest:
            return std::make_unique<SetRequestPdu>();
        case kTrap:
            return std::make_unique<TrapPdu>();
        case kInformRequest:
            return std::make_unique<InformRequestPdu>();
        case kTrapV2:
            return std::make_unique<TrapV2Pdu>();
        default:
            return nullptr;
    }
}

}  // namespace snmp
