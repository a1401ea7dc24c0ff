#pragma once

#include <cstdint>
#include <memory>

#include "snmp/transport/UdpSocket.h"

namespace snmp {

class SnmpMessage;

// One SNMP exchange over UDP with one agent. Construction resolves the agent
// (a dotted IPv4 address, else a host name) and binds the socket to any
// local address and a free port; that settles for good whether the transport
// is ready. A transport that is not ready answers send with 0 and receive
// with null at once. The socket is not connected: replies are taken from
// any sender.
class UdpTransport : public UdpSocket {
public:
    // The default reply time-out is 5 seconds. An empty or null host leaves
    // the transport not ready.
    UdpTransport(std::int32_t port, const char* host);
    ~UdpTransport();

    // Longest wait for a reply, in seconds; 0 waits without limit.
    void setTimeout(std::int32_t seconds) noexcept { timeoutSeconds_ = seconds; }
    // Sends message (which stays the caller's) as one datagram: the octets
    // sent, or 0 when not ready or on any failure.
    std::int32_t send(const SnmpMessage& message) noexcept;
    // The next datagram from any sender, decoded: a new message owned by
    // the caller, or null when not ready, on time-out, on failure, or when
    // the datagram does not decode.
    SnmpMessage* receive();

private:
    void setHost(const char* host);
    void resolveAndBind();

    std::unique_ptr<char[]> hostText_;
};

}  // namespace snmp
