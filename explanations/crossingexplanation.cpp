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

// The numbers of Cramer's rule: each line's coefficients and the products,
// doubles beside their exact values.
class CramerNumbers
{
public:
    explicit CramerNumbers(const Calculation &calculation)
        : m_calculation(calculation)
        , m_exact(calculation.exact())
    {
    }

    FormulaNumber coefficient(int line, LineResult which) const
    {
        const LineTerms<double> &terms = m_calculation.line(line).terms;
        const LineTerms<ExactNumber> *exact = m_exact ? &m_exact->lines[line].terms : nullptr;
        switch (which) {
        case LineResult::A:
            return { terms.A, exact ? &exact->A : nullptr };
        case LineResult::B:
            return { terms.B, exact ? &exact->B : nullptr };
        default:
            return { terms.C, exact ? &exact->C : nullptr };
        }
    }
    FormulaNumber term(ExactNumber CramerTerms<ExactNumber>::*exactMember,
        double CramerTerms<double>::*member) const
    {
        return { m_calculation.cramer().*member,
            m_exact ? &(m_exact->cramer.*exactMember) : nullptr };
    }
    FormulaNumber coordinate(CrossingCoordinate which) const
    {
        return { m_calculation.crossing(which),
            m_exact ? &m_exact->crossing[int(which)] : nullptr };
    }

private:
    const Calculation &m_calculation;
    const ExactCalculation *m_exact;
};

// "A1·B2 − A2·B1 = 0·0 − (−24)·9 = 0 − (−216) = 216"
QString denominatorLine(const CramerNumbers &n)
{
    using E = CramerTerms<ExactNumber>;
    using D = CramerTerms<double>;
    return QStringLiteral("A1·B2 − A2·B1 = %1·%2 − %3·%4 = %5 − %6 = %7")
        .arg(number(n.coefficient(0, LineResult::A)), operand(n.coefficient(1, LineResult::B)),
            operand(n.coefficient(1, LineResult::A)), operand(n.coefficient(0, LineResult::B)),
            number(n.term(&E::a1b2, &D::a1b2)), operand(n.term(&E::a2b1, &D::a2b1)),
            number(n.term(&E::d, &D::d)));
}

// A coordinate of the crossing point, its formula worked; both fields stay
// empty when either coordinate is beyond the range of numbers.
QString coordinateLine(const CramerNumbers &n, CrossingCoordinate which)
{
    using E = CramerTerms<ExactNumber>;
    using D = CramerTerms<double>;
    const bool isX = which == CrossingCoordinate::X;
    const FormulaNumber value = n.coordinate(which);
    const FormulaNumber other = n.coordinate(isX ? CrossingCoordinate::Y : CrossingCoordinate::X);
    // Xt: −C1·B2 + C2·B1; Yt: −A1·C2 + A2·C1.
    const LineResult first = isX ? LineResult::C : LineResult::A;
    const LineResult second = isX ? LineResult::B : LineResult::C;
    QString line = (isX ? kXtFormula : kYtFormula)
        + QStringLiteral(" = (−%1·%2 + %3·%4) / %5 = (%6 + %7) / %5")
              .arg(operand(n.coefficient(0, first)), operand(n.coefficient(1, second)),
                  operand(n.coefficient(1, first)), operand(n.coefficient(0, second)),
                  operand(n.term(&E::d, &D::d)),
                  number(isX ? n.term(&E::xFirst, &D::xFirst) : n.term(&E::yFirst, &D::yFirst)),
                  operand(
                      isX ? n.term(&E::xSecond, &D::xSecond) : n.term(&E::ySecond, &D::ySecond)))
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
    const CramerNumbers numbers(calculation);
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
    return coordinateLine(CramerNumbers(calculation), CrossingCoordinate::X);
}
