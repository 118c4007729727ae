#pragma once
// Orientation codes: the positions in which a profile can be placed. One table per kind says
// how each position is reached from the profile's own drawing; the transitions under the
// rotate and mirror buttons, the checks' long side, the outlines' turn, the solver's boxes
// and the catalogue's exchanged values all follow from it.

#include "model/kinds.h"

namespace karo {

// Whether `code` is a valid orientation code of the kind (plates have none: only 0).
bool IsValidCode(Kind k, int code);

// The position of a valid code; a plate, or a code outside the kind's list, is unturned.
Placement PlacementOf(Kind k, int code);

// The code after a 90° counter-clockwise turn. Codes outside the kind's range stay as they are.
int RotateCode(Kind k, int code);
// The code after mirroring left to right: only a kind with mirrored positions (the
// unequal-leg angle) has a mirror button; other kinds are returned unchanged.
int MirrorCode(Kind k, int code);

// True where the profile's long direction (the web of an I-beam or channel, the larger leg
// of an unequal-leg angle) runs along y', so that Ix must exceed Iy. False for the kinds
// without a long direction and for codes outside the kind's list.
bool LongAlongY(Kind k, int code);
// True where that long direction runs along x' instead (a quarter turn, or three).
bool LongAlongX(Kind k, int code);

// In which order the five outline points of an angle are listed.
enum class AnglePointOrder { First, Second, Third };

// Position of an angle (both angle kinds): the directions in which its legs run from the
// heel, and whether the leg along y' is the larger leg B1.
struct AngleLayout {
    int sx;            // +1: horizontal leg runs right from the heel; -1: left
    int sy;            // +1: vertical leg runs up from the heel; -1: down
    bool verticalIsB1; // the leg along y' is B1 (else b2)
    AnglePointOrder order;
    int productSign; // sign of the angle's own product of inertia Ixy
};

// Layout of an angle with the given code; an unknown code reads as code 1.
AngleLayout AngleLayoutOf(Kind k, int code);

} // namespace karo
