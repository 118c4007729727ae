#pragma once

// Snapping rules of the window magnet, as pure functions on rectangles and points.
// Everything here works in one screen coordinate system; the window-side code in
// form_magnet.h gathers the rectangles and applies the results.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace karo {

// Which rectangle attracts a top-level window.
enum TScreenArea { saFullScreen = 0, saWorkArea = 1 };

// When a drag snaps: live on every step, or once when the drag ends.
enum TMagnetType { mkOnMoving = 0, mkAfterMoving = 1 };

// Screen-edge settings of a magnet.
struct TScreenMagnet {
    TScreenArea Area = saWorkArea;
    std::uint8_t DesktopPower = 15; // reach of the edge snapping, pixels
    bool Top = true;
    bool Bottom = true;
    bool Left = true;
    bool Right = true;
};

namespace magnet {

// A window rectangle whose right and bottom edges lie just outside the window:
// right - left is the width. Edge contact and the snapping reach are counted on
// these edges, which QRect::right()/bottom() (one pixel inside) would skew.
struct TMagnetRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QPoint topLeft() const { return {left, top}; }
    void moveTo(int x, int y);

    static TMagnetRect fromQRect(const QRect& r);
    QRect toQRect() const { return QRect(left, top, width(), height()); }

    friend bool operator==(const TMagnetRect&, const TMagnetRect&) = default;
};

// Asked with the index of the other window before this window snaps to it.
using AllowFn = std::function<bool(std::size_t index)>;

// The rectangle the window's edges are drawn to. A window embedded in a parent is
// held inside the parent's client rectangle; a top-level window uses the work area
// (the screen without panels and task bars) or the whole screen.
TMagnetRect attractingArea(const std::optional<TMagnetRect>& parentClient, TScreenArea area,
                           const TMagnetRect& workArea, const TMagnetRect& fullScreen);

// The window rectangle that the pointer gives during a drag: the pointer minus the
// offset it had inside the window when the drag began, with the window's size.
TMagnetRect rectFromPointer(QPoint pointer, QPoint cursorOffset, QSize size);

// Moves the rectangle onto the edges of `area` that lie strictly closer than
// DesktopPower. Top, then bottom, then left, then right: for a window that reaches
// both opposite edges the later rule wins.
void snapToAreaEdges(TMagnetRect& r, const TMagnetRect& area, const TScreenMagnet& screen);

// Moves the rectangle edge to edge onto other windows strictly within `power`
// pixels, walking `others` in order. A window snaps above/below another only when
// their horizontal extents overlap, and beside it only when their vertical extents
// overlap. `allow` (may be empty) can refuse a snap. Returns whether any snap happened.
bool snapToWindows(TMagnetRect& r, const std::vector<TMagnetRect>& others, int power,
                   const AllowFn& allow);

struct MagnetizeInput {
    bool fromPointer = false; // rebuild the rectangle from the pointer first
    bool noSnap = false;      // only follow the pointer, snap nothing
    QPoint pointer;
    QPoint cursorOffset;
    TMagnetRect area;
    TScreenMagnet screen;
    int power = 20;
    bool glue = false;
    std::vector<TMagnetRect> others; // other magnet windows that may attract
    AllowFn allowMagnet;
};

struct MagnetizeResult {
    TMagnetRect rect;
    bool snappedToWindow = false;
};

// One step of a drag (or a snap without one): window snapping first, then the area
// edges, unless a window snap happened and the windows are not glued.
MagnetizeResult magnetize(TMagnetRect r, const MagnetizeInput& in);

// Snaps the window where it stands now.
MagnetizeResult snapNow(const TMagnetRect& current, MagnetizeInput in);

// True when an edge of `other` lies exactly on the opposite edge of `self` and the
// two edges meet along their length (touching at a corner counts).
bool touchesEdge(const TMagnetRect& self, const TMagnetRect& other);

struct GlueOffset {
    std::size_t index; // into the `others` passed to collectGlued
    int dx;            // other left - this left
    int dy;            // other top - this top
};

// The windows that touch `self` and are allowed to be glued, with their offsets.
std::vector<GlueOffset> collectGlued(const TMagnetRect& self,
                                     const std::vector<TMagnetRect>& others,
                                     const AllowFn& allowGlue);

// Where a glued window goes when this window's rectangle is `r`.
inline QPoint gluedTopLeft(const TMagnetRect& r, const GlueOffset& g) {
    return {r.left + g.dx, r.top + g.dy};
}

} // namespace magnet

} // namespace karo
