#include "properties/torsion.h"

#include <Eigen/Dense>
#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <numeric>
#include <thread>

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

// The corners' graph: each corner's neighbours and itself, ascending, as the ordering reads
// them. Every triangle names two neighbours of each of its corners, most of them twice.
struct CornerGraph {
    std::vector<int> start, next;
};

CornerGraph cornerGraph(const TriMesh& mesh) {
    const std::size_t size = mesh.nodes.size();
    CornerGraph g;
    g.start.assign(size + 1, 0);
    for (const auto& t : mesh.triangles)
        for (int c : t)
            g.start[static_cast<std::size_t>(c) + 1] += 2;
    for (std::size_t i = 0; i < size; ++i)
        g.start[i + 1] += g.start[i] + 1;
    g.next.resize(static_cast<std::size_t>(g.start[size]));
    std::vector<int> fill(g.start.begin(), g.start.end() - 1);
    for (std::size_t i = 0; i < size; ++i)
        g.next[static_cast<std::size_t>(fill[i]++)] = static_cast<int>(i);
    for (const auto& t : mesh.triangles)
        for (std::size_t i = 0; i < 3; ++i) {
            auto& f = fill[static_cast<std::size_t>(t[i])];
            g.next[static_cast<std::size_t>(f++)] = t[(i + 1) % 3];
            g.next[static_cast<std::size_t>(f++)] = t[(i + 2) % 3];
        }
    int kept = 0;
    for (std::size_t i = 0; i < size; ++i) {
        int* begin = g.next.data() + g.start[i];
        int* end = g.next.data() + g.start[i + 1];
        std::sort(begin, end);
        end = std::unique(begin, end);
        g.start[i] = kept;
        kept = static_cast<int>(std::copy(begin, end, g.next.data() + kept) - g.next.data());
    }
    g.start[size] = kept;
    g.next.resize(static_cast<std::size_t>(kept));
    return g;
}

// Where a corner goes: one of two sides, or the separator between them, which no edge crosses.
enum Side : unsigned char { kSideA, kSideB, kSeparator };

// Meshes from this many corners are solved as two sides on two threads, when the machine has
// them: below it a thread costs more than half the solve saves. A separator of more corners
// than kMostSeparator would make its dense system cost more than the halves save.
constexpr std::size_t kSplitFrom = 1500;
constexpr std::size_t kMostSeparator = 200;

// The corners cut in two halves across x, then across y: the half past the cut is side B, the
// corners before it that touch side B go to the separator, the rest are side A. The cut with
// the smaller separator wins; all is side A when neither separator is small enough.
std::vector<Side> splitCorners(const TriMesh& mesh, const CornerGraph& g,
                               TorsionSolution::Sides sides) {
    using enum TorsionSolution::Sides;
    const std::size_t size = mesh.nodes.size();
    std::vector<Side> side(size, kSideA);
    if (sides == One || size < 4 ||
        (sides == Auto && (size < kSplitFrom || std::thread::hardware_concurrency() < 2)))
        return side;
    std::vector<Side> trial(size);
    std::size_t best = kMostSeparator + 1;
    std::vector<int> ids(size);
    for (int axis = 0; axis < 2; ++axis) {
        std::iota(ids.begin(), ids.end(), 0);
        const auto key = [&](int i) {
            const Pt& p = mesh.nodes[static_cast<std::size_t>(i)];
            return axis == 0 ? p.x : p.y;
        };
        const auto half = ids.begin() + static_cast<std::ptrdiff_t>(size / 2);
        std::nth_element(ids.begin(), half, ids.end(),
                         [&](int a, int b) { return key(a) < key(b); });
        for (auto it = ids.begin(); it != ids.end(); ++it)
            trial[static_cast<std::size_t>(*it)] = it < half ? kSideA : kSideB;
        std::size_t separator = 0;
        for (auto it = ids.begin(); it != half && separator <= best; ++it) {
            const auto c = static_cast<std::size_t>(*it);
            for (int p = g.start[c]; p < g.start[c + 1]; ++p)
                if (trial[static_cast<std::size_t>(g.next[static_cast<std::size_t>(p)])] ==
                    kSideB) {
                    trial[c] = kSeparator;
                    ++separator;
                    break;
                }
        }
        if (separator < best) {
            best = separator;
            side.swap(trial);
            trial.resize(size);
        }
    }
    return side;
}

