#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "bench/BenchmarkDatagrams.h"
#include "snmp/protocol/MessageDecoder.h"
#include "snmp/protocol/SnmpMessage.h"

namespace {

std::unique_ptr<snmp::SnmpMessage> decode(const bench::Octets& datagram) {
    snmp::MessageDecoder decoder(datagram.data(), static_cast<std::int32_t>(datagram.size()));
    return std::unique_ptr<snmp::SnmpMessage>(decoder.release());
}

void setDatagramCounters(benchmark::State& state, const bench::Octets& datagram) {
    state.SetLabel(std::to_string(datagram.size()) + " octets");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(datagram.size()));
}

// Decoding and deleting a reply to the tool's request; the argument is the
// length of the description (41 gives an 81-octet datagram).
void DecodeSysDescrResponse(benchmark::State& state) {
    const bench::Octets datagram = bench::sysDescrResponse(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<snmp::SnmpMessage> reply = decode(datagram);
        benchmark::DoNotOptimize(reply.get());
    }
    setDatagramCounters(state, datagram);
}
BENCHMARK(DecodeSysDescrResponse)->Arg(41)->Arg(60);

// The same, plus what the tool then asks: request-id, error-status and the
// first binding's value text.
void DecodeAndQuerySysDescrResponse(benchmark::State& state) {
    const bench::Octets datagram = bench::sysDescrResponse(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<snmp::SnmpMessage> reply = decode(datagram);
        benchmark::DoNotOptimize(reply->getRequestId());
        benchmark::DoNotOptimize(reply->getErrorStatus());
        benchmark::DoNotOptimize(reply->getVarBindValue(1));
    }
    setDatagramCounters(state, datagram);
}
BENCHMARK(DecodeAndQuerySysDescrResponse)->Arg(41)->Arg(60);

// A response carrying 50 bindings of mixed types.
void DecodeMixedResponse(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const bench::Octets datagram = bench::mixedResponse(count);
    for (auto _ : state) {
        std::unique_ptr<snmp::SnmpMessage> reply = decode(datagram);
        benchmark::DoNotOptimize(reply.get());
    }
    setDatagramCounters(state, datagram);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}
BENCHMARK(DecodeMixedResponse)->Arg(50);

}  // namespace
