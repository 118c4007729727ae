#include "properties/outline_integrals.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace karo::properties {
namespace {

void addRing(AreaMoments& m, const Ring& ring, Pt o) {
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const double x0 = ring[i].x - o.x, y0 = ring[i].y - o.y;
        const double x1 = ring[(i + 1) % n].x - o.x, y1 = ring[(i + 1) % n].y - o.y;
        const double c = x0 * y1 - x1 * y0;
        m.a += c / 2;
        m.x += (x0 + x1) * c / 6;
        m.y += (y0 + y1) * c / 6;
        m.xx += (x0 * x0 + x0 * x1 + x1 * x1) * c / 12;
        m.yy += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12;
        m.xy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * c / 24;
    }
}

// The points of the part of the ring where the coordinate `along` (0: x, 1: y) is at least
// `level`, or at most it when `above` is false, handed to `visit` in order. Clipping a ring
// against a half-plane edge by edge keeps the integrals of the clipped region exact even where
// the result folds on the cut.
template <typename Visit>
void visitClipped(const Ring& ring, int along, double level, bool above, Visit&& visit) {
    const auto side = [&](const Pt& p) {
        const double v = along == 0 ? p.x : p.y;
        return above ? v - level : level - v;
    };
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const Pt& p = ring[i];
        const Pt& q = ring[(i + 1) % n];
        const double sp = side(p), sq = side(q);
        if (sp >= 0)
            visit(p);
        if ((sp >= 0) != (sq >= 0)) {
            const double t = sp / (sp - sq);
            Pt cut{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
            (along == 0 ? cut.x : cut.y) = level; // exactly on the cut
            visit(cut);
        }
    }
}

AreaMoments clippedMoments(const std::vector<Solid>& solids, int along, double level, bool above) {
    AreaMoments m;
    Ring part;
    const auto add = [&](const Ring& ring) {
        part.clear();
        visitClipped(ring, along, level, above, [&](const Pt& p) { part.push_back(p); });
        addRing(m, part, {});
    };
    for (const Solid& s : solids) {
        add(s.outer);
        for (const Ring& c : s.cells)
            add(c);
    }
    return m;
}

// The area alone of clippedMoments(), summed in the same order, without keeping the parts:
// the search for the halving axis asks for it some sixty times.
double clippedArea(const std::vector<Solid>& solids, int along, double level, bool above) {
    double a = 0;
    const auto add = [&](const Ring& ring) {
        bool any = false;
        Pt first, last;
        visitClipped(ring, along, level, above, [&](const Pt& p) {
            if (any)
                a += (last.x * p.y - p.x * last.y) / 2;
            else
                first = p, any = true;
            last = p;
        });
        if (any)
            a += (last.x * first.y - first.x * last.y) / 2;
    };
    for (const Solid& s : solids) {
        add(s.outer);
        for (const Ring& c : s.cells)
            add(c);
    }
    return a;
}

// The first moment about the central axis of the part beyond it, and the plastic modulus
// about the axis that halves the area, with its place.
void shearAndPlastic(const std::vector<Solid>& centred, int along, double lo, double hi,
                     double area, double& s, double& wpl, double& halving) {
    const auto first = [&](const AreaMoments& m) { return along == 0 ? m.x : m.y; };
    s = first(clippedMoments(centred, along, 0, true));
    // The area below a level grows with it; halve the interval until it stops shrinking.
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        if (mid <= lo || mid >= hi)
            break;
        (clippedArea(centred, along, mid, false) < area / 2 ? lo : hi) = mid;
    }
    halving = (lo + hi) / 2;
    wpl = first(clippedMoments(centred, along, halving, true)) -
          first(clippedMoments(centred, along, halving, false));
}

double cross(Pt o, Pt a, Pt b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The convex hull, counter-clockwise, without points on its edges.
std::vector<Pt> convexHull(std::vector<Pt> p) {
    std::sort(p.begin(), p.end(),
              [](Pt a, Pt b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (p.size() < 3)
        return p;
    std::vector<Pt> h(2 * p.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0)
            --k;
        h[k++] = p[i];
    }
    for (std::size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(h[k - 2], h[k - 1], p[i - 1]) <= 0)
            --k;
        h[k++] = p[i - 1];
    }
    h.resize(k - 1);
    return h;
}

// How far the kern reaches from the centroid in direction d.
double kernReach(const std::vector<Pt>& kern, Pt d) {
    double reach = INFINITY;
    for (std::size_t i = 0, n = kern.size(); i < n; ++i) {
        const Pt& p = kern[i];
        const Pt& q = kern[(i + 1) % n];
        const Pt normal{q.y - p.y, p.x - q.x}; // outward for a counter-clockwise polygon
        const double c = normal.x * p.x + normal.y * p.y, dn = normal.x * d.x + normal.y * d.y;
        if (dn > 0 && c >= 0)
            reach = std::min(reach, c / dn);
    }
    return std::isfinite(reach) ? reach : 0;
}

} // namespace

