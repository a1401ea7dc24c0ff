#pragma once

#include <string>

namespace testing_support {

// A host name that the private network's hosts file maps to 127.0.0.1.
constexpr char kAgentHostName[] = "agent.quarlin.test";

// Moves the process (and every program it starts later) into a network and
// mount namespace of its own: only the loopback interface, brought up, and
// name resolution from a hosts file of its own, with a resolver that points
// at an unused loopback port, so nothing is sent beyond this machine and
// nothing the tests do is seen outside. Needs root.
//
// Gives an empty text on success, else what failed.
std::string enterPrivateNetwork();

}  // namespace testing_support
