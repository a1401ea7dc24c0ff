#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace snmp {

// The owned content octets of a string-like value (octet strings, IpAddress,
// Opaque, object identifiers). The count is kept by the value itself.
//
// Short contents (communities, most identifiers, addresses) are kept inline,
// so decoding a typical message allocates nothing for them; longer ones go to
// the heap. A NUL that is not part of the content always follows it, so a
// content that holds no NUL is also its own C text.
class OctetContent {
public:
    OctetContent() noexcept = default;
    OctetContent(const OctetContent&) = delete;
    OctetContent& operator=(const OctetContent&) = delete;

    // Replaces the content by a copy of count octets.
    void assign(const std::uint8_t* octets, std::size_t count);

    const std::uint8_t* data() const noexcept { return heap_ ? heap_.get() : inline_; }
    // The content followed by its NUL, as text.
    const char* text() const noexcept { return reinterpret_cast<const char*>(data()); }

private:
    // Octets kept inline, the NUL included.
    static constexpr std::size_t kInlineCapacity = 24;

    std::uint8_t inline_[kInlineCapacity] = {};
    std::unique_ptr<std::uint8_t[]> heap_;
};

}  // namespace snmp
