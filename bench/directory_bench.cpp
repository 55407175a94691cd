#include <benchmark/benchmark.h>

#include "support/plugin_fixture.h"

// The host builds the directory once per session; this is what that costs, store included.
static void BM_BuildDefinitions(benchmark::State& state) {
    for (auto _ : state) {
        PluginFixture fixture(false);
        fixture.calculation.BuildDefinitions();
        benchmark::DoNotOptimize(fixture.host.store().objects().size());
    }
}
BENCHMARK(BM_BuildDefinitions)->Unit(benchmark::kMillisecond);

// One fill through the calculate dispatch, for a command (host round trip for its block) and
// for a variable.
static void BM_FillByKind(benchmark::State& state) {
    PluginFixture fixture;
    const auto id = static_cast<DDObjectId>(state.range(0));
    std::unique_ptr<CDDObject> object = fixture.host.store().Copy(id);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ddhost::Calculate(fixture.calculation, 1, *object));
    }
}
BENCHMARK(BM_FillByKind)->Arg(item::read_phys_blk)->Arg(item::phys_blk_object)->Arg(item::func1_out_value);

// Validity requests: the plain answer and the one that asks the host for a value.
static void BM_VariableValidity(benchmark::State& state) {
    PluginFixture fixture;
    const auto id = static_cast<DDObjectId>(state.range(0));
    std::unique_ptr<CDDObject> object = fixture.host.store().Copy(id);
    auto* variable = static_cast<CDDVariable*>(object.get());
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixture.calculation.CalculateVariableValidity(1, variable));
    }
}
BENCHMARK(BM_VariableValidity)->Arg(item::phys_blk_object)->Arg(item::trans1_user_flow_rate_unit);
