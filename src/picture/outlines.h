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

// Each drawer: pen black width 2, the kind's lines and arcs about the origin pixel at
// `Scale` pixels per cm, then the hatch fill from the kind's seed point, confined to the
// pixels the outline reached. The angle drawers take Xo along their local x and Yo along
// their local y; see AngleForDrawing.
void DrawDtOutline(Canvas& canvas, int OriginX, int OriginY, TDtEntry Entry, double Scale,
                   int DefaultAngle);
void DrawShOutline(Canvas& canvas, int OriginX, int OriginY, TShEntry Entry, double Scale,
                   int DefaultAngle);
void DrawUnOutline(Canvas& canvas, int OriginX, int OriginY, TUnEntry Entry, double Scale,
                   int DefaultAngle);
void DrawUrOutline(Canvas& canvas, int OriginX, int OriginY, TUrEntry Entry, double Scale,
                   int DefaultAngle);
void DrawListOutline(Canvas& canvas, int OriginX, int OriginY, TListEntry Entry, double Scale,
                     int DefaultAngle);

// The typed Xo and Yo of an unequal-leg angle are its heel offsets along the picture's x and
// y. In the positions turned by a quarter the local axes of the outline lie across the
// picture's, so the drawer gets them exchanged.
TUnEntry AngleForDrawing(const TUnEntry& entry);

// Draws entry `n` of `kind` from the model, with the exchange above.
void DrawEntryOutline(Canvas& canvas, int OriginX, int OriginY, const TSectionModel& model,
                      Kind kind, int n, double Scale);

} // namespace karo
