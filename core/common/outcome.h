#pragma once

#include <cmath>
#include <utility>
#include <variant>

#include "core/common/failure.h"

namespace geardim {

// Either the result of a computation or the reason it has none.
template <typename T>
class Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Failure failure) : state_(failure) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    const T &value() const { return std::get<T>(state_); }
    T &value() { return std::get<T>(state_); }
    Failure failure() const { return std::get<Failure>(state_); }

private:
    std::variant<T, Failure> state_;
};

// A single-precision result as it is shown, or "out of range" when it is not finite.
inline Outcome<float> finiteResult(float value)
{
    if (!std::isfinite(value))
        return Failure::ResultOutOfRange;
    return value;
}

} // namespace geardim
