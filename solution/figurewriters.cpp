#include "solution/figurewriters.h"

#include "presentation/pointcapture.h"
#include "solution/solutiondocument.h"
#include "solution/workingmarkup.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

using Kind = ConstructionItem::Kind;

constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
constexpr double kLineWidth = kTwipsPerPixel; // the canvas's one-pixel pen
constexpr double kDotRadius = kCaptureDotWidth * kTwipsPerPixel / 2.0;
constexpr double kLabelSize = 200.0; // twips, 10 pt
constexpr double kLabelGap = 60.0;
constexpr QRgb kInk = qRgb(220, 0, 0); // the canvas's drawing colour
constexpr QRgb kFrame = qRgb(160, 160, 160);

// A number a machine reads: a decimal point, at most one decimal.
QString coordinate(double twips)
{
    QString text = QString::number(twips, 'f', 1);
    if (text.endsWith(QStringLiteral(".0")))
        text.chop(2);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

// Where a label stands beside its point: above and to the right, or to the
// left near the right edge, below near the top, so that it stays inside.
struct LabelPlace
{
    double x = 0.0;
    double baseline = 0.0;
    bool toLeft = false;
};

LabelPlace labelPlace(const FigureLabel &label)
{
    LabelPlace place;
    place.toLeft = label.x > SolutionFigure::kWidth - 4 * kLabelSize;
    place.x = label.x + (place.toLeft ? -kLabelGap : kLabelGap);
    place.baseline =
        label.y < 1.5 * kLabelSize ? label.y + kLabelGap + kLabelSize : label.y - kLabelGap;
    return place;
}

QString svgAttributes(const ConstructionItem &item)
{
    switch (item.kind) {
    case Kind::Segment:
    case Kind::Extension:
        return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>")
            .arg(coordinate(item.x1), coordinate(item.y1), coordinate(item.x2), coordinate(item.y2),
                item.dotted() ? QStringLiteral(" stroke-dasharray=\"15 30\"") : QString());
    case Kind::Ring:
        return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"/>")
            .arg(coordinate(item.x1), coordinate(item.y1), coordinate(item.radius));
    case Kind::Point:
    case Kind::Dot:
        return QStringLiteral(
            "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#dc0000\" stroke=\"none\"/>")
            .arg(coordinate(item.x1), coordinate(item.y1), coordinate(kDotRadius));
    }
    return QString();
}

} // namespace

QString svgFigure(const SolutionFigure &figure, bool inline_)
{
    QString out;
    if (!inline_)
        out += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out +=
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1mm\" height=\"%2mm\" "
                       "viewBox=\"0 0 %3 %4\" role=\"img\" "
                       "aria-labelledby=\"figure-title figure-description\">\n")
            .arg(QString::number(SolutionFigure::kWidth / kTwipsPerMillimetre, 'f', 1),
                QString::number(SolutionFigure::kHeight / kTwipsPerMillimetre, 'f', 1),
                coordinate(SolutionFigure::kWidth), coordinate(SolutionFigure::kHeight));
    out +=
        QStringLiteral("<title id=\"figure-title\">%1</title>\n").arg(figure.title.toHtmlEscaped());
    out += QStringLiteral("<desc id=\"figure-description\">%1</desc>\n")
               .arg(figure.description.toHtmlEscaped());
    out += QStringLiteral("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"#ffffff\" "
                          "stroke=\"#a0a0a0\" stroke-width=\"%3\"/>\n")
               .arg(coordinate(SolutionFigure::kWidth), coordinate(SolutionFigure::kHeight),
                   coordinate(kLineWidth));
    out += QStringLiteral("<g fill=\"none\" stroke=\"#dc0000\" stroke-width=\"%1\">\n")
               .arg(coordinate(kLineWidth));
    for (const ConstructionItem &item : figure.items)
        out += svgAttributes(item) + u'\n';
    out += QStringLiteral("</g>\n<g font-family=\"'Times New Roman', 'Liberation Serif', serif\" "
                          "font-size=\"%1\" font-style=\"italic\" fill=\"#000000\">\n")
               .arg(coordinate(kLabelSize));
    for (const FigureLabel &label : figure.labels) {
        const LabelPlace place = labelPlace(label);
        out += QStringLiteral("<text x=\"%1\" y=\"%2\"%3>%4")
                   .arg(coordinate(place.x), coordinate(place.baseline),
                       place.toLeft ? QStringLiteral(" text-anchor=\"end\"") : QString(),
                       label.letter.toHtmlEscaped());
        if (!label.index.isEmpty())
            out +=
                QStringLiteral("<tspan font-size=\"%1\" font-style=\"normal\" dy=\"%2\">%3</tspan>")
                    .arg(coordinate(kLabelSize * 0.7), coordinate(kLabelSize * 0.25),
                        label.index.toHtmlEscaped());
        out += QStringLiteral("</text>\n");
    }
    out += QStringLiteral("</g>\n</svg>\n");
    return out;
}

