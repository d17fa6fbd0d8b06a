#include "explanations/crossingexplanation.h"

#include "explanations/formulatext.h"
#include "explanations/numbertext.h"

#include <cmath>

namespace {

const QString kXtFormula = QStringLiteral("Xt = (−C1·B2 + C2·B1) / (A1·B2 − A2·B1)");
const QString kYtFormula = QStringLiteral("Yt = (−A1·C2 + A2·C1) / (A1·B2 − A2·B1)");

// "= 2" or, where the exact value would be a wall of digits, "≈ 2".
QString equalsValue(const ExactNumber &value)
{
    const ShownNumber shown = shownNumber(value);
    return (shown.approximate ? QStringLiteral("≈ ") : QStringLiteral("= ")) + shown.text;
}

// How the lines lie, in the task text's words: crossing when k1 ≠ k2, one
// line when k1 = k2 and b1 = b2, parallel when k1 = k2 but b1 ≠ b2; vertical
// lines, which have no k, by their equations x = …
QString positionLine(const ExactCalculation &exact)
{
    const ExactLineCalculation &first = exact.lines[0], &second = exact.lines[1];
    const bool firstSloped = first.k.has_value(), secondSloped = second.k.has_value();
    QString why;
    switch (exact.position) {
    case RelativePosition::NoLine:
    case RelativePosition::BeyondRange:
        return QString();
    case RelativePosition::Crossing:
        if (firstSloped && secondSloped)
            why = QStringLiteral("k1 %1 ≠ k2 %2: пресичат се")
                      .arg(equalsValue(*first.k), equalsValue(*second.k));
        else
            why = QStringLiteral("права %1 е вертикална, права %2 не е: пресичат се")
                      .arg(firstSloped ? 2 : 1)
                      .arg(firstSloped ? 1 : 2);
        break;
    case RelativePosition::Parallel:
        if (firstSloped)
            why = QStringLiteral("k1 = k2 %1, но b1 %2 ≠ b2 %3: успоредни")
                      .arg(equalsValue(*first.k), equalsValue(*first.b), equalsValue(*second.b));
        else
            why = QStringLiteral("и двете прави са вертикални, x %1 и x %2: успоредни")
                      .arg(equalsValue(*first.verticalX), equalsValue(*second.verticalX));
        break;
    case RelativePosition::Coinciding:
        if (firstSloped)
            why = QStringLiteral("k1 = k2 %1 и b1 = b2 %2: съвпадат")
                      .arg(equalsValue(*first.k), equalsValue(*first.b));
        else
            why = QStringLiteral("и двете прави са x %1: съвпадат")
                      .arg(equalsValue(*first.verticalX));
        break;
    }
    return QStringLiteral("Взаимно положение: ") + why + u'\n';
}

// Why lines that do not cross in one point have no point to show.
QString noCrossingReason(const Calculation &calculation)
{
    const bool noFirst = calculation.line(0).hasEqualPoints();
    const bool noSecond = calculation.line(1).hasEqualPoints();
    if (noFirst && noSecond)
        return QStringLiteral("Двете точки на права 1 съвпадат, също и на права 2: не определят "
                              "прави, няма пресечна точка")
            + kFieldStaysEmpty;
    if (noFirst || noSecond)
        return QStringLiteral("Двете точки на права %1 съвпадат и не определят права: няма "
                              "пресечна точка")
                   .arg(noFirst ? 1 : 2)
            + kFieldStaysEmpty;
    switch (calculation.position()) {
    case RelativePosition::BeyondRange:
        return QStringLiteral("Резултатът е извън обхвата на числата") + kFieldStaysEmpty;
    case RelativePosition::Coinciding:
        return QStringLiteral("Знаменателят е 0, а A, B и C на двете прави са пропорционални: "
                              "правите съвпадат и всяка тяхна точка е обща")
            + kFieldStaysEmpty;
    default:
        return QStringLiteral("Знаменателят е 0, а правите са различни: те са успоредни и нямат "
                              "обща точка")
            + kFieldStaysEmpty;
    }
}

// The numbers of Cramer's rule, each a double beside its exact value.
struct CramerNumbers
{
    FormulaNumber A[2], B[2], C[2]; // by line
    FormulaNumber a1b2, a2b1, d;
    FormulaNumber xFirst, xSecond, yFirst, ySecond;
    FormulaNumber crossing[2]; // by CrossingCoordinate
};

CramerNumbers numbersOf(const Calculation &calculation)
{
    const ExactCalculation *exact = calculation.exact();
    const auto pair = [](double value, const ExactNumber &exactValue, bool hasExact) {
        return FormulaNumber { value, hasExact ? &exactValue : nullptr };
    };
    static const ExactCalculation none; // stands in where there is no exact side
    const ExactCalculation &e = exact ? *exact : none;
    const bool x = exact != nullptr;
    CramerNumbers n;
    for (int line = 0; line < kLineCount; ++line) {
        const LineTerms<double> &t = calculation.line(line).terms;
        const LineTerms<ExactNumber> &et = e.lines[line].terms;
        n.A[line] = pair(t.A, et.A, x);
        n.B[line] = pair(t.B, et.B, x);
        n.C[line] = pair(t.C, et.C, x);
    }
    const CramerTerms<double> &c = calculation.cramer();
    n.a1b2 = pair(c.a1b2, e.cramer.a1b2, x);
    n.a2b1 = pair(c.a2b1, e.cramer.a2b1, x);
    n.d = pair(c.d, e.cramer.d, x);
    n.xFirst = pair(c.xFirst, e.cramer.xFirst, x);
    n.xSecond = pair(c.xSecond, e.cramer.xSecond, x);
    n.yFirst = pair(c.yFirst, e.cramer.yFirst, x);
    n.ySecond = pair(c.ySecond, e.cramer.ySecond, x);
    for (const auto which : { CrossingCoordinate::X, CrossingCoordinate::Y })
        n.crossing[int(which)] = pair(calculation.crossing(which), e.crossing[int(which)], x);
    return n;
}

// "A1·B2 − A2·B1 = 0·0 − (−24)·9 = 0 − (−216) = 216"
QString denominatorLine(const CramerNumbers &n)
{
    return QStringLiteral("A1·B2 − A2·B1 = %1·%2 − %3·%4 = %5 − %6 = %7")
        .arg(number(n.A[0]), operand(n.B[1]), operand(n.A[1]), operand(n.B[0]), number(n.a1b2),
            operand(n.a2b1), number(n.d));
}

// A coordinate of the crossing point, its formula worked; both fields stay
// empty when either coordinate is beyond the range of numbers.
QString coordinateLine(const CramerNumbers &n, CrossingCoordinate which)
{
    const bool isX = which == CrossingCoordinate::X;
    const FormulaNumber &value = n.crossing[int(which)];
    const FormulaNumber &other = n.crossing[isX ? 1 : 0];
    // Xt: −C1·B2 + C2·B1; Yt: −A1·C2 + A2·C1.
    const FormulaNumber *first = isX ? n.C : n.A;
    const FormulaNumber *second = isX ? n.B : n.C;
    QString line = (isX ? kXtFormula : kYtFormula)
        + QStringLiteral(" = (−%1·%2 + %3·%4) / %5 = (%6 + %7) / %5")
              .arg(operand(first[0]), operand(second[1]), operand(first[1]), operand(second[0]),
                  operand(n.d), number(isX ? n.xFirst : n.yFirst),
                  operand(isX ? n.xSecond : n.ySecond))
        + outcome(value.value, value.exact);
    if (std::isfinite(value.value) && !std::isfinite(other.value))
        line += QStringLiteral(", но %1 е извън обхвата на числата").arg(isX ? u"Yt" : u"Xt")
            + kFieldStaysEmpty;
    return line;
}

} // namespace

std::array<QString, 2> crossingFormulas()
{
    return { kXtFormula, kYtFormula };
}

std::array<QString, 2> explainCrossing(const Calculation &calculation)
{
    const CramerNumbers numbers = numbersOf(calculation);
    const ExactCalculation *exact = calculation.exact();
    const QString denominator =
        (exact ? positionLine(*exact) : QString()) + denominatorLine(numbers) + u'\n';
    if (calculation.position() != RelativePosition::Crossing) {
        const QString reason = u'\n' + noCrossingReason(calculation);
        return { denominator + kXtFormula + reason, denominator + kYtFormula + reason };
    }
    return { denominator + coordinateLine(numbers, CrossingCoordinate::X),
        denominator + coordinateLine(numbers, CrossingCoordinate::Y) };
}

QString whyNoPoint(const Calculation &calculation)
{
    if (calculation.position() != RelativePosition::Crossing)
        return noCrossingReason(calculation);
    return coordinateLine(numbersOf(calculation), CrossingCoordinate::X);
}
