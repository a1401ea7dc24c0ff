#pragma once

#include <cstdint>

#include "snmp/ber/BerObject.h"
#include "snmp/protocol/VarBind.h"

namespace snmp {

// The ordered bindings of one message, as a chain through the bindings' next
// links. The list owns every binding reachable from its head. It keeps no
// tail and no count: appending and sizing walk the chain.
class VarBindList : public BerObject {
public:
    VarBindList() noexcept = default;
    // Deletes the chain first to last, one binding at a time, so a long chain
    // never recurses.
    ~VarBindList() override;

    VarBindList(const VarBindList&) = delete;
    VarBindList& operator=(const VarBindList&) = delete;

    // Adds binding, with whatever chain hangs from its next link, after the
    // last binding and takes ownership of all of it. Null changes nothing.
    void append(VarBind* binding) noexcept;
    // Makes binding the head and returns the former chain, which the caller
    // now owns. The binding's own next link is left as it is.
    VarBind* setHead(VarBind* binding) noexcept;
    VarBind* getHead() const noexcept { return head_; }

    // Octets that encode writes: 1 + lengthFieldSize(C) + C, C the sum of
    // the bindings' sizes.
    std::uint32_t encodedSize() const noexcept;
    // 30, length, then every binding in chain order.
    void encode(std::uint8_t*& cursor) const override;

private:
    std::uint32_t contentSize() const noexcept;

    VarBind* head_ = nullptr;
};

}  // namespace snmp
