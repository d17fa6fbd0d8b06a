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

namespace {

constexpr double kRingRadius = 30.0; // twips

} // namespace

// The eight inputs are read once, and everything shown comes from what was
// worked out of them. The steps run in this order: each line is drawn and
// its results written before the next line's.
void Vertisel::CalculateIntersection()
{
    DrawingCanvas *canvas = m_controls->picture1;
    canvas->SetPenWidth(1);

    PerInput<QString> texts;
    for (const InputName name : kEveryInput)
        texts[name] = readField(FieldTable::field(name));
    const auto calculation = std::make_shared<const Calculation>(texts);

    for (int i = 0; i < kLineCount; ++i) {
        const LineCalculation &line = calculation->line(i);
        const auto at = [&line](LineInput input) { return line.input(input).number; };
        using enum LineInput;
        canvas->DrawSegment(at(X1), at(Y1), at(X2), at(Y2));
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

    canvas->SetDashStyle(DrawingCanvas::kDotted);
    for (int i = 0; i < kLineCount; ++i) {
        const LineCalculation &line = calculation->line(i);
        canvas->DrawSegment(line.input(LineInput::X1).number, line.input(LineInput::Y1).number,
            m_state.StoredXt, m_state.StoredYt);
    }
    canvas->SetDashStyle(DrawingCanvas::kSolid);
    canvas->DrawRing(m_state.StoredXt, m_state.StoredYt, kRingRadius);
    m_narration->addCrossing(x, y);
    narrateCanvas();
}