// The order of elimination of one side's nodes that keeps its factor sparse: a minimum-degree
// order of its corners alone, which costs a small part of one of all its quadratic nodes, whose
// graph is four times larger and denser; every midside node then goes just before the first of
// its two corners, where eliminating that corner joins the same neighbours anyway.
std::vector<int> eliminationOrder(const CornerGraph& g, const std::vector<Side>& side, Side own,
                                  const std::vector<std::array<int, 2>>& ends, int corners) {
    std::vector<int> local(side.size(), -1), members;
    for (std::size_t c = 0; c < side.size(); ++c)
        if (side[c] == own) {
            local[c] = static_cast<int>(members.size());
            members.push_back(static_cast<int>(c));
        }
    const auto count = static_cast<int>(members.size());
    std::vector<int> order(members.size());
    if (count > 0) {
        Eigen::SparseMatrix<double> graph(count, count);
        std::vector<int> outer(members.size() + 1, 0), inner;
        inner.reserve(members.size() * 8);
        for (std::size_t i = 0; i < members.size(); ++i) {
            const auto c = static_cast<std::size_t>(members[i]);
            for (int p = g.start[c]; p < g.start[c + 1]; ++p)
                if (const int l =
                        local[static_cast<std::size_t>(g.next[static_cast<std::size_t>(p)])];
                    l >= 0)
                    inner.push_back(l);
            outer[i + 1] = static_cast<int>(inner.size());
        }
        graph.resizeNonZeros(static_cast<Eigen::Index>(inner.size()));
        std::copy(outer.begin(), outer.end(), graph.outerIndexPtr());
        std::copy(inner.begin(), inner.end(), graph.innerIndexPtr());
        Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int> perm;
        // The graph is symmetric already: Eigen's front door would add it to its transpose.
        Eigen::internal::minimum_degree_ordering(graph, perm); // perm(k): the k-th eliminated
        for (int k = 0; k < count; ++k)
            order[static_cast<std::size_t>(k)] = perm.indices()[k];
    }
    // Every corner after the midside nodes whose first corner it is, those in their own order.
    std::vector<int> rank(members.size());
    for (int k = 0; k < count; ++k)
        rank[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])] = k;
    std::vector<int> first(ends.size(), -1), start(members.size() + 1, 0);
    std::size_t midsides = 0;
    for (std::size_t m = 0; m < ends.size(); ++m) {
        const int a = local[static_cast<std::size_t>(ends[m][0])];
        const int b = local[static_cast<std::size_t>(ends[m][1])];
        if (a < 0 && b < 0)
            continue;
        first[m] = std::min(a < 0 ? count : rank[static_cast<std::size_t>(a)],
                            b < 0 ? count : rank[static_cast<std::size_t>(b)]);
        ++start[static_cast<std::size_t>(first[m]) + 1];
        ++midsides;
    }
    for (std::size_t k = 0; k < members.size(); ++k)
        start[k + 1] += start[k] + 1;
    std::vector<int> nodes(members.size() + midsides);
    for (std::size_t m = 0; m < ends.size(); ++m)
        if (first[m] >= 0)
            nodes[static_cast<std::size_t>(start[static_cast<std::size_t>(first[m])]++)] =
                corners + static_cast<int>(m);
    for (int k = 0; k < count; ++k)
        nodes[static_cast<std::size_t>(start[static_cast<std::size_t>(k)])] =
            members[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])];
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

