#include "snmp/transport/UdpSocket.h"

#include <cstring>
#include <vector>

#include "snmp/protocol/MessageDecoder.h"
#include "snmp/protocol/SnmpMessage.h"

namespace snmp {

namespace {
constexpr std::int32_t kDefaultBufferSize = 4096;
}  // namespace

UdpSocket::UdpSocket(std::int32_t port, std::int32_t timeoutSeconds)
    : port_(port), timeoutSeconds_(timeoutSeconds) {
    setBufferSize(kDefaultBufferSize);
    socketHandle_ = platform::openDatagramSocket();
    if (socketHandle_ == platform::kInvalidSocket) {
        recordLastError();
    }
    agentAddress_.sin_family = AF_INET;
    setPort(port);
}

UdpSocket::~UdpSocket() {
    if (socketHandle_ != platform::kInvalidSocket) {
        platform::closeSocket(socketHandle_);
    }
}

void UdpSocket::setPort(std::int32_t port) noexcept {
    port_ = port;
    agentAddress_.sin_port = htons(static_cast<std::uint16_t>(port & 0xFFFF));
}

void UdpSocket::setBufferSize(std::int32_t size) {
    buffer_.reset();
    bufferSize_ = size;
    buffer_.reset(new std::uint8_t[static_cast<std::size_t>(size)]);
}

std::int32_t UdpSocket::sendMessage(const SnmpMessage& message, const sockaddr_in& address) noexcept {
    try {
        const std::uint32_t size = message.encodedSize();
        std::vector<std::uint8_t> octets(size);
        std::uint8_t* cursor = octets.data();
        message.encode(cursor);
        return sendDatagram(octets.data(), static_cast<std::int32_t>(size), address);
    } catch (...) {
        return 0;
    }
}

SnmpMessage* UdpSocket::receiveMessage() {
    if (receiveDatagram() == nullptr || receivedLength_ == 0) {
        return nullptr;
    }
    MessageDecoder decoder(buffer_.get(), receivedLength_);
    return decoder.release();
}

std::int32_t UdpSocket::sendDatagram(const std::uint8_t* octets, std::int32_t length,
                                     const sockaddr_in& address) noexcept {
    const std::int32_t sent = platform::sendTo(socketHandle_, octets, length, address);
    if (sent < 0) {
        recordLastError();
        return 0;
    }
    return sent;
}

const std::uint8_t* UdpSocket::receiveDatagram() {
    // The datagram lands in a scratch area first, so a failed receive leaves
    // the previous one in the buffer.
    std::unique_ptr<std::uint8_t[]> scratch(new std::uint8_t[static_cast<std::size_t>(bufferSize_)]);
    receivedLength_ = 0;
    if (platform::waitReadable(socketHandle_, timeoutSeconds_) <= 0) {
        return nullptr;
    }
    const std::int32_t length = platform::receiveFrom(socketHandle_, scratch.get(), bufferSize_);
    if (length <= 0) {
        recordLastError();
        return nullptr;
    }
    receivedLength_ = length;
    const auto copied = static_cast<std::size_t>(length);
    std::memcpy(buffer_.get(), scratch.get(), copied);
    std::memset(buffer_.get() + copied, 0, static_cast<std::size_t>(bufferSize_) - copied);
    return buffer_.get();
}

std::int32_t UdpSocket::recordLastError() noexcept {
    lastError_ = platform::lastSocketError();
    return lastError_;
}

}  // namespace snmp
