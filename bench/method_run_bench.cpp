#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "allocation_counter.h"
#include "support/plugin_fixture.h"

namespace {

using Limits = std::array<double, 4>;

constexpr std::array<DDObjectId, 4> kLocalLimits = {
    item::func1_lo_lo_lim_local, item::func1_lo_lim_local, item::func1_hi_lim_local,
    item::func1_hi_hi_lim_local};

// Whole limits, which four bytes hold as given, and limits that single precision changes.
constexpr Limits kWholeLimits = {-10, -5, 5, 10};
constexpr Limits kFractionLimits = {0.1, 0.2, 0.3, 0.4};

// One run as ddhost makes it: the user's four local limits stored first, then the method run
// through the reference host's services, whose log is taken so that it does not grow.
[[gnu::noinline]] std::int32_t RunOnce(PluginFixture& fixture, CDDMethod& method,
                                       const Limits& limits) {
    for (std::size_t i = 0; i < limits.size(); ++i)
        fixture.SetValue(kLocalLimits[i], CDDCommonVariant(limits[i]));
    const std::int32_t result = fixture.calculation.ExecuteMethod(1, &method, 0, false);
    benchmark::DoNotOptimize(fixture.host.TakeMethodLog());
    return result;
}

}  // namespace

static void BM_MethodRun(benchmark::State& state, DDObjectId id, const Limits& limits) {
    PluginFixture fixture(true, ddhost::StoreRecording::Off);
    std::unique_ptr<CDDObject> method = fixture.host.store().Copy(id);
    auto& run = static_cast<CDDMethod&>(*method);
    // The first run also computes the defaults of the variables that it reads.
    RunOnce(fixture, run, limits);
    const bench::AllocationScope scope;
    for (auto _ : state) benchmark::DoNotOptimize(RunOnce(fixture, run, limits));
    state.counters["allocs/op"] =
        benchmark::Counter(static_cast<double>(scope.count()), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_MethodRun, check_whole, item::meth_check_lokal_limits_local, kWholeLimits);
BENCHMARK_CAPTURE(BM_MethodRun, check_fractions, item::meth_check_lokal_limits_local,
                  kFractionLimits);
BENCHMARK_CAPTURE(BM_MethodRun, write_whole, item::meth_write_limits, kWholeLimits);
BENCHMARK_CAPTURE(BM_MethodRun, write_fractions, item::meth_write_limits, kFractionLimits);
BENCHMARK_CAPTURE(BM_MethodRun, read_fractions, item::meth_read_limits, kFractionLimits);
