#include "solution/solutionwriters.h"

#include "solution/figurewriters.h"
#include "solution/solutiondocument.h"
#include "solution/workingmarkup.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#if QT_CONFIG(pdf)
#include <QPdfWriter>
#endif
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace {

using BlockKind = SolutionBlock::Kind;

constexpr double kFigureWidthMm = SolutionFigure::kWidth * 25.4 / 1440.0;
constexpr double kFigureHeightMm = SolutionFigure::kHeight * 25.4 / 1440.0;
constexpr int kImageScale = 4; // the PNG's pixels to one of the canvas's
constexpr int kTwipsPerPixel = 15;

const char kHtmlStyle[] = R"(body { font-family: 'Times New Roman', 'Liberation Serif', serif;
  font-size: 12pt; line-height: 1.45; max-width: 46em; margin: 1.5em auto; padding: 0 1em;
  color: #000; background: #fff; }
h1 { font-size: 1.5em; margin: 0 0 0.6em; }
h2 { font-size: 1.15em; margin: 1.1em 0 0.3em; }
p { margin: 0.2em 0; }
math { font-size: 1.05em; }
figure { margin: 0.8em 0; }
figcaption { font-size: 0.95em; }
@media print { body { margin: 0; max-width: none; } }
)";

// The figure inside a QTextDocument: an object of its own size that paints
// the construction as vectors wherever the layout puts it.
class FigureObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kType = QTextFormat::UserObject + 1;

    FigureObject(const SolutionFigure &figure, QSizeF size)
        : m_figure(figure)
        , m_size(size)
    {
    }

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &) override { return m_size; }
    void drawObject(
        QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &) override
    {
        paintFigure(*painter, m_figure, rect);
    }

private:
    const SolutionFigure &m_figure;
    QSizeF m_size;
};

// The page's text as Qt's rich text, the figure as an object at its place.
// Sizes are relative to the document's font, which shrinks until all fits.
void fillPage(QTextDocument &page, const SolutionDocument &document)
{
    const double size = page.defaultFont().pointSizeF();
    QTextCharFormat body;
    body.setFontPointSize(size);
    QTextCharFormat title = body;
    title.setFontPointSize(size * 1.6);
    title.setFontWeight(QFont::Bold);
    QTextCharFormat heading = body;
    heading.setFontPointSize(size * 1.15);
    heading.setFontWeight(QFont::Bold);
    QTextBlockFormat text;
    text.setBottomMargin(size * 0.2);
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(size * 0.6);
    headingBlock.setBottomMargin(size * 0.2);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(size * 0.5);
    centred.setBottomMargin(size * 0.5);

    QTextCursor cursor(&page);
    cursor.setBlockFormat(text);
    cursor.insertText(document.title, title);
    for (const SolutionBlock &block : document.blocks) {
        switch (block.kind) {
        case BlockKind::Heading:
            cursor.insertBlock(headingBlock, heading);
            cursor.insertText(block.heading);
            break;
        case BlockKind::Statement:
            cursor.insertBlock(text, body);
            cursor.insertHtml(richTextStatement(block.working));
            break;
        case BlockKind::Figure: {
            cursor.insertBlock(centred, body);
            QTextCharFormat figure;
            figure.setObjectType(FigureObject::kType);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), figure);
            break;
        }
        }
    }
}

} // namespace

QString solutionHtml(const SolutionDocument &document)
{
    QString out =
        QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
                       "lang=\"bg\">\n<head>\n<meta charset=\"utf-8\"/>\n"
                       "<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n<h1>%1</h1>\n")
            .arg(document.title.toHtmlEscaped(), QString::fromUtf8(kHtmlStyle));
    for (const SolutionBlock &block : document.blocks) {
        switch (block.kind) {
        case BlockKind::Heading:
            out += QStringLiteral("<h2>%1</h2>\n").arg(block.heading.toHtmlEscaped());
            break;
        case BlockKind::Statement:
            out += QStringLiteral("<p>%1</p>\n").arg(mathMlStatement(block.working));
            break;
        case BlockKind::Figure:
            out +=
                QStringLiteral("<figure>\n%1<figcaption>%2</figcaption>\n</figure>\n")
                    .arg(svgFigure(document.figure, true), document.figure.title.toHtmlEscaped());
            break;
        }
    }
    return out + QStringLiteral("</body>\n</html>\n");
}

