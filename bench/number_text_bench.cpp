#include <benchmark/benchmark.h>

#include "ddlib/common_variant.h"

// A floating-point value as the text a host reads of it: one that its first digit writes, and a
// single-precision value widened to a double, which takes all seventeen.
static void BM_DoubleAsText(benchmark::State& state, double value) {
    const CDDCommonVariant variant(value);
    for (auto _ : state) benchmark::DoNotOptimize(variant.getString());
}
BENCHMARK_CAPTURE(BM_DoubleAsText, one, 1.0);
BENCHMARK_CAPTURE(BM_DoubleAsText, widened_float, 0.10000000149011612);
