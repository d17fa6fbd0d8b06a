#include "geometry/numberformat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

QString FormatResult(double value)
{
    if (!std::isfinite(value))
        return QString();
    const QLocale locale;
    QString text = locale.toString(value, 'f', 4);
    // A tiny negative value or -0 would show as "-0.0000": a minus sign on
    // digits that are all zero, in whatever digits the locale writes.
    const auto nonZeroDigit = [](QChar c) { return c.digitValue() > 0; };
    if (std::signbit(value) && std::none_of(text.cbegin(), text.cend(), nonZeroDigit))
        text = locale.toString(0.0, 'f', 4);
    return text;
}

QString CoordinateText(float value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    if (value == 0.0f)
        value = 0.0f; // drops the sign of -0
    return locale.toString(double(value), 'g', 7);
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
