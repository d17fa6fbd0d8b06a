#pragma once

#include "app/vertisel.h"
#include "canvas/drawingcanvas.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Reaches the window's controls the way an outside test would: by objectName.
struct WindowProbe
{
    Vertisel &window;

    QLineEdit *field(int i) const
    {
        return window.findChild<QLineEdit *>(QStringLiteral("Text2_%1").arg(i));
    }
    QString text(int i) const { return field(i)->text(); }
    void type(int i, const QString &text) const { field(i)->setText(text); }
    QPushButton *button(int i) const
    {
        return window.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(i));
    }
    void calculate() const { QTest::mouseClick(button(0), Qt::LeftButton); }
    void clear() const { QTest::mouseClick(button(1), Qt::LeftButton); }
    DrawingCanvas *canvas() const
    {
        return window.findChild<DrawingCanvas *>(QStringLiteral("Picture1"));
    }

    // A press at a logical pixel of the drawing area (not of the frame).
    void press(QPoint areaPixel, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mousePress(canvas(), button, {}, canvas()->contentsRect().topLeft() + areaPixel);
        QTest::mouseRelease(canvas(), button, {}, canvas()->contentsRect().topLeft() + areaPixel);
    }

    // The drawing area as the screen shows it, at the screen's pixel density.
    QImage area() const
    {
        DrawingCanvas *c = canvas();
        return c->grab(c->contentsRect()).toImage();
    }

    // The colour at a logical pixel of the drawing area.
    QColor at(const QImage &image, QPoint areaPixel) const
    {
        const qreal dpr = image.devicePixelRatio();
        return image.pixelColor(QPoint(int(areaPixel.x() * dpr), int(areaPixel.y() * dpr)));
    }

    // Whether any pixel of the logical square around a point has the ink colour.
    bool inkNear(const QImage &image, QPoint areaPixel, int radius = 0) const
    {
        const QColor ink = canvas()->foregroundColor();
        const qreal dpr = image.devicePixelRatio();
        const QRect box(
            QPoint(int((areaPixel.x() - radius) * dpr), int((areaPixel.y() - radius) * dpr)),
            QPoint(int((areaPixel.x() + radius + 1) * dpr) - 1,
                int((areaPixel.y() + radius + 1) * dpr) - 1));
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (image.rect().contains(x, y) && image.pixelColor(x, y) == ink)
                    return true;
        return false;
    }
};
