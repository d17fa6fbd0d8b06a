#pragma once

#include "geometry/leadingnumber.h"

// Boost's rationals include <iostream>, whose static initialiser in every
// file that includes it (libstdc++ before GCC 13) sets up cin, cout and their
// locales at start-up: some 300 KiB of resident memory for streams the program
// never uses. The rationals themselves need only istream and ostream.
#include <istream>
#include <ostream>
#if defined(__GLIBCXX__) && !defined(_GLIBCXX_IOSTREAM)
#define _GLIBCXX_IOSTREAM
#define VERTISEL_IOSTREAM_LEFT_OUT
#endif
#include <boost/multiprecision/cpp_int.hpp>
#ifdef VERTISEL_IOSTREAM_LEFT_OUT
#undef _GLIBCXX_IOSTREAM
#undef VERTISEL_IOSTREAM_LEFT_OUT
#endif

#include <optional>

// A rational number of any size: 0.1 is exactly 1/10 here.
using ExactNumber = boost::multiprecision::cpp_rational;

// A number exactly as typed, DIGITS / 10^SCALE, with no fraction reduced:
// whole numbers ("12", "1e30", the integer after "&H") have scale 0. Sums and
// products of such numbers over one power of ten stay whole numbers.
struct TypedValue
{
    boost::multiprecision::cpp_int digits;
    unsigned scale = 0;

    ExactNumber rational() const;
};

// The exact value of a scanned number whose double is ROUNDED: the decimal as
// typed, not its nearest double, and the integer after "&H" or "&O". Nothing
// where the number is beyond the double range: where the double is an
// infinity, or 0 for a number that is not 0 (too small for any double, below
// about 4.9e-324).
std::optional<TypedValue> exactValueOf(const LeadingNumber &number, double rounded);

// 10^EXPONENT.
boost::multiprecision::cpp_int powerOfTen(unsigned exponent);

// The nearest double, or an infinity beyond the double range.
double toDouble(const ExactNumber &value);