// The upper triangle's pattern of one side's stiffness, zero-valued: in column j the unknowns
// up to j that share an element with j. The side's own unknowns come first; the separator's
// follow from `own` on, and among themselves only each with itself, the place of which
// `separatorDiagonal` receives: their couplings go to the dense separator system instead.
// `unknown[k][i]` is the unknown of element k's node i, or −1; `place[21·k + pairOf(i, m)]` is
// where the entry of element k's nodes i and m goes, in the column of the later of their
// unknowns, or −1. Every entry is met once: an edge's entries and a corner's own entry by the
// first element that has them, the rest belong to one element only.
Eigen::SparseMatrix<double> upperPattern(const std::vector<const Element*>& elements,
                                         const std::vector<std::array<int, 6>>& unknown,
                                         std::size_t corners, std::size_t midsides, int own,
                                         int separator, int* place,
                                         std::vector<int>& separatorDiagonal) {
    constexpr int kUnmet = -2;
    // The entries in the order met, as (column, row); `place` holds their numbers at first.
    std::vector<std::array<int, 2>> entries;
    entries.reserve(elements.size() * 13 + corners);
    const auto add = [&](int a, int b) {
        if (a < 0 || b < 0 || (a >= own && b >= own))
            return -1;
        entries.push_back({std::max(a, b), std::min(a, b)});
        return static_cast<int>(entries.size()) - 1;
    };
    std::vector<int> itself(corners, kUnmet);
    // An edge's entries: its lower-numbered corner with the higher, with the midside node, the
    // higher corner with it, the midside node with itself.
    std::vector<std::array<int, 4>> edge(midsides, {kUnmet, kUnmet, kUnmet, kUnmet});
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const auto& node = elements[k]->node;
        const auto& u = unknown[k];
        int* at = place + 21 * k;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto c = static_cast<std::size_t>(node[i]);
            if (itself[c] == kUnmet)
                itself[c] = add(u[i], u[i]);
            at[pairOf(i, i)] = itself[c];
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const std::size_t j = (i + 1) % 3, m = 3 + i;
            const bool lowFirst = node[i] < node[j];
            const std::size_t lo = lowFirst ? i : j, hi = lowFirst ? j : i;
            auto& e = edge[static_cast<std::size_t>(node[m]) - corners];
            if (e[0] == kUnmet)
                e = {add(u[lo], u[hi]), add(u[lo], u[m]), add(u[hi], u[m]), add(u[m], u[m])};
            at[pairOf(i, j)] = e[0];
            at[pairOf(lo, m)] = e[1];
            at[pairOf(hi, m)] = e[2];
            at[pairOf(m, m)] = e[3];
            // The corner across the edge, and the next edge's midside node.
            at[pairOf((i + 2) % 3, m)] = add(u[(i + 2) % 3], u[m]);
            at[pairOf(m, 3 + j)] = add(u[m], u[3 + j]);
        }
    }
    const int unknowns = own + separator;
    separatorDiagonal.resize(static_cast<std::size_t>(separator));
    for (int j = own; j < unknowns; ++j)
        entries.push_back({j, j});
    // Column by column, in the order met.
    const auto size = static_cast<std::size_t>(unknowns);
    Eigen::SparseMatrix<double> m(unknowns, unknowns);
    m.resizeNonZeros(static_cast<Eigen::Index>(entries.size()));
    int* outer = m.outerIndexPtr();
    std::fill(outer, outer + size + 1, 0);
    for (const auto& e : entries)
        ++outer[static_cast<std::size_t>(e[0]) + 1];
    for (std::size_t j = 0; j < size; ++j)
        outer[j + 1] += outer[j];
    std::vector<int> fill(outer, outer + size);
    std::vector<int> where(entries.size());
    int* inner = m.innerIndexPtr();
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const int p = fill[static_cast<std::size_t>(entries[n][0])]++;
        inner[p] = entries[n][1];
        where[n] = p;
    }
    for (std::size_t n = 0; n < 21 * elements.size(); ++n)
        if (place[n] >= 0)
            place[n] = where[static_cast<std::size_t>(place[n])];
    for (int j = 0; j < separator; ++j)
        separatorDiagonal[static_cast<std::size_t>(j)] =
            where[entries.size() - static_cast<std::size_t>(separator - j)];
    std::fill(m.valuePtr(), m.valuePtr() + entries.size(), 0.0);
    return m;
}

