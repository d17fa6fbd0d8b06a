#include "app/solutioncommands.h"

#include "app/solutionprint.h"
#ifdef Q_OS_WASM
#include "app/browseroutput.h"
#endif
#include "app/windowcontrols.h"
#include "assistive/announcer.h"
#include "canvas/drawingcanvas.h"
#include "presentation/calculatepresentation.h"
#include "solution/figurewriters.h"
#include "solution/solutiondocument.h"
#include "solution/solutionexport.h"
#include "solution/solutionwriters.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#ifndef Q_OS_WASM
#include <QFileDialog>
#endif
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStandardPaths>

namespace {

constexpr int kMenuEcho = 250; // ms: a second menu request this soon repeats the first
constexpr int kNoteTime = 3000; // ms a note stays in view

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

bool isMenuKey(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Menu && !(key->modifiers() & ~Qt::KeypadModifier))
        || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

SolutionCommands::SolutionCommands(
    QWidget *window, const WindowControls &controls, Announcer *announcer, CalculationSource source)
    : QObject(window)
    , m_window(window)
    , m_canvas(controls.picture1)
    , m_announcer(announcer)
    , m_source(std::move(source))
{
    QAction *copyFigure = addCommand(QStringLiteral("Копирай чертежа"),
        QKeySequence(Qt::CTRL | Qt::Key_C), &SolutionCommands::copyFigure);
    copyFigure->setShortcutContext(Qt::WidgetShortcut);
    m_canvas->addAction(copyFigure);
    // Elsewhere Ctrl+C is the field's own Copy: the figure's entry there names no key.
    m_copyFigureElsewhere = new QAction(copyFigure->text(), this);
    connect(m_copyFigureElsewhere, &QAction::triggered, this, &SolutionCommands::copyFigure);
    for (QAction *command :
        { addCommand(QStringLiteral("Копирай решението"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &SolutionCommands::copySolution),
            addCommand(QStringLiteral("Запиши решението…"), QKeySequence(Qt::CTRL | Qt::Key_S),
                &SolutionCommands::saveSolution),
            addCommand(QStringLiteral("Отпечатай решението…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                &SolutionCommands::printSolution) }) {
        command->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(command);
        m_canvas->addAction(command);
    }

    m_window->installEventFilter(this);
    m_canvas->installEventFilter(this);
    for (QLineEdit *field : controls.text2)
        field->installEventFilter(this);
    controls.text1->installEventFilter(this);
    controls.text1->viewport()->installEventFilter(this);
}

QAction *SolutionCommands::addCommand(
    const QString &text, const QKeySequence &keys, void (SolutionCommands::*run)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, run);
    m_commands.append(action);
    return action;
}

QString SolutionCommands::nothingYet()
{
    return QStringLiteral("Още няма решение: първо натиснете „Изчисли“");
}

QString CanvasWithCommands::pictureDescription() const
{
    return m_narration.pictureDescription()
        + QStringLiteral(" Ctrl+C копира чертежа, Ctrl+Shift+C копира решението, Ctrl+S го "
                         "записва, Ctrl+P го отпечатва; клавишът Menu или Shift+F10 показва тези "
                         "команди.");
}

std::shared_ptr<const CalculatePresentation> SolutionCommands::calculation()
{
    std::shared_ptr<const CalculatePresentation> calculation = m_source();
    if (!calculation)
        tell(nothingYet());
    return calculation;
}

void SolutionCommands::tell(const QString &message)
{
    m_announcer->announce(message);
    if (!m_window->isVisible())
        return;
    // Seen as well as heard: a note over the window's top for a while, which
    // the key that gave the command does not close, as it would a tooltip.
    if (!m_note) {
        m_note = new QLabel(m_window, Qt::ToolTip | Qt::FramelessWindowHint);
        m_note->setForegroundRole(QPalette::ToolTipText);
        m_note->setBackgroundRole(QPalette::ToolTipBase);
        m_note->setAutoFillBackground(true);
        m_note->setMargin(4);
        m_note->setFrameStyle(QFrame::Box);
        m_noteTimer.setSingleShot(true);
        connect(&m_noteTimer, &QTimer::timeout, m_note, &QWidget::hide);
    }
    m_note->setText(message);
    m_note->adjustSize();
    m_note->move(m_window->mapToGlobal(QPoint((m_window->width() - m_note->width()) / 2, 4)));
    m_note->show();
    m_noteTimer.start(kNoteTime);
}

void SolutionCommands::copyFigure()
{
    const auto calculated = calculation();
    if (!calculated)
        return;
    const SolutionFigure figure = solutionFigure(*calculated);
    const QImage image = figureImage(figure);
#ifdef Q_OS_WASM
    if (!writePageClipboard(QString(), QString(), pngOf(image))) {
        tell(QStringLiteral("Браузърът не копира изображения от тази страница: запишете чертежа "
                            "с Ctrl+S"));
        return;
    }
#else
    auto *data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), pngOf(image));
    data->setData(QStringLiteral("image/svg+xml"), svgFigure(figure).toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
#endif
    tell(QStringLiteral("Чертежът е копиран"));
}

void SolutionCommands::copySolution()
{
    const auto calculated = calculation();
    if (!calculated)
        return;
    const SolutionDocument document = solutionDocument(*calculated);
#ifdef Q_OS_WASM
    if (!writePageClipboard(solutionText(document), solutionHtml(document), QByteArray())) {
        tell(QStringLiteral("Браузърът не позволи копирането: запишете решението с Ctrl+S"));
        return;
    }
#else
    auto *data = new QMimeData;
    data->setText(solutionText(document));
    data->setHtml(solutionHtml(document));
    QGuiApplication::clipboard()->setMimeData(data);
#endif
    tell(QStringLiteral("Решението е копирано"));
}

void SolutionCommands::saveSolution()
{
    const auto calculated = calculation();
    if (!calculated)
        return;
#ifdef Q_OS_WASM
    // The browser saves downloads where its user has chosen; what remains to
    // choose is the format. PDF comes from the browser's print.
    auto *menu = new QMenu(m_window);
    for (const ExportFormat format : kEveryExportFormat) {
        if (format == ExportFormat::Pdf)
            continue;
        connect(menu->addAction(exportFilter(format)), &QAction::triggered, this,
            [this, calculated, format] {
                saveAs(*calculated, format, QStringLiteral("решение.") + extensionOf(format));
            });
    }
    showMenu(menu, m_window->mapToGlobal(m_window->rect().center()));
#else
    QStringList filters;
    for (const ExportFormat format : kEveryExportFormat)
        filters << exportFilter(format);
    QString chosenFilter = filters.first();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString fileName = QFileDialog::getSaveFileName(m_window, QStringLiteral("Запиши решението"),
        QDir(folder).filePath(QStringLiteral("решение.pdf")), filters.join(QStringLiteral(";;")),
        &chosenFilter);
    if (fileName.isEmpty())
        return;
    std::optional<ExportFormat> format = exportFormatOf(fileName);
    if (!format) {
        // A name without a known extension takes the chosen format's.
        format = kEveryExportFormat[std::max<qsizetype>(0, filters.indexOf(chosenFilter))];
        fileName += u'.' + extensionOf(*format);
    }
    saveAs(*calculated, *format, fileName);
#endif
}

void SolutionCommands::saveAs(
    const CalculatePresentation &calculated, ExportFormat format, const QString &fileName)
{
    const QByteArray content = exportContent(format, solutionDocument(calculated));
    const QString name = QFileInfo(fileName).fileName();
    const bool figure = format == ExportFormat::Svg || format == ExportFormat::Png;
#ifdef Q_OS_WASM
    static const char *const kTypes[] = { "application/pdf", "text/html", "application/x-tex",
        "text/plain", "image/svg+xml", "image/png" };
    downloadFile(name, content, QString::fromLatin1(kTypes[int(format)]));
#else
    if (const auto error = writeWhole(fileName, content)) {
        tell(QStringLiteral("Решението не е записано: %1").arg(*error));
        return;
    }
#endif
    tell((figure ? QStringLiteral("Чертежът е записан: %1")
                 : QStringLiteral("Решението е записано: %1"))
             .arg(name));
}

void SolutionCommands::printSolution()
{
    const auto calculated = calculation();
    if (!calculated)
        return;
    const SolutionDocument document = solutionDocument(*calculated);
#ifdef Q_OS_WASM
    printInBrowser(solutionHtml(document));
    tell(QStringLiteral("Решението е изпратено за печат"));
    return;
#endif
    switch (printSolutionDocument(m_window, document)) {
    case PrintOutcome::Printed:
        tell(QStringLiteral("Решението е изпратено за печат"));
        break;
    case PrintOutcome::Cancelled:
        break;
    case PrintOutcome::Unavailable:
        tell(QStringLiteral("Печатът не е достъпен: запишете решението като PDF и го отпечатайте "
                            "от него"));
        break;
    }
}

// The menu opens and the event loop goes on, as the browser needs; it is
// deleted when it closes.
void SolutionCommands::showMenu(QMenu *menu, const QPoint &globalPosition)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_menuOpen = true;
    connect(menu, &QMenu::aboutToHide, this, [this] { m_menuOpen = false; });
    menu->popup(globalPosition);
}

QList<QAction *> SolutionCommands::commandsAway() const
{
    QList<QAction *> commands = m_commands;
    commands.first() = m_copyFigureElsewhere;
    return commands;
}

void SolutionCommands::showCommandMenu(const QPoint &globalPosition, bool onCanvas)
{
    auto *menu = new QMenu(m_window);
    menu->addActions(onCanvas ? m_commands : commandsAway());
    showMenu(menu, globalPosition);
}

// Every press on the canvas sets a point, so a right press opens no menu
// there; the keys do, at the keyboard's cross-hair or the canvas's middle.
bool SolutionCommands::canvasEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (!isMenuKey(static_cast<QKeyEvent *>(event)))
            return false;
    } else if (event->type() == QEvent::ContextMenu) {
        if (static_cast<QContextMenuEvent *>(event)->reason() != QContextMenuEvent::Keyboard)
            return true; // a right press: no menu here, and none from the window
    } else {
        return false;
    }
    const bool echo = m_sinceKeyboardMenu.isValid() && m_sinceKeyboardMenu.elapsed() < kMenuEcho;
    if (!m_menuOpen && !echo) {
        const QRect area = m_canvas->contentsRect();
        const QPoint at = m_canvas->keyboardCursorShown()
            ? area.topLeft() + m_canvas->keyboardCursor()
            : area.center();
        showCommandMenu(m_canvas->mapToGlobal(at), true);
    }
    m_sinceKeyboardMenu.start();
    return true;
}

bool SolutionCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas)
        return canvasEvent(event);
    if (event->type() != QEvent::ContextMenu)
        return false;
    auto *request = static_cast<QContextMenuEvent *>(event);
    if (watched == m_window) {
        // Reaches the window from the captions, frames and its own area; a
        // button is a control, and keeps none.
        if (qobject_cast<QAbstractButton *>(m_window->childAt(request->pos())))
            return false;
        showCommandMenu(request->globalPos(), false);
        return true;
    }
    // A field's own menu, the commands below its standard entries.
    QMenu *menu = nullptr;
    if (auto *field = qobject_cast<QLineEdit *>(watched))
        menu = field->createStandardContextMenu();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(watched))
        menu =
            text->createStandardContextMenu(text->viewport()->mapFromGlobal(request->globalPos()));
    else if (auto *text = qobject_cast<QPlainTextEdit *>(watched->parent()))
        menu = text->createStandardContextMenu(request->pos());
    if (!menu)
        return false;
    menu->addSeparator();
    menu->addActions(commandsAway());
    showMenu(menu, request->globalPos());
    return true;
}
