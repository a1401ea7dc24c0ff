#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "snmp/values/IpAddressValue.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OpaqueValue.h"
#include "tests/support/Hex.h"
#include "tests/values/ValueTesting.h"

using snmp::SnmpValue;
using testing_support::hex;
using testing_support::toHex;
using values_testing::decodeTlv;
using values_testing::encodeChecked;

namespace {

template <typename Value>
std::unique_ptr<SnmpValue> fromText(const char* text) {
    return std::make_unique<Value>(text);
}

template <typename Value>
std::unique_ptr<SnmpValue> decoded(const char* tlv) {
    return decodeTlv<Value>(hex(tlv));
}

TEST(OctetValues, EncodeAndShowAsTheirClassSays) {
    struct Case {
        const char* name;
        std::unique_ptr<SnmpValue> (*make)(const char*);
        const char* input;
        const char* encoding;
        std::string shown;
    };
    const Case cases[] = {
        {"string from text", fromText<snmp::OctetStringValue>, "abc", "04 03 61 62 63", "abc"},
        {"string from empty text", fromText<snmp::OctetStringValue>, "", "04 00", ""},
        {"string with 0xFF", decoded<snmp::OctetStringValue>, "04 03 01 02 FF", "04 03 01 02 FF", "0102ff"},
        {"string with zero", decoded<snmp::OctetStringValue>, "04 03 4A 4B 00", "04 03 4A 4B 00", "4a4b00"},
        {"string with tab and line ends", decoded<snmp::OctetStringValue>, "04 05 41 09 42 0D 0A",
         "04 05 41 09 42 0D 0A", "A\tB\r\n"},
        {"string with DEL", decoded<snmp::OctetStringValue>, "04 02 41 7F", "04 02 41 7F", "417f"},
        {"string with high octet last", decoded<snmp::OctetStringValue>, "04 03 7E 20 80", "04 03 7E 20 80",
         "7e2080"},
        {"address", fromText<snmp::IpAddressValue>, "192.168.1.10", "40 04 C0 A8 01 0A", "192.168.1.10"},
        {"address with doubled dot", fromText<snmp::IpAddressValue>, "10..0.0.1", "40 04 0A 00 00 01", "10.0.0.1"},
        {"address piece above 255", fromText<snmp::IpAddressValue>, "10.0.0.300", "40 04 0A 00 00 2C",
         "10.0.0.44"},
        {"address pieces like atoi", fromText<snmp::IpAddressValue>, " -1.+2.3x.4", "40 04 FF 02 03 04",
         "255.2.3.4"},
        // Pieces after the fourth are ignored; missing pieces give 0.
        {"address with six pieces", fromText<snmp::IpAddressValue>, "1.2.3.4.5.6", "40 04 01 02 03 04", "1.2.3.4"},
        {"address with two pieces", fromText<snmp::IpAddressValue>, "10.1", "40 04 0A 01 00 00", "10.1.0.0"},
        {"address from empty text", fromText<snmp::IpAddressValue>, "", "40 04 00 00 00 00", "0.0.0.0"},
        {"decoded six-octet address", decoded<snmp::IpAddressValue>, "40 06 01 02 03 04 05 06",
         "40 06 01 02 03 04 05 06", "1.2.3.4.5.6"},
        {"decoded empty address", decoded<snmp::IpAddressValue>, "40 00", "40 00", ""},
        {"opaque from NULL", decoded<snmp::OpaqueValue>, "05 00", "44 00", ""},
        {"opaque from unknown tag", decoded<snmp::OpaqueValue>, "A9 02 41 42", "44 02 41 42", "AB"},
        {"opaque with controls", decoded<snmp::OpaqueValue>, "44 05 41 09 42 0A 00", "44 05 41 09 42 0A 00",
         "A B  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<SnmpValue> value = c.make(c.input);
        EXPECT_EQ(toHex(encodeChecked(*value)), toHex(hex(c.encoding)));
        EXPECT_EQ(value->toText(), c.shown);
        EXPECT_EQ(value->toText(), value->toText());
    }
}

TEST(OctetValues, LengthFieldGrowsAt127Octets) {
    struct Case {
        const char* name;
        std::unique_ptr<SnmpValue> (*make)(const std::vector<std::uint8_t>&);
        std::uint8_t tag;
        std::size_t contentLength;
        const char* header;
    };
    const auto string = [](const std::vector<std::uint8_t>& tlv) -> std::unique_ptr<SnmpValue> {
        return decodeTlv<snmp::OctetStringValue>(tlv);
    };
    const auto opaque = [](const std::vector<std::uint8_t>& tlv) -> std::unique_ptr<SnmpValue> {
        return decodeTlv<snmp::OpaqueValue>(tlv);
    };
    const Case cases[] = {
        {"126-octet string", string, 0x04, 126, "04 7E"},
        {"127-octet string", string, 0x04, 127, "04 81 7F"},
        {"200-octet opaque", opaque, 0x44, 200, "44 81 C8"},
        {"65535-octet string", string, 0x04, 65535, "04 82 FF FF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> tlv = hex(c.header);
        for (std::size_t i = 0; i < c.contentLength; ++i) {
            tlv.push_back(static_cast<std::uint8_t>('a' + i % 26));
        }
        const std::unique_ptr<SnmpValue> value = c.make(tlv);
        EXPECT_EQ(value->encodedSize(), tlv.size());
        EXPECT_EQ(encodeChecked(*value), tlv);
    }
}

TEST(OctetStringValue, TextLongerThanTheContentLengthCanHoldKeepsItsFirst65535Octets) {
    const std::string text = std::string(65535, 'x') + "yz";
    const snmp::OctetStringValue value(text.c_str());
    EXPECT_EQ(value.getContentLength(), 65535);
    EXPECT_EQ(encodeChecked(value).size(), 65535u + 4u);
    EXPECT_EQ(value.toText(), text.substr(0, 65535));
}

// Every octet value, at the start, inside and at the end of a description-
// sized string: one octet that does not show as text turns the whole string
// into hex.
TEST(OctetStringValue, ShowsAsTextOnlyWhenEveryOctetIsPrintableOrALineControl) {
    const std::size_t positions[] = {0, 17, 40};
    for (int octet = 0; octet < 256; ++octet) {
        const bool showsAsText = (octet >= 0x20 && octet <= 0x7E) || octet == '\t' || octet == '\n' || octet == '\r';
        for (const std::size_t position : positions) {
            SCOPED_TRACE(testing::Message() << "octet " << octet << " at " << position);
            std::vector<std::uint8_t> tlv = {0x04, 41};
            tlv.resize(2 + 41, 'a');
            tlv[2 + position] = static_cast<std::uint8_t>(octet);
            const std::unique_ptr<snmp::OctetStringValue> value = decodeTlv<snmp::OctetStringValue>(tlv);

            std::string expected(tlv.begin() + 2, tlv.end());
            if (!showsAsText) {
                static constexpr char kDigits[] = "0123456789abcdef";
                expected.clear();
                for (std::size_t i = 2; i < tlv.size(); ++i) {
                    expected += kDigits[tlv[i] >> 4];
                    expected += kDigits[tlv[i] & 0x0F];
                }
            }
            EXPECT_EQ(value->toText(), expected);
        }
    }
}

// Short contents are kept inside the value and longer ones apart; the text
// must be the whole content either way, and stay the same text.
TEST(OctetStringValue, PrintableTextIsTheWholeContentAtEveryLength) {
    const std::size_t lengths[] = {0, 1, 22, 23, 24, 25, 300};
    for (const std::size_t length : lengths) {
        SCOPED_TRACE(testing::Message() << length << " octets");
        std::string content;
        for (std::size_t i = 0; i < length; ++i) {
            content += static_cast<char>('a' + i % 26);
        }
        const snmp::OctetStringValue fromText(content.c_str());
        std::vector<std::uint8_t> tlv = {0x04, 0x82, static_cast<std::uint8_t>(length >> 8),
                                         static_cast<std::uint8_t>(length)};
        tlv.insert(tlv.end(), content.begin(), content.end());
        const std::unique_ptr<snmp::OctetStringValue> decoded = decodeTlv<snmp::OctetStringValue>(tlv);

        const SnmpValue* const values[] = {&fromText, decoded.get()};
        for (const SnmpValue* value : values) {
            const char* text = value->toText();
            EXPECT_EQ(text, content);
            EXPECT_EQ(value->toText(), text);
        }
    }
}

}  // namespace
