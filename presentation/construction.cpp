#include "presentation/construction.h"

void Construction::blank()
{
    m_background = Background::Blank;
    m_items.clear();
}

void Construction::add(const ConstructionItem &item)
{
    m_items.removeOne(item);
    if (m_items.size() >= kMostItems)
        m_items.remove(0, m_items.size() - kMostItems + 1);
    m_items.append(item);
}

QList<ConstructionItem> calculationShapes(const Calculation &calculation)
{
    using Kind = ConstructionItem::Kind;
    QList<ConstructionItem> shapes;
    for (int i = 0; i < kLineCount; ++i) {
        const LineCalculation &line = calculation.line(i);
        const auto at = [&line](LineInput input) { return line.input(input).number; };
        using enum LineInput;
        shapes.append({ .kind = Kind::Segment,
            .line = i,
            .x1 = at(X1),
            .y1 = at(Y1),
            .x2 = at(X2),
            .y2 = at(Y2) });
    }
    const auto point = calculation.point();
    if (!point)
        return shapes; // no point to extend the lines to
    for (int i = 0; i < kLineCount; ++i) {
        const LineCalculation &line = calculation.line(i);
        shapes.append({ .kind = Kind::Extension,
            .line = i,
            .x1 = line.input(LineInput::X1).number,
            .y1 = line.input(LineInput::Y1).number,
            .x2 = point->x,
            .y2 = point->y });
    }
    shapes.append({ .kind = Kind::Ring, .x1 = point->x, .y1 = point->y, .radius = kRingRadius });
    return shapes;
}

ConstructionItem pressShape(const CaptureStep &step, double x, double y)
{
    if (step.action == CaptureStep::Action::Record)
        return { .kind = ConstructionItem::Kind::Point,
            .line = step.slot.line,
            .point = step.slot.point,
            .x1 = x,
            .y1 = y };
    return { .kind = ConstructionItem::Kind::Dot, .x1 = x, .y1 = y };
}
