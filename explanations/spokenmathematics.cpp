#include "explanations/spokenmathematics.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// Stands for a quoted field text while the rest is rewritten; the
// explanations' own wording never holds a private-use character.
constexpr char16_t kQuoteMark = u'\uE000';

bool isCyrillic(QChar c)
{
    return c.script() == QChar::Script_Cyrillic;
}

// The brackets that only group terms: those around no word. A bracket
// around words, "(извън обхвата на числата)", is part of the sentence.
QList<bool> groupingBrackets(const QString &line)
{
    QList<bool> drop(line.size(), false);
    QList<qsizetype> open;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'(') {
            open.append(i);
        } else if (line[i] == u')' && !open.isEmpty()) {
            const qsizetype start = open.takeLast();
            const QStringView inside = QStringView(line).sliced(start + 1, i - start - 1);
            if (std::none_of(inside.begin(), inside.end(), isCyrillic))
                drop[start] = drop[i] = true;
        }
    }
    return drop;
}

// "1e−300" as "1 по 10 на степен −300", before the minus is put in words.
QString withPowersOfTen(const QString &line)
{
    static const QRegularExpression power(QStringLiteral("(\\d+(?:[.,]\\d+)?)e\\+?(\u2212?\\d+)"));
    QString out = line;
    return out.replace(power, QStringLiteral("\\1 по 10 на степен \\2"));
}

// One line of the explanation in words. "=" and "≈" open a clause with "е",
// later in the same clause they follow a pause: "A1 е равно на y1 минус y2,
// равно на 0".
QString spokenLine(const QString &written)
{
    const QString line = withPowersOfTen(written);
    const QList<bool> dropped = groupingBrackets(line);
    QString out;
    bool relationSeen = false;
    const auto relation = [&](const char16_t *words) {
        out += relationSeen ? QStringLiteral(", ") : QStringLiteral(" е ");
        out += QString::fromUtf16(words) + u' ';
        relationSeen = true;
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
        const QChar before = i > 0 ? line[i - 1] : QChar();
        if (dropped[i]) {
            // "(11/3)x": the product is said, not left to the brackets.
            if (c == u')' && next.isLetter())
                out += QStringLiteral(" по ");
            continue;
        }
        switch (c.unicode()) {
        case u'·':
            out += QStringLiteral(" по ");
            break;
        case u'\u2212':
            out += QStringLiteral(" минус ");
            break;
        case u'+':
            out += QStringLiteral(" плюс ");
            break;
        case u'/':
            out += before == u' ' && next == u' ' ? QStringLiteral(", делено на ")
                                                  : QStringLiteral(" върху ");
            break;
        case u'∞':
            out += QStringLiteral(" безкрайност ");
            break;
        case u'=':
            relation(u"равно на");
            break;
        case u'≈':
            relation(u"приблизително");
            break;
        case u'≠':
            out += QStringLiteral(", не е равно на ");
            break;
        case u':':
        case u';':
            relationSeen = false;
            out += c;
            break;
        case u',':
            relationSeen = relationSeen && next != u' '; // "1,5" is a number
            out += c;
            break;
        default:
            out += c;
        }
        // "и", "но" between two statements begin a new clause.
        if (c == u' '
            && (QStringView(line).sliced(i).startsWith(u" и ")
                || QStringView(line).sliced(i).startsWith(u" но ")))
            relationSeen = false;
    }
    // One space between words, none before a pause or at the ends.
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    static const QRegularExpression beforePause(QStringLiteral(" +([,:;])"));
    static const QRegularExpression doublePause(QStringLiteral(",( ,)+"));
    out.replace(spaces, QStringLiteral(" "));
    out.replace(beforePause, QStringLiteral("\\1"));
    out.replace(doublePause, QStringLiteral(","));
    return out.trimmed();
}

} // namespace

QString spokenMathematics(const QString &written)
{
    // A field's own text is taken out first and put back as typed.
    static const QRegularExpression quoted(QStringLiteral("„[^“]*“"));
    QStringList quotes;
    QString text = written;
    for (auto match = quoted.match(text); match.hasMatch(); match = quoted.match(text)) {
        quotes.append(match.captured());
        text.replace(match.capturedStart(), match.capturedLength(), QChar(kQuoteMark));
    }
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = spokenLine(line);
    QString spoken;
    qsizetype next = 0;
    for (const QChar c : lines.join(u'\n'))
        spoken += c == kQuoteMark && next < quotes.size() ? quotes[next++] : QString(c);
    return spoken;
}
