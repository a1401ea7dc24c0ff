#include "platform/Sockets.h"

#include <cstring>

#ifndef _WIN32
#include <algorithm>

#include <poll.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef _WIN32

int startSockets() noexcept {
    WSADATA data;
    return WSAStartup(0x0101, &data);
}

void stopSockets() noexcept {
    WSACleanup();
}

SocketHandle openDatagramSocket() noexcept {
    return socket(AF_INET, SOCK_DGRAM, 0);
}

int bindSocket(SocketHandle handle, const sockaddr_in& address) noexcept {
    return bind(handle, reinterpret_cast<const sockaddr*>(&address), static_cast<int>(sizeof address));
}

void closeSocket(SocketHandle handle) noexcept {
    closesocket(handle);
}

int lastSocketError() noexcept {
    return WSAGetLastError();
}

int lastLookupError() noexcept {
    return WSAGetLastError();
}

std::int32_t sendTo(SocketHandle handle, const std::uint8_t* octets, std::int32_t length,
                    const sockaddr_in& address) noexcept {
    return sendto(handle, reinterpret_cast<const char*>(octets), length, 0,
                  reinterpret_cast<const sockaddr*>(&address), static_cast<int>(sizeof address));
}

int waitReadable(SocketHandle handle, std::int32_t timeoutSeconds) noexcept {
    if (timeoutSeconds < 0) {
        return -1;
    }
    // A Windows fd_set is a counted list of handles, not a bit map indexed by
    // the handle's value, so one handle always fits.
    fd_set readSet;
    FD_ZERO(&readSet);
    FD_SET(handle, &readSet);
    timeval limit{};
    limit.tv_sec = timeoutSeconds;
    limit.tv_usec = 0;
    return select(0, &readSet, nullptr, nullptr, timeoutSeconds == 0 ? nullptr : &limit);
}

std::int32_t receiveFrom(SocketHandle handle, std::uint8_t* octets, std::int32_t capacity) noexcept {
    // Windows Sockets fails this call with WSAEMSGSIZE when the datagram is
    // longer than capacity.
    return recvfrom(handle, reinterpret_cast<char*>(octets), capacity, 0, nullptr, nullptr);
}

#else

int startSockets() noexcept {
    return 0;
}

void stopSockets() noexcept {}

SocketHandle openDatagramSocket() noexcept {
    return socket(AF_INET, SOCK_DGRAM, 0);
}

int bindSocket(SocketHandle handle, const sockaddr_in& address) noexcept {
    return bind(handle, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void closeSocket(SocketHandle handle) noexcept {
    close(handle);
}

int lastSocketError() noexcept {
    return errno;
}

int lastLookupError() noexcept {
    return h_errno;
}

std::int32_t sendTo(SocketHandle handle, const std::uint8_t* octets, std::int32_t length,
                    const sockaddr_in& address) noexcept {
    if (length < 0) {
        errno = EINVAL;
        return -1;
    }
    return static_cast<std::int32_t>(sendto(handle, octets, static_cast<std::size_t>(length), 0,
                                            reinterpret_cast<const sockaddr*>(&address), sizeof address));
}

int waitReadable(SocketHandle handle, std::int32_t timeoutSeconds) noexcept {
    if (timeoutSeconds < 0) {
        return -1;
    }
    // poll rather than select: an fd_set is a bit map that a descriptor
    // number of FD_SETSIZE or more would overflow.
    pollfd entry{};
    entry.fd = handle;
    entry.events = POLLIN;
    if (timeoutSeconds == 0) {
        return poll(&entry, 1, -1);
    }
    // poll counts milliseconds in an int; a longer wait goes in slices.
    constexpr std::int64_t kLongestSlice = 1000 * 1000 * 1000;
    std::int64_t remaining = std::int64_t{timeoutSeconds} * 1000;
    for (;;) {
        const std::int64_t slice = std::min(remaining, kLongestSlice);
        const int result = poll(&entry, 1, static_cast<int>(slice));
        remaining -= slice;
        if (result != 0 || remaining == 0) {
            return result;
        }
    }
}

std::int32_t receiveFrom(SocketHandle handle, std::uint8_t* octets, std::int32_t capacity) noexcept {
    if (capacity < 0) {
        errno = EINVAL;
        return -1;
    }
    // Linux cuts a datagram that does not fit and says nothing; MSG_TRUNC
    // makes recvfrom give the real length, so a cut one fails as on Windows.
    const ssize_t length =
        recvfrom(handle, octets, static_cast<std::size_t>(capacity), MSG_TRUNC, nullptr, nullptr);
    if (length > capacity) {
        errno = EMSGSIZE;
        return -1;
    }
    return static_cast<std::int32_t>(length);
}

#endif

bool takeIpv4Address(const hostent& entry, in_addr& address) noexcept {
    constexpr int kIpv4Length = 4;
    static_assert(sizeof address == kIpv4Length, "an IPv4 address is 4 octets");
    if (entry.h_addrtype != AF_INET || entry.h_length != kIpv4Length || entry.h_addr_list == nullptr ||
        entry.h_addr_list[0] == nullptr) {
        return false;
    }
    std::memcpy(&address, entry.h_addr_list[0], sizeof address);
    return true;
}

}  // namespace platform
