#include "geometry/numberformat.h"

#include <QLocale>

#include <cmath>
#include <limits>

QString FormatResult(double value)
{
    if (!std::isfinite(value))
        return QString();
    // A tiny negative value or -0 would otherwise show as "-0.0000". The
    // check uses the same conversion as the text itself, so it agrees with
    // the rounding of the shown digits.
    if (std::signbit(value) && QString::number(-value, 'f', 4) == QLatin1String("0.0000"))
        value = 0.0;
    return QLocale().toString(value, 'f', 4);
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
