#pragma once

#include <QColor>
#include <QPushButton>

// A command button drawn the same under every style: a face of exactly its
// colour inside a raised bevel that sinks while pressed, the caption in the
// button's font and the style's focus indication. Return and Enter press it
// while it has the focus, as Space does; it is never a default button, so
// Enter in a field does not reach it.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QString &caption, const QColor &face, QWidget *parent = nullptr);

    QColor faceColor() const { return m_face; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_face;
};
