#include "snmp/transport/UdpTransport.h"

#include <cstring>

namespace snmp {

namespace {
constexpr std::int32_t kDefaultTimeoutSeconds = 5;
}  // namespace

UdpTransport::UdpTransport(std::int32_t port, const char* host) : UdpSocket(port, kDefaultTimeoutSeconds) {
    setHost(host);
}

UdpTransport::~UdpTransport() = default;

std::int32_t UdpTransport::send(const SnmpMessage& message) noexcept {
    if (!ready_) {
        return 0;
    }
    return sendMessage(message, agentAddress_);
}

SnmpMessage* UdpTransport::receive() {
    if (!ready_) {
        return nullptr;
    }
    return receiveMessage();
}

void UdpTransport::setHost(const char* host) {
    if (host != nullptr && host[0] != '\0') {
        const std::size_t size = std::strlen(host) + 1;
        hostText_.reset(new char[size]);
        std::memcpy(hostText_.get(), host, size);
    }
    resolveAndBind();
}

void UdpTransport::resolveAndBind() {
    // Without a text there is nothing to resolve: no address is made up.
    if (!hostText_) {
        return;
    }
    const auto parsed = inet_addr(hostText_.get());
    if (parsed != INADDR_NONE) {
        agentAddress_.sin_addr.s_addr = parsed;
    } else {
        const hostent* entry = gethostbyname(hostText_.get());
        if (entry == nullptr) {
            lastError_ = platform::lastLookupError();
            return;
        }
        // Only a 4-octet IPv4 address fits the agent's socket address.
        if (!platform::takeIpv4Address(*entry, agentAddress_.sin_addr)) {
            lastError_ = platform::kNoAddress;
            return;
        }
    }
    localAddress_.sin_family = AF_INET;
    localAddress_.sin_addr.s_addr = htonl(INADDR_ANY);
    localAddress_.sin_port = htons(0);
    if (platform::bindSocket(socketHandle_, localAddress_) != 0) {
        recordLastError();
        return;
    }
    ready_ = true;
}

}  // namespace snmp
