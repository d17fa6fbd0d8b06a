#pragma once

#include <QString>

#include <array>
#include <optional>

// What one Calculate read from the eight input fields, in the order x1, y1,
// x2, y2 of line 1, then of line 2: the texts as they stood and the numbers
// the leading-number rule made of them.
struct CalculationInputs
{
    std::array<QString, 8> texts;
    std::array<double, 8> numbers {};
};

// One explanation per field, indexed like the field table Text2(0)..Text2(17).
// With inputs: how each input text was read, and for each result its formula,
// the numbers put into it and the result as the field shows it, or why the
// field is empty or shows the fixed slope. Without inputs (nothing calculated
// yet, or cleared): what each input holds, and each result's formula.
// The results are worked out by the same functions as Calculate's, so they are
// the numbers it computed; numbers follow the default QLocale like the fields.
std::array<QString, 18> ExplainFields(const std::optional<CalculationInputs> &inputs);