QString solutionTex(const SolutionDocument &document)
{
    QString out = QStringLiteral("\\documentclass[a4paper,11pt]{article}\n"
                                 "\\usepackage[T2A]{fontenc}\n"
                                 "\\usepackage[utf8]{inputenc}\n"
                                 "\\usepackage[bulgarian]{babel}\n"
                                 "\\usepackage[a4paper,margin=18mm]{geometry}\n"
                                 "\\usepackage{amsmath}\n"
                                 "\\usepackage{tikz}\n"
                                 "\\setlength{\\parindent}{0pt}\n"
                                 "\\setlength{\\parskip}{0.35em}\n"
                                 "\\pagestyle{empty}\n"
                                 "\\begin{document}\n");
    out += QStringLiteral("\\section*{%1}\n").arg(texEscaped(document.title));
    for (const SolutionBlock &block : document.blocks) {
        switch (block.kind) {
        case BlockKind::Heading:
            out += QStringLiteral("\n\\subsection*{%1}\n").arg(texEscaped(block.heading));
            break;
        case BlockKind::Statement:
            out += texStatement(block.working) + QStringLiteral("\n\n");
            break;
        case BlockKind::Figure:
            out += QStringLiteral("\\begin{center}\n%1\\\\[0.3em]\n{\\small %2}\n\\end{center}\n")
                       .arg(tikzFigure(document.figure), texEscaped(document.figure.title));
            break;
        }
    }
    return out + QStringLiteral("\\end{document}\n");
}

QString solutionText(const SolutionDocument &document)
{
    QString out = document.title + u'\n' + QString(document.title.size(), u'=') + u'\n';
    for (const SolutionBlock &block : document.blocks) {
        switch (block.kind) {
        case BlockKind::Heading:
            out += u'\n' + block.heading + u'\n';
            break;
        case BlockKind::Statement:
            out += writtenText(block.working) + u'\n';
            break;
        case BlockKind::Figure:
            out +=
                QStringLiteral("[%1] %2\n").arg(document.figure.title, document.figure.description);
            break;
        }
    }
    return out;
}

QImage figureImage(const SolutionFigure &figure)
{
    QImage image(int(SolutionFigure::kWidth) / kTwipsPerPixel * kImageScale,
        int(SolutionFigure::kHeight) / kTwipsPerPixel * kImageScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintFigure(painter, figure, QRectF(QPointF(), image.size()));
    return image;
}

void paintSolutionPage(QPainter &painter, QPaintDevice &device, const SolutionDocument &document)
{
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    const QSizeF area(device.width(), device.height());
    FigureObject figure(document.figure,
        QSizeF(kFigureWidthMm * dotsPerMm, kFigureHeightMm * device.logicalDpiY() / 25.4));
    QTextDocument page;
    page.documentLayout()->setPaintDevice(&device);
    page.documentLayout()->registerHandler(FigureObject::kType, &figure);
    page.setDocumentMargin(0);
    page.setTextWidth(area.width());
    // The largest type, in half points, at which the page holds everything.
    for (int halfPoints = 26; halfPoints >= 10; --halfPoints) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(halfPoints / 2.0);
        page.setDefaultFont(font);
        page.clear();
        fillPage(page, document);
        if (page.documentLayout()->documentSize().height() <= area.height())
            break;
    }
    page.drawContents(&painter, QRectF(QPointF(), area));
}

QPageLayout solutionPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 15),
        QPageLayout::Millimeter);
}

QByteArray solutionPdf(const SolutionDocument &document)
{
#if !QT_CONFIG(pdf)
    // Built without PDF, as in the browser, whose print makes one.
    Q_UNUSED(document);
    return QByteArray();
#else
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(solutionPageLayout());
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Vertisel"));
        QPainter painter(&writer);
        paintSolutionPage(painter, writer, document);
    }
    return pdf;
#endif
}

#include "solutionwriters.moc"
