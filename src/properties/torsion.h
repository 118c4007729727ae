#pragma once
// Saint-Venant torsion by finite elements: the warping function ω on quadratic triangles,
// ∇²ω = 0 with ∂ω/∂n = y·nx − x·ny on every boundary, closed cells included.

#include "properties/mesh.h"

#include <vector>

namespace karo::properties {

struct TorsionSolution {
    bool solved = false;
    std::size_t nodes = 0, triangles = 0; // of the quadratic mesh
    double It = 0;                        // cm⁴
    // The shear centre from the centroid (the pole about which ω is orthogonal to x and y),
    // and the warping constant ∫ω² dA of ω about it with zero mean, cm⁶.
    double xs = 0, ys = 0, Iw = 0;
    // Per triangle of the mesh, how far its shear stress departs from the stress averaged at
    // its corners: large where the mesh is too coarse.
    std::vector<double> indicator;
};

// `mesh` in coordinates from the section's centroid; Ix = ∫y² dA, Iy = ∫x² dA, Ixy = ∫x·y dA
// central, from the outline.
TorsionSolution SolveTorsion(const TriMesh& mesh, double Ix, double Iy, double Ixy);

} // namespace karo::properties
