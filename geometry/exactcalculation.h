#pragma once

#include "geometry/exactnumber.h"
#include "geometry/formulas.h"
#include "geometry/task.h"

#include <array>
#include <optional>

// How two lines lie: the task text's "пресичат се", "успоредни", "съвпадат";
// NoLine when either line was given by two equal points; BeyondRange when,
// with the double formulas deciding, a coefficient is beyond the double range.
enum class RelativePosition { Crossing, Parallel, Coinciding, NoLine, BeyondRange };

// The exact side in whole numbers: every input as N / T for one power of ten
// T, so that the formulas reduce no fraction on the way. Scaled so, a line's
// A, B and rise are multiplied by T, its C and C's products by T²; Cramer's
// A1·B2, A2·B1 and D by T², the products of the numerators by T³.
struct ScaledCalculation
{
    PerInput<boost::multiprecision::cpp_int> inputs; // N
    unsigned scale = 0; // T = 10^scale
    std::array<LineTerms<boost::multiprecision::cpp_int>, kLineCount> lines;
    CramerTerms<boost::multiprecision::cpp_int> cramer;
    RelativePosition position = RelativePosition::NoLine; // never BeyondRange
    std::array<ExactNumber, 2> crossing; // by CrossingCoordinate, where the lines cross
};

// The task's formulas in whole numbers of the inputs' exact values.
ScaledCalculation scaledCalculationOf(const PerInput<const TypedValue *> &inputs);

// A line in exact numbers, with its slope-intercept form y = kx + b where it
// has one, and x = … where it is vertical (and is a line).
struct ExactLineCalculation
{
    std::array<ExactNumber, kLineInputCount> inputs; // by LineInput
    LineTerms<ExactNumber> terms;
    std::optional<ExactNumber> k, b, verticalX;
};

// The whole Calculate in exact rationals, as the explanations show it.
struct ExactCalculation
{
    std::array<ExactLineCalculation, kLineCount> lines;
    CramerTerms<ExactNumber> cramer;
    RelativePosition position = RelativePosition::NoLine; // never BeyondRange
    std::array<ExactNumber, 2> crossing; // by CrossingCoordinate, where the lines cross
};

// The scaled numbers divided by their powers of T.
ExactCalculation exactCalculationOf(const ScaledCalculation &scaled);