// An element's stiffness (lower triangle) and load: ∫∇φi·∇φj dA and ∫(y·∂φi/∂x − x·∂φi/∂y) dA.
void elementMatrices(const Element& e, const std::vector<Pt>& nodes, double k[6][6], double f[6]) {
    for (const QuadPoint& q : kEdgeRule) {
        const double l[3] = {q.l1, q.l2, q.l3};
        double phi[6], dx[6], dy[6];
        shape(e, l, phi, dx, dy);
        double x = 0, y = 0;
        for (std::size_t i = 0; i < 6; ++i) {
            x += phi[i] * nodes[static_cast<std::size_t>(e.node[i])].x;
            y += phi[i] * nodes[static_cast<std::size_t>(e.node[i])].y;
        }
        const double w = q.w * e.area;
        for (int i = 0; i < 6; ++i) {
            f[i] += w * (y * dx[i] - x * dy[i]);
            for (int j = 0; j <= i; ++j)
                k[i][j] += w * (dx[i] * dx[j] + dy[i] * dy[j]);
        }
    }
}

// What every side's solve shares.
struct SplitMesh {
    const std::vector<Pt>& nodes;
    const std::vector<std::array<int, 2>>& ends;
    const CornerGraph& graph;
    const std::vector<Side>& side;
    const std::vector<bool>& held;     // per corner: held at 0
    const std::vector<int>& separator; // per node: its unknown in the separator, or −1
    int corners, separatorSize;
};

// One side's system: its own unknowns first, then the separator's, whose rows its factor
// takes only as far as the side reaches. Its Schur complement on the separator and its load,
// added to the other side's, give the separator's dense system; its factor then finds its own
// unknowns from the separator's.
class SideSystem {
  public:
    void solveOwn(const SplitMesh& mesh, Side own, const std::vector<const Element*>& elements);
    bool solved() const { return solved_; }
    const Eigen::MatrixXd& schur() const { return schur_; }
    // The separator's load less what the side's own unknowns take of it.
    Eigen::VectorXd separatorLoad() const { return y_.tail(y_.size() - own_); }
    // ω at every node of the side, given it on the separator.
    void solveBack(const Eigen::VectorXd& separator, std::vector<double>& omega);

  private:
    std::vector<int> local_; // per node: its unknown here, or −1
    int own_ = 0;
    PreorderedLDLT factor_;
    Eigen::MatrixXd schur_;
    Eigen::VectorXd y_;
    bool solved_ = false;
};

