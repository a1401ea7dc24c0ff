#pragma once

#include <cstdint>
#include <memory>

#include "platform/Sockets.h"

namespace snmp {

class SnmpMessage;

// A datagram socket with its receive buffer: sends a message to an address
// and receives one message from any sender within a time-out. Socket
// failures never raise; they give a count of 0 or no message, and the code
// of the latest one is kept in lastError, which is never reset.
//
// The base of UdpTransport, which is the class to use; the read-only
// accessors are public so the state after a call can be inspected.
class UdpSocket {
public:
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // The agent's port as given, host byte order.
    std::int32_t getPort() const noexcept { return port_; }
    std::int32_t getBufferSize() const noexcept { return bufferSize_; }
    // The last datagram received, then zero octets up to getBufferSize().
    const std::uint8_t* getBuffer() const noexcept { return buffer_.get(); }
    // Octets of the last datagram; 0 after a time-out or a failed receive.
    std::int32_t getReceivedLength() const noexcept { return receivedLength_; }
    // The platform's code for the latest failed socket call; 0 until one fails.
    std::int32_t getLastError() const noexcept { return lastError_; }
    std::int32_t getTimeout() const noexcept { return timeoutSeconds_; }
    bool isReady() const noexcept { return ready_; }

protected:
    // Opens the socket and a 4096-octet buffer. A socket that cannot be
    // created leaves the invalid handle and records the error.
    UdpSocket(std::int32_t port, std::int32_t timeoutSeconds);
    // Closes the socket when there is one.
    ~UdpSocket();

    // Keeps port whole; datagrams go to its low 16 bits.
    void setPort(std::int32_t port) noexcept;
    // Replaces the buffer by a new one of size octets.
    void setBufferSize(std::int32_t size);

    // Encodes message into a buffer of its exact size and sends it to
    // address: the count sent, or 0 on any failure, exceptions included.
    std::int32_t sendMessage(const SnmpMessage& message, const sockaddr_in& address) noexcept;
    // Waits for one datagram and decodes it: a new message owned by the
    // caller, or null.
    SnmpMessage* receiveMessage();
    // Sends length octets to address: the count sent, or 0.
    std::int32_t sendDatagram(const std::uint8_t* octets, std::int32_t length, const sockaddr_in& address) noexcept;
    // Waits for one datagram from any sender and keeps it in the buffer:
    // the buffer, or null after a time-out or a failure (the buffer then
    // still holds the previous datagram).
    const std::uint8_t* receiveDatagram();
    // Stores the platform's latest socket error code and gives it.
    std::int32_t recordLastError() noexcept;

    std::int32_t port_;
    std::int32_t bufferSize_ = 0;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::int32_t receivedLength_ = 0;
    std::int32_t lastError_ = 0;
    std::int32_t timeoutSeconds_;
    platform::SocketHandle socketHandle_ = platform::kInvalidSocket;
    sockaddr_in agentAddress_{};
    sockaddr_in localAddress_{};
    bool ready_ = false;
};

}  // namespace snmp
