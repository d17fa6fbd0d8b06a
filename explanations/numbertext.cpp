#include "explanations/numbertext.h"

#include "geometry/numberformat.h"

#include <cmath>

namespace {

using boost::multiprecision::cpp_int;

constexpr int kDecimalDigits = 15;

// The exponent of 10 that makes a terminating fraction whole, or -1 when the
// denominator has a prime factor other than 2 and 5.
int decimalPlaces(cpp_int denominator)
{
    const int twos = int(lsb(denominator));
    denominator >>= twos;
    int fives = 0;
    while (denominator % 5 == 0) {
        denominator /= 5;
        ++fives;
    }
    return denominator == 1 ? std::max(twos, fives) : -1;
}

bool isShortDecimal(const ExactNumber &value)
{
    // Beyond the double range no field's format writes it: it is ∞ at most.
    if (!std::isfinite(toDouble(value)))
        return false;
    const cpp_int denominator = boost::multiprecision::denominator(value);
    // 10^400, the smallest typed value, has 1329 bits; far longer ones come
    // from thousands of typed digits, which no 15 digits can hold.
    if (msb(denominator) > 4000)
        return false;
    const int places = decimalPlaces(denominator);
    if (places < 0)
        return false;
    cpp_int digits = abs(boost::multiprecision::numerator(value));
    digits *= boost::multiprecision::pow(cpp_int(10), unsigned(places));
    digits /= denominator;
    if (digits == 0 || msb(digits) < 49) // below 2^49 < 10^15
        return true;
    while (digits % 10 == 0)
        digits /= 10;
    static const cpp_int limit = boost::multiprecision::pow(cpp_int(10), unsigned(kDecimalDigits));
    return digits < limit;
}

} // namespace

QString withMinusSign(QString text)
{
    return text.replace(u'-', u'\u2212');
}

QString computedNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("неопределено");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("−∞");
    return withMinusSign(numberText(value));
}

std::optional<WorkingNumber> fractionNumber(const ExactNumber &value)
{
    const cpp_int numerator = abs(boost::multiprecision::numerator(value));
    const cpp_int denominator = boost::multiprecision::denominator(value);
    // 2^40 > 10^12: a part that long has too many digits, and writing its
    // digits out first would be the slow part.
    if ((numerator != 0 && msb(numerator) >= 40) || msb(denominator) >= 40)
        return std::nullopt;
    const auto top = numerator.convert_to<qint64>();
    const auto bottom = denominator.convert_to<qint64>();
    if (QString::number(top).size() > kFractionDigits
        || QString::number(bottom).size() > kFractionDigits)
        return std::nullopt;
    WorkingNumber fraction;
    fraction.form = WorkingNumber::Form::Fraction;
    fraction.value = toDouble(value);
    fraction.numerator = value < 0 ? -top : top;
    fraction.denominator = bottom;
    return fraction;
}

std::optional<WorkingNumber> exactNumber(const ExactNumber &value)
{
    if (isShortDecimal(value))
        return working::shortest(toDouble(value));
    return fractionNumber(value);
}

WorkingNumber shownNumber(double value, const ExactNumber *exact)
{
    if (!exact)
        return working::shortest(value);
    if (const auto number = exactNumber(*exact))
        return *number;
    WorkingNumber approximate = working::shortest(value); // a wall of digits
    approximate.approximate = true;
    return approximate;
}

WorkingNumber shownNumber(const ExactNumber &exact)
{
    return shownNumber(toDouble(exact), &exact);
}
