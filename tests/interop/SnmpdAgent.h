#pragma once

#include <string>
#include <sys/types.h>

namespace testing_support {

// Debian's snmpd serving udp:127.0.0.1:161 in the test's private network,
// with a configuration of the test's own and its files in a temporary
// folder; it is stopped at destruction.
class SnmpdAgent {
public:
    static constexpr char kProgram[] = "/usr/sbin/snmpd";
    static bool installed();

    // Starts snmpd with configuration and returns once it answers a
    // GetRequest under community. Throws std::runtime_error, with the
    // agent's log, when it does not start.
    SnmpdAgent(const std::string& configuration, const std::string& community);
    ~SnmpdAgent();

    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

private:
    void waitUntilAnswering(const std::string& community);
    std::string log() const;

    std::string directory_;
    pid_t process_ = -1;
};

}  // namespace testing_support
