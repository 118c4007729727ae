#include "catalogue/profile_geometry.h"

#include <cmath>
#include <vector>

namespace karo::catalogue {

namespace {

struct Point {
    double x, y;
};

// A corner of the outline before rounding, and the radius of the arc that replaces it
// (0 for a sharp corner).
struct Corner {
    Point p;
    double radius;
};

// Each arc becomes this many chords. The chords cut off less than 1e-4 of a fillet's own area,
// far below the tables' three significant digits.
constexpr int ArcChords = 64;

// The outline with every rounded corner replaced by its arc: the circle of the corner's radius
// tangent to both edges that meet there. The same construction serves convex corners (a flange
// tip, material removed) and concave ones (a root fillet, material added), because the arc
// always lies in the angle between the two edges.
std::vector<Point> roundCorners(const std::vector<Corner>& corners) {
    std::vector<Point> out;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point p = corners[i].p;
        const double radius = corners[i].radius;
        if (radius <= 0) {
            out.push_back(p);
            continue;
        }
        const Point prev = corners[(i + n - 1) % n].p;
        const Point next = corners[(i + 1) % n].p;
        auto unit = [](Point from, Point to) {
            const double dx = to.x - from.x, dy = to.y - from.y, len = std::hypot(dx, dy);
            return Point{dx / len, dy / len};
        };
        const Point u1 = unit(p, prev), u2 = unit(p, next);
        const double cosTheta = std::fmax(-1.0, std::fmin(1.0, u1.x * u2.x + u1.y * u2.y));
        const double half = std::acos(cosTheta) / 2;
        const double tangent = radius / std::tan(half);
        const Point bis = unit({0, 0}, {u1.x + u2.x, u1.y + u2.y});
        const double toCentre = radius / std::sin(half);
        const Point c{p.x + bis.x * toCentre, p.y + bis.y * toCentre};
        const Point t1{p.x + u1.x * tangent, p.y + u1.y * tangent};
        const Point t2{p.x + u2.x * tangent, p.y + u2.y * tangent};
        const double a1 = std::atan2(t1.y - c.y, t1.x - c.x);
        double sweep = std::atan2(t2.y - c.y, t2.x - c.x) - a1;
        const double pi = std::acos(-1.0);
        while (sweep > pi)
            sweep -= 2 * pi;
        while (sweep < -pi)
            sweep += 2 * pi;
        for (int k = 0; k <= ArcChords; ++k) {
            const double a = a1 + sweep * k / ArcChords;
            out.push_back({c.x + radius * std::cos(a), c.y + radius * std::sin(a)});
        }
    }
    return out;
}

// Area, centroid and central moments of a simple polygon traversed counter-clockwise
// (Green's theorem), converted from millimetres to the tables' centimetres.
SectionProperties polygonProperties(const std::vector<Point>& pts) {
    double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point p = pts[i], q = pts[(i + 1) % pts.size()];
        const double c = p.x * q.y - q.x * p.y;
        a += c / 2;
        sx += (p.x + q.x) * c / 6;
        sy += (p.y + q.y) * c / 6;
        iyy += (p.x * p.x + p.x * q.x + q.x * q.x) * c / 12;
        ixx += (p.y * p.y + p.y * q.y + q.y * q.y) * c / 12;
        ixy += (p.x * q.y + 2 * p.x * p.y + 2 * q.x * q.y + q.x * p.y) * c / 24;
    }
    const double xc = sx / a, yc = sy / a;
    const double ix = ixx - a * yc * yc, iy = iyy - a * xc * xc, ixyc = ixy - a * xc * yc;
    const double mean = (ix + iy) / 2, radius = std::hypot((ix - iy) / 2, ixyc);
    SectionProperties out;
    out.A = a / 1e2;
    out.xc = xc / 10;
    out.yc = yc / 10;
    out.Ix = ix / 1e4;
    out.Iy = iy / 1e4;
    out.Ixy = ixyc / 1e4;
    out.Imax = (mean + radius) / 1e4;
    out.Imin = (mean - radius) / 1e4;
    return out;
}

} // namespace

SectionProperties iBeamProperties(double h, double b, double s, double t, double R, double r,
                                  double slopePercent) {
    // The flange's inner face falls by slope·(b − s)/4 on either side of where t is measured.
    const double change = slopePercent / 100 * (b - s) / 4;
    const double tip = t - change, root = t + change;
    const double x = b / 2, w = s / 2, y = h / 2;
    return polygonProperties(roundCorners({{{x, -y}, 0},
                                           {{x, -y + tip}, r},
                                           {{w, -y + root}, R},
                                           {{w, y - root}, R},
                                           {{x, y - tip}, r},
                                           {{x, y}, 0},
                                           {{-x, y}, 0},
                                           {{-x, y - tip}, r},
                                           {{-w, y - root}, R},
                                           {{-w, -y + root}, R},
                                           {{-x, -y + tip}, r},
                                           {{-x, -y}, 0}}));
}

SectionProperties channelProperties(double h, double b, double s, double t, double R, double r,
                                    double slopePercent) {
    const double change = slopePercent / 100 * (b - s) / 2;
    const double tip = t - change, root = t + change;
    const double y = h / 2;
    return polygonProperties(roundCorners({{{0, -y}, 0},
                                           {{b, -y}, 0},
                                           {{b, -y + tip}, r},
                                           {{s, -y + root}, R},
                                           {{s, y - root}, R},
                                           {{b, y - tip}, r},
                                           {{b, y}, 0},
                                           {{0, y}, 0}}));
}

SectionProperties angleProperties(double B, double b, double t, double R, double r) {
    return polygonProperties(roundCorners(
        {{{0, 0}, 0}, {{b, 0}, 0}, {{b, t}, r}, {{t, t}, R}, {{t, B}, r}, {{0, B}, 0}}));
}

} // namespace karo::catalogue
