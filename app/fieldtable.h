#pragma once

#include "geometry/task.h"

#include <array>

// Where the task's numbers stand in the window's field table
// Text2(0)..Text2(17): line 1 in fields 0 to 6 (x1, y1, x2, y2, A, B, C) and
// its k in 16; line 2 in 7 to 13 and its k in 17; the crossing's X and Y in
// 14 and 15. The only place that knows the numbering.

inline constexpr int kFieldCount = 18;

constexpr int inputField(int line, LineInput input)
{
    return 7 * line + int(input);
}

constexpr int resultField(int line, LineResult result)
{
    return result == LineResult::K ? 16 + line : 7 * line + 4 + int(result);
}

constexpr int crossingField(CrossingCoordinate coordinate)
{
    return 14 + int(coordinate);
}

// The input fields in inputPosition order.
inline constexpr std::array<int, kInputCount> kInputFields = [] {
    std::array<int, kInputCount> fields {};
    for (int line = 0; line < kLineCount; ++line)
        for (int input = 0; input < kLineInputCount; ++input)
            fields[inputPosition(line, LineInput(input))] = inputField(line, LineInput(input));
    return fields;
}();

// Every field Calculate writes: each line's A, B, C, k, then the crossing.
inline constexpr std::array<int, 2 *kLineResultCount + 2> kResultFields = [] {
    std::array<int, 2 * kLineResultCount + 2> fields {};
    int next = 0;
    for (int line = 0; line < kLineCount; ++line)
        for (int result = 0; result < kLineResultCount; ++result)
            fields[next++] = resultField(line, LineResult(result));
    fields[next++] = crossingField(CrossingCoordinate::X);
    fields[next] = crossingField(CrossingCoordinate::Y);
    return fields;
}();

constexpr bool isInputField(int field)
{
    for (int input : kInputFields)
        if (input == field)
            return true;
    return false;
}
