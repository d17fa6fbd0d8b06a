#pragma once

#include <QString>

#include <array>

// The task's data: two lines, each given by two points; for each line the
// coefficients A, B, C of its general equation and its slope k; and the point
// where the lines cross. Lines are numbered 0 and 1 here and "1" and "2" in
// every text a user reads.

inline constexpr int kLineCount = 2;

// A line's inputs, in the order they are typed: x and y of its first point,
// then of its second.
enum class LineInput { X1, Y1, X2, Y2 };
inline constexpr int kLineInputCount = 4;

// What Calculate works out for each line.
enum class LineResult { A, B, C, K };
inline constexpr int kLineResultCount = 4;

enum class CrossingCoordinate { X, Y };

// All eight inputs in one row, line 0's four and then line 1's.
inline constexpr int kInputCount = kLineCount * kLineInputCount;

constexpr int inputPosition(int line, LineInput input)
{
    return line * kLineInputCount + int(input);
}

// One of the four points: the first or second (point 0 or 1) of line 0 or 1.
struct PointSlot
{
    int line = 0;
    int point = 0;
    constexpr LineInput x() const { return point == 0 ? LineInput::X1 : LineInput::X2; }
    constexpr LineInput y() const { return point == 0 ? LineInput::Y1 : LineInput::Y2; }
};

// The order in which presses on the canvas fill the points.
inline constexpr std::array<PointSlot, 4> kCaptureOrder { { { 0, 0 }, { 0, 1 }, { 1, 0 },
    { 1, 1 } } };

// What one Calculate read from the eight inputs: the texts as they stood and
// the numbers the leading-number rule made of them, in inputPosition order.
struct CalculationInputs
{
    std::array<QString, kInputCount> texts;
    std::array<double, kInputCount> numbers {};
};
