#pragma once
// The outline of one profile in its position, drawn about the pixel of its own centroid and
// hatched inside. The section picture draws every entry with these; the sketches reuse them
// at a larger scale.

#include "model/kinds.h"
#include "model/section_model.h"
#include "picture/primitives.h"

namespace karo {

// How an outline is turned (degrees, counter-clockwise) and whether it is mirrored left to
// right, for a kind's orientation code. A code outside the kind's list takes DefaultAngle.
struct OutlineTurn {
    int degrees = 0;
    bool mirrored = false;
};
OutlineTurn OutlineTurnOf(Kind kind, int code, int DefaultAngle);

// Draws entry `n` of `kind` from the model as its kind's module describes it: pen black width
// 2, the lines and arcs about the origin pixel at `Scale` pixels per cm, turned into the
// entry's position, then the hatch fill from the kind's seed point, confined to the pixels
// the outline reached.
void DrawEntryOutline(Canvas& canvas, int OriginX, int OriginY, const TSectionModel& model,
                      Kind kind, int n, double Scale);

} // namespace karo
