#pragma once

// Area and second moment of area of the two kinds of section that the
// section window knows: girder sections (rectangle, T, I and box sections,
// modelled as three stacked rectangles) and hollow slabs with round-ended
// voids. Every operation runs in double precision in the order written in
// properties.cpp; squares, cubes and fourth powers come from numeric::power.

#include "common/evaluation.h"

#include <array>
#include <cstdint>
#include <string>

namespace section {

// The unit weight of reinforced concrete, kN/m³.
inline constexpr double UnitWeight = 26;

// Why a press of "计算" shows no result.
enum class Failure {
    ZeroArea,   // the girder section's three rectangles add up to no area
    VoidCount,  // the number of voids is beyond −16384 to 16383
    OutOfRange, // an input or a step beyond the range of a double
};

template <class T>
using Result = evaluation::Result<T, Failure>;

struct SectionProperties {
    double area;         // A, m²
    double secondMoment; // I about the horizontal axis through the centroid, m⁴
};

// A girder section from the bottom up: bottom flange BX × HX, webs
// (B1 + B2) × HF, top flange BS × HS; lengths in m.
Result<SectionProperties> GirderSectionProperties(double BS, double HS, double BX, double HX,
                                                  double B1, double B2, double HF);

// A slab B wide and H deep with N voids, each two half-discs of diameter D
// joined by a straight part D wide and H1 high, centred on mid-depth.
// N outside −16384 to 16383 fails with VoidCount: the count of half-discs,
// 2N, must stay within 16 bits.
Result<SectionProperties> HollowSlabSectionProperties(double B, double H, double D, double H1,
                                                      std::int16_t N);

enum class SectionType { Girder, HollowSlab };

// What the section window holds when "计算" is pressed.
struct Inputs {
    SectionType type = SectionType::Girder;
    std::array<std::string, 7> girder; // BS, HS, BX, HX, B1, B2, HF
    std::array<std::string, 6> slab;   // B, H, D, H1, BF, N
};

// What goes back into the boxes: A and I cut to four decimals, and the
// weight per metre w = A · 26 (kN/m) of the cut A.
struct Results {
    double area;
    double secondMoment;
    double weight;
};

// One press of "计算": reads the chosen type's boxes and computes its
// section. The slab's BF is not read: it takes no part in either result.
Result<Results> compute(const Inputs &inputs);

} // namespace section
