#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QEvent>
#include <QObject>
#include <QTimer>

#ifdef Q_OS_WASM
#include <emscripten/val.h>

#include <string>
#endif

#ifndef Q_OS_WASM
// Copies the "VmRSS:" line of /proc/self/status, in KiB, into the file.
inline void writeResidentKiB(const QString &path)
{
    QFile status(QStringLiteral("/proc/self/status"));
    QFile out(path);
    if (!status.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            out.write(line.mid(6).trimmed().split(' ').value(0) + '\n');
}
#endif

// Ends the application right after the watched window's first frame: the
// first paint of the window itself, then the rest of that repaint pass and
// its flush to the screen, which run before the queued quit. In a browser,
// where the program never ends, the page's performance timeline gets the
// mark "window-painted" instead, as the real program's page does.
class QuitAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
#ifdef Q_OS_WASM
            QTimer::singleShot(0, this, [] {
                emscripten::val::global("performance")
                    .call<void>("mark", std::string("window-painted"));
            });
#else
            // With VERTISEL_SETTLED_RSS set to a file: the resident memory once
            // the mapped window has idled for 1.5 s goes there, then the end.
            const QString settled = qEnvironmentVariable("VERTISEL_SETTLED_RSS");
            if (settled.isEmpty()) {
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            } else {
                QTimer::singleShot(1500, QCoreApplication::instance(), [settled] {
                    writeResidentKiB(settled);
                    QCoreApplication::quit();
                });
            }
#endif
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
