#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace solar {

// A step of a computation that has no result: overflow, division by zero, the root of a
// negative number, an integer out of its range, or a non-finite value. No function of
// this library returns a NaN or an infinity; it throws this instead.
class CalculError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// x itself, or CalculError when x is a NaN or an infinity; `quoi` names the step.
inline double Fini(double x, const char* quoi) {
    if (!std::isfinite(x))
        throw CalculError(std::string(quoi) + ": non-finite value");
    return x;
}

} // namespace solar
