#include "app/vertisel.h"

#include "app/fieldtable.h"
#include "app/windowcontrols.h"
#include "assistive/canvasnarration.h"
#include "assistive/fieldexplanations.h"
#include "canvas/drawingcanvas.h"
#include "explanations/crossingexplanation.h"
#include "geometry/calculation.h"
#include "geometry/numberformat.h"

#include <memory>

// The eight inputs are read once, and everything shown comes from what was
// worked out of them. The canvas gets the whole construction at once; then
// each line's results are written before the next line's.
void Vertisel::CalculateIntersection()
{
    PerInput<QString> texts;
    for (const InputName name : kEveryInput)
        texts[name] = readField(FieldTable::field(name));
    const auto calculation = std::make_shared<const Calculation>(texts);
    for (const ConstructionItem &shape : calculationShapes(*calculation))
        m_construction.add(shape);
    m_controls->picture1->setConstruction(m_construction);

    for (int i = 0; i < kLineCount; ++i) {
        const LineCalculation &line = calculation->line(i);
        const auto at = [&line](LineInput input) { return line.input(input).number; };
        using enum LineInput;
        m_narration->addSegment(i + 1, at(X1), at(Y1), at(X2), at(Y2));
        for (const auto result : { LineResult::A, LineResult::B, LineResult::C, LineResult::K })
            writeField(
                FieldTable::field(ResultName { i, result }), FormatResult(line.result(result)));
    }
    m_explanations->setCalculation(calculation);

    const int xField = FieldTable::field(CrossingCoordinate::X);
    const int yField = FieldTable::field(CrossingCoordinate::Y);
    writeField(xField, QString());
    writeField(yField, QString());
    const auto point = calculation->point();
    if (!point) {
        m_narration->addNoCrossing(whyNoPoint(*calculation));
        narrateCanvas();
        return; // no point to extend the lines to: nothing more is drawn
    }
    m_state.StoredXt = point->x;
    m_state.StoredYt = point->y;
    const QString x = FormatResult(m_state.StoredXt);
    const QString y = FormatResult(m_state.StoredYt);
    writeField(xField, x);
    writeField(yField, y);
    m_narration->addCrossing(x, y);
    narrateCanvas();
}
