#include "explanations/working.h"

#include <QHash>
#include <QLocale>

#include <cmath>

namespace {

using Kind = WorkingPart::Kind;
using Operator = WorkingPart::Operator;

// Beyond these a number is said as a power of ten.
constexpr double kLargest = 1e12;
constexpr double kSmallest = 1e-6;

// Digits with a decimal comma and no grouping, as the voice reads a number;
// "1,5 по 10 на степен 12" from 10^12 up and below 10^−6.
QString magnitudeInWords(double magnitude)
{
    if (std::isinf(magnitude))
        return QStringLiteral("безкрайност");
    if (magnitude != 0.0 && (magnitude >= kLargest || magnitude < kSmallest)) {
        const QString scientific = QString::number(magnitude, 'e', QLocale::FloatingPointShortest);
        const qsizetype e = scientific.indexOf(u'e');
        const int exponent = scientific.sliced(e + 1).toInt();
        return QString(scientific.first(e)).replace(u'.', u',')
            + QStringLiteral(" по 10 на степен ")
            + (exponent < 0 ? QStringLiteral("минус ") : QString())
            + QString::number(std::abs(exponent));
    }
    return QString::number(magnitude, 'f', QLocale::FloatingPointShortest).replace(u'.', u',');
}

QString signedInWords(double value)
{
    if (std::isnan(value))
        return QStringLiteral("неопределено");
    return (value < 0 ? QStringLiteral("минус ") : QString()) + magnitudeInWords(std::fabs(value));
}

// A result as its field shows it, to four decimals, without the zeros that
// say nothing: "5", "3,6667", "0,5".
QString resultInWords(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= kLargest)
        return signedInWords(value);
    QString digits = QString::number(std::fabs(value), 'f', 4);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.endsWith(u'.'))
        digits.chop(1);
    const bool zero = digits == u"0";
    return (value < 0 && !zero ? QStringLiteral("минус ") : QString()) + digits.replace(u'.', u',');
}

// Letter names as a Bulgarian teacher says them; a small b is told from a
// capital B.
QString spokenName(const QString &letter, const QString &index)
{
    static const QHash<QString, QString> letters {
        { QStringLiteral("x"), QStringLiteral("хикс") },
        { QStringLiteral("X"), QStringLiteral("хикс") },
        { QStringLiteral("y"), QStringLiteral("игрек") },
        { QStringLiteral("Y"), QStringLiteral("игрек") },
        { QStringLiteral("A"), QStringLiteral("А") },
        { QStringLiteral("B"), QStringLiteral("Бе") },
        { QStringLiteral("C"), QStringLiteral("Це") },
        { QStringLiteral("k"), QStringLiteral("ка") },
        { QStringLiteral("b"), QStringLiteral("малко бе") },
    };
    const QString said = letters.value(letter, letter);
    if (index.isEmpty())
        return said;
    return said + u' ' + (index == u"t" ? QStringLiteral("те") : index);
}

bool isNegativeNumber(const Working &inside)
{
    return inside.size() == 1 && inside[0].kind == Kind::Number && inside[0].number.isNegative();
}

class Speaker
{
public:
    QString said() const { return m_out; }

    void speak(const Working &working)
    {
        for (qsizetype i = 0; i < working.size(); ++i)
            speak(working[i], i > 0 ? &working[i - 1] : nullptr);
    }

private:
    void say(const QString &words)
    {
        if (!words.isEmpty())
            m_out += m_out.isEmpty() ? words : u' ' + words;
    }

    // A comma or a full stop; of two in a row the stronger stays.
    void pause(QChar mark)
    {
        if (m_out.isEmpty())
            return;
        if (m_out.endsWith(u',') || m_out.endsWith(u'.')) {
            if (mark == u'.')
                m_out.back() = mark;
            return;
        }
        m_out += mark;
    }

    // "=" and "≈" open a clause with "е"; later in the same clause they
    // follow a pause: "А 1 е равно на игрек 1 минус игрек 2, равно на 0".
    void relation(const QString &words)
    {
        if (m_relationSeen)
            pause(u',');
        else
            say(QStringLiteral("е"));
        say(words);
        m_relationSeen = true;
    }

    void speak(const WorkingPart &part, const WorkingPart *before)
    {
        switch (part.kind) {
        case Kind::Words:
            // "и", "но" between two statements begin a new clause.
            if (part.text == u"и" || part.text == u"но" || part.text.startsWith(u"и ")
                || part.text.startsWith(u"но "))
                m_relationSeen = false;
            say(part.text);
            break;
        case Kind::Name:
            say(spokenName(part.text, part.index));
            break;
        case Kind::Number:
            say(spokenNumber(part.number));
            break;
        case Kind::Operator:
            switch (part.op) {
            case Operator::Times:
                say(QStringLiteral("по"));
                break;
            case Operator::Plus:
                say(QStringLiteral("плюс"));
                break;
            case Operator::Minus:
            case Operator::Negate:
                say(QStringLiteral("минус"));
                break;
            case Operator::Divide:
                pause(u',');
                say(QStringLiteral("делено на"));
                break;
            case Operator::Juxtapose:
                // "(11/3)x": the product is said, not left to the brackets.
                if (before && before->kind == Kind::Group)
                    say(QStringLiteral("по"));
                break;
            }
            break;
        case Kind::Relation:
            switch (part.relation) {
            case WorkingPart::Relation::Equals:
                relation(QStringLiteral("равно на"));
                break;
            case WorkingPart::Relation::Approximately:
                relation(QStringLiteral("приблизително"));
                break;
            case WorkingPart::Relation::NotEquals:
                pause(u',');
                say(QStringLiteral("не е равно на"));
                break;
            }
            break;
        case Kind::Group:
            // A negative number after a sign is said as a teacher says it,
            // never "минус минус" or "плюс минус".
            if (before && before->kind == Kind::Operator && before->op != Operator::Times
                && before->op != Operator::Divide && isNegativeNumber(part.children)) {
                pause(u',');
                say(QStringLiteral("в скоби"));
                pause(u',');
            }
            speak(part.children);
            break;
        case Kind::Aside:
            pause(u',');
            speak(part.children);
            pause(u',');
            break;
        case Kind::Typed:
            say(part.text);
            break;
        case Kind::ClauseEnd:
            pause(u',');
            m_relationSeen = false;
            break;
        case Kind::LineEnd:
            pause(u'.');
            m_relationSeen = false;
            break;
        }
    }

    QString m_out;
    bool m_relationSeen = false;
};

} // namespace

QString spokenNumber(const WorkingNumber &number)
{
    QString said;
    switch (number.form) {
    case WorkingNumber::Form::Shortest:
    case WorkingNumber::Form::Coordinate:
        said = signedInWords(number.value);
        break;
    case WorkingNumber::Form::Fraction:
        said = signedInWords(double(number.numerator));
        if (number.denominator != 1)
            said += QStringLiteral(" върху ") + signedInWords(double(number.denominator));
        break;
    case WorkingNumber::Form::Result:
        said = resultInWords(number.value);
        break;
    }
    return number.approximate ? QStringLiteral("приблизително ") + said : said;
}

QString spokenText(const Working &working)
{
    Speaker speaker;
    speaker.speak(working);
    QString out = speaker.said();
    if (out.endsWith(u','))
        out.chop(1);
    return out.isEmpty() || out.endsWith(u'.') ? out : out + u'.';
}
