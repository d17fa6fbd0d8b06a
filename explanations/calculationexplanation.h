#pragma once

#include "explanations/working.h"
#include "geometry/calculation.h"

#include <array>

// The explanation of one Calculate, per line and for the crossing: for each
// input its role and how its text was read, for each result its formula, the
// numbers put into it and the result as its field shows it, or why the field
// is empty or shows the fixed slope. Before any Calculate, or after Clear:
// each input's role and each result's formula alone. Numbers follow the
// default QLocale like the fields.
struct CalculationExplanation
{
    PerInput<Working> inputs;
    PerResult<Working> results;
    std::array<Working, 2> crossing; // by CrossingCoordinate

    const Working &of(CrossingCoordinate which) const { return crossing[int(which)]; }
};

// CALCULATION null: nothing calculated.
CalculationExplanation explainCalculation(const Calculation *calculation);
// The same without the inputs, for a view that explains them as they are now.
CalculationExplanation explainResults(const Calculation *calculation);
