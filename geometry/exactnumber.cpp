#include "geometry/exactnumber.h"

#include <cmath>
#include <limits>

namespace {

using boost::multiprecision::cpp_int;

// Below this power of ten no double is left (such numbers are turned away
// before); the limit also keeps a typed exponent like "1e-999999999" from
// building a number of a billion digits.
constexpr long kSmallestPower = -400;

cpp_int radixInteger(const std::string &digits, int radix)
{
    cpp_int value = 0;
    for (const char c : digits)
        value = value * radix + (c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    return value;
}

// The exponent's digits as a number, held at a bound far beyond any that
// leaves a finite, non-zero double.
long exponentValue(const std::string &digits)
{
    long value = 0;
    for (const char c : digits)
        value = std::min(value * 10 + (c - '0'), 1000000L);
    return value;
}

TypedValue decimalValue(const std::string &spelling)
{
    std::size_t pos = 0;
    const bool negative = spelling[0] == '-';
    if (spelling[0] == '-' || spelling[0] == '+')
        ++pos;
    std::string digits;
    long scale = 0; // the value is digits · 10^scale
    bool afterPoint = false;
    for (; pos < spelling.size() && spelling[pos] != 'e'; ++pos) {
        if (spelling[pos] == '.') {
            afterPoint = true;
            continue;
        }
        digits.push_back(spelling[pos]);
        scale -= afterPoint;
    }
    if (pos < spelling.size()) { // "e", a sign, digits
        const bool negativeExponent = spelling[pos + 1] == '-';
        const std::size_t first = pos + 1 + (spelling[pos + 1] == '-' || spelling[pos + 1] == '+');
        const long exponent = exponentValue(spelling.substr(first));
        scale += negativeExponent ? -exponent : exponent;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return {};
    const std::size_t last = digits.find_last_not_of('0');
    scale += long(digits.size() - 1 - last);
    digits.erase(last + 1);
    if (long(digits.size()) + scale < kSmallestPower)
        return {};

    TypedValue value { cpp_int(digits), 0 };
    if (scale > 0)
        value.digits *= powerOfTen(unsigned(scale));
    else
        value.scale = unsigned(-scale);
    if (negative)
        value.digits = -value.digits;
    return value;
}

} // namespace

ExactNumber TypedValue::rational() const
{
    if (scale == 0)
        return ExactNumber(digits);
    return ExactNumber(digits, powerOfTen(scale));
}

cpp_int powerOfTen(unsigned exponent)
{
    return boost::multiprecision::pow(cpp_int(10), exponent);
}

std::optional<TypedValue> exactValueOf(const LeadingNumber &number, double rounded)
{
    if (!std::isfinite(rounded))
        return std::nullopt;
    if (number.smallInteger)
        return TypedValue { static_cast<long long>(*number.smallInteger), 0 };
    if (number.radix != 10)
        return TypedValue { radixInteger(number.spelling, number.radix), 0 };
    // A number that no double tells from 0 is beyond the range, as one too
    // large for a double is: every field shows it as 0, so it decides as 0.
    if (rounded == 0.0 && hasNonZeroDigit(number.spelling))
        return std::nullopt;
    return decimalValue(number.spelling);
}

double toDouble(const ExactNumber &value)
{
    // Compared first: the conversion of a quotient past the double range is
    // not promised to saturate. Rounded to nearest, everything below the
    // halfway point 2^1024 - 2^970 between the largest double and the next
    // power of two is the largest double; from there on it is infinite.
    // Below 2^1022 the conversion alone is enough; comparing rationals
    // is slow.
    const cpp_int &numerator = boost::multiprecision::numerator(value);
    if (numerator == 0
        || long(msb(abs(numerator))) - long(msb(boost::multiprecision::denominator(value))) < 1021)
        return value.convert_to<double>();
    constexpr double largest = std::numeric_limits<double>::max();
    static const ExactNumber halfway = ExactNumber(largest) + ExactNumber(std::ldexp(1.0, 970));
    const ExactNumber size = abs(value);
    if (size >= halfway)
        return value > 0 ? std::numeric_limits<double>::infinity()
                         : -std::numeric_limits<double>::infinity();
    if (size > ExactNumber(largest))
        return value > 0 ? largest : -largest;
    return value.convert_to<double>();
}
