// Fuzzes the Calculate command on the real window with eight arbitrary field
// texts (the input split at NUL bytes), checking that the fields show what
// the calculation of the same texts worked out:
// - no result is ever "-0.0000";
// - every shown result reads back, under United States English without its
//   grouping commas, to within half a unit in the fourth decimal of its value;
// - the two intersection fields are both empty or both filled, and filled
//   exactly when the lines intersect in a point with finite coordinates.
// Whether the calculation is right is fuzz_calculation's part, and the
// fields' explanations fuzz_explain's. Each input
// ends with "Изчисти", so that every input starts from the same window and
// the leak check between inputs sees what an input keeps, not what the next
// one replaces.
#include "app/fieldtable.h"
#include "app/vertisel.h"
#include "geometry/calculation.h"

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

constexpr int kXt = FieldTable::field(CrossingCoordinate::X);
constexpr int kYt = FieldTable::field(CrossingCoordinate::Y);

struct Harness
{
    std::unique_ptr<QApplication> app;
    std::unique_ptr<Vertisel> window;
    QLineEdit *fields[FieldTable::kCount] {};
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
        for (int i = 0; i < FieldTable::kCount; ++i)
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
        made.fields[FieldTable::kInputFields[0]]->setText(every);
        for (const int input : FieldTable::kInputFields)
            made.fields[input]->setText(QStringLiteral("-1234.5e%1").arg(input));
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
    for (const InputName name : kEveryInput)
        h.fields[FieldTable::field(name)]->setText(texts[name]);
    h.calculate->click();

    const Calculation calculation(texts);
    for (const ResultName name : kEveryResult) {
        const int field = FieldTable::field(name);
        checkShown(field, h.fields[field]->text(), calculation.result(name));
    }

    const QString x = h.fields[kXt]->text();
    const QString y = h.fields[kYt]->text();
    if (x.isEmpty() != y.isEmpty())
        fail("only one coordinate shown", kXt, x + u'|' + y, 0);
    const auto point = calculation.point();
    if (x.isEmpty() == point.has_value())
        fail(point ? "crossing not shown" : "crossing shown without one", kXt, x,
            point ? point->x : 0.0);
    if (point) {
        checkShown(kXt, x, point->x);
        checkShown(kYt, y, point->y);
    }

    h.clear->click();
    return 0;
}
