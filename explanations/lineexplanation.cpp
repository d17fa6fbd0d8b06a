#include "explanations/lineexplanation.h"

#include "explanations/equationtext.h"
#include "explanations/formulatext.h"
#include "explanations/numbertext.h"
#include "geometry/numberformat.h"

namespace {

// The line's equations, as the first lines of its A, B, C and k explanations;
// nothing where an input is beyond the double range or a number would be a
// wall of digits.
struct LineForms
{
    QString general; // "Права 1: −2x + y − 1 = 0"
    QString slope; // "y = 2x + 1, b = 1" or "x = 5: няма ъглов коефициент"
};

LineForms formsOf(const ExactLineCalculation *line, const QString &n)
{
    LineForms forms;
    if (!line)
        return forms;
    const auto &terms = line->terms;
    if (terms.A == 0 && terms.B == 0) {
        forms.general =
            QStringLiteral("Права %1: двете точки съвпадат и не определят права\n").arg(n);
        return forms;
    }
    if (const auto equation = generalEquationText(terms.A, terms.B, terms.C))
        forms.general = QStringLiteral("Права %1: %2\n").arg(n, *equation);
    if (line->verticalX) {
        if (const auto x = exactText(*line->verticalX))
            forms.slope = QStringLiteral("x = %1: няма ъглов коефициент\n").arg(*x);
        return forms;
    }
    const auto equation = slopeInterceptText(*line->k, *line->b);
    const auto intercept = exactText(*line->b);
    if (equation && intercept)
        forms.slope = QStringLiteral("%1, b = %2\n").arg(*equation, *intercept);
    return forms;
}

} // namespace

std::array<QString, kLineResultCount> lineFormulas(int line)
{
    const QString n = QString::number(line + 1);
    return { QStringLiteral("A%1 = y1 − y2").arg(n), QStringLiteral("B%1 = x2 − x1").arg(n),
        QStringLiteral("C%1 = x1·y2 − x2·y1").arg(n),
        QStringLiteral("k%1 = (y2 − y1) / (x2 − x1)").arg(n) };
}

std::array<QString, kLineResultCount> explainLine(const Calculation &calculation, int index)
{
    std::array<QString, kLineResultCount> out = lineFormulas(index);
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
    const LineForms forms = formsOf(exactLine, QString::number(index + 1));

    QString &textA = out[int(LineResult::A)];
    QString &textB = out[int(LineResult::B)];
    QString &textC = out[int(LineResult::C)];
    QString &textK = out[int(LineResult::K)];
    textA = forms.general + textA + QStringLiteral(" = %1 − %2").arg(number(y1), operand(y2))
        + outcome(t.A, A.exact);
    textB = forms.general + textB + QStringLiteral(" = %1 − %2").arg(number(x2), operand(x1))
        + outcome(t.B, B.exact);
    textC = forms.general + textC
        + QStringLiteral(" = %1·%2 − %3·%4 = %5 − %6")
              .arg(number(x1), operand(y2), operand(x2), operand(y1),
                  number(term(t.x1y2, &Exact::x1y2)), operand(term(t.x2y1, &Exact::x2y1)))
        + outcome(t.C, C.exact);
    const QString slope = withMinusSign(FormatResult(line.k));
    if (t.B != 0.0) {
        const FormulaNumber rise = term(t.rise, &Exact::rise);
        const ExactNumber *k = exactLine && exactLine->k ? &*exactLine->k : nullptr;
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
    } else if (t.A == 0.0) {
        textK += QStringLiteral("\nx1 = x2 = %1 и y1 = y2 = %2: двете точки съвпадат и не "
                                "определят права; показва се %3")
                     .arg(number(x1), number(y1), slope);
    } else {
        textK = forms.slope + textK
            + QStringLiteral(
                "\nx1 = x2 = %1: правата е вертикална, няма ъглов коефициент; показва се %2")
                  .arg(number(x1), slope);
    }
    return out;
}
