// Fuzzes the Calculate command on the real window with eight arbitrary field
// texts (the input split at NUL bytes), checking what the fields show:
// - no result is ever "-0.0000";
// - every shown result reads back, under United States English without its
//   grouping commas, to within half a unit in the fourth decimal of the value
//   computed from the same texts;
// - the two intersection fields are both empty or both filled, and filled
//   exactly when the lines intersect in a point with finite coordinates.
// The fields' explanations have their own target, fuzz_explain. Each input
// ends with "Изчисти", so that every input starts from the same window and
// the leak check between inputs sees what an input keeps, not what the next
// one replaces.
#include "app/fieldtable.h"
#include "app/vertisel.h"
#include "geometry/exactline.h"
#include "geometry/lineequation.h"
#include "geometry/numberreading.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr auto kInputs = kInputFields;
constexpr int kXt = crossingField(CrossingCoordinate::X);
constexpr int kYt = crossingField(CrossingCoordinate::Y);

struct Harness
{
    std::unique_ptr<QApplication> app;
    std::unique_ptr<Vertisel> window;
    QLineEdit *fields[kFieldCount] {};
    QPushButton *calculate = nullptr;
    QPushButton *clear = nullptr;
};

Harness &harness()
{
    static Harness h = [] {
        Harness made;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_calculate";
        static char *argv[] = { name, nullptr };
        made.app = std::make_unique<QApplication>(argc, argv);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        made.window = std::make_unique<Vertisel>();
        for (int i = 0; i < kFieldCount; ++i)
            made.fields[i] = made.window->findChild<QLineEdit *>(QStringLiteral("Text2_%1").arg(i));
        made.calculate = made.window->findChild<QPushButton *>(QStringLiteral("Command1_0"));
        made.clear = made.window->findChild<QPushButton *>(QStringLiteral("Command1_1"));
        // Before fuzzing, the fonts and caches that live as long as the process
        // are loaded, so that the leak check per input sees only the run: every
        // character of the Basic Multilingual Plane laid out once in a field
        // (fallback fonts, glyphs), then one Calculate and Clear.
        QString every;
        for (char32_t c = 0x20; c < 0xFFFE; ++c)
            if (!QChar::isSurrogate(c))
                every += QChar(c);
        made.fields[kInputs[0]]->setText(every);
        for (int i = 0; i < 8; ++i)
            made.fields[kInputs[i]]->setText(QStringLiteral("-1234.5e%1").arg(i));
        made.calculate->click();
        made.clear->click();
        return made;
    }();
    return h;
}

[[noreturn]] void fail(const char *what, int field, const QString &shown, double value)
{
    std::fprintf(stderr, "Calculate: %s in field %d: shown \"%s\", value %.17g\n", what, field,
        qPrintable(shown), value);
    std::abort();
}

void checkShown(int field, const QString &shown, double value)
{
    if (shown == QLatin1String("-0.0000"))
        fail("negative zero", field, shown, value);
    if (!std::isfinite(value)) {
        if (!shown.isEmpty())
            fail("non-number shown", field, shown, value);
        return;
    }
    QString plain = shown;
    plain.remove(u',');
    bool ok = false;
    const double back = plain.toDouble(&ok);
    const double tolerance = 0.5e-4 + 4 * std::ldexp(std::fabs(value), -52);
    if (!ok || std::fabs(back - value) > tolerance)
        fail("does not read back", field, shown, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Harness &h = harness();
    QString texts[8];
    size_t start = 0;
    for (int i = 0; i < 8 && start <= size; ++i) {
        size_t end = start;
        while (end < size && data[end] != 0)
            ++end;
        texts[i] =
            QString::fromUtf8(reinterpret_cast<const char *>(data) + start, qsizetype(end - start));
        start = end + 1;
    }
    for (int i = 0; i < 8; ++i)
        h.fields[kInputs[i]]->setText(texts[i]);
    h.calculate->click();

    const LineEquation first = lineThrough(
        ReadNumber(texts[0]), ReadNumber(texts[1]), ReadNumber(texts[2]), ReadNumber(texts[3]));
    const LineEquation second = lineThrough(
        ReadNumber(texts[4]), ReadNumber(texts[5]), ReadNumber(texts[6]), ReadNumber(texts[7]));
    const LineEquation *lines[2] = { &first, &second };
    for (int l = 0; l < kLineCount; ++l) {
        const double values[kLineResultCount] = { lines[l]->A, lines[l]->B, lines[l]->C,
            lines[l]->k };
        for (int r = 0; r < kLineResultCount; ++r) {
            const int field = resultField(l, LineResult(r));
            checkShown(field, h.fields[field]->text(), values[r]);
        }
    }

    const QString x = h.fields[kXt]->text();
    const QString y = h.fields[kYt]->text();
    if (x.isEmpty() != y.isEmpty())
        fail("only one coordinate shown", kXt, x + u'|' + y, 0);
    std::array<QString, 8> inputTexts;
    std::copy(std::begin(texts), std::end(texts), inputTexts.begin());
    const auto crossing = crossingOf(inputTexts, first, second);
    const bool shouldShow = crossing.has_value();
    const double xt = crossing ? crossing->x : 0.0;
    const double yt = crossing ? crossing->y : 0.0;
    if (x.isEmpty() == shouldShow)
        fail(shouldShow ? "crossing not shown" : "crossing shown without one", kXt, x, xt);
    if (shouldShow) {
        checkShown(kXt, x, xt);
        checkShown(kYt, y, yt);
    }

    h.clear->click();
    return 0;
}
