// A keystroke in a field of the largest model (250 profiles), as the window hands it to the
// document: the typing command, the commit of the entry on show, the solve of the section as it
// stands and the changed signal, without drawing. Target: at most 1 ms.

#include "largest_model.h"

#include "document/section_document.h"
#include "io/section_file.h"

#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

using namespace karo;

void BM_KeystrokeLargestModel(benchmark::State& state) {
    // The document opens the model as the window does, from a file.
    TSectionModel m;
    bench::FillLargestModel(m);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("largest.karo"));
    QString error;
    if (!SaveSectionFile(file, m, &error) || !SectionDocument().open(file).ok()) {
        state.SkipWithError("the largest model did not open");
        return;
    }
    SectionDocument d;
    d.open(file);
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
