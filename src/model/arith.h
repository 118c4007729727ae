#pragma once
// Checked arithmetic: a square root of a negative number, a division by zero or an
// overflow stops the computation with one exception type, whose message the window shows
// (with a full stop appended) in its error box.

#include <cmath>
#include <stdexcept>
#include <string>

namespace karo {

class ArithmeticError : public std::runtime_error {
  public:
    enum class Fault { InvalidOperation, DivisionByZero, Overflow };
    explicit ArithmeticError(Fault f) : std::runtime_error(messageOf(f)), fault_(f) {}
    Fault fault() const { return fault_; }

    static const char* messageOf(Fault f) {
        switch (f) {
        case Fault::InvalidOperation:
            return "Invalid floating point operation";
        case Fault::DivisionByZero:
            return "Floating point division by zero";
        case Fault::Overflow:
            break;
        }
        return "Floating point overflow";
    }

  private:
    Fault fault_;
};

// Throws the fault that a non-finite value stands for: NaN an invalid operation, infinity
// an overflow. Kept out of line so that the checks stay cheap where nothing is wrong.
[[noreturn, gnu::cold, gnu::noinline]] inline void ThrowNonFinite(double x) {
    throw ArithmeticError(std::isnan(x) ? ArithmeticError::Fault::InvalidOperation
                                        : ArithmeticError::Fault::Overflow);
}

// A finished intermediate value: infinity is an overflow, NaN an invalid operation.
inline double Checked(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        ThrowNonFinite(x);
    return x;
}

inline double CheckedSqrt(double x) {
    if (!(x >= 0))
        throw ArithmeticError(ArithmeticError::Fault::InvalidOperation);
    return Checked(std::sqrt(x));
}

inline double CheckedDiv(double a, double b) {
    if (b == 0) {
        // 0/0 has no value at all; anything else over zero is a division by zero.
        throw ArithmeticError(a == 0 || std::isnan(a) ? ArithmeticError::Fault::InvalidOperation
                                                      : ArithmeticError::Fault::DivisionByZero);
    }
    return Checked(a / b);
}

} // namespace karo
