#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// Tells a screen reader news that comes without a focus change: a point set
// on the canvas, what Calculate found, where the keyboard's cross-hair
// stands. In the window's accessibility tree it is a status bar without size
// whose one child, a notification, is shown anew with each message: screen
// readers speak a notification as it appears, whichever control has the
// focus, and read the status bar again on request.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    // Tells MESSAGE now; one waiting in announceLatest is dropped.
    void announce(const QString &message);
    // For news that comes in bursts, as from a key held down: told at most
    // once every kInterval, and the newest message always told last.
    void announceLatest(const QString &message);
    QString message() const { return m_message; }

    static constexpr int kInterval = 300; // ms

private:
    QWidget *m_notification;
    QString m_message;
    QString m_waiting;
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
};
