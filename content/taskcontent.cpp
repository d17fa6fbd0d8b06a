#include "content/taskcontent.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QString>

QString taskText()
{
    // A resource built into the program, so it always opens.
    QFile file(QStringLiteral(":/content/tasktext.txt"));
    file.open(QIODevice::ReadOnly);
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
