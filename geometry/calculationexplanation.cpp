#include "geometry/calculationexplanation.h"

#include "geometry/lineequation.h"
#include "geometry/numberformat.h"

#include <algorithm>
#include <cmath>

namespace {

// Field indices of one line's inputs and results, as in the field table.
struct LineFields
{
    int x1, y1, x2, y2;
    int A, B, C, k;
};

constexpr LineFields kLineFields[2] = { { 0, 1, 2, 3, 4, 5, 6, 16 },
    { 7, 8, 9, 10, 11, 12, 13, 17 } };
constexpr int kXtField = 14;
constexpr int kYtField = 15;

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
    return withMinusSign(NumberText(value));
}

// A number inside a formula after an operator: a negative one in parentheses,
// "10 − (−5)". A formula's leading number needs none.
QString operand(double value)
{
    return value < 0 ? QStringLiteral("(%1)").arg(number(value)) : number(value);
}

// The end of a result's formula: the result as its field shows it, or, when
// the field stays empty, the value and why.
QString outcome(double value)
{
    if (std::isfinite(value))
        return QStringLiteral(" = ") + withMinusSign(FormatResult(value));
    return QStringLiteral(" = %1: резултатът е извън обхвата на числата; полето остава празно")
        .arg(number(value));
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

void explainFormulas(std::array<QString, 18> &out, const LineFields &f, const QString &n)
{
    out[f.A] = QStringLiteral("A%1 = y1 − y2").arg(n);
    out[f.B] = QStringLiteral("B%1 = x2 − x1").arg(n);
    out[f.C] = QStringLiteral("C%1 = x1·y2 − x2·y1").arg(n);
    out[f.k] = QStringLiteral("k%1 = (y2 − y1) / (x2 − x1)").arg(n);
}

// The numbers are those Calculate read, and every intermediate value is
// computed as LineThrough computes it.
void explainLine(std::array<QString, 18> &out, const LineFields &f, const double *point,
    const LineEquation &line)
{
    const double x1 = point[0], y1 = point[1], x2 = point[2], y2 = point[3];
    out[f.A] += QStringLiteral(" = %1 − %2").arg(number(y1), operand(y2)) + outcome(line.A);
    out[f.B] += QStringLiteral(" = %1 − %2").arg(number(x2), operand(x1)) + outcome(line.B);
    out[f.C] += QStringLiteral(" = %1·%2 − %3·%4 = %5 − %6")
                    .arg(number(x1), operand(y2), operand(x2), operand(y1), number(x1 * y2),
                        operand(x2 * y1))
        + outcome(line.C);
    const QString slope = withMinusSign(FormatResult(line.k));
    if (line.B != 0.0)
        out[f.k] += QStringLiteral(" = (%1 − %2) / (%3 − %4) = %5 / %6")
                        .arg(number(y2), operand(y1), number(x2), operand(x1), number(y2 - y1),
                            operand(line.B))
            + outcome(line.k);
    else if (line.A == 0.0)
        out[f.k] += QStringLiteral("\nx1 = x2 = %1 и y1 = y2 = %2: двете точки съвпадат и не "
                                   "определят права; показва се %3")
                        .arg(number(x1), number(y1), slope);
    else
        out[f.k] += QStringLiteral(
            "\nx1 = x2 = %1: правата е вертикална, няма ъглов коефициент; показва се %2")
                        .arg(number(x1), slope);
}

// Why lines whose products A1·B2 and A2·B1 are equal have no point to show.
// Coinciding is told from parallel by the equations themselves: the lines are
// one when A, B and C are proportional, by the same exact products.
QString noCrossingReason(const LineEquation &first, const LineEquation &second)
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
    const double coefficients[] = { first.A, first.B, first.C, second.A, second.B, second.C,
        first.A * second.B };
    if (!std::all_of(std::begin(coefficients), std::end(coefficients),
            [](double v) { return std::isfinite(v); }))
        return QStringLiteral("Резултатът е извън обхвата на числата") + kFieldEmpty;
    if (first.A * second.C == second.A * first.C && first.B * second.C == second.B * first.C)
        return QStringLiteral("Знаменателят е 0, а A, B и C на двете прави са пропорционални: "
                              "правите съвпадат и всяка тяхна точка е обща")
            + kFieldEmpty;
    return QStringLiteral("Знаменателят е 0, а правите са различни: те са успоредни и нямат "
                          "обща точка")
        + kFieldEmpty;
}

