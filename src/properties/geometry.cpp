#include "properties/geometry.h"

namespace karo::properties {

double RingArea(const Ring& ring) {
    double twice = 0;
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const Pt& p = ring[i];
        const Pt& q = ring[(i + 1) % n];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2;
}

int FindRoot(std::vector<int>& parent, int i) {
    while (parent[static_cast<std::size_t>(i)] != i)
        i = parent[static_cast<std::size_t>(i)] =
            parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
    return i;
}

} // namespace karo::properties
