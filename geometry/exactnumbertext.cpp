#include "geometry/exactnumbertext.h"

#include "geometry/exactline.h"
#include "geometry/numberformat.h"

#include <span>
#include <string>
#include <utility>

namespace {

using boost::multiprecision::cpp_int;

constexpr int kDecimalDigits = 15;

QString withMinusSign(QString text)
{
    return text.replace(u'-', u'\u2212');
}

QString digitsOf(const cpp_int &value)
{
    return QString::fromStdString(value.str());
}

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
    const cpp_int denominator = boost::multiprecision::denominator(value);
    // 10^400, the smallest typed value, has 1329 bits; far longer ones come
    // from thousands of typed digits, which no 15 digits can hold.
    if (msb(denominator) > 4000)
        return false;
    const int places = decimalPlaces(denominator);
    if (places < 0)
        return false;
    cpp_int digits = abs(boost::multiprecision::numerator(value))
        * boost::multiprecision::pow(cpp_int(10), unsigned(places)) / denominator;
    if (digits == 0 || msb(digits) < 49) // below 2^49 < 10^15
        return true;
    while (digits % 10 == 0)
        digits /= 10;
    return digits.str().size() <= std::size_t(kDecimalDigits);
}

// A term's coefficient without its sign, or nothing when it is too long.
std::optional<QString> magnitudeText(const ExactNumber &value)
{
    return exactText(abs(value));
}

// Terms joined as a student writes them; nothing when all are zero or one
// cannot be written.
std::optional<QString> sumText(std::span<const std::pair<ExactNumber, const char *>> terms)
{
    QString out;
    for (const auto &[value, letter] : terms) {
        if (value == 0)
            continue;
        const auto magnitude = magnitudeText(value);
        if (!magnitude)
            return std::nullopt;
        QString term = *magnitude;
        if (*letter) {
            if (term == u"1")
                term.clear();
            else if (term.contains(u'/'))
                term = u'(' + term + u')';
            term += QLatin1String(letter);
        }
        if (out.isEmpty())
            out = value < 0 ? u'\u2212' + term : term;
        else
            out += (value < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) + term;
    }
    return out.isEmpty() ? std::nullopt : std::optional(out);
}

} // namespace

std::optional<QString> fractionText(const ExactNumber &value)
{
    const cpp_int numerator = abs(boost::multiprecision::numerator(value));
    const cpp_int denominator = boost::multiprecision::denominator(value);
    // 2^40 > 10^12: a part that long has too many digits, and writing its
    // digits out first would be the slow part.
    if ((numerator != 0 && msb(numerator) >= 40) || msb(denominator) >= 40)
        return std::nullopt;
    const QString top = digitsOf(numerator);
    const QString bottom = digitsOf(denominator);
    if (top.size() > kFractionDigits || bottom.size() > kFractionDigits)
        return std::nullopt;
    const QString sign = value < 0 ? QStringLiteral("−") : QString();
    return denominator == 1 ? sign + top : sign + top + u'/' + bottom;
}

std::optional<QString> exactText(const ExactNumber &value)
{
    if (isShortDecimal(value))
        return withMinusSign(numberText(toDouble(value)));
    return fractionText(value);
}

std::optional<QString> generalEquationText(
    const ExactNumber &A, const ExactNumber &B, const ExactNumber &C)
{
    const std::pair<ExactNumber, const char *> terms[] = { { A, "x" }, { B, "y" }, { C, "" } };
    const auto sum = sumText(terms);
    return sum ? std::optional(*sum + QStringLiteral(" = 0")) : std::nullopt;
}

std::optional<QString> slopeInterceptText(const ExactNumber &k, const ExactNumber &b)
{
    if (k == 0 && b == 0)
        return QStringLiteral("y = 0");
    const std::pair<ExactNumber, const char *> terms[] = { { k, "x" }, { b, "" } };
    const auto sum = sumText(terms);
    return sum ? std::optional(QStringLiteral("y = ") + *sum) : std::nullopt;
}
