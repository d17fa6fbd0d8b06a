#include "geometry/exactline.h"

#include "geometry/leadingnumber.h"

#include <algorithm>
#include <cmath>
#include <limits>

ExactLine exactLineThrough(const ExactPoint &first, const ExactPoint &second)
{
    return { first.y - second.y, second.x - first.x, first.x * second.y - second.x * first.y };
}

RelativePosition positionOf(const ExactLine &first, const ExactLine &second)
{
    if ((first.A == 0 && first.B == 0) || (second.A == 0 && second.B == 0))
        return RelativePosition::NoLine;
    if (first.A * second.B != second.A * first.B)
        return RelativePosition::Crossing;
    // Same direction: one line when C is in the same proportion as A and B.
    if (first.A * second.C == second.A * first.C && first.B * second.C == second.B * first.C)
        return RelativePosition::Coinciding;
    return RelativePosition::Parallel;
}

ExactPoint exactCrossingOf(const ExactLine &first, const ExactLine &second)
{
    const ExactNumber d = first.A * second.B - second.A * first.B;
    return { (-first.C * second.B + second.C * first.B) / d,
        (-first.A * second.C + second.A * first.C) / d };
}

std::optional<std::array<ExactNumber, 8>> readExactInputs(const std::array<QString, 8> &texts)
{
    std::array<ExactNumber, 8> values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto value = readExactNumber(texts[i]);
        if (!value)
            return std::nullopt;
        values[i] = std::move(*value);
    }
    return values;
}

double toDouble(const ExactNumber &value)
{
    // Compared first: the conversion of a quotient past the double range is
    // not promised to saturate. Rounded to nearest, everything below the
    // halfway point 2^1024 - 2^970 between the largest double and the next
    // power of two is the largest double; from there on it is infinite.
    constexpr double largest = std::numeric_limits<double>::max();
    static const ExactNumber halfway = ExactNumber(largest) + ExactNumber(std::ldexp(1.0, 970));
    const ExactNumber size = abs(value);
    if (size >= halfway)
        return value > 0 ? std::numeric_limits<double>::infinity()
                         : -std::numeric_limits<double>::infinity();
    if (size > ExactNumber(largest))
        return value > 0 ? largest : -largest;
    return value.convert_to<double>();
}

std::optional<PlanePoint> crossingOf(
    const std::array<QString, 8> &texts, const LineEquation &first, const LineEquation &second)
{
    // Small whole numbers, like every clicked point, keep the double formulas
    // exact up to their last division, which rounds once: the same point.
    if (std::all_of(texts.cbegin(), texts.cend(),
            [](const QString &text) { return scanLeadingNumber(text).isSmallInteger(); }))
        return intersectionOf(first, second);
    const auto exact = readExactInputs(texts);
    if (!exact)
        return intersectionOf(first, second);
    const auto &v = *exact;
    const ExactLine one = exactLineThrough({ v[0], v[1] }, { v[2], v[3] });
    const ExactLine two = exactLineThrough({ v[4], v[5] }, { v[6], v[7] });
    if (positionOf(one, two) != RelativePosition::Crossing)
        return std::nullopt;
    const ExactPoint point = exactCrossingOf(one, two);
    const PlanePoint rounded { toDouble(point.x), toDouble(point.y) };
    if (!std::isfinite(rounded.x) || !std::isfinite(rounded.y))
        return std::nullopt;
    return rounded;
}
