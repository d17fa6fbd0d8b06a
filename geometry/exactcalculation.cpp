#include "geometry/exactcalculation.h"

namespace {

using boost::multiprecision::cpp_int;

RelativePosition positionOf(const ScaledCalculation &scaled)
{
    const auto &first = scaled.lines[0];
    const auto &second = scaled.lines[1];
    if ((first.A == 0 && first.B == 0) || (second.A == 0 && second.B == 0))
        return RelativePosition::NoLine;
    if (scaled.cramer.a1b2 != scaled.cramer.a2b1)
        return RelativePosition::Crossing;
    // Both sides of each comparison carry T³.
    return coincide(first, second) ? RelativePosition::Coinciding : RelativePosition::Parallel;
}

// N / D in lowest terms, with the sign on the numerator.
ExactNumber quotient(const cpp_int &numerator, const cpp_int &denominator)
{
    if (denominator == 1) // whole numbers, as typed or clicked
        return ExactNumber(numerator);
    return denominator < 0 ? ExactNumber(-numerator, -denominator)
                           : ExactNumber(numerator, denominator);
}

// Only the explanations ask for these quotients.
void addSlopeForms(ExactLineCalculation &line)
{
    const auto &[A, B, C, x1y2, x2y1, rise] = line.terms;
    if (B != 0) {
        line.k = -A / B;
        line.b = -C / B;
    } else if (A != 0) {
        line.verticalX = -C / A;
    }
}

} // namespace

ScaledCalculation scaledCalculationOf(const PerInput<const TypedValue *> &inputs)
{
    ScaledCalculation scaled;
    for (const InputName name : kEveryInput)
        scaled.scale = std::max(scaled.scale, inputs[name]->scale);
    for (const InputName name : kEveryInput) {
        const TypedValue &value = *inputs[name];
        scaled.inputs[name] = value.scale == scaled.scale
            ? value.digits
            : cpp_int(value.digits * powerOfTen(scaled.scale - value.scale));
    }
    for (int i = 0; i < kLineCount; ++i) {
        const auto &N = scaled.inputs.lines[i];
        scaled.lines[i] = lineThrough(N[0], N[1], N[2], N[3]);
    }
    scaled.cramer = cramerTerms(scaled.lines[0], scaled.lines[1]);
    scaled.position = positionOf(scaled);
    if (scaled.position == RelativePosition::Crossing) {
        // Xt = (Dx·T³) / (D·T²·T).
        const cpp_int denominator = scaled.cramer.d * powerOfTen(scaled.scale);
        const auto &c = scaled.cramer;
        scaled.crossing = { quotient(c.xFirst + c.xSecond, denominator),
            quotient(c.yFirst + c.ySecond, denominator) };
    }
    return scaled;
}

ExactCalculation exactCalculationOf(const ScaledCalculation &scaled)
{
    const cpp_int T = powerOfTen(scaled.scale);
    const cpp_int T2 = T * T;
    const cpp_int T3 = T2 * T;
    ExactCalculation exact;
    for (int i = 0; i < kLineCount; ++i) {
        ExactLineCalculation &line = exact.lines[i];
        for (int input = 0; input < kLineInputCount; ++input)
            line.inputs[input] = quotient(scaled.inputs.lines[i][input], T);
        const auto &s = scaled.lines[i];
        line.terms = { quotient(s.A, T), quotient(s.B, T), quotient(s.C, T2), quotient(s.x1y2, T2),
            quotient(s.x2y1, T2), quotient(s.rise, T) };
        addSlopeForms(line);
    }
    const auto &c = scaled.cramer;
    exact.cramer = { quotient(c.a1b2, T2), quotient(c.a2b1, T2), quotient(c.d, T2),
        quotient(c.xFirst, T3), quotient(c.xSecond, T3), quotient(c.yFirst, T3),
        quotient(c.ySecond, T3) };
    exact.position = scaled.position;
    exact.crossing = scaled.crossing;
    return exact;
}
