// A keystroke in a field of the largest model (250 profiles), as the window hands it to the
// document: the typing command, the commit of the entry on show, the solve of the section as it
// stands and the changed signal, without drawing. Target: at most 1 ms.

#include "largest_model.h"

#include "document/section_document.h"
#include "io/section_file.h"

#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace karo;

// The document opens the largest model as the window does, from a file.
bool openLargestModel(SectionDocument& d) {
    const auto m = std::make_unique<TSectionModel>();
    bench::FillLargestModel(*m);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("largest.karo"));
    QString error;
    return SaveSectionFile(file, *m, &error) && d.open(file).ok();
}

void BM_KeystrokeLargestModel(benchmark::State& state) {
    SectionDocument d;
    if (!openLargestModel(d)) {
        state.SkipWithError("the largest model did not open");
        return;
    }
    int told = 0;
    QObject::connect(&d, &SectionDocument::changed, [&](const DocumentChange&) { ++told; });
    const int xc = fieldIndex(Kind::Dt, "Xc");
    const std::string base = d.text(Kind::Dt, xc);
    // Typing one more digit and taking it back, in turn: each a keystroke of its own.
    const std::string texts[] = {base + "1", base};
    std::size_t i = 0;
    for (auto _ : state) {
        d.type(Kind::Dt, xc, texts[i++ & 1]);
        d.endTyping();
    }
    benchmark::DoNotOptimize(d.result().Wv);
    state.counters["signals"] = static_cast<double>(told);
    d.undoStack()->clear(); // after the timed loop
}
BENCHMARK(BM_KeystrokeLargestModel)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
