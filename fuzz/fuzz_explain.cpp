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

// Field indices in the order Calculate writes them: A1 B1 C1 k1 A2 B2 C2 k2.
const int kResults[8] = { 4, 5, 6, 16, 11, 12, 13, 17 };

void check(int field, const QString &explained, const QString &shown)
{
    if (shown.isEmpty() ? explained.endsWith(QStringLiteral("полето остава празно"))
                        : explained.endsWith(QString(shown).replace(u'-', u'\u2212')))
        return;
    std::fprintf(stderr, "field %d shows \"%s\", explained as \"%s\"\n", field, qPrintable(shown),
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
    const auto explained = ExplainFields(read);

    LineEquation lines[2];
    for (int l = 0; l < 2; ++l) {
        const double *p = &read.numbers[4 * l];
        lines[l] = LineThrough(p[0], p[1], p[2], p[3]);
        const double values[4] = { lines[l].A, lines[l].B, lines[l].C, lines[l].k };
        for (int r = 0; r < 4; ++r)
            check(kResults[4 * l + r], explained[kResults[4 * l + r]], FormatResult(values[r]));
    }
    const auto crossing = CrossingOf(read.texts, lines[0], lines[1]);
    check(14, explained[14], crossing ? FormatResult(crossing->x) : QString());
    check(15, explained[15], crossing ? FormatResult(crossing->y) : QString());
    return 0;
}
