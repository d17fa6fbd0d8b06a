#pragma once

#include "geometry/exactnumber.h"
#include "geometry/lineequation.h"

#include <QString>

#include <array>
#include <optional>

// A·x + B·y + C = 0 through two points, by the same formulas as lineThrough
// but without rounding: A = y1 - y2, B = x2 - x1, C = x1·y2 - x2·y1.
struct ExactLine
{
    ExactNumber A, B, C;
};

struct ExactPoint
{
    ExactNumber x, y;
};

ExactLine exactLineThrough(const ExactPoint &first, const ExactPoint &second);

// How two lines lie: the task text's "пресичат се", "успоредни", "съвпадат";
// NoLine when either line was given by two equal points.
enum class RelativePosition { Crossing, Parallel, Coinciding, NoLine };

RelativePosition positionOf(const ExactLine &first, const ExactLine &second);

// Cramer's rule, for lines that cross.
ExactPoint exactCrossingOf(const ExactLine &first, const ExactLine &second);

// The eight inputs, x1 y1 x2 y2 of line 1 then of line 2, read exactly;
// nothing when any of them is beyond the double range.
std::optional<std::array<ExactNumber, 8>> readExactInputs(const std::array<QString, 8> &texts);

// The nearest double, or an infinity beyond the double range.
double toDouble(const ExactNumber &value);

// The crossing Calculate shows. Whether the lines cross is decided exactly on
// the numbers as typed, so that decimals like 0.1, which no double holds,
// cannot make parallel lines cross far away; the point is the exact one,
// rounded to doubles at the end. Where an input is beyond the double range
// the double formulas of intersectionOf decide. Nothing either way when a
// coordinate is beyond the double range.
std::optional<PlanePoint> crossingOf(
    const std::array<QString, 8> &texts, const LineEquation &first, const LineEquation &second);
