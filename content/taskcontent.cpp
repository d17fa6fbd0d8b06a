#include "content/taskcontent.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QString>

QString taskText()
{
    QFile file(QStringLiteral(":/content/tasktext.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QImage startupPhoto()
{
    return QImage(QStringLiteral(":/content/photo.jpg"));
}

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/content/vertisel.png"));
}
