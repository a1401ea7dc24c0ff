#include "snmp/protocol/VarBindList.h"

#include "snmp/ber/BerPrimitives.h"
#include "snmp/ber/BerTags.h"

namespace snmp {

VarBindList::~VarBindList() {
    while (head_ != nullptr) {
        VarBind* next = head_->getNext();
        delete head_;
        head_ = next;
    }
}

void VarBindList::append(VarBind* binding) noexcept {
    if (head_ == nullptr) {
        head_ = binding;
        return;
    }
    VarBind* last = head_;
    while (last->getNext() != nullptr) {
        last = last->getNext();
    }
    last->setNext(binding);
}

VarBind* VarBindList::setHead(VarBind* binding) noexcept {
    VarBind* former = head_;
    head_ = binding;
    return former;
}

std::uint32_t VarBindList::contentSize() const noexcept {
    std::uint32_t content = 0;
    for (const VarBind* binding = head_; binding != nullptr; binding = binding->getNext()) {
        content += binding->encodedSize();
    }
    return content;
}

std::uint32_t VarBindList::encodedSize() const noexcept {
    const std::uint32_t content = contentSize();
    return 1 + lengthFieldSize(content) + content;
}

void VarBindList::encode(std::uint8_t*& cursor) const {
    *cursor++ = kSequenceTag;
    writeLength(cursor, contentSize());
    for (const VarBind* binding = head_; binding != nullptr; binding = binding->getNext()) {
        binding->encode(cursor);
    }
}

}  // namespace snmp
