#include "solution/solutionexport.h"

#include "solution/figurewriters.h"
#include "solution/solutiondocument.h"
#include "solution/solutionwriters.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

namespace {

struct FormatInfo
{
    ExportFormat format;
    const char *extension;
    const char16_t *name;
};

constexpr FormatInfo kFormats[] = {
    { ExportFormat::Pdf, "pdf", u"Решение, PDF документ" },
    { ExportFormat::Html, "html", u"Решение, уеб страница" },
    { ExportFormat::Tex, "tex", u"Решение, LaTeX" },
    { ExportFormat::Text, "txt", u"Решение, текст" },
    { ExportFormat::Svg, "svg", u"Чертеж, SVG" },
    { ExportFormat::Png, "png", u"Чертеж, PNG" },
};

const FormatInfo &infoOf(ExportFormat format)
{
    return kFormats[int(format)];
}

} // namespace

std::optional<ExportFormat> exportFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const FormatInfo &info : kFormats)
        if (suffix == QLatin1String(info.extension))
            return info.format;
    if (suffix == QLatin1String("htm"))
        return ExportFormat::Html;
    return std::nullopt;
}

QString extensionOf(ExportFormat format)
{
    return QString::fromLatin1(infoOf(format).extension);
}

QString exportFilter(ExportFormat format)
{
    return QStringLiteral("%1 (*.%2)")
        .arg(QString::fromUtf16(infoOf(format).name), extensionOf(format));
}

QString exportExtensions()
{
    QStringList extensions;
    for (const FormatInfo &info : kFormats)
        extensions << QString::fromLatin1(info.extension);
    return extensions.join(QStringLiteral(", "));
}

bool needsFonts(ExportFormat format)
{
    return format == ExportFormat::Pdf || format == ExportFormat::Png;
}

QByteArray exportContent(ExportFormat format, const SolutionDocument &document)
{
    switch (format) {
    case ExportFormat::Pdf:
        return solutionPdf(document);
    case ExportFormat::Html:
        return solutionHtml(document).toUtf8();
    case ExportFormat::Tex:
        return solutionTex(document).toUtf8();
    case ExportFormat::Text:
        return solutionText(document).toUtf8();
    case ExportFormat::Svg:
        return svgFigure(document.figure).toUtf8();
    case ExportFormat::Png: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        figureImage(document.figure).save(&buffer, "PNG");
        return png;
    }
    }
    return QByteArray();
}

std::optional<QString> writeWhole(const QString &fileName, const QByteArray &content)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}
