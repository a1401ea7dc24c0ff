#pragma once

// The socket library behind one set of names: Windows Sockets on Windows,
// BSD sockets elsewhere. Including this header brings socket, bind, sendto,
// recvfrom, select, inet_addr, gethostbyname, htons and htonl with it.

#ifdef _WIN32
// Keeps windows.h, which winsock2.h brings in, from defining min and max
// as macros and from pulling in what sockets do not need.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#else
#include <cerrno>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/types.h>
#endif

#include <cstdint>

namespace platform {

#ifdef _WIN32
using SocketHandle = SOCKET;
constexpr SocketHandle kInvalidSocket = INVALID_SOCKET;
// What the socket library reports for a datagram longer than the buffer.
constexpr int kMessageTooLong = WSAEMSGSIZE;
// What a name lookup reports for a name without an address of the kind asked.
constexpr int kNoAddress = WSANO_DATA;
#else
using SocketHandle = int;
constexpr SocketHandle kInvalidSocket = -1;
constexpr int kMessageTooLong = EMSGSIZE;
constexpr int kNoAddress = NO_DATA;
#endif

// Starts the socket library, asking for version 1.1. Gives 0 when it started.
int startSockets() noexcept;
// Stops what startSockets started.
void stopSockets() noexcept;

// A new IPv4 datagram socket, or kInvalidSocket.
SocketHandle openDatagramSocket() noexcept;
// 0 on success, non-zero on failure.
int bindSocket(SocketHandle handle, const sockaddr_in& address) noexcept;
void closeSocket(SocketHandle handle) noexcept;

// The error code of the latest failed socket call on this thread.
int lastSocketError() noexcept;
// The error code of the latest failed gethostbyname on this thread.
int lastLookupError() noexcept;

// Copies the first address of a host entry into address. Only an IPv4
// address of exactly 4 octets is taken; for any other entry address is left
// alone and the answer is false.
bool takeIpv4Address(const hostent& entry, in_addr& address) noexcept;

// Sends length octets as one datagram: the count sent, or a negative number
// on failure.
std::int32_t sendTo(SocketHandle handle, const std::uint8_t* octets, std::int32_t length,
                    const sockaddr_in& address) noexcept;

// Waits until handle has a datagram to read, for at most timeoutSeconds
// (0 waits without limit; a negative time fails). Gives a positive number
// when one is there, 0 after the time-out, a negative number on failure.
// Any descriptor number may be waited on.
int waitReadable(SocketHandle handle, std::int32_t timeoutSeconds) noexcept;

// Receives one datagram from any sender into octets (capacity octets) and
// gives its length. A failure gives a negative number, and so does a
// datagram longer than capacity, on every platform: lastSocketError then
// answers kMessageTooLong.
std::int32_t receiveFrom(SocketHandle handle, std::uint8_t* octets, std::int32_t capacity) noexcept;

}  // namespace platform
