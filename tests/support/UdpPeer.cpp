#include "tests/support/UdpPeer.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

sockaddr_in loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

}  // namespace

UdpPeer::UdpPeer(std::uint16_t port) {
    handle_ = socket(AF_INET, SOCK_DGRAM, 0);
    if (handle_ < 0) fail("socket");
    sockaddr_in address = loopback(port);
    if (bind(handle_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(handle_);
        fail("bind to 127.0.0.1:" + std::to_string(port));
    }
    socklen_t length = sizeof address;
    getsockname(handle_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}

UdpPeer::~UdpPeer() {
    close(handle_);
}

std::optional<Datagram> UdpPeer::receive(int milliseconds) {
    pollfd entry{handle_, POLLIN, 0};
    const int ready = poll(&entry, 1, milliseconds);
    if (ready < 0) fail("poll");
    if (ready == 0) return std::nullopt;
    Datagram datagram;
    datagram.octets.resize(65536);
    sockaddr_in source{};
    socklen_t length = sizeof source;
    const ssize_t count = recvfrom(handle_, datagram.octets.data(), datagram.octets.size(), 0,
                                   reinterpret_cast<sockaddr*>(&source), &length);
    if (count < 0) fail("recvfrom");
    datagram.octets.resize(static_cast<std::size_t>(count));
    datagram.sourcePort = ntohs(source.sin_port);
    return datagram;
}

void UdpPeer::sendTo(std::uint16_t port, const std::vector<std::uint8_t>& octets) {
    const sockaddr_in address = loopback(port);
    const ssize_t sent = sendto(handle_, octets.data(), octets.size(), 0,
                                reinterpret_cast<const sockaddr*>(&address), sizeof address);
    if (sent != static_cast<ssize_t>(octets.size())) fail("sendto");
}

}  // namespace testing_support
