#include "properties/mesh.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h> // and the refinement levels it is made of, in order
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <queue>
#include <unordered_map>

namespace karo::properties {
namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
// Every vertex carries its place in the last mesh() handed out.
using Vb =
    CGAL::Triangulation_vertex_base_with_info_2<int, K, CGAL::Delaunay_mesh_vertex_base_2<K>>;
using Fb = CGAL::Delaunay_mesh_face_base_2<K>;
using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
using CDT = CGAL::Constrained_Delaunay_triangulation_2<K, Tds, CGAL::Exact_predicates_tag>;
using SizeCriteria = CGAL::Delaunay_mesh_size_criteria_2<CDT>;

// B = 0.125 bounds the ratio of circumradius to shortest edge: angles above about 20.7°.
constexpr double kShapeBound = 0.125;
// Near a re-entrant corner the warping function's gradient grows without bound: there no
// edge is longer than kNearCorner times its distance to the corner. Measured on the examples
// and on ten rolled profiles welded or overlapping, 1.25 rather than 1 saves a sixth of the
// nodes for about the same It once each refinement splits at least a quarter of the
// triangles (properties.cpp).
constexpr double kNearCorner = 1.25;
// Closer to the corner than kGradedSpan finest edges the size shrinks only as the distance to
// the power kGrading: ω grows there as a power of the distance between 1/2 (a slit) and 2/3
// (a right angle), which quadratic elements follow with far fewer triangles than h = r. Each
// mesh's finest edge moves that span inwards.
constexpr double kGradedSpan = 4;
constexpr double kGrading = 0.75;
// The finest edge is never below this share of the longest: the triangulation's circumcentres
// lose their digits past it, and refining went on for ever at corners asked much finer.
constexpr double kFinestShare = 1.0 / (1 << 30);

// The re-entrant corners in square cells, a quarter of the longest edge across: only a corner
// nearer than that edge shrinks a triangle, and the rings of cells about a point are searched
// outwards only until no farther cell can hold a nearer corner. Sections of many profiles have
// thousands of corners, and coarser cells would make every triangle measure hundreds of them.
class CornerGrid {
  public:
    void build(const std::vector<K::Point_2>& corners, double maxEdge) {
        maxEdge_ = maxEdge;
        start_.assign(1, 0);
        points_.clear();
        nx_ = ny_ = 0;
        if (corners.empty() || !(maxEdge > 0))
            return;
        double x0 = corners[0].x(), y0 = corners[0].y(), x1 = x0, y1 = y0;
        for (const K::Point_2& p : corners) {
            x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
        }
        // No more cells than a few per corner, however far apart the corners lie.
        const double most = 4.0 * static_cast<double>(corners.size()) + 1024;
        cell_ = maxEdge / kSplit;
        while (((x1 - x0) / cell_ + 1) * ((y1 - y0) / cell_ + 1) > most)
            cell_ *= 2;
        rings_ = static_cast<int>(std::ceil(maxEdge / cell_));
        x0_ = x0, y0_ = y0;
        nx_ = static_cast<std::int64_t>((x1 - x0) / cell_) + 1;
        ny_ = static_cast<std::int64_t>((y1 - y0) / cell_) + 1;
        start_.assign(static_cast<std::size_t>(nx_ * ny_) + 1, 0);
        for (const K::Point_2& p : corners)
            ++start_[static_cast<std::size_t>(index(p)) + 1];
        for (std::size_t i = 1; i < start_.size(); ++i)
            start_[i] += start_[i - 1];
        points_.resize(corners.size());
        std::vector<std::size_t> fill(start_.begin(), start_.end() - 1);
        for (const K::Point_2& p : corners)
            points_[fill[static_cast<std::size_t>(index(p))]++] = p;
    }
    // The distance to the nearest corner, or the longest edge where none is nearer; no
    // nearer than `enough` is searched for past it.
    double distance(const K::Point_2& p, double enough) const {
        double best = maxEdge_ * maxEdge_;
        if (nx_ == 0)
            return maxEdge_;
        const std::int64_t cx = cellOf(p.x() - x0_), cy = cellOf(p.y() - y0_);
        for (std::int64_t r = 0; r <= rings_; ++r) {
            for (std::int64_t i = cx - r; i <= cx + r; ++i) {
                if (i < 0 || i >= nx_)
                    continue;
                // The ring's cells only: whole columns at its sides, two cells between.
                const bool side = i == cx - r || i == cx + r;
                for (std::int64_t j = cy - r; j <= cy + r; j += side ? 1 : 2 * r) {
                    if (j >= 0 && j < ny_) {
                        const auto c = static_cast<std::size_t>(i * ny_ + j);
                        for (std::size_t k = start_[c]; k < start_[c + 1]; ++k)
                            best = std::min(best, CGAL::squared_distance(points_[k], p));
                    }
                    if (r == 0)
                        break;
                }
            }
            // Cells past ring r lie at least r cells away, less a hair for rounding.
            const double beyond = r * cell_ * (1 - 1e-9);
            if (best <= beyond * beyond || beyond >= enough)
                break;
        }
        return std::sqrt(best);
    }

