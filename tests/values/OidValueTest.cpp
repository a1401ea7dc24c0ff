#include "snmp/values/OidValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/Hex.h"
#include "tests/values/ValueTesting.h"

using testing_support::hex;
using testing_support::toHex;
using values_testing::decodeTlv;
using values_testing::encodeChecked;

namespace {

std::vector<std::uint8_t> tlvOf(const char* content) {
    std::vector<std::uint8_t> tlv = hex(content);
    tlv.insert(tlv.begin(), {0x06, static_cast<std::uint8_t>(tlv.size())});
    return tlv;
}

TEST(OidValue, BuildsFromDottedTextLikeStrtokAndAtoi) {
    struct Case {
        const char* text;
        const char* content;
        const char* shown;
    };
    const Case cases[] = {
        {"1.3.6.1.2.1.1.1.0", "2B 06 01 02 01 01 01 00", "1.3.6.1.2.1.1.1.0"},
        {"1.3", "2B", "1.3"},
        {"1..3.6.", "2B 06", "1.3.6"},
        {".1.3.6", "2B 06", "1.3.6"},
        {"01.3.06", "2B 06", "1.3.6"},
        {"1.3.x7", "2B 00", "1.3.0"},
        {"1.3. 7", "2B 07", "1.3.7"},
        {"1.3.+7", "2B 07", "1.3.7"},
        {"1.40", "50", "2.0"},
        {"5.1", "C9", "2.121"},
        {"2.200", "18", "0.24"},
        {"1.3.128", "2B 81 00", "1.3.128"},
        {"1.3.4294967295", "2B 8F FF FF FF 7F", "1.3.4294967295"},
        {"1.3.-1", "2B 8F FF FF FF 7F", "1.3.4294967295"},
        {"1.3.4294967296", "2B 00", "1.3.0"},
        // Fewer than two pieces: the missing arcs are 0.
        {"1", "28", "1.0"},
        {"", "00", "0.0"},
        {"...", "00", "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const snmp::OidValue value(c.text);
        EXPECT_EQ(toHex(encodeChecked(value)), toHex(tlvOf(c.content)));
        EXPECT_STREQ(value.toText(), c.shown);
        EXPECT_STREQ(value.getTypeName(), "OID");
        EXPECT_EQ(value.getTag(), 6);
    }
}

TEST(OidValue, TextFormOfDecodedContentNeverReadsPastIt) {
    struct Case {
        const char* tlv;
        const char* shown;
    };
    const Case cases[] = {
        {"06 08 2B 06 01 02 01 01 01 00", "1.3.6.1.2.1.1.1.0"},
        {"06 02 88 37", "2.56.55"},
        {"06 07 2B 81 80 80 80 80 01", "1.3.1"},
        {"06 00", ""},
        // The last sub-identifier is cut off by the end of the content (a read
        // past it would show an arc more): only the whole arcs are shown.
        {"06 03 2B 06 81", "1.3.6"},
        {"06 02 2B FF", "1.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tlv);
        const auto value = decodeTlv<snmp::OidValue>(hex(c.tlv));
        EXPECT_STREQ(value->toText(), c.shown);
        EXPECT_EQ(value->toText(), value->toText());
        EXPECT_EQ(toHex(encodeChecked(*value)), toHex(hex(c.tlv)));
    }
}

TEST(OidValue, TextBeyondTheWorkAreaKeepsTheLongestPrefixOfWholeArcs) {
    struct Case {
        const char* name;
        const char* arc;
        int arcsThatFit;
        std::uint16_t contentLength;
    };
    // 1 octet for the first two arcs, then 4095 octets for the rest.
    const Case cases[] = {
        {"five-octet arcs", ".4294967295", 819, 4096},
        {"two-octet arcs", ".200", 2047, 4095},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string fitting = "1.3";
        for (int i = 0; i < c.arcsThatFit; ++i) {
            fitting += c.arc;
        }
        // One arc too many, then a one-octet arc that would fit on its own:
        // nothing after the first arc that does not fit is kept.
        const std::string text = fitting + c.arc + ".1";

        const snmp::OidValue value(text.c_str());
        EXPECT_EQ(value.getContentLength(), c.contentLength);
        EXPECT_EQ(encodeChecked(value).size(), 1u + 3u + c.contentLength);
        EXPECT_EQ(value.toText(), fitting);
    }
}

}  // namespace
