#include "startup/commandline.h"

#include "startup/applicationinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The program's own options. Qt's own single-dash options such as -platform
// take whole words, so "-v" is read the same way.
struct OwnOptions
{
    QCommandLineParser parser;
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Displays this help and exits.") };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Displays version information.") };

    OwnOptions()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Finds where two lines cross, each given by two points, and draws the construction.\n"
            "The window is in Bulgarian; it has no settings and saves nothing."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
    }
};

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    if (argc <= 1)
        return std::nullopt;

    // A plain core application is enough to read the arguments; it is gone
    // before the GUI one is made.
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    setApplicationInfo();

    // What is not ours may be Qt's: only the GUI application object knows.
    OwnOptions own;
    own.parser.parse(QCoreApplication::arguments());
    if (own.parser.isSet(own.help)) {
        std::fputs(qPrintable(own.parser.helpText()), stdout);
        return 0;
    }
    if (own.parser.isSet(own.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> rejectUnknownArguments()
{
    const QStringList left = QCoreApplication::arguments();
    if (left.size() <= 1)
        return std::nullopt;
    OwnOptions own;
    QString error;
    if (!own.parser.parse(left))
        error = own.parser.errorText();
    else if (!own.parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.")
                    .arg(own.parser.positionalArguments().first());
    else
        return std::nullopt;
    std::fprintf(stderr, "vertisel: %s Try 'vertisel --help'.\n", qPrintable(error));
    return 2;
}
