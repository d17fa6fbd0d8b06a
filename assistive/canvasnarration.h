#pragma once

#include "assistive/accessibility.h"

#include <QList>
#include <QString>

// What the canvas shows now, told in words for a user who cannot see it: the
// start-up photo or the empty canvas, each point a press recorded, the
// segments and crossing Calculate drew. Everything drawn stays until the
// canvas is blanked, so each thing is told once however often it was drawn.
// Numbers come as the fields show them. Recording is cheap; the words are put
// together only when an assistive client asks for them. They end with how to
// set points from the keyboard.
class CanvasNarration final : public PictureDescription
{
public:
    CanvasNarration();

    // The canvas as at start: the photo, nothing drawn.
    void showPhoto();
    // Blanked: no photo, nothing drawn.
    void clear();
    // A press that recorded point 1 or 2 (pointNumber) of line 1 or 2.
    void addPoint(int lineNumber, int pointNumber, const QString &x, const QString &y);
    // A press that left a dot and recorded nothing.
    void addDot(const QString &x, const QString &y);
    // A segment drawn between two points, as the program read them.
    void addSegment(int lineNumber, double x1, double y1, double x2, double y2);
    // After the segments: where the lines cross, or that they do not cross in one point.
    void addCrossing(const QString &x, const QString &y);
    void addNoCrossing(const QString &reason);

    QString text() const;
    QString pictureDescription() const override { return text(); }
    // The newest change alone, to be announced: what was drawn last, or the
    // photo or the empty canvas.
    QString latest() const;
    // Where the keyboard's cross-hair stands.
    static QString cursorText(const QString &x, const QString &y);

private:
    struct Item
    {
        enum class Kind { Photo, Empty, Point, Dot, Segment, Crossing, NoCrossing } kind;
        bool operator==(const Item &) const = default;
        int line = 0;
        int point = 0;
        QString x {}; // as the fields show them; NoCrossing: x holds the reason
        QString y {};
        double ends[4] = {}; // a segment's x1, y1, x2, y2
    };

    void add(Item item);
    static QString sentence(const Item &item);

    QList<Item> m_items;
};
