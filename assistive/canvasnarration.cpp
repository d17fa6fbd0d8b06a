#include "assistive/canvasnarration.h"

#include "geometry/numberformat.h"

namespace {

// Repeated Calculates draw over each other; the text keeps only the newest part.
constexpr qsizetype kMostItems = 24;

} // namespace

CanvasNarration::CanvasNarration()
{
    showPhoto();
}

void CanvasNarration::showPhoto()
{
    m_items = { Item { .kind = Item::Kind::Photo } };
}

void CanvasNarration::clear()
{
    m_items = { Item { .kind = Item::Kind::Empty } };
}

void CanvasNarration::addPoint(int lineNumber, int pointNumber, const QString &x, const QString &y)
{
    add({ .kind = Item::Kind::Point, .line = lineNumber, .point = pointNumber, .x = x, .y = y });
}

void CanvasNarration::addDot(const QString &x, const QString &y)
{
    add({ .kind = Item::Kind::Dot, .x = x, .y = y });
}

void CanvasNarration::addSegment(int lineNumber, double x1, double y1, double x2, double y2)
{
    add({ .kind = Item::Kind::Segment, .line = lineNumber, .ends = { x1, y1, x2, y2 } });
}

void CanvasNarration::addCrossing(const QString &x, const QString &y)
{
    add({ .kind = Item::Kind::Crossing, .x = x, .y = y });
}

void CanvasNarration::addNoCrossing(const QString &reason)
{
    add({ .kind = Item::Kind::NoCrossing, .x = reason });
}

void CanvasNarration::add(Item item)
{
    // Drawn again, it is still one thing on the canvas: told once, as the newest.
    m_items.removeOne(item);
    // The first item, photo or empty canvas, stays.
    if (m_items.size() >= kMostItems)
        m_items.remove(1, m_items.size() - kMostItems + 1);
    m_items.append(std::move(item));
}

QString CanvasNarration::sentence(const Item &item)
{
    switch (item.kind) {
    case Item::Kind::Photo:
        return QStringLiteral("Начална снимка; първото натискане я изчиства.");
    case Item::Kind::Empty:
        return QStringLiteral("Чертежът е празен.");
    case Item::Kind::Point:
        return QStringLiteral("Точка %1 на права %2: X = %3, Y = %4.")
            .arg(item.point)
            .arg(item.line)
            .arg(item.x, item.y);
    case Item::Kind::Dot:
        return QStringLiteral("Точка без запис: X = %1, Y = %2.").arg(item.x, item.y);
    case Item::Kind::Segment:
        return QStringLiteral("Отсечка на права %1 от (%2; %3) до (%4; %5).")
            .arg(item.line)
            .arg(numberText(item.ends[0]), numberText(item.ends[1]), numberText(item.ends[2]),
                numberText(item.ends[3]));
    case Item::Kind::Crossing:
        return QStringLiteral("Правите се пресичат в точка X = %1, Y = %2; пунктир води от "
                              "първата точка на всяка права до нея, кръгче я отбелязва.")
            .arg(item.x, item.y);
    case Item::Kind::NoCrossing:
        return QStringLiteral("Правите нямат една пресечна точка. %1.").arg(item.x);
    }
    return QString();
}

QString CanvasNarration::text() const
{
    QStringList sentences;
    // On the blank canvas, what is drawn is all there is to tell.
    for (const Item &item : m_items)
        if (item.kind != Item::Kind::Empty || m_items.size() == 1)
            sentences.append(sentence(item));
    sentences.append(QStringLiteral("От клавиатурата: стрелките местят курсора с 1 точка, Shift "
                                    "и стрелка с 10, Интервал или Enter поставя точка там."));
    return sentences.join(u' ');
}

QString CanvasNarration::latest() const
{
    return sentence(m_items.last());
}

QString CanvasNarration::cursorText(const QString &x, const QString &y)
{
    return QStringLiteral("Курсор: X = %1, Y = %2.").arg(x, y);
}
