#include "app/captioncolours.h"

#include "app/windowcontrols.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLeastContrast = 4.5;

double luminance(const QColor &colour)
{
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// Gives a caption the desktop's text colour, or black where that colour would
// not read on the caption's own background.
void makeReadable(QWidget *caption, QPalette::ColorRole text, QPalette::ColorRole background)
{
    const QColor desktop = QApplication::palette(caption).color(text);
    QPalette palette = caption->palette();
    palette.setColor(text,
        contrastRatio(desktop, palette.color(background)) >= kLeastContrast ? desktop
                                                                            : QColor(Qt::black));
    caption->setPalette(palette);
}

class CaptionColours : public QObject
{
public:
    CaptionColours(const WindowControls &controls, QWidget *window)
        : QObject(window)
        , m_controls(controls)
        , m_window(window)
    {
        apply();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply()
    {
        makeReadable(m_window, QPalette::WindowText, QPalette::Window);
        makeReadable(m_controls.label1, QPalette::WindowText, QPalette::Window);
        for (QWidget *frame : m_controls.frame1)
            makeReadable(frame, QPalette::WindowText, QPalette::Window);
        for (QWidget *label : m_controls.label2)
            makeReadable(label, QPalette::WindowText, QPalette::Window);
        for (QWidget *button : m_controls.command1)
            makeReadable(button, QPalette::ButtonText, QPalette::Button);
    }

    WindowControls m_controls;
    QWidget *m_window;
};

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void keepCaptionsReadable(const WindowControls &controls, QWidget *window)
{
    new CaptionColours(controls, window);
}
