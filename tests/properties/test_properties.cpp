// The properties of plain shapes against their closed forms, and shapes that must not break
// the solution.

#include "properties/properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using karo::properties::PropertiesStatus;
using karo::properties::Pt;
using karo::properties::Ring;
using karo::properties::SectionPropertiesResult;
using karo::properties::SolveOutlines;
constexpr double pi = std::numbers::pi;

Ring rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// Saint-Venant's series for an a × b rectangle, a ≤ b.
double rectangleIt(double a, double b) {
    double sum = 0;
    for (int n = 1; n < 200; n += 2)
        sum += std::tanh(n * pi * b / (2 * a)) / std::pow(n, 5);
    return a * a * a * b / 3 * (1 - 192 * a / (std::pow(pi, 5) * b) * sum);
}

// Flanges b × tf at the top and bottom of height h, a web tw between them, its middle at x.
std::vector<Ring> iBeam(double b, double h, double tf, double tw) {
    return {rect(-b / 2, -h / 2, b / 2, -h / 2 + tf),
            rect(-tw / 2, -h / 2 + tf, tw / 2, h / 2 - tf), rect(-b / 2, h / 2 - tf, b / 2, h / 2)};
}
// The web's back on x = 0, flanges to +x.
std::vector<Ring> channel(double b, double h, double tf, double tw) {
    return {rect(0, -h / 2, b, -h / 2 + tf), rect(0, -h / 2 + tf, tw, h / 2 - tf),
            rect(0, h / 2 - tf, b, h / 2)};
}

using Value = std::function<double(const SectionPropertiesResult&)>;
const Value It = [](const SectionPropertiesResult& r) { return r.It; };
const Value Iw = [](const SectionPropertiesResult& r) { return r.Iw.value_or(NAN); };

TEST(Properties, ClosedForms) {
    Ring circle;
    for (int i = 0; i < 720; ++i)
        circle.push_back({std::cos(2 * pi * i / 720), std::sin(2 * pi * i / 720)});
    // Thin walls: t/b = 1/50, where the thin-walled formulas hold to about t/b.
    const double b = 10, h = 20, t = 0.2;
    const double hc = h - t, bc = b - t / 2;                  // between the walls' middles
    const double e = 3 * bc * bc * t / (6 * bc * t + hc * t); // shear centre behind the web
    const struct {
        const char* what;
        std::vector<Ring> rings;
        Value value;
        double expected, tolerance; // relative
    } cases[] = {
        {"square It", {rect(0, 0, 1, 1)}, It, rectangleIt(1, 1), 2e-4},
        {"1 × 3 It", {rect(0, 0, 3, 1)}, It, rectangleIt(1, 3), 2e-4},
        {"1 × 10 It", {rect(0, 0, 1, 10)}, It, rectangleIt(1, 10), 2e-4},
        {"rectangle Wpl = bh²/4",
         {rect(0, 0, 4, 2)},
         [](auto& r) { return r.outline.Wpl_x; },
         4 * 2 * 2 / 4.0,
         1e-12},
        {"rectangle S = bh²/8",
         {rect(0, 0, 4, 2)},
         [](auto& r) { return r.outline.Sx_max; },
         4 * 2 * 2 / 8.0,
         1e-12},
        // u is the axis of the least moment, here x.
        {"rectangle kern b/6",
         {rect(0, 0, 4, 2)},
         [](auto& r) { return r.outline.kern_u[1]; },
         4 / 6.0,
         1e-12},
        {"rectangle kern h/6",
         {rect(0, 0, 4, 2)},
         [](auto& r) { return r.outline.kern_v[0]; },
         2 / 6.0,
         1e-12},
        {"circle It = πr⁴/2", {circle}, It, pi / 2, 3e-4},
        // Bredt: It = 4·Am²/∮ds/t for a box welded of four plates.
        {"welded box, Bredt",
         {rect(0, 0, b, t), rect(0, h - t, b, h), rect(0, t, t, h - t), rect(b - t, t, b, h - t)},
         It,
         4 * std::pow((b - t) * (h - t), 2) / (2 * (b - t + h - t) / t),
         0.02},
        {"thin I-beam Iw = tf·b³·h²/24", iBeam(b, h, t, t), Iw, t * b * b * b * hc * hc / 24, 0.03},
        {"thin channel shear centre", channel(b, h, t, t),
         [](auto& r) { return r.outline.Xc + r.xs.value_or(NAN); }, t / 2 - e, 0.03},
        {"thin channel Iw", channel(b, h, t, t), Iw,
         t * bc * bc * bc * hc * hc / 12 * (3 * bc * t + 2 * hc * t) / (6 * bc * t + hc * t), 0.03},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const SectionPropertiesResult r = SolveOutlines(c.rings);
        ASSERT_EQ(r.status, PropertiesStatus::Solved);
        EXPECT_NEAR(c.value(r) / c.expected, 1, c.tolerance);
    }
}

