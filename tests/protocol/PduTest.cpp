#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "snmp/ber/ReadCursor.h"
#include "snmp/protocol/GetRequestPdu.h"
#include "snmp/protocol/PduFactory.h"
#include "snmp/protocol/TrapPdu.h"
#include "tests/protocol/ProtocolTesting.h"
#include "tests/support/Hex.h"

using protocol_testing::encodeAdvancing;
using snmp::PduBase;
using snmp::ReadCursor;
using testing_support::hex;
using testing_support::toHex;

namespace {

std::string fieldsOf(const PduBase& pdu) {
    return toHex(encodeAdvancing([&](std::uint8_t*& c) { pdu.encodeFields(c); }, pdu.fieldsSize()));
}

std::string textOrNull(const char* text) { return text != nullptr ? text : "(null)"; }

TEST(Pdu, ANewPduOfEachTypeHoldsItsFamilysStartingFields) {
    struct Case {
        std::int32_t type;
        bool requestFamily;
        const char* agentAddress;
    };
    const Case cases[] = {
        {160, true, "(null)"}, {161, true, "(null)"}, {162, true, "(null)"},
        {163, true, "(null)"}, {166, true, "255.255.255.255"}, {167, true, "255.255.255.255"},
        {164, false, "(null)"},
    };
    for (const Case& c : cases) {
        const auto before = static_cast<std::int32_t>(std::time(nullptr));
        const std::unique_ptr<PduBase> pdu = snmp::createPdu(c.type);
        const auto after = static_cast<std::int32_t>(std::time(nullptr));
        ASSERT_NE(pdu, nullptr) << c.type;
        EXPECT_EQ(pdu->getType(), c.type);
        if (c.requestFamily) {
            EXPECT_GE(pdu->getRequestId(), before) << c.type << ": request-id is the time of construction";
            EXPECT_LE(pdu->getRequestId(), after) << c.type;
            EXPECT_EQ(pdu->fieldsSize(), 3u + 3u + 4u + 2u) << c.type;
        } else {
            EXPECT_EQ(pdu->getRequestId(), 0) << c.type;
            EXPECT_EQ(pdu->fieldsSize(), 0u) << c.type;
            EXPECT_EQ(fieldsOf(*pdu), "") << c.type;
        }
        EXPECT_EQ(pdu->getErrorStatus(), 0) << c.type;
        EXPECT_EQ(pdu->getErrorIndex(), 0) << c.type;
        EXPECT_EQ(pdu->getGenericTrap(), 0) << c.type;
        EXPECT_EQ(pdu->getSpecificTrap(), 0) << c.type;
        EXPECT_EQ(pdu->getTimestamp(), 0) << c.type;
        EXPECT_EQ(pdu->getEnterprise(), nullptr) << c.type;
        EXPECT_EQ(textOrNull(pdu->getAgentAddress()), c.agentAddress) << c.type;
    }
    EXPECT_EQ(snmp::createPdu(165), nullptr);
}

TEST(Pdu, EncodesItsFieldsAndIgnoresTheTrapFields) {
    snmp::GetRequestPdu pdu;
    pdu.setRequestId(123);
    pdu.setGenericTrap(6);
    pdu.setEnterprise("1.3.6.1");
    pdu.setAgentAddress("10.0.0.1");
    EXPECT_EQ(fieldsOf(pdu), "02 01 7B 02 01 00 02 01 00");
    EXPECT_EQ(pdu.getGenericTrap(), 0);
    EXPECT_EQ(pdu.getEnterprise(), nullptr);

    pdu.makeResponse();
    EXPECT_EQ(pdu.getType(), 162);
    EXPECT_EQ(fieldsOf(pdu), "02 01 7B 02 01 00 02 01 00") << "makeResponse changes the type only";

    pdu.setErrorStatus(-200);
    pdu.setErrorIndex(128);
    EXPECT_EQ(fieldsOf(pdu), "02 01 7B 02 02 FF 38 02 02 00 80");
}

TEST(TrapPdu, EncodesItsFieldsInWireOrderAndIgnoresTheRequestFields) {
    snmp::TrapPdu trap;
    trap.setRequestId(5);
    trap.setErrorStatus(5);
    EXPECT_EQ(trap.getRequestId(), 0);
    EXPECT_EQ(trap.fieldsSize(), 0u);

    trap.setTimestamp(100);
    trap.setSpecificTrap(1);
    trap.setGenericTrap(6);
    trap.setAgentAddress("10.0.0.1");
    trap.setEnterprise("1.3.6.1.4.2");
    trap.setEnterprise("1.3.6.1.4.1");

    EXPECT_EQ(fieldsOf(trap), "06 05 2B 06 01 04 01 40 04 0A 00 00 01 02 01 06 02 01 01 43 01 64");
    EXPECT_STREQ(trap.getEnterprise(), "1.3.6.1.4.1");
    EXPECT_STREQ(trap.getAgentAddress(), "10.0.0.1");
    EXPECT_EQ(trap.getGenericTrap(), 6);
    EXPECT_EQ(trap.getSpecificTrap(), 1);
    EXPECT_EQ(trap.getTimestamp(), 100);
}

// Marks a field that must still hold what the constructor gave it.
constexpr std::int32_t kTimeOfConstruction = -1;

TEST(Pdu, DecodesItsFieldsAndKeepsAnyWhoseTagDoesNotMatch) {
    struct Case {
        const char* name;
        const char* octets;
        std::int32_t requestId, errorStatus, errorIndex;
        std::size_t consumed;
        const char* reencoded;
    };
    const Case cases[] = {
        {"three integers", "02 01 07 02 01 03 02 01 01", 7, 3, 1, 9, "02 01 07 02 01 03 02 01 01"},
        {"tags 4, 1 and 7: nothing but the tag octets is read", "04 01 07 02 01 05 02 01 00", kTimeOfConstruction,
         0, 0, 3, nullptr},
        {"a longer encoding than needed is kept as it came", "02 02 00 7B 02 01 00 02 03 00 00 02", 123, 0, 2, 12,
         "02 02 00 7B 02 01 00 02 03 00 00 02"},
        {"the bindings that follow are not read", "02 01 01 02 01 00 02 01 00 30 00", 1, 0, 0, 9, nullptr},
    };
    for (const Case& c : cases) {
        const auto before = static_cast<std::int32_t>(std::time(nullptr));
        const std::unique_ptr<PduBase> pdu = snmp::createPdu(162);
        const std::vector<std::uint8_t> octets = hex(c.octets);
        ReadCursor cursor(octets.data(), octets.size());
        pdu->decodeFields(cursor);

        EXPECT_FALSE(cursor.failed()) << c.name;
        EXPECT_EQ(cursor.offset(), c.consumed) << c.name;
        if (c.requestId == kTimeOfConstruction) {
            EXPECT_GE(pdu->getRequestId(), before) << c.name;
        } else {
            EXPECT_EQ(pdu->getRequestId(), c.requestId) << c.name;
        }
        EXPECT_EQ(pdu->getErrorStatus(), c.errorStatus) << c.name;
        EXPECT_EQ(pdu->getErrorIndex(), c.errorIndex) << c.name;
        if (c.reencoded != nullptr) {
            EXPECT_EQ(fieldsOf(*pdu), toHex(hex(c.reencoded))) << c.name;
        }
    }
}

TEST(TrapPdu, DecodesItsFieldsAndLeavesAbsentAnyWhoseTagDoesNotMatch) {
    struct Case {
        const char* name;
        const char* octets;
        const char* enterprise;
        const char* agentAddress;
        std::int32_t generic, specific, timestamp;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"all five fields", "06 05 2B 06 01 04 01 40 04 0A 00 00 01 02 01 06 02 01 01 43 01 64", "1.3.6.1.4.1",
         "10.0.0.1", 6, 1, 100, 22},
        {"a NULL in place of the enterprise", "05 00 02 01 06 02 01 01 43 01 64", "(null)", "(null)", 6, 1, 100, 11},
    };
    for (const Case& c : cases) {
        snmp::TrapPdu trap;
        const std::vector<std::uint8_t> octets = hex(c.octets);
        ReadCursor cursor(octets.data(), octets.size());
        trap.decodeFields(cursor);

        EXPECT_FALSE(cursor.failed()) << c.name;
        EXPECT_EQ(cursor.offset(), c.consumed) << c.name;
        EXPECT_EQ(textOrNull(trap.getEnterprise()), c.enterprise) << c.name;
        EXPECT_EQ(textOrNull(trap.getAgentAddress()), c.agentAddress) << c.name;
        EXPECT_EQ(trap.getGenericTrap(), c.generic) << c.name;
        EXPECT_EQ(trap.getSpecificTrap(), c.specific) << c.name;
        EXPECT_EQ(trap.getTimestamp(), c.timestamp) << c.name;
    }
}

