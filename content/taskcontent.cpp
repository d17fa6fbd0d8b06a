#include "content/taskcontent.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

QString taskText()
{
    // A resource built into the program, so it always opens.
    QFile file(QStringLiteral(":/content/tasktext.txt"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The formats are named so that no image reader is probed for them.

QImage startupPhoto()
{
    return QImage(QStringLiteral(":/content/photo.jpg"), "JPEG");
}

QIcon applicationIcon()
{
    return QIcon(QPixmap::fromImage(QImage(QStringLiteral(":/content/vertisel.png"), "PNG")));
}
