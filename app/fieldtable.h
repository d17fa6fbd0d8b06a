#pragma once

#include "geometry/task.h"

#include <array>

// Where the task's numbers stand in the window's field table
// Text2(0)..Text2(17): line 1 in fields 0 to 6 (x1, y1, x2, y2, A, B, C) and
// its k in 16; line 2 in 7 to 13 and its k in 17; the crossing's X and Y in
// 14 and 15. The only place that knows the numbering.
namespace FieldTable {

inline constexpr int kCount = 18;

constexpr int field(InputName name)
{
    return 7 * name.line + int(name.input);
}

constexpr int field(ResultName name)
{
    return name.result == LineResult::K ? 16 + name.line : 7 * name.line + 4 + int(name.result);
}

constexpr int field(CrossingCoordinate coordinate)
{
    return 14 + int(coordinate);
}

// The input fields in the order a student reads them.
inline constexpr std::array<int, kEveryInput.size()> kInputFields = [] {
    std::array<int, kEveryInput.size()> fields {};
    for (std::size_t i = 0; i < kEveryInput.size(); ++i)
        fields[i] = field(kEveryInput[i]);
    return fields;
}();

// Every field Calculate writes: each line's A, B, C, k, then the crossing.
inline constexpr std::array<int, kEveryResult.size() + 2> kResultFields = [] {
    std::array<int, kEveryResult.size() + 2> fields {};
    for (std::size_t i = 0; i < kEveryResult.size(); ++i)
        fields[i] = field(kEveryResult[i]);
    fields[kEveryResult.size()] = field(CrossingCoordinate::X);
    fields[kEveryResult.size() + 1] = field(CrossingCoordinate::Y);
    return fields;
}();

constexpr bool isInputField(int index)
{
    for (int input : kInputFields)
        if (input == index)
            return true;
    return false;
}

} // namespace FieldTable
