#include "solver/result_fields.h"

#include <utility>

namespace karo {

namespace {
// Each row's reader named at compile time, so the calls are inlined.
template <std::size_t... I>
std::array<double, ResultFieldCount> valuesOf(const TSectionResult& r, std::index_sequence<I...>) {
    return {kResultQuantities[I].value(r)...};
}
} // namespace

std::array<double, ResultFieldCount> ResultValues(const TSectionResult& r) {
    return valuesOf(r, std::make_index_sequence<ResultFieldCount>());
}

} // namespace karo
