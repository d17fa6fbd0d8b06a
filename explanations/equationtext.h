#pragma once

#include "explanations/working.h"
#include "geometry/exactnumber.h"

#include <optional>

// A line's general equation, "−2x + y − 1 = 0": a coefficient 1 written as
// "x", zero terms left out, fractions in parentheses before a letter; nothing
// where a coefficient would be a wall of digits.
std::optional<Working> generalEquation(
    const ExactNumber &A, const ExactNumber &B, const ExactNumber &C);

// The slope-intercept form "y = 2x + 1".
std::optional<Working> slopeIntercept(const ExactNumber &k, const ExactNumber &b);
