#include "app/canvasnarration.h"

namespace {

// Repeated Calculates draw over each other; the text keeps only the newest part.
constexpr qsizetype kMostSentences = 24;

} // namespace

CanvasNarration::CanvasNarration()
{
    showPhoto();
}

void CanvasNarration::showPhoto()
{
    m_sentences = { QStringLiteral("Начална снимка; първото натискане я изчиства.") };
}

void CanvasNarration::clear()
{
    m_sentences = { QStringLiteral("Чертежът е празен.") };
}

void CanvasNarration::addPoint(int lineNumber, int pointNumber, const QString &x, const QString &y)
{
    add(QStringLiteral("Точка %1 на права %2: X = %3, Y = %4.")
            .arg(pointNumber)
            .arg(lineNumber)
            .arg(x, y));
}

void CanvasNarration::addDot(const QString &x, const QString &y)
{
    add(QStringLiteral("Точка без запис: X = %1, Y = %2.").arg(x, y));
}

void CanvasNarration::addSegment(
    int lineNumber, const QString &x1, const QString &y1, const QString &x2, const QString &y2)
{
    add(QStringLiteral("Отсечка на права %1 от (%2; %3) до (%4; %5).")
            .arg(lineNumber)
            .arg(x1, y1, x2, y2));
}

void CanvasNarration::addCrossing(const QString &x, const QString &y)
{
    add(QStringLiteral("Правите се пресичат в точка X = %1, Y = %2; пунктир води от първата "
                       "точка на всяка права до нея, кръгче я отбелязва.")
            .arg(x, y));
}

void CanvasNarration::addNoCrossing()
{
    add(QStringLiteral("Правите нямат една пресечна точка."));
}

void CanvasNarration::add(const QString &sentence)
{
    if (m_sentences.size() >= kMostSentences)
        m_sentences.remove(1, m_sentences.size() - kMostSentences + 1);
    m_sentences.append(sentence);
}

QString CanvasNarration::text() const
{
    return m_sentences.join(u' ')
        + QStringLiteral(" От клавиатурата: стрелките местят курсора с 1 точка, Shift и стрелка "
                         "с 10, Интервал или Enter поставя точка там.");
}
