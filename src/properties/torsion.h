#pragma once
// Saint-Venant torsion by finite elements: the warping function ω on quadratic triangles,
// ∇²ω = 0 with ∂ω/∂n = y·nx − x·ny on every boundary, closed cells included.

#include "properties/mesh.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace karo::properties {

// One quadratic triangle: corners 0..2, then the midsides of 01, 12, 20.
struct TorsionElement {
    std::size_t source; // the mesh's triangle
    std::array<int, 6> node;
    double area;
    double gx[3], gy[3]; // gradients of the barycentric coordinates
};

// ω on one mesh, given in coordinates from the section's centroid, and what follows from it.
// It comes with the solution; the shear centre and the indicator only when asked, since only
// the last mesh needs the one and only the meshes before it the other.
class TorsionSolution {
  public:
    // How the system is solved: a large mesh as two sides on two threads, joined by the dense
    // system of the separator between them, when the machine has two threads to give (Auto);
    // always as one; or as two sides whenever a separator small enough is found, for tests.
    enum class Sides { Auto, One, Two };
    explicit TorsionSolution(const TriMesh& mesh, Sides sides = Sides::Auto);

    bool solvedAsTwoSides() const { return twoSides_; }

    bool solved() const { return solved_; }
    double It() const { return It_; }                   // cm⁴
    std::size_t nodes() const { return nodes_.size(); } // of the quadratic mesh
    std::size_t triangles() const { return elements_.size(); }

    // The shear centre from the centroid (the pole about which ω is orthogonal to x and y),
    // and the warping constant ∫ω² dA of ω about it with zero mean, cm⁶; none where they come
    // out infinite. Ix = ∫y² dA, Iy = ∫x² dA, Ixy = ∫x·y dA central, from the outline.
    struct Warping {
        double xs = 0, ys = 0, Iw = 0;
    };
    std::optional<Warping> warping(double Ix, double Iy, double Ixy) const;

    // Per triangle of the mesh, how far its shear stress departs from the stress averaged at
    // its corners: large where the mesh is too coarse.
    std::vector<double> indicator() const;

  private:
    std::size_t meshTriangles_ = 0, meshCorners_ = 0;
    std::vector<Pt> nodes_;
    std::vector<TorsionElement> elements_;
    std::vector<double> omega_; // at every node
    double It_ = 0;
    bool solved_ = false;
    bool twoSides_ = false;
};

} // namespace karo::properties
