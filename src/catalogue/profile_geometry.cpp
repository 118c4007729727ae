#include "catalogue/profile_geometry.h"

#include <array>
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

// The area integrals of a region, each written as a line integral of f(x, y) dy around its
// boundary (Green's theorem: ∂F/∂x is the integrand over the area), so that straight edges
// and circular arcs can be summed piece by piece with the same forms.
struct Integrals {
    double a = 0;   // ∮ x dy        = ∫ dA
    double qy = 0;  // ∮ x²/2 dy     = ∫ x dA
    double qx = 0;  // ∮ x·y dy      = ∫ y dA
    double iyy = 0; // ∮ x³/3 dy     = ∫ x² dA
    double ixx = 0; // ∮ x·y² dy     = ∫ y² dA
    double ixy = 0; // ∮ x²·y/2 dy   = ∫ x·y dA
};

// The integrands at one point, in the order of Integrals.
std::array<double, 6> forms(double x, double y) {
    return {x, x * x / 2, x * y, x * x * x / 3, x * y * y, x * x * y / 2};
}

void add(Integrals& sum, const std::array<double, 6>& v, double factor) {
    sum.a += v[0] * factor;
    sum.qy += v[1] * factor;
    sum.qx += v[2] * factor;
    sum.iyy += v[3] * factor;
    sum.ixx += v[4] * factor;
    sum.ixy += v[5] * factor;
}

// A straight edge from p to q. Along it every integrand is a polynomial of at most third
// degree in the edge's parameter, which Simpson's rule integrates exactly.
void addEdge(Integrals& sum, Point p, Point q) {
    const double dy = q.y - p.y;
    if (dy == 0)
        return;
    add(sum, forms(p.x, p.y), dy / 6);
    add(sum, forms((p.x + q.x) / 2, (p.y + q.y) / 2), 4 * dy / 6);
    add(sum, forms(q.x, q.y), dy / 6);
}

// ∫ cosᵐθ·sinⁿθ dθ from a to b, in closed form by the usual reduction formulas.
double trigIntegral(int m, int n, double a, double b) {
    if (m >= 2) {
        const auto f = [&](double t) {
            return std::pow(std::cos(t), m - 1) * std::pow(std::sin(t), n + 1) / (m + n);
        };
        return f(b) - f(a) + double(m - 1) / (m + n) * trigIntegral(m - 2, n, a, b);
    }
    if (n >= 2) {
        const auto f = [&](double t) {
            return -std::pow(std::cos(t), m + 1) * std::pow(std::sin(t), n - 1) / (m + n);
        };
        return f(b) - f(a) + double(n - 1) / (m + n) * trigIntegral(m, n - 2, a, b);
    }
    if (m == 0 && n == 0)
        return b - a;
    if (m == 1 && n == 0)
        return std::sin(b) - std::sin(a);
    if (m == 0)
        return std::cos(a) - std::cos(b);
    return (std::sin(b) * std::sin(b) - std::sin(a) * std::sin(a)) / 2;
}

// A polynomial in cos θ and sin θ of at most fourth degree: coefficient [m][n] of cosᵐ·sinⁿ.
using TrigPoly = std::array<std::array<double, 5>, 5>;

TrigPoly times(const TrigPoly& p, const TrigPoly& q) {
    TrigPoly out{};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; i + j < 5; ++j)
            for (int k = 0; i + k < 5; ++k)
                for (int l = 0; i + k + j + l < 5; ++l)
                    out[i + k][j + l] += p[i][j] * q[k][l];
    return out;
}

// The arc of radius ρ about c from angle a through the signed sweep. With x = cx + ρ·cos θ,
// y = cy + ρ·sin θ and dy = ρ·cos θ dθ every integrand is a polynomial in cos θ and sin θ,
// integrated term by term in closed form.
void addArc(Integrals& sum, Point c, double rho, double a, double sweep) {
    TrigPoly x{}, y{}, dy{};
    x[0][0] = c.x;
    x[1][0] = rho;
    y[0][0] = c.y;
    y[0][1] = rho;
    dy[1][0] = rho;
    const TrigPoly xx = times(x, x);
    const TrigPoly polys[6] = {times(x, dy),
                               times(xx, dy),
                               times(times(x, y), dy),
                               times(times(xx, x), dy),
                               times(times(times(x, y), y), dy),
                               times(times(xx, y), dy)};
    // The integrands of forms(), without their constant factors, which follow here.
    const double weights[6] = {1, 0.5, 1, 1.0 / 3, 1, 0.5};
    std::array<double, 6> v{};
    for (int k = 0; k < 6; ++k) {
        double total = 0;
        for (int m = 0; m < 5; ++m)
            for (int n = 0; m + n < 5; ++n)
                if (polys[k][m][n] != 0)
                    total += polys[k][m][n] * trigIntegral(m, n, a, a + sweep);
        v[k] = total * weights[k];
    }
    add(sum, v, 1);
}

