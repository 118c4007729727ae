// The solve of the largest model (250 profiles), with the commit of the five entries on
// show that every solve starts with. Target: at most 8 µs per solve.

#include "largest_model.h"

#include "model/section_editor.h"
#include "solver/format.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

namespace {

using namespace karo;

// The entries on show read their texts back from the model, as the tab fields would hold.
class OnShow : public FieldTexts {
  public:
    explicit OnShow(const TSectionModel& m) : m_(m) {}
    std::string fieldText(Kind k, int field) const override {
        return m_.text(k, m_.state(k).CurrentNumber,
                       kindInfo(k).fields[static_cast<std::size_t>(field)].slot);
    }

  private:
    const TSectionModel& m_;
};

void BM_SolveLargestModel(benchmark::State& state) {
    TSectionModel m;
    bench::FillLargestModel(m);
    TSectionResult r;
    OnShow onShow(m);
    SectionEditor editor(m);
    for (auto _ : state) {
        editor.commitOnShow(onShow);
        SolveSection(m, r);
        benchmark::DoNotOptimize(r.Wv);
    }
    state.counters["points"] = static_cast<double>(r.OutlinePoints.size());
}
BENCHMARK(BM_SolveLargestModel)->Unit(benchmark::kMicrosecond);

void BM_CommitLargestModel(benchmark::State& state) {
    TSectionModel m;
    for (auto _ : state) {
        bench::FillLargestModel(m);
        benchmark::DoNotOptimize(m.Un.entry(50).TanAlpha);
    }
}
BENCHMARK(BM_CommitLargestModel)->Unit(benchmark::kMicrosecond);

void BM_FormatResultTexts(benchmark::State& state) {
    const double values[] = {1.9321, -1.3403, 62.8,   3936.4, 1356.8, 416.75, -8.9529,
                             1291.1, 4002.1,  4.5342, 7.983,  108.63, 311.15};
    for (auto _ : state) {
        for (double v : values)
            benchmark::DoNotOptimize(FormatResult(v));
    }
}
BENCHMARK(BM_FormatResultTexts)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
