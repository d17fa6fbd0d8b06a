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

// Where a name stands among its line's inputs or results.
constexpr int partOf(InputName name)
{
    return int(name.input);
}

constexpr int partOf(ResultName name)
{
    return int(name.result);
}

// Every name of one kind in the order a student reads them: line 1's, then
// line 2's, each line's in the order of its enumeration.
template <typename Name, typename Part, int kParts>
constexpr std::array<Name, kLineCount * kParts> everyName()
{
    std::array<Name, kLineCount * kParts> names {};
    for (int line = 0; line < kLineCount; ++line)
        for (int part = 0; part < kParts; ++part)
            names[line * kParts + part] = { line, Part(part) };
    return names;
}

inline constexpr auto kEveryInput = everyName<InputName, LineInput, kLineInputCount>();
inline constexpr auto kEveryResult = everyName<ResultName, LineResult, kLineResultCount>();

// One T for each input or each result, reached by its name.
template <typename T, typename Name, int kParts> struct PerName
{
    std::array<std::array<T, kParts>, kLineCount> lines {};

    T &operator[](Name name) { return lines[name.line][partOf(name)]; }
    const T &operator[](Name name) const { return lines[name.line][partOf(name)]; }
};

template <typename T> using PerInput = PerName<T, InputName, kLineInputCount>;
template <typename T> using PerResult = PerName<T, ResultName, kLineResultCount>;

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
