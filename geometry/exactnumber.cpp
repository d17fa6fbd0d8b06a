#include "geometry/exactnumber.h"

#include "geometry/leadingnumber.h"
#include "geometry/numberreading.h"

#include <cmath>

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

ExactNumber decimalValue(const std::string &spelling)
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
        return 0;
    const std::size_t last = digits.find_last_not_of('0');
    scale += long(digits.size() - 1 - last);
    digits.erase(last + 1);
    if (long(digits.size()) + scale < kSmallestPower)
        return 0;

    ExactNumber value = cpp_int(digits);
    const cpp_int power = boost::multiprecision::pow(cpp_int(10), unsigned(std::abs(scale)));
    if (scale > 0)
        value *= power;
    else
        value /= power;
    return negative ? ExactNumber(-value) : value;
}

// Whether the digits before any exponent are other than zeros.
bool hasNonZeroDigit(const std::string &spelling)
{
    const std::string digits = spelling.substr(0, spelling.find('e'));
    return digits.find_first_of("123456789") != std::string::npos;
}

} // namespace

std::optional<ExactNumber> readExactNumber(QStringView text)
{
    // Checked first: past the double range the digits may be many thousands.
    const double rounded = ReadNumber(text);
    if (!std::isfinite(rounded))
        return std::nullopt;
    const LeadingNumber number = scanLeadingNumber(text);
    if (number.radix != 10)
        return ExactNumber(radixInteger(number.spelling, number.radix));
    if (number.spelling.empty())
        return ExactNumber(0);
    // A number that no double tells from 0 is beyond the range, as one too
    // large for a double is: every field shows it as 0, so it decides as 0.
    if (rounded == 0.0 && hasNonZeroDigit(number.spelling))
        return std::nullopt;
    return decimalValue(number.spelling);
}
