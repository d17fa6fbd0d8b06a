// Fuzzes the calculation without the window against an oracle of its own:
// the bytes make eight numbers with known exact values (digits, a decimal
// point, an exponent, or an "&H" integer), typed the ways a student types
// them (blanks inside, a "+", letters or a comma after, a lone "e"). The
// oracle reads nothing with the program's reader: each number's double is
// strtod of its plain spelling, its value the rational it was made from.
// It then works the task text's determinants in whole numbers, every input
// scaled by one power of ten, and checks:
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
#include <utility>

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

// A typed number: its double, and its value as digits / 10^scale.
struct Made
{
    QString text;
    double number = 0.0;
    cpp_int digits;
    unsigned scale = 0;
};

// One number and how it is typed.
Made makeNumber(Bytes &bytes, bool wholeOnly)
{
    unsigned shape = bytes.next();
    if (wholeOnly) // short whole numbers, as every clicked point is
        shape &= ~0x83u;
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
        made.digits = value;
        return made;
    }
    // Mostly a student's numbers; now and then long ones far from 1.
    const bool longer = (shape & 0x80) != 0;
    const unsigned digitCount = 1 + bytes.next() % (longer ? 9 : 5);
    uint32_t limit = 1;
    for (unsigned i = 0; i < digitCount; ++i)
        limit *= 10;
    const std::string digits = std::to_string(raw % limit);
    const unsigned fraction = (shape & 3) == 0 ? 0 : bytes.next() % (digits.size() + 1);
    const int range = longer ? 30 : 4;
    const int exponent = (shape & 3) == 2 ? int(bytes.next() % (2 * range + 1)) - range : 0;
    std::string mantissa = digits;
    if (fraction > 0)
        mantissa.insert(mantissa.size() - fraction, ".");
    plain = (negative ? "-" : "") + mantissa + (exponent ? "e" + std::to_string(exponent) : "");
    made.number = strtodC(plain);
    made.digits = cpp_int(digits);
    const int scale = exponent - int(fraction);
    if (scale >= 0)
        made.digits *= boost::multiprecision::pow(cpp_int(10), unsigned(scale));
    else
        made.scale = unsigned(-scale);
    if (negative)
        made.digits = -made.digits;

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

// P·(1 + v) + Q·u, written out as a plain decimal.
Made sumOf(const Made &p, const Made &q, int u, int v)
{
    const unsigned scale = std::max(p.scale, q.scale);
    const auto aligned = [scale](const Made &m) -> cpp_int {
        return m.digits * boost::multiprecision::pow(cpp_int(10), scale - m.scale);
    };
    Made made;
    made.digits = aligned(p) * (1 + v) + aligned(q) * u;
    made.scale = scale;
    std::string digits = cpp_int(abs(made.digits)).str();
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.insert(0, scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - scale, ".");
    }
    const std::string plain = (made.digits < 0 ? "-" : "") + digits;
    made.number = strtodC(plain);
    made.text = QString::fromLatin1(plain.c_str());
    return made;
}

// VALUE is P / Q, by cross multiplication: no fraction to reduce.
bool equals(const Rational &value, const cpp_int &P, const cpp_int &Q)
{
    return numerator(value) * Q == P * denominator(value);
}

// The determinant | a b ; c d |.
cpp_int det(const cpp_int &a, const cpp_int &b, const cpp_int &c, const cpp_int &d)
{
    return a * d - b * c;
}

// D·2^E as a whole number, for an E that makes it one.
cpp_int timesPowerOfTwo(double d, int E)
{
    int k = 0;
    const double f = std::frexp(d, &k);
    return cpp_int(static_cast<long long>(std::ldexp(f, 53))) << (k - 53 + E);
}

