#pragma once

#include <cstdint>
#include <memory>

#include "snmp/ber/BerObject.h"
#include "snmp/values/SnmpValue.h"

namespace snmp {

// One variable binding: an object name and its value. Owns both; either may
// be absent. A missing value goes on the wire as NULL (05 00).
//
// The next link chains bindings into a VarBindList. It is not owned here: the
// list owns every binding of its chain.
class VarBind : public BerObject {
public:
    VarBind() noexcept = default;
    // Takes ownership of name and value; either may be null.
    VarBind(SnmpValue* name, SnmpValue* value) noexcept;
    ~VarBind() override = default;

    VarBind(const VarBind&) = delete;
    VarBind& operator=(const VarBind&) = delete;

    // Store the object and take ownership of it, deleting one held before.
    void setName(SnmpValue* name) noexcept { name_.reset(name); }
    void setValue(SnmpValue* value) noexcept { value_.reset(value); }
    // The held object or null; the binding keeps ownership.
    SnmpValue* getName() const noexcept { return name_.get(); }
    SnmpValue* getValue() const noexcept { return value_.get(); }

    VarBind* getNext() const noexcept { return next_; }
    void setNext(VarBind* next) noexcept { next_ = next; }

    // Octets that encode writes: 1 + lengthFieldSize(C) + C.
    std::uint32_t encodedSize() const noexcept;
    // 30, length, the name's TLV if any, the value's TLV or 05 00.
    void encode(std::uint8_t*& cursor) const override;

private:
    std::uint32_t contentSize() const noexcept;

    std::unique_ptr<SnmpValue> name_;
    std::unique_ptr<SnmpValue> value_;
    VarBind* next_ = nullptr;
};

}  // namespace snmp
