#include "app/windowcontrols.h"

#include "app/commandbutton.h"
#include "canvas/canvasunits.h"
#include "canvas/drawingcanvas.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

struct FieldPlacement
{
    int index; // in the field table
    int frame;
    const char16_t *caption;
    Twips label;
    Twips field;
};

using enum LineInput;
using enum LineResult;

// A line's input or result by its place in the field table.
constexpr int at(int line, LineInput input)
{
    return FieldTable::field(InputName { line, input });
}

constexpr int at(int line, LineResult result)
{
    return FieldTable::field(ResultName { line, result });
}

// In creation order, frame by frame; each line's k comes after its C.
constexpr FieldPlacement kFields[FieldTable::kCount] = {
    { at(0, X1), 0, u"X1:", { 120, 360, 375, 315 }, { 480, 360, 1455, 315 } },
    { at(0, Y1), 0, u"Y1:", { 2040, 360, 375, 315 }, { 2400, 360, 1455, 315 } },
    { at(0, X2), 0, u"X2:", { 120, 720, 375, 315 }, { 480, 720, 1455, 315 } },
    { at(0, Y2), 0, u"Y2:", { 2040, 720, 375, 315 }, { 2400, 720, 1455, 315 } },
    { at(0, A), 0, u"A1:", { 120, 1080, 375, 315 }, { 480, 1080, 1455, 330 } },
    { at(0, B), 0, u"B1:", { 2040, 1080, 375, 315 }, { 2400, 1080, 1455, 330 } },
    { at(0, C), 0, u"C1:", { 120, 1440, 375, 315 }, { 480, 1440, 1455, 330 } },
    { at(0, K), 0, u"k1:", { 2040, 1440, 375, 315 }, { 2400, 1440, 1455, 330 } },
    { at(1, X1), 1, u"X1:", { 120, 360, 375, 315 }, { 480, 360, 1455, 315 } },
    { at(1, Y1), 1, u"Y1:", { 2040, 360, 495, 315 }, { 2520, 360, 1335, 315 } },
    { at(1, X2), 1, u"X2:", { 120, 720, 375, 315 }, { 480, 720, 1455, 315 } },
    { at(1, Y2), 1, u"Y2:", { 2040, 720, 495, 315 }, { 2520, 720, 1335, 315 } },
    { at(1, A), 1, u"A2:", { 120, 1080, 375, 315 }, { 480, 1080, 1455, 315 } },
    { at(1, B), 1, u"B2:", { 2040, 1080, 495, 315 }, { 2520, 1080, 1335, 315 } },
    { at(1, C), 1, u"C2:", { 120, 1440, 375, 315 }, { 480, 1440, 1455, 315 } },
    { at(1, K), 1, u"k2:", { 2040, 1440, 495, 315 }, { 2520, 1440, 1335, 315 } },
    { FieldTable::field(CrossingCoordinate::X), 2, u"X:", { 120, 240, 255, 315 },
        { 360, 240, 1095, 315 } },
    { FieldTable::field(CrossingCoordinate::Y), 2, u"Y:", { 1560, 240, 255, 315 },
        { 1800, 240, 1095, 315 } },
};

struct FramePlacement
{
    const char16_t *caption;
    Twips place;
};

constexpr FramePlacement kFrames[3] = {
    { u"Права 1:", { 3240, 480, 3975, 1815 } },
    { u"Права 2:", { 3240, 2400, 3975, 1815 } },
    { u"Координати на пресечна т.", { 120, 3480, 3015, 615 } },
};

constexpr Twips kCalculateButton { 120, 0, 975, 375 };
constexpr Twips kTitle { 1200, 0, 4935, 375 };
constexpr Twips kClearButton { 6360, 0, 975, 375 };
constexpr Twips kCanvas { 120, 480, 3060, 3000 };
constexpr Twips kTaskText { 120, 4320, 7095, 1935 };
constexpr Twips kHiddenPicture { -120, 2520, 615, 255 };

const QColor kFrameColor(192, 192, 255);
const QColor kCaptionColor(128, 128, 255);
const QColor kTitleColor(255, 192, 128);
const QColor kCalculateColor(0, 255, 0);
const QColor kClearColor(255, 0, 0);

constexpr double kResultPointSize = 9.75;

void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QLabel *makeOpaqueLabel(const QString &caption, const QColor &color, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setAutoFillBackground(true);
    setBackground(label, QPalette::Window, color);
    return label;
}

QPushButton *makeButton(const QString &caption, const QColor &color, const Twips &place,
    const char *name, QWidget *window)
{
    auto *button = new CommandButton(caption, color, window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place.toPixels());
    return button;
}

