#pragma once

#include "app/fieldtable.h"
#include "app/vertisel.h"
#include "canvas/drawingcanvas.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The fields the tests address by what they hold.
inline constexpr int kLine1X1 = FieldTable::field(InputName { 0, LineInput::X1 });
inline constexpr int kLine1Y1 = FieldTable::field(InputName { 0, LineInput::Y1 });
inline constexpr int kLine1X2 = FieldTable::field(InputName { 0, LineInput::X2 });
inline constexpr int kLine1Y2 = FieldTable::field(InputName { 0, LineInput::Y2 });
inline constexpr int kLine2X1 = FieldTable::field(InputName { 1, LineInput::X1 });
inline constexpr int kLine2Y1 = FieldTable::field(InputName { 1, LineInput::Y1 });
inline constexpr int kLine2X2 = FieldTable::field(InputName { 1, LineInput::X2 });
inline constexpr int kLine2Y2 = FieldTable::field(InputName { 1, LineInput::Y2 });
inline constexpr int kA1 = FieldTable::field(ResultName { 0, LineResult::A });
inline constexpr int kK1 = FieldTable::field(ResultName { 0, LineResult::K });
inline constexpr int kK2 = FieldTable::field(ResultName { 1, LineResult::K });
inline constexpr int kXt = FieldTable::field(CrossingCoordinate::X);
inline constexpr int kYt = FieldTable::field(CrossingCoordinate::Y);

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
    void calculate() const { click(button(0), button(0)->rect().center()); }
    void clear() const { click(button(1), button(1)->rect().center()); }

    // Input goes to the window as a window system delivers it: the window
    // finds the widget under the pointer and turns a quick second press into
    // a double click. Shows the window first if needed.
    QWindow *handle() const
    {
        if (!window.isVisible()) {
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                qWarning("window not exposed");
        }
        return window.windowHandle();
    }
    QPoint inWindow(const QWidget *widget, QPoint at) const { return widget->mapTo(&window, at); }
    void click(const QWidget *widget, QPoint at, Qt::MouseButton b = Qt::LeftButton) const
    {
        QTest::mouseClick(handle(), b, {}, inWindow(widget, at));
    }
    DrawingCanvas *canvas() const
    {
        return window.findChild<DrawingCanvas *>(QStringLiteral("Picture1"));
    }

    // A press at a logical pixel of the drawing area (not of the frame).
    void press(QPoint areaPixel, Qt::MouseButton button = Qt::LeftButton) const
    {
        click(canvas(), canvas()->contentsRect().topLeft() + areaPixel, button);
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