void SideSystem::solveOwn(const SplitMesh& mesh, Side own,
                          const std::vector<const Element*>& elements) {
    const int separator = mesh.separatorSize;
    local_.assign(mesh.nodes.size(), -1);
    for (int node : eliminationOrder(mesh.graph, mesh.side, own, mesh.ends, mesh.corners))
        if (node >= mesh.corners || !mesh.held[static_cast<std::size_t>(node)])
            local_[static_cast<std::size_t>(node)] = own_++;
    for (std::size_t node = 0; node < local_.size(); ++node)
        if (const int d = mesh.separator[node]; d >= 0)
            local_[node] = own_ + d;

    // ∫∇ω·∇v dA = ∫(y·∂v/∂x − x·∂v/∂y) dA for every v: the boundary condition in the load.
    // Assembled straight into the upper triangle, the form the factorisation reads in place.
    std::vector<std::array<int, 6>> unknown(elements.size());
    for (std::size_t k = 0; k < elements.size(); ++k)
        for (std::size_t i = 0; i < 6; ++i)
            unknown[k][i] = local_[static_cast<std::size_t>(elements[k]->node[i])];
    // Every pair's place is written before it is read: no need to clear them first.
    auto place = std::make_unique_for_overwrite<int[]>(elements.size() * 21);
    std::vector<int> separatorDiagonal;
    Eigen::SparseMatrix<double> stiffness =
        upperPattern(elements, unknown, static_cast<std::size_t>(mesh.corners), mesh.ends.size(),
                     own_, separator, place.get(), separatorDiagonal);
    y_ = Eigen::VectorXd::Zero(own_ + separator);
    schur_ = Eigen::MatrixXd::Zero(separator, separator);
    double* values = stiffness.valuePtr();
    for (std::size_t source = 0; source < elements.size(); ++source) {
        double k[6][6] = {}, f[6] = {};
        elementMatrices(*elements[source], mesh.nodes, k, f);
        const auto& element = unknown[source];
        const int* at = place.get() + 21 * source;
        for (std::size_t i = 0; i < 6; ++i) {
            const int di = element[i];
            if (di < 0)
                continue;
            y_[di] += f[i];
            for (std::size_t j = 0; j < 6; ++j) {
                const int dj = element[j];
                if (dj < 0 || dj > di)
                    continue;
                const double v = j <= i ? k[i][j] : k[j][i];
                if (const int p = at[pairOf(i, j)]; p >= 0)
                    values[p] += v;
                else {
                    schur_(di - own_, dj - own_) += v;
                    if (di != dj)
                        schur_(dj - own_, di - own_) += v;
                }
            }
        }
    }
    // What is no longer needed goes before the factor takes its room.
    place.reset();
    std::vector<std::array<int, 6>>().swap(unknown);
    // The separator's rows stand in the factor with a diagonal larger than the side's share of
    // the separator's stiffness, which bounds what the side's unknowns take of it: their
    // pivots stay positive, and their couplings to the side's unknowns come out exact.
    if (separator > 0) {
        const double bound = schur_.cwiseAbs().rowwise().sum().maxCoeff();
        for (int j : separatorDiagonal)
            values[j] = 2 * bound + 1;
    }
    factor_.factorPreordered(stiffness);
    stiffness = Eigen::SparseMatrix<double>();
    if (factor_.info() != Eigen::Success)
        return;
    const auto& L = factor_.matrixL().nestedExpression();
    const Eigen::VectorXd& D = factor_.vectorD();
    const int* outer = L.outerIndexPtr();
    const int* inner = L.innerIndexPtr();
    const double* lx = L.valuePtr();
    // The separator's Schur complement: its stiffness less L_SA·D·L_SAᵀ, from the separator's
    // rows in every column of the side's own.
    // A column's rows ascend, so the products fill the upper triangle, then mirrored.
    std::vector<std::pair<int, double>> rows;
    Eigen::MatrixXd taken = Eigen::MatrixXd::Zero(separator, separator);
    for (int i = 0; i < own_; ++i) {
        rows.clear();
        for (int p = outer[i]; p < outer[i + 1]; ++p)
            if (inner[p] >= own_)
                rows.emplace_back(inner[p] - own_, lx[p]);
        for (std::size_t b = 0; b < rows.size(); ++b) {
            const double scaled = rows[b].second * D[i];
            for (std::size_t a = 0; a <= b; ++a)
                taken(rows[a].first, rows[b].first) += rows[a].second * scaled;
        }
    }
    for (int b = 0; b < separator; ++b)
        for (int a = 0; a <= b; ++a) {
            schur_(a, b) -= taken(a, b);
            if (a != b)
                schur_(b, a) -= taken(a, b);
        }
    // Forwards through the side's own columns; the separator's rows keep what is left.
    for (int i = 0; i < own_; ++i) {
        const double yi = y_[i];
        if (yi != 0)
            for (int p = outer[i]; p < outer[i + 1]; ++p)
                y_[inner[p]] -= yi * lx[p];
    }
    const Eigen::VectorXd inverse = D.head(own_).cwiseInverse();
    for (int i = 0; i < own_; ++i)
        y_[i] *= inverse[i];
    solved_ = y_.allFinite() && schur_.allFinite();
}

