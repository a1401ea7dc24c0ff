#include "snmp/values/OctetContent.h"

#include <cstring>

namespace snmp {

void OctetContent::assign(const std::uint8_t* octets, std::size_t count) {
    std::uint8_t* destination = inline_;
    if (count < kInlineCapacity) {
        heap_.reset();
    } else {
        heap_.reset(new std::uint8_t[count + 1]);
        destination = heap_.get();
    }
    if (count > 0) {
        std::memcpy(destination, octets, count);
    }
    destination[count] = 0;
}

}  // namespace snmp
