#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class Calculation;
struct SolutionDocument;

// The formats the worked solution leaves the program in, chosen by a file
// name's extension: the whole solution, or the figure alone (SVG, PNG).
enum class ExportFormat { Pdf, Html, Tex, Text, Svg, Png };

std::optional<ExportFormat> exportFormatOf(const QString &fileName);
QString extensionOf(ExportFormat format);

// Every format, in the order a file dialog offers them.
inline constexpr ExportFormat kEveryExportFormat[] = { ExportFormat::Pdf, ExportFormat::Html,
    ExportFormat::Tex, ExportFormat::Text, ExportFormat::Svg, ExportFormat::Png };

// A file dialog's filter for FORMAT, in Bulgarian: "PDF документ (*.pdf)".
QString exportFilter(ExportFormat format);

// "pdf, html, tex, txt, svg, png"
QString exportExtensions();

// PDF and PNG are drawn with fonts: they need a QGuiApplication.
bool needsFonts(ExportFormat format);

// The file's bytes.
QByteArray exportContent(ExportFormat format, const SolutionDocument &document);

// Writes CONTENT to FILENAME whole or not at all. Returns why it could not,
// or nothing.
std::optional<QString> writeWhole(const QString &fileName, const QByteArray &content);
