#pragma once

#include <QString>

// Texts written into the fields. They follow the default QLocale() at the
// moment of the call for separators, signs and digit grouping, so a program
// that pins the locale pins the texts; the digits are always 0 to 9, the only
// ones the leading-number rule reads back.

// A result with exactly four decimals, the locale's separators and digit
// grouping ("1,080.0000" in United States English). A value that rounds to
// zero shows no minus sign; a value that is not a finite number shows as the
// empty text.
QString FormatResult(double value);

// A clicked canvas coordinate: at most 7 significant digits, no grouping, no
// trailing zeros, the locale's decimal separator for a fraction.
QString CoordinateText(float value);

// A number in its shortest exact form, grouped like a result ("2,790",
// "0.1", "1e+300"): how a value the program computed with is quoted.
QString numberText(double value);
