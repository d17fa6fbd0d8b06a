#pragma once

#include "geometry/calculation.h"
#include "presentation/pointcapture.h"

#include <QList>

// One shape of the construction, in twips from the top-left corner of the
// canvas's drawing area, y growing downwards.
struct ConstructionItem
{
    enum class Kind {
        Segment, // a line between its two points, solid
        Extension, // dotted, from a line's first point to the crossing
        Ring, // around the crossing
        Point, // the thick dot of a press that recorded a point
        Dot, // the thick dot of a press that recorded nothing
    };
    Kind kind = Kind::Segment;
    int line = 0; // Segment, Extension, Point: 0 or 1
    int point = 0; // Point: 0 or 1
    double x1 = 0.0, y1 = 0.0; // a segment's start; a dot's or ring's centre
    double x2 = 0.0, y2 = 0.0; // a segment's end
    double radius = 0.0; // Ring

    bool operator==(const ConstructionItem &) const = default;
    // The pen, in logical pixels: thick dots for presses, thin lines otherwise.
    int penWidth() const { return kind == Kind::Point || kind == Kind::Dot ? kCaptureDotWidth : 1; }
    bool dotted() const { return kind == Kind::Extension; }
};

// The radius of the ring around the crossing, in twips.
inline constexpr double kRingRadius = 30.0;

// What the canvas shows: the start-up photo or a blank area, and every shape
// drawn since, each once. Everything is drawn in one colour, so the order of
// the shapes does not change the picture; a shape drawn again is kept once,
// as the newest.
class Construction
{
public:
    enum class Background { Photo, Blank };

    Background background() const { return m_background; }
    const QList<ConstructionItem> &items() const { return m_items; }
    bool isEmpty() const { return m_items.isEmpty(); }

    // Removes the photo and every shape.
    void blank();
    void add(const ConstructionItem &item);

    // A canvas drawn over this many times without a blank keeps the newest
    // shapes only, so that memory and painting time stay bounded.
    static constexpr qsizetype kMostItems = 4096;

    bool operator==(const Construction &) const = default;

private:
    Background m_background = Background::Photo;
    QList<ConstructionItem> m_items;
};

// What a Calculate draws: each line's segment; where the lines cross in a
// point, the dotted extensions from each line's first point to it and the
// ring around it. In drawing order.
QList<ConstructionItem> calculationShapes(const Calculation &calculation);

// The dot a press leaves: a recorded point of its slot, or a dot only.
ConstructionItem pressShape(const CaptureStep &step, double x, double y);