AreaMoments MomentsOf(const std::vector<Solid>& solids, Pt origin) {
    AreaMoments m;
    for (const Solid& s : solids) {
        addRing(m, s.outer, origin);
        for (const Ring& c : s.cells)
            addRing(m, c, origin);
    }
    return m;
}

bool ComputeOutlineProperties(const std::vector<Solid>& solids, OutlineProperties& out) {
    out = {};
    if (solids.empty())
        return false;
    // Moments about a point inside the section first, so that far coordinates cancel nothing.
    const Pt ref = solids.front().outer.front();
    const AreaMoments m0 = MomentsOf(solids, ref);
    if (!(m0.a > 0) || !std::isfinite(m0.a))
        return false;
    const Pt c{ref.x + m0.x / m0.a, ref.y + m0.y / m0.a};
    std::vector<Solid> centred = solids;
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    std::vector<Pt> all;
    const auto shift = [&](Ring& r) {
        for (Pt& p : r) {
            p = {p.x - c.x, p.y - c.y};
            left = std::min(left, p.x), right = std::max(right, p.x);
            bottom = std::min(bottom, p.y), top = std::max(top, p.y);
        }
    };
    for (Solid& s : centred) {
        shift(s.outer);
        all.insert(all.end(), s.outer.begin(), s.outer.end());
        for (Ring& r : s.cells)
            shift(r);
    }
    const AreaMoments m = MomentsOf(centred, {});
    out.A = m.a;
    out.Xc = c.x, out.Yc = c.y;
    out.Ix = m.yy, out.Iy = m.xx, out.Ixy = m.xy;

    // The solver's conventions for the principal axes.
    // A product that is rounding alone is 0, and the axes are then the central ones.
    const double relZero = 1e-12 * (out.Ix + out.Iy);
    if (std::fabs(out.Ixy) <= relZero)
        out.Ixy = 0;
    if (std::fabs(out.Ix - out.Iy) <= relZero)
        out.Alpha0 = out.Ixy == 0 ? 0 : (out.Ixy > 0 ? -45 : 45);
    else
        out.Alpha0 = std::atan(-2 * out.Ixy / (out.Ix - out.Iy)) / 2 * 180 / std::numbers::pi;
    if (out.Ixy == 0) {
        out.Iu = std::min(out.Ix, out.Iy), out.Iv = std::max(out.Ix, out.Iy);
    } else {
        const double diff = out.Ix - out.Iy;
        const double R = 0.5 * std::sqrt(diff * diff + 4 * out.Ixy * out.Ixy);
        out.Iu = (out.Ix + out.Iy) / 2 - R, out.Iv = (out.Ix + out.Iy) / 2 + R;
    }
    out.Iu = std::max(out.Iu, 0.0);
    out.iu = std::sqrt(out.Iu / out.A), out.iv = std::sqrt(out.Iv / out.A);
    out.uAngle = out.Ix < out.Iy ? out.Alpha0 : out.Alpha0 + 90;

    shearAndPlastic(centred, 1, bottom, top, out.A, out.Sx_max, out.Wpl_x, out.y_pl);
    shearAndPlastic(centred, 0, left, right, out.A, out.Sy_max, out.Wpl_y, out.x_pl);

    // One kern vertex per edge n·p = c of the hull: e = −J·n/(A·c), J = ∫p·pᵀ dA.
    const std::vector<Pt> hull = convexHull(std::move(all));
    for (std::size_t i = 0, n = hull.size(); i < n; ++i) {
        const Pt& p = hull[i];
        const Pt& q = hull[(i + 1) % n];
        const double len = std::hypot(q.x - p.x, q.y - p.y);
        if (!(len > 0))
            continue;
        const Pt normal{(q.y - p.y) / len, (p.x - q.x) / len};
        const double dist = normal.x * p.x + normal.y * p.y;
        if (!(dist > 0))
            continue;
        out.kern_polygon.push_back({-(m.xx * normal.x + m.xy * normal.y) / (m.a * dist),
                                    -(m.xy * normal.x + m.yy * normal.y) / (m.a * dist)});
    }
    const double a = out.uAngle * std::numbers::pi / 180;
    const Pt u{std::cos(a), std::sin(a)}, v{-std::sin(a), std::cos(a)};
    out.kern_u[0] = kernReach(out.kern_polygon, u);
    out.kern_u[1] = kernReach(out.kern_polygon, {-u.x, -u.y});
    out.kern_v[0] = kernReach(out.kern_polygon, v);
    out.kern_v[1] = kernReach(out.kern_polygon, {-v.x, -v.y});
    return std::isfinite(out.Ix) && std::isfinite(out.Iy) && std::isfinite(out.Ixy);
}

} // namespace karo::properties
