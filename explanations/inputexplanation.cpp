#include "explanations/inputexplanation.h"

#include "explanations/numbertext.h"

namespace {

// A quoted field text longer than this is cut short: a field takes 32767
// characters, a tooltip should not.
constexpr qsizetype kQuotedLength = 24;

const char16_t *const kInputRoles[kLineInputCount] = {
    u"x на първата точка на права %1",
    u"y на първата точка на права %1",
    u"x на втората точка на права %1",
    u"y на втората точка на права %1",
};

// Where the leading-number rule may surprise, a word on why it read what it did.
QString readingHint(ReadingNote note)
{
    switch (note) {
    case ReadingNote::BeyondRange:
        return QStringLiteral(" (извън обхвата на числата)");
    case ReadingNote::Hexadecimal:
        return QStringLiteral(" (&H въвежда шестнадесетично цяло число)");
    case ReadingNote::Octal:
        return QStringLiteral(" (&O въвежда осмично цяло число)");
    case ReadingNote::NoNumber:
        return QStringLiteral(" (текстът не започва с число)");
    case ReadingNote::LeadingPart:
        return QStringLiteral(" (чете се само началното число; десетичният знак е точка)");
    case ReadingNote::Empty:
    case ReadingNote::WholeText:
        break;
    }
    return QString();
}

} // namespace

QString inputRole(InputName name)
{
    return QString::fromUtf16(kInputRoles[int(name.input)]).arg(name.line + 1);
}

// The field's own text comes only on the second line: a tooltip whose first
// line looks like markup is shown as rich text.
QString explainInput(InputName name, const InputReading &reading)
{
    if (reading.text.isEmpty())
        return inputRole(name) + QStringLiteral("\nПразното поле е прочетено като 0");
    QString quoted = reading.text;
    if (quoted.size() > kQuotedLength) {
        const qsizetype cut =
            quoted[kQuotedLength - 1].isHighSurrogate() ? kQuotedLength - 1 : kQuotedLength;
        quoted = quoted.first(cut) + QStringLiteral("…");
    }
    return inputRole(name) + u'\n'
        + QStringLiteral("„%1“ е прочетено като %2").arg(quoted, computedNumber(reading.number))
        + readingHint(reading.note);
}
