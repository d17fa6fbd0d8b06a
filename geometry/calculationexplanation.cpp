#include "geometry/calculationexplanation.h"

#include "geometry/exactline.h"
#include "geometry/exactnumbertext.h"
#include "geometry/lineequation.h"
#include "geometry/numberformat.h"

#include <algorithm>
#include <cmath>

namespace {

// A quoted field text longer than this is cut short: a field takes 32767
// characters, a tooltip should not.
constexpr qsizetype kQuotedLength = 24;

const char16_t *const kInputNames[4] = {
    u"x на първата точка на права %1",
    u"y на първата точка на права %1",
    u"x на втората точка на права %1",
    u"y на втората точка на права %1",
};

QString withMinusSign(QString text)
{
    return text.replace(u'-', u'\u2212');
}

// A number the program computed with: the shortest exact form, grouped like a
// result, with a true minus sign; the infinities as ∞, a NaN as undefined.
QString number(double value)
{
    if (std::isnan(value))
        return QStringLiteral("неопределено");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("−∞");
    return withMinusSign(numberText(value));
}

// A number of an explanation: the double that the formulas compute and,
// when every input is finite, its exact value from the numbers as typed.
struct Value
{
    double approx = 0.0;
    std::optional<ExactNumber> exact;
};

template <typename DoubleOp, typename ExactOp>
Value combine(const Value &a, const Value &b, DoubleOp doubleOp, ExactOp exactOp)
{
    Value out { doubleOp(a.approx, b.approx), std::nullopt };
    if (a.exact && b.exact)
        out.exact = exactOp(*a.exact, *b.exact);
    return out;
}

Value operator-(const Value &a, const Value &b)
{
    return combine(a, b, std::minus<>(), std::minus<>());
}

Value operator*(const Value &a, const Value &b)
{
    return combine(a, b, std::multiplies<>(), std::multiplies<>());
}

Value operator-(const Value &a)
{
    return { -a.approx, a.exact ? std::optional<ExactNumber>(-*a.exact) : std::nullopt };
}

// The exact value as a student writes it where that is short, else the
// double the program computed with.
QString number(const Value &value)
{
    if (!value.exact)
        return number(value.approx);
    if (const auto text = exactText(*value.exact))
        return *text;
    return QStringLiteral("≈") + number(value.approx); // a wall of digits
}

// After an operator, a negative number or a fraction goes in parentheses.
QString operand(const Value &value)
{
    const QString text = number(value);
    const bool negative = value.exact ? *value.exact < 0 : value.approx < 0;
    return negative || text.contains(u'/') ? QStringLiteral("(%1)").arg(text) : text;
}

// The end of a result's formula: the result as its field shows it, after the
// exact fraction where the result is not whole; or, when the field stays
// empty, the value and why.
QString outcome(double shown, const std::optional<ExactNumber> &exact = std::nullopt)
{
    if (!std::isfinite(shown))
        return QStringLiteral(" = %1: резултатът е извън обхвата на числата; полето остава празно")
            .arg(number(shown));
    const QString field = withMinusSign(FormatResult(shown));
    if (exact && boost::multiprecision::denominator(*exact) != 1)
        if (const auto fraction = fractionText(*exact))
            return QStringLiteral(" = %1 ≈ %2").arg(*fraction, field);
    return QStringLiteral(" = ") + field;
}

// Where the leading-number rule may surprise, a word on why it read what it did.
QString readingHint(const QString &text, double value)
{
    if (std::isinf(value))
        return QStringLiteral(" (извън обхвата на числата)");
    QString compact = text;
    compact.remove(u' ').remove(u'\t').remove(u'\n');
    if (compact.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive))
        return QStringLiteral(" (&H въвежда шестнадесетично цяло число)");
    if (compact.startsWith(QStringLiteral("&O"), Qt::CaseInsensitive))
        return QStringLiteral(" (&O въвежда осмично цяло число)");
    bool whole = false;
    if (compact.toDouble(&whole) == value && whole)
        return QString(); // the whole text is the number
    if (value == 0.0
        && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return QStringLiteral(" (текстът не започва с число)");
    return QStringLiteral(" (чете се само началното число; десетичният знак е точка)");
}

QString reading(const QString &text, double value)
{
    if (text.isEmpty())
        return QStringLiteral("Празното поле е прочетено като 0");
    QString quoted = text;
    if (quoted.size() > kQuotedLength) {
        const qsizetype cut =
            quoted[kQuotedLength - 1].isHighSurrogate() ? kQuotedLength - 1 : kQuotedLength;
        quoted = quoted.first(cut) + QStringLiteral("…");
    }
    return QStringLiteral("„%1“ е прочетено като %2").arg(quoted, number(value))
        + readingHint(text, value);
}

const QString kXtFormula = QStringLiteral("Xt = (−C1·B2 + C2·B1) / (A1·B2 − A2·B1)");
const QString kYtFormula = QStringLiteral("Yt = (−A1·C2 + A2·C1) / (A1·B2 − A2·B1)");
const QString kFieldEmpty = QStringLiteral("; полето остава празно");

void explainFormulas(CalculationExplanation::Line &out, const QString &n)
{
    out.results = { QStringLiteral("A%1 = y1 − y2").arg(n), QStringLiteral("B%1 = x2 − x1").arg(n),
        QStringLiteral("C%1 = x1·y2 − x2·y1").arg(n),
        QStringLiteral("k%1 = (y2 − y1) / (x2 − x1)").arg(n) };
}

// The line's equations from the numbers as typed, as the first lines of its
// A, B, C and k explanations; nothing where an input is beyond the double range
// or a number would be a wall of digits.
struct LineForms
{
    QString general; // "Права 1: −2x + y − 1 = 0"
    QString slope; // "y = 2x + 1, b = 1" or "x = 5: няма ъглов коефициент"
};

LineForms formsOf(const std::optional<ExactLine> &line, const QString &n)
{
    LineForms forms;
    if (!line)
        return forms;
    const auto &[A, B, C] = *line;
    if (A == 0 && B == 0) {
        forms.general =
            QStringLiteral("Права %1: двете точки съвпадат и не определят права\n").arg(n);
        return forms;
    }
    if (const auto equation = generalEquationText(A, B, C))
        forms.general = QStringLiteral("Права %1: %2\n").arg(n, *equation);
    if (B == 0) {
        if (const auto x = exactText(-C / A))
            forms.slope = QStringLiteral("x = %1: няма ъглов коефициент\n").arg(*x);
        return forms;
    }
    const ExactNumber k = -A / B, b = -C / B;
    const auto equation = slopeInterceptText(k, b);
    const auto intercept = exactText(b);
    if (equation && intercept)
        forms.slope = QStringLiteral("%1, b = %2\n").arg(*equation, *intercept);
    return forms;
}

// The numbers are those Calculate read, and every intermediate value is
// computed as lineThrough computes it; beside it, the exact value.
void explainLine(CalculationExplanation::Line &out, const Value *point, const LineEquation &line,
    const LineForms &forms)
{
    QString &textA = out.results[int(LineResult::A)];
    QString &textB = out.results[int(LineResult::B)];
    QString &textC = out.results[int(LineResult::C)];
    QString &textK = out.results[int(LineResult::K)];
    const Value &x1 = point[0], &y1 = point[1], &x2 = point[2], &y2 = point[3];
    const Value A = y1 - y2, B = x2 - x1, C = x1 * y2 - x2 * y1;
    textA = forms.general + textA + QStringLiteral(" = %1 − %2").arg(number(y1), operand(y2))
        + outcome(line.A, A.exact);
    textB = forms.general + textB + QStringLiteral(" = %1 − %2").arg(number(x2), operand(x1))
        + outcome(line.B, B.exact);
    textC = forms.general + textC
        + QStringLiteral(" = %1·%2 − %3·%4 = %5 − %6")
              .arg(number(x1), operand(y2), operand(x2), operand(y1), number(x1 * y2),
                  operand(x2 * y1))
        + outcome(line.C, C.exact);
    const QString slope = withMinusSign(FormatResult(line.k));
    if (line.B != 0.0) {
        const Value rise = y2 - y1;
        std::optional<ExactNumber> k;
        if (rise.exact && B.exact && *B.exact != 0)
            k = *rise.exact / *B.exact;
        // "−11 / 3" and its fraction "−11/3" say the same: the fraction alone.
        QString quotient = QStringLiteral(" = %1 / %2").arg(number(rise), operand(B));
        const auto fraction = k ? fractionText(*k) : std::nullopt;
        QString compact = quotient;
        compact.remove(u' ').remove(u'(').remove(u')');
        if (fraction && compact == u'=' + *fraction)
            quotient.clear();
        textK = forms.slope + textK
            + QStringLiteral(" = (%1 − %2) / (%3 − %4)")
                  .arg(number(y2), operand(y1), number(x2), operand(x1))
            + quotient + outcome(line.k, k);
    } else if (line.A == 0.0)
        textK += QStringLiteral("\nx1 = x2 = %1 и y1 = y2 = %2: двете точки съвпадат и не "
                                "определят права; показва се %3")
                     .arg(number(x1), number(y1), slope);
    else
        textK = forms.slope + textK
            + QStringLiteral(
                "\nx1 = x2 = %1: правата е вертикална, няма ъглов коефициент; показва се %2")
                  .arg(number(x1), slope);
}

// The slope and y-intercept of a line that has them, as the task text
// compares lines by them.
struct SlopeForm
{
    ExactNumber k, b;
};

std::optional<SlopeForm> slopeFormOf(const ExactLine &line)
{
    if (line.B == 0)
        return std::nullopt;
    return SlopeForm { -line.A / line.B, -line.C / line.B };
}

// "= 2" or, where the exact value would be a wall of digits, "≈ 2".
QString equalsValue(const ExactNumber &value)
{
    if (const auto text = exactText(value))
        return QStringLiteral("= ") + *text;
    return QStringLiteral("≈ ") + withMinusSign(numberText(toDouble(value)));
}

// How the lines lie, in the task text's words: crossing when k1 ≠ k2, one
// line when k1 = k2 and b1 = b2, parallel when k1 = k2 but b1 ≠ b2; vertical
// lines, which have no k, by their equations x = …
QString positionLine(const ExactLine &first, const ExactLine &second, RelativePosition position)
{
    const auto one = slopeFormOf(first), two = slopeFormOf(second);
    const auto verticalX = [](const ExactLine &line) { return equalsValue(-line.C / line.A); };
    QString why;
    switch (position) {
    case RelativePosition::NoLine:
        return QString();
    case RelativePosition::Crossing:
        if (one && two)
            why = QStringLiteral("k1 %1 ≠ k2 %2: пресичат се")
                      .arg(equalsValue(one->k), equalsValue(two->k));
        else
            why = QStringLiteral("права %1 е вертикална, права %2 не е: пресичат се")
                      .arg(one ? 2 : 1)
                      .arg(one ? 1 : 2);
        break;
    case RelativePosition::Parallel:
        if (one)
            why = QStringLiteral("k1 = k2 %1, но b1 %2 ≠ b2 %3: успоредни")
                      .arg(equalsValue(one->k), equalsValue(one->b), equalsValue(two->b));
        else
            why = QStringLiteral("и двете прави са вертикални, x %1 и x %2: успоредни")
                      .arg(verticalX(first), verticalX(second));
        break;
    case RelativePosition::Coinciding:
        if (one)
            why = QStringLiteral("k1 = k2 %1 и b1 = b2 %2: съвпадат")
                      .arg(equalsValue(one->k), equalsValue(one->b));
        else
            why = QStringLiteral("и двете прави са x %1: съвпадат").arg(verticalX(first));
        break;
    }
    return QStringLiteral("Взаимно положение: ") + why + u'\n';
}

// Why lines whose products A1·B2 and A2·B1 are equal have no point to show.
// Coinciding is told from parallel by the equations themselves: the lines are
// one when A, B and C are proportional. With the numbers as typed the exact
// position decides; otherwise the same exact products of doubles.
QString noCrossingReason(
    const LineEquation &first, const LineEquation &second, std::optional<RelativePosition> position)
{
    const bool noFirst = first.A == 0.0 && first.B == 0.0;
    const bool noSecond = second.A == 0.0 && second.B == 0.0;
    if (noFirst && noSecond)
        return QStringLiteral("Двете точки на права 1 съвпадат, също и на права 2: не определят "
                              "прави, няма пресечна точка")
            + kFieldEmpty;
    if (noFirst || noSecond)
        return QStringLiteral("Двете точки на права %1 съвпадат и не определят права: няма "
                              "пресечна точка")
                   .arg(noFirst ? 1 : 2)
            + kFieldEmpty;
    if (!position) {
        const double coefficients[] = { first.A, first.B, first.C, second.A, second.B, second.C,
            first.A * second.B };
        if (!std::all_of(std::begin(coefficients), std::end(coefficients),
                [](double v) { return std::isfinite(v); }))
            return QStringLiteral("Резултатът е извън обхвата на числата") + kFieldEmpty;
        position =
            first.A * second.C == second.A * first.C && first.B * second.C == second.B * first.C
            ? RelativePosition::Coinciding
            : RelativePosition::Parallel;
    }
    if (position == RelativePosition::Coinciding)
        return QStringLiteral("Знаменателят е 0, а A, B и C на двете прави са пропорционални: "
                              "правите съвпадат и всяка тяхна точка е обща")
            + kFieldEmpty;
    return QStringLiteral("Знаменателят е 0, а правите са различни: те са успоредни и нямат "
                          "обща точка")
        + kFieldEmpty;
}

// A coordinate of the crossing point; both stay empty when either is beyond
// the range of numbers.
QString coordinateOutcome(const Value &value, double other, const char *otherName)
{
    if (!std::isfinite(value.approx) || std::isfinite(other))
        return outcome(value.approx, value.exact);
    return outcome(value.approx, value.exact)
        + QStringLiteral(", но %1 е извън обхвата на числата").arg(QLatin1String(otherName))
        + kFieldEmpty;
}

// One line's coefficients as values of an explanation.
struct LineValues
{
    Value A, B, C;
};

LineValues valuesOf(const LineEquation &line, const std::optional<ExactLine> &exact)
{
    if (!exact)
        return { { line.A, std::nullopt }, { line.B, std::nullopt }, { line.C, std::nullopt } };
    return { { line.A, exact->A }, { line.B, exact->B }, { line.C, exact->C } };
}

// Cramer's rule with the numbers intersectionOf works with, product by
// product; with every input finite, the exact numbers decide and give the point.
void explainCrossing(std::array<QString, 2> &out, const LineEquation &first,
    const LineEquation &second, const std::optional<std::array<ExactLine, 2>> &exact)
{
    const LineValues one = valuesOf(first, exact ? std::optional((*exact)[0]) : std::nullopt);
    const LineValues two = valuesOf(second, exact ? std::optional((*exact)[1]) : std::nullopt);
    const Value p = one.A * two.B;
    const Value q = two.A * one.B;
    const Value d = p - q;
    std::optional<RelativePosition> position;
    QString heading;
    if (exact) {
        position = positionOf((*exact)[0], (*exact)[1]);
        heading = positionLine((*exact)[0], (*exact)[1], *position);
    }
    const QString denominator = heading
        + QStringLiteral("A1·B2 − A2·B1 = %1·%2 − %3·%4 = %5 − %6 = %7\n")
              .arg(number(one.A), operand(two.B), operand(two.A), operand(one.B), number(p),
                  operand(q), number(d));
    out[int(CrossingCoordinate::X)] = denominator + kXtFormula;
    out[int(CrossingCoordinate::Y)] = denominator + kYtFormula;
    const bool crosses =
        position ? *position == RelativePosition::Crossing : linesIntersect(first, second);
    if (!crosses) {
        const QString reason = u'\n' + noCrossingReason(first, second, position);
        out[int(CrossingCoordinate::X)] += reason;
        out[int(CrossingCoordinate::Y)] += reason;
        return;
    }
    const Value xp = two.B * -one.C;
    const Value xq = one.B * two.C;
    const Value yp = two.C * -one.A;
    const Value yq = one.C * two.A;
    Value x, y;
    if (exact) {
        const ExactPoint point = exactCrossingOf((*exact)[0], (*exact)[1]);
        x = { toDouble(point.x), point.x };
        y = { toDouble(point.y), point.y };
    } else {
        const auto point = intersectionOf(first, second);
        x.approx = point ? point->x : (xp.approx + xq.approx) / d.approx;
        y.approx = point ? point->y : (yp.approx + yq.approx) / d.approx;
    }
    out[int(CrossingCoordinate::X)] += QStringLiteral(" = (−%1·%2 + %3·%4) / %5 = (%6 + %7) / %5")
                                           .arg(operand(one.C), operand(two.B), operand(two.C),
                                               operand(one.B), operand(d), number(xp), operand(xq))
        + coordinateOutcome(x, y.approx, "Yt");
    out[int(CrossingCoordinate::Y)] += QStringLiteral(" = (−%1·%2 + %3·%4) / %5 = (%6 + %7) / %5")
                                           .arg(operand(one.A), operand(two.C), operand(two.A),
                                               operand(one.C), operand(d), number(yp), operand(yq))
        + coordinateOutcome(y, x.approx, "Xt");
}

} // namespace

