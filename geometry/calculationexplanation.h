#pragma once

#include "geometry/task.h"

#include <QString>

#include <array>
#include <optional>

// The explanation of one Calculate, per line and for the crossing.
// With inputs: how each input text was read, and for each result its formula,
// the numbers put into it and the result as its field shows it, or why the
// field is empty or shows the fixed slope. Without inputs (nothing calculated
// yet, or cleared): what each input holds, and each result's formula.
// The results are worked out by the same functions as Calculate's, so they are
// the numbers it computed; numbers follow the default QLocale like the fields.
struct CalculationExplanation
{
    struct Line
    {
        std::array<QString, kLineInputCount> inputs; // by LineInput
        std::array<QString, kLineResultCount> results; // by LineResult
    };
    std::array<Line, kLineCount> lines;
    std::array<QString, 2> crossing; // by CrossingCoordinate

    const QString &input(int line, LineInput which) const { return lines[line].inputs[int(which)]; }
    const QString &result(int line, LineResult which) const
    {
        return lines[line].results[int(which)];
    }
    const QString &of(CrossingCoordinate which) const { return crossing[int(which)]; }
};

CalculationExplanation explainCalculation(const std::optional<CalculationInputs> &inputs);
