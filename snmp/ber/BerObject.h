#pragma once

#include <cstdint>

namespace snmp {

// Root of every encodable object: values, bindings, lists, PDUs, messages.
// Objects are deleted by their owner through the virtual destructor.
class BerObject {
public:
    virtual ~BerObject() = default;

    // Writes the object's encoding at cursor and leaves cursor just past it.
    // The caller sized the buffer from the object's encoded size; nothing
    // here checks the space left.
    virtual void encode(std::uint8_t*& cursor) const = 0;

protected:
    BerObject() = default;
    BerObject(const BerObject&) = default;
    BerObject& operator=(const BerObject&) = default;
};

}  // namespace snmp
