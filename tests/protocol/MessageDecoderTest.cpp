#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "snmp/protocol/MessageDecoder.h"
#include "snmp/protocol/SnmpMessage.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OidValue.h"
#include "tests/protocol/ProtocolTesting.h"
#include "tests/support/Datagrams.h"
#include "tests/support/Hex.h"
#include "tests/support/MessageQueries.h"

using protocol_testing::encodeMessage;
using snmp::MessageDecoder;
using snmp::SnmpMessage;
using snmp::VarBind;
using testing_support::concat;
using testing_support::hex;
using testing_support::Octets;
using testing_support::tlv;
using testing_support::toHex;

namespace {

const char* const kVersionAndCommunity = "02 01 00 04 06 70 75 62 6C 69 63";  // 0, "public"
const char* const kResponseFields = "02 01 7B 02 01 00 02 01 00";             // 123, 0, 0
const char* const kSysDescrBinding = "30 10 06 08 2B 06 01 02 01 01 01 00 04 04 74 65 73 74";
const char* const kSysDescrSeen = "v0 public pdu 162 id 123 status 0 index 0 | 1.3.6.1.2.1.1.1.0 String test";

// Decodes from an exact-size copy, so that the sanitizers catch any read past
// the datagram.
std::unique_ptr<SnmpMessage> decode(const Octets& datagram) {
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[datagram.size()]);
    if (!datagram.empty()) {
        std::memcpy(exact.get(), datagram.data(), datagram.size());
    }
    MessageDecoder decoder(exact.get(), static_cast<std::int32_t>(datagram.size()));
    return std::unique_ptr<SnmpMessage>(decoder.release());
}

// What the tool can see of a message, on one line.
std::string describe(const SnmpMessage* message) {
    if (message == nullptr) {
        return "no message";
    }
    std::ostringstream out;
    try {
        const std::int32_t version = message->getVersion();
        out << "v" << version;
    } catch (int) {
        out << "no version";
    }
    out << " " << message->getCommunity() << " pdu " << int{message->getPduType()} << " id "
        << message->getRequestId() << " status " << message->getErrorStatus() << " index "
        << message->getErrorIndex();
    for (std::int32_t i = 1; i <= message->getVarBindCount(); ++i) {
        out << " | " << message->getVarBindName(i) << " " << message->getVarBindType(i) << " "
            << message->getVarBindValue(i);
    }
    return out.str();
}

// A message SEQUENCE (its length computed) around the given contents.
Octets message(const Octets& contents) { return tlv(0x30, contents); }

// A GetResponse of version 0, community "public" and request-id 123 whose
// PDU (its length computed) ends with the given list octets, taken as they are.
Octets response(const std::string& list) {
    return message(concat({hex(kVersionAndCommunity), tlv(0xA2, concat({hex(kResponseFields), hex(list)}))}));
}

Octets withOctet(Octets datagram, std::size_t index, std::uint8_t octet) {
    datagram[index] = octet;
    return datagram;
}

const Octets kResponse = response(std::string("30 12 ") + kSysDescrBinding);

TEST(MessageDecoder, TheReferenceResponseIsTheOneOfTheExamples) {
    EXPECT_EQ(toHex(kResponse), toHex(hex("30 2A 02 01 00 04 06 70 75 62 6C 69 63 A2 1D 02 01 7B 02 01 00 02 01 00 "
                                          "30 12 30 10 06 08 2B 06 01 02 01 01 01 00 04 04 74 65 73 74")));
}

