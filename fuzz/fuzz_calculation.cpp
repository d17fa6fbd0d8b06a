// Fuzzes the calculation without the window against an oracle of its own:
// the bytes make eight numbers with known exact values (digits, a decimal
// point, an exponent, or an "&H" integer), typed the ways a student types
// them (blanks inside, a "+", letters or a comma after, a lone "e"). The
// oracle reads nothing with the program's reader: each number's double is
// strtod of its plain spelling, its value the rational it was made from.
// It then works the task text's determinants in exact rationals and checks:
// - each input reads as that double and that exact value;
// - A, B, C and k are the double formulas of those doubles;
// - how the lines lie: one point where the main determinant is not 0,
//   one line where line 2's first point lies on line 1, else parallel, and
//   no line where a line was given by two equal points;
// - the crossing is Dx / D and Dy / D, and the point shown is each rounded
//   to the nearest double, or nothing where that is beyond the range.
#include "geometry/calculation.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

using Rational = boost::multiprecision::cpp_rational;
using boost::multiprecision::cpp_int;

// Takes bytes from the front of the input, zeros once it is used up.
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    unsigned next() { return m_pos < m_size ? m_data[m_pos++] : 0u; }
    uint32_t next32() { return next() | next() << 8 | next() << 16 | uint32_t(next()) << 24; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

double strtodC(const std::string &text)
{
#ifdef _WIN32
    static const _locale_t c = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text.c_str(), nullptr, c);
#else
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, c);
#endif
}

struct Made
{
    QString text;
    double number = 0.0;
    Rational exact;
};

// One number and how it is typed.
Made makeNumber(Bytes &bytes)
{
    const unsigned shape = bytes.next();
    const bool negative = shape & 4;
    const uint32_t raw = bytes.next32();
    Made made;
    std::string plain;
    if ((shape & 3) == 3) { // "&H1F2": a whole number, never negative
        const unsigned value = raw & 0xFFFF;
        char digits[8];
        std::snprintf(digits, sizeof digits, (shape & 8) ? "%X" : "%x", value);
        made.text = QStringLiteral("&H") + QString::fromLatin1(digits);
        made.number = value;
        made.exact = value;
        return made;
    }
    const unsigned digitCount = 1 + bytes.next() % 9;
    uint32_t limit = 1;
    for (unsigned i = 0; i < digitCount; ++i)
        limit *= 10;
    std::string digits = std::to_string(raw % limit);
    const unsigned fraction = (shape & 3) == 0 ? 0 : bytes.next() % (digits.size() + 1);
    const int exponent = (shape & 3) == 2 ? int(bytes.next() % 81) - 40 : 0;
    std::string mantissa = digits;
    if (fraction > 0)
        mantissa.insert(mantissa.size() - fraction, ".");
    plain = (negative ? "-" : "") + mantissa + (exponent ? "e" + std::to_string(exponent) : "");
    made.number = strtodC(plain);
    made.exact = Rational(cpp_int(digits));
    const int scale = exponent - int(fraction);
    const cpp_int power = boost::multiprecision::pow(cpp_int(10), unsigned(std::abs(scale)));
    if (scale >= 0)
        made.exact *= power;
    else
        made.exact /= power;
    if (negative)
        made.exact = -made.exact;

    QString typed = QString::fromLatin1(plain.c_str());
    switch ((shape >> 4) & 7) {
    case 1: // blanks inside, which the rule drops
        typed.insert(1, u' ');
        typed.insert(0, u'\t');
        break;
    case 2:
        typed += QStringLiteral("abc");
        break;
    case 3:
        typed += QStringLiteral(",5");
        break;
    case 4:
        if (!negative)
            typed.prepend(u'+');
        break;
    case 5:
        typed += exponent ? QStringLiteral("x") : QStringLiteral("e");
        break;
    }
    made.text = typed;
    return made;
}

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "calculation: %s (%s)\n", what, qPrintable(detail));
    std::abort();
}

