#pragma once

// How the program turns the text of a box into a number and a number back
// into text, and the rounding rules that the formulas share. Every window
// reads and writes its boxes through these functions only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numeric {

// The value of pi in every formula of the program.
inline constexpr double Pi = 3.1415926;

// The value of a box: the longest leading decimal number of its text.
// Blanks, tabs and line breaks are dropped wherever they stand; then an
// optional sign, digits with at most one '.', and an optional exponent
// (E, e, D or d, an optional sign, digits) are taken as far as they go.
// '.' is the decimal point whatever the locale. A text without digits
// reads as 0 ("", " ", "C30", "-", "."), so do values too small for a
// double. std::nullopt: the number is beyond the range of a double.
std::optional<double> numericInput(std::string_view text);

// A double rounded to the nearest whole number, an exact half going to the
// even neighbour (14.5 -> 14, 15.5 -> 16). std::nullopt: the rounded value
// lies outside the signed 16-bit range.
std::optional<std::int16_t> wholeNumber(double value);

// The numeric input of a text rounded by wholeNumber(). std::nullopt: the
// text's number is beyond a double, or its rounded value beyond 16 bits.
std::optional<std::int16_t> wholeNumberInput(std::string_view text);

// The largest whole number not above x.
double integerPart(double x);

// base raised to exponent, as every formula takes its powers. A square is
// the product base·base, rounded once: the exact square rounded to the
// nearest double. The C library's pow can miss that by a unit in the last
// place when the square lies almost halfway between two doubles, and an
// optimising compiler replaces pow(x, 2) by x·x where an unoptimised build
// calls it, so squares never go to pow. Every other power, roots included,
// comes from std::pow.
double power(double base, double exponent);

// x cut to four decimals: Int(x * 10000) / 10000, the product formed as a
// double first, so 0.57 becomes 0.5699 and -0.00005 becomes -0.0001.
double truncateFourDecimals(double x);

// The text a box shows for x: at most 15 significant digits, no trailing
// zeros, plain decimals for decimal exponents from -4 to 14 and a mantissa
// with a signed exponent of at least two digits otherwise ("1E-05",
// "1.23456789012346E+15"). Always '.' as decimal point; -0 is "0".
std::string numericOutput(double x);

} // namespace numeric
