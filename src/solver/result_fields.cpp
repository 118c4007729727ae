#include "solver/result_fields.h"

#include "solver/solver.h"

namespace karo {

std::array<double, ResultFieldCount> ResultValues(const TSectionResult& r) {
    return {r.xc, r.yc, r.A, r.Ix, r.Iy, r.Ixy, r.Alpha0, r.Iu, r.Iv, r.iu, r.iv, r.Wu, r.Wv};
}

} // namespace karo
