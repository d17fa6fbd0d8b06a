#include "startup/platformchoice.h"

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    const char *category; // a category's name lives as long as the program
    QString text;
};

QtMessageHandler g_previousHandler = nullptr;
QString g_platforms; // the list Qt tries, as -platform or QT_QPA_PLATFORM gives it
QList<HeldMessage> g_held; // Wayland's event thread may log too, hence the lock
QMutex g_heldLock;
QStringList g_missingPlugins;

QString platformArgument(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return QString();
}

// The socket a Wayland client connects to: WAYLAND_DISPLAY, relative to
// XDG_RUNTIME_DIR unless it is absolute.
bool waylandSocketExists()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    if (name.startsWith(u'/'))
        return QFileInfo::exists(name);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + u'/' + name);
}

QString variable(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QStringLiteral("%1 is not set").arg(QLatin1String(name))
                           : QStringLiteral("%1=%2").arg(QLatin1String(name), value);
}

QString whatIsMissing(const QString &platforms)
{
    QStringList reasons;
    bool waylandPluginMissing = false;
    for (const QString &entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0); // options follow a colon
        if (g_missingPlugins.contains(name)) {
            if (name.startsWith(QStringLiteral("wayland"))) {
                waylandPluginMissing = true;
                reasons << QStringLiteral("Qt's Wayland plugin is not installed");
            } else {
                reasons << QStringLiteral("Qt's platform plugin '%1' is not installed").arg(name);
            }
        } else if (name.startsWith(QStringLiteral("wayland"))) {
            reasons << QStringLiteral("no Wayland compositor answers (%1)")
                           .arg(variable("WAYLAND_DISPLAY"));
        } else if (name == QStringLiteral("xcb")) {
            reasons << QStringLiteral("no X server answers (%1)").arg(variable("DISPLAY"));
        } else {
            reasons << QStringLiteral("Qt's platform plugin '%1' could not start").arg(name);
        }
    }
    QString line = QStringLiteral("cannot open the window: ") + reasons.join(QStringLiteral(", "))
        + QStringLiteral("; ");
    if (waylandPluginMissing)
        line += QStringLiteral("install the package qt6-wayland, or ");
    return line + QStringLiteral("start it in a desktop session or with xvfb-run");
}

// Used when neither -platform nor QT_QPA_PLATFORM chose: the Wayland
// compositor first where Qt would use it, with the X server (XWayland in a
// Wayland session) as the fall-back, and the other way round where Qt
// prefers X11. Sets QT_QPA_PLATFORM to the list and returns it.
QString choosePlatforms()
{
    const bool hasX = !qEnvironmentVariableIsEmpty("DISPLAY");
    // Qt keeps GNOME's Wayland sessions on XWayland; so do we, with Wayland as
    // the fall-back only.
    const QString desktop = (qEnvironmentVariable("XDG_CURRENT_DESKTOP") + u':'
        + qEnvironmentVariable("XDG_SESSION_DESKTOP"))
                                .toLower();
    const bool preferX = hasX && desktop.contains(QStringLiteral("gnome"));
    QByteArray platforms = "xcb";
    if (waylandSocketExists())
        platforms = preferX ? "xcb;wayland" : "wayland;xcb";
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !hasX)
        return QString(); // a compositor that is gone, and no X server
    qputenv("QT_QPA_PLATFORM", platforms);
    return QString::fromLatin1(platforms);
}

[[noreturn]] void failToStart()
{
    std::fprintf(stderr, "vertisel: %s\n", qPrintable(whatIsMissing(g_platforms)));
    std::fflush(stderr);
    std::_Exit(1);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QMutexLocker locker(&g_heldLock);
    if (type == QtFatalMsg) {
        // Qt ends here when no platform plugin could start; say what is
        // missing in one line and leave without the abort.
        if (text.contains(QStringLiteral("no Qt platform plugin could be initialized")))
            failToStart();
        qInstallMessageHandler(g_previousHandler);
        for (const HeldMessage &message : std::as_const(g_held))
            qt_message_output(message.type, context, message.text);
        qt_message_output(type, context, text); // any other fatal error as usual
        return;
    }
    const QString notFound = QStringLiteral("Could not find the Qt platform plugin \"");
    if (text.startsWith(notFound))
        g_missingPlugins << text.section(u'"', 1, 1);
    g_held.append({ type, context.category, text });
}

} // namespace

void beginPlatformStart(int argc, char *argv[])
{
    g_platforms = platformArgument(argc, argv);
    if (g_platforms.isEmpty())
        g_platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (g_platforms.isEmpty()) {
        g_platforms = choosePlatforms();
        if (g_platforms.isEmpty()) {
            // Trying would only add the Wayland library's own complaints.
            g_platforms = QStringLiteral("wayland");
            failToStart();
        }
    }
    g_previousHandler = qInstallMessageHandler(holdMessage);
}

void endPlatformStart()
{
    qInstallMessageHandler(g_previousHandler);
    const QMutexLocker locker(&g_heldLock);
    for (const HeldMessage &message : std::as_const(g_held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        qt_message_output(message.type, context, message.text);
    }
    g_held.clear();
}

bool platformNamed(int argc, char *argv[])
{
    return !platformArgument(argc, argv).isEmpty();
}
