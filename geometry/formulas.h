#pragma once

// The task text's formulas, written once for both kinds of number the
// program works with: doubles, whose results the fields show, and whole
// numbers (every input scaled by one power of ten), which decide how the
// lines lie and give the textbook's fractions. Each product is written in the
// order the task text derives it; the build turns off floating-point
// contraction so that each product is rounded on its own, as the formulas say.

// The slope shown for a vertical line, which has none.
inline constexpr double VerticalSlope = 999.9999;

// A·x + B·y + C = 0 through (x1; y1) and (x2; y2): A = y1 - y2, B = x2 - x1,
// C = x1·y2 - x2·y1, with the products of C and the rise y2 - y1 of the
// slope k = (y2 - y1) / B as they are worked out on the way.
template <typename Number> struct LineTerms
{
    Number A {}, B {}, C {};
    Number x1y2 {}, x2y1 {}, rise {};
};

template <typename Number>
LineTerms<Number> lineThrough(
    const Number &x1, const Number &y1, const Number &x2, const Number &y2)
{
    LineTerms<Number> line;
    line.A = y1 - y2;
    line.B = x2 - x1;
    line.x1y2 = x1 * y2;
    line.x2y1 = x2 * y1;
    line.C = line.x1y2 - line.x2y1;
    line.rise = y2 - y1;
    return line;
}

// Cramer's rule for two lines: D = A1·B2 - A2·B1, the lines cross in one
// point when A1·B2 and A2·B1 differ, and then Xt = (B2·(-C1) + B1·C2) / D and
// Yt = (C2·(-A1) + C1·A2) / D.
template <typename Number> struct CramerTerms
{
    Number a1b2 {}, a2b1 {}, d {};
    Number xFirst {}, xSecond {}; // B2·(-C1) and B1·C2
    Number yFirst {}, ySecond {}; // C2·(-A1) and C1·A2
};

template <typename Number>
CramerTerms<Number> cramerTerms(const LineTerms<Number> &first, const LineTerms<Number> &second)
{
    CramerTerms<Number> terms;
    terms.a1b2 = first.A * second.B;
    terms.a2b1 = second.A * first.B;
    terms.d = terms.a1b2 - terms.a2b1;
    terms.xFirst = second.B * -first.C;
    terms.xSecond = first.B * second.C;
    terms.yFirst = second.C * -first.A;
    terms.ySecond = first.C * second.A;
    return terms;
}

// Lines with equal directions are one line when C is in the same proportion
// as A and B.
template <typename Number>
bool coincide(const LineTerms<Number> &first, const LineTerms<Number> &second)
{
    return first.A * second.C == second.A * first.C && first.B * second.C == second.B * first.C;
}

struct PlanePoint
{
    double x = 0.0;
    double y = 0.0;
};
