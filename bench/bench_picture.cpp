// The whole picture of the largest section (50 entries of each kind, every orientation), and
// the result sheet composed from it.
#include "largest_model.h"

#include "picture/fonts.h"
#include "picture/result_sheet.h"
#include "picture/section_picture.h"
#include "solver/solver.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace karo;

namespace {

void BM_LargestSectionPicture(benchmark::State& state) {
    TSectionModel m;
    bench::FillLargestModel(m);
    for (auto _ : state) {
        SectionPicture pic;
        TSectionResult r;
        SolveSection(m, r);
        pic.draw(m, r);
        benchmark::DoNotOptimize(pic.image().constBits());
    }
}
BENCHMARK(BM_LargestSectionPicture)->Unit(benchmark::kMillisecond);

void BM_ResultSheet(benchmark::State& state) {
    TSectionModel m;
    bench::FillLargestModel(m);
    TSectionResult r;
    SolveSection(m, r);
    const QImage picture = DrawSectionPicture(m, r);
    const SheetTexts texts = ResultFieldTexts(r);
    for (auto _ : state) {
        const QImage sheet = BuildResultSheet(picture, texts);
        benchmark::DoNotOptimize(sheet.constBits());
    }
}
BENCHMARK(BM_ResultSheet)->Unit(benchmark::kMillisecond);

} // namespace

// Text needs a GUI application; it draws off screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
