#pragma once

#include "explanations/working.h"
#include "geometry/calculation.h"

#include <array>

// Xt and Yt as formulas only: "Xt = (−C1·B2 + C2·B1) / (A1·B2 − A2·B1)".
std::array<Working, 2> crossingFormulas();

// Xt and Yt of a Calculate, by CrossingCoordinate: how the lines lie, in the
// task text's words where the numbers as typed decide it, Cramer's rule
// product by product, and the point as its fields show it, or why they stay
// empty.
std::array<Working, 2> explainCrossing(const Calculation &calculation);

// Why a Calculate shows no point: the last line of the explanation of Xt.
Working whyNoPoint(const std::array<Working, 2> &crossing);
