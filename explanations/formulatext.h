#pragma once

#include "explanations/working.h"
#include "geometry/exactnumber.h"

// A number put into a formula: the double the program computed with and,
// where the calculation has one, its exact value.
struct FormulaNumber
{
    double value = 0.0;
    const ExactNumber *exact = nullptr;
};

// The exact value as a student writes it where that is short, else "≈" and
// the double.
WorkingPart number(const FormulaNumber &value);

// After an operator, a negative number or a fraction goes in parentheses.
WorkingPart operand(const FormulaNumber &value);

// The end of a result's formula: the result as its field shows it, after the
// exact fraction where the result is not whole; or, when the field stays
// empty, the value and why.
Working outcome(double shown, const ExactNumber *exact = nullptr);

// "= 2", or "≈ 2" where the exact value would be a wall of digits.
Working equalsValue(const ExactNumber &value);

// The words that end the explanation of a field that stays empty.
Working fieldStaysEmpty();
