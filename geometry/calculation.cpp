#include "geometry/calculation.h"

#include <algorithm>
#include <cmath>

namespace {

// How lines lie whose A1·B2 and A2·B1 the double formulas found equal, or
// that were given by equal points. Coinciding is told from parallel by the
// equations themselves, unless a coefficient is beyond the double range.
RelativePosition positionWithoutCrossing(
    const LineTerms<double> &first, const LineTerms<double> &second, double a1b2)
{
    if ((first.A == 0.0 && first.B == 0.0) || (second.A == 0.0 && second.B == 0.0))
        return RelativePosition::NoLine;
    const double coefficients[] = { first.A, first.B, first.C, second.A, second.B, second.C, a1b2 };
    if (!std::all_of(std::begin(coefficients), std::end(coefficients),
            [](double v) { return std::isfinite(v); }))
        return RelativePosition::BeyondRange;
    return coincide(first, second) ? RelativePosition::Coinciding : RelativePosition::Parallel;
}

} // namespace

double LineCalculation::result(LineResult which) const
{
    switch (which) {
    case LineResult::A:
        return terms.A;
    case LineResult::B:
        return terms.B;
    case LineResult::C:
        return terms.C;
    case LineResult::K:
        return k;
    }
    return 0.0;
}

Calculation::Calculation(const PerInput<QString> &texts)
{
    bool smallIntegers = true;
    m_hasExact = true;
    for (int i = 0; i < kLineCount; ++i) {
        LineCalculation &line = m_lines[i];
        for (int input = 0; input < kLineInputCount; ++input) {
            line.inputs[input] = readInput(texts.lines[i][input]);
            smallIntegers = smallIntegers && line.inputs[input].smallInteger;
            m_hasExact = m_hasExact && line.inputs[input].exact.has_value();
        }
        const auto number = [&](LineInput input) { return line.input(input).number; };
        line.terms = lineThrough(number(LineInput::X1), number(LineInput::Y1),
            number(LineInput::X2), number(LineInput::Y2));
        line.k = line.terms.B != 0.0 ? line.terms.rise / line.terms.B : VerticalSlope;
    }
    m_cramer = cramerTerms(m_lines[0].terms, m_lines[1].terms);

    // Small whole numbers keep the double formulas exact up to their last
    // division, which rounds once: the exact decision and the same point.
    if (m_hasExact && !smallIntegers) {
        const ScaledCalculation &exact = *scaled();
        m_position = exact.position;
        if (m_position == RelativePosition::Crossing)
            for (const auto c : { CrossingCoordinate::X, CrossingCoordinate::Y })
                m_crossing[int(c)] = toDouble(exact.crossing[int(c)]);
        return;
    }
    if (m_cramer.a2b1 != m_cramer.a1b2) {
        m_position = RelativePosition::Crossing;
        m_crossing = { (m_cramer.xFirst + m_cramer.xSecond) / m_cramer.d,
            (m_cramer.yFirst + m_cramer.ySecond) / m_cramer.d };
    } else {
        m_position = positionWithoutCrossing(m_lines[0].terms, m_lines[1].terms, m_cramer.a1b2);
    }
}

std::optional<PlanePoint> Calculation::point() const
{
    const PlanePoint point { m_crossing[0], m_crossing[1] };
    if (m_position != RelativePosition::Crossing || !std::isfinite(point.x)
        || !std::isfinite(point.y))
        return std::nullopt;
    return point;
}

const ScaledCalculation *Calculation::scaled() const
{
    if (!m_hasExact)
        return nullptr;
    if (!m_scaled) {
        PerInput<const TypedValue *> inputs;
        for (const InputName name : kEveryInput)
            inputs[name] = &*input(name).exact;
        m_scaled = scaledCalculationOf(inputs);
    }
    return &*m_scaled;
}

const ExactCalculation *Calculation::exact() const
{
    if (!m_hasExact)
        return nullptr;
    if (!m_exact)
        m_exact = exactCalculationOf(*scaled());
    return &*m_exact;
}
