// The torsion solve of a large mesh as two sides joined by their separator against the same
// mesh solved as one system.

#include "properties/mesh.h"
#include "properties/section_shape.h"
#include "properties/torsion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace karo::properties;

Ring rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

TEST(Torsion, TwoSidesGiveTheSolutionOfOne) {
    const struct {
        const char* what;
        std::vector<Ring> rings;
    } cases[] = {
        // A re-entrant corner, and ω's jump at it, on the separator's way.
        {"L", {rect(0, 0, 10, 2), rect(0, 2, 2, 10)}},
        // Two pieces, each held at a corner of its own, and a cut that may pass between them.
        {"apart", {rect(0, 0, 4, 4), rect(6, 0, 10, 4)}},
        // A closed cell: the separator crosses the box twice.
        {"box", {rect(0, 0, 10, 1), rect(0, 9, 10, 10), rect(0, 1, 1, 9), rect(9, 1, 10, 9)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Mesher mesher(UniteOutlines(c.rings).solids);
        ASSERT_TRUE(mesher.refine(0.15, 0.01, 100000, nullptr));
        const TriMesh mesh = mesher.mesh();
        const TorsionSolution one(mesh, TorsionSolution::Sides::One);
        const TorsionSolution two(mesh, TorsionSolution::Sides::Two);
        ASSERT_TRUE(one.solved() && two.solved());
        EXPECT_FALSE(one.solvedAsTwoSides());
        EXPECT_TRUE(two.solvedAsTwoSides());
        EXPECT_NEAR(two.It() / one.It(), 1, 1e-11);
        const auto w1 = one.warping(1, 1, 0), w2 = two.warping(1, 1, 0);
        ASSERT_TRUE(w1 && w2);
        const double scale = std::sqrt(std::fabs(w1->Iw)) + 1;
        EXPECT_NEAR(w2->xs, w1->xs, 1e-9 * scale);
        EXPECT_NEAR(w2->ys, w1->ys, 1e-9 * scale);
        EXPECT_NEAR(w2->Iw, w1->Iw, 1e-9 * scale * scale);
        const auto i1 = one.indicator(), i2 = two.indicator();
        ASSERT_EQ(i1.size(), i2.size());
        const double largest = *std::max_element(i1.begin(), i1.end());
        for (std::size_t k = 0; k < i1.size(); ++k)
            ASSERT_NEAR(i2[k], i1[k], 1e-8 * largest) << k;
    }
}

} // namespace