// A coordinate of the crossing point; both stay empty when either is beyond
// the range of numbers.
QString coordinateOutcome(double value, double other, const char *otherName)
{
    if (!std::isfinite(value) || std::isfinite(other))
        return outcome(value);
    return outcome(value)
        + QStringLiteral(", но %1 е извън обхвата на числата").arg(QLatin1String(otherName))
        + kFieldEmpty;
}

// Cramer's rule with the numbers IntersectionOf works with, product by product.
void explainCrossing(
    std::array<QString, 18> &out, const LineEquation &first, const LineEquation &second)
{
    const double p = first.A * second.B;
    const double q = second.A * first.B;
    const double d = first.A * second.B - second.A * first.B;
    const QString denominator = QStringLiteral("A1·B2 − A2·B1 = %1·%2 − %3·%4 = %5 − %6 = %7\n")
                                    .arg(number(first.A), operand(second.B), operand(second.A),
                                        operand(first.B), number(p), operand(q), number(d));
    out[kXtField] = denominator + kXtFormula;
    out[kYtField] = denominator + kYtFormula;
    if (!LinesIntersect(first, second)) {
        const QString reason = u'\n' + noCrossingReason(first, second);
        out[kXtField] += reason;
        out[kYtField] += reason;
        return;
    }
    const double xp = second.B * -first.C;
    const double xq = first.B * second.C;
    const double yp = second.C * -first.A;
    const double yq = first.C * second.A;
    const auto point = IntersectionOf(first, second);
    const double x = point ? point->x : (xp + xq) / d;
    const double y = point ? point->y : (yp + yq) / d;
    out[kXtField] += QStringLiteral(" = (−%1·%2 + %3·%4) / %5 = (%6 + %7) / %5")
                         .arg(operand(first.C), operand(second.B), operand(second.C),
                             operand(first.B), operand(d), number(xp), operand(xq))
        + coordinateOutcome(x, y, "Yt");
    out[kYtField] += QStringLiteral(" = (−%1·%2 + %3·%4) / %5 = (%6 + %7) / %5")
                         .arg(operand(first.A), operand(second.C), operand(second.A),
                             operand(first.C), operand(d), number(yp), operand(yq))
        + coordinateOutcome(y, x, "Xt");
}

} // namespace

// Every text begins with fixed wording, a name or a formula, and a field's own
// text comes only on a later line: a tooltip whose first line looks like
// markup is shown as rich text.
std::array<QString, 18> ExplainFields(const std::optional<CalculationInputs> &inputs)
{
    std::array<QString, 18> out;
    for (int i = 0; i < 2; ++i) {
        const LineFields &f = kLineFields[i];
        const QString n = QString::number(i + 1);
        const int inputFields[4] = { f.x1, f.y1, f.x2, f.y2 };
        for (int s = 0; s < 4; ++s)
            out[inputFields[s]] = QString::fromUtf16(kInputNames[s]).arg(n);
        explainFormulas(out, f, n);
    }
    out[kXtField] = kXtFormula;
    out[kYtField] = kYtFormula;
    if (!inputs)
        return out;

    LineEquation lines[2];
    for (int i = 0; i < 2; ++i) {
        const LineFields &f = kLineFields[i];
        const int inputFields[4] = { f.x1, f.y1, f.x2, f.y2 };
        const double *point = &inputs->numbers[4 * i];
        for (int s = 0; s < 4; ++s)
            out[inputFields[s]] += u'\n' + reading(inputs->texts[4 * i + s], point[s]);
        lines[i] = LineThrough(point[0], point[1], point[2], point[3]);
        explainLine(out, f, point, lines[i]);
    }
    explainCrossing(out, lines[0], lines[1]);
    return out;
}
