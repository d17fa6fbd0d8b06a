#include "explanations/formulatext.h"

#include "explanations/numbertext.h"

#include <cmath>

using namespace working;
using Relation = WorkingPart::Relation;

WorkingPart number(const FormulaNumber &value)
{
    return working::number(shownNumber(value.value, value.exact));
}

WorkingPart operand(const FormulaNumber &value)
{
    const WorkingNumber shown = shownNumber(value.value, value.exact);
    const bool negative = value.exact ? *value.exact < 0 : value.value < 0;
    const bool fraction = shown.form == WorkingNumber::Form::Fraction && shown.denominator != 1;
    return negative || fraction ? group({ working::number(shown) }) : working::number(shown);
}

Working outcome(double shown, const ExactNumber *exact)
{
    if (!std::isfinite(shown))
        return Working { relation(Relation::Equals), working::number(shortest(shown)), clause(u':'),
            words(QStringLiteral("резултатът е извън обхвата на числата")) }
        + fieldStaysEmpty();
    if (exact && boost::multiprecision::denominator(*exact) != 1)
        if (const auto fraction = fractionNumber(*exact))
            return { relation(Relation::Equals), working::number(*fraction),
                relation(Relation::Approximately), working::number(result(shown)) };
    return { relation(Relation::Equals), working::number(result(shown)) };
}

Working equalsValue(const ExactNumber &value)
{
    WorkingNumber shown = shownNumber(value);
    const bool approximate = shown.approximate;
    shown.approximate = false;
    return { relation(approximate ? Relation::Approximately : Relation::Equals),
        working::number(shown) };
}

Working fieldStaysEmpty()
{
    return { clause(u';'), words(QStringLiteral("полето остава празно")) };
}
