// Calculate on the real window against its floor, the twelve setText calls
// that write the same result texts; and the parts on their own, for the record.
#include "app/fieldtable.h"
#include "app/vertisel.h"
#include "canvas/drawingcanvas.h"
#include "geometry/numberformat.h"
#include "geometry/numberreading.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

constexpr auto kInputs = FieldTable::kInputFields;
// Four-digit twips of two crossing lines, in two sets that the runs alternate
// between, so that every run writes new texts as a user's next run would.
const char *const kTypical[2][8] = {
    { "1245", "600", "2400", "1680", "300", "2100", "2700", "450" },
    { "1590", "345", "2820", "1935", "120", "2460", "2655", "1005" },
};
// Fields in the order Calculate writes them: each line's results, then the
// intersection fields, emptied first and written last.
constexpr std::array<int, 12> kWritten = [] {
    std::array<int, 12> written {};
    for (std::size_t i = 0; i < FieldTable::kResultFields.size(); ++i)
        written[i] = FieldTable::kResultFields[i];
    written[10] = FieldTable::field(CrossingCoordinate::X);
    written[11] = FieldTable::field(CrossingCoordinate::Y);
    return written;
}();

QLineEdit *field(Vertisel &w, int i)
{
    return w.findChild<QLineEdit *>(QStringLiteral("Text2_%1").arg(i));
}

// Two windows, one per input set, so that no typing enters the timed loop.
void Calculate(benchmark::State &state)
{
    Vertisel windows[2];
    QPushButton *buttons[2];
    QLineEdit *results[2][12];
    for (int set = 0; set < 2; ++set) {
        for (int i = 0; i < 8; ++i)
            field(windows[set], kInputs[i])->setText(QString::fromLatin1(kTypical[set][i]));
        buttons[set] = windows[set].findChild<QPushButton *>(QStringLiteral("Command1_0"));
        for (int i = 0; i < 12; ++i)
            results[set][i] = field(windows[set], kWritten[i]);
    }
    int run = 0;
    for (auto _ : state) {
        buttons[run & 1]->click();
        ++run;
    }
    benchmark::DoNotOptimize(results);
}
BENCHMARK(Calculate);

// The floor: the same twelve writes of the same texts into the fields of one
// window, alternating between the results of the two input sets.
void SetTextFloor(benchmark::State &state)
{
    QString texts[2][12];
    for (int set = 0; set < 2; ++set) {
        Vertisel w;
        for (int i = 0; i < 8; ++i)
            field(w, kInputs[i])->setText(QString::fromLatin1(kTypical[set][i]));
        w.findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        for (int i = 0; i < 12; ++i)
            texts[set][i] = i == 8 || i == 9 ? QString() : field(w, kWritten[i])->text();
    }
    Vertisel w;
    QLineEdit *fields[12];
    for (int i = 0; i < 12; ++i)
        fields[i] = field(w, kWritten[i]);
    int run = 0;
    for (auto _ : state) {
        for (int i = 0; i < 12; ++i)
            fields[i]->setText(texts[run & 1][i]);
        ++run;
    }
}
BENCHMARK(SetTextFloor);

void CanvasPress(benchmark::State &state)
{
    Vertisel w;
    auto *canvas = w.findChild<DrawingCanvas *>(QStringLiteral("Picture1"));
    const QPointF at(85, 42);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, at, canvas->mapToGlobal(at), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &press);
    }
}
BENCHMARK(CanvasPress);

void ReadNumberTypical(benchmark::State &state)
{
    const QString text = QStringLiteral("1245");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNumber(text));
}
BENCHMARK(ReadNumberTypical);

void FormatResultTypical(benchmark::State &state)
{
    double value = -1398600.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatResult(value));
}
BENCHMARK(FormatResultTypical);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
