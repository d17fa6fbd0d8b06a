#pragma once

#include "explanations/working.h"
#include "geometry/exactnumber.h"

#include <QString>

#include <optional>

// How the explanations write the numbers the program computed with, with a
// true minus sign (−) and the default locale's separators and grouping.

// A field's or a number's text with its hyphen-minus made a true minus sign.
QString withMinusSign(QString text);

// A double in its shortest exact form ("2,790", "0.1", "1e+300"); the
// infinities as ∞, a NaN as undefined.
QString computedNumber(double value);

// Numerator and denominator longer than this are left unwritten.
inline constexpr int kFractionDigits = 12;

// The reduced fraction ("−11/3"), or a whole number ("2"); nothing when
// numerator or denominator has more than kFractionDigits digits.
std::optional<WorkingNumber> fractionNumber(const ExactNumber &value);

// The value as a student writes it: a decimal of at most 15 significant
// digits ("0.03", "1,080"), else the fraction; nothing when neither is short.
std::optional<WorkingNumber> exactNumber(const ExactNumber &value);

// A number of the calculation: its exact value as a student writes it where
// there is one and it is short, else the double the program computed with,
// which is then only approximately the number.
WorkingNumber shownNumber(double value, const ExactNumber *exact);
WorkingNumber shownNumber(const ExactNumber &exact);
