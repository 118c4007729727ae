// The whole picture of the largest section (50 entries of each kind, every orientation), and
// the result sheet composed from it.
#include "largest_model.h"

#include "model/orientation.h"
#include "picture/fonts.h"
#include "picture/result_sheet.h"
#include "picture/section_picture.h"
#include "picture/sketches.h"
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

// Every orientation picture of the tabs and the report, each kind's scale already fitted:
// what turning a profile or a report's pictures cost, and what one trial of a fit costs.
void BM_OrientationPictures(benchmark::State& state) {
    const auto all = [] {
        for (Kind k : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur})
            for (int code = 1; IsValidCode(k, code); ++code)
                benchmark::DoNotOptimize(OrientationPicture(k, code).constBits());
        for (PlateView v : {PlateView::Tab, PlateView::Horizontal, PlateView::Vertical})
            benchmark::DoNotOptimize(PlatePicture(v).constBits());
    };
    all();
    for (auto _ : state)
        all();
}
BENCHMARK(BM_OrientationPictures)->Unit(benchmark::kMillisecond);

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
