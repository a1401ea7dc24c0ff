// Feeds arbitrary texts to the value classes built from text. Each value must
// give its text and fill a buffer of its computed size exactly; identifiers and
// addresses must decode back from their own encoding to the same text, and
// rebuilding them from that text must give the same encoding.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "snmp/ber/ReadCursor.h"
#include "snmp/values/IpAddressValue.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OidValue.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The value's encoding in a buffer of exactly encodedSize octets (ASan catches
// a write past it); encode must advance the cursor by exactly that much.
std::unique_ptr<std::uint8_t[]> encodeExactly(const snmp::SnmpValue& value) {
    const std::uint32_t size = value.encodedSize();
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
    std::uint8_t* cursor = buffer.get();
    value.encode(cursor);
    require(cursor == buffer.get() + size);
    return buffer;
}

bool sameEncoding(const snmp::SnmpValue& a, const snmp::SnmpValue& b) {
    return a.encodedSize() == b.encodedSize() &&
           std::memcmp(encodeExactly(a).get(), encodeExactly(b).get(), a.encodedSize()) == 0;
}

template <typename Value>
void checkRoundTrip(const char* text) {
    const Value value(text);
    const char* shown = value.toText();
    require(shown != nullptr);

    // The decode constructor starts after the tag octet.
    const std::unique_ptr<std::uint8_t[]> encoding = encodeExactly(value);
    snmp::ReadCursor cursor(encoding.get() + 1, value.encodedSize() - 1);
    const Value decoded(cursor);
    require(!cursor.failed() && cursor.remaining() == 0);
    require(std::strcmp(decoded.toText(), shown) == 0);

    require(sameEncoding(Value(shown), value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The constructors take a terminated text, here in a buffer of exactly the
    // input and its terminator, so ASan catches a read past it. NULs in the
    // input simply end the text early.
    std::unique_ptr<char[]> text(new char[size + 1]);
    if (size > 0) {
        std::memcpy(text.get(), data, size);
    }
    text[size] = '\0';

    checkRoundTrip<snmp::OidValue>(text.get());
    checkRoundTrip<snmp::IpAddressValue>(text.get());

    const snmp::OctetStringValue octets(text.get());
    const std::size_t kept = std::min<std::size_t>(std::strlen(text.get()), std::numeric_limits<std::uint16_t>::max());
    require(octets.getContentLength() == kept);
    require(std::strlen(octets.toText()) >= kept);
    encodeExactly(octets);
    return 0;
}
