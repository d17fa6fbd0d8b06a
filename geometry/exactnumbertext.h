#pragma once

#include "geometry/exactnumber.h"

#include <QString>

#include <optional>

// Texts of exact values for the explanations, with a true minus sign (−).
// Numerator and denominator longer than this are left unwritten.
inline constexpr int kFractionDigits = 12;

// The reduced fraction, sign in front ("−11/3"), or a whole number ("2");
// nothing when numerator or denominator has more than kFractionDigits digits.
std::optional<QString> fractionText(const ExactNumber &value);

// The value as a student writes it: a decimal of at most 15 significant
// digits in the locale's form ("0.03", "1,080"), else the fraction; nothing
// when neither is short.
std::optional<QString> exactText(const ExactNumber &value);

// A line's general equation, "−2x + y − 1 = 0": a coefficient 1 written as
// "x", zero terms left out, fractions in parentheses before a letter.
std::optional<QString> generalEquationText(
    const ExactNumber &A, const ExactNumber &B, const ExactNumber &C);

// The slope-intercept form "y = 2x + 1".
std::optional<QString> slopeInterceptText(const ExactNumber &k, const ExactNumber &b);
