#include "snmp/values/OctetContent.h"

#include <cstring>

namespace snmp {

OctetContent::OctetContent(const std::uint8_t* octets, std::size_t count) {
    assign(octets, count);
}

void OctetContent::assign(const std::uint8_t* octets, std::size_t count) {
    if (count <= kInlineCapacity) {
        heap_.reset();
        if (count > 0) {
            std::memcpy(inline_, octets, count);
        }
        return;
    }
    heap_.reset(new std::uint8_t[count]);
    std::memcpy(heap_.get(), octets, count);
}

}  // namespace snmp
