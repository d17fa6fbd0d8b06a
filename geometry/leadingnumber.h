#pragma once

#include <QStringView>

#include <optional>
#include <string>

// One pass over a field's text by the leading-number rule: the number at its
// start, spelled in plain ASCII so that the double and the exact reading
// convert the same characters, and what the rest of the text holds, which
// tells a student why the text read as it did.
struct LeadingNumber
{
    // 10: a decimal number ready for strtod ("-12.5e-3"), or empty when the
    // text does not start with one. 16 or 8: the digits after "&H" or "&O",
    // possibly none.
    int radix = 10;
    std::string spelling;
    // Nothing but white space follows the number. Where the text starts with
    // white space the rule does not drop (a carriage return), the number after
    // it; the rule itself reads no number there.
    bool onlySpaceFollows = false;
    std::string afterLeadingSpace;
    // An ASCII digit stands somewhere in the text.
    bool hasDigit = false;

    // The value of a whole number of at most five decimal digits (or four
    // hex, five octal), which needs no conversion: every product and sum that
    // the line and crossing formulas make of such numbers stays below 2^53,
    // so doubles compute them exactly. The empty text is one, 0.
    std::optional<double> smallInteger;
};

// A decimal spelling's digits before any exponent are other than zeros.
bool hasNonZeroDigit(const std::string &spelling);

// Blanks, tabs and line feeds are dropped wherever they stand; the period is
// the only decimal separator; an exponent counts only with a digit after it.
LeadingNumber scanLeadingNumber(QStringView text);
