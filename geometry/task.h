#pragma once

#include <array>

// The task's data: two lines, each given by two points; for each line the
// coefficients A, B, C of its general equation and its slope k; and the point
// where the lines cross. Lines are numbered 0 and 1 here and "1" and "2" in
// every text a user reads. An input is named by its line and LineInput, a
// result by its line and LineResult, the crossing by CrossingCoordinate.

inline constexpr int kLineCount = 2;

// A line's inputs, in the order they are typed: x and y of its first point,
// then of its second.
enum class LineInput { X1, Y1, X2, Y2 };
inline constexpr int kLineInputCount = 4;

// What Calculate works out for each line.
enum class LineResult { A, B, C, K };
inline constexpr int kLineResultCount = 4;

enum class CrossingCoordinate { X, Y };

struct InputName
{
    int line = 0;
    LineInput input = LineInput::X1;
};

struct ResultName
{
    int line = 0;
    LineResult result = LineResult::A;
};

// Every input in the order a student reads them: line 1's x1, y1, x2, y2,
// then line 2's.
inline constexpr std::array<InputName, kLineCount *kLineInputCount> kEveryInput = [] {
    std::array<InputName, kLineCount * kLineInputCount> names {};
    for (int line = 0; line < kLineCount; ++line)
        for (int input = 0; input < kLineInputCount; ++input)
            names[line * kLineInputCount + input] = { line, LineInput(input) };
    return names;
}();

// Every result in the order Calculate works them out: line 1's A, B, C, k,
// then line 2's.
inline constexpr std::array<ResultName, kLineCount *kLineResultCount> kEveryResult = [] {
    std::array<ResultName, kLineCount * kLineResultCount> names {};
    for (int line = 0; line < kLineCount; ++line)
        for (int result = 0; result < kLineResultCount; ++result)
            names[line * kLineResultCount + result] = { line, LineResult(result) };
    return names;
}();

// One T for each input, reached by the input's name.
template <typename T> struct PerInput
{
    std::array<std::array<T, kLineInputCount>, kLineCount> lines {};

    T &operator[](InputName name) { return lines[name.line][int(name.input)]; }
    const T &operator[](InputName name) const { return lines[name.line][int(name.input)]; }
};

// One T for each result of the lines, reached by the result's name.
template <typename T> struct PerResult
{
    std::array<std::array<T, kLineResultCount>, kLineCount> lines {};

    T &operator[](ResultName name) { return lines[name.line][int(name.result)]; }
    const T &operator[](ResultName name) const { return lines[name.line][int(name.result)]; }
};

// One of the four points: the first or second (point 0 or 1) of line 0 or 1.
struct PointSlot
{
    int line = 0;
    int point = 0;
    constexpr InputName x() const { return { line, point == 0 ? LineInput::X1 : LineInput::X2 }; }
    constexpr InputName y() const { return { line, point == 0 ? LineInput::Y1 : LineInput::Y2 }; }
};

// The order in which presses on the canvas fill the points.
inline constexpr std::array<PointSlot, 4> kCaptureOrder { { { 0, 0 }, { 0, 1 }, { 1, 0 },
    { 1, 1 } } };
