#include "app/vertisel.h"

#include "app/fieldtable.h"
#include "assistive/fieldexplanations.h"
#include "canvas/drawingcanvas.h"
#include "geometry/exactline.h"
#include "geometry/lineequation.h"
#include "geometry/numberformat.h"
#include "geometry/numberreading.h"

namespace {

constexpr double kRingRadius = 30.0; // twips

} // namespace

// The steps run strictly in this order: each line is read, drawn and its
// results written before the next line is read.
void Vertisel::CalculateIntersection()
{
    DrawingCanvas *canvas = m_controls.picture1;
    canvas->SetPenWidth(1);

    LineEquation lines[2];
    CalculationInputs read; // kept for the fields' explanations
    for (int i = 0; i < kLineCount; ++i) {
        const auto readInput = [&](LineInput input) {
            const int at = inputPosition(i, input);
            read.texts[at] = readField(inputField(i, input));
            return read.numbers[at] = ReadNumber(read.texts[at]);
        };
        const double x1 = readInput(LineInput::X1);
        const double y1 = readInput(LineInput::Y1);
        const double x2 = readInput(LineInput::X2);
        const double y2 = readInput(LineInput::Y2);
        canvas->DrawSegment(x1, y1, x2, y2);
        m_narration.addSegment(i + 1, x1, y1, x2, y2);
        lines[i] = lineThrough(x1, y1, x2, y2);
        writeField(resultField(i, LineResult::A), FormatResult(lines[i].A));
        writeField(resultField(i, LineResult::B), FormatResult(lines[i].B));
        writeField(resultField(i, LineResult::C), FormatResult(lines[i].C));
        writeField(resultField(i, LineResult::K), FormatResult(lines[i].k));
    }

    const auto crossing = crossingOf(read.texts, lines[0], lines[1]);
    m_explanations->setInputs(read);

    const int xField = crossingField(CrossingCoordinate::X);
    const int yField = crossingField(CrossingCoordinate::Y);
    writeField(xField, QString());
    writeField(yField, QString());
    if (!crossing) {
        // The crossing field's explanation ends with why it stays empty.
        m_narration.addNoCrossing(
            explainCalculation(read).of(CrossingCoordinate::X).section(u'\n', -1));
        narrateCanvas();
        return; // no point to extend the lines to: nothing more is drawn
    }
    m_state.StoredXt = crossing->x;
    m_state.StoredYt = crossing->y;
    writeField(xField, FormatResult(m_state.StoredXt));
    writeField(yField, FormatResult(m_state.StoredYt));

    canvas->SetDashStyle(DrawingCanvas::kDotted);
    for (int i = 0; i < kLineCount; ++i)
        canvas->DrawSegment(read.numbers[inputPosition(i, LineInput::X1)],
            read.numbers[inputPosition(i, LineInput::Y1)], m_state.StoredXt, m_state.StoredYt);
    canvas->SetDashStyle(DrawingCanvas::kSolid);
    canvas->DrawRing(m_state.StoredXt, m_state.StoredYt, kRingRadius);
    m_narration.addCrossing(readField(xField), readField(yField));
    narrateCanvas();
}
