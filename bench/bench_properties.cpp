// The properties from the true outlines (karo-cli props): every quantity, It converged.
// Targets: a section of 10 rolled profiles in at most 50 ms; the largest model (250 profiles)
// in at most 2 s, with at most 250 MB peak (the peak of the whole program is in README.md).
// Large meshes are solved on two threads: the targets are wall times, and the CPU time is the
// process's, both threads'.

#include "largest_model.h"

#include "model/orientation.h"
#include "properties/properties.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace karo;

void solve(benchmark::State& state, const TSectionModel& m) {
    properties::SectionPropertiesResult r;
    for (auto _ : state) {
        r = properties::SolveProperties(m);
        benchmark::DoNotOptimize(r.It);
    }
    state.counters["nodes"] = static_cast<double>(r.meshNodes);
    state.counters["parts"] = r.parts;
    state.counters["converged"] = r.converged;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

// Ten rolled profiles welded into one solid.
void BM_PropertiesTenWeldedProfiles(benchmark::State& state) {
    TSectionModel m;
    bench::FillWeldedTen(m);
    solve(state, m);
}
BENCHMARK(BM_PropertiesTenWeldedProfiles)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// Ten rolled profiles thrown together, overlapping at random: the largest model's first
// entries, two of each rolled kind and one more I-beam and channel.
void BM_PropertiesTenOverlappingProfiles(benchmark::State& state) {
    TSectionModel m;
    bench::FillModel(m, 2, false);
    TSectionModel more;
    bench::FillModel(more, 3, false);
    m.state(Kind::Dt).Count = 3;
    m.Dt.entry(3) = more.Dt.entry(3);
    m.state(Kind::Sh).Count = 3;
    m.Sh.entry(3) = more.Sh.entry(3);
    solve(state, m);
}
BENCHMARK(BM_PropertiesTenOverlappingProfiles)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

void BM_PropertiesLargestModel(benchmark::State& state) {
    TSectionModel m;
    bench::FillLargestModel(m);
    solve(state, m);
}
BENCHMARK(BM_PropertiesLargestModel)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace

BENCHMARK_MAIN();
