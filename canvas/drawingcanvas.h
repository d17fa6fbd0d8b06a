#pragma once

#include "presentation/construction.h"

#include <QFrame>
#include <QImage>

// The drawing surface: a 2-pixel sunken frame around a 200 x 196 pixel area.
// Every coordinate it takes or reports is in twips (15 twips to a logical
// pixel) from the top-left corner of that area, y growing downwards. It shows
// the construction it was last given, painted anew at the screen's device
// pixel ratio whenever the area is painted, so that it stays sharp on a
// screen of any scale.
class DrawingCanvas : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kAreaWidth = 200; // logical pixels
    static constexpr int kAreaHeight = 196;
    static constexpr int kBorder = 2;

    explicit DrawingCanvas(QWidget *parent = nullptr);

    // The picture shown beneath the shapes while the construction's
    // background is the photo.
    void setBackgroundPicture(const QImage &picture);
    bool hasBackgroundPicture() const
    {
        return !m_picture.isNull()
            && m_construction.background() == Construction::Background::Photo;
    }
    QColor backgroundColor() const;
    QColor foregroundColor() const;

    // Shows the construction: its background, and every shape in the
    // foreground colour with the shape's pen. Shapes are clipped to the area
    // in double precision before narrowing to single precision, so points far
    // outside still show their visible part; coordinates that are not
    // numbers draw nothing.
    void setConstruction(const Construction &construction);
    // With persistent drawing off, the shapes last only until the next
    // repaint; the background stays.
    void setPersistentDrawing(bool on);

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
    void reportPress(QMouseEvent *event);
    void pressAt(QPoint inArea, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void paintFocus(QPainter &painter);
    void updateArea();

    QImage m_picture;
    Construction m_construction;
    bool m_persistent = false;
    QPoint m_cursor { kAreaWidth / 2, kAreaHeight / 2 };
    bool m_cursorShown = false;
};