// Group frames drawn as a classic group box: an etched border whose top edge
// runs through the middle of the caption's line, interrupted behind the
// caption, so that it stays clear of the controls placed below the caption.
// (The style's own frame is a picture that it decodes through every image
// plugin installed, at the first paint.)
class ClassicFrameStyle : public QProxyStyle
{
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        constexpr int kCaptionLeft = 6; // where the border's gap begins
        constexpr int kCaptionGap = 2; // border to caption, either side
        const QFontMetrics &metrics = box->fontMetrics;
        const QRect border = box->rect.adjusted(0, metrics.height() / 2, 0, 0);
        qDrawShadeRect(painter, border, box->palette, true, 1, 0);
        const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(box->text) + 2 * kCaptionGap,
            metrics.height());
        painter->fillRect(caption, box->palette.window());
        painter->setPen(box->palette.color(QPalette::WindowText));
        painter->drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, box->text);
    }
};

} // namespace

WindowControls buildWindowControls(QWidget *window)
{
    WindowControls c;

    c.command1[0] = makeButton(
        QStringLiteral("Изчисли"), kCalculateColor, kCalculateButton, "Command1_0", window);

    c.label1 = makeOpaqueLabel(
        QStringLiteral("Геометрия - пресечна точка на две прави\r\n"), kTitleColor, window);
    c.label1->setObjectName(QStringLiteral("Label1_0"));
    c.label1->setGeometry(kTitle.toPixels());
    c.label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.label1->setAccessibleName(c.label1->text().trimmed());

    c.command1[1] =
        makeButton(QStringLiteral("Изчисти"), kClearColor, kClearButton, "Command1_1", window);

    c.picture1 = new DrawingCanvas(window);
    c.picture1->setObjectName(QStringLiteral("Picture1"));
    c.picture1->setGeometry(kCanvas.toPixels());
    c.picture1->setAccessibleName(QStringLiteral("Чертеж"));

    for (int i = 0; i < 3; ++i) {
        auto *frame = new QGroupBox(QString::fromUtf16(kFrames[i].caption), window);
        frame->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        frame->setGeometry(kFrames[i].place.toPixels());
        frame->setAutoFillBackground(true);
        static ClassicFrameStyle *const classic = new ClassicFrameStyle;
        frame->setStyle(classic);
        setBackground(frame, QPalette::Window, kFrameColor);
        c.frame1[i] = frame;
    }

    QFont resultFont = window->font();
    resultFont.setPointSizeF(kResultPointSize);
    for (const FieldPlacement &f : kFields) {
        QGroupBox *frame = c.frame1[f.frame];
        const QString caption = QString::fromUtf16(f.caption);
        QLabel *label = makeOpaqueLabel(caption, kCaptionColor, frame);
        label->setObjectName(QStringLiteral("Label2_%1").arg(f.index));
        label->setGeometry(f.label.toPixels());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        auto *field = new QLineEdit(frame);
        field->setObjectName(QStringLiteral("Text2_%1").arg(f.index));
        field->setGeometry(f.field.toPixels());
        if (!FieldTable::isInputField(f.index)) {
            field->setReadOnly(true);
            field->setFont(resultFont);
        }
        label->setBuddy(field);
        field->setAccessibleName(frame->title() + u' ' + caption);
        c.label2[f.index] = label;
        c.text2[f.index] = field;
    }

    c.text1 = new QPlainTextEdit(window);
    c.text1->setObjectName(QStringLiteral("Text1_0"));
    c.text1->setGeometry(kTaskText.toPixels());
    c.text1->setReadOnly(true);
    c.text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c.text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.text1->setTabChangesFocus(true);
    c.text1->setFocusPolicy(Qt::StrongFocus);
    c.text1->setAccessibleName(QStringLiteral("Задача и теория"));

    c.picture2 = new QWidget(window);
    c.picture2->setObjectName(QStringLiteral("Picture2"));
    c.picture2->setGeometry(kHiddenPicture.toPixels());
    c.picture2->setFocusPolicy(Qt::NoFocus);
    c.picture2->hide();

    const auto field = [&c](int index) { return c.text2[index]; };
    QWidget *const focusOrder[] = { c.text1, field(at(0, X1)), field(at(0, Y1)), field(at(0, X2)),
        field(at(0, Y2)), field(at(0, A)), field(at(0, B)), field(at(0, C)), c.command1[0],
        c.command1[1], field(at(0, K)), field(at(1, X1)), field(at(1, Y1)), field(at(1, X2)),
        field(at(1, Y2)), field(at(1, A)), field(at(1, B)), field(at(1, C)), field(at(1, K)),
        c.picture1, field(FieldTable::field(CrossingCoordinate::X)),
        field(FieldTable::field(CrossingCoordinate::Y)) };
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    return c;
}