// Fields cut short by the end of the data: the cursor fails, nothing is read
// past the data, and the PDU stays safe to query and encode.
TEST(PduDecode, FieldsCutShortFailTheCursorAndLeaveThePduUsable) {
    const std::vector<std::uint8_t> request = hex("02 01 07 02 01 03 02 01 01");
    const std::vector<std::uint8_t> trap = hex("06 05 2B 06 01 04 01 40 04 0A 00 00 01 02 01 06 02 01 01 43 01 64");
    struct Case {
        std::int32_t type;
        const std::vector<std::uint8_t>& octets;
    };
    for (const Case& c : {Case{162, request}, Case{164, trap}}) {
        for (std::size_t size = 0; size < c.octets.size(); ++size) {
            const std::vector<std::uint8_t> cut(c.octets.begin(), c.octets.begin() + static_cast<std::ptrdiff_t>(size));
            const std::unique_ptr<PduBase> pdu = snmp::createPdu(c.type);
            ReadCursor cursor(cut.data(), cut.size());
            pdu->decodeFields(cursor);
            EXPECT_TRUE(cursor.failed()) << c.type << " cut to " << size;
            fieldsOf(*pdu);
            textOrNull(pdu->getEnterprise());
            textOrNull(pdu->getAgentAddress());
        }
    }
}

}  // namespace
