#include "explanations/crossingexplanation.h"

#include "explanations/formulatext.h"
#include "explanations/numbertext.h"

#include <cmath>

namespace {

using namespace working;
using Operator = WorkingPart::Operator;
using Relation = WorkingPart::Relation;

WorkingPart indexed(const char *letter, int line)
{
    return name(QString::fromLatin1(letter), QString::number(line));
}

Working crossingFormula(CrossingCoordinate which)
{
    const bool isX = which == CrossingCoordinate::X;
    const WorkingPart times = op(Operator::Times);
    // Xt: −C1·B2 + C2·B1; Yt: −A1·C2 + A2·C1.
    const char *first = isX ? "C" : "A";
    const char *second = isX ? "B" : "C";
    return { name(isX ? QStringLiteral("X") : QStringLiteral("Y"), QStringLiteral("t")),
        relation(Relation::Equals),
        group({ op(Operator::Negate), indexed(first, 1), times, indexed(second, 2),
            op(Operator::Plus), indexed(first, 2), times, indexed(second, 1) }),
        op(Operator::Divide),
        group({ indexed("A", 1), times, indexed("B", 2), op(Operator::Minus), indexed("A", 2),
            times, indexed("B", 1) }) };
}

// How the lines lie, in the task text's words: crossing when k1 ≠ k2, one
// line when k1 = k2 and b1 = b2, parallel when k1 = k2 but b1 ≠ b2; vertical
// lines, which have no k, by their equations x = …
Working positionLine(const ExactCalculation &exact)
{
    const ExactLineCalculation &first = exact.lines[0], &second = exact.lines[1];
    const bool firstSloped = first.k.has_value(), secondSloped = second.k.has_value();
    const WorkingPart k1 = indexed("k", 1), k2 = indexed("k", 2);
    const WorkingPart b1 = indexed("b", 1), b2 = indexed("b", 2);
    const WorkingPart x = name(QStringLiteral("x"));
    const WorkingPart equals = relation(Relation::Equals);
    const WorkingPart notEquals = relation(Relation::NotEquals);
    Working why;
    switch (exact.position) {
    case RelativePosition::NoLine:
    case RelativePosition::BeyondRange:
        return {};
    case RelativePosition::Crossing:
        if (firstSloped && secondSloped)
            why = Working { k1 } + equalsValue(*first.k) + Working { notEquals, k2 }
                + equalsValue(*second.k)
                + Working { clause(u':'), words(QStringLiteral("пресичат се")) };
        else
            why = { words(QStringLiteral("права %1 е вертикална").arg(firstSloped ? 2 : 1)),
                clause(u','), words(QStringLiteral("права %1 не е").arg(firstSloped ? 1 : 2)),
                clause(u':'), words(QStringLiteral("пресичат се")) };
        break;
    case RelativePosition::Parallel:
        if (firstSloped)
            why = Working { k1, equals, k2 } + equalsValue(*first.k)
                + Working { clause(u','), words(QStringLiteral("но")), b1 } + equalsValue(*first.b)
                + Working { notEquals, b2 } + equalsValue(*second.b)
                + Working { clause(u':'), words(QStringLiteral("успоредни")) };
        else
            why = Working { words(QStringLiteral("и двете прави са вертикални")), clause(u','), x }
                + equalsValue(*first.verticalX) + Working { words(QStringLiteral("и")), x }
                + equalsValue(*second.verticalX)
                + Working { clause(u':'), words(QStringLiteral("успоредни")) };
        break;
    case RelativePosition::Coinciding:
        if (firstSloped)
            why = Working { k1, equals, k2 } + equalsValue(*first.k)
                + Working { words(QStringLiteral("и")), b1, equals, b2 } + equalsValue(*first.b)
                + Working { clause(u':'), words(QStringLiteral("съвпадат")) };
        else
            why = Working { words(QStringLiteral("и двете прави са")), x }
                + equalsValue(*first.verticalX)
                + Working { clause(u':'), words(QStringLiteral("съвпадат")) };
        break;
    }
    return Working { words(QStringLiteral("Взаимно положение")), clause(u':') } + why
        + Working { lineEnd() };
}

// Why lines that do not cross in one point have no point to show.
Working noCrossingReason(const Calculation &calculation)
{
    const bool noFirst = calculation.line(0).hasEqualPoints();
    const bool noSecond = calculation.line(1).hasEqualPoints();
    Working reason;
    if (noFirst && noSecond)
        reason = { words(QStringLiteral("Двете точки на права 1 съвпадат, също и на права 2")),
            clause(u':'), words(QStringLiteral("не определят прави, няма пресечна точка")) };
    else if (noFirst || noSecond)
        reason = { words(QStringLiteral("Двете точки на права %1 съвпадат и не определят права")
                             .arg(noFirst ? 1 : 2)),
            clause(u':'), words(QStringLiteral("няма пресечна точка")) };
    else if (calculation.position() == RelativePosition::BeyondRange)
        reason = { words(QStringLiteral("Резултатът е извън обхвата на числата")) };
    else if (calculation.position() == RelativePosition::Coinciding)
        reason = { words(QStringLiteral("Знаменателят е 0, а A, B и C на двете прави са "
                                        "пропорционални")),
            clause(u':'), words(QStringLiteral("правите съвпадат и всяка тяхна точка е обща")) };
    else
        reason = { words(QStringLiteral("Знаменателят е 0, а правите са различни")), clause(u':'),
            words(QStringLiteral("те са успоредни и нямат обща точка")) };
    return reason + fieldStaysEmpty();
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
Working denominatorLine(const CramerNumbers &n)
{
    const WorkingPart equals = relation(Relation::Equals);
    const WorkingPart minus = op(Operator::Minus);
    const WorkingPart times = op(Operator::Times);
    return { indexed("A", 1), times, indexed("B", 2), minus, indexed("A", 2), times,
        indexed("B", 1), equals, number(n.A[0]), times, operand(n.B[1]), minus, operand(n.A[1]),
        times, operand(n.B[0]), equals, number(n.a1b2), minus, operand(n.a2b1), equals,
        number(n.d) };
}

// A coordinate of the crossing point, its formula worked; both fields stay
// empty when either coordinate is beyond the range of numbers.
Working coordinateLine(const CramerNumbers &n, CrossingCoordinate which)
{
    const bool isX = which == CrossingCoordinate::X;
    const FormulaNumber &value = n.crossing[int(which)];
    const FormulaNumber &other = n.crossing[isX ? 1 : 0];
    // Xt: −C1·B2 + C2·B1; Yt: −A1·C2 + A2·C1.
    const FormulaNumber *first = isX ? n.C : n.A;
    const FormulaNumber *second = isX ? n.B : n.C;
    const WorkingPart equals = relation(Relation::Equals);
    const WorkingPart plus = op(Operator::Plus);
    const WorkingPart times = op(Operator::Times);
    const WorkingPart divide = op(Operator::Divide);
    Working line = crossingFormula(which)
        + Working { equals,
              group({ op(Operator::Negate), operand(first[0]), times, operand(second[1]), plus,
                  operand(first[1]), times, operand(second[0]) }),
              divide, operand(n.d), equals,
              group({ number(isX ? n.xFirst : n.yFirst), plus,
                  operand(isX ? n.xSecond : n.ySecond) }),
              divide, operand(n.d) }
        + outcome(value.value, value.exact);
    if (std::isfinite(value.value) && !std::isfinite(other.value))
        line += Working { clause(u','), words(QStringLiteral("но")),
            name(isX ? QStringLiteral("Y") : QStringLiteral("X"), QStringLiteral("t")),
            words(QStringLiteral("е извън обхвата на числата")) }
            + fieldStaysEmpty();
    return line;
}

} // namespace

std::array<Working, 2> crossingFormulas()
{
    return { crossingFormula(CrossingCoordinate::X), crossingFormula(CrossingCoordinate::Y) };
}

std::array<Working, 2> explainCrossing(const Calculation &calculation)
{
    const CramerNumbers numbers = numbersOf(calculation);
    const ExactCalculation *exact = calculation.exact();
    const Working denominator = (exact ? positionLine(*exact) : Working())
        + denominatorLine(numbers) + Working { lineEnd() };
    if (calculation.position() != RelativePosition::Crossing) {
        const Working reason = Working { lineEnd() } + noCrossingReason(calculation);
        return { denominator + crossingFormula(CrossingCoordinate::X) + reason,
            denominator + crossingFormula(CrossingCoordinate::Y) + reason };
    }
    return { denominator + coordinateLine(numbers, CrossingCoordinate::X),
        denominator + coordinateLine(numbers, CrossingCoordinate::Y) };
}

Working whyNoPoint(const std::array<Working, 2> &crossing)
{
    // The last line of Xt's working.
    const Working &x = crossing[int(CrossingCoordinate::X)];
    qsizetype start = x.size();
    while (start > 0 && x[start - 1].kind != WorkingPart::Kind::LineEnd)
        --start;
    return x.sliced(start);
}