TEST(MessageDecoder, ReadsADatagramByTheFixedLayout) {
    struct Case {
        const char* name;
        Octets datagram;
        std::string expected;
    };
    const Case cases[] = {
        {"a GetResponse for sysDescr.0", kResponse, kSysDescrSeen},
        {"first octet 00 is not looked at", withOctet(kResponse, 0, 0x00), kSysDescrSeen},
        {"first octet FF is not looked at", withOctet(kResponse, 0, 0xFF), kSysDescrSeen},
        {"outer length 2B, past the contents", withOctet(kResponse, 1, 0x2B), kSysDescrSeen},
        {"outer length 2C, the datagram's length", withOctet(kResponse, 1, 0x2C), kSysDescrSeen},
        {"outer length 2D, more than the datagram", withOctet(kResponse, 1, 0x2D), "no message"},
        {"outer length 7F", withOctet(kResponse, 1, 0x7F), "no message"},
        {"four-octet outer length of 2^31 reads as negative and passes",
         concat({hex("30 84 80 00 00 00"), Octets(kResponse.begin() + 2, kResponse.end())}), kSysDescrSeen},
        {"long-form lengths with leading zeros",
         message(concat({hex(kVersionAndCommunity), hex("A2 82 00 1E"), hex(kResponseFields),
                         hex(std::string("30 81 12 ") + kSysDescrBinding)})),
         kSysDescrSeen},
        {"PDU type A5: no PDU, and its fields are read as the list",
         withOctet(kResponse, 13, 0xA5), "v0 public pdu 255 id 0 status 0 index 0"},
        {"a NULL value becomes an empty Opaque",
         response("30 0E 30 0C 06 08 2B 06 01 02 01 01 01 00 05 00"),
         "v0 public pdu 162 id 123 status 0 index 0 | 1.3.6.1.2.1.1.1.0 Opaque "},
        {"empty list", response("30 00"), "v0 public pdu 162 id 123 status 0 index 0"},
        {"three bindings in wire order; tag 70 is a Counter64, tag 69 an Opaque",
         response("30 2B 30 0B 06 06 2B 06 01 04 01 01 02 01 05 30 0F 06 06 2B 06 01 04 01 02 "
                  "46 05 01 00 00 00 00 30 0B 06 06 2B 06 01 04 01 03 45 01 41"),
         "v0 public pdu 162 id 123 status 0 index 0 | 1.3.6.1.4.1.1 Integer 5 | 1.3.6.1.4.1.2 Counter64 4294967296"
         " | 1.3.6.1.4.1.3 Opaque A"},
        {"a name with tag 2 is an Integer", response("30 08 30 06 02 01 07 02 01 08"),
         "v0 public pdu 162 id 123 status 0 index 0 | 7 Integer 8"},
        {"the list ends after a name: the binding is dropped", response(std::string("30 0C ") + kSysDescrBinding),
         "v0 public pdu 162 id 123 status 0 index 0"},
        {"a value that starts inside the list is read whole", response(std::string("30 0D ") + kSysDescrBinding),
         kSysDescrSeen},
        {"octets after the list are ignored", response("30 00 FF FF"), "v0 public pdu 162 id 123 status 0 index 0"},
        {"version tag 42: no version, and the next octet is the community's tag",
         message(hex(std::string("42 04 06 70 75 62 6C 69 63 A2 0B ") + kResponseFields + " 30 00")),
         "no version public pdu 162 id 123 status 0 index 0"},
        {"community tag 05: the default community, and the next octet is the PDU type",
         message(hex(std::string("02 01 00 05 A2 0B ") + kResponseFields + " 30 00")),
         "v0 mirsta pdu 162 id 123 status 0 index 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(decode(c.datagram).get()), c.expected) << c.name;
    }
}

// A reply that would need a read past its end gives no message at all, never
// a half-read one that looks like a success.
TEST(MessageDecoder, GivesNoMessageForADatagramThatWouldBeReadPastItsEnd) {
    struct Case {
        const char* name;
        Octets datagram;
    };
    const Case cases[] = {
        {"empty", {}},
        {"one octet", hex("30")},
        {"outer length cut short", hex("30 82 00")},
        {"indefinite outer length", hex("30 80 02 01 00 04 00 A2 0B 02 01 7B 02 01 00 02 01 00 30 00")},
        {"the last value octet missing", Octets(kResponse.begin(), kResponse.end() - 1)},
        {"a value longer than what remains",
         response("30 12 30 10 06 08 2B 06 01 02 01 01 01 00 04 7F 74 65 73 74")},
        {"a value longer than 65535 octets",
         response("30 13 30 11 06 08 2B 06 01 02 01 01 01 00 04 83 01 00 00 74")},
        {"an indefinite value length", response("30 12 30 10 06 08 2B 06 01 02 01 01 01 00 04 80 74 65 73 74")},
        {"an indefinite binding length", response("30 12 30 80 06 08 2B 06 01 02 01 01 01 00 04 04 74 65 73 74")},
        {"a list longer than what remains", response(std::string("30 7F ") + kSysDescrBinding)},
        {"a PDU field longer than what remains",
         message(hex(std::string(kVersionAndCommunity) + " A2 0B 02 7F 7B 02 01 00 02 01 00 30 00"))},
        {"ends after the PDU fields", message(hex(std::string(kVersionAndCommunity) + " A2 0B " + kResponseFields))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(decode(c.datagram).get()), "no message") << c.name;
    }
    MessageDecoder nothing(nullptr, 5);
    EXPECT_EQ(nothing.release(), nullptr);
}

TEST(MessageDecoder, ReadsTheFieldsOfATrapAndOfAnInform) {
    const std::unique_ptr<SnmpMessage> trap =
        decode(message(concat({hex(kVersionAndCommunity),
                               tlv(0xA4, hex("06 05 2B 06 01 04 01 40 04 0A 00 00 01 02 01 06 02 01 01 43 01 64 "
                                             "30 0D 30 0B 06 06 2B 06 01 04 01 01 02 01 05"))})));
    ASSERT_NE(trap, nullptr);
    EXPECT_EQ(trap->getPduType(), 164);
    EXPECT_STREQ(trap->getEnterprise(), "1.3.6.1.4.1");
    EXPECT_STREQ(trap->getAgentAddress(), "10.0.0.1");
    EXPECT_EQ(trap->getGenericTrap(), 6);
    EXPECT_EQ(trap->getSpecificTrap(), 1);
    EXPECT_EQ(trap->getTimestamp(), 100);
    EXPECT_EQ(trap->getRequestId(), 0);
    EXPECT_STREQ(trap->getVarBindValue(1), "5");

    const std::unique_ptr<SnmpMessage> inform =
        decode(message(concat({hex(kVersionAndCommunity), tlv(0xA6, hex("02 01 09 02 01 00 02 01 00 30 00"))})));
    ASSERT_NE(inform, nullptr);
    EXPECT_EQ(inform->getPduType(), 166);
    EXPECT_EQ(inform->getRequestId(), 9);
    EXPECT_STREQ(inform->getAgentAddress(), "255.255.255.255");
}

TEST(MessageDecoder, ReadsBackWhatAMessageWrites) {
    SnmpMessage request(160, 0);
    request.setCommunity("public");
    request.setRequestId(123);
    request.addVarBind(new VarBind(new snmp::OidValue("1.3.6.1.2.1.1.1.0"), nullptr));
    EXPECT_EQ(describe(decode(encodeMessage(request)).get()),
              "v0 public pdu 160 id 123 status 0 index 0 | 1.3.6.1.2.1.1.1.0 Opaque ");

    SnmpMessage notification(167, 1);
    notification.setRequestId(-5);
    notification.addVarBind(new VarBind(new snmp::OidValue("1.3.6.1.9"), new snmp::OctetStringValue("up")));
    notification.setTrapInfo(500, nullptr, 2, 0);
    EXPECT_EQ(describe(decode(encodeMessage(notification)).get()),
              "v1 mirsta pdu 167 id -5 status 0 index 0 | 1.3.6.1.2.1.1.3.0 TimeTick 500"
              " | 1.3.6.1.6.3.1.1.4.1.0 OID 1.3.6.1.6.3.1.1.5.3 | 1.3.6.1.9 String up");
}

// Datagrams of every shape the decoder knows: a response, a trap, several
// bindings of mixed types, and the 81-octet reply to the tool.
std::vector<Octets> validDatagrams() {
    return {
        kResponse,
        message(concat({hex(kVersionAndCommunity),
                        tlv(0xA4, hex("06 05 2B 06 01 04 01 40 04 0A 00 00 01 02 01 06 02 01 01 43 01 64 "
                                      "30 0D 30 0B 06 06 2B 06 01 04 01 01 43 01 05"))})),
        response("30 2B 30 0B 06 06 2B 06 01 04 01 01 41 01 05 30 0F 06 06 2B 06 01 04 01 02 "
                 "46 05 01 00 00 00 00 30 0B 06 06 2B 06 01 04 01 03 40 01 41"),
        testing_support::sysDescrResponse("public", 123, std::string(41, 'd')),
    };
}

TEST(MessageDecoder, EveryPrefixOfAValidDatagramGivesNoMessage) {
    for (const Octets& datagram : validDatagrams()) {
        ASSERT_NE(decode(datagram), nullptr) << toHex(datagram);
        for (std::size_t size = 0; size < datagram.size(); ++size) {
            Octets prefix(datagram.begin(), datagram.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_EQ(decode(prefix), nullptr) << toHex(prefix);
            // The same prefix with an outer length that passes the first check
            // reaches every later read.
            if (size >= 2 && datagram[1] < 0x80) {
                prefix[1] = 0;
                EXPECT_EQ(decode(prefix), nullptr) << toHex(prefix);
            }
        }
    }
}

TEST(MessageDecoder, EverySingleOctetChangeGivesNoMessageOrOneThatIsSafeToUse) {
    for (const Octets& datagram : validDatagrams()) {
        for (std::size_t index = 0; index < datagram.size(); ++index) {
            for (int octet = 0; octet <= 0xFF; ++octet) {
                const std::unique_ptr<SnmpMessage> decoded =
                    decode(withOctet(datagram, index, static_cast<std::uint8_t>(octet)));
                if (decoded != nullptr) {
                    testing_support::queryEverything(*decoded);
                }
            }
        }
    }
}

}  // namespace