// Far, tiny, many, overlapping, touching or empty: a result or a clear status, never a NaN.
TEST(Properties, AwkwardShapesGiveResultsOrAStatus) {
    std::vector<Ring> many;
    for (int i = 0; i < 250; ++i)
        many.push_back(rect(2 * i, 0, 2 * i + 1, 1));
    const struct {
        const char* what;
        std::vector<Ring> rings;
        PropertiesStatus status;
        int parts, cells;
        double It; // expected; 0 to leave unchecked
    } cases[] = {
        {"far away",
         {rect(1e6, 1e6, 1e6 + 1, 1e6 + 2)},
         PropertiesStatus::Solved,
         1,
         0,
         rectangleIt(1, 2)},
        {"tiny", {rect(0, 0, 1e-6, 2e-6)}, PropertiesStatus::Solved, 1, 0, rectangleIt(1e-6, 2e-6)},
        {"overlap counts once",
         {rect(0, 0, 1, 2), rect(0, 0, 1, 2), rect(0, 1, 1, 2)},
         PropertiesStatus::Solved,
         1,
         0,
         rectangleIt(1, 2)},
        {"a point contact leaves two parts",
         {rect(0, 0, 1, 1), rect(1, 1, 2, 2)},
         PropertiesStatus::Solved,
         2,
         0,
         2 * rectangleIt(1, 1)},
        {"a gap leaves two parts",
         {rect(0, 0, 1, 1), rect(1.001, 0, 2, 1)},
         PropertiesStatus::Solved,
         2,
         0,
         0},
        {"250 separate parts", many, PropertiesStatus::Solved, 250, 0, 250 * rectangleIt(1, 1)},
        {"zero thickness", {rect(0, 0, 0, 1)}, PropertiesStatus::NoSection, 0, 0, 0},
        {"nothing", {}, PropertiesStatus::NoSection, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const SectionPropertiesResult r = SolveOutlines(c.rings);
        ASSERT_EQ(r.status, c.status);
        if (r.status != PropertiesStatus::Solved)
            continue;
        EXPECT_EQ(r.parts, c.parts);
        EXPECT_EQ(r.closedCells, c.cells);
        EXPECT_EQ(r.xs.has_value(), c.parts == 1);
        EXPECT_TRUE(std::isfinite(r.It) && std::isfinite(r.outline.Wpl_x) &&
                    std::isfinite(r.outline.kern_u[0]));
        if (c.It > 0) {
            EXPECT_NEAR(r.It / c.It, 1, 3e-4);
        }
    }
}

TEST(Properties, ProgressIsReportedAndCancelStops) {
    int meshes = 0;
    const SectionPropertiesResult r =
        SolveOutlines({rect(0, 0, 1, 1)}, nullptr,
                      [&](const karo::properties::PropertiesProgress& p) { meshes = p.mesh; });
    EXPECT_TRUE(r.converged);
    EXPECT_GE(meshes, 2);
    const std::atomic<bool> cancel{true};
    EXPECT_EQ(SolveOutlines({rect(0, 0, 1, 1)}, &cancel).status, PropertiesStatus::Cancelled);
}

// A mesh stopped at the corner limit may add only a few points to the one before it: its small
// change must not pass for a settled It. Settled under a limit means every mesh was complete,
// so the meshes are those of the run without one.
TEST(Properties, AMeshStoppedAtTheLimitNeverSettlesIt) {
    const std::vector<Ring> tee = {rect(0, 0, 10, 1), rect(4.5, 1, 5.5, 10)};
    const SectionPropertiesResult whole = SolveOutlines(tee);
    ASSERT_TRUE(whole.converged);
    for (std::size_t limit = 1000; limit < 3000; limit = limit * 11 / 10) {
        SCOPED_TRACE(limit);
        const SectionPropertiesResult r = SolveOutlines(tee, nullptr, {}, limit);
        EXPECT_EQ(r.status, PropertiesStatus::Solved);
        if (r.converged) {
            EXPECT_EQ(r.meshes, whole.meshes);
            EXPECT_EQ(r.meshNodes, whole.meshNodes);
        }
    }
}

} // namespace
