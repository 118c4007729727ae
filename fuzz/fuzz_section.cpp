// The section-file loader: any bytes are loaded or refused with a message; a loaded section
// saves and loads again to the same file, and solves or stops on an arithmetic fault.

#include "io/section_file.h"
#include "model/arith.h"
#include "solver/solver.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    karo::TSectionModel model;
    const karo::LoadReport report = karo::LoadSection(json, "fuzz.karo", model);
    if (!report.ok()) {
        if (report.message.isEmpty())
            std::abort(); // a refusal must say why
        return 0;
    }
    const QByteArray saved = karo::SaveSection(model);
    karo::TSectionModel again;
    if (!karo::LoadSection(saved, "again.karo", again).ok() || karo::SaveSection(again) != saved)
        std::abort();
    karo::TSectionResult result;
    try {
        karo::SolveSection(model, result);
    } catch (const karo::ArithmeticError&) {
    }
    return 0;
}
