#pragma once

// Step-by-step evaluation of a formula that stops being defined at some
// inputs. Each step is written in the order the formula is evaluated; the
// first step that is undefined (a zero divisor, a negative number under a
// root, a value beyond the range of a double) fixes the failure, and later
// steps no longer change it. The windows then show no result at all.

#include "common/numeric.h"

#include <cmath>
#include <optional>
#include <variant>

namespace evaluation {

// A value, or why there is none.
template <class T, class Failure>
using Result = std::variant<T, Failure>;

// Failure is an enum with at least OutOfRange; root() also needs
// NegativeRadicand.
template <class Failure>
class Evaluation
{
public:
    // Any value that is not a finite double fails with OutOfRange.
    double step(double value)
    {
        if (!std::isfinite(value))
            fail(Failure::OutOfRange);
        return value;
    }

    double power(double base, double exponent) { return step(numeric::power(base, exponent)); }

    // dividend / divisor; a zero divisor fails with whenZero.
    double divide(double dividend, double divisor, Failure whenZero)
    {
        if (divisor == 0)
            fail(whenZero);
        return step(dividend / divisor);
    }

    // The square root, as the power 0.5.
    double root(double radicand)
    {
        if (radicand < 0)
            fail(Failure::NegativeRadicand);
        return power(radicand, 0.5);
    }

    void fail(Failure failure)
    {
        if (!failure_)
            failure_ = failure;
    }

    bool failed() const { return failure_.has_value(); }

    template <class T>
    Result<T, Failure> result(T value) const
    {
        if (failure_)
            return *failure_;
        return value;
    }

private:
    std::optional<Failure> failure_;
};

} // namespace evaluation
