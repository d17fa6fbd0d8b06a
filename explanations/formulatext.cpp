#include "explanations/formulatext.h"

#include "explanations/numbertext.h"
#include "geometry/numberformat.h"

#include <cmath>

QString number(const FormulaNumber &value)
{
    const ShownNumber shown = shownNumber(value.value, value.exact);
    return shown.approximate ? QStringLiteral("≈") + shown.text : shown.text;
}

QString operand(const FormulaNumber &value)
{
    const QString text = number(value);
    const bool negative = value.exact ? *value.exact < 0 : value.value < 0;
    return negative || text.contains(u'/') ? QStringLiteral("(%1)").arg(text) : text;
}

QString outcome(double shown, const ExactNumber *exact)
{
    if (!std::isfinite(shown))
        return QStringLiteral(" = %1: резултатът е извън обхвата на числата")
                   .arg(computedNumber(shown))
            + kFieldStaysEmpty;
    const QString field = withMinusSign(FormatResult(shown));
    if (exact && boost::multiprecision::denominator(*exact) != 1)
        if (const auto fraction = fractionText(*exact))
            return QStringLiteral(" = %1 ≈ %2").arg(*fraction, field);
    return QStringLiteral(" = ") + field;
}
