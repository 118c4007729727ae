#include "solver/outline_points.h"

#include "model/arith.h"

#include <algorithm>

namespace karo {

OutlineCorners EntryCorners(const TSectionModel& model, Kind kind, int n) {
    OutlineCorners c = kindInfo(kind).rules->corners(model, n);
    for (int i = 0; i < c.count; ++i) {
        TPoint& p = c.points[static_cast<std::size_t>(i)];
        p = {Checked(p.x), Checked(p.y)};
    }
    return c;
}

ProfileBox BoxOf(const OutlineCorners& c) {
    ProfileBox b{c.points[0].x, c.points[0].x, c.points[0].y, c.points[0].y};
    for (int i = 1; i < c.count; ++i) {
        const TPoint& p = c.points[static_cast<std::size_t>(i)];
        b.left = std::min(b.left, p.x), b.right = std::max(b.right, p.x);
        b.bottom = std::min(b.bottom, p.y), b.top = std::max(b.top, p.y);
    }
    return b;
}

ProfileBox EntryExtent(const TSectionModel& model, Kind kind, int n) {
    return BoxOf(EntryCorners(model, kind, n));
}

} // namespace karo
