#pragma once

#include <cstdint>
#include <memory>

#include "snmp/protocol/PduBase.h"

namespace snmp {

// A new PDU of the class that type names (160 to 164, 166, 167), with the
// fields a new PDU has; null for every other type, 165 included.
std::unique_ptr<PduBase> createPdu(std::int32_t type);

}  // namespace snmp
