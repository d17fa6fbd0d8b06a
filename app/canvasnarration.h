#pragma once

#include <QStringList>

// What the canvas shows, told in words for a user who cannot see it: the
// start-up photo, each point a press recorded, the segments and crossing
// Calculate drew, or that the canvas is empty. Numbers come in the texts the
// fields show. The text ends with how to set points from the keyboard.
class CanvasNarration
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
    void addSegment(
        int lineNumber, const QString &x1, const QString &y1, const QString &x2, const QString &y2);
    // After the segments: where the lines cross, or that they do not cross in one point.
    void addCrossing(const QString &x, const QString &y);
    void addNoCrossing();

    QString text() const;

private:
    void add(const QString &sentence);

    QStringList m_sentences;
};