void SideSystem::solveBack(const Eigen::VectorXd& separator, std::vector<double>& omega) {
    y_.tail(separator.size()) = separator;
    const auto& L = factor_.matrixL().nestedExpression();
    const int* outer = L.outerIndexPtr();
    const int* inner = L.innerIndexPtr();
    const double* lx = L.valuePtr();
    for (int i = own_ - 1; i >= 0; --i) {
        double xi = y_[i];
        for (int p = outer[i]; p < outer[i + 1]; ++p)
            xi -= lx[p] * y_[inner[p]];
        y_[i] = xi;
    }
    for (std::size_t node = 0; node < local_.size(); ++node) {
        const int d = local_[node];
        if (d < 0 || d >= own_)
            continue;
        omega[node] = y_[d];
    }
}

} // namespace

TorsionSolution::TorsionSolution(const TriMesh& mesh, Sides sides)
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
    std::vector<bool> held(mesh.nodes.size());
    for (int c = 0; c < corners; ++c)
        held[static_cast<std::size_t>(c)] = FindRoot(parent, c) == c;

    // Large meshes are solved as two sides at once, joined by the separator's dense system.
    const CornerGraph graph = cornerGraph(mesh);
    const std::vector<Side> side = splitCorners(mesh, graph, sides);
    std::vector<int> separator(static_cast<std::size_t>(n), -1);
    int separatorSize = 0;
    for (std::size_t c = 0; c < mesh.nodes.size(); ++c)
        if (side[c] == kSeparator && !held[c])
            separator[c] = separatorSize++;
    for (std::size_t m = 0; m < ends.size(); ++m)
        if (side[static_cast<std::size_t>(ends[m][0])] == kSeparator &&
            side[static_cast<std::size_t>(ends[m][1])] == kSeparator)
            separator[mesh.nodes.size() + m] = separatorSize++;
    // An element with all its corners on the separator adds only to the separator's system:
    // side A takes it, as it takes its share of that system from every other element.
    std::vector<const Element*> of[2];
    for (const Element& e : elements) {
        auto* list = &of[kSideA];
        for (std::size_t i = 0; i < 3; ++i)
            if (const Side s = side[static_cast<std::size_t>(e.node[i])]; s != kSeparator)
                list = &of[s];
        list->push_back(&e);
    }
    twoSides_ = !of[kSideB].empty();
    const std::size_t solvedSides = twoSides_ ? 2 : 1;
    const SplitMesh split{nodes, ends, graph, side, held, separator, corners, separatorSize};
    SideSystem systems[2];
    {
        std::exception_ptr failure;
        std::thread other;
        if (twoSides_)
            other = std::thread([&] {
                try {
                    systems[kSideB].solveOwn(split, kSideB, of[kSideB]);
                } catch (...) {
                    failure = std::current_exception();
                }
            });
        try {
            systems[kSideA].solveOwn(split, kSideA, of[kSideA]);
        } catch (...) {
            if (other.joinable())
                other.join();
            throw;
        }
        if (other.joinable())
            other.join();
        if (failure)
            std::rethrow_exception(failure);
    }
    if (!systems[kSideA].solved() || (twoSides_ && !systems[kSideB].solved()))
        return;
    std::vector<double>& omega = omega_;
    omega.assign(static_cast<std::size_t>(n), 0.0);
    Eigen::VectorXd onSeparator;
    if (separatorSize > 0) {
        // Both sides' shares.
        Eigen::MatrixXd schur = Eigen::MatrixXd::Zero(separatorSize, separatorSize);
        Eigen::VectorXd load = Eigen::VectorXd::Zero(separatorSize);
        for (std::size_t s = 0; s < solvedSides; ++s) {
            schur += systems[s].schur();
            load += systems[s].separatorLoad();
        }
        const Eigen::LDLT<Eigen::MatrixXd> dense(schur);
        onSeparator = dense.solve(load);
        if (dense.info() != Eigen::Success || !onSeparator.allFinite())
            return;
        for (std::size_t node = 0; node < separator.size(); ++node)
            if (const int d = separator[node]; d >= 0)
                omega[node] = onSeparator[d];
    }
    for (std::size_t s = 0; s < solvedSides; ++s)
        systems[s].solveBack(onSeparator, omega);
    if (!std::all_of(omega.begin(), omega.end(), [](double w) { return std::isfinite(w); }))
        return;

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
