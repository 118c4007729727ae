#include "properties/section_shape.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace karo::properties {
namespace {

namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;
using BPolygon = bg::model::polygon<BPoint, false, true>; // counter-clockwise, closed
using BMulti = bg::model::multi_polygon<BPolygon>;

// Every coordinate within the tolerance of a smaller one becomes that one, so that faces
// meant to touch lie on one line exactly.
class Snap {
  public:
    Snap(std::vector<double> values, double tolerance) {
        std::sort(values.begin(), values.end());
        for (double v : values) {
            if (to_.empty() || v - to_.back() > tolerance)
                to_.push_back(v);
        }
    }
    double operator()(double v) const {
        auto it = std::upper_bound(to_.begin(), to_.end(), v);
        return it == to_.begin() ? v : *(it - 1);
    }

  private:
    std::vector<double> to_;
};

Ring ringOf(const BPolygon::ring_type& r) {
    Ring out;
    for (std::size_t i = 0; i + 1 < r.size(); ++i)
        out.push_back({r[i].x(), r[i].y()});
    return out;
}

} // namespace

SectionShape UniteOutlines(const std::vector<Ring>& rings) {
    SectionShape shape;
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    std::vector<double> xs, ys;
    for (const Ring& r : rings) {
        for (const Pt& p : r) {
            left = std::min(left, p.x), right = std::max(right, p.x);
            bottom = std::min(bottom, p.y), top = std::max(top, p.y);
            xs.push_back(p.x), ys.push_back(p.y);
        }
    }
    shape.size = std::max(right - left, top - bottom);
    if (!(shape.size > 0) || !std::isfinite(shape.size))
        return shape;
    const double tolerance = kContactTolerance * shape.size;
    const Snap snapX(std::move(xs), tolerance), snapY(std::move(ys), tolerance);

    std::vector<BPolygon> polygons;
    std::vector<bg::model::box<BPoint>> boxes;
    for (const Ring& r : rings) {
        BPolygon poly;
        for (const Pt& p : r) {
            const BPoint q(snapX(p.x), snapY(p.y));
            auto& outer = poly.outer();
            if (outer.empty() || !bg::equals(outer.back(), q))
                outer.push_back(q);
        }
        auto& outer = poly.outer();
        while (outer.size() > 1 && bg::equals(outer.back(), outer.front()))
            outer.pop_back();
        if (outer.size() < 3)
            continue;
        outer.push_back(outer.front());
        bg::correct(poly);
        if (!(bg::area(poly) > tolerance * tolerance))
            continue; // no material: a profile of zero thickness
        polygons.push_back(std::move(poly));
        boxes.push_back(bg::return_envelope<bg::model::box<BPoint>>(polygons.back()));
    }

    // Only profiles whose boxes meet can join: each group is united by itself, pairwise in
    // rounds, so that no union grows one profile at a time.
    const int n = static_cast<int>(polygons.size());
    std::vector<int> parent(static_cast<std::size_t>(n));
    std::iota(parent.begin(), parent.end(), 0);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (!bg::disjoint(boxes[static_cast<std::size_t>(i)],
                              boxes[static_cast<std::size_t>(j)]))
                parent[static_cast<std::size_t>(FindRoot(parent, i))] = FindRoot(parent, j);
    std::vector<std::vector<BMulti>> groups(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        groups[static_cast<std::size_t>(FindRoot(parent, i))].push_back(
            BMulti{polygons[static_cast<std::size_t>(i)]});
    for (auto& group : groups) {
        while (group.size() > 1) {
            std::vector<BMulti> next;
            for (std::size_t i = 0; i + 1 < group.size(); i += 2) {
                BMulti united;
                bg::union_(group[i], group[i + 1], united);
                next.push_back(std::move(united));
            }
            if (group.size() % 2)
                next.push_back(std::move(group.back()));
            group = std::move(next);
        }
        if (group.empty())
            continue;
        for (const BPolygon& p : group.front()) {
            Solid s{ringOf(p.outer()), {}};
            for (const auto& inner : p.inners())
                s.cells.push_back(ringOf(inner));
            if (s.outer.size() >= 3)
                shape.solids.push_back(std::move(s));
        }
    }
    return shape;
}

} // namespace karo::properties
