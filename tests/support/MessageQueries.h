#pragma once

#include <cstdint>
#include <vector>

#include "snmp/protocol/SnmpMessage.h"

namespace testing_support {

// Puts every query of message to use: the version (its exception caught),
// the community, the binding count and every binding's name, type and value
// text (one position before and one after them too), every PDU getter, then
// encodedSize and an encoding into a buffer of exactly that size, which it
// returns. Every text given is read to its end. Under the sanitizers this
// shows that a message is safe to use, whatever it holds.
std::vector<std::uint8_t> queryEverything(const snmp::SnmpMessage& message);

}  // namespace testing_support
