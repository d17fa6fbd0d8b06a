#pragma once

#include "presentation/construction.h"

#include <QFrame>
#include <QImage>

// The drawing surface: a 2-pixel sunken frame around a 200 x 196 pixel area.
// Every coordinate it takes or reports is in twips (15 twips to a logical
// pixel) from the top-left corner of that area, y growing downwards. It keeps
// a background picture and, above it, a layer that holds everything drawn, at
// the screen's device pixel ratio, from which it repaints. Drawing calls only
// queue their shape, already clipped; the queue is rasterized into the layer
// once per frame, when the area is next painted.
class DrawingCanvas : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kAreaWidth = 200; // logical pixels
    static constexpr int kAreaHeight = 196;
    static constexpr int kBorder = 2;
    static constexpr int kSolid = 0;
    static constexpr int kDotted = 2;

    explicit DrawingCanvas(QWidget *parent = nullptr);

    // The picture shown beneath the drawings until the next blank reset.
    void setBackgroundPicture(const QImage &picture);
    bool hasBackgroundPicture() const { return !m_picture.isNull(); }
    QColor backgroundColor() const;
    QColor foregroundColor() const;

    // Shows the construction: its background and every shape.
    void setConstruction(const Construction &construction);

    // With persistent drawing off, drawings last only until the next repaint.
    void setPersistentDrawing(bool on);
    // Removes the picture and every drawing: a plain area in the background colour.
    void BlankReset();
    // Removes every drawing, keeping the picture.
    void ClearDrawings();
    void SetPenWidth(int pixels);
    // kSolid or kDotted; any other style draws solid.
    void SetDashStyle(int style);
    int penWidth() const { return m_penWidth; }
    int dashStyle() const { return m_dashStyle; }

    // Shapes in twips, in the foreground colour with the current pen. They
    // are clipped to the area in double precision before narrowing to single
    // precision, so points far outside still show their visible part.
    // Coordinates that are not numbers draw nothing.
    void DrawPoint(double x, double y);
    void DrawSegment(double x1, double y1, double x2, double y2);
    void DrawRing(double x, double y, double radius);

    // The keyboard's cross-hair, in logical pixels of the area, when shown.
    bool keyboardCursorShown() const { return m_cursorShown; }
    QPoint keyboardCursor() const { return m_cursor; }

signals:
    // A press of any mouse button inside the drawing area, or Space or Enter
    // at the keyboard's cross-hair, in whole twips of the logical pixel it
    // falls in. Presses on the border are not reported.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);
    // An arrow key showed or moved the keyboard's cross-hair.
    void keyboardCursorMoved(QPoint inArea);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // With the focus, arrows move a cross-hair by a pixel (with Shift by ten)
    // and Space or Enter presses at it, exactly as the mouse would there. The
    // cross-hair and the focus cue show after focus from Tab or Shift+Tab, or
    // after an arrow, until a mouse press.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // A shape in logical pixels of the area, with the pen it was drawn with.
    struct Shape
    {
        enum class Kind { Dot, Segment, Ring } kind;
        QPointF from;
        QPointF to; // Segment only
        double radius; // Ring only
        int penWidth;
        bool dotted;
    };

    void reportPress(QMouseEvent *event);
    void pressAt(QPoint inArea, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void paintFocus(QPainter &painter);
    void queue(const Shape &shape);
    void rasterizePending();
    void prepareLayer();
    void resetDrawings();
    void updateArea();

    QImage m_picture;
    QImage m_layer;
    QList<Shape> m_pending;
    bool m_persistent = false;
    int m_penWidth = 1;
    int m_dashStyle = 0;
    QPoint m_cursor { kAreaWidth / 2, kAreaHeight / 2 };
    bool m_cursorShown = false;
};
