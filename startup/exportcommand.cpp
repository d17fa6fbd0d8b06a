#include "startup/exportcommand.h"

#include "presentation/calculatepresentation.h"
#include "solution/solutiondocument.h"
#include "solution/solutionexport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int fail(int status, const QString &message)
{
    std::fprintf(stderr, "vertisel: %s\n", qPrintable(message));
    return status;
}

} // namespace

std::optional<int> runExportCommand(int argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;
    const char *first = argv[1];
    const bool joined = std::strncmp(first, "--export=", 9) == 0;
    if (!joined && std::strcmp(first, "--export") != 0)
        return std::nullopt;

    // Every word after the file is a number, "-5" as well as "5".
    QStringList words;
    if (joined)
        words << QString::fromLocal8Bit(first + 9);
    for (int i = 2; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    const qsizetype numbers = words.size() - 1;
    if (words.isEmpty() || words.first().isEmpty() || numbers != kLineCount * kLineInputCount)
        return fail(2,
            QStringLiteral("--export takes a file and eight numbers, X1 Y1 X2 Y2 of line 1 and "
                           "of line 2; got %1. Try 'vertisel --help'.")
                .arg(words.isEmpty() || words.first().isEmpty()
                        ? QStringLiteral("no file")
                        : QStringLiteral("%1 numbers").arg(numbers)));
    const QString fileName = words.takeFirst();
    const std::optional<ExportFormat> format = exportFormatOf(fileName);
    if (!format)
        return fail(2,
            QStringLiteral("cannot tell the format of '%1' from its extension; use .%2")
                .arg(fileName,
                    exportExtensions().replace(QStringLiteral(", "), QStringLiteral(", ."))));

    // A command line tool says only what went wrong: Qt's notes on its
    // set-up (no runtime folder, an off-screen platform) stay unsaid.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "vertisel: %s\n", qPrintable(message));
    });
    // Qt sees none of the numbers: "-5" is no option of its. Fonts need a GUI
    // application, which here draws off the screen and needs no display.
    int appArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (needsFonts(*format)) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        app = std::make_unique<QGuiApplication>(appArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(appArgc, argv);
    }

    PerInput<QString> texts;
    for (int i = 0; const InputName name : kEveryInput)
        texts[name] = words[i++];
    const CalculatePresentation presentation(std::make_shared<const Calculation>(texts));
    const QByteArray content = exportContent(*format, solutionDocument(presentation));
    if (const auto error = writeWhole(fileName, content))
        return fail(1, QStringLiteral("cannot write '%1': %2").arg(fileName, *error));
    return 0;
}
