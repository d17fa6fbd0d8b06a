#include "explanations/calculationexplanation.h"

#include "explanations/crossingexplanation.h"
#include "explanations/inputexplanation.h"
#include "explanations/lineexplanation.h"

// Every text begins with fixed wording, a name or a formula, and a field's own
// text comes only on a later line: a tooltip whose first line looks like
// markup is shown as rich text.
CalculationExplanation explainCalculation(const Calculation *calculation)
{
    CalculationExplanation out = explainResults(calculation);
    for (const InputName name : kEveryInput)
        out.inputs[name] =
            calculation ? explainInput(name, calculation->input(name)) : inputRole(name);
    return out;
}

CalculationExplanation explainResults(const Calculation *calculation)
{
    CalculationExplanation out;
    for (int line = 0; line < kLineCount; ++line)
        out.results.lines[line] =
            calculation ? explainLine(*calculation, line) : lineFormulas(line);
    out.crossing = calculation ? explainCrossing(*calculation) : crossingFormulas();
    return out;
}
