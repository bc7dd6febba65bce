#pragma once

#include <cmath>
#include <utility>
#include <variant>

#include "core/common/failure.h"

namespace geardim {

// Either the result of a computation or the reason it has none: a Failure, or a feature's
// failure that carries one with what it belongs to.
template <typename T, typename E = Failure>
class Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(E failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    const T &value() const { return std::get<T>(state_); }
    T &value() { return std::get<T>(state_); }
    const E &failure() const { return std::get<E>(state_); }

private:
    std::variant<T, E> state_;
};

// A single-precision result as it is shown, or "out of range" when it is not finite.
inline Outcome<float> finiteResult(float value)
{
    if (!std::isfinite(value))
        return Failure::ResultOutOfRange;
    return value;
}

} // namespace geardim
