#include "printing/pageprinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

int vertiselPrintPage(QWidget *parent, const QString &title, const QPageLayout &layout,
    PagePainter paint, const void *page)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    printer.setDocName(title);
    printer.setFullPage(false);
    QPrintDialog dialog(&printer, parent);
    // One page: no range to choose, no selection to print.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    QPainter painter(&printer);
    paint(painter, printer, page);
    return 1;
}
