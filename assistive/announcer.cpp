#include "assistive/announcer.h"

Announcer::Announcer(QWidget *window)
    : QWidget(window)
    , m_notification(new QWidget(this))
{
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { announce(m_waiting); });
}

void Announcer::announce(const QString &message)
{
    m_timer.stop();
    m_message = message;
    m_sinceLast.start();
    // Hidden and shown again: the notification appears with the new message.
    m_notification->hide();
    m_notification->show();
}

void Announcer::announceLatest(const QString &message)
{
    m_waiting = message;
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceLast.isValid() ? m_sinceLast.elapsed() : kInterval;
    if (since >= kInterval)
        announce(message);
    else
        m_timer.start(int(kInterval - since));
}
