// Fuzzes the fields' explanations with eight arbitrary input texts (split at
// NUL bytes), without the window: each result's explanation ends in the text
// Calculate writes into its field, with a true minus sign, or says why the
// field stays empty. What the window shows for the same texts is
// fuzz_calculate's part.
#include "geometry/calculationexplanation.h"
#include "geometry/exactline.h"
#include "geometry/lineequation.h"
#include "geometry/numberformat.h"
#include "geometry/numberreading.h"

#include <QLocale>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(const char *what, const QString &explained, const QString &shown)
{
    if (shown.isEmpty() ? explained.endsWith(QStringLiteral("полето остава празно"))
                        : explained.endsWith(QString(shown).replace(u'-', u'\u2212')))
        return;
    std::fprintf(stderr, "%s shows \"%s\", explained as \"%s\"\n", what, qPrintable(shown),
        qPrintable(explained));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool localeSet = [] {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return true;
    }();
    (void)localeSet;
    CalculationInputs read;
    size_t start = 0;
    for (int i = 0; i < 8 && start <= size; ++i) {
        size_t end = start;
        while (end < size && data[end] != 0)
            ++end;
        read.texts[i] =
            QString::fromUtf8(reinterpret_cast<const char *>(data) + start, qsizetype(end - start));
        start = end + 1;
    }
    for (int i = 0; i < 8; ++i)
        read.numbers[i] = ReadNumber(read.texts[i]);
    const CalculationExplanation explained = explainCalculation(read);

    LineEquation lines[2];
    for (int l = 0; l < 2; ++l) {
        const double *p = &read.numbers[4 * l];
        lines[l] = lineThrough(p[0], p[1], p[2], p[3]);
        const double values[4] = { lines[l].A, lines[l].B, lines[l].C, lines[l].k };
        for (int r = 0; r < kLineResultCount; ++r)
            check("a result", explained.lines[l].results[r], FormatResult(values[r]));
    }
    const auto crossing = crossingOf(read.texts, lines[0], lines[1]);
    check("Xt", explained.of(CrossingCoordinate::X),
        crossing ? FormatResult(crossing->x) : QString());
    check("Yt", explained.of(CrossingCoordinate::Y),
        crossing ? FormatResult(crossing->y) : QString());
    return 0;
}