// The determinant | a b ; c d |.
Rational det(const Rational &a, const Rational &b, const Rational &c, const Rational &d)
{
    return a * d - b * c;
}

// X is VALUE rounded to the nearest double, or VALUE is beyond the range.
bool isNearestDouble(double x, const Rational &value)
{
    if (!std::isfinite(x))
        return false;
    const double away = std::nextafter(x, value > Rational(x) ? HUGE_VAL : -HUGE_VAL);
    if (!std::isfinite(away))
        return abs(value - Rational(x)) <= abs(Rational(std::nextafter(x, 0.0)) - Rational(x)) / 2;
    return abs(value - Rational(x)) <= abs(Rational(away) - Rational(x)) / 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes bytes(data, size);
    PerInput<Made> made;
    PerInput<QString> texts;
    for (const InputName name : kEveryInput) {
        made[name] = makeNumber(bytes);
        texts[name] = made[name].text;
    }
    const Calculation calculation(texts);

    QString all;
    for (const InputName name : kEveryInput)
        all += made[name].text + u'|';
    for (const InputName name : kEveryInput) {
        const InputReading &read = calculation.input(name);
        if (read.number != made[name].number)
            fail("an input does not read as its double", all);
        if (!read.exact || *read.exact != made[name].exact)
            fail("an input does not read as its exact value", all);
    }

    Rational A[2], B[2], C[2];
    for (int l = 0; l < kLineCount; ++l) {
        const auto x1 = made[{ l, LineInput::X1 }], y1 = made[{ l, LineInput::Y1 }];
        const auto x2 = made[{ l, LineInput::X2 }], y2 = made[{ l, LineInput::Y2 }];
        A[l] = det(y1.exact, 1, y2.exact, 1);
        B[l] = -det(x1.exact, 1, x2.exact, 1);
        C[l] = det(x1.exact, y1.exact, x2.exact, y2.exact);
        const double b = x2.number - x1.number;
        const double expected[] = { y1.number - y2.number, b,
            x1.number * y2.number - x2.number * y1.number,
            b != 0.0 ? (y2.number - y1.number) / b : 999.9999 };
        for (int r = 0; r < kLineResultCount; ++r) {
            const double got = calculation.result({ l, LineResult(r) });
            if (got != expected[r] && !(std::isnan(got) && std::isnan(expected[r])))
                fail("a coefficient or slope differs from its formula", all);
        }
    }

    const Rational D = det(A[0], B[0], A[1], B[1]);
    RelativePosition expected = RelativePosition::Parallel;
    if ((A[0] == 0 && B[0] == 0) || (A[1] == 0 && B[1] == 0))
        expected = RelativePosition::NoLine;
    else if (D != 0)
        expected = RelativePosition::Crossing;
    else if (A[0] * made[{ 1, LineInput::X1 }].exact + B[0] * made[{ 1, LineInput::Y1 }].exact
            + C[0]
        == 0)
        expected = RelativePosition::Coinciding;
    if (calculation.position() != expected)
        fail("the lines lie otherwise", all);
    const auto point = calculation.point();
    if (expected != RelativePosition::Crossing) {
        if (point)
            fail("a point shown for lines that do not cross", all);
        return 0;
    }
    const Rational xt = det(-C[0], B[0], -C[1], B[1]) / D;
    const Rational yt = det(A[0], -C[0], A[1], -C[1]) / D;
    const ExactCalculation *exact = calculation.exact();
    if (!exact || exact->crossing[0] != xt || exact->crossing[1] != yt)
        fail("the exact crossing is not Dx / D, Dy / D", all);
    const bool inRange = isNearestDouble(calculation.crossing(CrossingCoordinate::X), xt)
        && isNearestDouble(calculation.crossing(CrossingCoordinate::Y), yt);
    const double largest = std::numeric_limits<double>::max();
    const bool beyond = abs(xt) > Rational(largest) || abs(yt) > Rational(largest);
    if (point.has_value() != inRange || (!point && !beyond))
        fail("the point shown is not the crossing rounded to doubles", all);
    return 0;
}
