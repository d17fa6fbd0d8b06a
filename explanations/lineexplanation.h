#pragma once

#include "explanations/working.h"
#include "geometry/calculation.h"

#include <array>

// A, B, C and k of one line (0 or 1) as formulas only: "A1 = y1 − y2".
std::array<Working, kLineResultCount> lineFormulas(int line);

// A, B, C and k of one line of a Calculate, by LineResult: the line's
// equations from the numbers as typed where it has them, then each formula
// with the numbers put into it and the result as its field shows it, or why
// the field shows the fixed slope.
std::array<Working, kLineResultCount> explainLine(const Calculation &calculation, int line);
