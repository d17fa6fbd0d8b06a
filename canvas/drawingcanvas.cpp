#include "canvas/drawingcanvas.h"

#include "canvas/canvasunits.h"
#include "canvas/clipping.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBackground(255, 255, 255);
// Red stands out both on the white area and on the blue and dark photo.
const QColor kForeground(220, 0, 0);

constexpr double kAreaRight = DrawingCanvas::kAreaWidth * kTwipsPerPixel;
constexpr double kAreaBottom = DrawingCanvas::kAreaHeight * kTwipsPerPixel;
// Shapes are clipped a little outside the area so that wide pens and ring
// outlines near the edges keep their visible part.
constexpr double kClipMargin = 16 * kTwipsPerPixel;

// Twips to logical pixels in the area, at the centre of the pixel a whole
// twips position falls in. Narrowing to single precision happens here.
QPointF toLogical(double x, double y)
{
    return QPointF(ToCanvas(x) / kTwipsPerPixel + 0.5, ToCanvas(y) / kTwipsPerPixel + 0.5);
}

bool insideClip(double x, double y)
{
    return x >= -kClipMargin && x <= kAreaRight + kClipMargin && y >= -kClipMargin
        && y <= kAreaBottom + kClipMargin;
}

void paintDot(QPainter &painter, QPointF at, int width)
{
    // A round dot as wide as the pen, built from whole pixels so that it is
    // symmetric around the pixel it marks, at any pixel density.
    const double radius = width / 2.0;
    const double firstRow = (width - 1) / 2.0;
    for (int row = 0; row < width; ++row) {
        const double dy = row - firstRow;
        const double reach = std::floor(std::sqrt(radius * radius - dy * dy));
        painter.fillRect(
            QRectF(std::floor(at.x()) - reach, std::floor(at.y() + dy), 2 * reach + 1, 1),
            kForeground);
    }
}

// One shape, with the painter's origin at the area's top-left corner.
void paintItem(QPainter &painter, const ConstructionItem &item)
{
    const QPen pen(kForeground, item.penWidth(), item.dotted() ? Qt::DotLine : Qt::SolidLine);
    switch (item.kind) {
    case ConstructionItem::Kind::Point:
    case ConstructionItem::Kind::Dot:
        if (insideClip(item.x1, item.y1)) // also false for NaN
            paintDot(painter, toLogical(item.x1, item.y1), item.penWidth());
        break;
    case ConstructionItem::Kind::Segment:
    case ConstructionItem::Kind::Extension:
        if (const auto visible = clipSegment({ item.x1, item.y1, item.x2, item.y2 }, -kClipMargin,
                -kClipMargin, kAreaRight + kClipMargin, kAreaBottom + kClipMargin)) {
            painter.setPen(pen);
            painter.drawLine(
                toLogical(visible->x1, visible->y1), toLogical(visible->x2, visible->y2));
        }
        break;
    case ConstructionItem::Kind::Ring: {
        const double x = item.x1, y = item.y1;
        const double r = std::fabs(item.radius);
        // Rings wholly outside the area are skipped; NaN fails every comparison.
        if (!std::isfinite(r)
            || !(x + r >= -kClipMargin && x - r <= kAreaRight + kClipMargin && y + r >= -kClipMargin
                && y - r <= kAreaBottom + kClipMargin))
            break;
        const double logicalRadius = ToCanvas(r) / kTwipsPerPixel;
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(toLogical(x, y), logicalRadius, logicalRadius);
        break;
    }
    }
}

} // namespace

DrawingCanvas::DrawingCanvas(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingCanvas::setBackgroundPicture(const QImage &picture)
{
    m_picture = picture;
    updateArea();
}

QColor DrawingCanvas::backgroundColor() const
{
    return kBackground;
}

QColor DrawingCanvas::foregroundColor() const
{
    return kForeground;
}

void DrawingCanvas::setConstruction(const Construction &construction)
{
    m_construction = construction;
    updateArea();
}

void DrawingCanvas::setPersistentDrawing(bool on)
{
    m_persistent = on;
}

void DrawingCanvas::updateArea()
{
    update(contentsRect());
}

void DrawingCanvas::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, kBackground);
    if (hasBackgroundPicture())
        painter.drawImage(area.topLeft(), m_picture);
    painter.save();
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(0, 0, kAreaWidth, kAreaHeight));
    for (const ConstructionItem &item : m_construction.items())
        paintItem(painter, item);
    painter.restore();
    if (!m_persistent && !m_construction.isEmpty()) {
        const bool blank = m_construction.background() == Construction::Background::Blank;
        m_construction = Construction();
        if (blank)
            m_construction.blank();
    }
    if (hasFocus() && m_cursorShown)
        paintFocus(painter);
}

