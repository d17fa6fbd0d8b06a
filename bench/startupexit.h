#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#ifdef Q_OS_WASM
#include <emscripten/val.h>

#include <string>
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
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
#endif
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
