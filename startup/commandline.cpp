#include "startup/commandline.h"

#include "startup/applicationinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <iterator>

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
    // Read before anything else (see exportcommand.h); named here for the help.
    QCommandLineOption exportTo { QStringLiteral("export"),
        QStringLiteral("Writes the worked solution for the eight numbers X1 Y1 X2 Y2 X1 Y1 X2 Y2 "
                       "(line 1, then line 2) to FILE, without a window: .pdf, .html, .tex or "
                       ".txt; the figure alone as .svg or .png."),
        QStringLiteral("FILE") };

    OwnOptions()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Finds where two lines cross, each given by two points, and draws the construction.\n"
            "The window is in Bulgarian; it has no settings."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(exportTo);
    }
};

// Qt's own options, which the application object and the X11 platform
// plugin take out of the command line: those followed by a value, and
// switches. Either spelling, "-platform" or "--platform", is Qt's.
const char *const kQtOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "geometry", "qwindowtitle", "title", "qwindowicon", "icon",
    "session", "style", "stylesheet", "qmljsdebugger", "display", "name", "visual" };
const char *const kQtSwitches[] = { "reverse", "testability", "widgetcount", "qdevel", "qdebug",
    "nograb", "dograb" };

// The arguments as the application object would leave them: Qt's own
// options and their values taken out.
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList left { arguments.value(0) };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QStringView name = argument;
        if (name.startsWith(QLatin1String("--")))
            name = name.sliced(1);
        const auto named = [name](const char *option) {
            return name.size() > 1 && name.sliced(1) == QLatin1String(option);
        };
        if (!name.startsWith(u'-')) {
            left << argument;
        } else if (std::any_of(std::begin(kQtSwitches), std::end(kQtSwitches), named)) {
            continue;
        } else if (std::any_of(
                       std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), named)) {
            if (i + 1 < arguments.size())
                ++i;
            else
                left << argument; // no value: Qt leaves it too
        } else if (!name.startsWith(QLatin1String("-style="))
            && !name.startsWith(QLatin1String("-stylesheet="))
            && !name.startsWith(QLatin1String("-qmljsdebugger="))) {
            left << argument;
        }
    }
    return left;
}

// What is wrong with arguments that Qt has no use for, if anything.
std::optional<QString> argumentError(const QStringList &left)
{
    if (left.size() <= 1)
        return std::nullopt;
    OwnOptions own;
    if (!own.parser.parse(left))
        return own.parser.errorText();
    if (!own.parser.positionalArguments().isEmpty())
        return QStringLiteral("Unexpected argument '%1'.")
            .arg(own.parser.positionalArguments().first());
    return std::nullopt;
}

int reportArgumentError(const QString &error)
{
    std::fprintf(stderr, "vertisel: %s Try 'vertisel --help'.\n", qPrintable(error));
    return 2;
}

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
        std::fputs("\nExample, an answer key in PDF:\n"
                   "  vertisel --export key.pdf 1 15 10 15 5 1 5 25\n"
                   "Thirty answer keys, one per line of tasks.txt (eight numbers each):\n"
                   "  n=0; while read -r a b c d e f g h; do n=$((n + 1));\n"
                   "    vertisel --export \"key-$n.pdf\" $a $b $c $d $e $f $g $h || break;\n"
                   "  done < tasks.txt\n",
            stdout);
        return 0;
    }
    if (own.parser.isSet(own.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    // A mistyped option is named before any display is looked for.
    if (const auto error = argumentError(withoutQtOptions(QCoreApplication::arguments())))
        return reportArgumentError(*error);
    return std::nullopt;
}

std::optional<int> rejectUnknownArguments()
{
    if (const auto error = argumentError(QCoreApplication::arguments()))
        return reportArgumentError(*error);
    return std::nullopt;
}