  private:
    static constexpr double kSplit = 4;
    std::int64_t cellOf(double v) const {
        return static_cast<std::int64_t>(std::floor(std::clamp(v / cell_, -1e15, 1e15)));
    }
    std::int64_t index(const K::Point_2& p) const {
        return std::clamp<std::int64_t>(cellOf(p.x() - x0_), 0, nx_ - 1) * ny_ +
               std::clamp<std::int64_t>(cellOf(p.y() - y0_), 0, ny_ - 1);
    }
    double maxEdge_ = 0, cell_ = 1, x0_ = 0, y0_ = 0;
    std::int64_t nx_ = 0, ny_ = 0, rings_ = 0;
    std::vector<std::size_t> start_;
    std::vector<K::Point_2> points_;
};

// The size criterion with a size that shrinks towards the re-entrant corners.
class Criteria : public SizeCriteria {
  public:
    Criteria(double maxEdge, double finest, const CornerGrid* corners)
        : SizeCriteria(kShapeBound, maxEdge), finest_(finest), corners_(corners) {}

    class Is_bad : public SizeCriteria::Is_bad {
      public:
        Is_bad(double maxEdge, double finest, const CornerGrid* corners)
            : SizeCriteria::Is_bad(kShapeBound, maxEdge, K()), maxEdge_(maxEdge),
              finest_(std::max(finest, maxEdge * kFinestShare)), corners_(corners) {}
        using SizeCriteria::Is_bad::operator();
        CGAL::Mesh_2::Face_badness operator()(const CDT::Face_handle& fh, Quality& q) const {
            const K::Point_2& a = fh->vertex(0)->point();
            const K::Point_2& b = fh->vertex(1)->point();
            const K::Point_2& c = fh->vertex(2)->point();
            double sides[3] = {CGAL::squared_distance(b, c), CGAL::squared_distance(c, a),
                               CGAL::squared_distance(a, b)};
            std::sort(sides, sides + 3);
            q.second = 0;
            if (maxEdge_ > 0) {
                // Only whether a corner is nearer than the longest edge matters, and how much
                // nearer when it is: the queue orders triangles by that ratio only past 1.
                // The size is never below kNearCorner times the distance.
                const double enough = std::sqrt(sides[2]) / kNearCorner * (1 + 1e-9);
                double size = kNearCorner * corners_->distance(CGAL::centroid(a, b, c), enough);
                const double graded = kGradedSpan * finest_;
                if (size < graded)
                    size = graded * std::pow(size / graded, kGrading);
                const double local = std::clamp(size, finest_, maxEdge_);
                q.second = sides[2] / (local * local);
                if (q.size() > 1) {
                    q.first = 1;
                    return CGAL::Mesh_2::IMPERATIVELY_BAD;
                }
            }
            const double area = 2 * CGAL::area(a, b, c);
            q.first = area * area / (sides[2] * sides[1]);
            return q.sine() < this->B ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
        }

      private:
        double maxEdge_, finest_;
        const CornerGrid* corners_;
    };
    Is_bad is_bad_object() const { return Is_bad(size_bound(), finest_, corners_); }

