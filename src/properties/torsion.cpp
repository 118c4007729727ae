#include "properties/torsion.h"

#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

namespace karo::properties {
namespace {

// Six-point rule exact to degree 4 on a triangle: barycentric points and weights (sum 1).
struct QuadPoint {
    double l1, l2, l3, w;
};
constexpr double qa = 0.445948490915965, qb = 0.091576213509771;
constexpr double wa = 0.223381589678011, wb = 0.109951743655322;
constexpr QuadPoint kRule[6] = {{qa, qa, 1 - 2 * qa, wa}, {qa, 1 - 2 * qa, qa, wa},
                                {1 - 2 * qa, qa, qa, wa}, {qb, qb, 1 - 2 * qb, wb},
                                {qb, 1 - 2 * qb, qb, wb}, {1 - 2 * qb, qb, qb, wb}};

// Three-point rule exact to degree 2: enough for the stiffness and the load, whose
// integrands are products of linear gradients and coordinates.
constexpr QuadPoint kEdgeRule[3] = {
    {0.5, 0.5, 0, 1.0 / 3}, {0, 0.5, 0.5, 1.0 / 3}, {0.5, 0, 0.5, 1.0 / 3}};

using Element = TorsionElement;

// Values and gradients of the six shape functions at barycentric (l0, l1, l2).
void shape(const Element& e, const double l[3], double phi[6], double dx[6], double dy[6]) {
    for (int i = 0; i < 3; ++i) {
        phi[i] = l[i] * (2 * l[i] - 1);
        dx[i] = (4 * l[i] - 1) * e.gx[i];
        dy[i] = (4 * l[i] - 1) * e.gy[i];
        const int j = (i + 1) % 3;
        phi[3 + i] = 4 * l[i] * l[j];
        dx[3 + i] = 4 * (l[j] * e.gx[i] + l[i] * e.gx[j]);
        dy[3 + i] = 4 * (l[j] * e.gy[i] + l[i] * e.gy[j]);
    }
}

// The nodes in an order of elimination that keeps the factor sparse. A minimum-degree order of
// the corners alone costs a small part of one of all the quadratic nodes, whose graph is four
// times larger and denser; every midside node then goes just before the first of its two
// corners, where eliminating that corner joins the same neighbours anyway.
std::vector<int> eliminationOrder(const TriMesh& mesh,
                                  const std::vector<std::array<int, 2>>& ends) {
    const auto corners = static_cast<int>(mesh.nodes.size());
    std::vector<Eigen::Triplet<double>> edges;
    edges.reserve(mesh.triangles.size() * 6 + mesh.nodes.size());
    for (int i = 0; i < corners; ++i)
        edges.emplace_back(i, i, 1.0);
    for (const auto& t : mesh.triangles)
        for (std::size_t i = 0; i < 3; ++i) {
            edges.emplace_back(t[i], t[(i + 1) % 3], 1.0);
            edges.emplace_back(t[(i + 1) % 3], t[i], 1.0);
        }
    Eigen::SparseMatrix<double> graph(corners, corners);
    graph.setFromTriplets(edges.begin(), edges.end());
    Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int> order;
    Eigen::AMDOrdering<int>()(graph, order); // order(k) is the k-th corner eliminated
    std::vector<int> rank(static_cast<std::size_t>(corners));
    for (int k = 0; k < corners; ++k)
        rank[static_cast<std::size_t>(order.indices()[k])] = k;
    // Every corner after the midside nodes whose first corner it is, those in their own order.
    std::vector<int> first(ends.size()), start(static_cast<std::size_t>(corners) + 1, 0);
    for (std::size_t m = 0; m < ends.size(); ++m) {
        first[m] = std::min(rank[static_cast<std::size_t>(ends[m][0])],
                            rank[static_cast<std::size_t>(ends[m][1])]);
        ++start[static_cast<std::size_t>(first[m]) + 1];
    }
    for (std::size_t k = 0; k < static_cast<std::size_t>(corners); ++k)
        start[k + 1] += start[k] + 1;
    std::vector<int> nodes(mesh.nodes.size() + ends.size());
    for (std::size_t m = 0; m < ends.size(); ++m)
        nodes[static_cast<std::size_t>(start[static_cast<std::size_t>(first[m])]++)] =
            corners + static_cast<int>(m);
    for (int k = 0; k < corners; ++k)
        nodes[static_cast<std::size_t>(start[static_cast<std::size_t>(k)])] = order.indices()[k];
    return nodes;
}

// Eigen's LDLᵀ of a matrix already in its order of elimination. Eigen tells a natural order
// only by its index type, and took one of int indices for an order to apply: it made a full
// symmetric copy of the matrix to hand to it and a second, permuted copy to factor.
class PreorderedLDLT : public Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Upper,
                                                    Eigen::NaturalOrdering<int>> {
  public:
    // `upper`'s upper triangle, read in place.
    void factorPreordered(const Eigen::SparseMatrix<double>& upper) {
        analyzePattern_preordered(upper, true);
        factorize_preordered<true>(upper);
    }
};

// The 21 unordered pairs of an element's six nodes, a node with itself included.
constexpr std::size_t pairOf(std::size_t i, std::size_t m) {
    return i < m ? m * (m + 1) / 2 + i : i * (i + 1) / 2 + m;
}

// The upper triangle's pattern of the stiffness, zero-valued: in column j the unknowns up to j
// that share an element with j, rows ascending. `unknown[k][i]` is the unknown of element k's
// node i, or −1; `place[21·k + pairOf(i, m)]` is where the entry of element k's nodes i and m
// goes, in the column of the later of their unknowns.
Eigen::SparseMatrix<double> upperPattern(const std::vector<std::array<int, 6>>& unknown,
                                         int unknowns, int* place) {
    const auto size = static_cast<std::size_t>(unknowns);
    // The elements about every unknown.
    std::vector<int> start(size + 1, 0);
    for (const auto& element : unknown)
        for (int d : element)
            if (d >= 0)
                ++start[static_cast<std::size_t>(d) + 1];
    for (std::size_t i = 0; i < size; ++i)
        start[i + 1] += start[i];
    std::vector<int> around(static_cast<std::size_t>(start[size]));
    {
        std::vector<int> fill(start.begin(), start.end() - 1);
        for (std::size_t k = 0; k < unknown.size(); ++k)
            for (int d : unknown[k])
                if (d >= 0)
                    around[static_cast<std::size_t>(fill[static_cast<std::size_t>(d)]++)] =
                        static_cast<int>(k);
    }
    std::vector<int> outer(size + 1, 0), inner, seen(size, -1);
    inner.reserve(around.size() * 3);
    for (int j = 0; j < unknowns; ++j) {
        const auto first = inner.size();
        const int* begin = around.data() + start[static_cast<std::size_t>(j)];
        const int* end = around.data() + start[static_cast<std::size_t>(j) + 1];
        for (const int* a = begin; a != end; ++a)
            for (int d : unknown[static_cast<std::size_t>(*a)])
                if (d >= 0 && d <= j && seen[static_cast<std::size_t>(d)] != j) {
                    seen[static_cast<std::size_t>(d)] = j;
                    inner.push_back(d);
                }
        // A column holds a dozen rows or so: sorted by insertion.
        for (std::size_t p = first + 1; p < inner.size(); ++p) {
            const int row = inner[p];
            std::size_t q = p;
            for (; q > first && inner[q - 1] > row; --q)
                inner[q] = inner[q - 1];
            inner[q] = row;
        }
        outer[static_cast<std::size_t>(j) + 1] = static_cast<int>(inner.size());
        // `seen` has served this column: it now tells where each of its rows lies.
        for (std::size_t p = first; p < inner.size(); ++p)
            seen[static_cast<std::size_t>(inner[p])] = static_cast<int>(p);
        for (const int* a = begin; a != end; ++a) {
            const auto k = static_cast<std::size_t>(*a);
            const auto& element = unknown[k];
            std::size_t i = 0;
            while (element[i] != j)
                ++i;
            for (std::size_t m = 0; m < 6; ++m)
                if (const int d = element[m]; d >= 0 && d <= j)
                    place[21 * k + pairOf(i, m)] = seen[static_cast<std::size_t>(d)];
        }
        // Marks of later columns are at least j + 1: no place left here can pass for one.
        for (std::size_t p = first; p < inner.size(); ++p)
            seen[static_cast<std::size_t>(inner[p])] = j;
    }
    Eigen::SparseMatrix<double> m(unknowns, unknowns);
    m.resizeNonZeros(static_cast<Eigen::Index>(inner.size()));
    std::copy(outer.begin(), outer.end(), m.outerIndexPtr());
    std::copy(inner.begin(), inner.end(), m.innerIndexPtr());
    std::fill(m.valuePtr(), m.valuePtr() + inner.size(), 0.0);
    return m;
}

} // namespace

TorsionSolution::TorsionSolution(const TriMesh& mesh)
    : meshTriangles_(mesh.triangles.size()), meshCorners_(mesh.nodes.size()) {
    if (mesh.triangles.empty())
        return;
    std::vector<Pt>& nodes = nodes_;
    nodes = mesh.nodes;
    std::vector<Element>& elements = elements_;
    elements.reserve(mesh.triangles.size());
    std::vector<std::array<int, 2>> ends; // of every midside node, in its order after the corners
    // The midside nodes met so far from every corner to its higher-numbered neighbours: room
    // for each edge twice, as both its triangles count it.
    std::vector<int> slot(mesh.nodes.size() + 1, 0);
    for (const auto& t : mesh.triangles)
        for (std::size_t i = 0; i < 3; ++i)
            ++slot[static_cast<std::size_t>(std::min(t[i], t[(i + 1) % 3])) + 1];
    for (std::size_t i = 1; i < slot.size(); ++i)
        slot[i] += slot[i - 1];
    std::vector<int> filled(slot.begin(), slot.end() - 1);
    std::vector<std::array<int, 2>> far(static_cast<std::size_t>(slot.back())); // corner, node
    ends.reserve(mesh.triangles.size() * 3 / 2 + mesh.nodes.size());
    nodes.reserve(mesh.nodes.size() + ends.capacity());
    for (std::size_t source = 0; source < mesh.triangles.size(); ++source) {
        const auto& t = mesh.triangles[source];
        Element e{};
        e.source = source;
        for (int i = 0; i < 3; ++i)
            e.node[static_cast<std::size_t>(i)] = t[static_cast<std::size_t>(i)];
        const Pt p[3] = {nodes[static_cast<std::size_t>(t[0])],
                         nodes[static_cast<std::size_t>(t[1])],
                         nodes[static_cast<std::size_t>(t[2])]};
        const double twice =
            (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (!(std::fabs(twice) > 0))
            continue;
        e.area = twice / 2;
        for (int i = 0; i < 3; ++i) {
            const Pt& b = p[(i + 1) % 3];
            const Pt& c = p[(i + 2) % 3];
            e.gx[i] = (b.y - c.y) / twice;
            e.gy[i] = (c.x - b.x) / twice;
        }
        e.area = std::fabs(e.area);
        for (int i = 0; i < 3; ++i) {
            const int a =
                std::min(t[static_cast<std::size_t>(i)], t[static_cast<std::size_t>((i + 1) % 3)]);
            const int b =
                std::max(t[static_cast<std::size_t>(i)], t[static_cast<std::size_t>((i + 1) % 3)]);
            const auto from = static_cast<std::size_t>(slot[static_cast<std::size_t>(a)]);
            auto& end = filled[static_cast<std::size_t>(a)];
            auto it =
                std::find_if(far.begin() + static_cast<std::ptrdiff_t>(from), far.begin() + end,
                             [&](const std::array<int, 2>& f) { return f[0] == b; });
            if (it == far.begin() + end) {
                *it = {b, static_cast<int>(nodes.size())};
                ++end;
                const Pt& pa = nodes[static_cast<std::size_t>(a)];
                const Pt& pb = nodes[static_cast<std::size_t>(b)];
                nodes.push_back({(pa.x + pb.x) / 2, (pa.y + pb.y) / 2});
                ends.push_back({a, b});
            }
            e.node[static_cast<std::size_t>(3 + i)] = (*it)[1];
        }
        elements.push_back(e);
    }
    const int n = static_cast<int>(nodes.size());

    // ω is fixed up to a constant on every connected piece: one corner of each is held at 0.
    // The pieces are those of the corners: a midside node joins the piece of its edge.
    const auto corners = static_cast<int>(mesh.nodes.size());
    std::vector<int> parent(mesh.nodes.size());
    std::iota(parent.begin(), parent.end(), 0);
    for (const Element& e : elements)
        for (std::size_t i = 1; i < 3; ++i)
            parent[static_cast<std::size_t>(FindRoot(parent, e.node[i]))] =
                FindRoot(parent, e.node[0]);
    std::vector<int> dof(static_cast<std::size_t>(n), -1);
    int unknowns = 0;
    for (int i : eliminationOrder(mesh, ends))
        if (i >= corners || FindRoot(parent, i) != i)
            dof[static_cast<std::size_t>(i)] = unknowns++;

    // ∫∇ω·∇v dA = ∫(y·∂v/∂x − x·∂v/∂y) dA for every v: the boundary condition in the load.
    // Assembled straight into the upper triangle, the form the factorisation reads in place.
    std::vector<std::array<int, 6>> unknown(elements.size());
    for (std::size_t k = 0; k < elements.size(); ++k)
        for (std::size_t i = 0; i < 6; ++i)
            unknown[k][i] = dof[static_cast<std::size_t>(elements[k].node[i])];
    // Every pair's place is written before it is read: no need to clear them first.
    auto place = std::make_unique_for_overwrite<int[]>(elements.size() * 21);
    Eigen::SparseMatrix<double> stiffness = upperPattern(unknown, unknowns, place.get());
    Eigen::VectorXd load = Eigen::VectorXd::Zero(unknowns);
    double* values = stiffness.valuePtr();
    for (std::size_t source = 0; source < elements.size(); ++source) {
        const Element& e = elements[source];
        double k[6][6] = {}, f[6] = {};
        for (const QuadPoint& q : kEdgeRule) {
            const double l[3] = {q.l1, q.l2, q.l3};
            double phi[6], dx[6], dy[6];
            shape(e, l, phi, dx, dy);
            double x = 0, y = 0;
            for (int i = 0; i < 6; ++i) {
                x +=
                    phi[i] * nodes[static_cast<std::size_t>(e.node[static_cast<std::size_t>(i)])].x;
                y +=
                    phi[i] * nodes[static_cast<std::size_t>(e.node[static_cast<std::size_t>(i)])].y;
            }
            const double w = q.w * e.area;
            for (int i = 0; i < 6; ++i) {
                f[i] += w * (y * dx[i] - x * dy[i]);
                for (int j = 0; j <= i; ++j)
                    k[i][j] += w * (dx[i] * dx[j] + dy[i] * dy[j]);
            }
        }
        const auto& element = unknown[source];
        for (int i = 0; i < 6; ++i) {
            const int di = element[static_cast<std::size_t>(i)];
            if (di < 0)
                continue;
            load[di] += f[i];
            for (int j = 0; j < 6; ++j) {
                const int dj = element[static_cast<std::size_t>(j)];
                if (dj < 0 || dj > di)
                    continue;
                values[place[21 * source +
                             pairOf(static_cast<std::size_t>(i), static_cast<std::size_t>(j))]] +=
                    j <= i ? k[i][j] : k[j][i];
            }
        }
    }
    // What is no longer needed goes before the factor takes its room.
    place.reset();
    std::vector<std::array<int, 6>>().swap(unknown);
    Eigen::VectorXd solution;
    {
        PreorderedLDLT solver;
        solver.factorPreordered(stiffness);
        stiffness = Eigen::SparseMatrix<double>();
        if (solver.info() != Eigen::Success)
            return;
        solution = solver.solve(load);
        if (solver.info() != Eigen::Success || !solution.allFinite())
            return;
    }
    std::vector<double>& omega = omega_;
    omega.assign(static_cast<std::size_t>(n), 0.0);
    for (int i = 0; i < n; ++i)
        if (const int d = dof[static_cast<std::size_t>(i)]; d >= 0)
            omega[static_cast<std::size_t>(i)] = solution[d];

    // It = ∫((∂ω/∂x − y)² + (∂ω/∂y + x)²) dA: a sum of squares, which keeps its digits where
    // It is a tiny part of Ix + Iy (a long thin strip), unlike Ix + Iy − ωᵀ·load.
    for (const Element& e : elements) {
        for (const QuadPoint& q : kEdgeRule) {
            const double l[3] = {q.l1, q.l2, q.l3};
            double phi[6], dx[6], dy[6];
            shape(e, l, phi, dx, dy);
            double x = 0, y = 0, gx = 0, gy = 0;
            for (int i = 0; i < 6; ++i) {
                const auto node = static_cast<std::size_t>(e.node[static_cast<std::size_t>(i)]);
                x += phi[i] * nodes[node].x;
                y += phi[i] * nodes[node].y;
                gx += dx[i] * omega[node];
                gy += dy[i] * omega[node];
            }
            It_ += q.w * e.area * ((gx - y) * (gx - y) + (gy + x) * (gy + x));
        }
    }
    solved_ = std::isfinite(It_);
}

std::optional<TorsionSolution::Warping> TorsionSolution::warping(double Ix, double Iy,
                                                                 double Ixy) const {
    const std::vector<Pt>& nodes = nodes_;
    const std::vector<Element>& elements = elements_;
    const std::vector<double>& omega = omega_;
    Warping out;

    // x, y and ω at the six points of every element, weighted, for the integrals below.
    struct Sample {
        double w, x, y, omega;
    };
    std::vector<Sample> samples;
    samples.reserve(elements.size() * 6);
    double area = 0;
    for (const Element& e : elements) {
        area += e.area;
        for (const QuadPoint& q : kRule) {
            const double l[3] = {q.l1, q.l2, q.l3};
            double phi[6], dx[6], dy[6];
            shape(e, l, phi, dx, dy);
            Sample s{q.w * e.area, 0, 0, 0};
            for (int i = 0; i < 6; ++i) {
                const auto node = static_cast<std::size_t>(e.node[static_cast<std::size_t>(i)]);
                s.x += phi[i] * nodes[node].x;
                s.y += phi[i] * nodes[node].y;
                s.omega += phi[i] * omega[node];
            }
            samples.push_back(s);
        }
    }
    // The pole (a, b) makes ω − b·x + a·y orthogonal to x and y.
    double qx = 0, qy = 0, sum = 0;
    for (const Sample& s : samples) {
        qx += s.w * s.omega * s.x;
        qy += s.w * s.omega * s.y;
        sum += s.w * s.omega;
    }
    const double det = Ix * Iy - Ixy * Ixy;
    if (det > 0 && area > 0) {
        const double a = (qx * Ixy - Iy * qy) / det;
        const double b = (Ix * qx - Ixy * qy) / det;
        out.xs = a, out.ys = b;
        // x and y have zero mean about the centroid: the mean of ω about the pole is ω's.
        const double mean = sum / area;
        for (const Sample& s : samples) {
            const double v = s.omega - b * s.x + a * s.y - mean;
            out.Iw += s.w * v * v;
        }
    }
    if (!std::isfinite(out.xs) || !std::isfinite(out.ys) || !std::isfinite(out.Iw))
        return std::nullopt;
    return out;
}

std::vector<double> TorsionSolution::indicator() const {
    const std::vector<Element>& elements = elements_;
    const std::vector<double>& omega = omega_;
    // The gradient at the corners, element by element and averaged over the elements that
    // meet there.
    std::vector<Pt> average(meshCorners_);
    std::vector<double> weight(meshCorners_, 0.0);
    std::vector<std::array<Pt, 3>> corner(elements.size());
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const Element& e = elements[k];
        for (int c = 0; c < 3; ++c) {
            double l[3] = {0, 0, 0};
            l[c] = 1;
            double phi[6], dx[6], dy[6];
            shape(e, l, phi, dx, dy);
            Pt g;
            for (int i = 0; i < 6; ++i) {
                const double w =
                    omega[static_cast<std::size_t>(e.node[static_cast<std::size_t>(i)])];
                g.x += w * dx[i], g.y += w * dy[i];
            }
            corner[k][static_cast<std::size_t>(c)] = g;
            const auto v = static_cast<std::size_t>(e.node[static_cast<std::size_t>(c)]);
            average[v].x += e.area * g.x, average[v].y += e.area * g.y;
            weight[v] += e.area;
        }
    }
    std::vector<double> out(meshTriangles_, 0.0);
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const Element& e = elements[k];
        double sum = 0;
        for (int c = 0; c < 3; ++c) {
            const auto v = static_cast<std::size_t>(e.node[static_cast<std::size_t>(c)]);
            const Pt& g = corner[k][static_cast<std::size_t>(c)];
            const double dx = g.x - average[v].x / weight[v], dy = g.y - average[v].y / weight[v];
            sum += dx * dx + dy * dy;
        }
        out[e.source] = e.area * sum / 3;
    }
    return out;
}

} // namespace karo::properties
