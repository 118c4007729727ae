// The mesher at its limits: corners refined far past what the digits of a coordinate hold, and
// walls a hair apart across a gap or a slit.

#include "properties/mesh.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using karo::properties::Mesher;
using karo::properties::Solid;

// The finest edge asked for at the re-entrant corners shrinks by 1/8 for each mesh, as for a
// section that never settles; the mesher keeps its triangles to sizes it can still place.
TEST(Mesher, CornersAskedFinerThanTheDigitsHoldStillMesh) {
    const struct {
        const char* what;
        Solid solid;
    } cases[] = {
        {"L", {{{0, 0}, {10, 0}, {10, 1}, {1, 1}, {1, 10}, {0, 10}}, {}}},
        // A slit nearly closed: its end turns the boundary by almost a full turn.
        {"slit", {{{0, 0}, {4, 0}, {4, 1.999}, {2, 2}, {4, 2.001}, {4, 4}, {0, 4}}, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Mesher mesher({c.solid});
        double finest = 2.0 / 256;
        ASSERT_TRUE(mesher.refine(2, finest, 1000000, nullptr));
        for (int level = 0; level < 20; ++level) {
            finest /= 8;
            ASSERT_TRUE(mesher.refineTriangles({}, finest, 1000000, nullptr));
        }
        const karo::properties::TriMesh m = mesher.mesh();
        double shortest = INFINITY;
        for (const auto& t : m.triangles)
            for (int i = 0; i < 3; ++i) {
                const auto& p = m.nodes[static_cast<std::size_t>(t[static_cast<std::size_t>(i)])];
                const auto& q =
                    m.nodes[static_cast<std::size_t>(t[static_cast<std::size_t>((i + 1) % 3)])];
                shortest = std::min(shortest, std::hypot(p.x - q.x, p.y - q.y));
            }
        EXPECT_GT(shortest, 1e-12);
    }
}

// Walls facing each other across a gap or a narrow cell are meshed as if the gap were wide:
// only the material's side of a wall sets how finely it is cut. Cut from both sides, the walls
// of a gap 0.001 wide went down to pieces about its width, hundreds of thousands of nodes.
TEST(Mesher, WallsAcrossANarrowGapAreCutAsAcrossAWideOne) {
    const auto rect = [](double x0, double y0, double x1, double y1) {
        return karo::properties::Ring{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    };
    const auto corners = [](const std::vector<Solid>& solids) {
        Mesher mesher(solids);
        EXPECT_TRUE(mesher.refine(2, 2.0 / 256, 1000000, nullptr));
        return mesher.mesh().nodes.size();
    };
    for (const double gap : {1e-2, 1e-3, 1e-5}) {
        SCOPED_TRACE(gap);
        const auto parts = [&](double g) {
            return std::vector<Solid>{{rect(0, 0, 20, 2), {}},
                                      {rect(5.37, 2 + g, 25.37, 4 + g), {}}};
        };
        const auto slit = [&](double g) {
            return std::vector<Solid>{
                {rect(0, 0, 20, 4), {{{3, 2}, {3.4, 2 + g}, {17.3, 2 + g}, {16.9, 2}}}}};
        };
        EXPECT_LT(corners(parts(gap)), corners(parts(1)) * 5 / 4);
        EXPECT_LT(corners(slit(gap)), corners(slit(1)) * 5 / 4);
    }
}

} // namespace
