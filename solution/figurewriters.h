#pragma once

#include <QString>

class QPainter;
class QRectF;
struct SolutionFigure;

// The figure of a worked solution on each medium, at the canvas's true size
// unless a target says otherwise. Coordinates a machine reads (SVG, TikZ)
// always have a decimal point, whatever the locale.

// A standalone SVG file: 3000 x 2940 twips are 52.9 x 51.9 mm, with a
// <title> and a <desc>. INLINE leaves out the XML declaration, for HTML.
QString svgFigure(const SolutionFigure &figure, bool inline_ = false);

// A TikZ picture for LaTeX.
QString tikzFigure(const SolutionFigure &figure);

// Paints the figure as vectors into TARGET, in the painter's coordinates.
void paintFigure(QPainter &painter, const SolutionFigure &figure, const QRectF &target);
