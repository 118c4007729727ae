#pragma once
// Triangle meshes of the solids, refined step by step. The triangulation library's heavy
// headers are kept to mesh.cpp alone: they take long to compile.

#include "properties/geometry.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

namespace karo::properties {

struct TriMesh {
    std::vector<Pt> nodes;
    std::vector<std::array<int, 3>> triangles; // counter-clockwise
};

// A constrained Delaunay triangulation of the solids' rings; each refinement makes it finer
// in place, so that the next mesh costs only the points it adds.
class Mesher {
  public:
    explicit Mesher(const std::vector<Solid>& solids);
    ~Mesher();
    Mesher(const Mesher&) = delete;
    Mesher& operator=(const Mesher&) = delete;

    // Refines until no triangle has an edge longer than `maxEdge`, or than a size growing with
    // its distance to a re-entrant corner but at least `finest` (never below a billionth of
    // `maxEdge`), or an angle below about 20.7°. False when `cancel` was raised or the mesh
    // would pass `maxNodes` corners.
    bool refine(double maxEdge, double finest, std::size_t maxNodes,
                const std::atomic<bool>* cancel);
    // Splits the triangles of the last mesh() given by their places in it, and those that
    // splitting them leaves too poorly shaped; then refines the corners down to `finest`.
    bool refineTriangles(const std::vector<std::size_t>& triangles, double finest,
                         std::size_t maxNodes, const std::atomic<bool>* cancel);
    TriMesh mesh() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace karo::properties
