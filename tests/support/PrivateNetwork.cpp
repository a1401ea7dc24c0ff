#include "tests/support/PrivateNetwork.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {
namespace {

std::string failure(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string bringLoopbackUp() {
    const int handle = socket(AF_INET, SOCK_DGRAM, 0);
    if (handle < 0) return failure("socket for the loopback interface");
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    std::string result;
    if (ioctl(handle, SIOCGIFFLAGS, &request) != 0) {
        result = failure("reading the loopback interface's flags");
    } else {
        request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
        if (ioctl(handle, SIOCSIFFLAGS, &request) != 0) result = failure("bringing the loopback interface up");
    }
    close(handle);
    return result;
}

// Writes text to a new file in directory and mounts it over target; the
// file itself is removed again, the mount keeps it alive.
std::string replaceFile(const std::string& directory, const char* name, const char* text, const char* target) {
    const std::string path = directory + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) return failure("writing " + path);
    std::fputs(text, file);
    std::fclose(file);
    std::string result;
    if (mount(path.c_str(), target, nullptr, MS_BIND, nullptr) != 0) {
        result = failure(std::string("mounting over ") + target);
    }
    std::remove(path.c_str());
    return result;
}

std::string replaceNameResolution() {
    char directory[] = "/tmp/quarlin-network-XXXXXX";
    if (mkdtemp(directory) == nullptr) return failure("making a temporary folder");
    const std::string hosts = std::string("127.0.0.1\tlocalhost\n127.0.0.1\t") + kAgentHostName + "\n";
    std::string result = replaceFile(directory, "hosts", hosts.c_str(), "/etc/hosts");
    if (result.empty()) {
        // Port 53 of this namespace's loopback: nobody listens, a query is refused at once.
        result = replaceFile(directory, "resolv.conf", "nameserver 127.0.0.1\noptions timeout:1 attempts:1\n",
                             "/etc/resolv.conf");
    }
    if (result.empty()) {
        result = replaceFile(directory, "nsswitch.conf", "hosts: files dns\n", "/etc/nsswitch.conf");
    }
    rmdir(directory);
    return result;
}

}  // namespace

std::string enterPrivateNetwork() {
    if (geteuid() != 0) {
        return "These tests make a private network namespace and must run as root.";
    }
    if (unshare(CLONE_NEWNET | CLONE_NEWNS) != 0) return failure("unshare(CLONE_NEWNET | CLONE_NEWNS)");
    // Mounts made from here on stay inside this mount namespace.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return failure("making / private");
    std::string result = bringLoopbackUp();
    if (result.empty()) result = replaceNameResolution();
    return result;
}

}  // namespace testing_support
