// Draws the start-up photo (a sky with a vapour trail, a cable, trees and a
// roof, 200 x 196) and the 32 x 32, 256-colour hamburger icon with a
// transparency mask (PNG and ICO). The photo is stored as raw 24-bit pixels,
// row after row, red-green-blue, so that the program shows it in place with no
// decoding at start-up. Usage: makecontent OUTPUT_FOLDER
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

QImage drawPhoto()
{
    QImage photo(200, 196, QImage::Format_RGB32);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 196);
    sky.setColorAt(0.0, QColor(58, 104, 178));
    sky.setColorAt(0.6, QColor(120, 160, 214));
    sky.setColorAt(1.0, QColor(190, 208, 230));
    p.fillRect(photo.rect(), sky);

    // The vapour trail: a bright, nearly vertical band from the top, softer
    // at its edges and fading as it comes down.
    for (int halo = 7; halo >= 0; --halo) {
        QPen pen(
            QColor(255, 255, 255, halo == 0 ? 235 : 22), 3 + 2 * halo, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        QPainterPath trail(QPointF(88, -4));
        trail.cubicTo(QPointF(92, 50), QPointF(97, 100), QPointF(104, 150));
        p.drawPath(trail);
    }

    // A thin dark cable hanging straight down.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(30, 30, 34), 1));
    p.drawLine(151, 0, 151, 195);
    p.setRenderHint(QPainter::Antialiasing);

    // Dark trees along the bottom and up the right side.
    QRandomGenerator random(1996);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const bool right = i % 3 == 0;
        const double x = right ? 168 + random.bounded(40) : random.bounded(210) - 5;
        const double y = right ? 40 + random.bounded(160) : 150 + random.bounded(50);
        const double r = 4 + random.bounded(9);
        const int shade = 12 + random.bounded(26);
        p.setBrush(QColor(shade, shade + 10 + random.bounded(12), shade));
        p.drawEllipse(QPointF(x, y), r, r * 1.2);
    }

    // A house roof at the bottom left.
    QPolygonF roof;
    roof << QPointF(14, 196) << QPointF(14, 176) << QPointF(52, 154) << QPointF(92, 176)
         << QPointF(92, 196);
    p.setBrush(QColor(44, 30, 28));
    p.drawPolygon(roof);
    p.setBrush(QColor(70, 50, 44));
    p.drawRect(QRectF(62, 160, 7, 14)); // chimney
    p.end();
    return photo;
}

// The hamburger in a 32 x 32 frame, the one source of every icon size: drawn
// as it is for the 32-pixel icon, scaled and antialiased for the others.
void paintHamburger(QPainter &p)
{
    p.setPen(Qt::NoPen);

    // Top bun with sesame seeds.
    p.setBrush(QColor(214, 140, 48));
    p.drawChord(QRect(3, 3, 26, 20), 0, 180 * 16);
    p.setBrush(QColor(250, 236, 196));
    for (const QPoint &seed : { QPoint(10, 7), QPoint(16, 5), QPoint(21, 8), QPoint(13, 10) })
        p.drawRect(QRect(seed, QSize(2, 1)));
    // Lettuce, cheese, patty and bottom bun.
    p.setBrush(QColor(64, 170, 48));
    p.drawRect(QRect(3, 13, 26, 3));
    p.setBrush(QColor(250, 206, 30));
    QPolygon cheese;
    cheese << QPoint(3, 16) << QPoint(29, 16) << QPoint(25, 19) << QPoint(7, 19);
    p.drawPolygon(cheese);
    p.setBrush(QColor(100, 52, 24));
    p.drawRoundedRect(QRect(2, 18, 28, 5), 2, 2);
    p.setBrush(QColor(214, 140, 48));
    p.drawRoundedRect(QRect(3, 23, 26, 6), 3, 3);
}

QImage drawIcon()
{
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    paintHamburger(p);
    p.end();

    // 256 colours; index 0 is the transparent one, which gives the mask.
    QList<QRgb> table { qRgba(0, 0, 0, 0) };
    QImage indexed(32, 32, QImage::Format_Indexed8);
    indexed.setColorCount(256);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            QRgb c = icon.pixel(x, y);
            c = qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : qRgb(qRed(c), qGreen(c), qBlue(c));
            qsizetype index = table.indexOf(c);
            if (index < 0) {
                index = table.size() < 256 ? table.size() : 1;
                if (table.size() < 256)
                    table.append(c);
            }
            indexed.setPixel(x, y, uint(index));
        }
    }
    while (table.size() < 256)
        table.append(qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

// Writes the pixels of an opaque picture as bytes R, G, B, row after row.
bool writeRawPixels(const QImage &picture, const QString &path)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qsizetype rowBytes = qsizetype(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y)
        if (file.write(reinterpret_cast<const char *>(rgb.constScanLine(y)), rowBytes) != rowBytes)
            return false;
    return true;
}