// Every text begins with fixed wording, a name or a formula, and a field's own
// text comes only on a later line: a tooltip whose first line looks like
// markup is shown as rich text.
CalculationExplanation explainCalculation(const std::optional<CalculationInputs> &inputs)
{
    CalculationExplanation out;
    for (int i = 0; i < kLineCount; ++i) {
        const QString n = QString::number(i + 1);
        for (int s = 0; s < kLineInputCount; ++s)
            out.lines[i].inputs[s] = QString::fromUtf16(kInputNames[s]).arg(n);
        explainFormulas(out.lines[i], n);
    }
    out.crossing = { kXtFormula, kYtFormula };
    if (!inputs)
        return out;

    const auto exactInputs = readExactInputs(inputs->texts);
    LineEquation lines[2];
    std::optional<std::array<ExactLine, 2>> exactLines;
    if (exactInputs)
        exactLines.emplace();
    for (int i = 0; i < kLineCount; ++i) {
        Value point[kLineInputCount];
        for (int s = 0; s < kLineInputCount; ++s) {
            const int at = inputPosition(i, LineInput(s));
            point[s].approx = inputs->numbers[at];
            if (exactInputs)
                point[s].exact = (*exactInputs)[at];
            out.lines[i].inputs[s] += u'\n' + reading(inputs->texts[at], point[s].approx);
        }
        lines[i] = lineThrough(point[0].approx, point[1].approx, point[2].approx, point[3].approx);
        std::optional<ExactLine> exact;
        if (exactInputs)
            exact = (*exactLines)[i] = exactLineThrough(
                { *point[0].exact, *point[1].exact }, { *point[2].exact, *point[3].exact });
        explainLine(out.lines[i], point, lines[i], formsOf(exact, QString::number(i + 1)));
    }
    explainCrossing(out.crossing, lines[0], lines[1], exactLines);
    return out;
}
