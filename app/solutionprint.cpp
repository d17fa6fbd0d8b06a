#include "app/solutionprint.h"

#include "solution/solutiondocument.h"
#include "solution/solutionwriters.h"

#if defined(VERTISEL_PRINT_MODULE) || defined(VERTISEL_PRINT_LINKED)
#include "printing/pageprinter.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPageLayout>

namespace {

#if defined(VERTISEL_PRINT_MODULE) || defined(VERTISEL_PRINT_LINKED)
void paintDocument(QPainter &painter, QPaintDevice &device, const void *document)
{
    paintSolutionPage(painter, device, *static_cast<const SolutionDocument *>(document));
}
#endif

#ifdef VERTISEL_PRINT_MODULE
using PrintPage = decltype(&vertiselPrintPage);

// Qt's print support and the print system's libraries come with the module,
// the first time a user prints.
PrintPage printModule()
{
    static const PrintPage print = []() -> PrintPage {
        const QDir program(QCoreApplication::applicationDirPath());
        for (const QString &folder :
            { program.path(), program.filePath(VERTISEL_PRINT_MODULE_DIR) }) {
            QLibrary module(QDir(folder).filePath(QStringLiteral("vertisel-print")));
            if (const auto found = reinterpret_cast<PrintPage>(module.resolve("vertiselPrintPage")))
                return found;
        }
        return nullptr;
    }();
    return print;
}
#endif

} // namespace

PrintOutcome printSolutionDocument(QWidget *window, const SolutionDocument &document)
{
#if defined(VERTISEL_PRINT_MODULE)
    const PrintPage print = printModule();
    if (!print)
        return PrintOutcome::Unavailable;
#elif defined(VERTISEL_PRINT_LINKED)
    const auto print = &vertiselPrintPage;
#endif
#if defined(VERTISEL_PRINT_MODULE) || defined(VERTISEL_PRINT_LINKED)
    return print(window, document.title, solutionPageLayout(), paintDocument, &document)
        ? PrintOutcome::Printed
        : PrintOutcome::Cancelled;
#else
    Q_UNUSED(window);
    Q_UNUSED(document);
    return PrintOutcome::Unavailable;
#endif
}
