// The whole report of the largest model (250 profiles): the document typed while the
// section is solved and drawn, and the .docx package written to a temporary file.
// Target: at most 100 ms per report.

#include "largest_model.h"

#include "report/report_run.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace karo;

void BM_ReportLargestModel(benchmark::State& state) {
    TSectionModel m;
    bench::FillLargestModel(m);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.docx"));
    TSectionResult r;
    for (auto _ : state) {
        const report::ReportRunResult run = report::RunReport(m, nullptr, r, {}, path);
        if (!run.written()) {
            state.SkipWithError(run.error.toStdString().c_str());
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_ReportLargestModel)->Unit(benchmark::kMillisecond);

} // namespace

// Pictures and their labels need a GUI application; it runs offscreen.
int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
