#pragma once

#include "geometry/exactnumber.h"

#include <QString>
#include <QStringView>

#include <optional>

// The leading-number rule by which every field is read: blanks, tabs and line
// feeds are dropped wherever they stand, then the longest leading number is
// taken (sign, digits, a fraction after a period, an E/e exponent), or a
// hexadecimal/octal integer after "&H"/"&O". Text without a leading number
// reads as 0. The period is the only decimal separator, whatever the locale.
// A number beyond the double range reads as plus or minus infinity; the
// result is never a NaN.
double ReadNumber(QStringView text);

// How the rule read a text, as a student is told it: the whole text was the
// number, or only its start, or it held no number at all.
enum class ReadingNote { Empty, WholeText, Hexadecimal, Octal, NoNumber, LeadingPart, BeyondRange };

// One input as read, from a single pass over its text: the number the rule
// reads (ReadNumber), its exact value where it has one (see exactValueOf).
struct InputReading
{
    QString text;
    double number = 0.0;
    std::optional<TypedValue> exact;
    ReadingNote note = ReadingNote::Empty;
    // Every formula of such numbers is exact in doubles (see smallInteger).
    bool smallInteger = true;
};

InputReading readInput(const QString &text);
