#include "solution/solutiondocument.h"

#include "explanations/inputexplanation.h"
#include "presentation/calculatepresentation.h"
#include "presentation/narration.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using namespace working;
using Kind = ConstructionItem::Kind;

// A working cut at its line ends: one statement to a line.
QList<Working> statementsOf(const Working &working)
{
    QList<Working> statements(1);
    for (const WorkingPart &part : working) {
        if (part.kind == WorkingPart::Kind::LineEnd)
            statements.append(Working());
        else
            statements.last().append(part);
    }
    statements.removeIf([](const Working &statement) { return statement.isEmpty(); });
    return statements;
}

bool sameWorking(const Working &a, const Working &b);

bool samePart(const WorkingPart &a, const WorkingPart &b)
{
    return a.kind == b.kind && a.text == b.text && a.index == b.index && a.number == b.number
        && a.op == b.op && a.relation == b.relation && a.mark == b.mark
        && sameWorking(a.children, b.children);
}

bool sameWorking(const Working &a, const Working &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), samePart);
}

SolutionBlock statement(const Working &working)
{
    SolutionBlock block;
    block.working = working;
    return block;
}

// Appends the statements of several fields' workings, each once: the fields
// of a line all begin with the line's equation.
void appendStatements(QList<SolutionBlock> &blocks, const QList<Working> &workings)
{
    QList<Working> seen;
    for (const Working &working : workings)
        for (const Working &line : statementsOf(working)) {
            if (std::any_of(seen.begin(), seen.end(),
                    [&line](const Working &earlier) { return sameWorking(earlier, line); }))
                continue;
            seen.append(line);
            blocks.append(statement(line));
        }
}

SolutionBlock heading(const QString &text)
{
    SolutionBlock block;
    block.kind = SolutionBlock::Kind::Heading;
    block.heading = text;
    return block;
}

// "(1; 15)"
WorkingPart pointPart(const WorkingNumber &x, const WorkingNumber &y)
{
    return group({ number(x), clause(u';'), number(y) });
}

// Twips between two labelled points at the least.
constexpr double kLabelSpacing = 250.0;

// The letters of each line's points in the figure and the text.
constexpr char16_t kPointLetters[kLineCount] = { u'P', u'Q' };

// Keeps the part of a segment inside the drawing area (Liang-Barsky), in its
// direction, so that a dotted pattern starts where the canvas starts it.
std::optional<ConstructionItem> clipped(ConstructionItem item)
{
    const double dx = item.x2 - item.x1, dy = item.y2 - item.y1;
    double from = 0.0, to = 1.0;
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { item.x1, SolutionFigure::kWidth - item.x1, item.y1,
        SolutionFigure::kHeight - item.y1 };
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(p[i]) || !std::isfinite(q[i]))
            return std::nullopt;
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
    }
    if (from > to)
        return std::nullopt;
    const double x1 = item.x1, y1 = item.y1;
    item.x1 = x1 + from * dx;
    item.y1 = y1 + from * dy;
    item.x2 = x1 + to * dx;
    item.y2 = y1 + to * dy;
    return item;
}

bool insideArea(double x, double y)
{
    return x >= 0.0 && x <= SolutionFigure::kWidth && y >= 0.0 && y <= SolutionFigure::kHeight;
}

// The four points as presses mark them.
QList<ConstructionItem> givenPoints(const Calculation &calculation)
{
    QList<ConstructionItem> points;
    for (const PointSlot &slot : kCaptureOrder)
        points.append({ .kind = Kind::Point,
            .line = slot.line,
            .point = slot.point,
            .x1 = calculation.input(slot.x()).number,
            .y1 = calculation.input(slot.y()).number });
    return points;
}

} // namespace

QString figureDescription(const CalculatePresentation &presentation)
{
    Working told;
    for (const ConstructionItem &item :
        givenPoints(presentation.calculation()) + presentation.shapes())
        told += describeShape(item);
    told += presentation.finding();
    return spokenText(told);
}

SolutionFigure solutionFigure(const CalculatePresentation &presentation)
{
    SolutionFigure figure;
    figure.title = QStringLiteral("Чертеж: двете прави и пресечната им точка");
    figure.description = figureDescription(presentation);
    for (const ConstructionItem &point : givenPoints(presentation.calculation())) {
        if (!insideArea(point.x1, point.y1))
            continue;
        figure.items.append(point);
        figure.labels.append({ QString(QChar(kPointLetters[point.line])),
            QString::number(point.point + 1), point.x1, point.y1 });
    }
    for (const ConstructionItem &item : presentation.shapes()) {
        if (item.kind == Kind::Ring) {
            if (insideArea(item.x1, item.y1)) {
                figure.items.append(item);
                figure.labels.prepend({ QStringLiteral("T"), QString(), item.x1, item.y1 });
            }
        } else if (const auto kept = clipped(item)) {
            figure.items.append(*kept);
        }
    }
    // Points closer than a label's size share one label, the crossing's
    // first: labels written over each other say nothing.
    QList<FigureLabel> apart;
    for (const FigureLabel &label : std::as_const(figure.labels))
        if (std::none_of(apart.begin(), apart.end(), [&label](const FigureLabel &kept) {
                return std::hypot(kept.x - label.x, kept.y - label.y) < kLabelSpacing;
            }))
            apart.append(label);
    figure.labels = apart;
    return figure;
}

SolutionDocument solutionDocument(const CalculatePresentation &presentation)
{
    const Calculation &calculation = presentation.calculation();
    const CalculationExplanation &explained = presentation.workings();
    SolutionDocument document;
    document.title = QStringLiteral("Пресечна точка на две прави");
    document.figure = solutionFigure(presentation);
    QList<SolutionBlock> &blocks = document.blocks;

    blocks.append(heading(QStringLiteral("Дадени точки")));
    for (int line = 0; line < kLineCount; ++line) {
        const LineCalculation &given = calculation.line(line);
        const auto at = [&given](LineInput input) { return shortest(given.input(input).number); };
        using enum LineInput;
        const QString letter { QChar(kPointLetters[line]) };
        blocks.append(
            statement({ words(QStringLiteral("Права %1 минава през точките").arg(line + 1)),
                name(letter, QStringLiteral("1")), pointPart(at(X1), at(Y1)),
                words(QStringLiteral("и")), name(letter, QStringLiteral("2")),
                pointPart(at(X2), at(Y2)) }));
    }
    QList<Working> readings;
    for (const InputName name : kEveryInput)
        if (calculation.input(name).note != ReadingNote::WholeText)
            readings.append(explainInput(name, calculation.input(name)));
    appendStatements(blocks, readings);
    SolutionBlock figure;
    figure.kind = SolutionBlock::Kind::Figure;
    blocks.append(figure);

    for (int line = 0; line < kLineCount; ++line) {
        blocks.append(heading(QStringLiteral("Права %1").arg(line + 1)));
        appendStatements(blocks,
            QList<Working>(
                explained.results.lines[line].begin(), explained.results.lines[line].end()));
    }

    blocks.append(heading(QStringLiteral("Взаимно положение и пресечна точка")));
    appendStatements(blocks, { explained.crossing[0], explained.crossing[1] });

    blocks.append(heading(QStringLiteral("Отговор")));
    if (const auto point = calculation.point())
        blocks.append(statement({ words(QStringLiteral("Пресечната точка е")),
            name(QStringLiteral("T")), pointPart(result(point->x), result(point->y)) }));
    else
        blocks.append(statement({ words(QStringLiteral("Правите нямат една пресечна точка")) }));
    return document;
}
