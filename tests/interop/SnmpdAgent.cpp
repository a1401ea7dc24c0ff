#include "tests/interop/SnmpdAgent.h"

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/Datagrams.h"
#include "tests/support/Hex.h"
#include "tests/support/UdpPeer.h"

extern char** environ;

namespace testing_support {
namespace {

constexpr std::uint16_t kAgentPort = 161;
constexpr int kProbes = 100;
constexpr int kProbeWaitMilliseconds = 100;

// A GetRequest for sysDescr.0, as a probe of the agent.
Octets probeRequest(const std::string& community) {
    return tlv(0x30, concat({hex("02 01 00"), tlv(0x04, octetsOf(community)),
                             hex("A0 19 02 01 01 02 01 00 02 01 00 30 0E 30 0C 06 08 2B 06 01 02 01 01 01 00 05 00")}));
}

}  // namespace

bool SnmpdAgent::installed() {
    return access(kProgram, X_OK) == 0;
}

SnmpdAgent::SnmpdAgent(const std::string& configuration, const std::string& community) {
    char directory[] = "/tmp/quarlin-snmpd-XXXXXX";
    if (mkdtemp(directory) == nullptr) throw std::runtime_error("cannot make a folder for snmpd");
    directory_ = directory;
    std::ofstream(directory_ + "/snmpd.conf") << configuration;

    const std::string configPath = directory_ + "/snmpd.conf";
    const std::string logPath = directory_ + "/snmpd.log";
    std::vector<std::string> arguments{kProgram, "-f", "-Lf", logPath, "-C", "-c", configPath, "udp:127.0.0.1:161"};
    // No MIB files to parse, and the agent's persistent files in its folder.
    std::vector<std::string> environment{"MIBS=", "MIBDIRS=" + directory_ + "/no-mibs",
                                         "SNMP_PERSISTENT_DIR=" + directory_ + "/persistent"};
    for (char** variable = environ; *variable != nullptr; ++variable) environment.emplace_back(*variable);

    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& variable : environment) envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int result = posix_spawn(&process_, kProgram, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        process_ = -1;
        throw std::runtime_error(std::string("cannot start ") + kProgram);
    }
    waitUntilAnswering(community);
}

SnmpdAgent::~SnmpdAgent() {
    if (process_ > 0) {
        kill(process_, SIGTERM);
        waitpid(process_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

void SnmpdAgent::waitUntilAnswering(const std::string& community) {
    UdpPeer manager;
    const Octets probe = probeRequest(community);
    for (int i = 0; i < kProbes; ++i) {
        if (waitpid(process_, nullptr, WNOHANG) == process_) {
            process_ = -1;
            throw std::runtime_error("snmpd ended at start; its log:\n" + log());
        }
        manager.sendTo(kAgentPort, probe);
        if (manager.receive(kProbeWaitMilliseconds)) return;
    }
    throw std::runtime_error("snmpd did not answer within 10 seconds; its log:\n" + log());
}

std::string SnmpdAgent::log() const {
    std::ostringstream text;
    text << std::ifstream(directory_ + "/snmpd.log").rdbuf();
    return text.str();
}

}  // namespace testing_support
