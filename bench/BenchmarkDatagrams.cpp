#include "bench/BenchmarkDatagrams.h"

#include <initializer_list>
#include <string>

namespace bench {

namespace {

// Appends one element: tag, definite length (short or long form), contents.
void appendTlv(Octets& out, std::uint8_t tag, const Octets& contents) {
    out.push_back(tag);
    const std::size_t n = contents.size();
    if (n <= 126) {
        out.push_back(static_cast<std::uint8_t>(n));
    } else if (n <= 0xFF) {
        out.insert(out.end(), {0x81, static_cast<std::uint8_t>(n)});
    } else {
        out.insert(out.end(), {0x82, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
    }
    out.insert(out.end(), contents.begin(), contents.end());
}

Octets tlv(std::uint8_t tag, const Octets& contents) {
    Octets out;
    appendTlv(out, tag, contents);
    return out;
}

Octets join(std::initializer_list<Octets> parts) {
    Octets out;
    for (const Octets& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Octets textOctets(const std::string& text) { return Octets(text.begin(), text.end()); }

// SNMP message around a GetResponse PDU with request-id 123, status and index 0.
Octets response(std::uint8_t version, const Octets& bindings) {
    const Octets fields = {0x02, 0x01, 0x7B, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00};
    return tlv(0x30, join({{0x02, 0x01, version},
                           tlv(0x04, textOctets("public")),
                           tlv(0xA2, join({fields, tlv(0x30, bindings)}))}));
}

}  // namespace

Octets sysDescrResponse(std::size_t descriptionLength) {
    std::string description = "Router model 7, software release 12.4(3), built on a quiet day";
    while (description.size() < descriptionLength) {
        description += description;
    }
    description.resize(descriptionLength);
    const Octets sysDescr = {0x06, 0x08, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x01, 0x00};
    return response(0, tlv(0x30, join({sysDescr, tlv(0x04, textOctets(description))})));
}

Octets mixedResponse(std::size_t count) {
    const Octets values[] = {
        {0x02, 0x02, 0x01, 0x2C},                                            // Integer 300
        tlv(0x04, textOctets("eth0 uplink")),                                // OCTET STRING
        {0x06, 0x07, 0x2B, 0x06, 0x01, 0x04, 0x01, 0x8F, 0x65},              // OID
        {0x40, 0x04, 0xC0, 0xA8, 0x01, 0x0A},                                // IpAddress
        {0x41, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF},                          // Counter
        {0x42, 0x04, 0x3B, 0x9A, 0xCA, 0x00},                                // Gauge
        {0x43, 0x04, 0x01, 0x1C, 0x8E, 0x40},                                // TimeTicks
        {0x46, 0x08, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08},        // Counter64
    };
    Octets bindings;
    for (std::size_t i = 0; i < count; ++i) {
        // ifTable-like names: 1.3.6.1.2.1.2.2.1.<column>.<row>
        const Octets name = {0x06, 0x0A, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x02, 0x02, 0x01,
                             static_cast<std::uint8_t>(1 + i % 8), static_cast<std::uint8_t>(1 + i / 8)};
        appendTlv(bindings, 0x30, join({name, values[i % 8]}));
    }
    return response(1, bindings);
}

}  // namespace bench
