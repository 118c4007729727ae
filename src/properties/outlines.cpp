#include "properties/outlines.h"

#include "catalogue/field_texts.h"
#include "catalogue/profile_geometry.h"
#include "model/arith.h"
#include "model/number_parse.h"
#include "model/orientation.h"
#include "solver/format.h"
#include "solver/outline_points.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace karo::properties {

namespace {

// The arc of radius rho about c from t0 to t1 (points on the circle), the short way, without
// its first point.
void addArc(Ring& out, Pt c, double rho, Pt t0, Pt t1, double step) {
    const double a0 = std::atan2(t0.y - c.y, t0.x - c.x);
    double sweep = std::atan2(t1.y - c.y, t1.x - c.x) - a0;
    while (sweep > std::numbers::pi)
        sweep -= 2 * std::numbers::pi;
    while (sweep < -std::numbers::pi)
        sweep += 2 * std::numbers::pi;
    const int n = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / step)));
    const double delta = sweep / n, s = std::sin(std::fabs(delta));
    // The fan from the centre through the chords has the sector's area φρ²/2 when the inner
    // points stand at ρ': (n − 2)ρ'² + 2ρρ' = |φ|ρ²/sin|δ|.
    const double rhs = std::fabs(sweep) * rho * rho / s;
    const double outer =
        n == 2 ? rhs / (2 * rho)
               : (-2 * rho + std::sqrt(4 * rho * rho + 4 * (n - 2) * rhs)) / (2 * (n - 2));
    for (int k = 1; k < n; ++k) {
        const double a = a0 + delta * k;
        out.push_back({c.x + outer * std::cos(a), c.y + outer * std::sin(a)});
    }
    out.push_back(t1);
}

// Every rounded corner replaced by the arc of its radius tangent to both edges; where two
// arcs would overlap on an edge between them (hand-typed sizes), both are made smaller.
// Millimetres in, cm out.
Ring roundCorners(const std::vector<catalogue::OutlineCorner>& corners, double step) {
    const std::size_t n = corners.size();
    std::vector<double> half(n, 0), tangent(n, 0);
    std::vector<Pt> u1(n), u2(n);
    const auto length = [&](std::size_t i, std::size_t j) {
        return std::hypot(corners[j].x - corners[i].x, corners[j].y - corners[i].y);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const Pt p{corners[i].x, corners[i].y};
        const Pt prev{corners[(i + n - 1) % n].x, corners[(i + n - 1) % n].y};
        const Pt next{corners[(i + 1) % n].x, corners[(i + 1) % n].y};
        const double l1 = length(i, (i + n - 1) % n), l2 = length(i, (i + 1) % n);
        if (corners[i].radius <= 0 || l1 <= 0 || l2 <= 0)
            continue;
        u1[i] = {(prev.x - p.x) / l1, (prev.y - p.y) / l1};
        u2[i] = {(next.x - p.x) / l2, (next.y - p.y) / l2};
        const double cosTheta = std::clamp(u1[i].x * u2[i].x + u1[i].y * u2[i].y, -1.0, 1.0);
        half[i] = std::acos(cosTheta) / 2;
        if (half[i] > 1e-9 && half[i] < std::numbers::pi / 2 - 1e-9)
            tangent[i] = corners[i].radius / std::tan(half[i]);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double l = length(i, j), taken = tangent[i] + tangent[j];
        if (taken > l) {
            tangent[i] *= l / taken;
            tangent[j] *= l / taken;
        }
    }
    Ring out;
    for (std::size_t i = 0; i < n; ++i) {
        const Pt p{corners[i].x, corners[i].y};
        if (!(tangent[i] > 0)) {
            out.push_back(p);
            continue;
        }
        const double radius = tangent[i] * std::tan(half[i]);
        const double bx = u1[i].x + u2[i].x, by = u1[i].y + u2[i].y, bl = std::hypot(bx, by);
        const double toCentre = radius / std::sin(half[i]);
        const Pt c{p.x + bx / bl * toCentre, p.y + by / bl * toCentre};
        const Pt t0{p.x + u1[i].x * tangent[i], p.y + u1[i].y * tangent[i]};
        const Pt t1{p.x + u2[i].x * tangent[i], p.y + u2[i].y * tangent[i]};
        out.push_back(t0);
        addArc(out, c, radius, t0, t1, step);
    }
    for (Pt& q : out)
        q = {q.x / 10, q.y / 10};
    return out;
}

