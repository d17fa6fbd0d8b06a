#include "geometry/numberformat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// How a locale groups the digits of an integer part: the size of the group
// next to the separator, the size of every group further left (2 in India's
// "12,34,567"), and the fewest digits at which grouping starts at all.
struct DigitGrouping
{
    QString separator; // empty: the locale does not group
    int primary = 3;
    int secondary = 3;
    int minimumDigits = 4;
};

// Asks the locale itself rather than trusting its full formatting: Qt 6.4
// drops the leftmost separator of locales that start grouping at five digits
// ("2227 500" in Bulgarian). A number whose leftmost group has two digits is
// written right, and shows the group sizes; 1000 and 10000 show where
// grouping starts.
DigitGrouping groupingOf(const QLocale &locale)
{
    DigitGrouping grouping;
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return grouping;
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty())
        return grouping;
    const QStringList groups = locale.toString(10'000'000'000LL).split(separator);
    if (groups.size() < 2)
        return grouping;
    grouping.separator = separator;
    grouping.primary = int(groups.last().size());
    grouping.secondary =
        groups.size() >= 3 ? int(groups[groups.size() - 2].size()) : grouping.primary;
    if (locale.toString(1000).contains(separator))
        grouping.minimumDigits = 4;
    else if (locale.toString(10000).contains(separator))
        grouping.minimumDigits = 5;
    else
        grouping.minimumDigits = 6;
    if (grouping.primary < 1 || grouping.secondary < 1)
        grouping.separator.clear();
    return grouping;
}

// The grouping of the default locale, worked out again only when it changes.
const DigitGrouping &currentGrouping(const QLocale &locale)
{
    thread_local QLocale cachedLocale = QLocale::c();
    thread_local DigitGrouping cached = groupingOf(cachedLocale);
    if (locale != cachedLocale) {
        cachedLocale = locale;
        cached = groupingOf(locale);
    }
    return cached;
}

QString groupedInteger(QStringView digits, const DigitGrouping &grouping)
{
    if (grouping.separator.isEmpty() || digits.size() < grouping.minimumDigits)
        return digits.toString();
    qsizetype end = digits.size();
    int size = grouping.primary;
    QStringList groups;
    while (end > size) {
        groups.prepend(digits.sliced(end - size, size).toString());
        end -= size;
        size = grouping.secondary;
    }
    groups.prepend(digits.first(end).toString());
    return groups.join(grouping.separator);
}

// Turns a number written with the C locale's rules ("-1234567.891",
// "1.5e+07") into the default locale's signs and separators. The digits stay
// 0 to 9 in every locale, so that a field the program writes reads back.
QString localized(const QString &plain, bool group)
{
    const QLocale locale;
    QStringView rest(plain);
    QString out;
    if (rest.startsWith(u'-')) {
        out += locale.negativeSign();
        rest = rest.sliced(1);
    }
    qsizetype integerEnd = 0;
    while (integerEnd < rest.size() && rest[integerEnd] >= u'0' && rest[integerEnd] <= u'9')
        ++integerEnd;
    const QStringView integer = rest.first(integerEnd);
    out += group ? groupedInteger(integer, currentGrouping(locale)) : integer.toString();
    rest = rest.sliced(integerEnd);
    if (rest.startsWith(u'.')) {
        out += locale.decimalPoint();
        rest = rest.sliced(1);
    }
    out += rest;
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

QString NumberText(double value)
{
    if (value == 0.0)
        value = 0.0;
    return localized(QString::number(value, 'g', QLocale::FloatingPointShortest), true);
}

float ToCanvas(double value)
{
    // Beyond the single range the cast itself is undefined; saturate to the
    // infinity that IEEE rounding would give.
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::infinity();
    if (value < -largest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
