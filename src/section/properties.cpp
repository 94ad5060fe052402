#include "section/properties.h"

#include "common/numeric.h"

#include <cmath>
#include <limits>

namespace section {
namespace {

using Evaluation = evaluation::Evaluation<Failure>;

// The Numeric input of a box, or OutOfRange for a number beyond a double.
double read(Evaluation &ev, const std::string &text)
{
    const auto value = numeric::numericInput(text);
    if (!value)
        ev.fail(Failure::OutOfRange);
    return value.value_or(0);
}

// The number of voids: a number beyond a double is out of range like any
// other box; a finite one that rounds beyond 16 bits is no void count.
std::int16_t readCount(Evaluation &ev, const std::string &text)
{
    const auto value = numeric::numericInput(text);
    if (!value) {
        ev.fail(Failure::OutOfRange);
        return 0;
    }
    const auto count = numeric::wholeNumber(*value);
    if (!count)
        ev.fail(Failure::VoidCount);
    return count.value_or(0);
}

double truncated(Evaluation &ev, double x) { return ev.step(numeric::truncateFourDecimals(x)); }

} // namespace

Result<SectionProperties> GirderSectionProperties(double BS, double HS, double BX, double HX,
                                                  double B1, double B2, double HF)
{
    Evaluation ev;
    const double Bw = ev.step(B1 + B2);
    const double A1 = ev.step(BS * HS);
    const double A2 = ev.step(Bw * HF);
    const double A3 = ev.step(BX * HX);
    const double A = ev.step(ev.step(A1 + A2) + A3);

    // First moment about the bottom face.
    const double topArm = ev.step(ev.step(ev.step(HS / 2) + HF) + HX);
    const double webArm = ev.step(ev.step(HF / 2) + HX);
    const double topAndWebs = ev.step(ev.step(A1 * topArm) + ev.step(A2 * webArm));
    const double S = ev.step(topAndWebs + ev.step(ev.step(A3 * HX) / 2));
    const double yc = ev.divide(S, A, Failure::ZeroArea);

    // Each rectangle about its own centre, then shifted to the centroid. The
    // top flange's centre height adds HX + HF first, unlike its arm in S.
    const double t1 = ev.step(ev.step(BS * ev.power(HS, 3)) / 12);
    const double topShift = ev.step(ev.step(ev.step(HX + HF) + ev.step(HS / 2)) - yc);
    const double t2 = ev.step(A1 * ev.power(topShift, 2));
    const double t3 = ev.step(ev.step(Bw * ev.power(HF, 3)) / 12);
    const double webShift = ev.step(ev.step(HX + ev.step(HF / 2)) - yc);
    const double t4 = ev.step(A2 * ev.power(webShift, 2));
    const double t5 = ev.step(ev.step(BX * ev.power(HX, 3)) / 12);
    const double bottomShift = ev.step(ev.step(HX / 2) - yc);
    const double t6 = ev.step(A3 * ev.power(bottomShift, 2));
    double I = ev.step(t1 + t2);
    I = ev.step(I + t3);
    I = ev.step(I + t4);
    I = ev.step(I + t5);
    I = ev.step(I + t6);

    return ev.result(SectionProperties{A, I});
}

Result<SectionProperties> HollowSlabSectionProperties(double B, double H, double D, double H1,
                                                      std::int16_t N)
{
    Evaluation ev;
    const double gross = ev.step(B * H);
    const double voids = ev.step(double(N) * D); // N·D
    const double voidHeight = ev.step(H1 + ev.step(ev.step(numeric::Pi * D) / 4));
    const double A = ev.step(gross - ev.step(voids * voidHeight));

    const double I0 = ev.step(ev.step(ev.step(B * ev.power(H, 3)) - ev.step(voids * ev.power(H1, 3))) / 12);

    // The half-discs are counted in 16 bits.
    const int halfDiscs = 2 * int(N);
    if (halfDiscs < std::numeric_limits<std::int16_t>::min()
        || halfDiscs > std::numeric_limits<std::int16_t>::max())
        ev.fail(Failure::VoidCount);

    // One half-disc about mid-depth: about its own centroid, plus its area
    // times the square of its centroid's distance from mid-depth.
    const double own = ev.step(0.00686 * ev.power(D, 4));
    const double area = ev.step(ev.step(numeric::Pi * ev.power(D, 2)) / 8);
    const double arm = ev.step(ev.step(H1 / 2) + ev.step(0.2122 * D));
    const double Q = ev.step(own + ev.step(area * ev.power(arm, 2)));
    const double I = ev.step(I0 - ev.step(double(halfDiscs) * Q));

    return ev.result(SectionProperties{A, I});
}

Result<Results> compute(const Inputs &inputs)
{
    Evaluation ev;
    Result<SectionProperties> properties = Failure::OutOfRange;
    if (inputs.type == SectionType::Girder) {
        std::array<double, 7> v{};
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = read(ev, inputs.girder[i]);
        if (ev.failed())
            return ev.result(Results{});
        properties = GirderSectionProperties(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
    } else {
        std::array<double, 4> v{};
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = read(ev, inputs.slab[i]);
        const std::int16_t N = readCount(ev, inputs.slab[5]);
        if (ev.failed())
            return ev.result(Results{});
        properties = HollowSlabSectionProperties(v[0], v[1], v[2], v[3], N);
    }
    if (const Failure *failure = std::get_if<Failure>(&properties))
        return *failure;

    const SectionProperties &p = std::get<SectionProperties>(properties);
    const double A = truncated(ev, p.area);
    const double I = truncated(ev, p.secondMoment);
    const double w = ev.step(A * UnitWeight);
    return ev.result(Results{A, I, w});
}

} // namespace section
