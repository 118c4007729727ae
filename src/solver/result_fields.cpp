#include "solver/result_fields.h"

namespace karo {

std::array<double, ResultFieldCount> ResultValues(const TSectionResult& r) {
    std::array<double, ResultFieldCount> values{};
    for (const ResultFieldInfo& q : ResultFields)
        values[static_cast<std::size_t>(q.key)] = q.value(r);
    return values;
}

} // namespace karo
