#include "app/QueryDriver.h"

#include <cstdint>
#include <memory>

#include "platform/Sockets.h"
#include "snmp/protocol/SnmpMessage.h"
#include "snmp/protocol/VarBind.h"
#include "snmp/transport/UdpTransport.h"
#include "snmp/values/OidValue.h"

namespace quarlin {
namespace {

constexpr std::int32_t kGetRequest = 160;
constexpr std::int32_t kSnmpVersion1 = 0;
constexpr std::int32_t kRequestId = 123;
constexpr char kSysDescr[] = "1.3.6.1.2.1.1.1.0";
constexpr std::int32_t kAgentPort = 161;
constexpr std::int32_t kReplyTimeoutSeconds = 10;

bool isSuccess(const snmp::SnmpMessage* reply) {
    return reply != nullptr && reply->getRequestId() == kRequestId && reply->getErrorStatus() == 0;
}

// Builds, sends and judges; the locals go in reverse order of creation:
// reply, transport, request.
void exchange(const char* host, const char* community, Reporter& reporter) {
    auto request = std::make_unique<snmp::SnmpMessage>(kGetRequest, kSnmpVersion1);
    request->setCommunity(community);
    request->setRequestId(kRequestId);
    request->addVarBind(new snmp::VarBind(new snmp::OidValue(kSysDescr), nullptr));

    auto transport = std::make_unique<snmp::UdpTransport>(kAgentPort, host);
    transport->setTimeout(kReplyTimeoutSeconds);

    // A failed send is not judged on its own: the wait that follows ends
    // the query either way.
    transport->send(*request);
    const std::unique_ptr<snmp::SnmpMessage> reply(transport->receive());

    if (isSuccess(reply.get())) {
        // The description belongs to the reply, which outlives this call.
        reporter.reportDescription(reply->getVarBindValue(1));
    } else {
        reporter.reportFailure();
    }
}

}  // namespace

void queryDescription(const char* host, const char* community, Reporter& reporter) {
    // A failed start leaves the transport's socket calls failing, which ends
    // on the failure path.
    platform::startSockets();
    exchange(host, community, reporter);
    platform::stopSockets();
}

}  // namespace quarlin
