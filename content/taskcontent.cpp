#include "content/taskcontent.h"

#include <QFile>
#include <QIcon>
#ifdef Q_OS_WASM
#include <QIconEngine>
#endif
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
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
    // Raw 24-bit pixels stored uncompressed in the program: the image reads
    // them in place, so start-up needs no image decoder and no decompressor.
    constexpr int kWidth = 200;
    constexpr int kHeight = 196;
    constexpr int kBytesPerLine = kWidth * 3;
    const QResource pixels(QStringLiteral(":/content/photo.rgb"));
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression
        || pixels.size() != qint64(kBytesPerLine) * kHeight)
        return QImage();
    return QImage(pixels.data(), kWidth, kHeight, kBytesPerLine, QImage::Format_RGB888);
}

namespace {

// Read by the built-in PNG reader alone: without naming the format and
// turning detection off, every image plugin installed would be loaded to
// look at the file first.
QPixmap pngPixmap(const QString &path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// X11 reads every size at once, for the window manager's icon list, so
// the sizes are decoded here. Title bars and task switchers need no more
// than 64 pixels; larger pictures come from the icon theme through the
// launcher entry.
QIcon decodedIcon()
{
    QIcon icon(pngPixmap(QStringLiteral(":/content/vertisel.png")));
    for (const int size : { 16, 22, 24, 48, 64 })
        icon.addPixmap(pngPixmap(QStringLiteral(":/content/icons/vertisel-%1.png").arg(size)));
    return icon;
}

#ifdef Q_OS_WASM
// In a browser the page draws the title bar and nothing shows the window's
// icon at start-up: its pictures are decoded when first asked for, not
// before the window's first paint.
class DecodedWhenAsked : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new DecodedWhenAsked; }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull())
            m_icon = decodedIcon();
        return m_icon;
    }

    QIcon m_icon;
};
#endif

} // namespace

QIcon applicationIcon()
{
#ifdef Q_OS_WASM
    return QIcon(new DecodedWhenAsked);
#else
    return decodedIcon();
#endif
}
