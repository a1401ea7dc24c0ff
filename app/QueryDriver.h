#pragma once

#include "app/Reporter.h"

namespace quarlin {

// The one SNMP exchange of a run: asks host (a dotted IPv4 address or a host
// name) for sysDescr.0 with an SNMPv1 GetRequest under community, waits up to
// 10 seconds for the reply and reports the description or a failure through
// reporter, exactly once. Everything it made is released when it returns.
void queryDescription(const char* host, const char* community, Reporter& reporter);

}  // namespace quarlin
