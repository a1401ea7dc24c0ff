/* The floor for the time of one query: the least a process can do to ask an
 * agent on 127.0.0.1 for sysDescr.0. It sends the tool's 40-octet request
 * (community "public", request-id 123) as one datagram and waits for the
 * reply, with no library, no decoding and no output. scripts/measure-query
 * times the tool against it. Exit status 0 when a reply came. */
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int main(void) {
    static const unsigned char request[40] = {
        0x30, 0x26, 0x02, 0x01, 0x00, 0x04, 0x06, 'p',  'u',  'b',  'l',  'i',  'c',  0xA0,
        0x19, 0x02, 0x01, 0x7B, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x0E, 0x30, 0x0C,
        0x06, 0x08, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x01, 0x00, 0x05, 0x00};
    unsigned char reply[4096];
    struct sockaddr_in agent = {0};
    agent.sin_family = AF_INET;
    agent.sin_port = htons(161);
    agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);

    const int handle = socket(AF_INET, SOCK_DGRAM, 0);
    if (handle < 0 ||
        sendto(handle, request, sizeof request, 0, (const struct sockaddr*)&agent, sizeof agent) !=
            (ssize_t)sizeof request) {
        return 1;
    }
    struct pollfd entry = {handle, POLLIN, 0};
    if (poll(&entry, 1, 10000) != 1) {
        return 1;
    }
    return recv(handle, reply, sizeof reply, 0) > 0 ? 0 : 1;
}
