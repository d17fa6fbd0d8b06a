#pragma once

#include <QStringView>

#include <boost/multiprecision/cpp_int.hpp>

#include <optional>

// A rational number of any size: 0.1 is exactly 1/10 here.
using ExactNumber = boost::multiprecision::cpp_rational;

// The exact value of the number the leading-number rule reads from the text
// (see ReadNumber): the decimal as typed, not its nearest double, and the
// integer after "&H" or "&O". Nothing where the number is beyond the double
// range: where ReadNumber gives an infinity, or 0 for a number that is not 0
// (too small for any double, below about 4.9e-324).
std::optional<ExactNumber> readExactNumber(QStringView text);
