#include "impact/formulas.h"

#include "common/numeric.h"

#include <cmath>

namespace impact {
namespace {

using Evaluation = evaluation::Evaluation<Failure>;

// A span whose square vanishes: zero itself, or too small for a double.
Failure spanFailure(double L) { return L == 0 ? Failure::ZeroSpan : Failure::OutOfRange; }

// c/(2·π·L²)·(E·Ic/m)^0.5, the shape shared by the continuous beam and the
// arch.
double beamFrequency(Evaluation &ev, double c, double E, double Ic, double L, double m)
{
    const double twoPi = ev.step(2 * numeric::Pi);
    const double squareSpan = ev.power(L, 2);
    const double divisor = ev.step(twoPi * squareSpan);
    const double factor = ev.divide(c, divisor, spanFailure(L));
    const double stiffness = ev.step(E * Ic);
    const double quotient = ev.divide(stiffness, m, Failure::ZeroMass);
    const double root = ev.root(quotient);
    return ev.step(factor * root);
}

// 105·(c1 + c2·r²) / ((c3 + c4·r²) + c5·r⁴).
double archCoefficient(Evaluation &ev, double r, const std::array<double, 5> &c)
{
    const double numerator = ev.step(105 * ev.step(c[0] + ev.step(c[1] * ev.power(r, 2))));
    const double middle = ev.step(c[2] + ev.step(c[3] * ev.power(r, 2)));
    const double denominator = ev.step(middle + ev.step(c[4] * ev.power(r, 4)));
    return ev.divide(numerator, denominator, Failure::ArchDenominatorZero);
}

// The Numeric input of a box, or OutOfRange for a number beyond a double.
double read(Evaluation &ev, const std::string &text)
{
    const auto value = numeric::numericInput(text);
    if (!value)
        ev.fail(Failure::OutOfRange);
    return value.value_or(0);
}

double truncated(Evaluation &ev, double x) { return ev.step(numeric::truncateFourDecimals(x)); }

} // namespace

std::optional<double> concreteModulus(int grade)
{
    for (const ModulusRow &row : ConcreteModulusTable)
        if (row.grade == grade)
            return row.modulus;
    return std::nullopt;
}

double massPerMetre(double weight) { return (weight / 9.8) * 1000; }

double ImpactCoefficientRule(double frequency)
{
    if (frequency < 1.5)
        return 0.05;
    if (frequency <= 14)
        return 0.1767 * std::log(frequency) - 0.0157;
    return 0.45;
}

Result<double> SimpleBeamFrequency(double E, double Ic, double L, double m)
{
    Evaluation ev;
    const double squareSpan = ev.power(L, 2);
    const double divisor = ev.step(2 * squareSpan);
    const double factor = ev.divide(numeric::Pi, divisor, spanFailure(L));
    const double stiffness = ev.step(E * Ic);
    const double quotient = ev.divide(stiffness, m, Failure::ZeroMass);
    const double root = ev.root(quotient);
    return ev.result(ev.step(factor * root));
}

Result<TwoFrequencies> ContinuousBeamFrequencies(double E, double Ic, double L, double m)
{
    Evaluation ev;
    const double f1 = beamFrequency(ev, 13.616, E, Ic, L, m);
    const double f2 = beamFrequency(ev, 23.651, E, Ic, L, m);
    return ev.result(TwoFrequencies{f1, f2});
}

Result<double> ArchFrequencyCoefficient(double r, ArchSection section, double n)
{
    Evaluation ev;
    std::array<double, 5> c{5.4, 50, 16.45, 334, 1867};
    if (section == ArchSection::Variable) {
        for (std::size_t i = 0; i < c.size(); ++i) {
            const ArchRow &row = ArchCoefficientTable[i];
            c[i] = ev.step(ev.step(row.slope * n) + row.intercept);
        }
    }
    return ev.result(archCoefficient(ev, r, c));
}

Result<double> ArchFrequency(double k, double E, double Ic, double L, double m)
{
    Evaluation ev;
    return ev.result(beamFrequency(ev, k, E, Ic, L, m));
}

Result<TwoFrequencies> CableStayedFrequencies(double L)
{
    Evaluation ev;
    const double f1 = ev.divide(110, L, Failure::ZeroSpan);
    const double f2 = ev.divide(150, L, Failure::ZeroSpan);
    return ev.result(TwoFrequencies{f1, f2});
}

Result<double> SuspensionFrequency(double L, double EI, double H, double md, double mc)
{
    Evaluation ev;
    const double a = ev.divide(1, L, Failure::ZeroSpan);
    const double b = ev.step(2 * numeric::Pi);
    const double c = ev.divide(b, L, Failure::ZeroSpan);
    const double d = ev.power(c, 2);
    const double e = ev.step(EI * d);
    const double g = ev.step(2 * H);
    const double h = ev.step(e + g);
    const double i = ev.step(2 * mc);
    const double j = ev.step(md + i);
    const double k = ev.divide(h, j, Failure::SuspensionMassZero);
    const double r = ev.root(k);
    return ev.result(ev.step(a * r));
}

Result<Results> compute(const Inputs &inputs)
{
    Evaluation ev;

    double E = 0;
    if (inputs.grade) {
        const auto grade = numeric::wholeNumberInput(*inputs.grade);
        const auto modulus = grade ? concreteModulus(*grade) : std::nullopt;
        if (!modulus)
            return Failure::Grade;
        E = *modulus;
    }
    const double Ic = inputs.secondMoment ? read(ev, *inputs.secondMoment) : 0;
    const double L = inputs.span ? read(ev, *inputs.span) : 0;
    const double m = inputs.weight ? ev.step(massPerMetre(read(ev, *inputs.weight))) : 0;
    if (ev.failed())
        return ev.result(Results{});

    // Keeps the first failure of the formulas, or the values to show.
    auto show = [](const auto &result, auto &&values) -> Result<Results> {
        if (const Failure *failure = std::get_if<Failure>(&result))
            return *failure;
        return values(std::get<0>(result));
    };

    switch (inputs.type) {
    case BridgeType::SimpleBeam:
        return show(SimpleBeamFrequency(E, Ic, L, m), [](double f1) {
            return Results{f1, ImpactCoefficientRule(f1), {}, {}};
        });
    case BridgeType::ContinuousBeam:
        return show(ContinuousBeamFrequencies(E, Ic, L, m), [&](TwoFrequencies f) {
            // The coefficients belong to the frequencies before the cut.
            const double mu1 = ImpactCoefficientRule(f.f1);
            const double mu2 = ImpactCoefficientRule(f.f2);
            const Results shown{truncated(ev, f.f1), truncated(ev, mu1), truncated(ev, f.f2),
                                truncated(ev, mu2)};
            return ev.result(shown);
        });
    case BridgeType::Arch: {
        const double r = read(ev, inputs.riseRatio);
        const double n = inputs.section == ArchSection::Variable ? read(ev, inputs.thickness) : 0;
        if (ev.failed())
            return ev.result(Results{});
        const Result<double> k = ArchFrequencyCoefficient(r, inputs.section, n);
        if (const Failure *failure = std::get_if<Failure>(&k))
            return *failure;
        return show(ArchFrequency(std::get<double>(k), E, Ic, L, m), [](double f1) {
            return Results{f1, ImpactCoefficientRule(f1), {}, {}};
        });
    }
    case BridgeType::CableStayed:
        return show(CableStayedFrequencies(L), [](TwoFrequencies f) {
            return Results{f.f1, ImpactCoefficientRule(f.f1), f.f2, ImpactCoefficientRule(f.f2)};
        });
    case BridgeType::Suspension: {
        std::array<double, 4> values{};
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = read(ev, inputs.suspension[i]);
        if (ev.failed())
            return ev.result(Results{});
        return show(SuspensionFrequency(L, values[0], values[1], values[2], values[3]),
                    [](double f1) { return Results{f1, ImpactCoefficientRule(f1), {}, {}}; });
    }
    }
    return Failure::OutOfRange;
}

} // namespace impact
