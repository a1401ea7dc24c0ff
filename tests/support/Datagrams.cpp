#include "tests/support/Datagrams.h"

namespace testing_support {

namespace {

// Two's complement in the fewest octets.
Octets integerContent(std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    Octets content;
    int length = 4;
    while (length > 1) {
        const auto top9 = (bits >> (8 * (length - 1) - 1)) & 0x1FFu;
        if (top9 != 0 && top9 != 0x1FFu) {
            break;
        }
        --length;
    }
    for (int i = length - 1; i >= 0; --i) {
        content.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    return content;
}

}  // namespace

Octets tlv(std::uint8_t tag, const Octets& content) {
    Octets octets{tag};
    const std::size_t length = content.size();
    if (length < 0x80) {
        octets.push_back(static_cast<std::uint8_t>(length));
    } else if (length <= 0xFF) {
        octets.insert(octets.end(), {0x81, static_cast<std::uint8_t>(length)});
    } else {
        octets.insert(octets.end(), {0x82, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
    }
    octets.insert(octets.end(), content.begin(), content.end());
    return octets;
}

Octets concat(std::initializer_list<Octets> parts) {
    Octets octets;
    for (const Octets& part : parts) {
        octets.insert(octets.end(), part.begin(), part.end());
    }
    return octets;
}

Octets octetsOf(std::string_view text) { return Octets(text.begin(), text.end()); }

Octets sysDescrResponse(std::string_view community, std::int32_t requestId, std::string_view description) {
    const Octets sysDescr0{0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x01, 0x00};
    const Octets binding = tlv(0x30, concat({tlv(0x06, sysDescr0), tlv(0x04, octetsOf(description))}));
    const Octets pdu = tlv(0xA2, concat({tlv(0x02, integerContent(requestId)), tlv(0x02, {0x00}), tlv(0x02, {0x00}),
                                         tlv(0x30, binding)}));
    return tlv(0x30, concat({tlv(0x02, {0x00}), tlv(0x04, octetsOf(community)), pdu}));
}

}  // namespace testing_support
