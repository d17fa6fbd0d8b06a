#pragma once

#include "explanations/working.h"
#include "presentation/construction.h"

#include <QList>
#include <QString>

class CalculatePresentation;

// A label of the figure: a point's letter and index, at the point, in twips.
struct FigureLabel
{
    QString letter;
    QString index;
    double x = 0.0;
    double y = 0.0;
};

// The figure of a worked solution: the construction a Calculate draws on a
// blank canvas, with the four given points marked as presses mark them, and
// the points and the crossing labelled. In twips of the canvas's drawing
// area, clipped to it.
struct SolutionFigure
{
    static constexpr double kWidth = 3000.0; // the canvas's 200 x 196 pixels
    static constexpr double kHeight = 2940.0;

    QList<ConstructionItem> items;
    QList<FigureLabel> labels;
    QString title; // a short name for the picture
    QString description; // what it shows, in words
};

// One block of the document, in reading order.
struct SolutionBlock
{
    enum class Kind {
        Heading,
        Statement, // one line of working: words and formulas
        Figure,
    };
    Kind kind = Kind::Statement;
    QString heading;
    Working working;
};

// The worked solution of one Calculate: what was given and how it was read,
// each line's coefficients, equations and slope, how the lines lie, Cramer's
// rule and the crossing, and the figure. It holds the working as structure;
// the writers render it as a page, as HTML with MathML, as TeX and as text.
struct SolutionDocument
{
    QString title;
    QList<SolutionBlock> blocks;
    SolutionFigure figure;
};

SolutionDocument solutionDocument(const CalculatePresentation &presentation);

// The figure alone, as the document holds it.
SolutionFigure solutionFigure(const CalculatePresentation &presentation);

// The figure told in words as the canvas's narration tells each shape, for
// the picture's description.
QString figureDescription(const CalculatePresentation &presentation);
