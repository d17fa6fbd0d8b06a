#pragma once

#include <QStringView>

// The leading-number rule by which every field is read: blanks, tabs and line
// feeds are dropped wherever they stand, then the longest leading number is
// taken (sign, digits, a fraction after a period, an E/e exponent), or a
// hexadecimal/octal integer after "&H"/"&O". Text without a leading number
// reads as 0. The period is the only decimal separator, whatever the locale.
// A number beyond the double range reads as plus or minus infinity; the
// result is never a NaN.
double ReadNumber(QStringView text);
