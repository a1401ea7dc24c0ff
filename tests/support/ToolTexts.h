#pragma once

#include <string>

namespace testing_support {

// What quarlin prints, whole, for a run that got this far.
inline std::string verboseSuccess(const std::string& agent, const std::string& description) {
    return "Quarlin v1.0\n\nAgent:\t" + agent + "\nDescription:\t" + description + "\n";
}

inline std::string verboseFailure(const std::string& agent) {
    return "Quarlin v1.0\n\nAgent:\t" + agent + "\n\nERROR: Community string or SNMP error\n";
}

inline std::string oneLineSuccess(const std::string& agent, const std::string& description) {
    return agent + "," + description + "\n";
}

inline const char kOneLineFailure[] = "Error with community string\n";

}  // namespace testing_support
