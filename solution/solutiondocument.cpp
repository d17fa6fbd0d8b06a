#include "solution/solutiondocument.h"

#include "explanations/calculationexplanation.h"
#include "geometry/calculation.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using namespace working;
using Kind = ConstructionItem::Kind;

// The explanations' texts as workings of words, a statement to a line.
Working workingOf(const QString &text)
{
    Working out;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts))
        out << words(line) << lineEnd();
    return out;
}

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

const QString kPointLetters[kLineCount] = { QStringLiteral("P"), QStringLiteral("Q") };

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

} // namespace

QString figureDescription(const Calculation &calculation)
{
    if (calculation.point())
        return QStringLiteral(
            "Отсечката на права 1 от P1 до P2 и отсечката на права 2 от Q1 до Q2, "
            "пунктирните им продължения от P1 и от Q1 до пресечната точка T и малка "
            "окръжност около T.");
    return QStringLiteral("Отсечката на права 1 от P1 до P2 и отсечката на права 2 от Q1 до Q2; "
                          "правите нямат една пресечна точка.");
}

SolutionFigure solutionFigure(const Calculation &calculation)
{
    SolutionFigure figure;
    figure.title = QStringLiteral("Чертеж: двете прави и пресечната им точка");
    figure.description = figureDescription(calculation);
    for (const PointSlot &slot : kCaptureOrder) {
        const double x = calculation.input(slot.x()).number;
        const double y = calculation.input(slot.y()).number;
        if (!insideArea(x, y))
            continue;
        figure.items.append(
            { .kind = Kind::Point, .line = slot.line, .point = slot.point, .x1 = x, .y1 = y });
        figure.labels.append({ kPointLetters[slot.line], QString::number(slot.point + 1), x, y });
    }
    for (const ConstructionItem &item : calculationShapes(calculation)) {
        if (item.kind == Kind::Ring) {
            if (insideArea(item.x1, item.y1)) {
                figure.items.append(item);
                figure.labels.append({ QStringLiteral("T"), QString(), item.x1, item.y1 });
            }
        } else if (const auto kept = clipped(item)) {
            figure.items.append(*kept);
        }
    }
    return figure;
}

SolutionDocument solutionDocument(const Calculation &calculation)
{
    const CalculationExplanation explained = explainCalculation(&calculation);
    SolutionDocument document;
    document.title = QStringLiteral("Пресечна точка на две прави");
    document.figure = solutionFigure(calculation);
    QList<SolutionBlock> &blocks = document.blocks;

    blocks.append(heading(QStringLiteral("Дадени точки")));
    for (int line = 0; line < kLineCount; ++line) {
        const LineCalculation &given = calculation.line(line);
        const auto at = [&given](LineInput input) { return shortest(given.input(input).number); };
        using enum LineInput;
        const QString letter = kPointLetters[line];
        blocks.append(
            statement({ words(QStringLiteral("Права %1 минава през точките").arg(line + 1)),
                name(letter, QStringLiteral("1")), pointPart(at(X1), at(Y1)),
                words(QStringLiteral("и")), name(letter, QStringLiteral("2")),
                pointPart(at(X2), at(Y2)) }));
    }
    QList<Working> readings;
    for (const InputName name : kEveryInput)
        if (calculation.input(name).note != ReadingNote::WholeText)
            readings.append(workingOf(explained.inputs[name]));
    appendStatements(blocks, readings);
    SolutionBlock figure;
    figure.kind = SolutionBlock::Kind::Figure;
    blocks.append(figure);

    for (int line = 0; line < kLineCount; ++line) {
        blocks.append(heading(QStringLiteral("Права %1").arg(line + 1)));
        QList<Working> results;
        for (const QString &text : explained.results.lines[line])
            results.append(workingOf(text));
        appendStatements(blocks, results);
    }

    blocks.append(heading(QStringLiteral("Взаимно положение и пресечна точка")));
    appendStatements(
        blocks, { workingOf(explained.crossing[0]), workingOf(explained.crossing[1]) });

    blocks.append(heading(QStringLiteral("Отговор")));
    if (const auto point = calculation.point())
        blocks.append(statement({ words(QStringLiteral("Пресечната точка е")),
            name(QStringLiteral("T")), pointPart(result(point->x), result(point->y)) }));
    else
        blocks.append(statement({ words(QStringLiteral("Правите нямат една пресечна точка")) }));
    return document;
}
