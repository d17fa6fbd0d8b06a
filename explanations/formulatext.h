#pragma once

#include "geometry/exactnumber.h"

#include <QString>

#include <optional>

// A number put into a formula: the double the program computed with and,
// where the calculation has one, its exact value.
struct FormulaNumber
{
    double value = 0.0;
    const ExactNumber *exact = nullptr;
};

// The exact value as a student writes it where that is short, else "≈" and
// the double.
QString number(const FormulaNumber &value);

// After an operator, a negative number or a fraction goes in parentheses.
QString operand(const FormulaNumber &value);

// The end of a result's formula: the result as its field shows it, after the
// exact fraction where the result is not whole; or, when the field stays
// empty, the value and why.
QString outcome(double shown, const ExactNumber *exact = nullptr);

// The words that end the explanation of a field that stays empty.
inline const QString kFieldStaysEmpty = QStringLiteral("; полето остава празно");
