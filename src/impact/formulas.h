#pragma once

// Fundamental frequencies and impact coefficients of the five bridge types
// of clause 4.3.2 of JTG D60-2004. Every operation runs in double precision
// in the order written in formulas.cpp; powers and roots come from
// numeric::power.

#include "common/evaluation.h"
#include "common/numeric.h"

#include <array>
#include <optional>
#include <string>

namespace impact {

// Why a press of "计算" shows no result.
enum class Failure {
    Grade,               // the concrete grade is not in ConcreteModulusTable
    ZeroSpan,            // L = 0
    ZeroMass,            // mass per metre m = 0
    NegativeRadicand,    // a negative number under a square root
    ArchDenominatorZero, // the variable-section arch coefficient divides by 0
    SuspensionMassZero,  // m_d + 2·m_c = 0
    OutOfRange,          // an input or a step beyond the range of a double
};

template <class T>
using Result = evaluation::Result<T, Failure>;

struct ModulusRow {
    int grade;      // the number after C
    double modulus; // E, N/m²
};

// The only accepted concrete grades and their elastic moduli.
inline constexpr std::array<ModulusRow, 14> ConcreteModulusTable{{
    {15, 2.20e10}, {20, 2.55e10}, {25, 2.80e10}, {30, 3.00e10}, {35, 3.15e10},
    {40, 3.25e10}, {45, 3.35e10}, {50, 3.45e10}, {55, 3.55e10}, {60, 3.60e10},
    {65, 3.65e10}, {70, 3.70e10}, {75, 3.75e10}, {80, 3.80e10},
}};

// E of a grade; std::nullopt for a grade that is not in the table.
std::optional<double> concreteModulus(int grade);

// Mass per metre (kg/m) of a weight per metre w (kN/m): (w / 9.8) × 1000.
double massPerMetre(double weight);

// The impact coefficient μ of a fundamental frequency f (Hz).
double ImpactCoefficientRule(double frequency);

// f1 of a simply supported beam: π/(2·L²)·(E·Ic/m)^0.5.
Result<double> SimpleBeamFrequency(double E, double Ic, double L, double m);

struct TwoFrequencies {
    double f1;
    double f2;
};

// f1 and f2 of a continuous beam: 13.616 and 23.651 over 2·π·L², times
// (E·Ic/m)^0.5.
Result<TwoFrequencies> ContinuousBeamFrequencies(double E, double Ic, double L, double m);

enum class ArchSection { Constant, Variable };

struct ArchRow {
    double slope;
    double intercept;
};

// The coefficients c1 to c5 of the variable-section arch, ci = slope·n +
// intercept; at n = 1 they are the constant-section numbers.
inline constexpr std::array<ArchRow, 5> ArchCoefficientTable{{
    {3.7, 1.7}, {34.3, 15.7}, {16.3, 0.15}, {364, -30}, {1955, -88},
}};

// The arch's frequency coefficient k of the rise-to-span ratio r; n, the arch
// thickness variation coefficient, counts for the variable section only.
Result<double> ArchFrequencyCoefficient(double r, ArchSection section, double n);

// f1 of an arch: k/(2·π·L²)·(E·Ic/m)^0.5.
Result<double> ArchFrequency(double k, double E, double Ic, double L, double m);

// f1 = 110/L and f2 = 150/L of a twin-tower cable-stayed bridge.
Result<TwoFrequencies> CableStayedFrequencies(double L);

// f1 of a single-span simply supported suspension bridge:
// (1/L)·((EI·(2π/L)² + 2H) / (m_d + 2·m_c))^0.5.
Result<double> SuspensionFrequency(double L, double EI, double H, double md, double mc);

enum class BridgeType { SimpleBeam, ContinuousBeam, Arch, CableStayed, Suspension };

// What the main window holds when "计算" is pressed. An empty optional is a
// disabled box: it is neither read nor checked.
struct Inputs {
    BridgeType type = BridgeType::SimpleBeam;
    std::optional<std::string> grade;        // concrete grade, the number after C
    std::optional<std::string> secondMoment; // Ic, m⁴
    std::optional<std::string> span;         // L, m
    std::optional<std::string> weight;       // w, kN/m
    std::string riseRatio;                   // r of the arch
    ArchSection section = ArchSection::Constant;
    std::string thickness;                   // n of the variable-section arch
    std::array<std::string, 4> suspension;   // EI (N·m²), H (N), m_d, m_c (kg/m)
};

// The values to show, as they are shown: the continuous beam's are already
// cut to four decimals. f2 and μ2 only for the two-row bridge types.
struct Results {
    double f1;
    double mu1;
    std::optional<double> f2;
    std::optional<double> mu2;
};

// One press of "计算": reads the inputs, checks the grade, and computes the
// frequencies and impact coefficients of the chosen bridge type.
Result<Results> compute(const Inputs &inputs);

} // namespace impact