double number(const std::string& text) {
    const std::optional<double> v = ParseNumber(text);
    return v ? *v : 0;
}

// The catalogue row whose values the entry holds, compared as they are written in full.
const catalogue::ProfileRow* rowOf(const TSectionModel& m, Kind kind, int n) {
    std::vector<std::string> texts;
    for (const FieldInfo& f : kindInfo(kind).fields)
        texts.push_back(FormatFull(m.value(kind, n, f.slot)));
    return catalogue::recognise(kind, m.entryOrientation(kind, n), texts);
}

// The ring turned into the position of `code` (quarter turns counter-clockwise, then the
// mirror) and moved so that its box starts where the entry's box does.
Ring place(Ring ring, Kind kind, int code, const ProfileBox& box) {
    const Placement p = PlacementOf(kind, code);
    for (Pt& q : ring) {
        for (int t = 0; t < p.quarterTurns; ++t)
            q = {-q.y, q.x};
        if (p.mirrored)
            q.x = -q.x;
    }
    if (p.mirrored)
        std::reverse(ring.begin(), ring.end());
    double left = ring[0].x, bottom = ring[0].y;
    for (const Pt& q : ring)
        left = std::min(left, q.x), bottom = std::min(bottom, q.y);
    for (Pt& q : ring)
        q = {Checked(q.x - left + box.left), Checked(q.y - bottom + box.bottom)};
    return ring;
}

} // namespace

Ring IBeamOutline(double h, double b, double s, double t, double R, double r, double slope,
                  double step) {
    return roundCorners(catalogue::iBeamCorners(h, b, s, t, R, r, slope), step);
}

Ring ChannelOutline(double h, double b, double s, double t, double R, double r, double slope,
                    double step) {
    return roundCorners(catalogue::channelCorners(h, b, s, t, R, r, slope), step);
}

Ring AngleOutline(double B, double b, double t, double R, double r, double step) {
    return roundCorners(catalogue::angleCorners(B, b, t, R, r), step);
}

SectionOutlines BuildOutlines(const TSectionModel& m, double step) {
    SectionOutlines out;
    for (Kind kind : WalkOrder) {
        for (int n = 1; n <= m.state(kind).Count; ++n) {
            ProfileOutline o{kind, n, {}, false};
            const ProfileBox box = EntryExtent(m, kind, n);
            const catalogue::ProfileRow* row = kind == Kind::List ? nullptr : rowOf(m, kind, n);
            const auto mm = [&](const std::string& text) { return number(text); };
            switch (kind) {
            case Kind::List:
                o.ring = {{0, 0},
                          {box.right - box.left, 0},
                          {box.right - box.left, box.top - box.bottom},
                          {0, box.top - box.bottom}};
                break;
            case Kind::Dt:
            case Kind::Sh:
                if (!row) {
                    out.refused = OutlineRefusal{kind, n};
                    return out;
                }
                o.ring = (kind == Kind::Dt ? IBeamOutline : ChannelOutline)(
                    mm(row->h), mm(row->b), mm(row->s), mm(row->t), mm(row->R), mm(row->r),
                    mm(row->slope), step);
                break;
            case Kind::Un:
            case Kind::Ur: {
                const TUnEntry& e = kind == Kind::Un ? m.Un.entry(n) : m.Ur.entry(n);
                if (row) {
                    // An equal-leg row has no B: both legs are b.
                    const double b = mm(row->b), B = row->B.empty() ? b : mm(row->B);
                    o.ring = AngleOutline(B, b, mm(row->t), mm(row->R), mm(row->r), step);
                } else {
                    // Typed by hand: the legs as typed, in mm like the rows'.
                    o.sharpCorners = true;
                    // A thickness beyond a leg fills the leg's whole width.
                    const double d = std::min(e.d, std::min(e.B1, e.b2));
                    o.ring = AngleOutline(e.B1 * 10, e.b2 * 10, d * 10, 0, 0, step);
                }
                break;
            }
            }
            o.ring = place(std::move(o.ring), kind, m.entryOrientation(kind, n), box);
            out.profiles.push_back(std::move(o));
        }
    }
    return out;
}

} // namespace karo::properties
