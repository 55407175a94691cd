#include <benchmark/benchmark.h>

#include "allocation_counter.h"
#include "support/plugin_fixture.h"

namespace {

using Calculation = CDeviceAttributeCalculation;

// One request made again and again on the same object, with the allocations it makes.
template <class Request>
void Repeat(benchmark::State& state, Calculation& calculation, CDDObject& object, Request request) {
    const bench::AllocationScope scope;
    for (auto _ : state) benchmark::DoNotOptimize(request(calculation, object));
    state.counters["allocs/op"] =
        benchmark::Counter(static_cast<double>(scope.count()), benchmark::Counter::kAvgIterations);
}

CDDObject* Fill(Calculation& calculation, CDDObject& object) {
    return ddhost::Calculate(calculation, 1, object);
}
bool VariableValidity(Calculation& calculation, CDDObject& object) {
    return calculation.CalculateVariableValidity(1, static_cast<CDDVariable*>(&object));
}
std::int32_t Execute(Calculation& calculation, CDDObject& object) {
    return calculation.ExecuteMethod(1, static_cast<CDDMethod*>(&object), 0, false);
}

// The reference host as ddhost runs it: its store keeps no record of the calls.
constexpr ddhost::StoreRecording kAsDdhost = ddhost::StoreRecording::Off;

}  // namespace

// The host builds the directory once per session; this is what that costs, store included.
static void BM_BuildDefinitions(benchmark::State& state) {
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        PluginFixture fixture(false, kAsDdhost);
        const bench::AllocationScope scope;
        fixture.calculation.BuildDefinitions();
        allocations += scope.count();
        benchmark::DoNotOptimize(fixture.host.store().objects().size());
    }
    state.counters["allocs/op"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BuildDefinitions)->Unit(benchmark::kMillisecond);

// One fill of every object of the directory, each on a new copy as the host makes it; the
// allocations counted are those of the fills, host round trips included.
static void BM_FillDirectory(benchmark::State& state) {
    PluginFixture fixture(true, kAsDdhost);
    const auto& objects = fixture.host.store().objects();
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        for (const auto& stored : objects) {
            std::unique_ptr<CDDObject> object(stored->Clone());
            const bench::AllocationScope scope;
            benchmark::DoNotOptimize(Fill(fixture.calculation, *object));
            allocations += scope.count();
        }
    }
    const double fills = static_cast<double>(state.iterations()) * objects.size();
    state.counters["allocs/fill"] = static_cast<double>(allocations) / fills;
}
BENCHMARK(BM_FillDirectory)->Unit(benchmark::kMillisecond);

// One fill through the calculate dispatch, for a command (host round trip for its block), a
// variable and the 160-enumerator unit list.
static void BM_FillByKind(benchmark::State& state) {
    PluginFixture fixture(true, kAsDdhost);
    std::unique_ptr<CDDObject> object = fixture.host.store().Copy(state.range(0));
    Repeat(state, fixture.calculation, *object, Fill);
}
BENCHMARK(BM_FillByKind)
    ->Arg(item::read_phys_blk)
    ->Arg(item::phys_blk_object)
    ->Arg(item::func1_out_value)
    ->Arg(item::func1_out_unit);

// Validity requests: the plain answer and the one that asks the host for a value.
static void BM_VariableValidity(benchmark::State& state) {
    PluginFixture fixture(true, kAsDdhost);
    std::unique_ptr<CDDObject> object = fixture.host.store().Copy(state.range(0));
    Repeat(state, fixture.calculation, *object, VariableValidity);
}
BENCHMARK(BM_VariableValidity)->Arg(item::phys_blk_object)->Arg(item::trans1_user_flow_rate_unit);

// The routing that every calculate, validity and execute request goes through, on an object
// of the request's class that names no item.
template <class Request>
static void BM_Dispatch(benchmark::State& state, enumDDObjectKind kind, Request request) {
    PluginFixture fixture(true, kAsDdhost);
    std::unique_ptr<CDDObject> object = ddhost::MakeObject(CDDDefinition(-1, "no_item", kind));
    Repeat(state, fixture.calculation, *object, request);
}
BENCHMARK_CAPTURE(BM_Dispatch, calculate, DD_KIND_VARIABLE, Fill);
BENCHMARK_CAPTURE(BM_Dispatch, validity, DD_KIND_VARIABLE, VariableValidity);
BENCHMARK_CAPTURE(BM_Dispatch, execute, DD_KIND_METHOD, Execute);

// A long session: the same variable filled again and again, each time on a new copy as the
// host makes it. Its memory must stay where the first fill left it.
static void BM_RepeatedFill(benchmark::State& state) {
    PluginFixture fixture(true, kAsDdhost);
    const auto id = static_cast<DDObjectId>(state.range(0));
    fixture.Fill(id);
    const std::int64_t heap = bench::LiveBytes();
    const std::int64_t resident = bench::ResidentBytes();
    for (auto _ : state) benchmark::DoNotOptimize(fixture.Fill(id));
    state.counters["heap growth B"] = static_cast<double>(bench::LiveBytes() - heap);
    state.counters["resident growth B"] = static_cast<double>(bench::ResidentBytes() - resident);
}
BENCHMARK(BM_RepeatedFill)
    ->Arg(item::phys_blk_object)
    ->Arg(item::func1_out_value)
    ->Iterations(100000);
