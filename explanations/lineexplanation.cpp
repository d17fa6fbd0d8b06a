#include "explanations/lineexplanation.h"

#include "explanations/equationtext.h"
#include "explanations/formulatext.h"
#include "explanations/numbertext.h"

namespace {

using namespace working;
using Operator = WorkingPart::Operator;
using Relation = WorkingPart::Relation;

// The line's equations, as the first lines of its A, B, C and k explanations;
// nothing where an input is beyond the double range or a number would be a
// wall of digits.
struct LineForms
{
    Working general; // "Права 1: −2x + y − 1 = 0"
    Working slope; // "y = 2x + 1, b = 1" or "x = 5: няма ъглов коефициент"
};

LineForms formsOf(const ExactLineCalculation *line, int index)
{
    LineForms forms;
    if (!line)
        return forms;
    const WorkingPart lineName = words(QStringLiteral("Права %1").arg(index + 1));
    const auto &terms = line->terms;
    if (terms.A == 0 && terms.B == 0) {
        forms.general = { lineName, clause(u':'),
            words(QStringLiteral("двете точки съвпадат и не определят права")), lineEnd() };
        return forms;
    }
    if (const auto equation = generalEquation(terms.A, terms.B, terms.C))
        forms.general = Working { lineName, clause(u':') } + *equation + Working { lineEnd() };
    if (line->verticalX) {
        if (const auto x = exactNumber(*line->verticalX))
            forms.slope = { name(QStringLiteral("x")), relation(Relation::Equals), number(*x),
                clause(u':'), words(QStringLiteral("няма ъглов коефициент")), lineEnd() };
        return forms;
    }
    const auto equation = slopeIntercept(*line->k, *line->b);
    const auto intercept = exactNumber(*line->b);
    if (equation && intercept)
        forms.slope = *equation
            + Working { clause(u','), name(QStringLiteral("b")), relation(Relation::Equals),
                  number(*intercept), lineEnd() };
    return forms;
}

WorkingPart indexed(const char *letter, int line)
{
    return name(QString::fromLatin1(letter), QString::number(line + 1));
}

WorkingPart point(const char *letter, int which)
{
    return name(QString::fromLatin1(letter), QString::number(which));
}

} // namespace

std::array<Working, kLineResultCount> lineFormulas(int line)
{
    const WorkingPart equals = relation(Relation::Equals);
    const WorkingPart minus = op(Operator::Minus);
    const WorkingPart times = op(Operator::Times);
    return {
        Working { indexed("A", line), equals, point("y", 1), minus, point("y", 2) },
        Working { indexed("B", line), equals, point("x", 2), minus, point("x", 1) },
        Working { indexed("C", line), equals, point("x", 1), times, point("y", 2), minus,
            point("x", 2), times, point("y", 1) },
        Working { indexed("k", line), equals, group({ point("y", 2), minus, point("y", 1) }),
            op(Operator::Divide), group({ point("x", 2), minus, point("x", 1) }) },
    };
}

std::array<Working, kLineResultCount> explainLine(const Calculation &calculation, int index)
{
    std::array<Working, kLineResultCount> out = lineFormulas(index);
    const LineCalculation &line = calculation.line(index);
    const ExactCalculation *exact = calculation.exact();
    const ExactLineCalculation *exactLine = exact ? &exact->lines[index] : nullptr;
    const auto input = [&](LineInput which) {
        const InputReading &reading = line.input(which);
        return FormulaNumber { reading.number,
            exactLine ? &exactLine->inputs[int(which)] : nullptr };
    };
    const auto term = [&](double value, ExactNumber LineTerms<ExactNumber>::*member) {
        return FormulaNumber { value, exactLine ? &(exactLine->terms.*member) : nullptr };
    };
    const FormulaNumber x1 = input(LineInput::X1), y1 = input(LineInput::Y1),
                        x2 = input(LineInput::X2), y2 = input(LineInput::Y2);
    const LineTerms<double> &t = line.terms;
    using Exact = LineTerms<ExactNumber>;
    const FormulaNumber A = term(t.A, &Exact::A), B = term(t.B, &Exact::B),
                        C = term(t.C, &Exact::C);
    const LineForms forms = formsOf(exactLine, index);
    const WorkingPart equals = relation(Relation::Equals);
    const WorkingPart minus = op(Operator::Minus);
    const WorkingPart times = op(Operator::Times);

    Working &workingA = out[int(LineResult::A)];
    Working &workingB = out[int(LineResult::B)];
    Working &workingC = out[int(LineResult::C)];
    Working &workingK = out[int(LineResult::K)];
    workingA = forms.general + workingA + Working { equals, number(y1), minus, operand(y2) }
        + outcome(t.A, A.exact);
    workingB = forms.general + workingB + Working { equals, number(x2), minus, operand(x1) }
        + outcome(t.B, B.exact);
    workingC = forms.general + workingC
        + Working { equals, number(x1), times, operand(y2), minus, operand(x2), times, operand(y1),
              equals, number(term(t.x1y2, &Exact::x1y2)), minus,
              operand(term(t.x2y1, &Exact::x2y1)) }
        + outcome(t.C, C.exact);
    const WorkingPart slope = working::number(result(line.k));
    if (t.B != 0.0) {
        const FormulaNumber rise = term(t.rise, &Exact::rise);
        const ExactNumber *k = exactLine && exactLine->k ? &*exactLine->k : nullptr;
        // "−11 / 3" and its fraction "−11/3" say the same: the fraction alone.
        Working quotient { equals, number(rise), op(Operator::Divide), operand(B) };
        const auto fraction = k ? fractionNumber(*k) : std::nullopt;
        QString compact = writtenText(quotient);
        compact.remove(u' ').remove(u'(').remove(u')');
        if (fraction && compact == u'=' + writtenText({ working::number(*fraction) }))
            quotient.clear();
        workingK = forms.slope + workingK
            + Working { equals, group({ number(y2), minus, operand(y1) }), op(Operator::Divide),
                  group({ number(x2), minus, operand(x1) }) }
            + quotient + outcome(line.k, k);
    } else if (t.A == 0.0) {
        workingK += Working { lineEnd(), point("x", 1), equals, point("x", 2), equals, number(x1),
            words(QStringLiteral("и")), point("y", 1), equals, point("y", 2), equals, number(y1),
            clause(u':'), words(QStringLiteral("двете точки съвпадат и не определят права")),
            clause(u';'), words(QStringLiteral("показва се")), slope };
    } else {
        workingK = forms.slope + workingK
            + Working { lineEnd(), point("x", 1), equals, point("x", 2), equals, number(x1),
                  clause(u':'),
                  words(QStringLiteral("правата е вертикална, няма ъглов коефициент")),
                  clause(u';'), words(QStringLiteral("показва се")), slope };
    }
    return out;
}
