#pragma once
// The worked solution, written into a Document in document order from the section model and
// a run's result (its per-entry terms included), so nothing is computed twice.
//
//     karo::SolveSection(model, result);
//     karo::report::WriteSolution(document, model, result, [&] { progress->step(); });
//
// A run that stopped before the centroid writes nothing; one that stopped later writes the
// parts whose values it reached. A complete run steps the progress kContentSteps times.
// Orientation pictures are drawn once per position and process.

#include "solver/solver.h"

#include <QImage>
#include <functional>

namespace karo::report {

class Document;

// Steps of the progress bar made by the content of one complete report.
inline constexpr int kContentSteps = 16;

// The picture with a palette when that keeps every pixel (the line drawings of the report
// have a handful of colours): the same picture, several times faster to write as PNG.
QImage PaletteImage(const QImage& image);

// Writes the solution of `r` at the end of `document` and returns the progress steps made.
int WriteSolution(Document& document, const TSectionModel& m, const TSectionResult& r,
                  const std::function<void()>& step = {});

} // namespace karo::report
