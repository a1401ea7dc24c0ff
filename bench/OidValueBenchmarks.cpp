#include <benchmark/benchmark.h>

#include <cstdint>

#include "snmp/ber/ReadCursor.h"
#include "snmp/values/OidValue.h"

namespace {

const char* const kTexts[] = {
    "1.3.6.1.2.1.1.1.0",                      // sysDescr.0
    "1.3.6.1.4.1.2021.10.1.3.1.4294967295",   // longer, with multi-octet arcs
};

void OidFromText(benchmark::State& state) {
    const char* text = kTexts[state.range(0)];
    for (auto _ : state) {
        snmp::OidValue oid(text);
        benchmark::DoNotOptimize(&oid);
    }
    state.SetLabel(text);
}
BENCHMARK(OidFromText)->DenseRange(0, 1);

// The identifier's encoding, for the benchmarks that decode it: the cursor
// starts after the tag octet, as a decoder leaves it.
struct Encoding {
    explicit Encoding(const char* text) {
        const snmp::OidValue source(text);
        std::uint8_t* end = octets;
        source.encode(end);
        length = static_cast<std::size_t>(end - octets - 1);
    }
    snmp::ReadCursor cursor() const { return snmp::ReadCursor(octets + 1, length); }

    std::uint8_t octets[64] = {};
    std::size_t length = 0;
};

// toText keeps its text once made, so each round starts from a new value,
// decoded from the identifier's encoding (a copy of its content octets).
void OidToText(benchmark::State& state) {
    const char* text = kTexts[state.range(0)];
    const Encoding encoding(text);
    for (auto _ : state) {
        snmp::ReadCursor cursor = encoding.cursor();
        const snmp::OidValue oid(cursor);
        benchmark::DoNotOptimize(oid.toText());
    }
    state.SetLabel(text);
}
BENCHMARK(OidToText)->DenseRange(0, 1);

// The decode alone, to separate it from the text in OidToText.
void OidDecode(benchmark::State& state) {
    const Encoding encoding(kTexts[state.range(0)]);
    for (auto _ : state) {
        snmp::ReadCursor cursor = encoding.cursor();
        const snmp::OidValue oid(cursor);
        benchmark::DoNotOptimize(&oid);
    }
}
BENCHMARK(OidDecode)->DenseRange(0, 1);

}  // namespace
