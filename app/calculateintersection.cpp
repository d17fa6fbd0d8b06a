#include "app/vertisel.h"

#include "app/fieldexplanations.h"
#include "canvas/drawingcanvas.h"
#include "geometry/exactline.h"
#include "geometry/lineequation.h"
#include "geometry/numberformat.h"
#include "geometry/numberreading.h"

namespace {

// Field indices of one line's inputs and results.
struct LineFields
{
    int x1, y1, x2, y2;
    int A, B, C, k;
};

constexpr LineFields kLine1 { 0, 1, 2, 3, 4, 5, 6, 16 };
constexpr LineFields kLine2 { 7, 8, 9, 10, 11, 12, 13, 17 };

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
    for (int i = 0; i < 2; ++i) {
        const LineFields &f = i == 0 ? kLine1 : kLine2;
        const auto readInput = [&](int slot, int index) {
            read.texts[4 * i + slot] = readField(index);
            return read.numbers[4 * i + slot] = ReadNumber(read.texts[4 * i + slot]);
        };
        const double x1 = readInput(0, f.x1);
        const double y1 = readInput(1, f.y1);
        const double x2 = readInput(2, f.x2);
        const double y2 = readInput(3, f.y2);
        canvas->DrawSegment(x1, y1, x2, y2);
        m_narration.addSegment(i + 1, x1, y1, x2, y2);
        lines[i] = LineThrough(x1, y1, x2, y2);
        writeField(f.A, FormatResult(lines[i].A));
        writeField(f.B, FormatResult(lines[i].B));
        writeField(f.C, FormatResult(lines[i].C));
        writeField(f.k, FormatResult(lines[i].k));
    }

    const auto crossing = CrossingOf(read.texts, lines[0], lines[1]);
    m_explanations->setInputs(read);

    writeField(kIntersectionXField, QString());
    writeField(kIntersectionYField, QString());
    if (!crossing) {
        // The crossing field's explanation ends with why it stays empty.
        m_narration.addNoCrossing(ExplainFields(read)[kIntersectionXField].section(u'\n', -1));
        narrateCanvas();
        return; // no point to extend the lines to: nothing more is drawn
    }
    m_state.StoredXt = crossing->x;
    m_state.StoredYt = crossing->y;
    writeField(kIntersectionXField, FormatResult(m_state.StoredXt));
    writeField(kIntersectionYField, FormatResult(m_state.StoredYt));

    canvas->SetDashStyle(DrawingCanvas::kDotted);
    canvas->DrawSegment(ReadNumber(readField(kLine1.x1)), ReadNumber(readField(kLine1.y1)),
        m_state.StoredXt, m_state.StoredYt);
    canvas->DrawSegment(ReadNumber(readField(kLine2.x1)), ReadNumber(readField(kLine2.y1)),
        m_state.StoredXt, m_state.StoredYt);
    canvas->SetDashStyle(DrawingCanvas::kSolid);
    canvas->DrawRing(m_state.StoredXt, m_state.StoredYt, kRingRadius);
    m_narration.addCrossing(readField(kIntersectionXField), readField(kIntersectionYField));
    narrateCanvas();
}
