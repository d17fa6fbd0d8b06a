// Fuzzes the fields' explanations with eight arbitrary input texts (split at
// NUL bytes), without the window: each result's explanation ends in the text
// Calculate writes into its field, with a true minus sign, or says why the
// field stays empty. What the window shows for the same texts is
// fuzz_calculate's part.
#include "explanations/calculationexplanation.h"
#include "explanations/working.h"
#include "geometry/calculation.h"
#include "geometry/numberformat.h"

#include <QLocale>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(const char *what, const Working &working, const QString &shown)
{
    const QString explained = writtenText(working);
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
    PerInput<QString> texts;
    size_t start = 0;
    for (const InputName name : kEveryInput) {
        if (start > size)
            break;
        size_t end = start;
        while (end < size && data[end] != 0)
            ++end;
        texts[name] =
            QString::fromUtf8(reinterpret_cast<const char *>(data) + start, qsizetype(end - start));
        start = end + 1;
    }
    const Calculation calculation(texts);
    const CalculationExplanation explained = explainCalculation(&calculation);
    for (const ResultName name : kEveryResult)
        check("a result", explained.results[name], FormatResult(calculation.result(name)));
    const auto point = calculation.point();
    check("Xt", explained.of(CrossingCoordinate::X), point ? FormatResult(point->x) : QString());
    check("Yt", explained.of(CrossingCoordinate::Y), point ? FormatResult(point->y) : QString());
    return 0;
}
