#pragma once

#include <QStringView>

#include <string>

// The number at the start of a field's text as the leading-number rule finds
// it, spelled in plain ASCII so that both the double reading and the exact
// reading convert the same characters.
struct LeadingNumber
{
    // 10: a decimal number ready for strtod ("-12.5e-3"), or empty when the
    // text does not start with one. 16 or 8: the digits after "&H" or "&O",
    // possibly none.
    int radix = 10;
    std::string spelling;

    // A whole number of at most five decimal digits (or four hex, five octal):
    // every product and sum that the line and crossing formulas make of such
    // numbers stays below 2^53, so doubles compute them exactly.
    bool isSmallInteger() const;
};

// Blanks, tabs and line feeds are dropped wherever they stand; the period is
// the only decimal separator; an exponent counts only with a digit after it.
LeadingNumber scanLeadingNumber(QStringView text);
