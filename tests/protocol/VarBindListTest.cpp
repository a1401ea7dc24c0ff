#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/protocol/VarBind.h"
#include "snmp/protocol/VarBindList.h"
#include "snmp/values/NumericValues.h"
#include "snmp/values/OctetStringValue.h"
#include "snmp/values/OidValue.h"
#include "tests/protocol/ProtocolTesting.h"
#include "tests/support/Hex.h"

using protocol_testing::CountedValue;
using protocol_testing::encodeAdvancing;
using snmp::IntegerValue;
using snmp::OctetStringValue;
using snmp::OidValue;
using snmp::VarBind;
using snmp::VarBindList;
using testing_support::hex;
using testing_support::toHex;

namespace {

constexpr char kSysDescr0[] = "1.3.6.1.2.1.1.1.0";
const char* const kToolBinding = "30 0C 06 08 2B 06 01 02 01 01 01 00 05 00";

VarBind* toolBinding() { return new VarBind(new OidValue(kSysDescr0), nullptr); }

// A binding without a name whose string value makes it size octets long
// (size - 4 content octets; up to 130).
VarBind* bindingOfSize(std::size_t size) {
    return new VarBind(nullptr, new OctetStringValue(std::string(size - 4, 'x').c_str()));
}

std::string encodingOf(const VarBind& binding) {
    return toHex(encodeAdvancing([&](std::uint8_t*& c) { binding.encode(c); }, binding.encodedSize()));
}

std::string encodingOf(const VarBindList& list) {
    return toHex(encodeAdvancing([&](std::uint8_t*& c) { list.encode(c); }, list.encodedSize()));
}

TEST(VarBind, EncodesNameAndValueOrNullInPlaceOfTheValue) {
    struct Case {
        const char* name;
        std::function<VarBind*()> make;
        const char* expected;
    };
    const Case cases[] = {
        {"the tool's binding: name, no value", toolBinding, kToolBinding},
        {"neither name nor value", [] { return new VarBind(); }, "30 02 05 00"},
        {"name and value", [] { return new VarBind(new OidValue("1.3"), new IntegerValue(-200)); },
         "30 07 06 01 2B 02 02 FF 38"},
        {"value without a name", [] { return new VarBind(nullptr, new IntegerValue(5)); }, "30 03 02 01 05"},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<VarBind> binding(c.make());
        EXPECT_EQ(encodingOf(*binding), toHex(hex(c.expected))) << c.name;
    }
}

TEST(VarBindList, EncodesItsBindingsInOneSequenceWithTheSizeRule) {
    struct Case {
        const char* name;
        std::vector<std::function<VarBind*()>> bindings;
        const char* expectedStart;
        std::uint32_t expectedSize;
    };
    const Case cases[] = {
        {"empty", {}, "30 00", 2},
        {"the tool's binding", {toolBinding}, "30 0E 30 0C 06 08 2B 06 01 02 01 01 01 00 05 00", 16},
        {"bindings of 126 octets", {[] { return bindingOfSize(100); }, [] { return bindingOfSize(26); }}, "30 7E 30",
         128},
        {"bindings of 127 octets: long form", {[] { return bindingOfSize(127); }}, "30 81 7F 30 7D", 130},
    };
    for (const Case& c : cases) {
        VarBindList list;
        for (const auto& make : c.bindings) {
            list.append(make());
        }
        EXPECT_EQ(list.encodedSize(), c.expectedSize) << c.name;
        const std::string encoding = encodingOf(list);
        const std::string start = toHex(hex(c.expectedStart));
        EXPECT_EQ(encoding.substr(0, start.size()), start) << c.name;
    }
}

std::vector<std::string> valueTexts(const VarBindList& list) {
    std::vector<std::string> texts;
    for (const VarBind* binding = list.getHead(); binding != nullptr; binding = binding->getNext()) {
        texts.emplace_back(binding->getValue()->toText());
    }
    return texts;
}

VarBind* bindingWithValue(std::int32_t number) { return new VarBind(nullptr, new IntegerValue(number)); }

TEST(VarBindList, AppendsAWholeChainAfterTheLastBinding) {
    VarBindList list;
    list.append(bindingWithValue(1));
    VarBind* chain = bindingWithValue(2);
    chain->setNext(bindingWithValue(3));

    list.append(chain);
    list.append(nullptr);

    EXPECT_EQ(valueTexts(list), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(VarBindList, SetHeadHandsTheFormerChainToTheCallerWithoutDeletingIt) {
    int deletions = 0;
    VarBindList list;
    list.append(new VarBind(new CountedValue(deletions), new CountedValue(deletions)));
    list.append(new VarBind(new CountedValue(deletions), nullptr));

    VarBind* former = list.setHead(nullptr);

    EXPECT_EQ(list.getHead(), nullptr);
    EXPECT_EQ(list.encodedSize(), 2u);
    EXPECT_EQ(deletions, 0);
    ASSERT_NE(former, nullptr);
    ASSERT_NE(former->getNext(), nullptr);
    EXPECT_EQ(former->getNext()->getNext(), nullptr);

    VarBindList newOwner;
    newOwner.append(former);
    EXPECT_EQ(newOwner.encodedSize(), 2u + 6u + 6u);
}

TEST(VarBindList, DeletesEveryNameAndValueExactlyOnce) {
    int deletions = 0;
    {
        VarBindList list;
        for (int i = 0; i < 3; ++i) {
            list.append(new VarBind(new CountedValue(deletions), new CountedValue(deletions)));
        }
    }
    EXPECT_EQ(deletions, 6);
}

TEST(VarBindList, DestroysAVeryLongChainWithoutDeepRecursion) {
    // Built by hand: append walks the chain, and this many appends would take long.
    constexpr int kBindings = 300000;
    VarBind* head = new VarBind();
    VarBind* last = head;
    for (int i = 1; i < kBindings; ++i) {
        last->setNext(new VarBind());
        last = last->getNext();
    }
    auto list = std::make_unique<VarBindList>();
    list->append(head);
    list.reset();
}

}  // namespace
