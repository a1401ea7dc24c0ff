#pragma once

#include <cstddef>
#include <cstdint>

namespace snmp {

// A non-owning view of received octets that knows where they end.
//
// Every read either succeeds and advances, or would pass the end: then it
// consumes nothing, yields zero or null, and the cursor fails. The failure is
// sticky, so a decoder reads a whole structure in straight-line code and tests
// failed() once at the end.
class ReadCursor {
public:
    ReadCursor(const std::uint8_t* data, std::size_t size) noexcept
        : start_(data), position_(data), end_(data + size) {}

    // The octet at the cursor, then one step on; 0 at the end.
    std::uint8_t readOctet() noexcept;

    // The next count octets, then past them; null when fewer remain.
    const std::uint8_t* take(std::size_t count) noexcept;

    // Marks the data as malformed; nothing more is read.
    void fail() noexcept { failed_ = true; }

    bool failed() const noexcept { return failed_; }
    std::size_t remaining() const noexcept { return failed_ ? 0 : static_cast<std::size_t>(end_ - position_); }
    // Octets consumed since the start of the data.
    std::size_t offset() const noexcept { return static_cast<std::size_t>(position_ - start_); }

private:
    const std::uint8_t* start_;
    const std::uint8_t* position_;
    const std::uint8_t* end_;
    bool failed_ = false;
};

inline std::uint8_t ReadCursor::readOctet() noexcept {
    if (failed_ || position_ == end_) {
        failed_ = true;
        return 0;
    }
    return *position_++;
}

inline const std::uint8_t* ReadCursor::take(std::size_t count) noexcept {
    if (failed_ || count > static_cast<std::size_t>(end_ - position_)) {
        failed_ = true;
        return nullptr;
    }
    const std::uint8_t* taken = position_;
    position_ += count;
    return taken;
}

}  // namespace snmp
