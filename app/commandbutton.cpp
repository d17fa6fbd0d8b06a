#include "app/commandbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {

constexpr int kBevel = 2; // pixels of raised or sunken edge around the face
constexpr int kFocusInset = 4;

} // namespace

CommandButton::CommandButton(const QString &caption, const QColor &face, QWidget *parent)
    : QPushButton(caption, parent)
    , m_face(face)
{
    setAutoDefault(false);
    setDefault(false);
    // The face colour also stands in the palette, for anything that asks.
    QPalette colours = palette();
    colours.setColor(QPalette::Button, face);
    setPalette(colours);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const QBrush face(m_face);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    QRect caption = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
    if (sunken)
        caption.translate(1, 1); // the caption sinks with the face
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
