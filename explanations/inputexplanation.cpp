#include "explanations/inputexplanation.h"

namespace {

// A quoted field text longer than this is cut short: a field takes 32767
// characters, a tooltip should not.
constexpr qsizetype kQuotedLength = 24;

using namespace working;

// Where the leading-number rule may surprise, a word on why it read what it did.
Working readingHint(ReadingNote note)
{
    switch (note) {
    case ReadingNote::BeyondRange:
        return { aside({ words(QStringLiteral("извън обхвата на числата")) }) };
    case ReadingNote::Hexadecimal:
        return { aside({ words(QStringLiteral("&H въвежда шестнадесетично цяло число")) }) };
    case ReadingNote::Octal:
        return { aside({ words(QStringLiteral("&O въвежда осмично цяло число")) }) };
    case ReadingNote::NoNumber:
        return { aside({ words(QStringLiteral("текстът не започва с число")) }) };
    case ReadingNote::LeadingPart:
        return { aside({ words(QStringLiteral("чете се само началното число")), clause(u';'),
            words(QStringLiteral("десетичният знак е точка")) }) };
    case ReadingNote::Empty:
    case ReadingNote::WholeText:
        break;
    }
    return {};
}

} // namespace

Working inputRole(InputName name)
{
    const bool isX = name.input == LineInput::X1 || name.input == LineInput::X2;
    const bool first = name.input == LineInput::X1 || name.input == LineInput::Y1;
    return { working::name(isX ? QStringLiteral("x") : QStringLiteral("y")),
        words(QStringLiteral("на %1 точка на права %2")
                  .arg(first ? u"първата" : u"втората")
                  .arg(name.line + 1)) };
}

// The field's own text comes only on the second line: a tooltip whose first
// line looks like markup is shown as rich text.
Working explainInput(InputName name, const InputReading &reading)
{
    if (reading.text.isEmpty())
        return inputRole(name)
            + Working { lineEnd(), words(QStringLiteral("Празното поле е прочетено като")),
                  number(shortest(0.0)) };
    QString quoted = reading.text;
    if (quoted.size() > kQuotedLength) {
        const qsizetype cut =
            quoted[kQuotedLength - 1].isHighSurrogate() ? kQuotedLength - 1 : kQuotedLength;
        quoted = quoted.first(cut) + QStringLiteral("…");
    }
    return inputRole(name)
        + Working { lineEnd(), typed(quoted), words(QStringLiteral("е прочетено като")),
              number(shortest(reading.number)) }
    + readingHint(reading.note);
}