void DrawingCanvas::mousePressEvent(QMouseEvent *event)
{
    reportPress(event);
}

void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The window system delivers the second press of a double click as this
    // event instead of a press; it is a press like any other.
    reportPress(event);
}

void DrawingCanvas::reportPress(QMouseEvent *event)
{
    const QRect area = contentsRect();
    // The whole logical pixel the press falls in, also at fractional scaling.
    const QPoint pixel(
        int(std::floor(event->position().x())), int(std::floor(event->position().y())));
    if (!area.contains(pixel))
        return;
    // The keyboard carries on from the last press, its cross-hair hidden.
    m_cursor = pixel - area.topLeft();
    if (m_cursorShown) {
        m_cursorShown = false;
        update();
    }
    pressAt(m_cursor, event->button(), event->modifiers());
}

void DrawingCanvas::pressAt(QPoint inArea, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    emit mouseDown(
        button, modifiers, float(inArea.x() * kTwipsPerPixel), float(inArea.y() * kTwipsPerPixel));
}

void DrawingCanvas::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = { -step, 0 };
        break;
    case Qt::Key_Right:
        move = { step, 0 };
        break;
    case Qt::Key_Up:
        move = { 0, -step };
        break;
    case Qt::Key_Down:
        move = { 0, step };
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Only at a cross-hair the user can see, and once per key press: a
        // stray key after a click, or a held one, records no points.
        if (m_cursorShown && !event->isAutoRepeat())
            pressAt(m_cursor, Qt::NoButton, event->modifiers());
        return;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    // The first arrow shows the cross-hair where it stands; later ones move it.
    if (m_cursorShown)
        m_cursor = QPoint(std::clamp(m_cursor.x() + move.x(), 0, kAreaWidth - 1),
            std::clamp(m_cursor.y() + move.y(), 0, kAreaHeight - 1));
    m_cursorShown = true;
    update();
    emit keyboardCursorMoved(m_cursor);
}

void DrawingCanvas::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    // Focus that did not come from a press shows the cross-hair, as a browser
    // shows :focus-visible: Tab, and a screen reader that moves the focus
    // here, so that Space records at once; a click keeps the sunken border.
    // Focus given back when the window is active again, or a popup closes,
    // returns as it left: a click, a trip to another window, then a stray
    // Space records nothing.
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        m_cursorShown = true;
    }
    update();
}

void DrawingCanvas::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

void DrawingCanvas::paintFocus(QPainter &painter)
{
    // The cue takes the place of the sunken border, never the drawing area.
    const QColor cue = palette().color(QPalette::Highlight);
    const QRect outer = rect();
    const QRect area = contentsRect();
    painter.fillRect(QRect(outer.topLeft(), QPoint(outer.right(), area.top() - 1)), cue);
    painter.fillRect(QRect(QPoint(outer.left(), area.bottom() + 1), outer.bottomRight()), cue);
    painter.fillRect(QRect(outer.left(), area.top(), area.left(), area.height()), cue);
    painter.fillRect(
        QRect(area.right() + 1, area.top(), outer.right() - area.right(), area.height()), cue);
    // A cross-hair of one-pixel lines, with a gap on the pixel it marks so
    // that a dot there stays visible, drawn over the picture, not into it.
    constexpr int kArm = 6;
    const QPoint c = area.topLeft() + m_cursor;
    painter.save();
    painter.setClipRect(area);
    for (const QRect &arm :
        { QRect(c.x() - kArm, c.y(), kArm - 1, 1), QRect(c.x() + 2, c.y(), kArm - 1, 1),
            QRect(c.x(), c.y() - kArm, 1, kArm - 1), QRect(c.x(), c.y() + 2, 1, kArm - 1) })
        painter.fillRect(arm, cue);
    painter.restore();
}