  private:
    double finest_;
    const CornerGrid* corners_;
};

// A boundary segment must be split when a point on the material's side sees it at an obtuse
// angle (it lies in the circle on the segment): that keeps every circumcentre the refinement
// inserts inside the material. A point across a slit or a gap between parts, outside the
// material, needs no such split; splitting for it cut both walls of a slit 0.05 cm wide into
// pieces of twice its width along its whole length, and filled the walls with small triangles
// the torsion does not need.
struct MaterialSideGabriel : CGAL::Mesh_2::Is_locally_conforming_Gabriel<CDT> {
    using Base = CGAL::Mesh_2::Is_locally_conforming_Gabriel<CDT>;
    using Base::operator(); // whether a given point encroaches: kept for either side
    bool operator()(const CDT& tr, const CDT::Face_handle& fh, int i) const {
        const CDT::Vertex_handle& va = fh->vertex(CDT::cw(i));
        const CDT::Vertex_handle& vb = fh->vertex(CDT::ccw(i));
        const CDT::Face_handle n = fh->neighbor(i);
        const auto conforms = [&](const CDT::Face_handle& f, const CDT::Vertex_handle& apex) {
            return !f->is_in_domain() || tr.is_infinite(apex) ||
                   Base::operator()(tr, va, vb, apex->point());
        };
        return conforms(fh, fh->vertex(i)) && conforms(n, tr.tds().mirror_vertex(fh, i));
    }
    bool operator()(const CDT& tr, const CDT::Vertex_handle& va,
                    const CDT::Vertex_handle& vb) const {
        CDT::Face_handle fh;
        int i = 0;
        tr.is_edge(va, vb, fh, i);
        return (*this)(tr, fh, i);
    }
};

// The faces about a point that splits a boundary segment learn which side is material only
// after the segment's halves have been judged; they are marked here first, as the library
// marks them afterwards, so that the halves are judged from the material's side.
class MaterialSideEdges
    : public CGAL::Mesh_2::Refine_edges_base_with_clusters<CDT, MaterialSideGabriel> {
    using Base = CGAL::Mesh_2::Refine_edges_base_with_clusters<CDT, MaterialSideGabriel>;

  public:
    using Base::Base;
    void after_insertion_impl(const CDT::Vertex_handle& v) {
        CDT::Face_handle fh;
        int i = 0;
        this->tr.is_edge(this->visitor_va, v, fh, i);
        auto fc = this->tr.incident_faces(v, fh), begin = fc;
        do { // right of va–v, then round to vb
            if (!this->tr.is_infinite(fc))
                fc->set_in_domain(this->visitor_mark_at_right);
            ++fc;
        } while (fc->vertex(CDT::ccw(fc->index(v))) != this->visitor_vb);
        do {
            if (!this->tr.is_infinite(fc))
                fc->set_in_domain(this->visitor_mark_at_left);
            ++fc;
        } while (fc != begin);
        Base::after_insertion_impl(v);
    }
};

// The library's two levels of refinement, segments first and then triangles, with the
// segments judged from the material's side.
class CgalMesher {
    using Edges =
        CGAL::Mesh_2::Refine_edges_with_clusters<CDT, MaterialSideGabriel, MaterialSideEdges>;
    using Faces = CGAL::Mesh_2::Refine_faces<CDT, Criteria, Edges>;

  public:
    CgalMesher(CDT& tr, const Criteria& criteria)
        : criteria_(criteria), clusters_(tr), edges_(tr, clusters_, null_),
          faces_(tr, criteria_, edges_), visitor_(faces_, edges_, nullVisitor_) {}
    // The faces' marks of material are kept as they are.
    void init() {
        clusters_.create_clusters();
        edges_.scan_triangulation();
        faces_.scan_triangulation();
    }
    void set_criteria(const Criteria& criteria, bool rescan) {
        criteria_ = criteria;
        if (rescan)
            faces_.scan_triangulation();
    }
    template <class It> void set_bad_faces(It begin, It end) { faces_.set_bad_faces(begin, end); }
    bool is_refinement_done() { return faces_.is_algorithm_done(); }
    void step_by_step_refine_mesh() { faces_.try_to_insert_one_point(visitor_); }

  private:
    Criteria criteria_;
    CGAL::Null_mesher_level null_;
    CGAL::Null_mesh_visitor nullVisitor_;
    CGAL::Mesh_2::Clusters<CDT> clusters_;
    Edges edges_;
    Faces faces_;
    CGAL::Mesh_2::Refine_edges_visitor_from_faces<Faces> visitor_;
};

// The corners of a ring where the material turns by more than this (radians) the other way:
// the fillets' chords turn far less.
constexpr double kReentrantTurn = 0.3;

void addReentrant(const Ring& r, std::vector<K::Point_2>& out) {
    for (std::size_t i = 0, n = r.size(); i < n; ++i) {
        const Pt& p = r[(i + n - 1) % n];
        const Pt& q = r[i];
        const Pt& s = r[(i + 1) % n];
        const double turn = std::atan2((q.x - p.x) * (s.y - q.y) - (q.y - p.y) * (s.x - q.x),
                                       (q.x - p.x) * (s.x - q.x) + (q.y - p.y) * (s.y - q.y));
        if (turn < -kReentrantTurn)
            out.emplace_back(q.x, q.y);
    }
}

} // namespace

struct Mesher::Impl {
    CDT cdt;
    std::vector<K::Point_2> corners;
    CornerGrid grid;
    std::unique_ptr<CgalMesher> mesher;
    std::vector<CDT::Face_handle> faces; // of the last mesh, in its order
    double maxEdge = 0;
    bool run(const std::atomic<bool>* cancel, std::size_t maxNodes);
};