// X is P / Q (Q > 0) rounded to the nearest double: no double lies closer.
bool isNearestDouble(double x, const cpp_int &P, const cpp_int &Q)
{
    if (!std::isfinite(x))
        return false;
    const double neighbours[] = { std::nextafter(x, -HUGE_VAL), std::nextafter(x, HUGE_VAL) };
    int E = 0;
    for (const double d : { x, neighbours[0], neighbours[1] }) {
        int k = 0;
        std::frexp(d, &k);
        if (std::isfinite(d) && d != 0.0)
            E = std::max(E, 53 - k);
    }
    const cpp_int target = P << E;
    const auto distance = [&](double d) -> cpp_int {
        return abs(target - timesPowerOfTwo(d, E) * Q);
    };
    const cpp_int own = distance(x);
    for (const double d : neighbours)
        if (std::isfinite(d) && distance(d) < own)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes bytes(data, size);
    const bool clicks = bytes.next() & 1;
    PerInput<Made> made;
    for (const InputName name : kEveryInput)
        made[name] = makeNumber(bytes, clicks);
    // Now and then line 2 lies on line 1, or is line 1 moved: the lines that
    // random points almost never give.
    const unsigned relation = bytes.next();
    if (relation & 4) // horizontal
        made[{ 0, LineInput::Y2 }] = made[{ 0, LineInput::Y1 }];
    if (relation & 8) // vertical, or two equal points with the line before
        made[{ 0, LineInput::X2 }] = made[{ 0, LineInput::X1 }];
    if ((relation & 3) >= 2) {
        const int a = int(bytes.next() % 7) - 3, b = int(bytes.next() % 7) - 3;
        for (const LineInput input :
            { LineInput::X1, LineInput::Y1, LineInput::X2, LineInput::Y2 }) {
            const bool isX = input == LineInput::X1 || input == LineInput::X2;
            const bool first = input == LineInput::X1 || input == LineInput::Y1;
            const Made &p1 = made[{ 0, isX ? LineInput::X1 : LineInput::Y1 }];
            const Made &p2 = made[{ 0, isX ? LineInput::X2 : LineInput::Y2 }];
            Made shift;
            shift.digits = isX ? a : b;
            made[{ 1, input }] = (relation & 3) == 2
                ? sumOf(p1, p2, first ? a : b, -(first ? a : b)) // p1 + t·(p2 - p1)
                : sumOf(made[{ 0, input }], shift, 1, 0); // line 1 moved by (a; b)
        }
    }
    PerInput<QString> texts;
    for (const InputName name : kEveryInput)
        texts[name] = made[name].text;
    const Calculation calculation(texts);

    QString all;
    for (const InputName name : kEveryInput)
        all += made[name].text + u'|';
    // Every input as N / T, T = 10^S for the largest scale S.
    unsigned S = 0;
    for (const InputName name : kEveryInput)
        S = std::max(S, made[name].scale);
    const cpp_int T = boost::multiprecision::pow(cpp_int(10), S);
    PerInput<cpp_int> N;
    for (const InputName name : kEveryInput) {
        N[name] = made[name].digits * boost::multiprecision::pow(cpp_int(10), S - made[name].scale);
        const InputReading &read = calculation.input(name);
        if (read.number != made[name].number)
            fail("an input does not read as its double", all);
        if (!read.exact
            || read.exact->digits * T
                != N[name] * boost::multiprecision::pow(cpp_int(10), read.exact->scale))
            fail("an input does not read as its exact value", all);
    }

    // A·T, B·T and C·T² of each line.
    cpp_int A[2], B[2], C[2];
    for (int l = 0; l < kLineCount; ++l) {
        const auto x1 = N[{ l, LineInput::X1 }], y1 = N[{ l, LineInput::Y1 }];
        const auto x2 = N[{ l, LineInput::X2 }], y2 = N[{ l, LineInput::Y2 }];
        A[l] = det(y1, 1, y2, 1);
        B[l] = -det(x1, 1, x2, 1);
        C[l] = det(x1, y1, x2, y2);
        const double X1 = made[{ l, LineInput::X1 }].number, Y1 = made[{ l, LineInput::Y1 }].number;
        const double X2 = made[{ l, LineInput::X2 }].number, Y2 = made[{ l, LineInput::Y2 }].number;
        const double b = X2 - X1;
        const double expected[] = { Y1 - Y2, b, X1 * Y2 - X2 * Y1,
            b != 0.0 ? (Y2 - Y1) / b : 999.9999 };
        for (int r = 0; r < kLineResultCount; ++r) {
            const double got = calculation.result({ l, LineResult(r) });
            if (got != expected[r] && !(std::isnan(got) && std::isnan(expected[r])))
                fail("a coefficient or slope differs from its formula", all);
        }
    }

    // D·T², and Dx·T³, Dy·T³: Xt = Dx / D.
    const cpp_int D = det(A[0], B[0], A[1], B[1]);
    RelativePosition expected = RelativePosition::Parallel;
    if ((A[0] == 0 && B[0] == 0) || (A[1] == 0 && B[1] == 0))
        expected = RelativePosition::NoLine;
    else if (D != 0)
        expected = RelativePosition::Crossing;
    else if (A[0] * N[{ 1, LineInput::X1 }] + B[0] * N[{ 1, LineInput::Y1 }] + C[0] == 0)
        expected = RelativePosition::Coinciding;
    if (calculation.position() != expected)
        fail("the lines lie otherwise", all);
    const auto point = calculation.point();
    if (expected != RelativePosition::Crossing) {
        if (point)
            fail("a point shown for lines that do not cross", all);
        return 0;
    }
    const cpp_int Q = abs(D) * T;
    const cpp_int Px = det(-C[0], B[0], -C[1], B[1]) * (D < 0 ? -1 : 1);
    const cpp_int Py = det(A[0], -C[0], A[1], -C[1]) * (D < 0 ? -1 : 1);
    const ScaledCalculation *exact = calculation.scaled();
    if (!exact || !equals(exact->crossing[0], Px, Q) || !equals(exact->crossing[1], Py, Q))
        fail("the exact crossing is not Dx / D, Dy / D", all);
    const bool nearest = isNearestDouble(calculation.crossing(CrossingCoordinate::X), Px, Q)
        && isNearestDouble(calculation.crossing(CrossingCoordinate::Y), Py, Q);
    const cpp_int largest(std::numeric_limits<double>::max());
    if (point.has_value() != nearest
        || (!point && abs(Px) <= largest * Q && abs(Py) <= largest * Q))
        fail("the point shown is not the crossing rounded to doubles", all);
    return 0;
}