// The outline with every rounded corner replaced by its arc: the circle of the corner's radius
// tangent to both edges that meet there. The same construction serves convex corners (a flange
// tip, material removed) and concave ones (a root fillet, material added), because the arc
// always lies in the angle between the two edges. The arcs are integrated exactly.
Integrals outlineIntegrals(const std::vector<Corner>& corners) {
    Integrals sum;
    const std::size_t n = corners.size();
    std::vector<Point> entry(n), exit(n);
    const double pi = std::acos(-1.0);
    for (std::size_t i = 0; i < n; ++i) {
        const Point p = corners[i].p;
        const double radius = corners[i].radius;
        entry[i] = exit[i] = p;
        if (radius <= 0)
            continue;
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
        entry[i] = {p.x + u1.x * tangent, p.y + u1.y * tangent};
        exit[i] = {p.x + u2.x * tangent, p.y + u2.y * tangent};
        const double a1 = std::atan2(entry[i].y - c.y, entry[i].x - c.x);
        double sweep = std::atan2(exit[i].y - c.y, exit[i].x - c.x) - a1;
        while (sweep > pi)
            sweep -= 2 * pi;
        while (sweep < -pi)
            sweep += 2 * pi;
        addArc(sum, c, radius, a1, sweep);
    }
    for (std::size_t i = 0; i < n; ++i)
        addEdge(sum, exit[i], entry[(i + 1) % n]);
    return sum;
}

// Area, centroid and central moments of an outline traversed counter-clockwise, converted
// from millimetres to the tables' centimetres.
SectionProperties outlineProperties(const std::vector<OutlineCorner>& outline) {
    std::vector<Corner> corners;
    for (const OutlineCorner& c : outline)
        corners.push_back({{c.x, c.y}, c.radius});
    const Integrals s = outlineIntegrals(corners);
    const double a = s.a;
    const double xc = s.qy / a, yc = s.qx / a;
    const double ix = s.ixx - a * yc * yc, iy = s.iyy - a * xc * xc, ixyc = s.ixy - a * xc * yc;
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

std::vector<OutlineCorner> iBeamCorners(double h, double b, double s, double t, double R, double r,
                                        double slopePercent) {
    // The flange's inner face falls by slope·(b − s)/4 on either side of where t is measured.
    const double change = slopePercent / 100 * (b - s) / 4;
    const double tip = t - change, root = t + change;
    const double x = b / 2, w = s / 2, y = h / 2;
    return {{x, -y, 0},        {x, -y + tip, r},   {w, -y + root, R}, {w, y - root, R},
            {x, y - tip, r},   {x, y, 0},          {-x, y, 0},        {-x, y - tip, r},
            {-w, y - root, R}, {-w, -y + root, R}, {-x, -y + tip, r}, {-x, -y, 0}};
}

std::vector<OutlineCorner> channelCorners(double h, double b, double s, double t, double R,
                                          double r, double slopePercent) {
    const double change = slopePercent / 100 * (b - s) / 2;
    const double tip = t - change, root = t + change;
    const double y = h / 2;
    return {{0, -y, 0},       {b, -y, 0},      {b, -y + tip, r}, {s, -y + root, R},
            {s, y - root, R}, {b, y - tip, r}, {b, y, 0},        {0, y, 0}};
}

std::vector<OutlineCorner> angleCorners(double B, double b, double t, double R, double r) {
    return {{0, 0, 0}, {b, 0, 0}, {b, t, r}, {t, t, R}, {t, B, r}, {0, B, 0}};
}

SectionProperties iBeamProperties(double h, double b, double s, double t, double R, double r,
                                  double slopePercent) {
    return outlineProperties(iBeamCorners(h, b, s, t, R, r, slopePercent));
}

SectionProperties channelProperties(double h, double b, double s, double t, double R, double r,
                                    double slopePercent) {
    return outlineProperties(channelCorners(h, b, s, t, R, r, slopePercent));
}

SectionProperties angleProperties(double B, double b, double t, double R, double r) {
    return outlineProperties(angleCorners(B, b, t, R, r));
}

} // namespace karo::catalogue
