#include "geometry/numberformat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// How the default locale writes a number: its signs and separators, and how
// it groups the digits of an integer part: the size of the group next to the
// decimal separator, the size of every group further left (2 in India's
// "12,34,567"), and the fewest digits at which grouping starts at all.
struct NumberStyle
{
    QLocale locale;
    QString negativeSign;
    QString decimalPoint;
    QString groupSeparator; // empty: the locale does not group
    int primaryGroup = 3;
    int secondaryGroup = 3;
    int minimumGroupedDigits = 4;
};

// Asks the locale itself rather than trusting its full formatting: Qt 6.4
// drops the leftmost separator of locales that start grouping at five digits
// ("2227 500" in Bulgarian). A number whose leftmost group has two digits is
// written right, and shows the group sizes; 1000 and 10000 show where
// grouping starts.
NumberStyle styleOf(const QLocale &locale)
{
    NumberStyle style;
    style.locale = locale;
    style.negativeSign = locale.negativeSign();
    style.decimalPoint = locale.decimalPoint();
    const QString separator = locale.groupSeparator();
    if ((locale.numberOptions() & QLocale::OmitGroupSeparator) || separator.isEmpty())
        return style;
    const QStringList groups = locale.toString(10'000'000'000LL).split(separator);
    if (groups.size() < 2)
        return style;
    style.primaryGroup = int(groups.last().size());
    style.secondaryGroup =
        groups.size() >= 3 ? int(groups[groups.size() - 2].size()) : style.primaryGroup;
    if (style.primaryGroup < 1 || style.secondaryGroup < 1)
        return style;
    style.groupSeparator = separator;
    if (locale.toString(1000).contains(separator))
        style.minimumGroupedDigits = 4;
    else if (locale.toString(10000).contains(separator))
        style.minimumGroupedDigits = 5;
    else
        style.minimumGroupedDigits = 6;
    return style;
}

// The style of the default locale, worked out again only when it changes.
const NumberStyle &currentStyle()
{
    thread_local NumberStyle style = styleOf(QLocale::c());
    const QLocale locale;
    if (locale != style.locale)
        style = styleOf(locale);
    return style;
}

void appendInteger(QString &out, QStringView digits, const NumberStyle *grouping)
{
    const qsizetype count = digits.size();
    const bool grouped =
        grouping && !grouping->groupSeparator.isEmpty() && count >= grouping->minimumGroupedDigits;
    for (qsizetype i = 0; i < count; ++i) {
        out += digits[i];
        // Digits still to come after this one decide whether a separator follows.
        const qsizetype rest = count - i - 1;
        if (grouped && rest > 0
            && (rest == grouping->primaryGroup
                || (rest > grouping->primaryGroup
                    && (rest - grouping->primaryGroup) % grouping->secondaryGroup == 0)))
            out += grouping->groupSeparator;
    }
}

// Turns a number written with the C locale's rules ("-1234567.891",
// "1.5e+07") into the default locale's signs and separators. The digits stay
// 0 to 9 in every locale, so that a field the program writes reads back.
QString localized(QStringView plain, bool group)
{
    const NumberStyle &style = currentStyle();
    QString out;
    out.reserve(plain.size() + plain.size() / 2 + 4);
    if (plain.startsWith(u'-')) {
        out += style.negativeSign;
        plain = plain.sliced(1);
    }
    qsizetype integerEnd = 0;
    while (integerEnd < plain.size() && plain[integerEnd] >= u'0' && plain[integerEnd] <= u'9')
        ++integerEnd;
    appendInteger(out, plain.first(integerEnd), group ? &style : nullptr);
    plain = plain.sliced(integerEnd);
    if (plain.startsWith(u'.')) {
        out += style.decimalPoint;
        plain = plain.sliced(1);
    }
    out += plain;
    return out;
}

} // namespace

QString FormatResult(double value)
{
    if (!std::isfinite(value))
        return QString();
    QString plain = QString::number(value, 'f', 4);
    // A tiny negative value or -0 would show as "-0.0000": a minus sign on
    // digits that are all zero.
    if (plain.startsWith(u'-') && std::none_of(plain.cbegin(), plain.cend(), [](QChar c) {
            return c >= u'1' && c <= u'9';
        }))
        plain.remove(0, 1);
    return localized(plain, true);
}

QString CoordinateText(float value)
{
    if (value == 0.0f)
        value = 0.0f; // drops the sign of -0
    return localized(QString::number(double(value), 'g', 7), false);
}

QString numberText(double value)
{
    if (value == 0.0)
        value = 0.0;
    return localized(QString::number(value, 'g', QLocale::FloatingPointShortest), true);
}
