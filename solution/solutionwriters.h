#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QPageLayout;
class QPaintDevice;
class QPainter;
struct SolutionDocument;
struct SolutionFigure;

// The worked solution in each format a teacher takes it out in. Numbers are
// written in the default locale's format, as the fields show them.

// One self-contained HTML page in Bulgarian: every formula in MathML, the
// figure as inline SVG with its title and description.
QString solutionHtml(const SolutionDocument &document);

// A LaTeX file for pdflatex with babel's Bulgarian and T2A, the figure in TikZ.
QString solutionTex(const SolutionDocument &document);

// Plain text, each statement on its own line, as the tooltips write it.
QString solutionText(const SolutionDocument &document);

// The figure alone as a picture of four times the canvas's pixels.
QImage figureImage(const SolutionFigure &figure);

// Paints the whole solution on one page of DEVICE (a PDF writer or a
// printer), inside its margins, its text as text and the figure as vectors,
// the type made smaller until everything fits. Needs a QGuiApplication.
void paintSolutionPage(QPainter &painter, QPaintDevice &device, const SolutionDocument &document);

// The page: A4, upright, its margins.
QPageLayout solutionPageLayout();

// One A4 page of PDF, fonts embedded.
QByteArray solutionPdf(const SolutionDocument &document);
