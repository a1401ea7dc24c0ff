#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "snmp/protocol/SnmpMessage.h"
#include "snmp/protocol/TrapV2Pdu.h"
#include "snmp/values/NumericValues.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OidValue.h"
#include "tests/protocol/ProtocolTesting.h"
#include "tests/support/Hex.h"

using protocol_testing::encodeMessage;
using snmp::IntegerValue;
using snmp::OctetStringValue;
using snmp::OidValue;
using snmp::SnmpMessage;
using snmp::VarBind;
using testing_support::hex;
using testing_support::toHex;

namespace {

constexpr char kSysDescr0[] = "1.3.6.1.2.1.1.1.0";

// The tool's request: GetRequest, SNMPv1, request-id 123, one binding for
// sysDescr.0 without a value.
std::unique_ptr<SnmpMessage> toolRequest(const std::string& community) {
    auto message = std::make_unique<SnmpMessage>(160, 0);
    message->setCommunity(community.c_str());
    message->setRequestId(123);
    message->addVarBind(new VarBind(new OidValue(kSysDescr0), nullptr));
    return message;
}

TEST(SnmpMessage, EncodesTheToolsRequestByteForByte) {
    struct Case {
        std::size_t communityLength;
        const char* header;
    };
    const Case cases[] = {
        {0, "30 20 02 01 00 04 00"},
        {6, "30 26 02 01 00 04 06"},
        {94, "30 7E 02 01 00 04 5E"},
        {95, "30 81 7F 02 01 00 04 5F"},
    };
    const std::vector<std::uint8_t> pdu =
        hex("A0 19 02 01 7B 02 01 00 02 01 00 30 0E 30 0C 06 08 2B 06 01 02 01 01 01 00 05 00");
    for (const Case& c : cases) {
        std::string community;
        for (std::size_t i = 0; i < c.communityLength; ++i) {
            community += static_cast<char>('a' + i % 26);
        }
        std::vector<std::uint8_t> expected = hex(c.header);
        expected.insert(expected.end(), community.begin(), community.end());
        expected.insert(expected.end(), pdu.begin(), pdu.end());

        const std::vector<std::uint8_t> encoding = encodeMessage(*toolRequest(community));
        EXPECT_EQ(toHex(encoding), toHex(expected)) << "community of " << c.communityLength << " octets";
    }
}

TEST(SnmpMessage, ADefaultMessageHoldsOnlyTheDefaultCommunity) {
    const SnmpMessage message;
    EXPECT_EQ(message.getVarBindCount(), 0);
    EXPECT_EQ(message.getPduType(), 255);
    EXPECT_EQ(message.getRequestId(), 0);
    EXPECT_EQ(message.getTimestamp(), 0);
    EXPECT_EQ(message.getAgentAddress(), nullptr);
    EXPECT_EQ(message.getEnterprise(), nullptr);
    EXPECT_STREQ(message.getVarBindValue(1), "NULL");
    EXPECT_STREQ(message.getCommunity(), "mirsta");
    EXPECT_EQ(toHex(encodeMessage(message)), "30 08 04 06 6D 69 72 73 74 61");
    try {
        message.getVersion();
        ADD_FAILURE() << "getVersion of a message without a version throws";
    } catch (int code) {
        EXPECT_EQ(code, 0);
    }
}

TEST(SnmpMessage, TheDefaultCommunityGoesWhenTheCommunityIsReplacedOrRemoved) {
    SnmpMessage removed;
    removed.setCommunityValue(nullptr);
    EXPECT_EQ(removed.getCommunity(), nullptr);
    EXPECT_EQ(toHex(encodeMessage(removed)), "30 00");

    SnmpMessage replaced(165, 0);
    replaced.setCommunity("");
    EXPECT_STREQ(replaced.getCommunity(), "");
    EXPECT_EQ(toHex(encodeMessage(replaced)), "30 05 02 01 00 04 00");
}

TEST(SnmpMessage, ATypeWithoutAPduClassGivesAMessageOfVersionAndCommunityOnly) {
    SnmpMessage message(165, 1);
    message.setRequestId(9);
    message.addVarBind(new VarBind(new OidValue(kSysDescr0), nullptr));
    EXPECT_EQ(message.getPduType(), 255);
    EXPECT_EQ(message.getRequestId(), 0);
    EXPECT_EQ(message.getVersion(), 1);
    EXPECT_EQ(toHex(encodeMessage(message)), "30 0B 02 01 01 04 06 6D 69 72 73 74 61");
}

TEST(SnmpMessage, SetPduTypeReplacesThePduByOneOfTheNewType) {
    SnmpMessage message(160, 0);
    message.setRequestId(123);
    message.setPduType(164);
    EXPECT_EQ(message.getPduType(), 164);
    EXPECT_EQ(message.getRequestId(), 0) << "a Trap PDU has no request-id";

    message.setEnterprise("1.3.6.1.4.1");
    message.setAgentAddress("10.0.0.1");
    message.setGenericTrap(6);
    message.setSpecificTrap(1);
    message.setTimestamp(100);
    EXPECT_EQ(toHex(encodeMessage(message)),
              toHex(hex("30 25 02 01 00 04 06 6D 69 72 73 74 61 A4 18 06 05 2B 06 01 04 01 40 04 0A 00 00 01 "
                        "02 01 06 02 01 01 43 01 64 30 00")));
    EXPECT_STREQ(message.getEnterprise(), "1.3.6.1.4.1");
    EXPECT_STREQ(message.getAgentAddress(), "10.0.0.1");

    message.setPduType(200);
    EXPECT_EQ(message.getPduType(), 164) << "a type without a class keeps the PDU";
}

TEST(SnmpMessage, SettersReplaceWhatTheMessageHolds) {
    SnmpMessage message;
    message.setCommunity("first");
    message.setCommunity("second");
    message.setCommunityValue(new OctetStringValue("third"));
    message.setVersion(new IntegerValue(0));
    message.setVersion(new IntegerValue(1));
    message.setPdu(new snmp::TrapV2Pdu());
    message.setPdu(new snmp::TrapV2Pdu());
    EXPECT_STREQ(message.getCommunity(), "third");
    EXPECT_EQ(message.getVersion(), 1);
    EXPECT_STREQ(message.getAgentAddress(), "255.255.255.255");

    message.setCommunityValue(nullptr);
    EXPECT_EQ(message.getCommunity(), nullptr);
    EXPECT_EQ(encodeMessage(message).size(), message.encodedSize());
}

TEST(SnmpMessage, FindsBindingsByPositionFromOne) {
    SnmpMessage message(162, 0);
    message.addVarBind(new VarBind(new OidValue("1.3.6.1.2.1.1.5.0"), new OctetStringValue("router")));
    message.addVarBind(new VarBind(new OidValue(kSysDescr0), new IntegerValue(42)));
    message.addVarBind(new VarBind(new OidValue("1.3.6.1.2.1.1.6.0"), nullptr));
    message.addVarBind(new VarBind(nullptr, new IntegerValue(7)));

    struct Case {
        std::int32_t position;
        const char* name;
        const char* type;
        const char* value;
    };
    const Case cases[] = {
        {-1, "NULL", "NULL", "NULL"},
        {0, "NULL", "NULL", "NULL"},
        {1, "1.3.6.1.2.1.1.5.0", "String", "router"},
        {2, kSysDescr0, "Integer", "42"},
        {3, "1.3.6.1.2.1.1.6.0", "NULL", "NULL"},
        {4, "NULL", "Integer", "7"},
        {5, "NULL", "NULL", "NULL"},
    };
    EXPECT_EQ(message.getVarBindCount(), 4);
    for (const Case& c : cases) {
        EXPECT_STREQ(message.getVarBindName(c.position), c.name) << "position " << c.position;
        EXPECT_STREQ(message.getVarBindType(c.position), c.type) << "position " << c.position;
        EXPECT_STREQ(message.getVarBindValue(c.position), c.value) << "position " << c.position;
    }
}

std::vector<std::string> bindingTexts(const SnmpMessage& message) {
    std::vector<std::string> texts;
    for (std::int32_t i = 1; i <= message.getVarBindCount(); ++i) {
        texts.push_back(std::string(message.getVarBindName(i)) + "=" + message.getVarBindValue(i));
    }
    return texts;
}

TEST(SnmpMessage, SetTrapInfoPutsUpTimeAndTrapIdentifierFirst) {
    const std::string upTime = "1.3.6.1.2.1.1.3.0=500";
    const std::string trapOid = "1.3.6.1.6.3.1.1.4.1.0=";
    struct Case {
        const char* name;
        std::int32_t type;
        bool withBindings;
        const char* enterprise;
        std::int32_t generic, specific;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"SNMPv2-Trap, coldStart", 167, false, nullptr, 0, 0, {upTime, trapOid + "1.3.6.1.6.3.1.1.5.1"}},
        {"InformRequest, generic 5", 166, false, nullptr, 5, 0, {upTime, trapOid + "1.3.6.1.6.3.1.1.5.6"}},
        {"enterprise-specific", 167, false, "1.3.6.1.4.1.9999", 6, 3, {upTime, trapOid + "1.3.6.1.4.1.9999.0.3"}},
        {"generic -1", 167, false, "1.3.6.1.4.1.9999", -1, 3, {upTime, trapOid + "1.3.6.1.4.1.9999.0.3"}},
        {"generic 7", 167, false, "1.3.6.1.4.1.9999", 7, 3, {upTime, trapOid + "1.3.6.1.4.1.9999.0.3"}},
        {"before existing bindings", 167, true, nullptr, 1, 0,
         {upTime, trapOid + "1.3.6.1.6.3.1.1.5.2", "1.3.6.1.9.1=A", "1.3.6.1.9.2=B"}},
        {"enterprise-specific without an enterprise: unchanged", 167, true, nullptr, 6, 3,
         {"1.3.6.1.9.1=A", "1.3.6.1.9.2=B"}},
        {"GetRequest: unchanged", 160, true, nullptr, 0, 0, {"1.3.6.1.9.1=A", "1.3.6.1.9.2=B"}},
    };
    for (const Case& c : cases) {
        SnmpMessage message(c.type, 1);
        if (c.withBindings) {
            message.addVarBind(new VarBind(new OidValue("1.3.6.1.9.1"), new OctetStringValue("A")));
            message.addVarBind(new VarBind(new OidValue("1.3.6.1.9.2"), new OctetStringValue("B")));
        }
        message.setTrapInfo(500, c.enterprise, c.generic, c.specific);
        EXPECT_EQ(bindingTexts(message), c.expected) << c.name;
        if (c.expected.front() == upTime) {
            EXPECT_STREQ(message.getVarBindType(1), "TimeTick") << c.name;
            EXPECT_STREQ(message.getVarBindType(2), "OID") << c.name;
        }
    }
}

TEST(SnmpMessage, SetTrapInfoLooksAtTheRecordedTypeNotAtThePdu) {
    SnmpMessage decodedLike;
    decodedLike.setPdu(new snmp::TrapV2Pdu());
    decodedLike.setTrapInfo(500, nullptr, 0, 0);
    EXPECT_EQ(decodedLike.getVarBindCount(), 0);
}

}  // namespace
