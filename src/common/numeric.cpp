#include "common/numeric.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace numeric {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Far beyond any decimal exponent a double can reach; exponents are clamped
// to it while they are read so that a long run of digits cannot overflow.
constexpr std::int64_t exponentLimit = 1'000'000'000;

} // namespace

std::optional<double> numericInput(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            s += c;

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    // The mantissa's digits without the point, and how many of them stand
    // before it.
    std::string digits;
    std::int64_t integerDigits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits += s[i];
            if (!point)
                ++integerDigits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return 0.0;

    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponentNegative = s[j] == '-';
            ++j;
        }
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent = std::min(exponent * 10 + (s[j] - '0'), exponentLimit);
        if (exponentNegative)
            exponent = -exponent;
    }

    // Write the number as 0.<significant digits> times a power of ten.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    const std::int64_t decimalExponent = integerDigits - std::int64_t(first) + exponent;
    if (decimalExponent > 400)
        return std::nullopt;
    if (decimalExponent < -400)
        return 0.0;

    std::string normal = "0.";
    normal.append(digits, first, last - first + 1);
    normal += 'e';
    normal += std::to_string(decimalExponent);

    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return decimalExponent > 0 ? std::nullopt : std::optional<double>(0.0);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int16_t> wholeNumber(double value)
{
    // The test also turns away NaN.
    if (!(value >= -32768.5 && value <= 32767.5))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // ties to even
    if (rounded < std::numeric_limits<std::int16_t>::min()
        || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> wholeNumberInput(std::string_view text)
{
    const auto value = numericInput(text);
    if (!value)
        return std::nullopt;
    return wholeNumber(*value);
}

double integerPart(double x) { return std::floor(x); }

double power(double base, double exponent)
{
    if (exponent == 2)
        return base * base;
    return std::pow(base, exponent);
}

double truncateFourDecimals(double x)
{
    const double scaled = x * 10000;
    return integerPart(scaled) / 10000;
}

std::string numericOutput(double x)
{
    if (x == 0)
        return "0";
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x > 0 ? "Infinity" : "-Infinity";

    // Round to 15 significant digits once, in scientific form, then lay the
    // digits out.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, std::size_t(result.ptr - buffer));

    std::size_t at = 0;
    const bool negative = scientific[at] == '-';
    if (negative)
        ++at;
    std::string digits;
    for (; at < scientific.size() && scientific[at] != 'e'; ++at)
        if (isDigit(scientific[at]))
            digits += scientific[at];
    int exponent = 0;
    std::from_chars(scientific.data() + at + 1 + (scientific[at + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = negative ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            text += "0.";
            text.append(std::size_t(-exponent - 1), '0');
            text += digits;
        } else {
            const std::size_t integerDigits = std::size_t(exponent) + 1;
            if (digits.size() <= integerDigits) {
                text += digits;
                text.append(integerDigits - digits.size(), '0');
            } else {
                text.append(digits, 0, integerDigits);
                text += '.';
                text.append(digits, integerDigits);
            }
        }
    } else {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    }
    return text;
}

} // namespace numeric
