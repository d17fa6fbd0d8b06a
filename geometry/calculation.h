#pragma once

#include "geometry/exactcalculation.h"
#include "geometry/formulas.h"
#include "geometry/numberreading.h"
#include "geometry/task.h"

#include <QString>

#include <array>
#include <optional>

// One line of a Calculate: its four inputs as read, and its coefficients and
// slope as the double formulas give them, which the fields show.
struct LineCalculation
{
    std::array<InputReading, kLineInputCount> inputs; // by LineInput
    LineTerms<double> terms;
    double k = 0.0; // (y2 - y1) / B, or VerticalSlope where B is 0

    const InputReading &input(LineInput which) const { return inputs[int(which)]; }
    double result(LineResult which) const;
    // Two equal points, as doubles: A = B = 0.
    bool hasEqualPoints() const { return terms.A == 0.0 && terms.B == 0.0; }
};

// One Calculate: the eight inputs read once, each line's results, how the
// lines lie and where they cross. Whether they cross is decided exactly on
// the numbers as typed, so that decimals like 0.1, which no double holds,
// cannot make parallel lines cross far away; where an input is beyond the
// double range, the double formulas decide.
class Calculation
{
public:
    explicit Calculation(const PerInput<QString> &texts);

    const InputReading &input(InputName name) const { return m_lines[name.line].input(name.input); }
    const LineCalculation &line(int index) const { return m_lines[index]; }
    double result(ResultName name) const { return m_lines[name.line].result(name.result); }
    const CramerTerms<double> &cramer() const { return m_cramer; }
    RelativePosition position() const { return m_position; }
    // Xt and Yt where the lines cross: the exact point rounded to doubles, or
    // the double quotients where those decide; possibly beyond the range.
    double crossing(CrossingCoordinate which) const { return m_crossing[int(which)]; }
    // The point the fields show and the canvas marks: where the lines cross
    // and both coordinates are finite.
    std::optional<PlanePoint> point() const;

    // The exact side, where every input has an exact value; nothing
    // otherwise. In whole numbers it is worked out at once where it decides
    // the crossing, and the first time it is asked for where the doubles are
    // already exact (small whole numbers, such as every clicked point); as
    // rationals, only when asked for.
    const ScaledCalculation *scaled() const;
    const ExactCalculation *exact() const;

private:
    std::array<LineCalculation, kLineCount> m_lines;
    CramerTerms<double> m_cramer;
    RelativePosition m_position = RelativePosition::NoLine;
    std::array<double, 2> m_crossing {};
    bool m_hasExact = false;
    mutable std::optional<ScaledCalculation> m_scaled;
    mutable std::optional<ExactCalculation> m_exact;
};
