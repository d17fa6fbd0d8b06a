#pragma once

#include "explanations/working.h"

#include <QString>

// One statement of a working written for a document: its words as text and
// each run of formula (names, numbers, operators, relations, brackets) as
// mathematics. Numbers are written as the fields and tooltips write them, in
// the default locale's format; a name is a letter with its index below; a
// fraction and a division of two terms are stacked where the markup can.

// HTML: the words escaped, each formula a MathML <math> element with its
// namespace.
QString mathMlStatement(const Working &statement);

// LaTeX with amsmath: the words escaped for T2A text, each formula in $…$.
QString texStatement(const Working &statement);

// Qt's rich text, for the printed page: indices as subscripts, fractions
// written across.
QString richTextStatement(const Working &statement);

// TEXT escaped for LaTeX text mode: its special characters written as
// commands, and characters that T2A cannot set as a question mark.
QString texEscaped(const QString &text);
