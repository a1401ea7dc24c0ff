// The tool's request: SNMPv1 GetRequest for sysDescr.0, community "public",
// request-id 123.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "snmp/protocol/SnmpMessage.h"
#include "snmp/protocol/VarBind.h"
#include "snmp/values/OidValue.h"

namespace {

std::unique_ptr<snmp::SnmpMessage> buildRequest() {
    auto request = std::make_unique<snmp::SnmpMessage>(160, 0);
    request->setCommunity("public");
    request->setRequestId(123);
    request->addVarBind(new snmp::VarBind(new snmp::OidValue("1.3.6.1.2.1.1.1.0"), nullptr));
    return request;
}

// What the tool and its transport do for one request: build the message, size
// it, allocate a zeroed buffer of exactly that size, encode, release it all.
void BuildAndEncodeRequest(benchmark::State& state) {
    for (auto _ : state) {
        const std::unique_ptr<snmp::SnmpMessage> request = buildRequest();
        const std::uint32_t size = request->encodedSize();
        const std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]());
        std::uint8_t* cursor = buffer.get();
        request->encode(cursor);
        benchmark::DoNotOptimize(buffer.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BuildAndEncodeRequest);

// Sizing and encoding a message built beforehand, into a buffer allocated once.
void EncodeRequest(benchmark::State& state) {
    const std::unique_ptr<snmp::SnmpMessage> request = buildRequest();
    const std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[request->encodedSize()]());
    for (auto _ : state) {
        const std::uint32_t size = request->encodedSize();
        benchmark::DoNotOptimize(size);
        std::uint8_t* cursor = buffer.get();
        request->encode(cursor);
        benchmark::DoNotOptimize(buffer.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(EncodeRequest);

}  // namespace
