#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace testing_support {

struct Datagram {
    std::vector<std::uint8_t> octets;
    std::uint16_t sourcePort = 0;
};

// The other end of an exchange in a test: a UDP socket on 127.0.0.1 that
// receives and sends whole datagrams of any content. Failures of the socket
// calls throw std::runtime_error, which fails the test.
class UdpPeer {
public:
    // Binds 127.0.0.1:port; port 0 takes a free one.
    explicit UdpPeer(std::uint16_t port = 0);
    ~UdpPeer();

    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    std::uint16_t port() const { return port_; }

    // The next datagram, whole, if one arrives within milliseconds.
    std::optional<Datagram> receive(int milliseconds);
    // Sends octets as one datagram to 127.0.0.1:port.
    void sendTo(std::uint16_t port, const std::vector<std::uint8_t>& octets);

private:
    int handle_ = -1;
    std::uint16_t port_ = 0;
};

}  // namespace testing_support
