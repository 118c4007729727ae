#include "magnet/magnet_rules.h"

namespace karo::magnet {

void TMagnetRect::moveTo(int x, int y) {
    const int w = width();
    const int h = height();
    left = x;
    top = y;
    right = x + w;
    bottom = y + h;
}

TMagnetRect TMagnetRect::fromQRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

TMagnetRect attractingArea(const std::optional<TMagnetRect>& parentClient, TScreenArea area,
                           const TMagnetRect& workArea, const TMagnetRect& fullScreen) {
    if (parentClient) {
        return *parentClient;
    }
    return area == saWorkArea ? workArea : fullScreen;
}

TMagnetRect rectFromPointer(QPoint pointer, QPoint cursorOffset, QSize size) {
    const QPoint topLeft = pointer - cursorOffset;
    return {topLeft.x(), topLeft.y(), topLeft.x() + size.width(), topLeft.y() + size.height()};
}

namespace {

// Strictly inside the reach and not already there.
bool withinReach(int edge, int target, int reach) {
    return edge != target && edge > target - reach && edge < target + reach;
}

bool allowed(const AllowFn& allow, std::size_t index) {
    return !allow || allow(index);
}

} // namespace

void snapToAreaEdges(TMagnetRect& r, const TMagnetRect& area, const TScreenMagnet& screen) {
    const int reach = screen.DesktopPower;
    const int w = r.width();
    const int h = r.height();
    if (screen.Top && withinReach(r.top, area.top, reach)) {
        r.top = area.top;
        r.bottom = area.top + h;
    }
    if (screen.Bottom && withinReach(r.bottom, area.bottom, reach)) {
        r.bottom = area.bottom;
        r.top = area.bottom - h;
    }
    if (screen.Left && withinReach(r.left, area.left, reach)) {
        r.left = area.left;
        r.right = area.left + w;
    }
    if (screen.Right && withinReach(r.right, area.right, reach)) {
        r.right = area.right;
        r.left = area.right - w;
    }
}

bool snapToWindows(TMagnetRect& r, const std::vector<TMagnetRect>& others, int power,
                   const AllowFn& allow) {
    bool snapped = false;
    const int w = r.width();
    const int h = r.height();
    for (std::size_t i = 0; i < others.size(); ++i) {
        const TMagnetRect& o = others[i];
        if (r.right > o.left && o.right > r.left) {
            // This window's bottom onto the other's top: it sits on top of the other.
            if (withinReach(r.bottom, o.top, power) && allowed(allow, i)) {
                r.top = o.top - h;
                r.bottom = r.top + h;
                snapped = true;
            }
            // This window's top onto the other's bottom: it hangs below the other.
            if (withinReach(r.top, o.bottom, power) && allowed(allow, i)) {
                r.top = o.bottom;
                r.bottom = r.top + h;
                snapped = true;
            }
        }
        if (r.bottom > o.top && o.bottom > r.top) {
            if (withinReach(r.right, o.left, power) && allowed(allow, i)) {
                r.left = o.left - w;
                r.right = r.left + w;
                snapped = true;
            }
            if (withinReach(r.left, o.right, power) && allowed(allow, i)) {
                r.left = o.right;
                r.right = r.left + w;
                snapped = true;
            }
        }
    }
    return snapped;
}

MagnetizeResult magnetize(TMagnetRect r, const MagnetizeInput& in) {
    MagnetizeResult result;
    if (in.fromPointer) {
        r = rectFromPointer(in.pointer, in.cursorOffset, QSize(r.width(), r.height()));
    }
    if (!in.noSnap) {
        result.snappedToWindow = snapToWindows(r, in.others, in.power, in.allowMagnet);
        if (!result.snappedToWindow || in.glue) {
            snapToAreaEdges(r, in.area, in.screen);
        }
    }
    result.rect = r;
    return result;
}

MagnetizeResult snapNow(const TMagnetRect& current, MagnetizeInput in) {
    in.fromPointer = false;
    in.noSnap = false;
    return magnetize(current, in);
}

bool touchesEdge(const TMagnetRect& self, const TMagnetRect& other) {
    // The edges must also meet along their length: a window that merely lines up
    // with this one somewhere else on the screen is not touching it.
    const bool meetHorizontally = self.left <= other.right && other.left <= self.right;
    const bool meetVertically = self.top <= other.bottom && other.top <= self.bottom;
    return ((self.bottom == other.top || other.bottom == self.top) && meetHorizontally) ||
           ((self.right == other.left || other.right == self.left) && meetVertically);
}

std::vector<GlueOffset> collectGlued(const TMagnetRect& self,
                                     const std::vector<TMagnetRect>& others,
                                     const AllowFn& allowGlue) {
    std::vector<GlueOffset> glued;
    for (std::size_t i = 0; i < others.size(); ++i) {
        const TMagnetRect& o = others[i];
        if (touchesEdge(self, o) && allowed(allowGlue, i)) {
            glued.push_back({i, o.left - self.left, o.top - self.top});
        }
    }
    return glued;
}

} // namespace karo::magnet