Mesher::Mesher(const std::vector<Solid>& solids) : impl_(std::make_unique<Impl>()) {
    CDT& cdt = impl_->cdt;
    const auto insertRing = [&](const Ring& r) {
        std::vector<CDT::Vertex_handle> v;
        for (const Pt& p : r)
            v.push_back(cdt.insert(K::Point_2(p.x, p.y)));
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto a = v[i], b = v[(i + 1) % v.size()];
            if (a != b)
                cdt.insert_constraint(a, b);
        }
    };
    for (const Solid& s : solids) {
        insertRing(s.outer);
        addReentrant(s.outer, impl_->corners);
        for (const Ring& c : s.cells) {
            insertRing(c);
            addReentrant(c, impl_->corners);
        }
    }
    // Material lies where a walk from outside has crossed an odd number of rings.
    for (auto f = cdt.all_faces_begin(); f != cdt.all_faces_end(); ++f)
        f->set_in_domain(false);
    std::unordered_map<CDT::Face_handle, int> depth;
    std::queue<CDT::Face_handle> border;
    border.push(cdt.infinite_face());
    depth[cdt.infinite_face()] = 0;
    while (!border.empty()) {
        // Flood one region at this depth; its constrained neighbours start the next.
        std::queue<CDT::Face_handle> region;
        region.push(border.front());
        border.pop();
        while (!region.empty()) {
            const CDT::Face_handle f = region.front();
            region.pop();
            const int d = depth[f];
            f->set_in_domain(d % 2 == 1);
            for (int i = 0; i < 3; ++i) {
                const CDT::Face_handle n = f->neighbor(i);
                if (depth.count(n))
                    continue;
                const bool crosses = cdt.is_constrained(CDT::Edge(f, i));
                depth[n] = crosses ? d + 1 : d;
                (crosses ? border : region).push(n);
            }
        }
    }
    impl_->mesher = std::make_unique<CgalMesher>(cdt, Criteria(0, 0, &impl_->grid));
}

Mesher::~Mesher() = default;

bool Mesher::refine(double maxEdge, double finest, std::size_t maxNodes,
                    const std::atomic<bool>* cancel) {
    CgalMesher& m = *impl_->mesher;
    impl_->maxEdge = maxEdge;
    impl_->grid.build(impl_->corners, maxEdge);
    m.set_criteria(Criteria(maxEdge, finest, &impl_->grid), false);
    m.init();
    return impl_->run(cancel, maxNodes);
}

bool Mesher::Impl::run(const std::atomic<bool>* cancel, std::size_t maxNodes) {
    std::size_t steps = 0;
    while (!mesher->is_refinement_done()) {
        mesher->step_by_step_refine_mesh();
        if (++steps % 256 == 0) {
            if ((cancel && cancel->load()) || cdt.number_of_vertices() > maxNodes)
                return false;
        }
    }
    return true;
}

bool Mesher::refineTriangles(const std::vector<std::size_t>& triangles, double finest,
                             std::size_t maxNodes, const std::atomic<bool>* cancel) {
    std::vector<CDT::Face_handle> bad;
    for (std::size_t t : triangles)
        if (t < impl_->faces.size())
            bad.push_back(impl_->faces[t]);
    impl_->mesher->set_bad_faces(bad.begin(), bad.end());
    if (!impl_->run(cancel, maxNodes))
        return false;
    // Then finer at the corners, where the stress is singular.
    impl_->mesher->set_criteria(Criteria(impl_->maxEdge, finest, &impl_->grid), true);
    return impl_->run(cancel, maxNodes);
}

TriMesh Mesher::mesh() const {
    const CDT& cdt = impl_->cdt;
    TriMesh out;
    impl_->faces.clear();
    for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v)
        v->info() = -1;
    out.nodes.reserve(cdt.number_of_vertices());
    out.triangles.reserve(cdt.number_of_faces());
    impl_->faces.reserve(cdt.number_of_faces());
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain())
            continue;
        std::array<int, 3> t{};
        for (int i = 0; i < 3; ++i) {
            const CDT::Vertex_handle v = f->vertex(i);
            if (v->info() < 0) {
                v->info() = static_cast<int>(out.nodes.size());
                out.nodes.push_back({v->point().x(), v->point().y()});
            }
            t[static_cast<std::size_t>(i)] = v->info();
        }
        out.triangles.push_back(t);
        impl_->faces.push_back(f);
    }
    return out;
}

} // namespace karo::properties