// The icon at another size for the desktop's icon theme, written as
// icons/vertisel-SIZE.png: the same drawing, scaled and antialiased, in full
// colour with soft edges.
QImage drawSmoothIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paintHamburger(p);
    p.end();
    return icon;
}

// The icon for a home screen that crops it to its own shape (circle, rounded
// square): the same drawing in the middle 60 %, inside the circle of 80 %
// that every such shape keeps, on a full square of the page's background.
QImage drawMaskableIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(QColor(216, 216, 232));
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size * 0.2, size * 0.2);
    p.scale(size * 0.6 / 32.0, size * 0.6 / 32.0);
    paintHamburger(p);
    p.end();
    return icon;
}

// Writes an 8-bit (256-colour) icon with its AND mask, the form the Windows
// executable carries. Qt's own ICO writer would store 32 bits per pixel.
bool writeIco(const QImage &indexed, const QString &path)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    const int size = indexed.width();
    const int maskRowBytes = ((size + 31) / 32) * 4;
    const quint32 imageBytes = 40 + 256 * 4 + size * size + maskRowBytes * size;
    stream << quint16(0) << quint16(1) << quint16(1); // icon directory, one image
    stream << quint8(size) << quint8(size) << quint8(0) << quint8(0) << quint16(1) << quint16(8)
           << imageBytes << quint32(6 + 16);
    // Bitmap header: height counts the colour bitmap and the mask together.
    stream << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(8)
           << quint32(0) << quint32(size * size + maskRowBytes * size) << qint32(0) << qint32(0)
           << quint32(256) << quint32(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        stream << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = size - 1; y >= 0; --y) // rows bottom-up
        for (int x = 0; x < size; ++x)
            stream << quint8(indexed.pixelIndex(x, y));
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, 0);
        for (int x = 0; x < size; ++x)
            if (qAlpha(indexed.color(indexed.pixelIndex(x, y))) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        stream.writeRawData(row.constData(), int(row.size()));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// Two PNG files show the same picture: decoded pixels, not bytes, which
// depend on the zlib build; a channel may differ by one step, as antialiased
// edges do between the raster engine's code paths for different processors.
bool samePicture(const QString &a, const QString &b)
{
    const QImage first = QImage(a).convertToFormat(QImage::Format_ARGB32);
    const QImage second = QImage(b).convertToFormat(QImage::Format_ARGB32);
    if (first.isNull() || first.size() != second.size())
        return false;
    for (int y = 0; y < first.height(); ++y) {
        const auto *p = reinterpret_cast<const uchar *>(first.constScanLine(y));
        const auto *q = reinterpret_cast<const uchar *>(second.constScanLine(y));
        for (int i = 0; i < 4 * first.width(); ++i)
            if (std::abs(p[i] - q[i]) > 1)
                return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--same-picture") == 0)
        return samePicture(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0
                                                                                             : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: makecontent OUTPUT_FOLDER | --same-picture A.png B.png\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = writeRawPixels(drawPhoto(), folder + QStringLiteral("/photo.rgb"))
        && drawIcon().save(folder + QStringLiteral("/vertisel.png"), "PNG")
        && writeIco(drawIcon(), folder + QStringLiteral("/vertisel.ico"));
    if (!ok) {
        std::fprintf(stderr, "makecontent: could not write the images into %s\n", argv[1]);
        return 1;
    }
    // The theme sizes besides 32, which is the 256-colour icon above, and the
    // browser build's home-screen icons.
    QDir(folder).mkpath(QStringLiteral("icons"));
    QDir(folder).mkpath(QStringLiteral("web"));
    QList<std::pair<QString, QImage>> icons;
    for (const int size : { 16, 22, 24, 48, 64, 128, 256 })
        icons.append({ QStringLiteral("icons/vertisel-%1.png").arg(size), drawSmoothIcon(size) });
    for (const int size : { 192, 512 })
        icons.append({ QStringLiteral("web/vertisel-%1.png").arg(size), drawSmoothIcon(size) });
    icons.append({ QStringLiteral("web/vertisel-maskable-512.png"), drawMaskableIcon(512) });
    for (const auto &[name, icon] : icons) {
        const QString path = folder + QLatin1Char('/') + name;
        if (!icon.save(path, "PNG")) {
            std::fprintf(stderr, "makecontent: could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
