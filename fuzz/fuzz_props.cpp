// The properties from the true outlines: any section the loader takes gives results or a
// status, never a crash, a hang or a value that is not a number.

#include "io/section_file.h"
#include "model/arith.h"
#include "properties/properties.h"
#include "solver/solver.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    karo::TSectionModel model;
    if (!karo::LoadSection(json, "fuzz.karo", model).ok())
        return 0;
    karo::TSectionResult result;
    try {
        if (karo::SolveSection(model, result).status == karo::SolveStatus::EmptySection)
            return 0;
    } catch (const karo::ArithmeticError&) {
        return 0;
    }
    const auto r = karo::properties::SolveProperties(model);
    if (r.status == karo::properties::PropertiesStatus::Solved &&
        !(std::isfinite(r.It) && std::isfinite(r.outline.A) && std::isfinite(r.outline.Wpl_x) &&
          std::isfinite(r.outline.kern_u[0]) && std::isfinite(r.Iw.value_or(0))))
        std::abort();
    return 0;
}
