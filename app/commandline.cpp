#include "app/commandline.h"

#include "app/applicationinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    if (argc <= 1)
        return std::nullopt;

    // A plain core application is enough to read the arguments; it is gone
    // before the GUI one is made.
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    setApplicationInfo();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Finds where two lines cross, each given by two points, and draws the construction.\n"
        "The window is in Bulgarian; it has no settings and saves nothing."));
    // Qt's own single-dash options such as -platform take whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Displays this help and exits."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const char *name : { "platform", "platformtheme", "display", "style", "stylesheet",
             "session", "qwindowgeometry" }) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "vertisel: %s Try 'vertisel --help'.\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}
