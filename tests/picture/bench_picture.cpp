// The whole picture of the largest section: 50 entries of each kind.
#include "fixtures.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace karo;
using namespace karo::test;

static void BM_LargestSectionPicture(benchmark::State& state) {
    TSectionModel m;
    for (int i = 0; i < MaxEntriesPerKind; ++i) {
        const double x = (i % 10) * 30, y = (i / 10) * 30;
        addDt(m, 1 + i % 2, x, y);
        addSh(m, 1 + i % 4, x + 10, y);
        addUn(m, 1 + i % 8, x, y + 15);
        addUr(m, 1 + i % 4, x + 15, y + 15);
        addPlate(m, 2, 10, x + 20, y + 8);
    }
    for (auto _ : state) {
        SectionPicture pic;
        TSectionResult r;
        SolveSection(m, nullptr, r, &pic);
        benchmark::DoNotOptimize(pic.image().constBits());
    }
}
BENCHMARK(BM_LargestSectionPicture)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
