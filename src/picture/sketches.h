#pragma once
// Line drawings of a single profile in each of its positions: the pictures of the kind tabs
// and of the report. Drawn in code, so no image files ship with the program.

#include "model/kinds.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace karo {

// Size of every orientation picture, in pixels (square).
inline constexpr int SketchSize = 388;

// The picture of `kind` in position `code` (Dt 1..2, Sh 1..4, Un 1..8, Ur 1..4; for the
// plate any code gives the tab picture). White ground, SketchSize × SketchSize,
// Format_RGB32. An unknown code gives a blank white picture.
QImage OrientationPicture(Kind kind, int code);

// One of the plate's pictures.
QImage PlatePicture(PlateView view);

// A picture taken apart, to check that its letters read cleanly: the picture, the same
// without its letters, and the box of each letter's ink.
struct SketchParts {
    QImage picture;
    QImage lines;
    std::vector<QRect> letters;
};
// The parts of OrientationPicture(kind, code), or for the plate of PlatePicture(view).
SketchParts SketchPartsOf(Kind kind, int code, PlateView view = PlateView::Tab);

} // namespace karo
