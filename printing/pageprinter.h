#pragma once

#include <QtGlobal>

#ifndef VERTISEL_PRINT_EXPORT
#define VERTISEL_PRINT_EXPORT
#endif

class QPageLayout;
class QPaintDevice;
class QPainter;
class QString;
class QWidget;

// Paints one page on DEVICE, inside its margins.
using PagePainter = void (*)(QPainter &painter, QPaintDevice &device, const void *page);

// Shows the printer dialog for one page of LAYOUT named TITLE and, when the
// user prints, paints it with PAINT. Returns 1 when printed, 0 when the user
// cancelled. Where the program loads printing only at its first use, this is
// the one function it looks up.
extern "C" VERTISEL_PRINT_EXPORT int vertiselPrintPage(QWidget *parent, const QString &title,
    const QPageLayout &layout, PagePainter paint, const void *page);