QString tikzFigure(const SolutionFigure &figure)
{
    // One unit is a twip, y growing downwards as on the canvas.
    QString out = QStringLiteral("\\begin{tikzpicture}[x=%1mm,y=-%1mm]\n")
                      .arg(QString::number(1.0 / kTwipsPerMillimetre, 'f', 6));
    const QString width = coordinate(SolutionFigure::kWidth);
    const QString height = coordinate(SolutionFigure::kHeight);
    out += QStringLiteral("\\draw[gray!70, line width=0.2pt] (0,0) rectangle (%1,%2);\n")
               .arg(width, height);
    out += QStringLiteral("\\begin{scope}\n\\clip (0,0) rectangle (%1,%2);\n").arg(width, height);
    const QString pen = QStringLiteral("color={rgb,255:red,220;green,0;blue,0}, line width=%1mm")
                            .arg(QString::number(kLineWidth / kTwipsPerMillimetre, 'f', 3));
    for (const ConstructionItem &item : figure.items) {
        switch (item.kind) {
        case Kind::Segment:
        case Kind::Extension:
            out += QStringLiteral("\\draw[%1%2] (%3,%4) -- (%5,%6);\n")
                       .arg(pen,
                           item.dotted() ? QStringLiteral(", dash pattern=on 0.26mm off 0.53mm")
                                         : QString(),
                           coordinate(item.x1), coordinate(item.y1), coordinate(item.x2),
                           coordinate(item.y2));
            break;
        case Kind::Ring:
            out += QStringLiteral("\\draw[%1] (%2,%3) circle[radius=%4mm];\n")
                       .arg(pen, coordinate(item.x1), coordinate(item.y1),
                           QString::number(item.radius / kTwipsPerMillimetre, 'f', 3));
            break;
        case Kind::Point:
        case Kind::Dot:
            out += QStringLiteral("\\fill[color={rgb,255:red,220;green,0;blue,0}] (%1,%2) "
                                  "circle[radius=%3mm];\n")
                       .arg(coordinate(item.x1), coordinate(item.y1),
                           QString::number(kDotRadius / kTwipsPerMillimetre, 'f', 3));
            break;
        }
    }
    out += QStringLiteral("\\end{scope}\n");
    for (const FigureLabel &label : figure.labels) {
        const LabelPlace place = labelPlace(label);
        out +=
            QStringLiteral("\\node[anchor=base %1, inner sep=0pt, font=\\small] at (%2,%3) "
                           "{$%4%5$};\n")
                .arg(place.toLeft ? QStringLiteral("east") : QStringLiteral("west"),
                    coordinate(place.x), coordinate(place.baseline), texEscaped(label.letter),
                    label.index.isEmpty() ? QString()
                                          : QStringLiteral("_{%1}").arg(texEscaped(label.index)));
    }
    out += QStringLiteral("\\end{tikzpicture}\n");
    return out;
}

void paintFigure(QPainter &painter, const SolutionFigure &figure, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(
        target.width() / SolutionFigure::kWidth, target.height() / SolutionFigure::kHeight);
    const QRectF area(0.0, 0.0, SolutionFigure::kWidth, SolutionFigure::kHeight);
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(QColor(kFrame), kLineWidth));
    painter.drawRect(area);
    painter.save();
    painter.setClipRect(area);
    QPen pen(QColor(kInk), kLineWidth);
    for (const ConstructionItem &item : figure.items) {
        pen.setStyle(item.dotted() ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        switch (item.kind) {
        case Kind::Segment:
        case Kind::Extension:
            painter.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
            break;
        case Kind::Ring:
            painter.drawEllipse(QPointF(item.x1, item.y1), item.radius, item.radius);
            break;
        case Kind::Point:
        case Kind::Dot:
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(kInk));
            painter.drawEllipse(QPointF(item.x1, item.y1), kDotRadius, kDotRadius);
            break;
        }
    }
    painter.restore();
    // The labels as outlines of the window's serif face: sized in twips,
    // whatever the painter's resolution.
    QFont font(QStringLiteral("Times New Roman"));
    font.setItalic(true);
    font.setPixelSize(100);
    QFont small = font;
    small.setItalic(false);
    small.setPixelSize(70);
    const double scale = kLabelSize / 100.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const FigureLabel &label : figure.labels) {
        const LabelPlace place = labelPlace(label);
        QPainterPath path;
        path.addText(QPointF(0.0, 0.0), font, label.letter);
        const double letterWidth = path.boundingRect().right() + 8.0;
        if (!label.index.isEmpty())
            path.addText(QPointF(letterWidth, 25.0), small, label.index);
        const double width = path.boundingRect().right();
        painter.save();
        painter.translate(place.toLeft ? place.x - width * scale : place.x, place.baseline);
        painter.scale(scale, scale);
        painter.drawPath(path);
        painter.restore();
    }
    painter.restore();
}
